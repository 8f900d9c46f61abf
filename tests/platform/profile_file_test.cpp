#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/error.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

using testing::ReadFileBytes;
using testing::ScratchDir;

TEST(ProfileFileReading, KeysAndSectionsAreFoundRegardlessOfCaseAndBlanks) {
    ProfileFile file = ProfileFile::Parse(
        "[Hexwarden]\r\n"
        "  Password  =  secret word  \r\n"
        "\tDlgOpen\t=\tC:\\games\\a.hwd\r\n");
    EXPECT_EQ(file.ReadString("hexwarden", "PASSWORD"), "secret word");
    EXPECT_EQ(file.ReadString("HEXWARDEN", "dlgopen"), "C:\\games\\a.hwd");
    EXPECT_EQ(file.ReadString(" Hexwarden ", "Password"), "secret word");
}

TEST(ProfileFileReading, EmptyValueMissingKeyAndMissingSectionGiveTheFallback) {
    ProfileFile file = ProfileFile::Parse("[S]\nEmpty=\nBlanks=   \nNoEquals\n");
    EXPECT_EQ(file.ReadString("S", "Empty", "dflt"), "dflt");
    EXPECT_EQ(file.ReadString("S", "Blanks", "dflt"), "dflt");
    EXPECT_EQ(file.ReadString("S", "NoEquals", "dflt"), "dflt");
    EXPECT_EQ(file.ReadString("S", "Missing", "dflt"), "dflt");
    EXPECT_EQ(file.ReadString("Other", "Empty", "dflt"), "dflt");
    EXPECT_EQ(file.ReadInteger("S", "Empty", 7), 7);
    EXPECT_TRUE(file.ReadBool("S", "Empty", true));
}

TEST(ProfileFileReading, ValuesKeepEverythingBetweenTheFirstEqualsSignAndTheLineEnd) {
    ProfileFile file = ProfileFile::Parse("[S]\nA=x=y; not a comment\nB=\"quoted\"\n;C=commented out\n");
    EXPECT_EQ(file.ReadString("S", "A"), "x=y; not a comment");
    EXPECT_EQ(file.ReadString("S", "B"), "\"quoted\"");
    EXPECT_EQ(file.ReadString("S", "C", "none"), "none");
}

TEST(ProfileFileReading, FirstOfRepeatedKeysAndSectionsWins) {
    ProfileFile file = ProfileFile::Parse("[S]\nK=first\nk=second\n[s]\nK=third\nOnlyLater=x\n");
    EXPECT_EQ(file.ReadString("S", "K"), "first");
    EXPECT_EQ(file.ReadString("S", "OnlyLater", "absent"), "absent");
}

TEST(ProfileFileReading, EveryLineEndStyleSeparatesLines) {
    ProfileFile file = ProfileFile::Parse("[A]\rX=1\r[B]\nY=2\n[C]\r\nZ=3");
    EXPECT_EQ(file.ReadInteger("A", "X", 0), 1);
    EXPECT_EQ(file.ReadInteger("B", "Y", 0), 2);
    EXPECT_EQ(file.ReadInteger("C", "Z", 0), 3);
}

TEST(ProfileFileReading, IntegersAreDecimalOrHexAndAnythingElseGivesTheFallback) {
    ProfileFile file = ProfileFile::Parse(
        "[N]\nDec=-42\nHex=0x1F\nHexUpper=0X1f\nBareHexPrefix=0x\nTrailing=12abc\nWord=abc\n"
        "Huge=99999999999\nMax=2147483647\nMin=-2147483648\n");
    EXPECT_EQ(file.ReadInteger("N", "Dec", 0), -42);
    EXPECT_EQ(file.ReadInteger("N", "Hex", 0), 31);
    EXPECT_EQ(file.ReadInteger("N", "HexUpper", 0), 31);
    EXPECT_EQ(file.ReadInteger("N", "BareHexPrefix", 5), 5);
    EXPECT_EQ(file.ReadInteger("N", "Trailing", 5), 5);
    EXPECT_EQ(file.ReadInteger("N", "Word", 5), 5);
    EXPECT_EQ(file.ReadInteger("N", "Huge", 5), 5);
    EXPECT_EQ(file.ReadInteger("N", "Max", 0), INT32_MAX);
    EXPECT_EQ(file.ReadInteger("N", "Min", 0), INT32_MIN);
}

