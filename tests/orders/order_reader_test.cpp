// Reading an orders text as the server does: words, comments, quotes, numbers, line ends and the
// block structure of header, UNIT, FORM ... END and TURN ... ENDTURN.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "orders/order_line.h"
#include "orders/orders_header.h"
#include "tests/orders/order_text.h"

namespace hexwarden {
namespace {

using namespace std::string_literals;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::FileProblems;
using testing::UnitProblems;

std::vector<std::string> Words(std::string_view line, bool* repeating = nullptr) {
    std::vector<OrderToken> tokens;
    bool repeat = false;
    SplitOrderLine(line, tokens, repeat);
    if (repeating) *repeating = repeat;
    std::vector<std::string> words;
    for (const OrderToken& token : tokens) words.emplace_back(token.text);
    return words;
}

TEST(OrderWords, BlanksCommentsAndQuotes) {
    EXPECT_THAT(Words("  give\t10  5 SWOR"), ElementsAre("give", "10", "5", "SWOR"));
    // A semicolon ends an unquoted word and starts the comment; inside quotes it is a letter.
    EXPECT_THAT(Words("work;x y"), ElementsAre("work"));
    EXPECT_THAT(Words("name unit \"a;b c\" ; rest"), ElementsAre("name", "unit", "a;b c"));
    EXPECT_THAT(Words("; only a comment"), IsEmpty());
    // After a closing quote the next word starts at once; a quote inside a word is a letter.
    EXPECT_THAT(Words("\"combat\"x"), ElementsAre("combat", "x"));
    EXPECT_THAT(Words("ab\"cd ef"), ElementsAre("ab\"cd", "ef"));
    // An unclosed quote runs to the line end; an empty pair is a word of its own.
    EXPECT_THAT(Words("name unit \"Fred the"), ElementsAre("name", "unit", "Fred the"));
    EXPECT_THAT(Words("password \"\""), ElementsAre("password", ""));
    // White space of any kind before the first word; the server's line ends at a NUL byte.
    EXPECT_THAT(Words("\f\v \r"), IsEmpty());
    EXPECT_THAT(Words("\fwork\fnow"), ElementsAre("work\fnow"));
    EXPECT_THAT(Words(std::string_view("work\0 x", 7)), ElementsAre("work"));
}

TEST(OrderWords, RepeatMarkAndColumns) {
    bool repeating = false;
    EXPECT_THAT(Words("  @ work", &repeating), ElementsAre("work"));
    EXPECT_TRUE(repeating);
    EXPECT_THAT(Words("@@x", &repeating), ElementsAre("@x"));
    EXPECT_THAT(Words("@;kept in the template", &repeating), IsEmpty());

    std::vector<OrderToken> tokens;
    SplitOrderLine("\tgive \"new 2\" 5", tokens, repeating);
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].column, 2);
    EXPECT_EQ(tokens[1].column, 7);
    EXPECT_TRUE(tokens[1].quoted);
    EXPECT_EQ(tokens[2].column, 15);
}

TEST(OrderWords, NumbersAndFlagsAreStrict) {
    EXPECT_EQ(OrderNumber("007"), 7);
    EXPECT_EQ(OrderNumber("-4"), -4);
    EXPECT_EQ(OrderNumber("-2147483648"), INT32_MIN);
    EXPECT_EQ(OrderNumber("2147483647"), INT32_MAX);
    for (std::string_view bad : {"2147483648", "+5", "5x", "1,000", "-", "", " 5", "$10", "0x10"})
        EXPECT_FALSE(OrderNumber(bad)) << bad;

    EXPECT_EQ(OrderFlag("Yes"), true);
    EXPECT_EQ(OrderFlag("T"), true);
    EXPECT_EQ(OrderFlag("off"), false);
    EXPECT_EQ(OrderFlag("0"), false);
    EXPECT_FALSE(OrderFlag("2"));
    EXPECT_FALSE(OrderFlag("yess"));
}

std::vector<std::string> Lines(std::string_view text, LineEnds ends) {
    std::vector<std::string> lines;
    ForEachOrderLine(text, ends, [&](const OrderLine& line) {
        lines.push_back(std::to_string(line.number) + (line.carriage_return ? "cr " : " ") +
                        (line.unterminated ? "open " : "") + std::string(line.text));
    });
    return lines;
}

