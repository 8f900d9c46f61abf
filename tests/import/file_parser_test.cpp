#include "import/file_parser.h"

#include <gtest/gtest.h>

#include "import/text_utils.h"
#include "platform/error.h"

namespace hexwarden {
namespace {

TFileParser Over(std::string text, TFileParser::LineEnds line_ends = TFileParser::LineEnds::TakeFollowingBreak) {
    TFileParser parser(line_ends);
    parser.LoadFromString(std::move(text));
    return parser;
}

std::vector<std::string> AllWords(std::string text) {
    TFileParser parser = Over(std::move(text));
    std::vector<std::string> words;
    while (!parser.ReadWord().empty()) words.push_back(parser.CurrentWord());
    return words;
}

TEST(FileParser, WordsEndAtDelimitersWhichAreWordsOfTheirOwn) {
    EXPECT_EQ(AllWords("Unit (1234), faction [LEAD]."),
              (std::vector<std::string>{"Unit", "(", "1234", ")", ",", "faction", "[", "LEAD", "]", "."}));
    EXPECT_EQ(AllWords("a\tb Unit-3 - + x=y~z caf\xE9! won't\r\n\n "),
              (std::vector<std::string>{"a\tb", "Unit-3", "-", "+", "x=y~z", "caf\xE9", "!", "won", "'", "t"}));
    EXPECT_TRUE(AllWords(" \r\n ").empty());
}

TEST(FileParser, PeekingAndGettingWords) {
    TFileParser parser = Over("one two, three four");
    EXPECT_EQ(parser.ReadWord(false), "one");
    EXPECT_EQ(parser.Position(), 0u);
    parser.ReadWord();
    const std::size_t after_one = parser.Position();
    EXPECT_EQ(parser.GetWord(0), "one");
    EXPECT_EQ(parser.PeekWord(3), "three");
    EXPECT_EQ(parser.CurrentWord(), "one");
    EXPECT_EQ(parser.Position(), after_one);
    EXPECT_EQ(parser.ReadWord(), "two");
    EXPECT_EQ(parser.GetWord(2), "three");
    EXPECT_EQ(parser.PeekWord(5), "");
    EXPECT_EQ(parser.PrevChar(), 'e');
    EXPECT_EQ(parser.PeekChar(99), '\0');
    EXPECT_EQ(Over("ab").PrevChar(), '\0');
}

TEST(FileParser, LineEnds) {
    // The reader's own rule takes a second break with the first, so an empty line of an LF file
    // goes with the line before; single line ends see it.
    TFileParser taking = Over("a\n\nb\r\n\r\nc");
    taking.SkipLine();
    EXPECT_EQ(taking.ReadLine(), "b");
    EXPECT_EQ(taking.ReadLine(), "");
    TFileParser single = Over("a\n\nb\r\n\r\nc\r\rd", TFileParser::LineEnds::Single);
    std::vector<std::string> lines;
    while (!single.AtEnd()) lines.push_back(single.ReadLine());
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b", "", "c", "", "d"}));
    EXPECT_THROW(single.ReadLine(), StreamReadError);
    EXPECT_THROW(single.SkipLine(), StreamReadError);
}

TEST(FileParser, ReadLineNormalisesAndCanSkipAndRestore) {
    TFileParser parser = Over("first line\n   Wages:  $16.\t  \nlast");
    parser.ReadWord();
    const std::size_t remembered = parser.Position();
    EXPECT_EQ(parser.ReadLine(false, true), "Wages: $16.");
    EXPECT_EQ(parser.Position(), remembered);
    EXPECT_FALSE(parser.IsBlankLine());
    EXPECT_EQ(parser.ReadLine(true, true), "Wages: $16.");
    EXPECT_TRUE(Over("  \t \nx").IsBlankLine());
    EXPECT_TRUE(Over("x.\n  \ny").IsNextLineBlank());
    EXPECT_TRUE(Over("x.").IsNextLineBlank());
}

TEST(FileParser, ReadUntilJoinsWrappedPhrases) {
    TFileParser parser = Over("  high elves\n  and more [HELF] Koheda, on guard, x");
    EXPECT_EQ(parser.ReadUntil("["), "high elves and more");
    EXPECT_EQ(parser.ReadWord(), "HELF");
    parser.ReadWord();
    EXPECT_EQ(parser.ReadUntil(",.;"), "Koheda");
    EXPECT_EQ(parser.PrevChar(), ',');
    EXPECT_EQ(parser.ReadUntil(",", true), "on guard,");
    EXPECT_EQ(parser.ReadUntil("["), "x");
    EXPECT_TRUE(parser.AtEnd());
    EXPECT_THROW(Over(" \r\n\t ").ReadUntil("["), StreamReadError);
}

TEST(FileParser, Searches) {
    TFileParser overlap = Over("abababac abababab");
    EXPECT_TRUE(overlap.FindText("abababab"));
    EXPECT_EQ(overlap.Position(), 9u);
    TFileParser cut = Over("Veldoria Repo");
    EXPECT_FALSE(cut.FindText("Veldoria Report"));
    EXPECT_EQ(cut.ReadWord(), "");

    TFileParser words = Over("Wagesx Wanted: none.\nWages: $5");
    EXPECT_FALSE(words.FindWordBefore("Wages", words.Text().find("Wages:")));
    EXPECT_EQ(words.Position(), 0u);
    EXPECT_TRUE(words.FindWord("Wages"));
    EXPECT_EQ(words.ReadWord(), ":");
    EXPECT_FALSE(words.FindWord("wages"));
    EXPECT_TRUE(words.AtEnd());
}

TEST(FileParser, BlankLinesAreCrossedInOneStep) {
    TFileParser parser = Over("a.\r\n\r\n  \r\n  - b\nlast");
    parser.GetWord(2);
    parser.SkipBlankLines();
    EXPECT_EQ(parser.FirstWordOfLine(parser.Position()), "-");
    EXPECT_EQ(parser.FirstWordOfLine(parser.NextLineStart(0)), "");
}

TEST(TextUtils, TrimmingAndLineBreaks) {
    EXPECT_EQ(TrimAndCollapse(" \t\r\n a   b\t\tc  \x01"), "a b\t\tc");
    EXPECT_EQ(TrimSpaces("  \ta b \t  "), "\ta b \t");
    EXPECT_EQ(TrimSpaces(" " + std::string(2500, 'x')).size(), 2000u);
    EXPECT_EQ(FindLineBreak("0123456789abcdef\rx", 0), 16u);
    EXPECT_EQ(FindLineBreak("no breaks at all here", 3), 21u);
    EXPECT_EQ(TextPreview("\r\n  first line  \r\nsecond"), "first line");
}

}  // namespace
}  // namespace hexwarden
