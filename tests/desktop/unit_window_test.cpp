#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include "model/database.h"
#include "tests/support/database_builder.h"
#include "windows/faction_list.h"
#include "windows/faction_window.h"
#include "windows/hex_window.h"
#include "windows/information_windows.h"
#include "windows/position_history.h"
#include "windows/structure_window.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

using testing::MakeUnit;
using testing::PlaceInHex;

class UnitWindowTest : public ::testing::Test {
protected:
    UnitWindowTest() { db.Factions.AddOrRename("Ironhold", 12); }

    TVelUnit& AddUnit(int32_t number, int32_t faction = 12, int32_t x = 4, int32_t y = 6) {
        auto unit = MakeUnit(db, number, faction, x, y, 3);
        unit->Name = "Scouts";
        return *db.Units.AddOrReplace(std::move(unit));
    }

    TfrmUnitInfo* Open(int32_t number) {
        windows.ShowUnit(UnitKey{number}, nullptr);
        return windows.Units.FindForm(UnitKey{number});
    }

    static QString Text(const TfrmUnitInfo* window, const char* name) {
        if (auto* button = window->findChild<QToolButton*>(name)) return button->text();
        return window->findChild<QLabel*>(name)->text();
    }
    static bool Shown(const TfrmUnitInfo* window, const char* name) { return !window->findChild<QWidget*>(name)->isHidden(); }
    static void Click(const TfrmUnitInfo* window, const char* name) { window->findChild<QToolButton*>(name)->click(); }
    static QStringList Column(const TTreeList& list, size_t column) {
        QStringList texts;
        for (const ListRow& row : list.Model().Rows()) texts << row.Cells.at(column).Text;
        return texts;
    }

    TVelMain db;
    TRecordsNotice notice;
    QWidget owner;
    InformationWindows windows{db, notice, &owner, {}};
};

TEST_F(UnitWindowTest, CaptionsNameTheUnitAndItsLastTurn) {
    AddUnit(7);
    TfrmUnitInfo unfilled(windows, UnitKey{7});
    EXPECT_EQ(unfilled.windowTitle(), "Unit Details");
    const TfrmUnitInfo* window = Open(7);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "(7) Scouts [Turn 3]");
    EXPECT_EQ(window->MenuCaption(), "(7) Scouts");
    EXPECT_EQ(window->width(), 516);
}

TEST_F(UnitWindowTest, FactionBarShowsKnownAndUnknownFactions) {
    AddUnit(1, 12);
    AddUnit(2, 99).FactionConfirmed = false;
    AddUnit(3, 0);
    const TfrmUnitInfo* known = Open(1);
    EXPECT_EQ(Text(known, "btnFaction"), "[12]");
    EXPECT_EQ(Text(known, "lblFactionName"), "Ironhold");
    EXPECT_FALSE(Shown(known, "btnSuspected"));
    Click(known, "btnFaction");
    EXPECT_NE(windows.Factions.FindForm(FactionKey{12}), nullptr);

    for (int32_t number : {2, 3}) {
        const TfrmUnitInfo* unknown = Open(number);
        EXPECT_EQ(Text(unknown, "btnFaction"), "???");
        EXPECT_EQ(Text(unknown, "lblFactionName"), "<Unknown>");
        Click(unknown, "btnFaction");
    }
    EXPECT_TRUE(Shown(Open(2), "btnSuspected"));
    EXPECT_EQ(windows.Factions.Forms().size(), 1u);
}

TEST_F(UnitWindowTest, SuspectedFactionIsPickedFromTheFactionList) {
    db.Factions.AddOrRename("Shadows", 40);
    AddUnit(2, 0);
    TfrmUnitInfo* window = Open(2);
    window->edOrders().setPlainText("hide");
    const auto pick = [&](int row) {
        QTimer::singleShot(0, [row] {
            auto* list = qobject_cast<TfrmFactionList*>(QApplication::activeModalWidget());
            if (list == nullptr) return;
            if (row < 0) return list->reject();
            list->treeList().setCurrentIndex(list->treeList().Model().index(row, 0));
            list->findChild<QPushButton*>("btnSelect")->click();
        });
        Click(window, "btnSuspected");
    };
    pick(-1);
    EXPECT_EQ(Text(window, "btnFaction"), "???");
    pick(1);  // by number: 12, 40
    EXPECT_EQ(Text(window, "btnFaction"), "[40]");
    EXPECT_EQ(Text(window, "lblFactionName"), "Shadows");
    EXPECT_TRUE(Shown(window, "btnSuspected"));
    // What was typed went back before the change and is still there.
    EXPECT_EQ(window->edOrders().toPlainText(), "hide");
}

