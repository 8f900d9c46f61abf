#include "platform/whole_file.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/error.h"
#include "tests/support/fixtures.h"

// The file system calls of a save, recorded while a test asks for it. These definitions take the
// place of the C library's for this test program and pass every call on.
namespace {

bool recording = false;
std::vector<std::string> calls;

std::string PathOf(int fd) {
    std::string path(4096, '\0');
    const ssize_t length = readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path.data(), path.size());
    path.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return path;
}

}  // namespace

extern "C" int fsync(int fd) {
    static const auto real = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    if (recording) calls.push_back("fsync " + PathOf(fd));
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) {
    static const auto real = reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    if (recording) calls.push_back(std::string("rename ") + to);
    return real(from, to);
}

namespace hexwarden {
namespace {

using testing::ReadFileBytes;
using testing::ScratchDir;

mode_t PermissionsOf(const std::filesystem::path& path) {
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0);
    return status.st_mode & 07777;
}

TEST(WholeFile, ASaveThroughLinksReplacesTheFileTheyNameAndKeepsTheLinks) {
    ScratchDir dir;
    std::filesystem::create_directory(dir / "games");
    WriteWholeFile(dir / "games" / "real.hwd", "old");
    std::filesystem::create_symlink("games/real.hwd", dir / "link.hwd");      // relative to the link's folder
    std::filesystem::create_symlink(dir / "link.hwd", dir / "second.hwd");  // a chain of two

    WriteWholeFile(dir / "second.hwd", "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "second.hwd"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.hwd"));
    EXPECT_EQ(ReadFileBytes(dir / "games" / "real.hwd"), "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "games"), {}), 1);  // no temporary left

    // A link to a file not yet there creates it.
    std::filesystem::create_symlink("games/fresh.hwd", dir / "dangling.hwd");
    WriteWholeFile(dir / "dangling.hwd", "first");
    EXPECT_EQ(ReadFileBytes(dir / "games" / "fresh.hwd"), "first");

    std::filesystem::create_symlink("loop-b", dir / "loop-a");
    std::filesystem::create_symlink("loop-a", dir / "loop-b");
    EXPECT_THROW(WriteWholeFile(dir / "loop-a", "x"), Error);
}

TEST(WholeFile, TheSavedFileKeepsThePermissionsOfTheOneItReplaces) {
    ScratchDir dir;
    for (mode_t mode : {0600, 0640, 0444}) {
        WriteWholeFile(dir / "game.hwd", "old");
        ASSERT_EQ(chmod((dir / "game.hwd").c_str(), mode), 0);
        WriteWholeFile(dir / "game.hwd", "new");
        EXPECT_EQ(PermissionsOf(dir / "game.hwd"), mode);
        EXPECT_EQ(ReadFileBytes(dir / "game.hwd"), "new");
        std::filesystem::remove(dir / "game.hwd");
    }
    // A new file gets what the user's file-creation mask allows.
    const mode_t mask = umask(027);
    WriteWholeFile(dir / "new.hwd", "x");
    umask(mask);
    EXPECT_EQ(PermissionsOf(dir / "new.hwd"), 0640u);
}

TEST(WholeFile, TheFileReachesTheDiskBeforeTheRenameAndTheFolderAfterIt) {
    ScratchDir dir;
    std::filesystem::create_directory(dir / "games");
    std::filesystem::create_symlink("games/real.hwd", dir / "link.hwd");
    const std::string folder = std::filesystem::canonical(dir / "games").string();
    calls.clear();
    recording = true;
    WriteWholeFile(dir / "link.hwd", "bytes");
    recording = false;
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].rfind("fsync " + folder + "/real.hwd.tmp-", 0), 0u) << calls[0];
    EXPECT_EQ(calls[1], "rename " + (dir / "games/real.hwd").string());
    EXPECT_EQ(calls[2], "fsync " + folder);
}

TEST(WholeFile, WritesAndReadsBytesWholeAndAFailedWriteLeavesTheOldFile) {
    ScratchDir dir;
    std::string bytes("a\0b\r\n\xff", 6);
    bytes += std::string(200000, 'x');
    WriteWholeFile(dir / "f", "old content that is longer");
    WriteWholeFile(dir / "f", bytes);
    EXPECT_EQ(ReadWholeFile(dir / "f"), bytes);
    EXPECT_FALSE(ReadWholeFile("/proc/self/status").empty());  // claims a size of 0
    std::filesystem::create_directories(dir / "folder" / "child");
    EXPECT_THROW(WriteWholeFile(dir / "folder", "x"), Error);
    EXPECT_THROW(WriteWholeFile(dir / "missing" / "f", "x"), Error);
    EXPECT_THROW(ReadWholeFile(dir / "missing"), Error);
    EXPECT_THROW(ReadWholeFile(dir / "folder"), Error);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder" / "child"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);

    // A device is written into, not replaced.
    WriteWholeFile("/dev/null", bytes);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST(WholeFile, AFileOverTheLimitIsRefusedAndADeviceThatNeverEndsToo) {
    ScratchDir dir;
    WriteWholeFile(dir / "f", std::string(100, 'x'));
    EXPECT_EQ(ReadWholeFile(dir / "f", 100).size(), 100u);
    try {
        ReadWholeFile(dir / "f", 99);
        ADD_FAILURE() << "read past the limit";
    } catch (const Error& error) {
        EXPECT_EQ(error.what(), "File " + (dir / "f").string() + " is larger than 99 bytes.");
    }
    EXPECT_THROW(ReadWholeFile("/dev/zero", 1u << 20), Error);  // claims no size and has no end
    EXPECT_EQ(ReadWholeFile("/dev/null", 0), "");
}

}  // namespace
}  // namespace hexwarden
