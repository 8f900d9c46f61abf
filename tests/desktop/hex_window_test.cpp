#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <gtest/gtest.h>

#include "model/database.h"
#include "tests/support/database_builder.h"
#include "windows/hex_window.h"
#include "windows/information_windows.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

using testing::MakeHex;
using testing::MakeUnit;

class HexWindowTest : public ::testing::Test {
protected:
    HexWindowTest() {
        db.Clear();
        db.FactionNumber = 3;
        db.Factions.AddOrRename("Wardens", 2);
        AddHex(4, 6, Level::Surface);
    }

    TVelHex& AddHex(int32_t x, int32_t y, Level level) {
        auto hex = MakeHex(db, x, y, true, 5, level);
        hex->SetTerrainName("Plain");
        return *db.HexesOf(level).AddOrMerge(std::move(hex));
    }

    TVelUnit& AddUnit(TVelUnitList& place, int32_t number, int32_t faction) {
        auto unit = MakeUnit(db, number, faction, 4, 6, 5);
        unit->Name = "Unit " + std::to_string(number);
        unit->Troops.AddTroops("LEAD", number);
        TVelUnit* stored = db.Units.AddOrReplace(std::move(unit));
        place.AddUnique(stored);
        return *stored;
    }

    TfrmHexInfo* Open(int32_t x, int32_t y, Level level = Level::Surface) {
        windows.ShowHex({x, y, level}, nullptr);
        return windows.Hexes.FindForm({x, y, level});
    }

    static QString Label(const QWidget* window, const QString& name) {
        // Value labels are named after their caption and carry the value: "Peasants: None".
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->accessibleName() == name + ": " + label->text()) return label->text();
        }
        return "(none)";
    }
    static QStringList Column(const TTreeList& list, size_t column) {
        QStringList texts;
        for (const ListRow& row : list.Model().Rows()) texts << row.Cells.at(column).Text;
        return texts;
    }

    TVelMain db;
    TRecordsNotice notice;
    QWidget owner;
    QMenu hex_menu;
    InformationWindows windows{db, notice, &owner, {.Hexes = &hex_menu}};
};

TEST_F(HexWindowTest, CaptionsNameTheLevelSettlementAndConfirmation) {
    TVelHex& below = AddHex(4, 6, Level::Underworld);
    below.Confirmed = false;
    below.SettlementSize = 2;
    below.SettlementName = "Dun";
    EXPECT_EQ(Open(4, 6)->windowTitle(), "[4, 6] Plain in ");
    EXPECT_EQ(Open(4, 6, Level::Underworld)->windowTitle(), "[Underworld 4, 6] Plain in  (Unconfirmed): Dun [Town]");
    EXPECT_EQ(hex_menu.actions().at(1)->text(), "4, 6* Dun [Town]");
    windows.ShowHex({9, 9, Level::Surface}, nullptr);
    EXPECT_EQ(hex_menu.actions().size(), 2) << "no hex, no window";
}

TEST_F(HexWindowTest, ValuesAndMarkets) {
    TVelHex& hex = *db.FindHex({4, 6, Level::Surface});
    hex.Turn = 0;
    hex.TaxBase = 120;
    hex.ForSale.AddNew("SILV", 5, -1);
    hex.ForSale.AddNew("LEAD", 40, 7);
    hex.ForSale.AddNew("LEAD", 30, 12);
    TfrmHexInfo* window = Open(4, 6);
    EXPECT_EQ(Label(window, "Peasants"), "None");
    EXPECT_EQ(Label(window, "Last Report"), "--");
    EXPECT_EQ(Label(window, "Tax Base"), "120");
    EXPECT_TRUE(window->findChild<QGroupBox*>()->isHidden()) << "no gate";
    // Sorted on "Qty", where "Unlimited" is more than any amount.
    EXPECT_EQ(Column(window->lstForSale(), 1), QStringList({"7", "12", "Unlimited"}));
    EXPECT_EQ(Column(window->lstForSale(), 2), QStringList({"40", "30", "5"}));
    window->lstForSale().sortByColumn(1, Qt::DescendingOrder);
    EXPECT_EQ(Column(window->lstForSale(), 1), QStringList({"Unlimited", "12", "7"}));
}

