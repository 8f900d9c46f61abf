#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <fstream>
#include <gtest/gtest.h>

#include "app/level_tabs.h"
#include "app/main_window.h"
#include "app/map_frame.h"
#include "app/place_list.h"
#include "platform/message_sink.h"
#include "storage/data_file.h"
#include "tests/desktop/modal_answerer.h"
#include "tests/desktop/scripted_prompts.h"
#include "tests/support/database_builder.h"
#include "tests/support/fixtures.h"
#include "windows/hex_window.h"
#include "windows/import_options_dialog.h"
#include "windows/information_windows.h"
#include "windows/item_type_dialog.h"
#include "windows/map_window.h"
#include "windows/parse_status_window.h"
#include "windows/records_notice.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

using testing::MakeHex;
using testing::ModalAnswerer;
using testing::ScratchDir;
using testing::ScriptedPrompts;

class FailOnError : public MessageSink {
public:
    void ShowError(const std::string& message) override { ADD_FAILURE() << message; }
};

// A data file with cities, gates and a marker on both levels.
std::filesystem::path WriteSampleData(const ScratchDir& scratch) {
    TVelMain db;
    db.FactionName = "Ironhold";
    db.FactionNumber = 12;
    db.War.Level = 2;
    db.Trade.Level = 1;
    db.Turn = 27;
    const struct {
        int32_t x, y;
        Level level;
        const char* city;
        int32_t gate;
    } hexes[] = {{4, 6, Level::Surface, "beta", 10}, {2, 2, Level::Surface, "Alpha", -1}, {6, 10, Level::Underworld, "gamma", 2}, {8, 4, Level::Surface, "", 3}};
    for (const auto& place : hexes) {
        auto hex = MakeHex(db, place.x, place.y, true, 27, place.level);
        if (*place.city != '\0') {
            hex->SettlementSize = 2;
            hex->SettlementName = place.city;
        }
        hex->Gate = place.gate;
        db.HexesOf(place.level).AddOrMerge(std::move(hex));
    }
    db.Markers.Add(std::make_unique<TVelMapMarker>("camp", Place{8, 4, Level::Surface}));
    const auto file = scratch / "sample.hwd";
    FailOnError errors;
    EXPECT_TRUE(SaveToFile(db, file, errors));
    return file;
}

QStringList Column(QTreeWidget& list, int column) {
    QStringList texts;
    for (int i = 0; i < list.topLevelItemCount(); ++i) texts << list.topLevelItem(i)->text(column);
    return texts;
}

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : main(scratch / "settings.ini") {
        main.resize(900, 700);
        main.show();
        QApplication::processEvents();
    }

    ScratchDir scratch;
    ScriptedPrompts prompts;
    TfrmMain main;
};

TEST_F(MainWindowTest, OpeningAFileFillsCaptionAndSortedPages) {
    EXPECT_EQ(main.windowTitle(), "Veldoria Hexwarden");
    const auto file = WriteSampleData(scratch);
    prompts.FileNames.push_back(QString::fromStdString(file.string()));
    main.OpenData();

    EXPECT_EQ(main.DataFileName, file.string());
    EXPECT_EQ(main.windowTitle(), "Ironhold [12]  W2 T1 M0  (Turn 27)");
    EXPECT_EQ(Column(main.CitiesList(), 0), QStringList({"Alpha", "beta", "gamma"}));
    EXPECT_EQ(Column(main.CitiesList(), 1), QStringList({"2,2", "4,6", "6,10*"}));
    // A tab per level: the surface's cities show, the underworld's wait behind their tab.
    TLevelTabs& levels = main.CitiesLevels();
    ASSERT_EQ(levels.count(), 2);
    EXPECT_EQ(levels.tabText(1), "Underworld");
    const auto shown = [&] {
        QStringList names;
        for (int i = 0; i < main.CitiesList().topLevelItemCount(); ++i)
            if (!main.CitiesList().topLevelItem(i)->isHidden()) names << main.CitiesList().topLevelItem(i)->text(0);
        return names;
    };
    EXPECT_EQ(shown(), QStringList({"Alpha", "beta"}));
    levels.setCurrentIndex(1);
    EXPECT_EQ(shown(), QStringList({"gamma"}));
    prompts.FileNames.push_back(QString::fromStdString(file.string()));
    main.OpenData();  // a refill keeps the chosen level
    EXPECT_EQ(levels.Chosen(), Level::Underworld);
    EXPECT_EQ(Column(main.GatesList(), 0), QStringList({"2", "3", "10"}));
    EXPECT_EQ(Column(main.MarkersList(), 0), QStringList({"camp"}));
    EXPECT_EQ(main.Pages().tabText(0), "Cities");
    EXPECT_TRUE(prompts.Shown.isEmpty()) << prompts.Shown.join('\n').toStdString();
}

