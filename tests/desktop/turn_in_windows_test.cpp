#include <QApplication>
#include <QListView>
#include <QPlainTextEdit>
#include <fstream>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/map_frame.h"
#include "tests/desktop/modal_answerer.h"
#include "tests/desktop/scripted_prompts.h"
#include "tests/support/fixtures.h"
#include "windows/faction_window.h"
#include "windows/hex_window.h"
#include "windows/information_windows.h"
#include "windows/map_window.h"
#include "windows/parse_status_window.h"
#include "windows/structure_window.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

using testing::ModalAnswerer;
using testing::ScratchDir;
using testing::ScriptedPrompts;

QString DemoReport(const char* name) { return QString::fromStdString((testing::DemoDir() / name).string()); }

// Every list of a window: each row chosen in turn, as a double-click would.
void ChooseEveryRow(QWidget& window) {
    for (TTreeList* list : window.findChildren<TTreeList*>()) {
        const TListModel& model = list->Model();
        for (int row = 0; row < model.rowCount(); ++row) {
            list->setCurrentIndex(model.index(row, 0));
            emit list->RowChosen();
        }
    }
}

// A turn played through the windows, with every kind of window left open while the next report
// replaces the records they show. Run under AddressSanitizer, this is what proves that no window
// keeps a freed record.
TEST(TurnInWindowsTest, WindowsOpenAcrossAnImportFollowTheNewRecordsAndKeepWhatWasTyped) {
    ScratchDir scratch;
    ScriptedPrompts prompts;
    ModalAnswerer answerer;
    TfrmMain main(scratch / "settings.ini");
    main.resize(900, 700);
    main.show();
    main.ImportOptions().SetShowParseStatus(false);
    main.ImportTurnFiles({DemoReport("turn-1.txt"), DemoReport("turn-2.txt")});
    ASSERT_TRUE(prompts.Shown.isEmpty()) << prompts.Shown.join('\n').toStdString();

    InformationWindows& windows = main.InfoWindows();
    const HexKey mine{10, 12, Level::Surface};
    TfrmMap* map = main.Maps().OpenMapWindow(Level::Surface, true);
    map->TrackUnit(203);
    ASSERT_EQ(map->ViewOptions().TrackedUnit, 203);
    windows.ShowHex(mine, map);
    windows.ShowUnit({203}, nullptr);
    windows.ShowFaction({12}, nullptr);
    windows.ShowStructure({mine, 2}, nullptr);
    TfrmHexInfo* hex = windows.Hexes.FindForm(mine);
    TfrmUnitInfo* unit = windows.Units.FindForm({203});
    ASSERT_TRUE(hex && unit && windows.Factions.FindForm({12}) && windows.Structures.FindForm({mine, 2}));
    EXPECT_TRUE(windows.Structures.FindForm({mine, 2})->windowTitle().startsWith("[2]  Stonegate Keep"));

    // Typed, and not yet written back: the import must not lose it.
    unit->edOrders().setPlainText("work\n\nclaim 50");
    hex->edNotes().setPlainText("iron here");

    // The next report, with a code no report describes: its question is answered mid-import.
    std::string next = testing::ReadFileBytes(testing::DemoDir() / "turn-3.txt");
    const std::string keepers_skills = "    Skills: combat [COMB] 1 (60).\n";
    ASSERT_NE(next.find(keepers_skills), std::string::npos);
    next.insert(next.find(keepers_skills) + keepers_skills.size(), "- Wyvern brood (403), 2 wyverns [WYVR].\n");
    const auto next_report = scratch / "turn-3.txt";
    std::ofstream(next_report, std::ios::binary) << next;
    const int questions_before = answerer.questions;
    main.ImportOptions().SetShowParseStatus(true);
    main.ImportTurnFiles({QString::fromStdString(next_report.string())});
    ASSERT_TRUE(prompts.Shown.isEmpty()) << prompts.Shown.join('\n').toStdString();
    EXPECT_FALSE(main.ParseStatus().Lines().empty());
    EXPECT_GT(answerer.questions, questions_before);

    const TVelMain& db = main.Database();
    EXPECT_EQ(db.Units.FindByNumber(203)->Orders, "work\r\n\r\nclaim 50");
    EXPECT_EQ(db.FindHex({10, 12, Level::Surface})->Notes, "iron here");
    // The windows show the new records: the structure is complete now, the unit of turn 27.
    ASSERT_EQ(windows.Units.FindForm({203}), unit);
    EXPECT_TRUE(unit->windowTitle().endsWith(QStringLiteral("[Turn %1]").arg(db.Units.FindByNumber(203)->Turn)));
    EXPECT_EQ(unit->edOrders().toPlainText(), "work\n\nclaim 50");
    EXPECT_EQ(hex->edNotes().toPlainText(), "iron here");

    // Every window still works on the records it finds again.
    map->RepaintMap();
    map->grab();
    for (QWidget* window : std::initializer_list<QWidget*>{hex, unit, windows.Factions.FindForm({12}),
                                                           windows.Structures.FindForm({mine, 2})}) {
        ChooseEveryRow(*window);
    }
    unit->btnFactionClick();
    unit->btnPositionClick();
    unit->btnInsideClick();
    hex->mnuViewStructureClick();
    EXPECT_GE(windows.Units.Forms().size(), 2u);

    // The orders typed in the open window reach the orders file.
    unit->edOrders().setPlainText("work\n\nclaim 60");
    const auto orders = scratch / "orders.txt";
    prompts.FileNames.push_back(QString::fromStdString(orders.string()));
    prompts.Inputs.push_back("demo");
    main.GenerateOrders();
    const std::string file = testing::ReadFileBytes(orders);
    EXPECT_NE(file.find("UNIT 203"), std::string::npos);
    EXPECT_NE(file.find("    work"), std::string::npos);
    EXPECT_NE(file.find("    claim 60"), std::string::npos);

    // New frees every record: every information window closes, and nothing typed was lost first.
    prompts.Answers.push_back(Answer::Yes);
    main.NewData();
    EXPECT_TRUE(windows.Hexes.Forms().empty() && windows.Units.Forms().empty() && windows.Structures.Forms().empty());
}

}  // namespace
}  // namespace hexwarden
