// The fourteen turn reports of game A, imported in order as a player would, with the orders
// template option. The figures checked were read off the report text by hand.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>

#include "import/turn_import.h"
#include "model/text_rules.h"
#include "tests/import/report_text.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

using testing::ReportImport;

std::filesystem::path TurnFile(const std::filesystem::path& fixtures, int turn) {
    const std::string number = (turn < 10 ? "0" : "") + std::to_string(turn);
    return fixtures / "reports" / "game-a" / ("turn-" + number + ".txt");
}

struct Sighting {
    std::string terrain;
    int32_t x;
    int32_t y;
    Level level;
};

// Every region header and every exit line of a report, found with a pattern of their own rather
// than the parser's grammar.
std::vector<Sighting> SightingsIn(const std::string& report, bool exits) {
    static const std::regex header(R"(^([a-z]+) \((\d+),(\d+)(,([a-z]+))?\) in )");
    static const std::regex exit(R"(^  (North|Northeast|Southeast|South|Southwest|Northwest) : ([a-z]+) \((\d+),(\d+)(,([a-z]+))?\) in )");
    std::vector<Sighting> found;
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (!exits && std::regex_search(line, match, header)) {
            found.push_back({match[1], std::stoi(match[2]), std::stoi(match[3]), *Level::FromLabel(match[5].str())});
        } else if (exits && std::regex_search(line, match, exit)) {
            found.push_back({match[2], std::stoi(match[3]), std::stoi(match[4]), *Level::FromLabel(match[6].str())});
        }
    }
    return found;
}

using Amounts = std::vector<std::pair<std::string, int32_t>>;

Amounts Goods(const TVelItemList& list) {
    Amounts goods;
    for (const auto& item : list) goods.emplace_back(item->Code, item->Count);
    return goods;
}

std::vector<std::string> SkillLine(const TVelSkillList& list) {
    std::vector<std::string> skills;
    for (const auto& skill : list) skills.push_back(skill->Code + " " + std::to_string(skill->Level) + " (" + std::to_string(skill->Days) + ")");
    return skills;
}

class GameAReports : public ::testing::Test {
protected:
    void ImportThrough(const std::filesystem::path& fixtures, int last) {
        for (; next_turn_ <= last; ++next_turn_) {
            const std::string report = ::hexwarden::testing::ReadFileBytes(TurnFile(fixtures, next_turn_));
            ASSERT_NO_THROW(import_.Import(report, OrdersMode::ImportTemplate)) << "turn " << next_turn_;
            EXPECT_FALSE(import_.log.Contains("not understood")) << "turn " << next_turn_;
            EXPECT_FALSE(import_.log.Contains("Cannot place")) << "turn " << next_turn_;
            for (bool exits : {false, true}) {
                for (const Sighting& seen : SightingsIn(report, exits)) {
                    const TVelHex* hex = import_.database.FindHex({seen.x, seen.y, seen.level});
                    ASSERT_NE(hex, nullptr) << seen.terrain << " " << seen.x << "," << seen.y << " in turn " << next_turn_;
                    EXPECT_EQ(hex->TerrainName(), Capitalise(seen.terrain));
                    if (!exits) {
                        EXPECT_TRUE(hex->Confirmed);
                    }
                }
            }
        }
    }

    const TVelUnit& Unit(int32_t number) const {
        const TVelUnit* unit = import_.database.Units.FindByNumber(number);
        if (unit == nullptr) throw std::runtime_error("unit " + std::to_string(number) + " missing");
        return *unit;
    }

    ReportImport import_;
    int next_turn_ = 0;
};