TEST_F(UnitWindowTest, FlagsTotalsAndCombatSpell) {
    TVelUnit& unit = AddUnit(5);
    unit.Flags = 2 | 128;
    unit.Troops.AddTroops("HUMA", 3);
    unit.Troops.AddTroops("ELF", 4);
    unit.CombatSpell = "fireball";
    const TfrmUnitInfo* window = Open(5);
    EXPECT_EQ(Text(window, "lblSilver"), "0");
    EXPECT_EQ(Text(window, "lblStrength"), "7");
    EXPECT_EQ(Text(window, "lblCombatSpell"), "---");
    EXPECT_EQ(Column(window->lstTroops(), 2), QStringList({"3", "4"}));
    QStringList ticked;
    for (const QCheckBox* mark : window->findChildren<QCheckBox*>()) {
        if (mark->isChecked()) ticked << mark->text();
    }
    EXPECT_EQ(ticked, QStringList({"Behind", "Autotax"}));

    notice.Change(RecordChange::TurnImported, [&] {
        unit.Items.AddNew("SILV", 0, 250);
        unit.Skills.AddOrReplace(std::make_unique<TVelSkill>("FORC", 1, 30));
    });
    EXPECT_EQ(Text(window, "lblSilver"), "250");
    EXPECT_EQ(Text(window, "lblCombatSpell"), "fireball");
}

TEST_F(UnitWindowTest, SkillLevelsShowExtraDaysAndSortByLevelThenDays) {
    TVelUnit& unit = AddUnit(5);
    unit.Skills.AddOrReplace(std::make_unique<TVelSkill>("AAAA", 3, 200));
    unit.Skills.AddOrReplace(std::make_unique<TVelSkill>("BBBB", 3, 180));
    unit.Skills.AddOrReplace(std::make_unique<TVelSkill>("CCCC", 2, 280));
    unit.Skills.AddOrReplace(std::make_unique<TVelSkill>("DDDD", 3, 190));
    TfrmUnitInfo* window = Open(5);
    TTreeList& skills = window->lstSkills();
    EXPECT_EQ(Column(skills, 1), QStringList({"AAAA", "BBBB", "CCCC", "DDDD"}));
    EXPECT_EQ(Column(skills, 2), QStringList({"3 (+20)", "3", "2 (+190)", "3 (+10)"}));
    skills.sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(Column(skills, 1), QStringList({"CCCC", "BBBB", "DDDD", "AAAA"}));
}

TEST_F(UnitWindowTest, PlaceButtonsOpenOnlyKnownPlaces) {
    TVelUnit& unit = AddUnit(5, 12, 4, 6);
    TVelHex& hex = PlaceInHex(db, unit);
    auto structure = std::make_unique<TVelBuilding>(db);
    structure->Number = 3;
    hex.Structures.Add(std::move(structure));
    unit.LastX = 2;
    unit.LastY = 0;
    unit.LastWhere = Level::Surface;
    db.OverworldHexes.AddOrMerge(testing::MakeHex(db, 2, 0));
    const TfrmUnitInfo* window = Open(5);
    EXPECT_EQ(Text(window, "btnPosition"), "4,6");
    EXPECT_EQ(Text(window, "btnLastPosition"), "2,0");
    EXPECT_FALSE(Shown(window, "btnInside"));
    Click(window, "btnLastPosition");
    EXPECT_NE(windows.Hexes.FindForm(HexKey{2, 0, Level::Surface}), nullptr);
    Click(window, "btnPosition");
    EXPECT_NE(windows.Hexes.FindForm(HexKey{4, 6, Level::Surface}), nullptr);

    // Inside a structure, then standing nowhere known.
    notice.Change(RecordChange::TurnImported, [&] {
        unit.Inside = 3;
        unit.LastX = -1;
        unit.X = -1;
    });
    EXPECT_TRUE(Shown(window, "btnInside"));
    EXPECT_EQ(Text(window, "btnPosition"), "<Unknown>");
    EXPECT_EQ(Text(window, "btnLastPosition"), "<Unknown>");
    Click(window, "btnInside");
    EXPECT_TRUE(windows.Structures.Forms().empty());  // no hex at an unknown place
    for (const char* button : {"btnPosition", "btnLastPosition"}) Click(window, button);
    EXPECT_EQ(windows.Hexes.Forms().size(), 2u);
    notice.Change(RecordChange::TurnImported, [&] { unit.X = 4; });
    Click(window, "btnInside");
    EXPECT_NE(windows.Structures.FindForm(StructureKey{HexKey{4, 6, Level::Surface}, 3}), nullptr);
}

