// The month's preview in the windows: the unit window's Next Month page and underlines, the Month
// Preview report and the map's routes follow orders as they are typed, and survive an import.
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/map_frame.h"
#include "map/level_painter.h"
#include "model/coordinates.h"
#include "model/hex.h"
#include "model/unit.h"
#include "tests/desktop/modal_answerer.h"
#include "tests/desktop/scripted_prompts.h"
#include "tests/support/database_builder.h"
#include "tests/support/fixtures.h"
#include "tests/support/recording_surface.h"
#include "windows/hex_window.h"
#include "windows/information_windows.h"
#include "windows/map_window.h"
#include "windows/month_preview.h"
#include "windows/month_preview_report.h"
#include "windows/next_month_page.h"
#include "windows/orders_highlighter.h"
#include "windows/tree_list.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

using testing::ModalAnswerer;
using testing::ScratchDir;
using testing::ScriptedPrompts;

// The preview runs once typing has paused and the checker has looked.
void WaitForThePreview() {
    QEventLoop loop;
    QTimer::singleShot(TOrdersHighlighter::kDelayMs + 100, &loop, &QEventLoop::quit);
    loop.exec();
}

// "what: value" for every row of a list, children after their parent.
std::vector<std::string> Lines(const TTreeList& list) {
    std::vector<std::string> lines;
    const auto add = [&lines](const ListRow& row) {
        lines.push_back(row.Cells.at(0).Text.toStdString() + ": " + row.Cells.at(1).Text.toStdString());
    };
    for (const ListRow& row : list.Model().Rows()) {
        add(row);
        for (const ListRow& child : row.Children) add(child);
    }
    return lines;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The small faction: units 10 (Smiths) and 11 (Guards) in the plain at (4,4), a plain to the north.
class MonthPreviewTest : public ::testing::Test {
protected:
    MonthPreviewTest() : main(scratch.path() / "settings.ini") {
        testing::BuildSmallFaction(main.Database());
        main.Database().Units.FindByNumber(10)->Name = "Smiths";
        main.Database().Units.FindByNumber(11)->Name = "Guards";
        main.Database().Units.FindByNumber(11)->Items.AddNew("GRAI", 0, 8);
        main.Database().FindHex(Place{4, 4, Level::Surface})->Wanted.AddNew("GRAI", 12, 20);
    }

    TfrmUnitInfo& Type(int32_t number, const QString& orders) {
        main.InfoWindows().ShowUnit(UnitKey{number}, nullptr);
        TfrmUnitInfo* window = main.InfoWindows().Units.FindForm(UnitKey{number});
        EXPECT_NE(window, nullptr);
        window->edOrders().setPlainText(orders);
        WaitForThePreview();
        return *window;
    }

    ScratchDir scratch;
    ScriptedPrompts prompts;
    TfrmMain main;
};

TEST_F(MonthPreviewTest, TypedOrdersChangeTheNextMonthPageAndTheReport) {
    TfrmMonthPreviewReport report(main.InfoWindows(), &main);
    TfrmUnitInfo& smiths = Type(10, "give 11 100 silv");
    const std::vector<std::string> page = Lines(smiths.NextMonth().lstNextMonth());
    EXPECT_TRUE(Has(page, "Place: 4,4")) << ::testing::PrintToString(page);
    EXPECT_TRUE(Has(page, "Men PLAI: 10"));
    EXPECT_TRUE(Has(page, "Item SILV: 100 \u2192 0"));
    EXPECT_FALSE(smiths.NextMonth().lblRoute().isVisible());

    // The report follows, one row per unit. The receiver gets 100 and pays both units' upkeep
    // (10 men each, and the plain pays no wage).
    ASSERT_EQ(report.treeList().Model().Rows().size(), 2u);
    const auto changes = [&report](int32_t unit) {
        for (const ListRow& row : report.treeList().Model().Rows())
            if (std::get<UnitKey>(row.Key).Number == unit) return row.Cells.at(3).Text.toStdString();
        return std::string("no row");
    };
    EXPECT_EQ(changes(10), "SILV 100 \u2192 0");
    EXPECT_EQ(changes(11), "SILV 100 \u2192 0");
    smiths.edOrders().setPlainText(QStringLiteral("move n"));
    WaitForThePreview();
    EXPECT_EQ(changes(10), "place 4,4 \u2192 4,2, SILV 100 \u2192 0");

    // Sorting and filtering; a chosen row opens the unit on its Next Month page.
    report.edFilter().setText(QStringLiteral("guards"));
    ASSERT_EQ(report.treeList().Model().rowCount(), 1);
    report.treeList().setCurrentIndex(report.treeList().Model().index(0, 0));
    report.OpenSelected();
    TfrmUnitInfo* guards = main.InfoWindows().Units.FindForm(UnitKey{11});
    ASSERT_NE(guards, nullptr);
    EXPECT_EQ(guards->findChild<QTabWidget*>(QStringLiteral("pgUnit"))->currentWidget(), &guards->NextMonth());
    EXPECT_TRUE(report.treeList().SelectedRowsText().contains(QStringLiteral("Guards")));
}

TEST_F(MonthPreviewTest, AMoveShowsItsRouteWhereItStopsAndWhyOnPageMapAndUnderlines) {
    TfrmMap* map = main.Maps().OpenMapWindow(Level::Surface, false);
    TfrmUnitInfo& smiths = Type(10, "move n n");
    // (4,0) is in no report: the unit stops in the plain to the north.
    const QString summary = QStringLiteral("Route: 4,4 to 4,0, stops at 4,2: no region known to the north");
    EXPECT_EQ(smiths.NextMonth().lblRoute().text(), summary);
    EXPECT_EQ(smiths.NextMonth().lblRoute().accessibleName(), summary);
    EXPECT_EQ(smiths.accessibleDescription(), summary);
    const std::vector<std::string> page = Lines(smiths.NextMonth().lstNextMonth());
    EXPECT_TRUE(Has(page, "Place: 4,4 \u2192 4,2")) << ::testing::PrintToString(page);
    EXPECT_TRUE(Has(page, "Step 1: 4,2, stops here"));
    EXPECT_TRUE(Has(page, "Step 2: 4,0, not reached"));
    EXPECT_TRUE(std::any_of(page.begin(), page.end(), [](const std::string& line) { return line.rfind("Uncertain: uncertain: ", 0) == 0; }));

    // The checker and the preview agree on the step into the unknown: one warning, once.
    QTextBlock first = smiths.edOrders().document()->begin();
    const auto ranges = first.layout()->formats();
    ASSERT_EQ(ranges.size(), 1);
    EXPECT_EQ(ranges[0].format.underlineColor(), ProblemColour(Severity::Warning));
    EXPECT_EQ(smiths.OrdersMarks().HintAt(first.position() + 7), QStringLiteral("MOVE: No region is known to the north."));

    // The map draws the selected unit's route: a line from hex centre to hex centre, a square where it stops.
    const MapViewOptions& options = map->ViewOptions();
    EXPECT_EQ(options.RouteUnit, 10);
    ASSERT_EQ(options.Routes.size(), 1u);
    THexMap hexes;
    hexes.SetHexSize(kMapHexSize);
    hexes.SetZoom(kDefaultMapZoom);
    FitMapToLevel(hexes, main.Database(), Level::Surface);
    testing::RecordingSurface surface;
    surface.Clip = Rect{0, 0, hexes.Width(), hexes.Height()};
    PaintLevel(main.Database(), Level::Surface, options, hexes, surface);
    const auto centre = [&hexes](int32_t x, int32_t y) {
        const Point at = hexes.HexCentre(GameToGrid(x, y));
        return "(" + std::to_string(at.x) + "," + std::to_string(at.y) + ")";
    };
    const auto& calls = surface.Calls;
    EXPECT_TRUE(Has(calls, "Polyline " + centre(4, 4) + " " + centre(4, 2))) << ::testing::PrintToString(calls);
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const std::string& call) { return call.rfind("Rectangle", 0) == 0; }));

    // Typing on: the route follows, the stop goes.
    smiths.edOrders().setPlainText(QStringLiteral("move n"));
    WaitForThePreview();
    EXPECT_EQ(smiths.NextMonth().lblRoute().text(), QStringLiteral("Route: 4,4 to 4,2"));
    EXPECT_EQ(map->ViewOptions().Routes.at(0).Passed.size(), 2u);
    // Another unit's window coming to the front singles out its route.
    main.InfoWindows().Preview->SelectUnit(11);
    EXPECT_EQ(map->ViewOptions().RouteUnit, 11);

    // The hex windows of both ends: silver now and after, upkeep, who arrives and who leaves, and
    // what a sale leaves in the market.
    Type(11, "sell 5 grai");
    const auto hex_text = [this](int32_t x, int32_t y) {
        main.InfoWindows().ShowHex(HexKey{x, y, Level::Surface}, nullptr);
        return main.InfoWindows().Hexes.FindForm(HexKey{x, y, Level::Surface})->lblNextMonth().accessibleName().toStdString();
    };
    EXPECT_EQ(hex_text(4, 2), "Next month: own silver 0, upkeep 100; arriving: (10) Smiths from 4,4");
    EXPECT_EQ(hex_text(4, 4), "Next month: own silver 200 \u2192 60, upkeep 100; leaving: (10) Smiths to 4,2; "
                              "markets after trading: wanted GRAI 20 \u2192 15");
}

