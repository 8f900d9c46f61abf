#include "import/unit_parser.h"

#include <memory>
#include <string_view>

#include "import/region_parser.h"
#include "import/index_names.h"
#include "import/report_words.h"
#include "import/text_utils.h"
#include "import/veldoria_parser.h"
#include "model/database.h"
#include "model/game_items.h"
#include "platform/number_text.h"

namespace hexwarden {

namespace {

bool IsFullStopOrSemicolon(std::string_view word) {
    return word == "." || word == ";";
}

// A phrase among the flags that this program has no flag for ("sharing", "won't cross water"): it
// runs to a comma with no bracket and no sentence end before it. Item entries always carry "[",
// the faction group "(".
bool UnknownPhraseFollows(const TVeldoriaParser& parser) {
    const std::size_t end = parser.FindFirstOf(",[(.;", parser.Position());
    return end < parser.Size() && parser.Text()[end] == ',';
}

bool ReadFlag(TVelUnit& unit, TVeldoriaParser& parser) {
    const std::string_view word = parser.PeekWord(1);
    if (word == "avoiding") {
        unit.SetFlag(UnitFlag::Avoiding, true);
        parser.GetWord(2);
    } else if (word == "behind") {
        unit.SetFlag(UnitFlag::Behind, true);
        parser.GetWord(2);
    } else if (word == "revealing") {
        unit.SetFlag(parser.PeekWord(2) == "faction" ? UnitFlag::RevealFaction : UnitFlag::RevealUnit, true);
        parser.GetWord(3);
    } else if (word == "on") {
        unit.SetFlag(UnitFlag::OnGuard, true);
        parser.ReadUntil(",", true);
    } else if (word == "holding") {
        unit.SetFlag(UnitFlag::Holding, true);
        parser.GetWord(2);
    } else if (word == "receiving" && parser.PeekWord(2) == "no" && parser.PeekWord(3) == "aid") {
        unit.SetFlag(UnitFlag::NoAid, true);
        parser.GetWord(4);
    } else if (word == "taxing") {
        unit.SetFlag(UnitFlag::Autotax, true);
        parser.GetWord(2);
    } else if (UnknownPhraseFollows(parser)) {
        parser.ReadUntil(",");
    } else {
        return false;
    }
    return true;
}

void ReadFlags(TVelUnit& unit, TVeldoriaParser& parser) {
    while (ReadFlag(unit, parser)) {
    }
}

// The faction group "Name (number)": no item code among the next words, and the name's bracket
// comes before any item's, so that reading the name cannot run into later entries.
bool FactionGroupFollows(TVeldoriaParser& parser) {
    const auto ahead = parser.PeekWords<4>();
    if (ahead[1] == "[" || ahead[2] == "[" || ahead[3] == "[") return false;
    const std::size_t bracket = parser.FindFirstOf("([", parser.Position());
    return bracket < parser.Size() && parser.Text()[bracket] == '(';
}

void ReadFactionGroup(TVelUnit& unit, TVeldoriaParser& parser) {
    const std::string name = parser.ReadUntil("(");
    unit.Faction = StrToIntDef(parser.ReadWord(), 0);
    unit.FactionConfirmed = true;
    parser.Database.Factions.AddOrRename(name, unit.Faction);
    parser.GetWord(2);
}

std::string ReadName(TVeldoriaParser& parser) {
    std::string name = parser.ReadUntil("(");
    // A bracket followed by more than a number and ")" belongs to the name.
    for (auto ahead = parser.PeekWords<3>(); ahead[1] != ")" && ahead[2] != ","; ahead = parser.PeekWords<3>()) {
        name += '(';
        name += parser.ReadUntil("(");
    }
    return name;
}

// What the list before a code said when it holds a comma: text the entry grammar did not take (a
// phrase among the flags it could not tell from an item). Only the part behind the last comma
// names the entry, with its count in front when there is one.
void SplitOffUnreadText(std::string& name, int32_t& count, TVeldoriaParser& parser) {
    const std::size_t comma = name.rfind(',');
    if (comma == std::string::npos) return;
    parser.Log("  Passing unit text not understood: " + TextPreview(std::string_view(name).substr(0, comma)));
    std::string_view rest = TrimBlanks(std::string_view(name).substr(comma + 1));
    count = 1;
    const std::size_t space = rest.find(' ');
    if (space != std::string_view::npos) {
        if (const std::optional<int32_t> amount = AmountOf(rest.substr(0, space))) {
            count = *amount;
            rest = TrimBlanks(rest.substr(space + 1));
        }
    }
    name = std::string(rest);
}

// Men and creatures count as the unit's strength; everything else the server lists is goods.
ItemTypeAnswer KindOfGameItem(const ItemToken& item) {
    return item.Is(ItemClass::Man | ItemClass::Monster) ? ItemTypeAnswer::Race : ItemTypeAnswer::Item;
}

// What the reports have made known comes first; then the game's own item table; only a code
// neither knows is asked about. The server lists a unit's men, then its creatures, then its
// equipment, silver last: so once a code known to be an item has come, an unknown code after it
// is an item too. An answer that is only a guess starts nothing.
ItemTypeAnswer Classify(TVeldoriaParser& parser, const std::string& name, int32_t count, const std::string& code, bool& items_begun) {
    TVelMain& database = parser.Database;
    if (database.Races.FindByCode(code) != nullptr) {
        RegisterName(database.Races, name, count, code);
        return ItemTypeAnswer::Race;
    }
    ItemTypeAnswer answer = ItemTypeAnswer::Item;
    if (database.ItemTypes.FindByCode(code) != nullptr) {
        items_begun = true;
    } else if (const ItemToken* known = FindGameItemByCode(code)) {
        answer = KindOfGameItem(*known);
        if (answer == ItemTypeAnswer::Item) items_begun = true;
    } else if (items_begun) {
        parser.Log({"  ", name, " [", code, "] is an item: it follows the unit's equipment"});
    } else {
        TItemTypeQuestion& question = parser.ItemTypeQuestion();
        answer = question.Ask(name, code);
        items_begun = answer == ItemTypeAnswer::Item && !question.Guesses();
    }
    RegisterName(answer == ItemTypeAnswer::Race ? database.Races : database.ItemTypes, name, count, code);
    return answer;
}

// Entry ends at a full stop closing its line when a unit or structure follows, an empty line
// follows, or nothing follows at all.
bool EntryEndsHere(TVeldoriaParser& parser) {
    return parser.IsBlankLine() && (IsEntryMark(parser.PeekWord(1)) || parser.IsNextLineBlank());
}

void ReadCombatSpell(TVelUnit& unit, TVeldoriaParser& parser) {
    parser.GetWord(2);
    parser.ReadUntil("[");
    unit.CombatSpell = parser.ReadWord();
    parser.GetWord(2);
}

void PassSentence(TVeldoriaParser& parser) {
    while (!IsFullStopOrSemicolon(parser.CurrentWord()) && !parser.CurrentWord().empty()) parser.ReadWord();
}

// The sentences after the list of men and goods, from its closing full stop or semicolon.
void ReadSentences(TVelUnit& unit, TVeldoriaParser& parser) {
    for (;;) {
        if (parser.CurrentWord() == ";") {
            parser.Log("  Parsing description");
            unit.Description = ReadDescription(parser);
            return;
        }
        if (parser.CurrentWord() != "." || EntryEndsHere(parser)) return;
        const std::string_view next = parser.PeekWord(1);
        if (next.empty() || IsEntryMark(next)) return;
        const std::string word = parser.ReadWord();
        if (word == "Skills") {
            parser.Log("  Parsing unit skills");
            parser.ReadWord();
            ParseSkillList(unit.Skills, parser);
        } else if (word == "Combat" && parser.PeekWord(1) == "spell") {
            ReadCombatSpell(unit, parser);
        } else if (word == "Can" && parser.PeekWord(1) == "Study") {
            parser.Log("  Parsing spell list");
            parser.GetWord(2);
            ParseSkillList(unit.CanStudy, parser);
        } else {
            PassSentence(parser);
        }
    }
}

}  // namespace

void ParseUnits(TVelUnitList& list, TVeldoriaParser& parser, int32_t turn, const Place& place, int32_t structure) {
    TVelMain& database = parser.Database;
    list.Clear();
    list.Turn = turn;
    while (IsUnitMark(parser.PeekWord(1))) {
        auto unit = std::make_unique<TVelUnit>(database);
        ParseUnit(*unit, parser, turn, place, structure);
        TVelUnit* stored = database.Units.AddOrReplace(std::move(unit));
        list.AddUnique(stored);
        if (stored->Faction == database.FactionNumber) database.OwnUnits.AddUnique(stored);
    }
}

void ParseUnit(TVelUnit& unit, TVeldoriaParser& parser, int32_t turn, const Place& place, int32_t structure) {
    unit.Reset(false);
    unit.FactionConfirmed = false;
    unit.Turn = turn;
    unit.X = place.X;
    unit.Y = place.Y;
    unit.Where = place.Where;
    unit.PositionHistory.AddPosition(place, turn);
    unit.Inside = structure;

    if (parser.ReadWord() == "*") unit.Faction = -1;
    unit.Name = ReadName(parser);
    if (parser.PrevChar() != '(') return;
    unit.Number = StrToIntDef(parser.ReadWord(), 0);
    parser.Log({"** Parsing Unit [", unit.Name, " (", IntToStr(unit.Number), ")]"});
    parser.GetWord(2);

    ReadFlags(unit, parser);
    if (FactionGroupFollows(parser)) ReadFactionGroup(unit, parser);
    ReadFlags(unit, parser);

    parser.Log("  Parsing unit troops and items");
    bool items_begun = false;
    while (const std::optional<UnitListEntry> entry = ParseItemEntry(parser, items_begun)) {
        if (entry->Kind == ItemTypeAnswer::Race && !entry->Illusion) {
            unit.Troops.AddTroops(entry->Code, entry->Count);
        } else {
            // Illusory men are no strength: they go with the goods, marked, named like the race.
            if (entry->Kind == ItemTypeAnswer::Race) {
                if (const TVelIndexRecord* race = parser.Database.Races.FindByCode(entry->Code))
                    parser.Database.ItemTypes.AddOrUpdate(race->Name, race->Plural, 0, entry->Code);
            }
            unit.Items.Add(std::make_unique<TVelItem>(entry->Code, entry->Price, entry->Count, entry->Illusion));
        }
    }
    if (!IsFullStopOrSemicolon(parser.CurrentWord())) parser.ReadWord();
    parser.Log("  Checking for more unit info");
    ReadSentences(unit, parser);
}

std::optional<UnitListEntry> ParseItemEntry(TVeldoriaParser& parser, bool& items_begun) {
    if (IsFullStopOrSemicolon(parser.CurrentWord())) return std::nullopt;
    if (parser.PeekWord(1) == ",") parser.ReadWord();
    if (IsFullStopOrSemicolon(parser.PeekWord(1))) {
        parser.ReadWord();
        return std::nullopt;
    }
    UnitListEntry entry;
    if (const std::optional<int32_t> amount = AmountOf(parser.PeekWord(1))) {
        entry.Count = *amount;
        parser.ReadWord();
    }
    std::string name = parser.ReadUntil("[");
    entry.Code = parser.ReadWord();
    parser.ReadWord();
    // The word after "]" is the separator, or "at" opening a price with the separator behind it.
    if (parser.ReadWord() == "at") {
        parser.ReadUntil("$");
        entry.Price = StrToInt(parser.ReadWord());
        parser.ReadWord();
    }
    SplitOffUnreadText(name, entry.Count, parser);
    if (parser.PeekWord(1) == "illusion") {
        parser.GetWord(2);
        entry.Illusion = true;
    }
    entry.Kind = Classify(parser, name, entry.Count, entry.Code, items_begun);
    return entry;
}

void ParseSkillList(TVelSkillList& list, TVeldoriaParser& parser) {
    while (const std::optional<TVelSkill> skill = ParseSkillEntry(parser)) {
        list.Add(std::make_unique<TVelSkill>(*skill));
        // Entries are separated by commas; anything else after one ends the list rather than
        // being read as the next skill's name.
        if (parser.CurrentWord() != ",") break;
    }
}

std::optional<TVelSkill> ParseSkillEntry(TVeldoriaParser& parser) {
    if (IsFullStopOrSemicolon(parser.CurrentWord())) return std::nullopt;
    if (parser.PeekWord(1) == "none") {
        parser.GetWord(2);
        return std::nullopt;
    }
    const std::string name = parser.ReadUntil("[");
    TVelSkill skill(parser.ReadWord(), 0, 0);
    parser.ReadWord();
    const std::string_view next = parser.PeekWord(1);
    if (!next.empty() && next[0] >= '0' && next[0] <= '9') {
        skill.Level = StrToIntDef(parser.ReadWord(), 0);
        skill.Days = StrToIntDef(parser.GetWord(2), 0);
        parser.ReadWord();
    }
    TVelIndexList& skill_types = parser.Database.SkillTypes;
    if (skill_types.FindByCode(skill.Code) == nullptr) skill_types.AddOrUpdate(name, "", 0, skill.Code);
    parser.ReadWord();
    return skill;
}

}  // namespace hexwarden
