#include "bench/synthetic_report.h"

#include <array>

namespace hexwarden::bench {

namespace {

constexpr std::array<const char*, 6> kDirections = {"North", "Northeast", "Southeast", "South", "Southwest", "Northwest"};
constexpr std::array<std::array<int, 2>, 6> kOffsets = {{{0, -2}, {1, -1}, {1, 1}, {0, 2}, {-1, 1}, {-1, -1}}};

void AppendHeader(std::string& out) {
    out +=
        "Veldoria Report For:\n"
        "Benchmark Guild (7) (War 3, Trade 3, Magic 2)\n"
        "March, Year 4\n\n"
        "Faction Status:\nTax Regions: 3 (10)\nTrade Regions: 2 (10)\nMages: 1 (2)\n\n"
        "Events during turn:\n"
        "Scout (1000): Walks from plain (2,2) in Ardmoor to plain (4,2) in\n  Ardmoor.\n\n"
        "Declared Attitudes (default Neutral):\n"
        "Hostile : none.\nUnfriendly : Raiders (66).\nNeutral : none.\nFriendly : none.\nAlly : Allies (8).\n\n"
        "Unclaimed silver: 4000.\n\n";
}

void AppendRegionName(std::string& out, int x, int y) {
    out += (x + y) % 5 == 0 ? "forest (" : "plain (";
    out += std::to_string(x) + "," + std::to_string(y) + ") in Province" + std::to_string(x / 8);
}

void AppendRegion(std::string& out, int x, int y, int& unit_number) {
    AppendRegionName(out, x, y);
    out += ", contains Town" + std::to_string(x) + "x" + std::to_string(y) +
           " [town], 5000 peasants\n  (plainsmen), $6000.\n"
           "------------------------------------------------------------\n"
           "  The weather was clear last month; it will be clear next month.\n"
           "  Wages: $14 (Max: $2000).\n"
           "  Wanted: 40 grain [GRAI] at $22, 12 swords [SWOR] at $160, 7 furs\n    [FUR] at $40.\n"
           "  For Sale: unlimited horses [HORS] at $70, 30 plainsmen [PLAI] at $55,\n"
           "    wagon [WAGO] at $240, 9 iron [IRON] at $60.\n"
           "  Entertainment available: $450.\n"
           "  Products: 60 grain [GRAI], 20 horses [HORS].\n\n"
           "Exits:\n";
    for (std::size_t d = 0; d < kDirections.size(); ++d) {
        out += "  ";
        out += kDirections[d];
        out += " : ";
        AppendRegionName(out, x + kOffsets[d][0] + 2, y + kOffsets[d][1] + 2);
        out += ".\n";
    }
    out += "\n";
    if ((x + y) % 7 == 0) out += "There is a Gate here (Gate " + std::to_string(x + y) + " of 900).\n\n";
    for (int i = 0; i < 3; ++i) {
        out += "- Guard " + std::to_string(unit_number) + " (" + std::to_string(unit_number) +
               "), on guard, Wardens (2), 40 leaders [LEAD], 40\n  swords [SWOR].\n";
        ++unit_number;
    }
    out += "* Worker (" + std::to_string(unit_number) +
           "), Benchmark Guild (7), avoiding, behind, revealing\n"
           "  faction, 10 plainsmen [PLAI], 820 silver [SILV]. Weight: 100. Capacity:\n"
           "  0/0/150/0. Skills: combat [COMB] 2 (90), farming [FARM] 1 (45). Can Study:\n"
           "  riding [RIDI]; Works the fields.\n";
    ++unit_number;
    for (int s = 1; s <= 2; ++s) {
        out += "+ Hall " + std::to_string(s) + " [" + std::to_string(s) + "] : Fort, needs 10; An old hall.\n";
        for (int i = 0; i < 2; ++i) {
            out += "  - Tenant (" + std::to_string(unit_number) + "), Raiders (66), 5 nomads [NOMA], 2 horses [HORS].\n";
            ++unit_number;
        }
    }
    out += "\n";
}

}  // namespace

std::string MakeSyntheticReport(std::size_t target_bytes) {
    std::string out;
    out.reserve(target_bytes + 4096);
    AppendHeader(out);
    int unit_number = 2000;
    constexpr int kColumns = 400;
    for (int index = 0; out.size() < target_bytes; ++index) {
        int x = index % kColumns;
        int row = index / kColumns;
        AppendRegion(out, x, 2 * row + (x % 2), unit_number);
    }
    out += "\nOrders Template (Long Format):\n\n#veldoria 7\n\nunit 2003\n@work\n\n#end\n";
    return out;
}

}  // namespace hexwarden::bench
