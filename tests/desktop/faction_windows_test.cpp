#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <optional>
#include <stdexcept>
#include <gtest/gtest.h>

#include "tests/support/database_builder.h"
#include "windows/faction_list.h"
#include "windows/faction_window.h"
#include "windows/information_windows.h"
#include "windows/structure_window.h"
#include "windows/tree_list.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

using testing::MakeHex;
using testing::MakeUnit;

const HexKey kTowerHex{4, 6, Level::Surface};

class FactionWindowsTest : public ::testing::Test {
protected:
    // A new database: default attitude "Neutral", default races.
    FactionWindowsTest() { db.Clear(); }

    TVelUnit& AddUnit(int32_t number, int32_t faction, int32_t x, int32_t y, Level level = Level::Surface) {
        TVelUnit* unit = db.Units.AddOrReplace(MakeUnit(db, number, faction, x, y, 1, level));
        unit->Name = "Unit " + std::to_string(number);
        unit->Troops.AddTroops("VIKI", 3);
        unit->Troops.AddTroops("LEAD", 1);
        return *unit;
    }

    TVelBuilding& AddTower(int32_t needs = 0) {
        TVelHex* hex = db.FindHex({kTowerHex.X, kTowerHex.Y, Level::Surface});
        if (hex == nullptr) hex = db.HexesOf(Level::Surface).AddOrMerge(MakeHex(db, kTowerHex.X, kTowerHex.Y));
        auto tower = std::make_unique<TVelBuilding>(db);
        tower->Number = 5;
        tower->Name = "Tower";
        tower->Kind = "Tower";
        tower->Description = "Tall and grey.";
        tower->Needs = needs;
        return *hex->Structures.AddOrReplace(std::move(tower));
    }

    TfrmFaction* OpenFaction(int32_t number) {
        windows.ShowFaction({number}, nullptr);
        return windows.Factions.FindForm({number});
    }
    TfrmStructure* OpenTower() {
        windows.ShowStructure({kTowerHex, 5}, nullptr);
        return windows.Structures.FindForm({kTowerHex, 5});
    }

    TVelMain db;
    TRecordsNotice notice;
    QWidget owner;
    InformationWindows windows{db, notice, &owner, {}};
};

template <typename Widget>
Widget& Child(const QWidget* window, const char* name) {
    auto* child = window->findChild<Widget*>(QString::fromLatin1(name));
    if (child == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return *child;
}

TTreeList& Units(const QWidget* window) { return Child<TTreeList>(window, "lstUnits"); }

// The key of each top-level row, in the order shown.
template <typename Key>
std::vector<int32_t> ShownNumbers(const TTreeList& list) {
    std::vector<int32_t> numbers;
    for (const ListRow& row : list.Model().Rows()) {
        if (const auto* key = std::get_if<Key>(&row.Key)) numbers.push_back(key->Number);
    }
    return numbers;
}

void SelectRow(TTreeList& list, int row, int child = -1) {
    QModelIndex index = list.Model().index(row, 0);
    if (child >= 0) index = list.Model().index(child, 0, index);
    list.setCurrentIndex(index);
}

// Answers the next colour picker with the colour, or cancels it when none is given.
void AnswerColourPicker(std::optional<QColor> colour) {
    QTimer::singleShot(0, [colour] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* picker = qobject_cast<QColorDialog*>(widget);
            if (picker == nullptr || !picker->isVisible()) continue;
            if (!colour) {
                picker->reject();
                return;
            }
            picker->setCurrentColor(*colour);
            picker->accept();
            return;
        }
        ADD_FAILURE() << "no colour picker open";
    });
}

TEST_F(FactionWindowsTest, FactionWindowShowsNameAttitudeAndItsUnitsOnly) {
    db.Factions.AddOrRename("Strangers", 0);
    TVelFaction* friends = db.Factions.AddOrRename("Friends", 8);
    friends->Attitude = 4;
    AddUnit(30, 8, 2, 2);
    AddUnit(31, 0, 2, 2);
    AddUnit(20, 8, 4, 4);

    TfrmFaction* window = OpenFaction(0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "[???] Strangers");
    EXPECT_EQ(window->MenuCaption(), "[???] Strangers");
    EXPECT_EQ(Child<QLabel>(window, "lblAttitude").text(), "Default (Neutral)");
    EXPECT_EQ(ShownNumbers<UnitKey>(Units(window)), std::vector<int32_t>{31});

    window = OpenFaction(8);
    EXPECT_EQ(window->windowTitle(), "[8] Friends");
    EXPECT_EQ(Child<QLabel>(window, "lblAttitude").text(), "Friendly");
    EXPECT_EQ(ShownNumbers<UnitKey>(Units(window)), (std::vector<int32_t>{20, 30}));
    const ListRow& first = Units(window).Model().Rows()[0];
    ASSERT_EQ(first.Children.size(), 2u);
    EXPECT_EQ(first.Cells[2].Text, "4");
    EXPECT_EQ(first.Cells[3].Text, "4,4");
    EXPECT_EQ(first.Children[0].Cells.size(), first.Cells.size());

    // An attitude from a damaged file is shown as nothing rather than read past the table.
    friends->Attitude = 200;
    notice.Change(RecordChange::FactionsImported, [] {});
    EXPECT_EQ(Child<QLabel>(window, "lblAttitude").text(), "");
}