TEST_F(GameAReports, ImportInOrderCompletely) {
    HEXWARDEN_REQUIRE_FIXTURES(fixtures);
    const TVelMain& database = import_.database;

    ImportThrough(fixtures, 0);
    // The swords no item report describes are placed by the game's own table.
    EXPECT_EQ(import_.question.asked, std::vector<std::string>{});
    EXPECT_NE(database.ItemTypes.FindByCode("SWOR"), nullptr);

    ImportThrough(fixtures, 1);
    EXPECT_EQ(database.FindHex({28, 10, Level::Surface})->Gate, 14);

    ImportThrough(fixtures, 4);
    EXPECT_EQ(Unit(155).Events.substr(0, 70), "Error: PRODUCE: Unit isn't skilled enough to produce livestock.\r\nSells");
    ImportThrough(fixtures, 5);
    EXPECT_EQ(Unit(167).Orders, "@guard 1\r\n@tax\r\n");
    EXPECT_EQ(Unit(156).Orders, "@share 1\r\n@work\r\n");

    ImportThrough(fixtures, 8);
    EXPECT_TRUE(database.NewUnits.FindByNumber(178) != nullptr);
    ImportThrough(fixtures, 9);
    ASSERT_EQ(database.LostUnits.Count(), 1);
    EXPECT_EQ(database.LostUnits.Get(0)->Number, 178);

    ImportThrough(fixtures, 13);
    EXPECT_EQ(database.FactionName, "Test");
    EXPECT_EQ(database.FactionNumber, 3);
    EXPECT_EQ(database.Turn, 14);
    EXPECT_EQ(database.War, (TFactionTypeEntry{1, 1, 10}));
    EXPECT_EQ(database.UnclaimedSilver, 643);
    EXPECT_EQ(database.DefaultAttitude, 3);
    EXPECT_EQ(database.Factions.FindByNumber(2)->Attitude, 2);

    EXPECT_EQ(database.OverworldHexes.HexCount(), 17);
    EXPECT_EQ(database.UnderworldHexes.HexCount(), 0);
    EXPECT_EQ(database.HexesOf(Level::Nexus).HexCount(), 1);  // the nexus is a level of its own
    EXPECT_EQ(database.Units.Count(), 11);
    EXPECT_EQ(database.OwnUnits.Count(), 6);
}

TEST_F(GameAReports, RegionsCarryTheirEconomy) {
    HEXWARDEN_REQUIRE_FIXTURES(fixtures);
    ImportThrough(fixtures, 13);
    const TVelMain& database = import_.database;

    const TVelHex& city = *database.FindHex({28, 10, Level::Surface});
    EXPECT_EQ(city.ProvinceName(), "Koheda");
    EXPECT_EQ(city.SettlementName, "Thandianost");
    EXPECT_EQ(city.SettlementSize, 3);
    EXPECT_EQ(Goods(city.Peasants), (Amounts{{"NOMA", 27745}}));
    EXPECT_EQ(city.TaxBase, 34403);
    EXPECT_EQ(city.Wages, 16);
    EXPECT_EQ(city.MaxWages, 11467);
    EXPECT_EQ(city.Entertainment, 1997);
    ASSERT_EQ(city.ForSale.Count(), 28);
    EXPECT_EQ(city.ForSale.Get(10)->Code, "PARM");
    EXPECT_EQ(city.ForSale.Get(10)->Count, -1);
    EXPECT_EQ(city.ForSale.Get(10)->Price, 625);
    EXPECT_EQ(Goods(city.Products), (Amounts{{"GRAI", 56}, {"HORS", 21}}));

    const TVelHex& town = *database.FindHex({28, 12, Level::Surface});
    EXPECT_EQ(town.SettlementSize, 2);
    EXPECT_EQ(Goods(town.Peasants), (Amounts{{"PLAI", 9648}}));
    EXPECT_EQ(town.MaxWages, 3151);
    EXPECT_EQ(town.Entertainment, 569);
    EXPECT_EQ(Goods(town.Wanted), (Amounts{{"GRAI", 105}, {"LIVE", 110}, {"FISH", 150}, {"LANC", 3}}));
    EXPECT_EQ(town.Wanted.Get(3)->Price, 176);
    EXPECT_EQ(Goods(town.ForSale), (Amounts{{"HORS", 1}, {"PLAI", 385}, {"LEAD", 77}}));
    EXPECT_EQ(Goods(town.Products), (Amounts{{"LIVE", 71}, {"HORS", 31}}));

    const TVelHex& fields = *database.FindHex({29, 11, Level::Surface});
    EXPECT_EQ(Goods(fields.Peasants), (Amounts{{"HELF", 2484}}));
    EXPECT_EQ(fields.TaxBase, 2285);
    EXPECT_EQ(fields.Entertainment, 126);
    EXPECT_EQ(Goods(fields.ForSale), (Amounts{{"HELF", 99}, {"LEAD", 19}}));

    const TVelHex& nexus = *database.FindHex({0, 0, Level::Nexus});
    EXPECT_EQ(nexus.TerrainName(), "Nexus");
    EXPECT_EQ(nexus.Turn, 1);
    EXPECT_EQ(nexus.Units.Count(), 2);
    EXPECT_FALSE(database.FindHex({30, 10, Level::Surface})->Confirmed);
    EXPECT_EQ(database.FindHex({4, 28, Level::Surface})->SettlementName, "Hiratund");
}