TEST_F(HexWindowTest, UnitsInTheOpenAndInStructuresAndMyUnitsOnly) {
    TVelHex& hex = *db.FindHex({4, 6, Level::Surface});
    hex.Structures.AddOrReplace(std::make_unique<TVelBuilding>(db));
    TVelBuilding& keep = *hex.Structures.Get(0);
    keep.Number = 2;
    AddUnit(hex.Units, 30, 3);
    AddUnit(hex.Units, 8, 0);
    AddUnit(keep.Units, 15, 2);
    AddUnit(keep.Units, 4, 3);
    TfrmHexInfo* window = Open(4, 6);
    EXPECT_EQ(Column(window->lstUnits(), 0), QStringList({"4", "8", "15", "30"}));
    EXPECT_EQ(Column(window->lstUnits(), 1), QStringList({"3", "???", "2", "3"}));
    const TListModel& units = window->lstUnits().Model();
    EXPECT_EQ(units.data(units.index(2, 1), Qt::ToolTipRole).toString(), "Wardens");
    EXPECT_FALSE(units.data(units.index(1, 1), Qt::ToolTipRole).isValid()) << "no hint for ???";
    EXPECT_EQ(units.Rows()[3].Children.size(), 1u) << "troop rows";
    EXPECT_EQ(Column(window->lstStructures(), 1), QStringList({"<unnamed>"}));
    EXPECT_EQ(window->lstStructures().Model().Rows()[0].Children[1].Cells[1].Text, "Unit 4 (4)");

    window->mnuShowMyUnits().setChecked(true);
    EXPECT_EQ(Column(window->lstUnits(), 0), QStringList({"4", "30"}));
    window->mnuShowMyUnits().setChecked(false);
    EXPECT_EQ(Column(window->lstUnits(), 0).size(), 4);

    // A troop row opens its unit; a unit row of a structure opens that unit.
    window->lstUnits().setCurrentIndex(units.index(0, 0, units.index(3, 0)));
    emit window->lstUnits().RowChosen();
    EXPECT_NE(windows.Units.FindForm(UnitKey{30}), nullptr);
}

TEST_F(HexWindowTest, NotesAreWrittenBackOnLeavingClosingAndBeforeAChange) {
    TfrmHexInfo* window = Open(4, 6);
    window->edNotes().setPlainText("ford\nhere");
    QTextCursor cursor = window->edNotes().textCursor();
    cursor.setPosition(2);
    window->edNotes().setTextCursor(cursor);
    std::vector<RecordChange> changes;
    QObject::connect(&notice, &TRecordsNotice::RecordsChanged, [&changes](RecordChange kind) { changes.push_back(kind); });
    notice.CommitEdits();
    EXPECT_EQ(db.FindHex({4, 6, Level::Surface})->Notes, "ford\r\nhere");
    // Announced, and the refill that follows leaves the cursor where it was.
    EXPECT_EQ(changes, std::vector<RecordChange>{RecordChange::EditsWritten});
    EXPECT_EQ(window->edNotes().textCursor().position(), 2);
    notice.CommitEdits();
    EXPECT_EQ(changes.size(), 1u);  // nothing new typed, nothing announced

    window->edNotes().setPlainText("kept over the change");
    notice.Change(RecordChange::TurnImported, [&] {
        auto newer = MakeHex(db, 4, 6, true, 6, Level::Surface);
        newer->SetTerrainName("Forest");
        db.OverworldHexes.AddOrMerge(std::move(newer));
    });
    EXPECT_EQ(window->windowTitle(), "[4, 6] Forest in ");
    EXPECT_EQ(window->edNotes().toPlainText(), "kept over the change");

    window->edNotes().setPlainText("at close");
    window->close();
    QApplication::processEvents();
    EXPECT_EQ(db.FindHex({4, 6, Level::Surface})->Notes, "at close");
    EXPECT_EQ(windows.Hexes.FindForm({4, 6, Level::Surface}), nullptr);
}

TEST_F(HexWindowTest, RegistryKeepsOneWindowPerHexAndItsMenuInOpeningOrder) {
    AddHex(2, 2, Level::Surface);
    AddHex(6, 6, Level::Surface);
    TfrmHexInfo* first = Open(4, 6);
    Open(2, 2);
    Open(6, 6);
    first->edNotes().setPlainText("typed");
    EXPECT_EQ(Open(4, 6), first);
    EXPECT_EQ(first->edNotes().toPlainText(), "typed") << "asking again does not refill";
    ASSERT_EQ(hex_menu.actions().size(), 3);

    delete windows.Hexes.FindForm({2, 2, Level::Surface});
    QStringList entries;
    for (QAction* entry : hex_menu.actions()) entries << entry->text();
    EXPECT_EQ(entries, QStringList({"4, 6 Plain in ", "6, 6 Plain in "}));
    EXPECT_TRUE(hex_menu.isEnabled());

    notice.Change(RecordChange::Cleared, [&] { db.Clear(); });
    EXPECT_TRUE(windows.Hexes.Forms().empty()) << "windows of freed hexes close";
    EXPECT_FALSE(hex_menu.isEnabled());
}

}  // namespace
}  // namespace hexwarden