TEST(OrderLines, ServerKeepsCarriageReturnsAndDropsAnOpenLastLine) {
    EXPECT_THAT(Lines("a\r\nb\rc\nd", LineEnds::Server), ElementsAre("1cr a", "2 b\rc", "3 open d"));
    EXPECT_THAT(Lines("a\r\nb\rc\nd", LineEnds::Stored), ElementsAre("1 a", "2 b", "3 c", "4 d"));
    EXPECT_THAT(Lines("\n\n", LineEnds::Server), ElementsAre("1 ", "2 "));
    EXPECT_THAT(Lines("", LineEnds::Server), IsEmpty());
}

TEST(OrderFile, CarriageReturnsAndTheOpenLastLineAreErrors) {
    CheckOptions options;
    const auto problems = testing::Described(CheckOrdersFile("#veldoria 3 \"pw\"\r\nunit 10\nwork\r\n#end\nwork", options));
    EXPECT_THAT(problems,
                ElementsAre("1:17: error: Carriage return at the line end: the server keeps it in the last word and rejects the line.",
                            "3:5: error: Carriage return at the line end: the server keeps it in the last word and rejects the line.",
                            "5:1: error: The last line has no line end, so the server never reads it."));
    // Stored orders separate lines with CR LF, and their last line needs no line end.
    EXPECT_THAT(UnitProblems("work\r\n@guard 1"), IsEmpty());
}

TEST(OrderFile, BlankLinesAndNulBytes) {
    CheckOptions options;
    const std::string text = "#veldoria 3 \"x\"\r\n\r\n\f\nunit 10\nwork\0 x\nwork\0\n#end\n"s;
    // A line of white space is blank to the server, a CR alone included.
    EXPECT_THAT(testing::Described(CheckOrdersFile(text, options)),
                ElementsAre("1:16: error: Carriage return at the line end: the server keeps it in the last word and rejects the line.",
                            "5:5: warning: The server reads the line only up to this NUL byte.",
                            "6:1: error: WORK: Overwriting previous month-long order."));
}

TEST(OrderFile, HeaderAndLinesOutsideTheBlock) {
    CheckOptions options;
    const auto check = [&options](std::string_view text) { return testing::Described(CheckOrdersFile(text, options)); };
    // The server's own checker reads the words outside the block too, the template's first line
    // included; a real run ignores them.
    EXPECT_THAT(check("Orders Template (Long Format):\nwork\n#veldoria 3 \"x\"\n#end\nstudy COMB\n#veldorai 3\n"),
                ElementsAre("1:1: error: Orders is not a valid order.",
                            "2:1: error: Orders outside a #veldoria block are ignored.",
                            "5:1: error: Orders outside a #veldoria block are ignored.",
                            "6:1: error: #veldorai is not a valid order."));
    // Without a faction number only TURN and ENDTURN are still read.
    EXPECT_THAT(check("#veldoria\nunit 1\nturn\nwork\nendturn\nfoo\n#end\n"),
                ElementsAre("1:10: error: No faction number given on #veldoria line.",
                            "3:1: error: Order given without a unit selected.", "5:1: error: ENDTURN: without TURN."));
    // A '"' in the password ends its quoted word; other words after the password are ignored.
    EXPECT_THAT(check("#veldoria 3 \"pa\"ss\"\n#veldoria 3 my secret\n#end\n"),
                ElementsAre("1:13: error: The password cannot hold '\"': the game would read the password only up to it "
                            "and ignore all orders.",
                            "2:1: error: No #END statement given.",
                            "2:16: warning: Only 'my' is read as the password; the rest of the line is ignored."));
    EXPECT_THAT(check("#VELDORIA 3\n#end\n"), ElementsAre("1:12: warning: No password on #veldoria line."));
    EXPECT_THAT(check("#veldoria x3 \"pw\"\nunit 1\n"),
                ElementsAre("1:11: error: Invalid faction number on #veldoria line: the server ignores the whole block."));
    EXPECT_THAT(check("#veldoria 3 \"\"\n#veldoria 3 pw\n#end\n"), ElementsAre("2:1: error: No #END statement given."));
}

TEST(OrdersHeader, PasswordsTheHeaderCanHold) {
    for (std::string_view fine : {"", "Secret word", "a;b_c", "it's"}) EXPECT_EQ(HeaderPasswordProblem(fine), std::nullopt) << fine;
    EXPECT_EQ(HeaderPasswordProblem("pa\"ss"),
              "The password cannot hold '\"': the game would read the password only up to it and ignore all orders.");
    EXPECT_THAT(HeaderPasswordProblem("two\nlines").value_or(""), ::testing::HasSubstr("cannot hold a line end"));
    EXPECT_THAT(HeaderPasswordProblem("two\rlines").value_or(""), ::testing::HasSubstr("cannot hold a line end"));
    EXPECT_THAT(HeaderPasswordProblem("nul\0"s).value_or(""), ::testing::HasSubstr("cannot hold a NUL byte"));
}

