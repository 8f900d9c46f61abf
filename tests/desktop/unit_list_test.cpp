#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <optional>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/map_frame.h"
#include "tests/desktop/scripted_prompts.h"
#include "tests/support/database_builder.h"
#include "tests/support/fixtures.h"
#include "windows/information_windows.h"
#include "windows/map_window.h"
#include "windows/track_unit_dialog.h"
#include "windows/unit_list.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

using testing::MakeHex;
using testing::MakeUnit;

constexpr int kFaction = 1;
constexpr int kHex = 4;

// The unit number of each shown top-level row, in the order shown.
std::vector<int32_t> Shown(const TTreeList& list) {
    std::vector<int32_t> numbers;
    const TListModel& model = list.Model();
    for (int row = 0; row < model.rowCount(); ++row) {
        numbers.push_back(std::get<UnitKey>(model.RowAt(model.index(row, 0))->Key).Number);
    }
    return numbers;
}

QPushButton& Button(const QWidget& window, const char* name) {
    return *window.findChild<QPushButton*>(QString::fromLatin1(name));
}

// Runs work on the unit list once its modal loop runs, then closes the list if work left it open.
void WhenListOpen(std::function<void(TfrmUnitList&)> work) {
    QTimer::singleShot(0, [work] {
        auto* list = qobject_cast<TfrmUnitList*>(QApplication::activeModalWidget());
        if (list == nullptr) {
            ADD_FAILURE() << "no unit list open";
            return;
        }
        work(*list);
        if (list->isVisible()) list->reject();
    });
}

class UnitListTest : public ::testing::Test {
protected:
    UnitListTest() {
        db.Clear();
        db.Factions.AddOrRename("Sevens", 7);
        // Both levels reach to (20, 20); places beyond lie off the grid.
        db.HexesOf(Level::Surface).AddOrMerge(MakeHex(db, 20, 20, true, 1, Level::Surface));
        db.HexesOf(Level::Underworld).AddOrMerge(MakeHex(db, 20, 20, true, 1, Level::Underworld));
    }

    TVelUnit& AddUnit(int32_t number, int32_t faction, int32_t x, int32_t y, Level level = Level::Surface,
                      const char* name = "Scouts") {
        TVelUnit* unit = db.Units.Append(MakeUnit(db, number, faction, x, y, 1, level));
        unit->Name = name;
        unit->Troops.AddTroops("VIKI", 3);
        unit->Troops.AddTroops("LEAD", 1);
        return *unit;
    }

    TVelMain db;
    TRecordsNotice notice;
    QWidget owner;
    InformationWindows windows{db, notice, &owner, {}};
};

TEST_F(UnitListTest, RowsShowNumberFactionMenAndPlaceWithTroopsOnlyWhenViewing) {
    AddUnit(30, 7, 4, 6);
    AddUnit(12, 0, 3, 5, Level::Underworld, "Diggers");
    AddUnit(21, 9, 2, 2);  // a faction not in the list
    const std::vector<UnitKey> keys{{30}, {12}, {99}, {21}};  // 99 is not in the database

    TfrmUnitList list(windows, &owner, TfrmUnitList::Mode::Viewing, QString(), keys);
    EXPECT_EQ(list.windowTitle(), "Unit List");
    EXPECT_EQ(Shown(list.treeList()), (std::vector<int32_t>{12, 21, 30}));
    const TListModel& model = list.treeList().Model();
    const auto text = [&model](int row, int column) { return model.index(row, column).data().toString(); };
    const auto hint = [&model](int row, int column) { return model.index(row, column).data(Qt::ToolTipRole); };
    EXPECT_EQ(QStringList({text(2, 0), text(2, 1), text(2, 2), text(2, 3), text(2, 4)}),
              QStringList({"30", "7", "Scouts", "4", "4,6"}));
    EXPECT_EQ(hint(2, kFaction).toString(), "Sevens");
    EXPECT_EQ(text(0, kFaction), "???");
    EXPECT_FALSE(hint(0, kFaction).isValid());
    EXPECT_EQ(text(0, kHex), "3,5*");
    EXPECT_EQ(text(1, kFaction), "9");
    EXPECT_FALSE(hint(1, kFaction).isValid()) << "no such faction: no hint";
    ASSERT_EQ(model.rowCount(model.index(2, 0)), 2);
    EXPECT_EQ(model.index(0, 3, model.index(2, 0)).data().toString(), "3");

    TfrmUnitList picking(windows, &owner, TfrmUnitList::Mode::Selecting, QStringLiteral("Select Unit"), std::nullopt);
    EXPECT_EQ(picking.windowTitle(), "Select Unit");
    EXPECT_EQ(Shown(picking.treeList()), (std::vector<int32_t>{12, 21, 30})) << "every unit, no list given";
    EXPECT_EQ(picking.treeList().Model().rowCount(picking.treeList().Model().index(0, 0)), 0);
}

