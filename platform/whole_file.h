#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace hexwarden {

// No report, data file or settings file comes near this; a larger file (or a pipe or device that
// never ends) is refused rather than read into memory.
inline constexpr std::size_t kMaxWholeFileBytes = std::size_t{256} << 20;  // 256 MiB

// The whole content of a file as bytes. Throws Error when the file cannot be opened or holds more
// than `limit` bytes ("File ... is larger than 256 MiB.") and StreamReadError when reading stops
// early.
std::string ReadWholeFile(const std::filesystem::path& path, std::size_t limit = kMaxWholeFileBytes);

// Replaces the file with the bytes. The bytes go to a temporary file beside it first, which is
// renamed over the old file only once it is complete and on disk, so a failed write leaves the old
// file as it was; the folder is synced after the rename. A symbolic link is followed: the file it
// names is replaced and the link stays. The new file keeps the permission bits of the old one.
// Something other than a file or a folder (a terminal, a pipe, /dev/null) is written into instead.
// Throws Error when the file cannot be created and StreamWriteError when writing fails.
void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);

// The same for content too large to hold at once: produce hands the bytes piece by piece to the
// writer it is given.
using ByteWriter = std::function<void(std::string_view bytes)>;
void WriteWholeFile(const std::filesystem::path& path, const std::function<void(const ByteWriter&)>& produce);

}  // namespace hexwarden
