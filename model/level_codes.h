#pragma once

#include <cstdint>
#include <vector>

#include "model/level.h"
#include "platform/file_stream.h"

namespace hexwarden {

// How the data file writes a level in one byte: 1 the surface, 0 the underworld, and 2 + i the
// level at index i of the file's list of other levels. That list comes last in the file, so a
// reader meets the codes before it knows what they stand for: it keeps them as provisional levels
// and resolves them once the list is read.
class LevelCodes {
public:
    // Only the surface and the underworld, as in every file before the other levels.
    LevelCodes() = default;
    // Other levels in the order of depth, none of them the surface or the underworld.
    explicit LevelCodes(std::vector<Level> others) : others_(std::move(others)) {}

    const std::vector<Level>& Others() const { return others_; }
    bool HasOthers() const { return !others_.empty(); }

    // A level this table does not list is a fault of the caller.
    uint8_t CodeOf(Level level) const;
    // A code of the two levels gives its level; another code a provisional level until Resolve.
    static Level FromCode(uint8_t code);
    // The listed level a provisional one stands for; the surface for a code the list lacks, as a
    // damaged file's stray byte read as the surface before.
    Level Resolve(Level level) const;

private:
    std::vector<Level> others_;
};

// The stream the data file is written and read with: the file stream and the file's level codes.
class TVelFileStream : public TKvFileStream {
public:
    using TKvFileStream::TKvFileStream;
    LevelCodes Levels;
};

}  // namespace hexwarden