TEST_F(MainWindowTest, OpenFailuresAreShownAndTheProgramGoesOn) {
    prompts.FileNames.push_back(QString());  // cancelled
    main.OpenData();
    EXPECT_TRUE(main.DataFileName.empty());

    // A file out of reach reads nothing: there is no faction to name the window after.
    main.LoadDataFile((scratch / "unmounted" / "game.hwd").string());
    EXPECT_EQ(main.windowTitle(), "Veldoria Hexwarden");
    prompts.Shown.clear();

    const auto damaged = scratch / "damaged.hwd";
    std::ofstream(damaged) << "not a data file";
    main.LoadDataFile(damaged.string());
    ASSERT_EQ(prompts.Shown.size(), 1);
    EXPECT_TRUE(prompts.Shown[0].startsWith("error: ")) << prompts.Shown[0].toStdString();
    EXPECT_TRUE(main.DataFileName.empty());  // so "Save" cannot overwrite the damaged file
    EXPECT_FALSE(QApplication::overrideCursor());
}

TEST_F(MainWindowTest, AHexFarOutKeepsTheLeftPanelInBounds) {
    TVelMain db;
    auto hex = MakeHex(db, 60000, 60000);
    hex->Gate = 1;
    db.OverworldHexes.AddOrMerge(std::move(hex));
    const auto file = scratch / "far.hwd";
    FailOnError errors;
    ASSERT_TRUE(SaveToFile(db, file, errors));
    main.LoadDataFile(file.string());
    main.Maps().OpenMapWindow(Level::Surface, true);
    EXPECT_LE(main.Pages().width(), main.width() / 2);
    EXPECT_EQ(Column(main.GatesList(), 1), QStringList({"60000,60000"}));
}

TEST_F(MainWindowTest, DoubleClickCentresOpeningOrSwitchingAMap) {
    main.LoadDataFile(WriteSampleData(scratch).string());
    QTreeWidget& cities = main.CitiesList();
    // "gamma" lies in the underworld; no map window is open yet.
    emit cities.itemDoubleClicked(cities.topLevelItem(2), 0);
    ASSERT_EQ(main.Maps().MapWindows().size(), 1u);
    TfrmMap* map = main.Maps().MapWindows().front();
    EXPECT_EQ(map->CurrentLevel(), Level::Underworld);
    EXPECT_TRUE(map->isMaximized());

    map->SetLevel(Level::Surface);
    QTreeWidget& gates = main.GatesList();
    emit gates.itemDoubleClicked(gates.topLevelItem(0), 0);  // gate 2, underworld 6,10
    EXPECT_EQ(main.Maps().MapWindows().size(), 1u);
    EXPECT_EQ(map->CurrentLevel(), Level::Underworld);
    QApplication::processEvents();
    const GamePoint top_left = map->VisibleTopLeft();
    const GamePoint bottom_right = map->VisibleBottomRight();
    EXPECT_TRUE(top_left.X <= 6 && 6 <= bottom_right.X && top_left.Y <= 10 && 10 <= bottom_right.Y);
}

TEST_F(MainWindowTest, RemoveAsksBeforeDroppingTheMarker) {
    main.LoadDataFile(WriteSampleData(scratch).string());
    main.RemoveMarker();  // no row selected
    EXPECT_TRUE(prompts.Shown.isEmpty());
    main.MarkersList().setCurrentItem(main.MarkersList().topLevelItem(0));
    prompts.Answers = {Answer::No, Answer::Yes};
    main.RemoveMarker();
    EXPECT_EQ(main.Database().Markers.Count(), 1);
    main.RemoveMarker();
    EXPECT_EQ(prompts.Shown.back(), "confirm: Delete this marker?");
    EXPECT_EQ(main.Database().Markers.Count(), 0);
    EXPECT_EQ(main.MarkersList().topLevelItemCount(), 0);
}

TEST_F(MainWindowTest, NewAsksBeforeClearing) {
    const auto file = WriteSampleData(scratch);
    main.LoadDataFile(file.string());
    main.Maps().OpenMapWindow(Level::Surface, false);

    prompts.Answers = {Answer::No};
    main.NewData();
    EXPECT_EQ(main.Database().Turn, 27);

    prompts.Answers = {Answer::Yes};
    main.NewData();
    EXPECT_EQ(prompts.Shown.back(), "confirm: Clear all current data?");
    EXPECT_EQ(main.Database().Turn, 0);
    EXPECT_TRUE(main.DataFileName.empty());
    EXPECT_TRUE(main.Maps().MapWindows().empty());
    EXPECT_EQ(main.CitiesList().topLevelItemCount(), 0);
    EXPECT_EQ(main.MarkersList().topLevelItemCount(), 0);
    EXPECT_EQ(main.windowTitle(), "Veldoria Hexwarden");
}

