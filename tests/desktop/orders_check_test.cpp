// Orders checked in the desktop program: marks in the unit window as the player types, the report
// of every own unit's problems, and the check before the orders file is written.
#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QEventLoop>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "model/hex.h"
#include "tests/desktop/scripted_prompts.h"
#include "tests/support/database_builder.h"
#include "tests/support/fixtures.h"
#include "windows/information_windows.h"
#include "windows/orders_highlighter.h"
#include "windows/orders_report.h"
#include "windows/records_notice.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

using testing::MakeHex;
using testing::MakeUnit;
using testing::PlaceInHex;
using testing::ScratchDir;
using testing::ScriptedPrompts;

// In unit 10's orders: a warning on line 2 (it has only 5 swords) and an error on line 3; unit 11
// moves into an unknown region, a warning.
const char* const kOrdersOfTen = "work\r\ngive 11 9 SWOR\r\nstudy";
const std::string kNotEnough = "GIVE: Not enough.";
const std::string kNoSkill = "STUDY: No skill given.";

// The check runs once typing has paused.
void WaitPastTheCheck() {
    QEventLoop loop;
    QTimer::singleShot(TOrdersHighlighter::kDelayMs + 100, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Underline {
    int Line;
    int Start;
    int Length;
    QColor Colour;
};

std::vector<Underline> Underlines(const QPlainTextEdit& editor) {
    std::vector<Underline> found;
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
            if (range.format.underlineStyle() == QTextCharFormat::WaveUnderline)
                found.push_back({block.blockNumber() + 1, range.start, range.length, range.format.underlineColor()});
        }
    }
    return found;
}

// Faction 3 with units 10 and 11 together in a plain; unit 10 carries five swords.
class OrdersCheckTest : public ::testing::Test {
protected:
    OrdersCheckTest() : main(scratch / "settings.ini") {
        TVelMain& db = main.Database();
        db.FactionNumber = 3;
        db.HexesOf(Level::Surface).AddOrMerge(MakeHex(db, 4, 4))->SetTerrainName("Plain");
        for (int32_t number : {10, 11}) {
            TVelUnit* unit = db.Units.AddOrReplace(MakeUnit(db, number, 3, 4, 4));
            unit->Name = number == 10 ? "Smiths" : "Guards";
            PlaceInHex(db, *unit);
            db.OwnUnits.AddUnique(unit);
        }
        db.Units.FindByNumber(10)->Items.AddNew("SWOR", 0, 5);
        db.Units.FindByNumber(10)->Orders = kOrdersOfTen;
        db.Units.FindByNumber(11)->Orders = "move n";
    }

    TfrmUnitInfo* Open(int32_t number) {
        main.InfoWindows().ShowUnit(UnitKey{number}, nullptr);
        return main.InfoWindows().Units.FindForm(UnitKey{number});
    }

    std::string Shown() const { return prompts.Shown.join('\n').toStdString(); }
    using Texts = std::vector<std::string>;
    static Texts Column(const TTreeList& list, size_t column) {
        Texts texts;
        for (const ListRow& row : list.Model().Rows()) texts.push_back(row.Cells.at(column).Text.toStdString());
        return texts;
    }

    ScratchDir scratch;
    ScriptedPrompts prompts;
    TfrmMain main;
};