TEST_F(FactionWindowsTest, FactionHexColumnPutsOverworldBeforeUnderworld) {
    db.Factions.AddOrRename("Friends", 8);
    db.OverworldHexes.AddOrMerge(MakeHex(db, 0, 0));
    db.OverworldHexes.AddOrMerge(MakeHex(db, 20, 20));
    AddUnit(1, 8, 0, 0, Level::Underworld);
    AddUnit(2, 8, 20, 20);
    AddUnit(3, 8, 2, 2);
    AddUnit(4, 8, 900, 900);  // off the overworld's grid
    TTreeList& list = Units(OpenFaction(8));
    list.sortByColumn(3, Qt::AscendingOrder);
    EXPECT_EQ(ShownNumbers<UnitKey>(list), (std::vector<int32_t>{4, 3, 2, 1}));
    list.sortByColumn(3, Qt::DescendingOrder);
    EXPECT_EQ(ShownNumbers<UnitKey>(list), (std::vector<int32_t>{1, 2, 3, 4}));
}

TEST_F(FactionWindowsTest, FactionEditsReachTheFactionOnlyWhenChanged) {
    TVelFaction* faction = db.Factions.AddOrRename("Friends", 8);
    faction->Email = "old@example.org";
    faction->Colour = 0x00FF00;
    TfrmFaction* window = OpenFaction(8);
    EXPECT_EQ(Child<QLineEdit>(window, "edEmail").text(), "old@example.org");
    std::vector<RecordChange> changes;
    QObject::connect(&notice, &TRecordsNotice::RecordsChanged, [&changes](RecordChange kind) { changes.push_back(kind); });

    AnswerColourPicker(std::nullopt);
    window->PickColour();
    EXPECT_TRUE(changes.empty());
    // A colour picked goes in at once, so the maps repaint the faction's wedges in it.
    AnswerColourPicker(QColor(255, 0, 0));
    window->PickColour();
    EXPECT_EQ(Child<TColourSwatch>(window, "shpColour").Colour(), 0x0000FFu);
    EXPECT_EQ(faction->Colour, 0x0000FFu);
    EXPECT_EQ(changes, std::vector<RecordChange>{RecordChange::EditsWritten});

    // Changed elsewhere meanwhile: what the user did not touch is not put back over it.
    faction->Email = "new@example.org";
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows.Factions.FindForm({8}), nullptr);
    EXPECT_EQ(faction->Email, "new@example.org");
    EXPECT_EQ(changes.size(), 1u);  // closing changed nothing, so nothing more was announced

    window = OpenFaction(8);
    Child<QLineEdit>(window, "edEmail").setText(QString::fromUtf8("m\u00e4il@example.org"));
    window->close();
    EXPECT_EQ(faction->Email, "m\xc3\xa4il@example.org");
}

TEST_F(FactionWindowsTest, FactionWindowKeepsTypedTextOverAChangeAndClosesWhenTheFactionGoes) {
    TVelFaction* faction = db.Factions.AddOrRename("Friends", 8);
    TfrmFaction* window = OpenFaction(8);
    Child<QLineEdit>(window, "edEmail").setText("typed@example.org");
    notice.Change(RecordChange::FactionsImported, [&] {
        db.Factions.AddOrRename("Good Friends", 8);
        AddUnit(40, 8, 2, 2);
    });
    EXPECT_EQ(faction->Email, "typed@example.org");
    EXPECT_EQ(Child<QLineEdit>(window, "edEmail").text(), "typed@example.org");
    EXPECT_EQ(window->MenuCaption(), "[8] Good Friends");
    EXPECT_EQ(ShownNumbers<UnitKey>(Units(window)), std::vector<int32_t>{40});

    notice.Change(RecordChange::Cleared, [&] { db.Clear(); });
    EXPECT_EQ(windows.Factions.FindForm({8}), nullptr);
}