TEST_F(MainWindowTest, OpenAndRecentFilesAskToSaveWhatWasTyped) {
    const auto file = WriteSampleData(scratch);
    const QString name = QString::fromStdString(file.string());
    const QStringList question = {"confirm: Save current data?"};
    // Nothing changed since the start: nothing to ask about.
    prompts.FileNames = {name};
    main.OpenData();
    ASSERT_EQ(main.DataFileName, file.string());
    EXPECT_TRUE(prompts.Shown.isEmpty());

    TVelMain& db = main.Database();
    main.Notice().Change(RecordChange::UnitEdited, [&db] { db.Units.AddOrReplace(testing::MakeUnit(db, 7, 12, 4, 6)); });
    main.SaveData();
    main.InfoWindows().ShowUnit(UnitKey{7}, nullptr);
    TfrmUnitInfo* window = main.InfoWindows().Units.FindForm(UnitKey{7});
    ASSERT_NE(window, nullptr);
    const auto type = [window](const char* orders) { window->edOrders().setPlainText(QString::fromLatin1(orders)); };

    // Cancel: the typed order went in, and nothing is opened.
    type("work");
    prompts.Answers = {Answer::Cancel};
    prompts.FileNames = {name};
    main.OpenData();
    EXPECT_EQ(prompts.Shown, question);
    EXPECT_EQ(prompts.FileNames.size(), 1u);
    EXPECT_EQ(db.Units.FindByNumber(7)->Orders, "work");

    // Yes saves first, so the same file opened again keeps the order.
    prompts.Shown.clear();
    prompts.Answers = {Answer::Yes};
    main.OpenData();
    EXPECT_EQ(prompts.Shown, question);
    EXPECT_TRUE(prompts.FileNames.empty());
    EXPECT_EQ(db.Units.FindByNumber(7)->Orders, "work");
    EXPECT_EQ(window->edOrders().toPlainText(), "work");

    // A save that fails stops the open.
    type("tax");
    main.DataFileName = (scratch / "no such folder" / "x.hwd").string();
    prompts.Shown.clear();
    prompts.Answers = {Answer::Yes};
    prompts.FileNames = {name};
    main.OpenData();
    ASSERT_EQ(prompts.Shown.size(), 2);
    EXPECT_TRUE(prompts.Shown[1].startsWith("error: "));
    EXPECT_EQ(prompts.FileNames.size(), 1u);
    EXPECT_EQ(db.Units.FindByNumber(7)->Orders, "tax");

    // Recent Files asks the same; No lets the typed order go.
    prompts.Shown.clear();
    prompts.Answers = {Answer::No};
    QMenu* recent = main.findChild<QMenu*>(QStringLiteral("mnuFileRecent"));
    ASSERT_FALSE(recent->actions().isEmpty());
    recent->actions().front()->trigger();
    EXPECT_EQ(prompts.Shown, question);
    EXPECT_EQ(main.DataFileName, file.string());
    EXPECT_EQ(db.Units.FindByNumber(7)->Orders, "work");
}

TEST_F(MainWindowTest, SaveAsksForANameOnlyWhenThereIsNone) {
    const auto file = scratch / "saved.hwd";
    main.Database().FactionName = "Ironhold";
    prompts.FileNames.push_back(QString::fromStdString(file.string()));
    main.SaveData();
    EXPECT_EQ(main.DataFileName, file.string());
    EXPECT_TRUE(std::filesystem::exists(file));

    // Saving again needs no dialog; a failed Save As keeps the old name.
    main.Database().Turn = 5;
    main.SaveData();
    EXPECT_TRUE(prompts.FileNames.empty());
    prompts.FileNames.push_back(QString::fromStdString((scratch / "no such folder" / "x.hwd").string()));
    main.SaveDataAs();
    EXPECT_EQ(main.DataFileName, file.string());
    ASSERT_EQ(prompts.Shown.size(), 1);
    EXPECT_TRUE(prompts.Shown[0].startsWith("error: "));

    TVelMain reread;
    FailOnError errors;
    ASSERT_TRUE(LoadFromFile(reread, file, errors));
    EXPECT_EQ(reread.Turn, 5);
    EXPECT_EQ(main.Recent.Files().front(), file.string());
}

