#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "import/item_type_question.h"
#include "import/parse_status_log.h"
#include "import/veldoria_parser.h"
#include "model/database.h"

namespace hexwarden::testing {

// A small report of our own, put together from its parts.
struct ReportParts {
    std::string faction = "Testers (7) (War 2, Trade 1, Magic 3)";
    std::string date = "March, Year 2";
    std::string sections =
        "Faction Status:\n"
        "Tax Regions: 1 (5)\n"
        "Trade Regions: 2 (6)\n"
        "Mages: 1 (3)\n"
        "\n"
        "Events during turn:\n"
        "Scout (100): Walks from plain (2,2) in Ardmoor to plain (4,2) in\n"
        "  Ardmoor.\n"
        "\n"
        "Declared Attitudes (default Neutral):\n"
        "Hostile : none.\n"
        "Unfriendly : none.\n"
        "Neutral : none.\n"
        "Friendly : none.\n"
        "Ally : none.\n"
        "\n"
        "Unclaimed silver: 100.\n"
        "\n";
    std::string regions;
    std::string orders;
};
std::string MakeReport(const ReportParts& parts);

// A town region at (x, y) with full economy lines, exits and the given unit and structure lines.
std::string TownRegion(int x, int y, std::string_view units = "");

// A region without settlement or peasants whose header carries the coordinate group as given
// ("(3,5,deep underworld)"), with the exit lines and the unit and structure lines given.
std::string CaveRegion(std::string_view group, std::string_view exits = "", std::string_view entries = "");

// Records every log line.
class RecordingLog : public TParseStatusLog {
public:
    void AddLine(std::string_view line) override { lines.emplace_back(line); }
    bool Contains(std::string_view text) const;
    std::vector<std::string> lines;
};

// Answers with a fixed kind and remembers what it was asked.
class RecordingQuestion : public TItemTypeQuestion {
public:
    ItemTypeAnswer Ask(std::string_view name, std::string_view code) override;
    ItemTypeAnswer answer = ItemTypeAnswer::Item;
    std::vector<std::string> asked;  // "name [code]"
};

// A fresh (cleared) database with an importer around it.
class ReportImport {
public:
    ReportImport() { database.Clear(); }
    void Import(std::string report, OrdersMode orders = OrdersMode::Preserve);
    // A parser over the text for calling one section parser directly.
    TVeldoriaParser ParserOver(std::string text);

    TVelMain database;
    RecordingLog log;
    RecordingQuestion question;
};

// The message of the error an import stops with, or "" when it succeeds.
std::string ErrorOf(ReportImport& import, std::string report);

}  // namespace hexwarden::testing