TEST_F(FactionWindowsTest, StructureOwnerFollowsItsFirstUnit) {
    TVelBuilding& tower = AddTower();
    TfrmStructure* window = OpenTower();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "[5]  Tower");
    EXPECT_EQ(window->MenuCaption(), "(5) Tower");
    EXPECT_EQ(Child<QPlainTextEdit>(window, "edDescription").toPlainText(), "Tall and grey.");
    auto& owner = Child<QPushButton>(window, "btnOwner");
    const auto shows = [&](const char* button, const char* label) {
        EXPECT_EQ(owner.text(), button);
        EXPECT_EQ(Child<QLabel>(window, "lblOwner").text(), label);
    };
    shows("---", "No Owner");
    owner.click();
    EXPECT_TRUE(windows.Factions.Forms().empty());

    const auto first_unit = [&](int32_t faction) {
        notice.Change(RecordChange::TurnImported, [&] {
            tower.Units.Clear();
            tower.Units.AddUnique(&AddUnit(100 + faction, faction, 4, 6));
            tower.Units.AddUnique(&AddUnit(99, 8, 4, 6));
        });
    };
    first_unit(0);
    shows("???", "<Unknown Faction>");
    db.Factions.AddOrRename("Nobody", 0);
    owner.click();
    EXPECT_TRUE(windows.Factions.Forms().empty());

    first_unit(7);
    shows("7", "<Unknown Faction>");
    owner.click();
    EXPECT_TRUE(windows.Factions.Forms().empty());

    db.Factions.AddOrRename("Sevens", 7);
    first_unit(7);
    shows("7", "Sevens");
    owner.click();
    EXPECT_NE(windows.Factions.FindForm({7}), nullptr);
}

TEST_F(FactionWindowsTest, StructureNeedsLineOnlyWhileWorkIsNeededAndWindowGoesWithTheStructure) {
    AddTower(0);
    TfrmStructure* window = OpenTower();
    EXPECT_TRUE(Child<QLabel>(window, "lblNeeds").isHidden());
    notice.Change(RecordChange::TurnImported, [&] { AddTower(12); });
    EXPECT_FALSE(Child<QLabel>(window, "lblNeeds").isHidden());
    EXPECT_EQ(Child<QLabel>(window, "lblNeeds").text(), "12");
    notice.Change(RecordChange::TurnImported, [&] { AddTower(-3); });
    EXPECT_TRUE(Child<QLabel>(window, "lblNeeds").isHidden());

    notice.Change(RecordChange::TurnImported, [&] { db.FindHex({4, 6, Level::Surface})->Structures.Clear(); });
    EXPECT_EQ(windows.Structures.FindForm({kTowerHex, 5}), nullptr);
}

TEST_F(FactionWindowsTest, StructureUnitListFiltersAndOpensUnits) {
    db.FactionNumber = 12;
    db.Factions.AddOrRename("Sevens", 7);
    TVelBuilding& tower = AddTower();
    tower.Units.AddUnique(&AddUnit(50, 7, 4, 6));
    tower.Units.AddUnique(&AddUnit(40, 12, 4, 6));
    tower.Units.AddUnique(&AddUnit(60, 0, 4, 6));
    TfrmStructure* window = OpenTower();
    TTreeList& list = Units(window);
    EXPECT_EQ(ShownNumbers<UnitKey>(list), (std::vector<int32_t>{40, 50, 60}));
    // The faction column names the faction as its hint, and "???" has none.
    EXPECT_EQ(list.Model().index(1, 1).data(Qt::ToolTipRole).toString(), "Sevens");
    EXPECT_EQ(list.Model().index(2, 1).data(Qt::DisplayRole).toString(), "???");
    EXPECT_FALSE(list.Model().index(2, 1).data(Qt::ToolTipRole).isValid());

    // "View Unit" wants a selection; on a troop row it opens the troop's unit.
    auto& view = Child<QAction>(window, "mnuViewUnit");
    EXPECT_FALSE(view.isEnabled());
    view.trigger();
    EXPECT_TRUE(windows.Units.Forms().empty());
    SelectRow(list, 1, 0);
    ASSERT_TRUE(view.isEnabled());
    view.trigger();
    EXPECT_NE(windows.Units.FindForm({50}), nullptr);

    // The filter holds over a refill, which leaves nothing selected.
    auto& mine = Child<QAction>(window, "mnuShowMyUnits");
    mine.trigger();
    EXPECT_EQ(ShownNumbers<UnitKey>(list), std::vector<int32_t>{40});
    notice.Change(RecordChange::TurnImported, [] {});
    EXPECT_EQ(ShownNumbers<UnitKey>(list), std::vector<int32_t>{40});
    EXPECT_FALSE(view.isEnabled());
    mine.trigger();
    EXPECT_EQ(ShownNumbers<UnitKey>(list), (std::vector<int32_t>{40, 50, 60}));
}

