#include "import/faction_sections.h"

#include <memory>
#include <string_view>

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
    if (first_word == "Tax") return &database.War;
    if (first_word == "Trade") return &database.Trade;
    if (first_word == "Mages" || first_word == "Magic") return &database.Magic;
    return nullptr;
}

void ReadStatusLine(TVelMain& database, std::string line) {
    TFileParser reader;
    reader.LoadFromString(std::move(line));
    const std::string label = reader.ReadUntil(":");
    if (reader.PrevChar() != ':') return;
    TFactionTypeEntry* entry = StatusEntryFor(database, label);
    if (entry == nullptr) return;
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

bool StartsSkillReport(std::string_view line) {
    const std::size_t open = line.find('[');
    return open != std::string_view::npos && line.find(']', open) != std::string_view::npos;
}

}  // namespace

void ParseFactionStatus(TVeldoriaParser& parser) {
    parser.Log("Parsing Faction Status");
    SkipLinesUntilWords(parser, "Faction", "Status");
    parser.SkipLine();
    while (!parser.IsBlankLine()) ReadStatusLine(parser.Database, parser.ReadLine());
}

void ParseEvents(TVeldoriaParser& parser) {
    for (;;) {
        // A turn without events has no such heading: the sections after it end the search.
        parser.SkipBlankLines();
        if (AtDeclaredAttitudes(parser)) return;
        const std::string line = parser.ReadLine(false);
        if (line == "Skill reports:") return;
        parser.SkipLine();
        if (line == "Events during turn:") break;
    }
    parser.Log("Parsing events.");
    for (;;) {
        const bool continuation = parser.PeekChar(0) == ' ' && parser.PeekChar(1) == ' ';
        const std::string line = parser.ReadLine();
        if (line.empty()) break;
        if (!continuation) {
            parser.Events.push_back(TrimSpaces(line));
        } else if (!parser.Events.empty()) {
            parser.Events.back() += ' ';
            parser.Events.back() += line;
        }
    }
}

void ParseSkillReports(TVeldoriaParser& parser) {
    enum class Section { Before, Skills, Other } section = Section::Before;
    for (parser.SkipBlankLines(); !AtDeclaredAttitudes(parser); parser.SkipBlankLines()) {
        const std::string line = parser.ReadLine(false);
        if (line == "Skill reports:") {
            parser.Log("Adding new skill reports");
            section = Section::Skills;
        } else if (section == Section::Skills && StartsSkillReport(line)) {
            ReadSkillReport(parser);
            continue;
        } else if (section != Section::Before && IsSectionHeading(line)) {
            section = Section::Other;
        }
        parser.SkipLine();
    }
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
