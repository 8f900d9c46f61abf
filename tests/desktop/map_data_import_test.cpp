#include <QApplication>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/map_frame.h"
#include "app/place_list.h"
#include "platform/whole_file.h"
#include "tests/desktop/scripted_prompts.h"
#include "tests/support/database_builder.h"
#include "tests/support/fixtures.h"
#include "windows/map_window.h"

namespace hexwarden {
namespace {

constexpr const char* kHeader = "[VELDORIA DATA]\r\nTurn=6\r\nSource=Testers (7)\r\n\r\n";

// Each faulty file leaves the records byte for byte as they were, says why, and leaves the windows
// usable; a good one merges whole and says what it did.
TEST(MapDataImport, AFaultyFileChangesNothingAndSaysWhyAGoodOneSaysWhatItDid) {
    testing::ScratchDir scratch;
    testing::ScriptedPrompts prompts;
    TfrmMain main(scratch / "settings.ini");
    main.show();
    main.Database().OverworldHexes.AddOrMerge(testing::MakeHex(main.Database(), 2, 2, true, 5));
    TfrmMap* map = main.Maps().OpenMapWindow(Level::Surface, false);
    const std::string before = testing::DatabaseBytes(main.Database());
    const std::string good = std::string(kHeader) + "[Hex 4,4,Overworld]\r\nTurn=6\r\nTerrain=Plain\r\nConfirmed=True\r\nTown=Harbour\r\n";

    const std::pair<std::string, QString> faulty[] = {
        {good + "\r\n[Hex 2,2,Overworld]\r\nTurn=6\r\nTerrain=\r\nConfirmed=True\r\nTax Base=12x4\r\n",
         "Line 15, section [Hex 2,2,Overworld], Tax Base=12x4: '12x4' is not a valid integer value. Nothing was imported."},
        {good + "\r\n[Hex 2,2,Overworld]\r\nTurn=6\r\nTerrain=\r\nConfirmed=Tr",
         "The file ends inside line 14, in section [Hex 2,2,Overworld]: it was cut short. Nothing was imported."},
        {"", "The file is empty: it holds no map data. Nothing was imported."},
    };
    for (const auto& [bytes, message] : faulty) {
        const auto file = scratch / "map.txt";
        WriteWholeFile(file, bytes);
        prompts.FileNames.push_back(QString::fromStdString(file.string()));
        main.ImportMapData();
        EXPECT_EQ(prompts.Shown.takeLast(), "error: " + message);
        EXPECT_EQ(testing::DatabaseBytes(main.Database()), before) << message.toStdString();
        EXPECT_FALSE(QApplication::overrideCursor());
        EXPECT_TRUE(map->isEnabled());
    }

    const auto file = scratch / "good.txt";
    WriteWholeFile(file, good + "\r\n[Hex 2,2,Overworld]\r\nTurn=6\r\nTerrain=\r\nConfirmed=True\r\nTax Base=124\r\n");
    prompts.FileNames.push_back(QString::fromStdString(file.string()));
    main.ImportMapData();
    EXPECT_EQ(prompts.Shown, QStringList({"information: Import completed. Hexes added: 1; replaced: 1; kept because they were not older: 0."}));
    EXPECT_EQ(main.Database().FindHex({2, 2, Level::Surface})->TaxBase, 124);
    ASSERT_EQ(main.CitiesList().topLevelItemCount(), 1);
    EXPECT_EQ(main.CitiesList().topLevelItem(0)->text(0), "Harbour");
}

}  // namespace
}  // namespace hexwarden
