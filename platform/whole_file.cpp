#include "platform/whole_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <fstream>
#include <system_error>

#include "platform/error.h"

namespace hexwarden {

namespace {

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

    void Write(std::string_view bytes) {
        while (!bytes.empty()) {
            ssize_t written = ::write(fd_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) throw StreamWriteError();
            bytes.remove_prefix(static_cast<size_t>(written));
        }
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

std::filesystem::path TemporaryNameFor(const std::filesystem::path& path) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path temporary = path;
    temporary += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    return temporary;
}

}  // namespace

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::error_code error;
    if (!in || std::filesystem::is_directory(path, error)) throw Error("Cannot open file " + path.string());
    std::string bytes;
    if (const auto size = std::filesystem::file_size(path, error); !error) bytes.reserve(size);  // one allocation for large files
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, static_cast<size_t>(in.gcount()));
    if (in.bad()) throw StreamReadError();
    return bytes;
}

void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes) {
    WriteWholeFile(path, [bytes](const ByteWriter& write) { write(bytes); });
}

void WriteWholeFile(const std::filesystem::path& path, const std::function<void(const ByteWriter&)>& produce) {
    TemporaryFile temporary(TemporaryNameFor(path));
    if (!temporary.IsOpen()) throw Error("Cannot create file " + path.string());
    produce([&temporary](std::string_view bytes) { temporary.Write(bytes); });
    temporary.Finish();
    temporary.RenameTo(path);
}

}  // namespace hexwarden
