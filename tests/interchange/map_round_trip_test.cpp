#include <gtest/gtest.h>

#include <array>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "import/item_type_question.h"
#include "import/parse_status_log.h"
#include "import/turn_import.h"
#include "interchange/map_export.h"
#include "interchange/map_import.h"
#include "model/database.h"
#include "platform/number_text.h"
#include "tests/interchange/map_database_builder.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

std::string ItemsText(const TVelItemList& list) {
    std::ostringstream text;
    for (const auto& item : list) text << item->Code << ' ' << item->Count << ' ' << item->Price << ' ' << item->Illusion << ';';
    return text.str();
}

// A hex carrying every field the map-data file exchanges, different for each seed.
void AddFullHex(TVelMain& main, int32_t x, int32_t y, Level level, int32_t seed) {
    TVelHex& hex = testing::AddHex(main, x, y, level, 10 + seed, seed % 3 != 0);
    hex.SetTerrainName(seed % 2 ? "Forest" : "Plain");
    hex.Province = main.Provinces.AddOrUpdate("vale " + IntToStr(seed % 4), "", 0, "vale " + IntToStr(seed % 4));
    hex.Peasants.AddNew(seed % 2 ? "VIKI" : "HELF", 0, 1000 + seed);
    hex.TaxBase = 300 * seed;
    hex.Wages = 12 + seed;
    hex.MaxWages = 4000 + seed;
    hex.Entertainment = 50 + seed;
    hex.SettlementSize = static_cast<uint8_t>(seed % 4);
    hex.SettlementName = hex.SettlementSize ? "Harbour " + IntToStr(seed) : "";
    hex.ForSale.AddNew("SWOR", 120, 5);
    hex.ForSale.Add(std::make_unique<TVelItem>("IRON", 30 + seed, -1, seed % 2 == 1));
    hex.Wanted.AddNew("GRAI", 18, 40 + seed);
    hex.Products.AddNew("WOOD", 0, 10 + seed);
    hex.Gate = seed % 3 ? seed : -1;
}

// Everything of a hex that a map-data file carries, as one comparable text.
std::string ExchangedFields(const TVelHex& hex) {
    std::ostringstream text;
    text << hex.X << ',' << hex.Y << ',' << hex.Where.Label() << " turn " << hex.Turn << " confirmed " << hex.Confirmed
         << " terrain " << hex.TerrainName() << " province " << hex.ProvinceName() << " peasants "
         << ItemsText(hex.Peasants) << " settlement " << int(hex.SettlementSize) << ' ' << hex.SettlementName << " tax "
         << hex.TaxBase << " wages " << hex.Wages << '/' << hex.MaxWages << " entertainment " << hex.Entertainment
         << " sale " << ItemsText(hex.ForSale) << " wanted " << ItemsText(hex.Wanted) << " products "
         << ItemsText(hex.Products) << " gate " << hex.Gate;
    return text.str();
}

std::vector<std::string> AllHexes(const TVelMain& main) {
    std::vector<std::string> hexes;
    for (const Level level : main.Levels()) {
        for (const TVelHex* hex : main.HexesOf(level).HexesByRow()) hexes.push_back(ExchangedFields(*hex));
    }
    return hexes;
}

// Exports both levels whole with every hex field and imports the files into a new database.
void ExpectRoundTrip(const TVelMain& source) {
    TVelMain target;
    for (const Level level : source.Levels()) {
        MapExportOptions options;
        options.Where = level;
        options.EndX = source.HexesOf(level).MaxX();
        options.EndY = source.HexesOf(level).MaxY();
        options.ExportGates = true;
        ImportMapDataFromBytes(target, ExportMapData(source, options));
    }
    ASSERT_FALSE(AllHexes(source).empty());
    EXPECT_EQ(AllHexes(target), AllHexes(source));
}

TEST(MapRoundTrip, EveryExchangedFieldOfEveryHexOfEveryLevelSurvives) {
    const std::array<Level, 5> kLevels = {Level::Surface, Level::Underworld, Level::Nexus,
                                          *Level::FromLabel("very deep underworld"), *Level::FromLabel("2 <underdeep>")};
    TVelMain source;
    int32_t seed = 1;
    for (int32_t x = 0; x < 12; ++x) {
        for (int32_t y = x % 2; y < 12; y += 2) {
            if ((x * 7 + y) % 5 == 0) continue;  // holes in the map
            AddFullHex(source, x, y, kLevels[(x + y) % kLevels.size()], seed++);
        }
    }
    testing::AddHex(source, 20, 30, Level::Surface, 4, false);  // an exit-only sighting with nothing known
    ExpectRoundTrip(source);
}

TEST(MapRoundTrip, TheMapOfTheRealReportsSurvives) {
    HEXWARDEN_REQUIRE_FIXTURES(fixtures);
    std::vector<std::filesystem::path> reports;
    for (const auto& entry : std::filesystem::directory_iterator(fixtures / "reports" / "game-a")) {
        reports.push_back(entry.path());
    }
    std::sort(reports.begin(), reports.end());
    ASSERT_FALSE(reports.empty());
    TVelMain source;
    source.Clear();
    TSilentStatusLog log;
    TFixedItemTypeAnswer items(ItemTypeAnswer::Item);
    for (const auto& report : reports) ImportTurnReport(source, report, OrdersMode::ImportTemplate, log, items);
    ExpectRoundTrip(source);
}

}  // namespace
}  // namespace hexwarden