TEST_F(OrdersCheckTest, UnitWindowUnderlinesProblemsAfterTypingStopsWithTheMessageAsHint) {
    TfrmUnitInfo* window = Open(10);
    ASSERT_NE(window, nullptr);
    QPlainTextEdit& editor = window->edOrders();
    // Opened: checked at once. The missing skill marks the word before the gap.
    const std::vector<Underline> opened = Underlines(editor);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ((std::tuple{opened[0].Line, opened[0].Start, opened[0].Length}), (std::tuple{2, 10, 4}));
    EXPECT_EQ(opened[0].Colour, ProblemColour(Severity::Warning));
    EXPECT_EQ((std::tuple{opened[1].Line, opened[1].Start, opened[1].Length}), (std::tuple{3, 0, 5}));
    EXPECT_EQ(opened[1].Colour, ProblemColour(Severity::Error));
    EXPECT_NE(opened[0].Colour, opened[1].Colour);

    const int second_line = editor.document()->findBlockByNumber(1).position();
    EXPECT_EQ(window->OrdersMarks().HintAt(second_line + 12).toStdString(), kNotEnough);
    EXPECT_EQ(window->OrdersMarks().HintAt(second_line + 9).toStdString(), "");

    // The hint shows over the underlined word, and not below the text.
    window->show();
    QApplication::processEvents();
    QTextCursor on_word(editor.document()->findBlockByNumber(2));
    on_word.setPosition(on_word.position() + 2);
    const QPoint inside = editor.cursorRect(on_word).center() + QPoint(2, 0);
    const auto hover = [&editor](QPoint at) {
        QHelpEvent event(QEvent::ToolTip, at, editor.viewport()->mapToGlobal(at));
        QApplication::sendEvent(editor.viewport(), &event);
    };
    hover(inside + QPoint(0, 3 * editor.fontMetrics().height()));
    EXPECT_FALSE(QToolTip::isVisible());
    hover(inside);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text().toStdString(), kNoSkill);
    QToolTip::hideText();

    // Typing clears the marks of the edited line until the check catches up; a wide character
    // before a problem does not shift its mark (columns are counted in bytes).
    QTextCursor typing(editor.document()->findBlockByNumber(2));
    typing.movePosition(QTextCursor::EndOfBlock);
    typing.insertText(QStringLiteral("\nname unit Größe Leute"));
    const std::vector<Underline> typing_marks = Underlines(editor);
    ASSERT_EQ(typing_marks.size(), 1u);
    EXPECT_EQ(typing_marks[0].Line, 2);
    EXPECT_EQ(window->OrdersMarks().HintAt(second_line + 12).toStdString(), "");
    WaitPastTheCheck();
    const std::vector<Underline> typed = Underlines(editor);
    ASSERT_EQ(typed.size(), 3u);
    EXPECT_EQ((std::tuple{typed[2].Line, typed[2].Start, typed[2].Length}), (std::tuple{4, 16, 5}));
    EXPECT_EQ(typed[2].Colour, ProblemColour(Severity::Warning));

    // Mended, the marks go.
    editor.setPlainText(QStringLiteral("give 11 5 SWOR\nstudy COMB"));
    WaitPastTheCheck();
    EXPECT_TRUE(Underlines(editor).empty());
}

TEST_F(OrdersCheckTest, ReportListsEveryOwnUnitsProblemsAndOpensTheUnitAtTheLine) {
    main.Database().Units.FindByNumber(11)->Orders = "work\r\n\r\nclaim x";
    TfrmOrdersReport report(main.InfoWindows(), &main);
    const TTreeList& list = report.treeList();
    EXPECT_EQ(Column(list, 0), (Texts{"(10) Smiths", "(10) Smiths", "(11) Guards"}));
    EXPECT_EQ(Column(list, 1), (Texts{"2", "3", "3"}));
    EXPECT_EQ(Column(list, 2), (Texts{"warning", "error", "error"}));
    EXPECT_EQ(Column(list, 3)[0] + " " + Column(list, 3)[1], kNotEnough + " " + kNoSkill);

    // Orders typed in an open window count once written back, as the window closes, say: the
    // write-back is announced and the report follows.
    TfrmUnitInfo* ten = Open(10);
    ten->edOrders().setPlainText(QStringLiteral("work"));
    ten->close();
    EXPECT_EQ(Column(list, 0), (Texts{"(11) Guards"}));

    report.treeList().setCurrentIndex(list.Model().index(0, 0));
    emit report.treeList().RowChosen();
    TfrmUnitInfo* eleven = main.InfoWindows().Units.FindForm(UnitKey{11});
    ASSERT_NE(eleven, nullptr);
    EXPECT_EQ(eleven->findChild<QTabWidget*>(QStringLiteral("pgUnit"))->currentWidget(), &eleven->edOrders());
    EXPECT_EQ(eleven->edOrders().textCursor().blockNumber(), 2);
    EXPECT_EQ(eleven->edOrders().textCursor().positionInBlock(), 0);
}

