#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>
#include <gtest/gtest.h>

#include "tests/desktop/scripted_prompts.h"
#include "tests/support/database_builder.h"
#include "windows/index_list.h"
#include "windows/information_windows.h"
#include "windows/mages_report.h"
#include "windows/tree_list.h"
#include "windows/turn_events_report.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

using testing::MakeUnit;
using testing::ScriptedPrompts;

constexpr int32_t kPlayer = 5;

class ReportsTest : public ::testing::Test {
protected:
    ReportsTest() {
        db.Clear();
        db.FactionNumber = kPlayer;
    }

    TVelUnit& AddUnit(int32_t number, int32_t faction, const std::string& name, bool own = false) {
        TVelUnit* unit = db.Units.AddOrReplace(MakeUnit(db, number, faction, 2, 2));
        unit->Name = name;
        if (own) db.OwnUnits.AddUnique(unit);
        return *unit;
    }
    // An own unit knowing each (code, level, days).
    TVelUnit& AddMage(int32_t number, std::initializer_list<TVelSkill> skills) {
        TVelUnit& unit = AddUnit(number, kPlayer, "Mage " + std::to_string(number), true);
        for (const TVelSkill& skill : skills) {
            unit.Skills.AddOrReplace(std::make_unique<TVelSkill>(skill.Code, skill.Level, skill.Days));
        }
        return unit;
    }

    TVelMain db;
    TRecordsNotice notice;
    QWidget owner;
    InformationWindows windows{db, notice, &owner, {}};
};

// Each top-level row's cell texts in one column, in the order shown.
std::vector<QString> Column(const TTreeList& list, int column) {
    std::vector<QString> texts;
    for (const ListRow& row : list.Model().Rows()) texts.push_back(row.Cells[static_cast<size_t>(column)].Text);
    return texts;
}

const ListRow* RowWithCode(const TTreeList& list, const QString& code) {
    for (const ListRow& row : list.Model().Rows()) {
        if (row.Cells[1].Text == code) return &row;
    }
    return nullptr;
}

template <typename Widget>
Widget& Child(const QWidget& window, const char* name) {
    auto* child = window.findChild<Widget*>(QString::fromLatin1(name));
    if (child == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return *child;
}

TEST_F(ReportsTest, IndexListShowsCodeSingularNameAndSwatchSortedOnCodeAndFollowsChanges) {
    db.ItemTypes.Clear();
    db.ItemTypes.AddOrUpdate("sword", "swords", 0x0000FF, "SWOR");
    db.ItemTypes.AddOrUpdate("axe", "axes", 0, "axe");
    db.ItemTypes.AddOrUpdate("", "Bows", 0x00FF00, "BOW");

    QTimer::singleShot(0, [] {
        auto* list = qobject_cast<TfrmTIndexList*>(QApplication::activeModalWidget());
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->windowTitle(), "Items");
        const TTreeList& rows = list->treeList();
        EXPECT_GE(list->width(), 286);
        EXPECT_GE(rows.viewport()->width(), rows.header()->length()) << "opens wide enough for its columns";
        EXPECT_EQ(Column(rows, 0), (std::vector<QString>{"axe", "BOW", "SWOR"}));
        EXPECT_EQ(Column(rows, 1), (std::vector<QString>{"Axe", "Bows", "Sword"}));
        // Without a colour the swatch is black, not left out.
        EXPECT_EQ(rows.Model().Rows()[0].Cells[2].Swatch, 0u);
        EXPECT_EQ(rows.Model().Rows()[2].Cells[2].Swatch, 0x0000FFu);
        list->reject();
    });
    TfrmTIndexList::ShowIndexList(windows, &owner, &TVelMain::ItemTypes, QStringLiteral("Items"));

    TfrmTIndexList list(windows, &owner, &TVelMain::ItemTypes, QStringLiteral("Items"));
    notice.Change(RecordChange::Cleared, [this] {
        db.ItemTypes.Clear();
        db.ItemTypes.AddOrUpdate("Shield", "Shields", 0, "SHIE");
    });
    EXPECT_EQ(Column(list.treeList(), 0), std::vector<QString>{"SHIE"});
}

TEST_F(ReportsTest, MagesReportWithoutMagesHasOnlyNameAndCode) {
    db.Magic = {3, 1, 4};
    AddMage(10, {{"COMB", 3, 180}});
    TfrmReportMages report(windows, &owner);
    EXPECT_EQ(report.windowTitle(), "Report: Mages");
    EXPECT_TRUE(report.Mages().empty());
    EXPECT_TRUE(report.treeList().Model().Rows().empty());
    for (int column = 2; column < report.treeList().Model().columnCount(); ++column) {
        EXPECT_TRUE(report.treeList().isColumnHidden(column)) << column;
    }
    EXPECT_FALSE(report.treeList().isColumnHidden(1));
    EXPECT_EQ(Child<QLabel>(report, "lblFactionPoints").text(), "3");
    EXPECT_EQ(Child<QLabel>(report, "lblMages").text(), "1");
    EXPECT_EQ(Child<QLabel>(report, "lblMaxMages").text(), "4");
    EXPECT_EQ(Child<QLabel>(report, "lblMaxMages").accessibleName(), "Max Mages");
}