class FactionListTest : public FactionWindowsTest {
protected:
    FactionListTest() {
        db.Factions.AddOrRename("Zeds", 9);
        db.Factions.AddOrRename("Ayes", 12);
        db.Factions.AddOrRename("Mids", 3);
    }

    // Runs work on the list once its modal loop is running.
    static void WhenOpen(std::function<void(TfrmFactionList&)> work) {
        QTimer::singleShot(0, [work] {
            auto* list = qobject_cast<TfrmFactionList*>(QApplication::activeModalWidget());
            if (list == nullptr) {
                ADD_FAILURE() << "no faction list open";
                return;
            }
            work(*list);
        });
    }
};

TEST_F(FactionListTest, SelectionReturnsTheChosenFactionOrNothing) {
    WhenOpen([](TfrmFactionList& list) {
        EXPECT_TRUE(Child<QPushButton>(&list, "btnView").isHidden());
        EXPECT_EQ(ShownNumbers<FactionKey>(list.treeList()), (std::vector<int32_t>{3, 9, 12}));
        Child<QPushButton>(&list, "btnSelect").click();  // nothing selected: stays open
        EXPECT_TRUE(list.isVisible());
        SelectRow(list.treeList(), 1);
        Child<QPushButton>(&list, "btnSelect").click();
    });
    const std::optional<FactionKey> chosen = TfrmFactionList::SelectFaction(windows, &owner);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->Number, 9);

    WhenOpen([](TfrmFactionList& list) { emit list.treeList().RowChosen(); });
    QTimer::singleShot(20, [] {
        if (auto* list = qobject_cast<TfrmFactionList*>(QApplication::activeModalWidget())) {
            SelectRow(list->treeList(), 0);
            Child<QPushButton>(list, "btnClose").click();
        }
    });
    EXPECT_FALSE(TfrmFactionList::SelectFaction(windows, &owner));
}

TEST_F(FactionListTest, ViewingOpensFactionWindowsAndFollowsChanges) {
    TfrmFactionList list(windows, &owner, TfrmFactionList::Mode::Viewing);
    EXPECT_TRUE(Child<QPushButton>(&list, "btnSelect").isHidden());
    EXPECT_FALSE(Child<QPushButton>(&list, "btnView").isHidden());
    Child<QPushButton>(&list, "btnView").click();
    EXPECT_TRUE(windows.Factions.Forms().empty());

    SelectRow(list.treeList(), 2);
    emit list.treeList().RowChosen();
    EXPECT_NE(windows.Factions.FindForm({12}), nullptr);

    // A change of the records refills the rows; the selected faction stays selected.
    notice.Change(RecordChange::FactionsImported, [&] {
        db.Factions.AddOrRename("Bees", 1);
        db.Factions.Get(0)->Colour = 0x123456;
    });
    EXPECT_EQ(ShownNumbers<FactionKey>(list.treeList()), (std::vector<int32_t>{1, 3, 9, 12}));
    ASSERT_TRUE(list.Selected());
    EXPECT_EQ(list.Selected()->Number, 12);
    EXPECT_EQ(list.treeList().Model().Rows()[2].Cells[2].Swatch, 0x123456u);

    // A colour written back from a faction window is announced, and the list follows at once.
    TfrmFaction* twelve = windows.Factions.FindForm({12});
    Child<TColourSwatch>(twelve, "shpColour").SetColour(0x00ABCDu);
    twelve->close();
    EXPECT_EQ(list.treeList().Model().Rows()[3].Cells[2].Swatch, 0x00ABCDu);

    notice.Change(RecordChange::Cleared, [&] { db.Clear(); });
    EXPECT_TRUE(list.treeList().Model().Rows().empty());
    EXPECT_FALSE(list.Selected());
    EXPECT_TRUE(windows.Factions.Forms().empty());
}

}  // namespace
}  // namespace hexwarden