TEST_F(UnitListTest, HexOrderPutsLevelThenGridBeforeCoordinates) {
    AddUnit(1, 7, 0, 0, Level::Underworld);     // underworld, on the grid
    AddUnit(2, 7, 10, 0);           // overworld, on the grid
    AddUnit(3, 7, 2, 4);            // overworld, on the grid: smaller x first
    AddUnit(4, 7, 50, 2);           // overworld, off the grid
    AddUnit(5, 7, 60, 0, Level::Underworld);    // underworld, off the grid
    AddUnit(6, 7, 2, 2);            // same x as unit 3: smaller y first
    TfrmUnitList list(windows, &owner, TfrmUnitList::Mode::Viewing, QString(), UnitKeysOf(db.Units));
    list.treeList().sortByColumn(kHex, Qt::AscendingOrder);
    EXPECT_EQ(Shown(list.treeList()), (std::vector<int32_t>{4, 6, 3, 2, 5, 1}));
    list.treeList().sortByColumn(kHex, Qt::DescendingOrder);
    EXPECT_EQ(Shown(list.treeList()), (std::vector<int32_t>{1, 5, 2, 3, 6, 4}));
}

TEST_F(UnitListTest, SelectionReturnsTheSelectedRowsUnitAndNothingOtherwise) {
    for (int32_t number : {5, 3, 8}) AddUnit(number, 7, 2, 2);
    WhenListOpen([](TfrmUnitList& list) {
        EXPECT_FALSE(Button(list, "btnSelect").isHidden());
        Button(list, "btnSelect").click();  // nothing selected: stays open
        EXPECT_TRUE(list.isVisible());
        list.treeList().setCurrentIndex(list.treeList().Model().index(1, 0));
        Button(list, "btnSelect").click();
    });
    const std::optional<UnitKey> chosen = TfrmUnitList::SelectUnit(windows, &owner, "Select Unit", std::nullopt);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->Number, 5);

    // A double-click picks; "&Close" and Escape give nothing even with a row selected.
    WhenListOpen([](TfrmUnitList& list) {
        list.treeList().setCurrentIndex(list.treeList().Model().index(1, 0));
        emit list.treeList().RowChosen();
    });
    EXPECT_EQ(TfrmUnitList::SelectUnit(windows, &owner, "Select Unit", std::vector<UnitKey>{{3}, {8}})->Number, 8);
    EXPECT_TRUE(windows.Units.Forms().empty()) << "picking opens no unit window";
    WhenListOpen([](TfrmUnitList& list) {
        list.treeList().setCurrentIndex(list.treeList().Model().index(0, 0));
        Button(list, "btnClose").click();
    });
    EXPECT_FALSE(TfrmUnitList::SelectUnit(windows, &owner, "Select Unit", std::nullopt));
    WhenListOpen([](TfrmUnitList& list) {
        list.treeList().setCurrentIndex(list.treeList().Model().index(0, 0));
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&list.treeList(), &escape);
        EXPECT_FALSE(list.isVisible());
    });
    EXPECT_FALSE(TfrmUnitList::SelectUnit(windows, &owner, "Select Unit", std::nullopt));
}

TEST_F(UnitListTest, FilterMatchesNumberNameAndFactionIgnoringCase) {
    AddUnit(17, 7, 2, 2, Level::Surface, "Miners");
    AddUnit(270, 0, 2, 2, Level::Surface, "Guard");
    AddUnit(33, 12, 7, 9, Level::Surface, "Scouts");
    AddUnit(44, 7, 2, 2, Level::Surface, "Tax men");
    TfrmUnitList list(windows, &owner, TfrmUnitList::Mode::Viewing, QString(), UnitKeysOf(db.Units));
    QLineEdit& filter = list.edFilter();
    EXPECT_EQ(filter.accessibleName(), "Filter");
    const auto shown_for = [&](const char* text) {
        filter.setText(QString::fromLatin1(text));
        return Shown(list.treeList());
    };
    EXPECT_EQ(shown_for("SEVEN"), (std::vector<int32_t>{17, 44})) << "the faction's name";
    EXPECT_EQ(shown_for("7"), (std::vector<int32_t>{17, 44, 270})) << "faction or unit number, not the place 7,9";
    EXPECT_EQ(shown_for("12"), (std::vector<int32_t>{33}));
    EXPECT_EQ(shown_for("ta"), (std::vector<int32_t>{44}));
    EXPECT_EQ(shown_for("4"), (std::vector<int32_t>{44})) << "not the size of 4 men";
    EXPECT_EQ(shown_for("???"), (std::vector<int32_t>{270}));
    EXPECT_EQ(shown_for(" "), (std::vector<int32_t>{17, 33, 44, 270}));

    // The selected row stays selected while shown and drops out when hidden; the sort holds.
    list.treeList().sortByColumn(2, Qt::DescendingOrder);
    list.treeList().setCurrentIndex(list.treeList().Model().index(0, 0));
    ASSERT_EQ(list.Selected()->Number, 44);
    EXPECT_EQ(shown_for("s"), (std::vector<int32_t>{44, 33, 17})) << "Tax men, Scouts, Miners (Sevens)";
    EXPECT_EQ(list.Selected()->Number, 44);
    EXPECT_EQ(shown_for("sc"), (std::vector<int32_t>{33}));
    EXPECT_FALSE(list.Selected());
    list.treeList().sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(shown_for("s"), (std::vector<int32_t>{17, 33, 44}));
}

