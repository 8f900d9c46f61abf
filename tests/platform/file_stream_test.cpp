#include "platform/file_stream.h"

#include <gtest/gtest.h>

#include "platform/error.h"

namespace hexwarden {
namespace {

TEST(FileStream, NumbersAndTextsAreLittleEndianAndReadBackAsWritten) {
    TKvFileStream out;
    out.WriteInt32(-2);
    out.WriteUInt16(0x1234);
    out.WriteUInt8(0xAB);
    out.WriteBool(true);
    out.WriteString("");
    out.WriteString(std::string(300, 'x'));
    out.WriteString(std::string("a\0\xff", 3));
    const std::string& bytes = out.Bytes();
    EXPECT_EQ(bytes.substr(0, 9), std::string("\xFE\xFF\xFF\xFF\x34\x12\xAB\x01", 8) + std::string(1, '\0'));
    EXPECT_EQ(bytes.substr(9, 3), std::string(3, '\0'));  // empty text: four zero bytes
    EXPECT_EQ(bytes.substr(12, 4), std::string("\x2C\x01\x00\x00", 4));
    EXPECT_EQ(bytes.size(), 8u + 4u + 304u + 7u);

    TKvFileStream in(bytes);
    EXPECT_EQ(in.ReadInt32(), -2);
    EXPECT_EQ(in.ReadUInt16(), 0x1234);
    EXPECT_EQ(in.ReadUInt8(), 0xAB);
    EXPECT_TRUE(in.ReadBool());
    EXPECT_EQ(in.ReadString(), "");
    EXPECT_EQ(in.ReadString(), std::string(300, 'x'));
    EXPECT_EQ(in.ReadString(), std::string("a\0\xff", 3));
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(FileStream, ShortReadsThrowAndLeaveThePositionWhereItWas) {
    TKvFileStream in(std::string("\x01\x02\x03", 3));
    EXPECT_THROW(in.ReadInt32(), StreamReadError);
    EXPECT_EQ(in.Position(), 0u);
    EXPECT_EQ(in.ReadUInt16(), 0x0201);
    EXPECT_THROW(in.ReadUInt16(), StreamReadError);
    EXPECT_EQ(in.ReadUInt8(), 3);
    EXPECT_THROW(in.ReadBool(), StreamReadError);
}

TEST(FileStream, LengthsAndCountsBeyondTheBytesLeftAreReadErrors) {
    TKvFileStream huge_text(std::string("\xFF\xFF\xFF\x7F" "abc", 7));
    EXPECT_THROW(huge_text.ReadString(), StreamReadError);

    TKvFileStream one_short(std::string("\x04\x00\x00\x00" "abc", 7));
    EXPECT_THROW(one_short.ReadString(), StreamReadError);

    TKvFileStream negative(std::string("\xFF\xFF\xFF\xFF", 4));
    EXPECT_THROW(negative.ReadCount(1), StreamReadError);

    // Three elements of at least 4 bytes need 12 bytes.
    const std::string three = std::string("\x03\x00\x00\x00", 4);
    TKvFileStream fits(three + std::string(12, '\0'));
    EXPECT_EQ(fits.ReadCount(4), 3);
    TKvFileStream does_not_fit(three + std::string(11, '\0'));
    EXPECT_THROW(does_not_fit.ReadCount(4), StreamReadError);
}

TEST(FileStream, AStreamWithAnOutputPassesOnExactlyWhatAMemoryStreamKeeps) {
    TKvFileStream kept;
    std::string passed;
    int blocks = 0;
    TKvFileStream passing([&](std::string_view bytes) {
        passed.append(bytes);
        ++blocks;
    });
    const std::string text(1000, 't');
    const std::string larger_than_a_block(3 << 20, 'b');
    for (int i = 0; i < 3000; ++i) {
        for (TKvFileStream* stream : {&kept, &passing}) {
            stream->WriteInt32(i);
            stream->WriteString(i == 1500 ? larger_than_a_block : text);
        }
    }
    EXPECT_EQ(passing.Size(), kept.Size());
    passing.Flush();
    passing.Flush();
    EXPECT_EQ(passed, kept.Bytes());
    EXPECT_GT(blocks, 1);
}

}  // namespace
}  // namespace hexwarden