TEST_F(MonthPreviewTest, AnImportWhileThePreviewWaitsLosesNothing) {
    HEXWARDEN_REQUIRE_FIXTURES(fixtures);
    ModalAnswerer answerer;
    testing::ImportGameATurn(main.Database(), fixtures, 12);
    main.Notice().Announce(RecordChange::Loaded);
    const int32_t number = main.Database().OwnUnits.Get(0)->Number;
    main.InfoWindows().ShowUnit(UnitKey{number}, nullptr);
    TfrmUnitInfo* window = main.InfoWindows().Units.FindForm(UnitKey{number});
    ASSERT_NE(window, nullptr);
    TfrmMonthPreviewReport report(main.InfoWindows(), &main);
    main.Maps().OpenMapWindow(Level::Surface, false);
    // Typed, and the report imported before the preview had its turn.
    window->edOrders().setPlainText(QStringLiteral("move n"));
    window->OrdersMarks().CheckNow();
    ASSERT_TRUE(main.ImportTurnFile(testing::GameAReport(fixtures, 13).string(), OrdersMode::Preserve));
    WaitForThePreview();

    EXPECT_EQ(main.Database().Units.FindByNumber(number)->Orders, "move n");
    const UnitMonth* month = main.InfoWindows().Preview->Unit(number);
    ASSERT_NE(month, nullptr);
    EXPECT_EQ(month->After.planned.size(), 2u);
    EXPECT_EQ(report.treeList().Model().Rows().size(), static_cast<size_t>(main.Database().OwnUnits.Count()));
    EXPECT_TRUE(window->NextMonth().lblRoute().text().startsWith(QStringLiteral("Route: ")));
}

}  // namespace
}  // namespace hexwarden