TEST(OrderFile, UnitSelection) {
    EXPECT_THAT(FileProblems("work\nunit\nwork\nunit x\nwork\nunit -3\nunit 12\nwork\n"),
                ElementsAre("2:5: error: UNIT without unit number.", "3:1: error: Order given without a unit selected.",
                            "4:6: error: Invalid unit number.", "5:1: error: Order given without a unit selected.",
                            "6:6: error: -3 is not your unit."));
    EXPECT_THAT(FileProblems("frobnicate 3\n@@work\nWORK\n"),
                ElementsAre("1:1: error: frobnicate is not a valid order.", "2:2: error: @work is not a valid order."));
}

TEST(OrderFile, FormBlocks) {
    EXPECT_THAT(FileProblems("form 1\n  study COMB\n  form 2\n  end\nend\nwork\n"),
                ElementsAre("3:3: error: FORM: cannot nest.", "5:1: error: END: without FORM."));
    // A bad FORM deselects the unit until the next UNIT.
    EXPECT_THAT(FileProblems("form\nwork\nend\nunit 11\nform 0\nform new\n"),
                ElementsAre("1:5: error: Must give alias in FORM order.",
                            "2:1: error: Order given without a unit selected.", "3:1: error: END: without FORM.",
                            "5:6: error: Invalid alias in FORM order.", "6:1: error: Order given without a unit selected."));
    EXPECT_THAT(FileProblems("form 1\nend\nform 1\nend\n"),
                ElementsAre("3:6: error: Alias multiply defined.", "4:1: error: END: without FORM."));
    // The new unit has a month of its own; the forming unit's continues after END.
    EXPECT_THAT(FileProblems("study COMB\nform 1\n  work\nend\nwork\n"),
                ElementsAre("5:1: error: WORK: Overwriting previous month-long order."));
}

TEST(OrderFile, TurnBlocksAreCheckedAsALaterMonth) {
    EXPECT_THAT(FileProblems("work\nturn\n  study COMB\n  work\n  turn\n  endturn\nendturn\n"),
                ElementsAre("4:3: error: WORK: Overwriting previous DELAYED month-long order.",
                            "5:3: error: TURN: cannot nest", "7:1: error: ENDTURN: without TURN."));
    EXPECT_THAT(FileProblems("@turn\n  form 2\n    @tax\n  end\n@endturn\n"), IsEmpty());
    EXPECT_THAT(FileProblems("turn\n  give 0 1 SWORDS\n  studdy x\n"),
                ElementsAre("3:3: error: studdy is not a valid order.", "4:1: error: TURN: without ENDTURN"));
}

TEST(OrderFile, OpenBlocksAreClosedByUnitAndEnd) {
    CheckOptions options;
    const auto problems = testing::Described(
        CheckOrdersFile("#veldoria 3 \"p\"\nunit 1\nturn\nform 4\nunit 2\nform 5\n", options));
    EXPECT_THAT(problems, ElementsAre("5:1: error: TURN: without ENDTURN", "5:1: error: FORM: without END.",
                                      "6:1: error: FORM: without END."));
}

TEST(UnitOrders, TheUnitIsSelectedAndLinesCountFromTheText) {
    EXPECT_THAT(UnitProblems("\r\nstudy\r\n\r\n  give 5"), ElementsAre("2:6: error: STUDY: No skill given.",
                                                                      "4:9: error: GIVE: No amount given."));
}

TEST(DamagedText, AnyBytesGiveProblemsNotCrashes) {
    std::string bytes;
    uint32_t seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes += static_cast<char>(seed >> 16);
    }
    CheckOptions options;
    for (std::string_view text : {std::string_view(bytes), std::string_view("\0\0\n\"\n;\n@\n@@@\n#veldoria 3\n\0\n")}) {
        EXPECT_NO_THROW(CheckOrdersFile(text, options));
        EXPECT_NO_THROW(CheckUnitOrders(text, 5, options));
    }
}

TEST(DamagedText, ManyAliasesStayFast) {
    // Every FORM and every NEW target is looked up, not compared with all the others.
    std::string lines;
    for (int i = 1; i <= 20000; ++i) {
        lines += "unit " + std::to_string(i) + "\nform " + std::to_string(i) + "\nend\ngive new " + std::to_string(i + 1) +
                 " 1 SWOR\n";
    }
    const auto problems = FileProblems(lines);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0], "80000:6: warning: GIVE: No unit is formed as NEW 20001 in this region.");
}

}  // namespace
}  // namespace hexwarden
