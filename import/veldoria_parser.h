#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "import/file_parser.h"

namespace hexwarden {

class TItemTypeQuestion;
class TParseStatusLog;
class TVelMain;

// What happens to the own units' orders on import.
enum class OrdersMode : uint8_t {
    Clear = 0,           // cleared after the import
    Preserve = 1,        // left as they were
    ImportTemplate = 2,  // the repeating orders of the report's orders template are taken over
};

// Whose report the header names.
enum class ReportFaction { Own = 0, NotFound = 1, Other = 2 };

// Turns one turn report into changes to the database: the header, the faction sections of an own
// report, the region entries with their units and structures, and the orders template. The
// sections themselves are read by the section parsers (faction_sections, region_parser,
// structure_parser, unit_parser, orders_template), all through this one reader. Reports are read
// with single line ends, so that the empty lines ending sections are seen in files with bare LFs
// as well as in CR LF files.
class TVeldoriaParser : public TFileParser {
public:
    TVeldoriaParser(TVelMain& database, TParseStatusLog& status, TItemTypeQuestion& question);

    TVelMain& Database;
    OrdersMode OrdersOption = OrdersMode::Preserve;
    std::vector<std::string> Events;  // one entry per event line of the report

    // The whole import of the loaded report. Throws Error with the user's message when the report
    // cannot be imported; what was imported before the error stays.
    void Parse();
    // The turn of the first date after the position; 0 when there is none.
    int32_t ReadDate();
    ReportFaction ParseHeader();

    void Log(std::string_view line);
    // A line made of its parts, built without a fresh allocation per line (units and hexes log one
    // each).
    void Log(std::initializer_list<std::string_view> parts);
    void Warn(std::string_view line);
    // Moves forward to position, logging the text passed over as not understood.
    void PassTextTo(std::size_t position);
    TItemTypeQuestion& ItemTypeQuestion() { return question_; }

private:
    void ParseOwnSections();
    void ParseRegions();
    // Moves to the next line that starts a region entry (or the orders template) and logs what was
    // passed.
    void PassUnreadableText();

    TParseStatusLog& status_;
    TItemTypeQuestion& question_;
    std::string log_line_;
};

}  // namespace hexwarden