TEST_F(MainWindowTest, ImportsTheDemoGameWithoutAQuestion) {
    ModalAnswerer answerer;
    const auto demo = testing::DemoDir();
    main.ImportOptions().SetShowParseStatus(false);
    QStringList reports;
    for (const char* name : {"turn-3.txt", "turn-1.txt", "turn-2.txt"}) {
        reports << QString::fromStdString((demo / name).string());
    }
    // Dropped in any order, the reports are imported by name.
    QList<QUrl> urls;
    for (const QString& report : reports) urls << QUrl::fromLocalFile(report);
    main.ImportDroppedFiles(urls);

    EXPECT_TRUE(prompts.Shown.isEmpty()) << prompts.Shown.join('\n').toStdString();
    EXPECT_EQ(answerer.questions, 0);  // the game's own item table knows every code the demo reports use
    EXPECT_TRUE(main.windowTitle().endsWith("(Turn 27)")) << main.windowTitle().toStdString();
    EXPECT_GT(main.CitiesList().topLevelItemCount(), 0);
    EXPECT_EQ(main.UnitsNewAction().isEnabled(), main.Database().NewUnits.Count() > 0);
    EXPECT_EQ(main.UnitsLostAction().isEnabled(), main.Database().LostUnits.Count() > 0);
    EXPECT_TRUE(main.DataFileName.empty());
    EXPECT_FALSE(main.ParseStatus().Lines().empty());

    // A report older than the data is refused with the parser's message; nothing else changes.
    // The windows and maps take no input while it runs, and take it again after the failure.
    TfrmMap* map = main.Maps().OpenMapWindow(Level::Surface, false);
    const TVelHex* hex = main.Database().OverworldHexes.HexesByRow().front();
    main.InfoWindows().ShowHex(HexKey{hex->At()}, nullptr);
    QWidget* hex_window = main.InfoWindows().Hexes.Forms().front();
    bool disabled_meanwhile = false;
    QObject::connect(&main.Notice(), &TRecordsNotice::RecordsAboutToChange, map, [&] {
        disabled_meanwhile = !map->isEnabled() && !hex_window->isEnabled();
    });
    EXPECT_FALSE(main.ImportTurnFile(reports[1].toStdString(), OrdersMode::Preserve));
    ASSERT_EQ(prompts.Shown.size(), 1);
    EXPECT_TRUE(prompts.Shown[0].startsWith("error: "));
    EXPECT_TRUE(main.windowTitle().endsWith("(Turn 27)"));
    EXPECT_FALSE(QApplication::overrideCursor());
    EXPECT_TRUE(disabled_meanwhile);
    EXPECT_TRUE(map->isEnabled());
    EXPECT_TRUE(hex_window->isEnabled());
}

TEST_F(MainWindowTest, ClearAllOrdersEmptiesTheOwnUnitsOrders) {
    HEXWARDEN_REQUIRE_FIXTURES(fixtures);
    ModalAnswerer answerer;
    const auto report = fixtures / "reports" / "game-a" / "turn-00.txt";
    ASSERT_TRUE(main.ImportTurnFile(report.string(), OrdersMode::ImportTemplate));
    ASSERT_GT(main.Database().OwnUnits.Count(), 0);
    ASSERT_TRUE(main.ImportTurnFile(report.string(), OrdersMode::Clear));
    for (int32_t i = 0; i < main.Database().OwnUnits.Count(); ++i) {
        EXPECT_EQ(main.Database().OwnUnits.Get(i)->Orders, "");
    }
    EXPECT_NE(main.windowTitle(), "Veldoria Hexwarden");
}

TEST_F(MainWindowTest, GenerateOrdersKeepsThePassword) {
    const auto file = scratch / "orders.txt";
    prompts.FileNames.push_back(QString::fromStdString(file.string()));
    prompts.Inputs.push_back("secret");
    main.Database().FactionNumber = 12;
    main.GenerateOrders();
    EXPECT_EQ(main.FactionPassword, "secret");
    EXPECT_EQ(testing::ReadFileBytes(file), "#veldoria 12 \"secret\"\n\n#end\n");
    EXPECT_EQ(prompts.Shown, QStringList({"information: The order file has been generated."}));

    // A password the header cannot hold is refused and asked for again.
    prompts.Shown.clear();
    prompts.FileNames.push_back(QString::fromStdString(file.string()));
    prompts.Inputs = {"se\"cret", "better"};
    main.GenerateOrders();
    ASSERT_EQ(prompts.Shown.size(), 2);
    EXPECT_TRUE(prompts.Shown[0].startsWith("error: The password cannot hold '\"'")) << prompts.Shown[0].toStdString();
    EXPECT_EQ(prompts.Shown[1], "information: The order file has been generated.");
    EXPECT_EQ(main.FactionPassword, "better");

    // A cancelled password box writes nothing and keeps the password.
    std::filesystem::remove(file);
    prompts.FileNames.push_back(QString::fromStdString(file.string()));
    main.GenerateOrders();
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(main.FactionPassword, "better");
}

}  // namespace
}  // namespace hexwarden
