// The orders one faction of game A really sent, run over the report before them: every own unit
// the preview calls certain must stand in the next report exactly as predicted.
#include <gtest/gtest.h>

#include <map>

#include "model/database.h"
#include "model/unit.h"
#include "orders/orders_database.h"
#include "tests/support/fixtures.h"
#include "turn/turn_preview.h"

namespace hexwarden {
namespace {

using ::hexwarden::testing::GameAOrders;
using ::hexwarden::testing::ImportGameATurn;
using ::hexwarden::testing::ReadFileBytes;

// The fields the next report shows of a unit, as text lines "field: value".
std::map<std::string, std::string> Fields(const UnitState& unit) {
    std::map<std::string, std::string> fields;
    fields["place"] = std::to_string(unit.place.X) + "," + std::to_string(unit.place.Y) + "," + unit.place.Where.Label();
    fields["structure"] = std::to_string(unit.structure);
    for (const auto& [code, count] : unit.men) fields["men " + code] = std::to_string(count);
    for (const auto& [code, count] : unit.items) fields["item " + code] = std::to_string(count);
    for (const auto& [code, skill] : unit.skills)
        fields["skill " + code] = std::to_string(skill.level) + " (" + std::to_string(skill.days) + ")";
    return fields;
}

TEST(FixtureTurns, CertainUnitsMatchTheNextReport) {
    HEXWARDEN_REQUIRE_FIXTURES(fixtures);
    if (!std::filesystem::exists(GameAOrders(fixtures, 1))) GTEST_SKIP() << "orders fixtures not found beside " << fixtures;

    TVelMain database;
    database.Clear();
    ImportGameATurn(database, fixtures, 0);
    int units = 0, certain = 0, fields = 0, mismatches = 0;
    std::map<std::string, int> reasons;
    for (int turn = 1; turn <= 13; ++turn) {
        SCOPED_TRACE("orders " + std::to_string(turn));
        TurnPreview preview(database, {RuleSetOf(database)});
        preview.SetOrders(ReadFileBytes(GameAOrders(fixtures, turn)));
        const TurnResult result = preview.Run();
        ImportGameATurn(database, fixtures, turn);
        for (const UnitState& predicted : result.units) {
            if (predicted.number == 0) continue;  // the game picks its number
            ++units;
            for (const std::string& why : predicted.why_uncertain) ++reasons[why.substr(0, why.find(" in "))];
            const TVelUnit* next = database.OwnUnits.FindByNumber(predicted.number);
            if (predicted.certain) {
                ++certain;
                ASSERT_NE(next, nullptr) << "unit " << predicted.number << " is gone from turn " << turn;
            }
            if (next == nullptr) continue;
            const auto expected = Fields(UnitStateOf(*next));
            auto got = Fields(predicted);
            for (const auto& [field, value] : expected) got.try_emplace(field, "none");
            for (const auto& [field, value] : got) {
                const auto found = expected.find(field);
                const std::string reported = found == expected.end() ? "none" : found->second;
                if (predicted.certain) {
                    ++fields;
                    EXPECT_EQ(value, reported) << "unit " << predicted.number << " " << field;
                    mismatches += value != reported;
                } else if (value != reported) {
                    // Where chance or other factions decide, the difference is shown with its reasons.
                    std::cout << "turn " << turn << " unit " << predicted.number << " " << field << ": predicted " << value
                              << ", reported " << reported << " (uncertain: " << predicted.why_uncertain.front() << ")\n";
                }
            }
        }
    }
    std::cout << "compared " << certain << " certain of " << units << " units, " << fields << " fields, "
              << mismatches << " mismatches\n";
    for (const auto& [why, count] : reasons) std::cout << "  uncertain " << count << "x: " << why << "\n";
}

}  // namespace
}  // namespace hexwarden