TEST_F(GameAReports, UnitsCarryMenGoodsSkillsAndOrders) {
    HEXWARDEN_REQUIRE_FIXTURES(fixtures);
    ImportThrough(fixtures, 13);

    const TVelUnit& king = Unit(140);
    EXPECT_EQ(king.Faction, 3);
    EXPECT_EQ(king.Flags, 2 + 8);
    EXPECT_EQ(king.X, 28);
    EXPECT_EQ(king.Y, 12);
    EXPECT_EQ(Goods(king.Items), (Amounts{{"SILV", 7249}}));
    EXPECT_EQ(SkillLine(king.Skills),
              (std::vector<std::string>{"PATT 1 (30)", "SPIR 1 (30)", "GATE 1 (30)", "FORC 2 (90)", "FIRE 1 (60)"}));
    EXPECT_EQ(king.CombatSpell, "FIRE");
    ASSERT_EQ(king.CanStudy.Count(), 14);
    EXPECT_EQ(king.CanStudy.Get(0)->Code, "FIRE");
    EXPECT_EQ(king.CanStudy.Get(13)->Code, "ARTI");
    EXPECT_EQ(king.Orders, "@behind 1\r\n@combat FIRE\r\n");
    EXPECT_EQ(king.Events, "Combat spell set to fire.\r\nStudies fire at a cost of 100 silver [SILV].\r\nConsumes 20 silver [SILV] for maintenance.");
    EXPECT_EQ(king.PositionHistory.Count(), 14);

    const TVelUnit& workers = Unit(152);
    EXPECT_EQ(workers.Flags, 8);
    EXPECT_EQ(workers.Troops.FindByCode("NOMA")->Count, 10);
    EXPECT_EQ(workers.Silver(), 744);
    EXPECT_EQ(workers.Orders, "@work\r\n");

    const TVelUnit& ranchers = Unit(155);
    EXPECT_EQ(Goods(ranchers.Items), (Amounts{{"LIVE", 10}, {"SILV", 478}}));
    EXPECT_EQ(ranchers.Troops.FindByCode("PLAI")->Count, 10);
    EXPECT_EQ(SkillLine(ranchers.Skills), (std::vector<std::string>{"FARM 1 (30)"}));
    EXPECT_EQ(ranchers.Orders, "@share 1\r\n@sell all LIVE\r\n@produce LIVE\r\n");

    const TVelUnit& guards = Unit(167);
    EXPECT_EQ(guards.Name, "King's Guards");
    EXPECT_EQ(guards.Flags, 16 + 8);
    EXPECT_EQ(guards.Troops.FindByCode("HELF")->Count, 47);
    EXPECT_EQ(guards.Silver(), 2501);
    EXPECT_EQ(SkillLine(guards.Skills), (std::vector<std::string>{"COMB 1 (30)"}));

    const TVelUnit& caravan = Unit(164);
    EXPECT_EQ(caravan.Orders,
              "@TURN\r\ntake from 167 all silver\r\nmove SW\r\nENDTURN\r\n@TURN\r\ngive 140 all silver except 20\r\nmove NE\r\nENDTURN\r\n");

    const TVelUnit& guard = Unit(18);
    EXPECT_EQ(guard.Faction, 1);
    EXPECT_EQ(guard.Flags, 16);
    EXPECT_EQ(guard.Troops.FindByCode("LEAD")->Count, 500);
    EXPECT_EQ(Goods(guard.Items), (Amounts{{"SWOR", 500}, {"PARM", 500}}));
    EXPECT_EQ(Unit(19).Flags, 2);
    EXPECT_EQ(Unit(1).Where, Level::Nexus);
}

