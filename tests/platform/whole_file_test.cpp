#include "platform/whole_file.h"

#include <gtest/gtest.h>

#include "platform/error.h"
#include "tests/support/fixtures.h"

namespace hexwarden {
namespace {

using testing::ScratchDir;

size_t EntriesIn(const std::filesystem::path& dir) {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

TEST(WholeFile, WritingReplacesTheFileAndReadingGivesTheSameBytes) {
    ScratchDir dir;
    const std::string bytes("a\0b\r\n\xff", 6);
    WriteWholeFile(dir / "f", "old content that is longer");
    WriteWholeFile(dir / "f", bytes);
    EXPECT_EQ(ReadWholeFile(dir / "f"), bytes);
    WriteWholeFile(dir / "empty", "");
    EXPECT_EQ(ReadWholeFile(dir / "empty"), "");
    EXPECT_EQ(EntriesIn(dir.path()), 2u);
}

TEST(WholeFile, FailuresAreErrorsAndLeaveNoTemporaryFileBehind) {
    ScratchDir dir;
    std::filesystem::create_directory(dir / "folder");
    std::filesystem::create_directory(dir / "folder" / "child");
    EXPECT_THROW(WriteWholeFile(dir / "folder", "x"), Error);
    EXPECT_THROW(WriteWholeFile(dir / "missing" / "f", "x"), Error);
    EXPECT_THROW(ReadWholeFile(dir / "missing"), Error);
    EXPECT_THROW(ReadWholeFile(dir / "folder"), Error);
    EXPECT_EQ(EntriesIn(dir.path()), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder" / "child"));
}

}  // namespace
}  // namespace hexwarden