TEST_F(UnitWindowTest, TabLeavesTheOrdersAndNotesEditors) {
    AddUnit(5);
    TfrmUnitInfo* window = Open(5);
    window->activateWindow();
    for (QPlainTextEdit* editor : {&window->edOrders(), &window->edNotes()}) {
        window->findChild<QTabWidget*>("pgUnit")->setCurrentWidget(editor);
        editor->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(editor->hasFocus()) << editor->objectName().toStdString();
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        QApplication::sendEvent(editor, &tab);
        EXPECT_FALSE(editor->toPlainText().contains(QLatin1Char('\t'))) << editor->objectName().toStdString();
        EXPECT_FALSE(editor->hasFocus()) << editor->objectName().toStdString();
    }
}

TEST_F(UnitWindowTest, TypedOrdersAndNotesReachTheUnit) {
    TVelUnit& unit = AddUnit(5);
    unit.Orders = "work\r\n";
    TfrmUnitInfo* window = Open(5);
    EXPECT_EQ(window->edOrders().toPlainText(), "work\n");

    window->edOrders().setPlainText("move N\nwork  ");
    notice.CommitEdits();
    EXPECT_EQ(unit.Orders, "move N\r\nwork  ");

    // Text the user did not touch does not overwrite what the database got meanwhile.
    unit.Orders = "tax\r\n";
    unit.Notes = "from a map file";
    notice.CommitEdits();
    EXPECT_EQ(unit.Orders, "tax\r\n");
    EXPECT_EQ(unit.Notes, "from a map file");

    window->edNotes().setPlainText("spy?");
    ASSERT_EQ(unit.Notes, "from a map file");
    QWidget other;
    other.show();
    other.activateWindow();
    QApplication::processEvents();
    ASSERT_FALSE(window->isActiveWindow());
    EXPECT_EQ(unit.Notes, "spy?");

    window->edOrders().setPlainText("study FORC");
    window->close();
    EXPECT_EQ(unit.Orders, "study FORC");
}

TEST_F(UnitWindowTest, FollowsTheUnitThroughImportsAndClosesWhenItIsGone) {
    AddUnit(5);
    TfrmUnitInfo* window = Open(5);
    window->edOrders().setPlainText("pillage");
    notice.Change(RecordChange::TurnImported, [&] {
        auto newer = MakeUnit(db, 5, 12, 6, 8, 4);
        newer->Name = "Raiders";
        newer->Description = "armed to the teeth";
        db.Units.AddOrReplace(std::move(newer));
    });
    ASSERT_EQ(windows.Units.FindForm(UnitKey{5}), window);
    EXPECT_EQ(window->windowTitle(), "(5) Raiders [Turn 4]");
    EXPECT_EQ(Text(window, "btnPosition"), "6,8");
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("edDescription")->toPlainText(), "armed to the teeth");
    // Written back before the import, inherited by the new record, shown again.
    EXPECT_EQ(window->edOrders().toPlainText(), "pillage");
    EXPECT_EQ(db.Units.FindByNumber(5)->Orders, "pillage");

    notice.Change(RecordChange::Cleared, [&] { db.Clear(); });
    EXPECT_EQ(windows.Units.FindForm(UnitKey{5}), nullptr);
}

TEST_F(UnitWindowTest, PositionHistoryListsLatestTurnFirstAndTracks) {
    TVelUnit& unit = AddUnit(5, 12, 4, 6);  // turn 3
    unit.PositionHistory.AddPosition({10, 2, Level::Surface}, 1);
    unit.PositionHistory.AddPosition({7, 9, Level::Underworld}, 2);
    std::vector<int32_t> tracked;
    TfrmPosHistory untracked(windows, UnitKey{5}, nullptr);
    EXPECT_FALSE(untracked.findChild<QPushButton*>("btnTrack")->isEnabled());

    windows.TrackUnit = [&](int32_t number, QWidget*) { tracked.push_back(number); };
    TfrmUnitInfo* window = Open(5);
    QStringList turns;
    QStringList places;
    QTimer::singleShot(0, [&] {
        auto* history = qobject_cast<TfrmPosHistory*>(QApplication::activeModalWidget());
        ASSERT_NE(history, nullptr);
        EXPECT_EQ(history->windowTitle(), "Position History");
        turns = Column(history->treeList(), 0);
        places = Column(history->treeList(), 1);
        history->findChild<QPushButton*>("btnTrack")->click();
        history->close();
    });
    Click(window, "btnHistory");
    EXPECT_EQ(turns, QStringList({"3", "2", "1"}));
    EXPECT_EQ(places, QStringList({"4,6", "7,9*", "10,2"}));
    EXPECT_EQ(tracked, std::vector<int32_t>{5});
}

}  // namespace
}  // namespace hexwarden
