#include "platform/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <string>
#include <system_error>

#include "platform/error.h"

namespace hexwarden {

namespace {

void WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) throw StreamWriteError();
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

// Closes the descriptor and removes the temporary file unless the write was committed.
class TemporaryFile {
public:
    explicit TemporaryFile(std::filesystem::path path) : path_(std::move(path)) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    }
    ~TemporaryFile() {
        Close();
        if (!committed_) {
            std::error_code ignored;  // best effort: the write error is what the caller hears about
            std::filesystem::remove(path_, ignored);
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }

    // The saved file keeps the access rights the user gave the file it replaces.
    void TakePermissionsOf(const std::filesystem::path& replaced) {
        struct stat status {};
        if (::stat(replaced.c_str(), &status) == 0 && ::fchmod(fd_, status.st_mode & 07777) != 0) {
            throw Error("Cannot create file " + replaced.string());
        }
    }

    void Write(std::string_view bytes) {
        WriteAll(fd_, bytes);
#if defined(__linux__)
        // The disk starts on each block now, so the sync at the end has little left to wait for.
        ::sync_file_range(fd_, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    }

    void Finish() {
        if (::fsync(fd_) != 0) throw StreamWriteError();
        if (Close() != 0) throw StreamWriteError();
    }

    void RenameTo(const std::filesystem::path& target) {
        std::error_code error;
        std::filesystem::rename(path_, target, error);
        if (error) throw Error("Cannot create file " + target.string());
        committed_ = true;
    }

private:
    int Close() {
        int result = 0;
        if (fd_ >= 0) result = ::close(fd_);
        fd_ = -1;
        return result;
    }

    std::filesystem::path path_;
    int fd_ = -1;
    bool committed_ = false;
};

// The file a save must replace: the final target of a chain of symbolic links, so that the link
// stays and the file it names is updated.
std::filesystem::path ResolveLinks(const std::filesystem::path& path) {
    constexpr int kMaxLinks = 40;  // as the system's own lookup allows
    std::filesystem::path target = path;
    std::error_code error;
    for (int links = 0; std::filesystem::is_symlink(target, error); ++links) {
        const std::filesystem::path next = std::filesystem::read_symlink(target, error);
        if (error || links == kMaxLinks) throw Error("Cannot create file " + path.string());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

// After a rename only the folder's entry points at the new file; until the folder reaches the disk
// a power loss can bring the old file back.
void SyncFolderOf(const std::filesystem::path& path) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;  // a folder we may write but not read; the file itself is on disk
    const int result = ::fsync(fd);
    const int fsync_error = errno;
    ::close(fd);
    // EINVAL: a file system that cannot sync folders, where there is nothing more to do.
    if (result != 0 && fsync_error != EINVAL) throw StreamWriteError();
}

std::filesystem::path TemporaryNameFor(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary = path;
    temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return temporary;
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (fd < 0 || ::fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
        if (fd >= 0) ::close(fd);
        throw Error("Cannot open file " + path.string());
    }
    const auto too_large = [&path, limit] {
        const std::string size = limit % (std::size_t{1} << 20) == 0 ? std::to_string(limit >> 20) + " MiB"
                                                                      : std::to_string(limit) + " bytes";
        return Error("File " + path.string() + " is larger than " + size + ".");
    };
    std::string bytes;
    std::size_t filled = 0;
    try {
        if (S_ISREG(status.st_mode) && static_cast<std::uintmax_t>(status.st_size) > limit) throw too_large();
        // A regular file is read straight into one buffer of its size; a pipe or a file that grows
        // meanwhile takes more rounds, never past one byte over the limit.
        std::size_t capacity = S_ISREG(status.st_mode) ? static_cast<std::size_t>(status.st_size) + 1 : 0;
        for (;;) {
            if (filled == bytes.size()) {
                if (filled > limit) throw too_large();
                const std::size_t most = std::min(limit, SIZE_MAX - 1) + 1;
                bytes.resize(std::min(std::max(capacity, filled + (std::size_t{1} << 16)), most));
            }
            capacity = 0;
            const ssize_t got = ::read(fd, bytes.data() + filled, bytes.size() - filled);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) throw StreamReadError();
            if (got == 0) break;
            filled += static_cast<std::size_t>(got);
        }
    } catch (...) {
        ::close(fd);
        throw;
    }
    ::close(fd);
    bytes.resize(filled);
    return bytes;
}

void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    WriteWholeFile(path, [bytes](const ByteWriter& write) { write(bytes); });
}

void WriteWholeFile(const std::filesystem::path& path, const std::function<void(const ByteWriter&)>& produce) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode)) {
        // A terminal, a pipe or /dev/null is written into, never replaced by a file of ours.
        const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0) throw Error("Cannot create file " + path.string());
        try {
            produce([fd](std::string_view bytes) { WriteAll(fd, bytes); });
        } catch (...) {
            ::close(fd);
            throw;
        }
        if (::close(fd) != 0) throw StreamWriteError();
        return;
    }
    const std::filesystem::path target = ResolveLinks(path);
    TemporaryFile temporary(TemporaryNameFor(target));
    if (!temporary.IsOpen()) throw Error("Cannot create file " + path.string());
    temporary.TakePermissionsOf(target);
    produce([&temporary](std::string_view bytes) { temporary.Write(bytes); });
    temporary.Finish();
    temporary.RenameTo(target);
    SyncFolderOf(target);
}

}  // namespace hexwarden
