#include "import/file_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/text_utils.h"
#include "platform/error.h"

namespace hexwarden {
namespace {

TFileParser Over(std::string text) {
    TFileParser parser;
    parser.LoadFromString(std::move(text));
    return parser;
}

std::vector<std::string> AllWords(TFileParser& parser) {
    std::vector<std::string> words;
    while (!parser.ReadWord(true).empty()) words.push_back(parser.CurrentWord());
    return words;
}

TEST(FileParserWords, DelimitersFormWordsOfTheirOwnAndEndOtherWords) {
    TFileParser parser = Over("Unit (1234), faction [LEAD].");
    EXPECT_EQ(AllWords(parser), (std::vector<std::string>{"Unit", "(", "1234", ")", ",", "faction", "[", "LEAD", "]", "."}));
}

TEST(FileParserWords, TabsHyphensAndHighBytesArePartOfWords) {
    TFileParser parser = Over("a\tb Unit-3 - + x=y~z caf\xE9! won't");
    EXPECT_EQ(AllWords(parser),
              (std::vector<std::string>{"a\tb", "Unit-3", "-", "+", "x=y~z", "caf\xE9", "!", "won", "'", "t"}));
}

TEST(FileParserWords, EndOfTextGivesTheEmptyWord) {
    TFileParser parser = Over("  word \r\n \n ");
    EXPECT_EQ(parser.ReadWord(), "word");
    EXPECT_EQ(parser.ReadWord(), "");
    EXPECT_TRUE(parser.AtEnd());
    EXPECT_EQ(parser.ReadWord(), "");
    EXPECT_EQ(Over("").ReadWord(), "");
}

TEST(FileParserWords, ReadingWithoutAdvanceSetsTheWordButNotThePosition) {
    TFileParser parser = Over("alpha beta");
    EXPECT_EQ(parser.ReadWord(false), "alpha");
    EXPECT_EQ(parser.CurrentWord(), "alpha");
    EXPECT_EQ(parser.Position(), 0u);
    EXPECT_EQ(parser.ReadWord(), "alpha");
}

TEST(FileParserWords, GetWordAndPeekWord) {
    TFileParser parser = Over("one two, three four");
    parser.ReadWord();
    const std::size_t after_one = parser.Position();
    EXPECT_EQ(parser.GetWord(0), "one");
    EXPECT_EQ(parser.GetWord(-3), "one");
    EXPECT_EQ(parser.Position(), after_one);

    EXPECT_EQ(parser.PeekWord(3), "three");
    EXPECT_EQ(parser.PeekWord(0), "one");
    EXPECT_EQ(parser.CurrentWord(), "one");
    EXPECT_EQ(parser.Position(), after_one);
    EXPECT_EQ(parser.ReadWord(), "two");

    EXPECT_EQ(parser.GetWord(2), "three");
    EXPECT_EQ(parser.PeekWord(5), "");
}

TEST(FileParserChars, PrevAndPeekGiveNulOutsideTheText) {
    TFileParser parser = Over("ab");
    EXPECT_EQ(parser.PrevChar(), '\0');
    EXPECT_EQ(parser.PeekChar(), 'a');
    EXPECT_EQ(parser.PeekChar(1), 'b');
    EXPECT_EQ(parser.PeekChar(2), '\0');
    EXPECT_EQ(parser.PeekChar(-1), '\0');
    parser.ReadWord();
    EXPECT_EQ(parser.PrevChar(), 'b');
    EXPECT_EQ(parser.PeekChar(), '\0');
    EXPECT_EQ(parser.PeekChar(-2), 'a');
}

TEST(FileParserLines, OneLineEndTakesOneFurtherBreakWithIt) {
    TFileParser lf = Over("a\n\nb");
    lf.SkipLine();
    EXPECT_EQ(lf.ReadWord(false), "b");

    TFileParser crlf = Over("a\r\n\r\nb");
    crlf.SkipLine();
    EXPECT_EQ(crlf.PeekChar(), '\r');
    EXPECT_EQ(crlf.ReadLine(), "");
    EXPECT_EQ(crlf.ReadLine(), "b");

    TFileParser cr = Over("a\r\rb\n\rc");
    EXPECT_EQ(cr.ReadLine(), "a");
    EXPECT_EQ(cr.ReadLine(), "b");
    EXPECT_EQ(cr.ReadLine(), "c");
    EXPECT_TRUE(cr.AtEnd());
}

TEST(FileParserLines, ReadLineNormalisesBlanks) {
    TFileParser parser = Over("   Wages:  $16.  \nnext");
    EXPECT_EQ(parser.ReadLine(false), "Wages: $16.");
    EXPECT_EQ(parser.Position(), 0u);
    EXPECT_EQ(parser.ReadLine(), "Wages: $16.");
    EXPECT_EQ(parser.ReadLine(), "next");

    TFileParser tabs = Over("\ta\t  b\t\n");
    EXPECT_EQ(tabs.ReadLine(), "a\t b");
}

TEST(FileParserLines, ReadLineCanSkipTheCurrentLineAndRestoreBeforeTheSkip) {
    TFileParser parser = Over("first line\nsecond line\n");
    parser.ReadWord();
    const std::size_t remembered = parser.Position();
    EXPECT_EQ(parser.ReadLine(false, true), "second line");
    EXPECT_EQ(parser.Position(), remembered);
    EXPECT_EQ(parser.ReadLine(true, true), "second line");
    EXPECT_TRUE(parser.AtEnd());
}

TEST(FileParserLines, ReadingALineAtTheEndIsAReadError) {
    TFileParser parser = Over("last");
    EXPECT_EQ(parser.ReadLine(), "last");
    EXPECT_THROW(parser.ReadLine(), StreamReadError);
    EXPECT_THROW(parser.SkipLine(), StreamReadError);

    TFileParser one_line = Over("only\n");
    EXPECT_THROW(one_line.ReadLine(true, true), StreamReadError);
}

TEST(FileParserLines, BlankLineTest) {
    EXPECT_TRUE(Over("").IsBlankLine());
    EXPECT_TRUE(Over("  \t \nx").IsBlankLine());
    EXPECT_TRUE(Over("\nx").IsBlankLine());
    EXPECT_FALSE(Over("  x\n").IsBlankLine());
}

TEST(FileParserPhrases, ReadUntilJoinsWrappedLinesWithOneSpace) {
    TFileParser parser = Over("  high elves\n  and more [HELF]");
    EXPECT_EQ(parser.ReadUntil("["), "high elves and more");
    EXPECT_EQ(parser.CurrentWord(), "high elves and more");
    EXPECT_EQ(parser.ReadWord(), "HELF");
}

TEST(FileParserPhrases, ReadUntilTerminators) {
    TFileParser parser = Over("\t  Koheda, rest");
    EXPECT_EQ(parser.ReadUntil(",.;"), "Koheda");
    EXPECT_EQ(parser.PrevChar(), ',');

    TFileParser include = Over("on guard, The Guardsmen");
    EXPECT_EQ(include.ReadUntil(",", true), "on guard,");

    TFileParser immediate = Over("[CODE]");
    EXPECT_EQ(immediate.ReadUntil("["), "");
    EXPECT_EQ(immediate.ReadWord(), "CODE");

    TFileParser unterminated = Over("no bracket here");
    EXPECT_EQ(unterminated.ReadUntil("["), "no bracket here");
    EXPECT_TRUE(unterminated.AtEnd());
}

TEST(FileParserPhrases, ReadUntilWithOnlyBlanksLeftIsAReadError) {
    EXPECT_THROW(Over("").ReadUntil("["), StreamReadError);
    EXPECT_THROW(Over(" \r\n\t ").ReadUntil("["), StreamReadError);
}

TEST(FileParserSearch, FindTextStopsAtTheMatch) {
    TFileParser parser = Over("xx Veldoria Report For: y");
    EXPECT_TRUE(parser.FindText("Veldoria Report For"));
    EXPECT_EQ(parser.Position(), 3u);
    EXPECT_EQ(parser.ReadWord(), "Veldoria");
    EXPECT_FALSE(parser.FindText("Veldoria"));
    EXPECT_TRUE(parser.AtEnd());
    EXPECT_EQ(parser.ReadWord(), "");
}

TEST(FileParserSearch, FindTextHandlesOverlapsAndMatchesCutByTheEnd) {
    TFileParser overlap = Over("aaaab");
    EXPECT_TRUE(overlap.FindText("aaab"));
    EXPECT_EQ(overlap.Position(), 1u);

    TFileParser periodic = Over("abababac abababab");
    EXPECT_TRUE(periodic.FindText("abababab"));
    EXPECT_EQ(periodic.Position(), 9u);

    TFileParser cut = Over("Veldoria Repo");
    EXPECT_FALSE(cut.FindText("Veldoria Report"));
    EXPECT_TRUE(cut.AtEnd());

    TFileParser case_sensitive = Over("veldoria");
    EXPECT_FALSE(case_sensitive.FindText("Veldoria"));
}

TEST(FileParserSearch, FindWordMatchesWholeWordsOnly) {
    TFileParser parser = Over("Wagesx xWages Wages: $5");
    EXPECT_TRUE(parser.FindWord("Wages"));
    EXPECT_EQ(parser.ReadWord(), ":");
    EXPECT_FALSE(parser.FindWord("wages"));
    EXPECT_TRUE(parser.AtEnd());
    EXPECT_EQ(parser.CurrentWord(), "");
}

TEST(FileParserLookahead, BoundedWordSearchLeavesTheReaderAloneWhenItFails) {
    TFileParser parser = Over("Wanted: none. Exits: x\nWages: $5");
    parser.ReadWord();
    const std::size_t limit = parser.Text().find("Wages");
    EXPECT_FALSE(parser.FindWordBefore("Wages", limit));
    EXPECT_EQ(parser.CurrentWord(), "Wanted");
    EXPECT_EQ(parser.Position(), 6u);
    EXPECT_TRUE(parser.FindWordBefore("Wages", limit + 1));
    EXPECT_EQ(parser.CurrentWord(), "Wages");
    EXPECT_EQ(parser.ReadWord(), ":");
}

TEST(FileParserLookahead, LinesAheadWithoutMoving) {
    TFileParser parser = Over("a.\r\n\r\n  \r\n  - b\nlast");
    EXPECT_TRUE(parser.IsNextLineBlank());
    const std::size_t second = parser.NextLineStart(0);
    EXPECT_EQ(second, 4u);
    EXPECT_EQ(parser.FirstWordOfLine(second), "");
    const std::size_t fourth = parser.NextLineStart(parser.NextLineStart(second));
    EXPECT_EQ(parser.FirstWordOfLine(fourth), "-");
    EXPECT_EQ(parser.Position(), 0u);

    parser.SkipBlankLines();
    EXPECT_EQ(parser.Position(), 0u);
    parser.ReadWord();
    parser.ReadWord();
    parser.SkipBlankLines();
    EXPECT_EQ(parser.Position(), fourth);
    EXPECT_EQ(parser.NextLineStart(parser.Size()), parser.Size());

    TFileParser last_line = Over("only.");
    last_line.ReadWord();
    EXPECT_TRUE(last_line.IsNextLineBlank());
}

TEST(FileParserLines, SingleLineEndsSeeEveryEmptyLine) {
    TFileParser parser(TFileParser::LineEnds::Single);
    parser.LoadFromString("a\n\nb\r\n\r\nc\r\rd\n\re");
    std::vector<std::string> lines;
    while (!parser.AtEnd()) lines.push_back(parser.ReadLine());
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b", "", "c", "", "d", "", "e"}));
}

TEST(TextUtils, PreviewAndLineBreaks) {
    EXPECT_EQ(FindLineBreak("0123456789abcdef\rx", 0), 16u);
    EXPECT_EQ(FindLineBreak("0123456789\nabcdef", 3), 10u);
    EXPECT_EQ(FindLineBreak("no breaks at all here", 0), 21u);
    EXPECT_EQ(TextPreview("\r\n  first line  \r\nsecond"), "first line");
    EXPECT_EQ(TextPreview(std::string(100, 'x')).size(), 60u);
}

TEST(TextUtils, TrimAndCollapse) {
    EXPECT_EQ(TrimAndCollapse(" \t\r\n a   b\t\tc  \x01"), "a b\t\tc");
    EXPECT_EQ(TrimAndCollapse(" \t "), "");
}

TEST(TextUtils, TrimSpacesTouchesOnlySpacesAndKeeps2000Bytes) {
    EXPECT_EQ(TrimSpaces("  \ta b \t  "), "\ta b \t");
    EXPECT_EQ(TrimSpaces(" " + std::string(2500, 'x') + " ").size(), 2000u);
}

}  // namespace
}  // namespace hexwarden