TEST(ProfileFileReading, BooleansAreIntegersWhereOnlyZeroIsFalse) {
    ProfileFile file = ProfileFile::Parse("[B]\nZero=0\nOne=1\nTwo=2\nNegative=-1\nWord=True\n");
    EXPECT_FALSE(file.ReadBool("B", "Zero", true));
    EXPECT_TRUE(file.ReadBool("B", "One", false));
    EXPECT_TRUE(file.ReadBool("B", "Two", false));
    EXPECT_TRUE(file.ReadBool("B", "Negative", false));
    // Not a number: the fallback, whatever the word says.
    EXPECT_FALSE(file.ReadBool("B", "Word", false));
    EXPECT_TRUE(file.ReadBool("B", "Word", true));
}

TEST(ProfileFileListing, SectionsComeInFileOrderWithRepeatsAndTheirOwnEntries) {
    ProfileFile file = ProfileFile::Parse(
        "stray=line before any section\n"
        "[VELDORIA DATA]\nTurn=3\n"
        "[ Hex 1,1,Overworld ]\n Turn = 2 \n;note=x\nTerrain=\n"
        "[Hex 1,1,Overworld]\nTurn=5\n"
        "[unclosed\nInside=unclosed\n"
        "[]\n");
    EXPECT_EQ(file.SectionNames(),
              (std::vector<std::string>{"VELDORIA DATA", "Hex 1,1,Overworld", "Hex 1,1,Overworld", ""}));
    std::vector<ProfileEntry> first = file.SectionEntriesAt(1);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].Key, "Turn");
    EXPECT_EQ(first[0].Value, "2");
    EXPECT_EQ(first[1].Key, "Terrain");
    EXPECT_EQ(FindProfileValue(first, "TURN"), "2");
    EXPECT_EQ(FindProfileValue(file.SectionEntriesAt(2), "turn"), "5");
    // A line that does not close its bracket opens no section: its entries stay in the one before.
    EXPECT_EQ(FindProfileValue(file.SectionEntriesAt(2), "Inside"), "unclosed");
    EXPECT_EQ(FindProfileValue(file.SectionEntries("hex 1,1,overworld"), "Turn"), "2");
    EXPECT_TRUE(file.SectionEntriesAt(99).empty());
    EXPECT_TRUE(file.SectionEntries("nowhere").empty());
}

TEST(ProfileFileListing, NoLimitOnTheNumberOrLengthOfSectionNames) {
    std::string long_name(100000, 'L');
    std::string text = "[" + long_name + "]\nK=long\n";
    for (int i = 0; i < 20000; ++i) text += "[Section " + std::to_string(i) + "]\n";
    ProfileFile file = ProfileFile::Parse(text);
    std::vector<std::string> names = file.SectionNames();
    ASSERT_EQ(names.size(), 20001u);
    EXPECT_EQ(names.front(), long_name);
    EXPECT_EQ(names.back(), "Section 19999");
    EXPECT_EQ(file.ReadString(long_name, "K"), "long");
}

TEST(ProfileFileWriting, ChangingOneKeyKeepsEveryOtherByte) {
    const std::string original =
        "; settings\n"
        "[Hexwarden]\n"
        "  Password = old \n"
        "MapCount=2\n"
        "\n"
        "[Map1]\r\n"
        "Zoom=5\r\n";
    ProfileFile file = ProfileFile::Parse(original);
    EXPECT_EQ(file.ToBytes(), original);
    file.WriteString("HEXWARDEN", "password", "new");
    EXPECT_EQ(file.ToBytes(),
              "; settings\n"
              "[Hexwarden]\n"
              "Password=new\n"
              "MapCount=2\n"
              "\n"
              "[Map1]\r\n"
              "Zoom=5\r\n");
}

