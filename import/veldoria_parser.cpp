#include "import/veldoria_parser.h"

#include <array>
#include <cstdint>
#include <memory>

#include "import/faction_sections.h"
#include "import/orders_template.h"
#include "import/parse_status_log.h"
#include "import/region_parser.h"
#include "import/text_utils.h"
#include "model/database.h"
#include "platform/error.h"
#include "platform/number_text.h"

namespace hexwarden {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {"january", "february", "march",     "april",   "may",      "june",
                                                      "july",    "august",   "september", "october", "november", "december"};

bool EqualsIgnoringCase(std::string_view word, std::string_view lower) {
    if (word.size() != lower.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        char c = word[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != lower[i]) return false;
    }
    return true;
}

int MonthNumber(std::string_view word) {
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        if (EqualsIgnoringCase(word, kMonths[i])) return static_cast<int>(i) + 1;
    }
    return 0;
}

}  // namespace

TVeldoriaParser::TVeldoriaParser(TVelMain& database, TParseStatusLog& status, TItemTypeQuestion& question)
    : TFileParser(LineEnds::Single), Database(database), status_(status), question_(question) {}

void TVeldoriaParser::Log(std::string_view line) {
    status_.AddLine(line);
}

void TVeldoriaParser::Log(std::initializer_list<std::string_view> parts) {
    log_line_.clear();
    for (std::string_view part : parts) log_line_ += part;
    status_.AddLine(log_line_);
}

void TVeldoriaParser::Warn(std::string_view line) {
    status_.Warn(line);
}

void TVeldoriaParser::Parse() {
    Log("STARTING PARSER");
    if (!FindText("Veldoria Report For")) throw Error("Invalid file - cannot locate Veldoria Report data.");
    const std::size_t header = Position();
    // The date is read behind the faction line: a faction named after a month must not pass for it.
    for (int line = 0; line < 2 && !AtEnd(); ++line) SkipLine();
    const int32_t turn = ReadDate();
    if (turn == 0) throw Error("Unable to extract date.");
    if (Database.Turn > turn) {
        throw Error("Invalid import: attempting to import turn " + IntToStr(turn) + ".\r\nPrevious turns cannot be imported.");
    }
    SetPosition(header);
    const ReportFaction faction = ParseHeader();
    // The header text was there but not as words ("XVeldoria Report For"): nothing can be read, and
    // saying so beats reporting an import that imported nothing.
    if (faction == ReportFaction::NotFound) throw Error("Invalid file - cannot locate Veldoria Report data.");

    Database.NewUnits.Clear();
    Database.LostUnits.Clear();
    if (faction == ReportFaction::Other) {
        // Only what the report says about races and items is taken from its faction sections.
        const std::size_t sections = Position();
        FindWord("Unclaimed");
        const std::size_t unclaimed = Position();
        SetPosition(sections);
        ParseItemReports(*this, unclaimed);
        SetPosition(unclaimed);
        SkipLine();
    } else {
        ParseOwnSections();
    }
    ParseRegions();
    if (OrdersOption == OrdersMode::ImportTemplate) {
        ParseOrdersTemplate(*this);
    } else {
        Log("SKIPPING ORDERS TEMPLATE");
    }
    AllocateEvents(*this);
    Log("FINISHED PARSING");
}

void TVeldoriaParser::ParseOwnSections() {
    SkipLine();
    Database.Turn = ReadDate();
    ParseFactionStatus(*this);
    ParseEvents(*this);
    ParseSkillReports(*this);
    ParseAttitudes(*this);
    ParseUnclaimedSilver(*this);
    Database.OwnUnits.Clear();
}

// A unit entry takes some 200 bytes of a report; guessing the count from the size spares the
// unit index most of its growing.
constexpr std::size_t kReportBytesPerUnit = 256;

void TVeldoriaParser::ParseRegions() {
    Log("STARTING TO PARSE HEX DATA");
    Database.Units.Reserve(static_cast<std::size_t>(Database.Units.Count()) + Size() / kReportBytesPerUnit);
    for (;;) {
        const std::string_view next = PeekWord(1);
        if (next.empty() || next == "Orders") break;
        std::unique_ptr<TVelHex> hex = ParseRegion(*this);
        if (hex) {
            Database.HexesOf(hex->Where).AddOrMerge(std::move(hex));
        } else {
            PassUnreadableText();
        }
    }
    Log("FINISHED PARSING HEX DATA");
}

void TVeldoriaParser::PassUnreadableText() {
    PassTextTo(NextRegionBoundary(*this, Position()));
}

void TVeldoriaParser::PassTextTo(std::size_t to) {
    const std::string_view passed = TrimBlanks(Text().substr(Position(), to - Position()));
    int lines = passed.empty() ? 0 : 1;
    for (char c : passed) lines += c == '\n' ? 1 : 0;
    Log("Passing text not understood (" + IntToStr(lines) + " line(s)): " + TextPreview(passed));
    SetPosition(to);
}

int32_t TVeldoriaParser::ReadDate() {
    int month = 0;
    while (month == 0) {
        const std::string& word = ReadWord();
        if (word.empty()) return 0;
        month = MonthNumber(word);
    }
    const int64_t year = StrToIntDef(GetWord(3), 0);
    const int64_t turn = (year - 1) * 12 + month;
    // A year too large for a turn number is no date at all.
    if (turn < INT32_MIN || turn > INT32_MAX) return 0;
    return static_cast<int32_t>(turn);
}

ReportFaction TVeldoriaParser::ParseHeader() {
    for (;;) {
        if (!FindWord("Veldoria")) return ReportFaction::NotFound;
        if (PeekWord(1) == "Report" && PeekWord(2) == "For") break;
    }
    SkipLine();
    const std::string name = ReadUntil("(");
    const int32_t number = StrToInt(ReadWord());
    if (Database.FactionNumber != 0 && Database.FactionNumber != number) return ReportFaction::Other;
    Database.FactionName = name;
    Database.FactionNumber = number;

    GetWord(2);
    Database.War = Database.Trade = Database.Magic = TFactionTypeEntry{};
    do {
        const std::string type = ReadWord();
        const auto level = static_cast<uint8_t>(StrToInt(PeekWord(1)));
        const auto set_level = [&](std::string_view name) {
            if (TFactionTypeEntry* entry = Database.FactionType(name))
                entry->Level = level;
            else
                Log({"Faction type not stored: ", name});
        };
        // Martial is war and trade in one, as the newer rules have it.
        if (type == "Martial") {
            set_level("War");
            set_level("Trade");
        } else {
            set_level(type);
        }
        GetWord(2);
    } while (CurrentWord() != ")");
    return ReportFaction::Own;
}

}  // namespace hexwarden