TEST_F(OrdersCheckTest, ALostUnitsWindowSaysSoAndItsOrdersAreNeitherTypedNorChecked) {
    TfrmUnitInfo* window = Open(10);
    ASSERT_EQ(Underlines(window->edOrders()).size(), 2u);
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("lblLost"))->isHidden());

    // The next report shows unit 11 only.
    TVelMain& db = main.Database();
    main.Notice().Change(RecordChange::TurnImported, [&db] {
        db.Turn = 8;
        db.OwnUnits.Clear();
        db.OwnUnits.AddUnique(db.Units.FindByNumber(11));
        db.FindLostUnits(3, db.OwnUnits);
    });
    ASSERT_EQ(main.InfoWindows().Units.FindForm(UnitKey{10}), window);
    EXPECT_EQ(window->windowTitle().toStdString(), "(10) Smiths [Lost since turn 8]");
    const QLabel* lost = window->findChild<QLabel*>(QStringLiteral("lblLost"));
    EXPECT_FALSE(lost->isHidden());
    EXPECT_TRUE(lost->text().startsWith(QStringLiteral("Lost since turn 8: "))) << lost->text().toStdString();
    EXPECT_TRUE(lost->accessibleName().startsWith(QStringLiteral("Lost since turn 8")));
    EXPECT_TRUE(window->edOrders().isReadOnly());
    EXPECT_FALSE(window->edNotes().isReadOnly());
    // The orders file leaves the unit out, so neither the marks nor Check Orders check it.
    EXPECT_TRUE(Underlines(window->edOrders()).empty());
    for (const UnitProblem& problem : CheckOwnOrders(db)) EXPECT_EQ(problem.Unit.Number, 11);
    EXPECT_EQ(window->edOrders().toPlainText().toStdString(), "work\ngive 11 9 SWOR\nstudy");

    // Seen again, it is an ordinary unit once more.
    main.Notice().Change(RecordChange::TurnImported, [&db] {
        TVelUnit* back = db.Units.AddOrReplace(db.LostUnits.Extract(db.LostUnits.FindByNumber(10)));
        db.OwnUnits.AddUnique(back);
        db.LostUnits.Clear();
    });
    EXPECT_EQ(window->windowTitle().toStdString(), "(10) Smiths [Turn 1]");
    EXPECT_TRUE(lost->isHidden());
    EXPECT_FALSE(window->edOrders().isReadOnly());
    EXPECT_EQ(Underlines(window->edOrders()).size(), 2u);
}

TEST_F(OrdersCheckTest, GenerateOrderFileAsksAboutErrorsFirst) {
    const auto file = scratch / "orders.txt";
    const std::string question = "confirm: The orders hold 1 error. Show them before writing the order file?";
    const std::string kGenerated = "information: The order file has been generated.";

    // Cancel stops before the file dialog.
    prompts.Answers = {Answer::Cancel};
    prompts.FileNames = {QString::fromStdString(file.string())};
    main.GenerateOrders();
    EXPECT_EQ(Shown(), question);
    EXPECT_EQ(prompts.FileNames.size(), 1u);

    // Yes shows the problems and writes nothing.
    int rows_shown = -1;
    QTimer::singleShot(0, [&] {
        if (auto* report = qobject_cast<TfrmOrdersReport*>(QApplication::activeModalWidget())) {
            rows_shown = report->treeList().Model().rowCount();
            report->reject();
        }
    });
    prompts.Shown.clear();
    prompts.Answers = {Answer::Yes};
    main.GenerateOrders();
    EXPECT_EQ(rows_shown, 3);
    EXPECT_EQ(Shown(), question);
    EXPECT_FALSE(std::filesystem::exists(file));

    // No goes on and writes the orders as they are.
    prompts.Shown.clear();
    prompts.Answers = {Answer::No};
    prompts.Inputs = {QStringLiteral("pw")};
    main.GenerateOrders();
    EXPECT_EQ(Shown(), question + "\n" + kGenerated);
    EXPECT_NE(testing::ReadFileBytes(file).find("    give 11 9 SWOR\n"), std::string::npos);

    // Warnings alone do not ask.
    main.Database().Units.FindByNumber(10)->Orders = "give 11 9 SWOR";
    prompts.Shown.clear();
    prompts.FileNames = {QString::fromStdString(file.string())};
    prompts.Inputs = {QStringLiteral("pw")};
    main.GenerateOrders();
    EXPECT_EQ(Shown(), kGenerated);
}

}  // namespace
}  // namespace hexwarden