TEST_F(UnitListTest, AnOpenListViewsUnitsAndFollowsChangesOfTheRecords) {
    AddUnit(5, 7, 2, 2);
    AddUnit(6, 7, 2, 2);
    AddUnit(8, 7, 2, 2);
    TfrmUnitList list(windows, &owner, TfrmUnitList::Mode::Viewing, QString(), std::vector<UnitKey>{{5}, {6}, {8}});
    EXPECT_TRUE(Button(list, "btnSelect").isHidden());
    list.treeList().setCurrentIndex(list.treeList().Model().index(1, 0, list.treeList().Model().index(1, 0)));
    Button(list, "btnView").click();  // a troop row opens its unit
    EXPECT_NE(windows.Units.FindForm({6}), nullptr);

    list.edFilter().setText("Sc");
    list.treeList().setCurrentIndex(list.treeList().Model().index(2, 0));
    notice.Change(RecordChange::TurnImported, [&] {
        db.Units.Extract(db.Units.FindByNumber(6));
        db.Units.FindByNumber(8)->Name = "Scouts of the north";
    });
    EXPECT_EQ(Shown(list.treeList()), (std::vector<int32_t>{5, 8}));
    EXPECT_EQ(list.treeList().Model().index(1, 2).data().toString(), "Scouts of the north");
    ASSERT_TRUE(list.Selected());
    EXPECT_EQ(list.Selected()->Number, 8);
    EXPECT_EQ(list.edFilter().text(), "Sc");

    notice.Change(RecordChange::Cleared, [&] { db.Clear(); });
    EXPECT_EQ(list.treeList().Model().rowCount(), 0);
}

TEST_F(UnitListTest, SeveralRowsAreCopiedAndViewedAndViewWaitsForASelection) {
    for (int32_t number = 1; number <= 12; ++number) AddUnit(number, 7, 2, 2, Level::Surface, number % 2 ? "Odd" : "Even");
    TfrmUnitList list(windows, &owner, TfrmUnitList::Mode::Viewing, QString(), UnitKeysOf(db.Units));
    TTreeList& rows = list.treeList();
    QPushButton& view = Button(list, "btnView");
    EXPECT_FALSE(view.isEnabled()) << "nothing selected yet";

    // Ctrl+A and Ctrl+C take the filtered rows, all of them, in the order shown.
    list.edFilter().setText("odd");
    rows.sortByColumn(0, Qt::DescendingOrder);
    const auto press = [&rows](QKeySequence::StandardKey key) {
        const QKeyCombination keys = QKeySequence(key)[0];
        QKeyEvent event(QEvent::KeyPress, keys.key(), keys.keyboardModifiers());
        QApplication::sendEvent(&rows, &event);
    };
    press(QKeySequence::SelectAll);
    EXPECT_TRUE(view.isEnabled());
    press(QKeySequence::Copy);
    const QStringList copied = QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 7);
    EXPECT_EQ(copied[0], "Unit ID\tFaction\tUnit Name\tSize\tHex");
    EXPECT_EQ(copied[1], "11\t7\tOdd\t4\t2,2");
    EXPECT_EQ(copied[6].section(QLatin1Char('\t'), 0, 0), "1");

    // A refill keeps every selected row; more windows than a handful are asked about first.
    notice.Change(RecordChange::TurnImported, [] {});
    EXPECT_EQ(rows.SelectedKeys<UnitKey>().size(), 6u);
    testing::ScriptedPrompts prompts;
    list.edFilter().clear();
    press(QKeySequence::SelectAll);
    view.click();
    EXPECT_EQ(prompts.Shown.size(), 1) << "answered No";
    EXPECT_TRUE(windows.Units.Forms().empty());

    list.edFilter().setText("odd");
    press(QKeySequence::SelectAll);
    view.click();
    EXPECT_EQ(windows.Units.Forms().size(), 6u) << "one window for each selected unit, without asking";
    rows.clearSelection();
    EXPECT_FALSE(view.isEnabled());
}