// Answered "item" throughout, as the command line guesses: whatever the reports describe as a
// race is still counted as men, and every region keeps its peasants.
TEST_F(GameAReports, DescribedRacesAreMenAndPeasantsStay) {
    HEXWARDEN_REQUIRE_FIXTURES(fixtures);
    ImportThrough(fixtures, 13);
    const TVelMain& database = import_.database;
    for (const auto& unit : database.Units) {
        for (const auto& item : unit->Items) EXPECT_EQ(database.Races.FindByCode(item->Code), nullptr) << unit->Number << " " << item->Code;
    }
    static const std::regex peasants(R"(^[a-z]+ \((\d+),(\d+)\) in .*peasants)");
    for (int turn = 0; turn <= 13; ++turn) {
        std::istringstream lines(::hexwarden::testing::ReadFileBytes(TurnFile(fixtures, turn)));
        for (std::string line; std::getline(lines, line);) {
            std::smatch match;
            if (!std::regex_search(line, match, peasants)) continue;
            EXPECT_EQ(database.FindHex({std::stoi(match[1]), std::stoi(match[2]), Level::Surface})->Peasants.Count(), 1) << line;
        }
    }
    EXPECT_FALSE(import_.log.Contains("Peasants of unknown race"));
    EXPECT_NE(database.ItemTypes.FindByCode("LIVE"), nullptr);
}

TEST_F(GameAReports, IndexTablesHoldCleanNamesAndOnlySkillsAsSkills) {
    HEXWARDEN_REQUIRE_FIXTURES(fixtures);
    ImportThrough(fixtures, 13);
    const TVelMain& database = import_.database;
    for (const TVelIndexList* table : {&database.Terrains, &database.Races, &database.ItemTypes, &database.SkillTypes, &database.Provinces}) {
        for (const auto& record : *table) {
            EXPECT_EQ(record->Code.find(','), std::string::npos) << record->Code;
            EXPECT_EQ(record->Name.find(','), std::string::npos) << record->Name;
            if (table != &database.SkillTypes) {
                EXPECT_EQ(record->Plural.find(','), std::string::npos) << record->Plural;
            }
        }
    }
    std::set<std::string> skills;
    for (const auto& record : database.SkillTypes) skills.insert(record->Code);
    EXPECT_EQ(skills, (std::set<std::string>{"PATT", "SPIR", "GATE", "MHEA", "FARS", "MIND", "FORC", "RANC", "FIRE", "EQUA", "FSHI",
                                             "ESHI", "SSHI", "WEAT", "EART", "NECR", "DEMO", "ILLU", "ARTI", "COMB", "FARM"}));
    EXPECT_EQ(database.SkillTypes.FindByCode("FORC")->Plural.substr(0, 3), "1: ");
    EXPECT_EQ(database.Terrains.Count(), 10);
    for (const auto& terrain : database.Terrains) EXPECT_NE(terrain->Value, 0) << terrain->Name;  // none painted black
    EXPECT_EQ(database.Races.Count(), 17);
}

}  // namespace
}  // namespace hexwarden
