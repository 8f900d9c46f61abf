#include "import/faction_sections.h"

#include <memory>
#include <string_view>
#include <utility>

#include "import/index_names.h"
#include "import/region_parser.h"
#include "import/text_utils.h"
#include "import/veldoria_parser.h"
#include "model/database.h"
#include "platform/number_text.h"

namespace hexwarden {

namespace {

// Passes whole lines until the next two words are first and second, and stops at the first of them.
// Running out of text is a read error.
void SkipLinesUntilWords(TVeldoriaParser& parser, std::string_view first, std::string_view second) {
    for (;;) {
        parser.SkipBlankLines();
        if (parser.PeekWord(1) == first && parser.PeekWord(2) == second) break;
        parser.SkipLine();
    }
    std::size_t word_start = parser.Position();
    while (word_start < parser.Size() && static_cast<unsigned char>(parser.Text()[word_start]) <= 32) ++word_start;
    parser.SetPosition(word_start);
}

bool AtDeclaredAttitudes(TVeldoriaParser& parser) {
    return parser.PeekWord(1) == "Declared" && parser.PeekWord(2) == "Attitudes";
}

// A heading such as "Item reports:" opens a section of its own.
bool IsSectionHeading(std::string_view line) {
    return !line.empty() && line.back() == ':' && line.find('[') == std::string_view::npos;
}

TFactionTypeEntry* StatusEntryFor(TVelMain& database, std::string_view label) {
    const std::string_view first_word = label.substr(0, label.find(' '));
    // "Regions" and "Quartermasters" are the newer rules' words for the war and trade counts.
    if (first_word == "Tax" || first_word == "Regions") return &database.War;
    if (first_word == "Trade" || first_word == "Quartermasters") return &database.Trade;
    if (first_word == "Mages" || first_word == "Magic") return &database.Magic;
    return nullptr;
}

void ReadStatusLine(TVeldoriaParser& parser, std::string line) {
    TFileParser reader;
    reader.LoadFromString(std::move(line));
    const std::string label = reader.ReadUntil(":");
    if (reader.PrevChar() != ':') return;
    TFactionTypeEntry* entry = StatusEntryFor(parser.Database, label);
    if (entry == nullptr) {
        parser.Log({"Faction status not stored: ", reader.Text()});
        return;
    }
    // Counts above 255 keep their low byte, as the data file stores them.
    entry->Used = static_cast<uint8_t>(StrToInt(reader.ReadWord()));
    entry->Max = static_cast<uint8_t>(StrToInt(reader.GetWord(2)));
}

void ReadSkillReport(TVeldoriaParser& parser) {
    const std::string name = parser.ReadUntil("[");
    const std::string code = parser.ReadUntil("]");
    const std::string text = ReadDescription(parser);
    parser.Log("Skill Report for " + code);
    TVelIndexList& skills = parser.Database.SkillTypes;
    if (const int32_t position = skills.IndexOfCode(code); position >= 0) {
        const std::string& old_text = skills.Get(position)->Plural;
        skills.SetPlural(position, old_text.empty() ? text : old_text + "\r\n\r\n" + text);
    } else {
        skills.AddOrUpdate(name, text, 0, code);
    }
}

bool StartsReportEntry(std::string_view line) {
    const std::size_t open = line.find('[');
    return open != std::string_view::npos && line.find(']', open) != std::string_view::npos;
}

// Lines up to an empty line, each a new entry unless indented by two spaces, which continues the
// one above. An error line gets "Error: " after its unit, so that the unit shows it among its events.
void ReadEventLines(TVeldoriaParser& parser, bool errors) {
    for (;;) {
        const bool continuation = parser.PeekChar(0) == ' ' && parser.PeekChar(1) == ' ';
        const std::string line = parser.ReadLine();
        if (line.empty()) break;
        if (!continuation) {
            std::string event = TrimSpaces(line);
            if (errors) {
                const std::size_t colon = event.find(':');
                if (colon == std::string::npos) event.insert(0, "Error: ");
                else event.insert(colon + 1, " Error:");
            }
            parser.Events.push_back(std::move(event));
        } else if (!parser.Events.empty()) {
            parser.Events.back() += ' ';
            parser.Events.back() += line;
        }
    }
}

// Headings that end the passing of lines before the events (battle reports among them).
bool StartsLaterSection(std::string_view line) {
    return line == "Skill reports:" || line == "Item reports:" || line == "Object reports:";
}

// What an item report describes, by the sentences the server writes for each kind.
enum class Described { Race, Item, Unknown };

Described KindOfDescription(std::string_view text) {
    const auto has = [text](std::string_view phrase) { return text.find(phrase) != std::string_view::npos; };
    if (has("This race") || has("This is a monster")) return Described::Race;
    if (has("This item") || has("This is a") || has("This is the") || has("to withdraw")) return Described::Item;
    return Described::Unknown;
}

// "name [CODE], weight ..., description": races and monsters go to the race table, other things to
// the item table, names filling in only what is missing.
void ReadItemReport(TVeldoriaParser& parser) {
    const std::string name = parser.ReadUntil("[");
    const std::string code = parser.ReadUntil("]");
    const std::string text = ReadDescription(parser);
    TVelMain& database = parser.Database;
    switch (KindOfDescription(text)) {
    case Described::Race:
        parser.Log("Item Report for " + code + ": a race");
        RegisterAsRace(database, code);
        RegisterName(database.Races, name, 1, code);
        break;
    case Described::Item:
        parser.Log("Item Report for " + code + ": an item");
        if (database.Races.FindByCode(code) == nullptr) {
            RegisterName(database.ItemTypes, name, 1, code);
        } else {
            // An earlier answer made it a race, and the race table is asked first.
            parser.Warn(code + " (\"" + name + "\") is described as an item but was taken for a race; units count it as men");
        }
        break;
    case Described::Unknown:
        parser.Log("Item Report for " + code + " not understood: " + TextPreview(text));
        break;
    }
}

// The report sections before the attitudes: skill reports (read only when asked) and item reports,
// up to limit. Other sections ("Object reports:") are passed.
void ReadReportSections(TVeldoriaParser& parser, std::size_t limit, bool skills) {
    enum class Section { Before, Skills, Items, Other } section = Section::Before;
    for (parser.SkipBlankLines(); parser.Position() < limit && !AtDeclaredAttitudes(parser); parser.SkipBlankLines()) {
        const std::string line = parser.ReadLine(false);
        if (line == "Skill reports:") {
            if (skills) parser.Log("Adding new skill reports");
            section = skills ? Section::Skills : Section::Other;
        } else if (line == "Item reports:") {
            parser.Log("Reading item reports");
            section = Section::Items;
        } else if (section == Section::Skills && StartsReportEntry(line)) {
            ReadSkillReport(parser);
            continue;
        } else if (section == Section::Items && StartsReportEntry(line)) {
            ReadItemReport(parser);
            continue;
        } else if (section != Section::Before && IsSectionHeading(line)) {
            section = Section::Other;
        }
        parser.SkipLine();
    }
}

}  // namespace

void ParseFactionStatus(TVeldoriaParser& parser) {
    parser.Log("Parsing Faction Status");
    SkipLinesUntilWords(parser, "Faction", "Status");
    parser.SkipLine();
    while (!parser.IsBlankLine()) ReadStatusLine(parser, parser.ReadLine());
}

void ParseEvents(TVeldoriaParser& parser) {
    for (;;) {
        // A turn without events has no such heading: the sections after it end the search.
        parser.SkipBlankLines();
        if (AtDeclaredAttitudes(parser)) return;
        const std::string line = parser.ReadLine(false);
        if (StartsLaterSection(line)) return;
        parser.SkipLine();
        if (line == "Errors during turn:") {
            parser.Log("Parsing errors.");
            ReadEventLines(parser, true);
        } else if (line == "Events during turn:") {
            parser.Log("Parsing events.");
            ReadEventLines(parser, false);
            return;
        }
    }
}

void ParseSkillReports(TVeldoriaParser& parser) {
    ReadReportSections(parser, parser.Size(), true);
}

void ParseItemReports(TVeldoriaParser& parser, std::size_t limit) {
    ReadReportSections(parser, limit, false);
}

FactionRef ReadFactionRef(TVeldoriaParser& parser) {
    FactionRef ref;
    for (;;) {
        ref.Name += parser.ReadUntil("(");
        const std::string_view after_number = parser.PeekWord(3);
        if (parser.PeekWord(2) == ")" && (after_number == "," || after_number == ".")) break;
        ref.Name += '(';
    }
    ref.Number = StrToInt(parser.ReadWord());
    ref.More = parser.GetWord(2) == ",";
    return ref;
}

void ParseAttitudes(TVeldoriaParser& parser) {
    SkipLinesUntilWords(parser, "Declared", "Attitudes");
    parser.Log("Parsing Attitudes");
    TVelMain& database = parser.Database;
    database.DefaultAttitude = static_cast<uint8_t>(AttitudeIndex(parser.GetWord(5)));
    parser.SkipLine();
    for (;;) {
        const int attitude = AttitudeIndex(parser.PeekWord(1));
        if (attitude < 1) break;
        if (parser.PeekWord(3) == "none") {
            parser.SkipLine();
            continue;
        }
        parser.GetWord(2);
        FactionRef ref;
        do {
            ref = ReadFactionRef(parser);
            auto faction = std::make_unique<TVelFaction>(ref.Number, ref.Name);
            faction->Attitude = static_cast<uint8_t>(attitude);
            database.Factions.Merge(std::move(faction), true);
        } while (ref.More);
    }
}

void ParseUnclaimedSilver(TVeldoriaParser& parser) {
    SkipLinesUntilWords(parser, "Unclaimed", "silver");
    parser.Log("Parsing Unclaimed Silver");
    parser.Database.UnclaimedSilver = StrToInt(parser.GetWord(4));
    parser.SkipLine();
}

void AllocateEvents(TVeldoriaParser& parser) {
    parser.Log("ALLOCATING EVENTS");
    TVelUnitIndexList& units = parser.Database.Units;
    for (const auto& unit : units) {
        if (unit) unit->Events.clear();
    }
    for (const std::string& event : parser.Events) {
        const std::size_t open = event.find('(');
        const std::size_t close = event.find(')');
        if (open == std::string::npos || close == std::string::npos || close < open) continue;
        const auto number = ParseInt(std::string_view(event).substr(open + 1, close - open - 1));
        if (!number) continue;
        TVelUnit* unit = units.FindByNumber(*number);
        if (unit == nullptr) continue;
        const std::size_t colon = event.find(':');
        const std::string_view text = TrimBlanks(colon == std::string::npos ? std::string_view(event) : std::string_view(event).substr(colon + 1));
        if (text.empty()) continue;
        if (!unit->Events.empty()) unit->Events += "\r\n";
        unit->Events += text;
    }
}

}  // namespace hexwarden
