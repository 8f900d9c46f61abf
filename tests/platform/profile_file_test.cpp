#include "platform/profile_file.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/error.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

TEST(ProfileFileReading, KeysSectionsBlanksEmptyValuesRepeatsAndLineEnds) {
    ProfileFile file = ProfileFile::Parse(
        "stray=before any section\r"
        "[ Hexwarden ]\r\n"
        "  Password  =  a=b; c  \n"
        "Empty=\n"
        ";Data=commented\n"
        "password=second\n"
        "[Map1\rZoom=7\n"
        "[hexwarden]\nData=later section");
    EXPECT_EQ(file.ReadString("HEXWARDEN", "PASSWORD"), "a=b; c");
    EXPECT_EQ(file.ReadString("Hexwarden", "Empty", "dflt"), "dflt");
    EXPECT_EQ(file.ReadString("Hexwarden", "Data", "dflt"), "dflt");
    EXPECT_EQ(file.ReadString("Map1", "Zoom", "none"), "none");  // "[Map1" opens no section
    EXPECT_EQ(file.ReadString("hexwarden", "Zoom"), "7");
    EXPECT_EQ(file.ReadInteger("Hexwarden", "Empty", 5), 5);
}

TEST(ProfileFileReading, IntegersAreDecimalOrHexAndBooleansAreIntegers) {
    ProfileFile file = ProfileFile::Parse(
        "[N]\nDec=-42\nHex=0x1F\nUpper=0X1f\nPrefixOnly=0x\nTrailing=12abc\nHuge=99999999999\nMin=-2147483648\n"
        "Zero=0\nTwo=2\nWord=True\n");
    EXPECT_EQ(file.ReadInteger("N", "Dec", 0), -42);
    EXPECT_EQ(file.ReadInteger("N", "Hex", 0), 31);
    EXPECT_EQ(file.ReadInteger("N", "Upper", 0), 31);
    EXPECT_EQ(file.ReadInteger("N", "Min", 0), INT32_MIN);
    for (const char* key : {"PrefixOnly", "Trailing", "Huge", "Word"}) EXPECT_EQ(file.ReadInteger("N", key, 5), 5) << key;
    EXPECT_FALSE(file.ReadBool("N", "Zero", true));
    EXPECT_TRUE(file.ReadBool("N", "Two", false));
    EXPECT_FALSE(file.ReadBool("N", "Word", false));
}

TEST(ProfileFileListing, SectionsInFileOrderEachWithItsOwnEntriesAndNoLimits) {
    std::string long_name(100000, 'L');
    std::string text = "[VELDORIA DATA]\nTurn=3\n[Hex 1,1,Overworld]\n Turn = 2 \nTerrain=\n[hex 1,1,overworld]\nTurn=5\n";
    text += "[" + long_name + "]\n";
    for (int i = 0; i < 20000; ++i) text += "[S" + std::to_string(i) + "]\n";
    ProfileFile file = ProfileFile::Parse(text);
    std::vector<std::string> names = file.SectionNames();
    ASSERT_EQ(names.size(), 20004u);
    EXPECT_EQ(names[1], "Hex 1,1,Overworld");
    EXPECT_EQ(names[3], long_name);
    EXPECT_EQ(names.back(), "S19999");
    ASSERT_EQ(file.SectionEntriesAt(1).size(), 2u);
    EXPECT_EQ(file.SectionEntriesAt(1)[0].Key, "Turn");
    EXPECT_EQ(FindProfileValue(file.SectionEntriesAt(1), "TURN"), "2");
    EXPECT_EQ(FindProfileValue(file.SectionEntriesAt(2), "turn"), "5");
    EXPECT_EQ(FindProfileValue(file.SectionEntries("HEX 1,1,OVERWORLD"), "Turn"), "2");
    EXPECT_TRUE(file.SectionEntriesAt(names.size()).empty());
}

TEST(ProfileFileWriting, OnlyTheWrittenLineChangesAndNewLinesGoWhereTheyBelong) {
    ProfileFile file = ProfileFile::Parse("; settings\n[Hexwarden]\n  Password = old \nMapCount=2\n\n[Map1]\r\nZoom=5");
    EXPECT_EQ(file.ReadString("Hexwarden", "Data", "none"), "none");
    file.WriteString("HEXWARDEN", "password", "new");
    file.WriteString("Hexwarden", "Data", "game.hwd");
    file.WriteBool("Map1", "Active", true);
    file.WriteInteger("Window", "Left", -3);
    EXPECT_EQ(file.ToBytes(),
              "; settings\n[Hexwarden]\nPassword=new\nMapCount=2\nData=game.hwd\r\n\n[Map1]\r\nZoom=5\r\nActive=1\r\n"
              "\r\n[Window]\r\nLeft=-3\r\n");
    EXPECT_EQ(file.ReadString("Hexwarden", "Data"), "game.hwd");

    ProfileFile empty;
    empty.WriteString("S", "Password", "a\r\n[Injected]\nb");
    EXPECT_EQ(empty.ToBytes(), "[S]\r\nPassword=a  [Injected] b\r\n");
}

TEST(ProfileFileFiles, SaveLoadAndMissingFiles) {
    testing::ScratchDir dir;
    ProfileFile file;
    file.WriteString("Hexwarden", "Data", "game.hwd");
    file.Save(dir / "Hexwarden.ini");
    EXPECT_EQ(ProfileFile::Load(dir / "Hexwarden.ini").ReadString("hexwarden", "data"), "game.hwd");
    EXPECT_TRUE(ProfileFile::LoadIfPresent(dir / "absent.ini").SectionNames().empty());
    EXPECT_THROW(ProfileFile::Load(dir / "absent.ini"), Error);
    EXPECT_THROW(ProfileFile::Load(dir.path()), Error);
}

TEST(ProfileFileHostileInput, ArbitraryBytesParseAndWriteBackUnchanged) {
    std::mt19937 random(1234);
    const std::string alphabet("[]=; \t\r\n\0ab", 12);
    for (int round = 0; round < 200; ++round) {
        std::string bytes;
        for (size_t i = random() % 400; i > 0; --i) bytes += round % 2 ? alphabet[random() % alphabet.size()] : char(random());
        ProfileFile file = ProfileFile::Parse(bytes);
        EXPECT_EQ(file.ToBytes(), bytes);
        file.WriteString("a", "b", "c");
        EXPECT_EQ(ProfileFile::Parse(file.ToBytes()).ReadString("a", "b"), "c");
    }
}

}  // namespace
}  // namespace hexwarden