TEST_F(UnitListTest, ASortKeepsTheSelectedRow) {
    AddUnit(3, 7, 9, 9, Level::Surface, "Alpha");
    AddUnit(1, 7, 2, 2, Level::Surface, "Gamma");
    AddUnit(2, 7, 5, 5, Level::Surface, "Beta");
    TfrmUnitList list(windows, &owner, TfrmUnitList::Mode::Viewing, QString(), UnitKeysOf(db.Units));
    TTreeList& rows = list.treeList();
    rows.setCurrentIndex(rows.Model().index(2, 0));
    ASSERT_EQ(list.Selected()->Number, 3);
    rows.sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(Shown(rows), (std::vector<int32_t>{3, 2, 1}));
    EXPECT_EQ(list.Selected()->Number, 3);
    EXPECT_EQ(rows.currentIndex().row(), 0) << "the selection moved with its row";
    EXPECT_EQ(rows.SelectedKeys<UnitKey>().size(), 1u);
    rows.sortByColumn(0, Qt::DescendingOrder);
    EXPECT_EQ(rows.currentIndex().row(), 0);
    EXPECT_EQ(list.Selected()->Number, 3);
}

// The menus and the commands that open the list, through the main window.
class UnitMenusTest : public ::testing::Test {
protected:
    UnitMenusTest() : main(scratch / "settings.ini") {
        TVelMain& db = main.Database();
        db.FactionNumber = 12;
        for (const auto& [number, faction] : std::initializer_list<std::pair<int32_t, int32_t>>{{40, 12}, {41, 3}, {42, 12}}) {
            db.Units.Append(MakeUnit(db, number, faction, 2, 2))->Name = "Unit";
        }
        db.NewUnits.AddUnique(db.Units.FindByNumber(42));
        db.LostUnits.Append(MakeUnit(db, 50, 12, 4, 4));
        db.OwnUnits.AddUnique(db.Units.FindByNumber(40));
        db.OwnUnits.AddUnique(db.Units.FindByNumber(42));
        db.Units.FindByNumber(40)->Orders = "work";
        main.UpdateUnitMenus();
    }

    // The caption and units of the list that the action opens.
    std::pair<QString, std::vector<int32_t>> Listed(const char* action) {
        std::pair<QString, std::vector<int32_t>> seen;
        WhenListOpen([&seen](TfrmUnitList& list) { seen = {list.windowTitle(), Shown(list.treeList())}; });
        main.findChild<QAction*>(QString::fromLatin1(action))->trigger();
        return seen;
    }

    testing::ScratchDir scratch;
    testing::ScriptedPrompts prompts;
    TfrmMain main;
};

TEST_F(UnitMenusTest, EachItemListsItsUnits) {
    using Seen = std::pair<QString, std::vector<int32_t>>;
    EXPECT_EQ(Listed("mnuUnitsAllOwn"), Seen("All Own Units", {40, 42}));
    EXPECT_EQ(Listed("mnuUnitsNew"), Seen("New Units created this Turn", {42}));
    EXPECT_EQ(Listed("mnuUnitsLost"), Seen("Units Lost or Disbanded this Turn", {50}));
    EXPECT_EQ(Listed("mnuUnitsAllVeldoria"), Seen("All Known Veldoria Units", {40, 41, 42}));
    // The orders file first shows the own units without orders; then the cancelled file dialog ends it.
    EXPECT_EQ(Listed("mnuUnitsGenerateOrders"), Seen("Units without Orders", {42}));

    main.Database().NewUnits.Clear();
    main.UpdateUnitMenus();
    EXPECT_FALSE(main.findChild<QAction*>("mnuUnitsNew")->isEnabled());
    EXPECT_TRUE(main.findChild<QAction*>("mnuUnitsLost")->isEnabled());
}

TEST_F(UnitMenusTest, TrackDialogPicksItsUnitFromTheList) {
    TfrmMap* map = main.Maps().OpenMapWindow(Level::Surface, false);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TfrmTrackUnit*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        WhenListOpen([](TfrmUnitList& list) {
            EXPECT_EQ(list.windowTitle(), "Select Unit");
            list.treeList().setCurrentIndex(list.treeList().Model().index(1, 0));
            Button(list, "btnSelect").click();
        });
        Button(*dialog, "btnSelectUnit").click();
        Button(*dialog, "btnOK").click();
    });
    map->TrackUnit(std::nullopt);
    EXPECT_EQ(map->ViewOptions().TrackedUnit, 41);
}

}  // namespace
}  // namespace hexwarden