TEST(ProfileFileWriting, NewKeysGoAtTheEndOfTheirSectionBeforeTheSeparatingBlankLine) {
    ProfileFile file = ProfileFile::Parse("[A]\nX=1\n\n[B]\nY=2");
    EXPECT_EQ(file.ReadString("A", "Z", "none"), "none");
    file.WriteInteger("A", "Z", -3);
    file.WriteBool("B", "Flag", true);
    EXPECT_EQ(file.ToBytes(), "[A]\nX=1\nZ=-3\r\n\n[B]\nY=2\r\nFlag=1\r\n");
    EXPECT_EQ(file.ReadInteger("A", "Z", 0), -3);
    EXPECT_TRUE(file.ReadBool("B", "Flag", false));
}

TEST(ProfileFileWriting, NewSectionsAreAppendedAfterABlankLine) {
    ProfileFile empty;
    empty.WriteString("Window", "Left", "10");
    empty.WriteBool("Window", "Maximised", false);
    EXPECT_EQ(empty.ToBytes(), "[Window]\r\nLeft=10\r\nMaximised=0\r\n");

    ProfileFile unterminated = ProfileFile::Parse("[A]\nX=1");
    unterminated.WriteString("B", "Y", "2");
    EXPECT_EQ(unterminated.ToBytes(), "[A]\nX=1\r\n\r\n[B]\r\nY=2\r\n");

    ProfileFile header_only = ProfileFile::Parse("[A]");
    header_only.WriteString("A", "X", "1");
    EXPECT_EQ(header_only.ToBytes(), "[A]\r\nX=1\r\n");
}

TEST(ProfileFileWriting, LineBreaksInWrittenTextsCannotOpenNewSections) {
    ProfileFile file;
    file.WriteString("S", "Password", "a\r\n[Injected]\nb");
    EXPECT_EQ(file.SectionNames(), std::vector<std::string>{"S"});
    EXPECT_EQ(ProfileFile::Parse(file.ToBytes()).ReadString("S", "Password"), "a  [Injected] b");
}

TEST(ProfileFileFiles, SaveAndLoadAndMissingFiles) {
    ScratchDir dir;
    ProfileFile file;
    file.WriteString("Hexwarden", "Data", "game.hwd");
    file.Save(dir / "Hexwarden.ini");
    EXPECT_EQ(ReadFileBytes(dir / "Hexwarden.ini"), "[Hexwarden]\r\nData=game.hwd\r\n");
    EXPECT_EQ(ProfileFile::Load(dir / "Hexwarden.ini").ReadString("hexwarden", "data"), "game.hwd");

    EXPECT_TRUE(ProfileFile::LoadIfPresent(dir / "absent.ini").SectionNames().empty());
    EXPECT_THROW(ProfileFile::Load(dir / "absent.ini"), Error);
    EXPECT_THROW(ProfileFile::Load(dir.path()), Error);
    EXPECT_THROW(file.Save(dir / "no-such-folder" / "x.ini"), Error);
}

TEST(ProfileFileHostileInput, ArbitraryBytesParseAndWriteBackUnchanged) {
    std::mt19937 random(1234);
    const std::string alphabet = std::string("[]=; \t\r\n\0ab", 12);
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        size_t length = random() % 400;
        for (size_t i = 0; i < length; ++i) bytes += (round % 2) ? alphabet[random() % alphabet.size()] : char(random());
        ProfileFile file = ProfileFile::Parse(bytes);
        EXPECT_EQ(file.ToBytes(), bytes);
        for (size_t i = 0; i < file.SectionNames().size(); ++i) file.SectionEntriesAt(i);
        file.WriteString("a", "b", "c");
        EXPECT_EQ(ProfileFile::Parse(file.ToBytes()).ReadString("a", "b"), "c");
    }
}

}  // namespace
}  // namespace hexwarden