TEST_F(ReportsTest, MagesShareSkillRowsAndShowStudyMarks) {
    db.SkillTypes.AddOrUpdate("Force", "Force", 0, "FORC");
    AddMage(12, {{"FORC", 1, 59}, {"PATT", 2, 150}, {"XYZZ", 5, 450}});
    AddMage(7, {{"forc", 1, 60}, {"SPIR", 1, 30}});
    AddUnit(8, kPlayer, "Not in the last report").Skills.AddOrReplace(std::make_unique<TVelSkill>("FORC", 1, 30));
    AddMage(9, {{"COMB", 1, 30}});  // no magic skill

    TfrmReportMages report(windows, &owner);
    ASSERT_EQ(report.Mages(), (std::vector<UnitKey>{{12}, {7}}));
    EXPECT_EQ(report.TopHeading(0), "Spells");
    EXPECT_EQ(report.BottomHeading(1), "Code");
    EXPECT_EQ(report.TopHeading(3), "7");
    EXPECT_EQ(report.BottomHeading(3), "Mage 7");
    EXPECT_FALSE(report.treeList().isColumnHidden(3));
    EXPECT_TRUE(report.treeList().isColumnHidden(4));

    const TTreeList& list = report.treeList();
    EXPECT_EQ(list.Model().Rows().size(), 4u);
    const ListRow* force = RowWithCode(list, "FORC");
    ASSERT_NE(force, nullptr);
    EXPECT_EQ(force->Cells[0].Text, "Force");
    EXPECT_EQ(force->Cells[2].Text, "1");
    EXPECT_EQ(force->Cells[3].Text, "1+1");
    const ListRow* pattern = RowWithCode(list, "PATT");
    ASSERT_NE(pattern, nullptr);
    EXPECT_EQ(pattern->Cells[0].Text, "<UNKNOWN>");
    EXPECT_EQ(pattern->Cells[2].Text, "2+2");
    EXPECT_EQ(pattern->Cells[3].Text, "");
    EXPECT_EQ(RowWithCode(list, "XYZZ")->Cells[2].Text, "5");
}

TEST_F(ReportsTest, MagesReportShowsEveryMageNotOnlySeven) {
    for (int32_t number = 1; number <= 9; ++number) AddMage(number, {{"SPIR", 1, 30}});
    TfrmReportMages report(windows, &owner);
    EXPECT_EQ(report.Mages().size(), 9u);
    EXPECT_EQ(report.treeList().Model().columnCount(), 11);
    EXPECT_FALSE(report.treeList().isColumnHidden(10));
    EXPECT_EQ(report.treeList().Model().Rows()[0].Cells[10].Text, "1");
}

TEST_F(ReportsTest, MageColumnPutsKnownSkillsFirstByDaysThenByNameWhateverTheLastSort) {
    const std::pair<const char*, const char*> skills[] = {{"Beta", "BETA"},   {"alpha", "ALPH"},  {"Gamma", "GAMM"},
                                                          {"Delta", "DELT"},  {"Epsilon", "EPSI"}, {"Force", "FORC"},
                                                          {"Spirit", "SPIR"}};
    for (const auto& [name, code] : skills) db.SkillTypes.AddOrUpdate(name, name, 0, code);
    AddMage(1, {{"BETA", 1, 100}, {"ALPH", 1, 100}, {"GAMM", 1, 30}, {"FORC", 1, 30}});
    AddMage(2, {{"DELT", 1, 30}, {"EPSI", 1, 30}, {"SPIR", 1, 30}});
    TfrmReportMages report(windows, &owner);
    TTreeList& list = report.treeList();
    const std::vector<QString> expected = {"Force", "Gamma", "Alpha", "Beta", "Delta", "Epsilon", "Spirit"};

    list.sortByColumn(1, Qt::DescendingOrder);
    list.sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(Column(list, 0), expected);

    list.sortByColumn(2, Qt::DescendingOrder);
    EXPECT_EQ(Column(list, 0), std::vector<QString>(expected.rbegin(), expected.rend()));
}

TEST_F(ReportsTest, MagesReportOpensMagesAndAnswersForSkills) {
    ScriptedPrompts prompts;
    AddMage(12, {{"FORC", 1, 30}});
    TfrmReportMages report(windows, &owner);
    TTreeList& list = report.treeList();

    list.setCurrentIndex(list.Model().index(0, 1));
    emit list.RowChosen();
    EXPECT_EQ(prompts.Shown,
              QStringList{"information: Skill details are not available yet.\n\nThey will come soon!"});
    EXPECT_EQ(windows.Units.FindForm({12}), nullptr);
    list.setCurrentIndex(list.Model().index(0, 2));
    emit list.RowChosen();
    EXPECT_NE(windows.Units.FindForm({12}), nullptr);

    auto& mage = Child<QAction>(report, "mnuViewMage");
    auto& skill = Child<QAction>(report, "mnuViewSkill");
    report.PreparePopup(1, true, false);
    EXPECT_FALSE(mage.isEnabled());
    EXPECT_TRUE(skill.isEnabled());
    report.PreparePopup(2, false, true);
    EXPECT_TRUE(mage.isEnabled());
    EXPECT_FALSE(skill.isEnabled());
}

class TurnEventsTest : public ReportsTest {
protected:
    TurnEventsTest() {
        AddUnit(30, kPlayer, "Quiet Own");
        AddUnit(20, 7, "Stranger").Events = "Attacked by bandits.";
        AddUnit(40, 7, "Quiet Stranger");
        AddUnit(10, kPlayer, "Scouts").Events = "Earns 20 silver.\r\nMoves north.\rStudies.\nEnds.\r\n";
    }
};

std::vector<int32_t> ShownUnits(const TTreeList& list) {
    std::vector<int32_t> numbers;
    for (const ListRow& row : list.Model().Rows()) numbers.push_back(std::get<UnitKey>(row.Key).Number);
    return numbers;
}

TEST_F(TurnEventsTest, ListsUnitsWithEventsMineOnlyUntilUnticked) {
    TfrmRepTurnEvents report(windows, &owner);
    EXPECT_EQ(report.windowTitle(), "Turn Events");
    EXPECT_TRUE(report.MyUnitsOnly());
    EXPECT_EQ(ShownUnits(report.treeList()), std::vector<int32_t>{10});

    Child<QAction>(report, "mnuShowMyUnitsOnly").trigger();
    EXPECT_EQ(ShownUnits(report.treeList()), (std::vector<int32_t>{10, 20}));
    EXPECT_EQ(report.treeList().Model().Rows()[1].Cells[2].Text, "Stranger");
    Child<QAction>(report, "mnuShowMyUnitsOnly").trigger();
    EXPECT_EQ(ShownUnits(report.treeList()), std::vector<int32_t>{10});
}

TEST_F(TurnEventsTest, SplitsEventsAtEveryKindOfLineBreak) {
    TfrmRepTurnEvents report(windows, &owner);
    const ListRow& scouts = report.treeList().Model().Rows()[0];
    std::vector<QString> lines;
    for (const ListRow& line : scouts.Children) lines.push_back(line.Cells[2].Text);
    EXPECT_EQ(lines, (std::vector<QString>{"Earns 20 silver.", "Moves north.", "Studies.", "Ends."}));
}

TEST_F(TurnEventsTest, EventLineOpensItsUnitAndOpenRowsStayOpenOverARefill) {
    TfrmRepTurnEvents report(windows, &owner);
    TTreeList& list = report.treeList();
    Child<QToolButton>(report, "btnExpandAll").click();
    const QModelIndex scouts = list.Model().index(0, 0);
    EXPECT_TRUE(list.isExpanded(scouts));
    list.setCurrentIndex(list.Model().index(2, 0, scouts));
    emit list.RowChosen();
    EXPECT_NE(windows.Units.FindForm({10}), nullptr);

    notice.Change(RecordChange::TurnImported, [this] { db.Units.FindByNumber(30)->Events = "Arrives."; });
    EXPECT_EQ(ShownUnits(list), (std::vector<int32_t>{10, 30}));
    EXPECT_TRUE(list.isExpanded(list.Model().index(0, 0)));
    EXPECT_FALSE(list.isExpanded(list.Model().index(1, 0)));
    Child<QToolButton>(report, "btnCollapseAll").click();
    EXPECT_FALSE(list.isExpanded(list.Model().index(0, 0)));
}

TEST_F(TurnEventsTest, CopiedEventLinesNameTheirUnit) {
    TfrmRepTurnEvents report(windows, &owner);
    Child<QAction>(report, "mnuShowMyUnitsOnly").setChecked(false);
    TTreeList& list = report.treeList();
    list.expandAll();
    ASSERT_EQ(ShownUnits(list), (std::vector<int32_t>{10, 20}));
    // Picked out of order: the copy follows the list.
    const auto pick = [&list](const QModelIndex& index) {
        list.selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    pick(list.Model().index(0, 0, list.Model().index(1, 0)));
    pick(list.Model().index(1, 0, list.Model().index(0, 0)));
    pick(list.Model().index(0, 0));
    QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(&list, &copy);
    EXPECT_EQ(QApplication::clipboard()->text(), "Unit ID\tFaction\tUnit Events\n"
                                                 "10\t5\tScouts\n"
                                                 "10\t5\tMoves north.\n"
                                                 "20\t7\tAttacked by bandits.\n");
}

}  // namespace
}  // namespace hexwarden
