#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

#include "model/level_codes.h"
#include "platform/file_stream.h"

namespace hexwarden {

// Every container is stored as an i32 count followed by its records.
template <typename Stream, typename List>
void SaveRecords(Stream& stream, const List& list) {
    stream.WriteInt32(list.Count());
    for (const auto& record : list) record->SaveToStream(stream);
}

// Reads the count, then each record: made empty, read, and handed to the container's own add
// operation so that its merge rules apply to file contents too. min_record_bytes is the size of
// the smallest record, which bounds the count by the bytes left (and so what reserve may take).
struct NoReserve {
    void operator()(int32_t) const {}
};

template <typename Stream, typename MakeRecord, typename AddRecord, typename Reserve = NoReserve>
void LoadRecords(Stream& stream, std::size_t min_record_bytes, MakeRecord make, AddRecord add,
                 Reserve reserve = {}) {
    const int32_t count = stream.ReadCount(min_record_bytes);
    reserve(count);
    for (int32_t i = 0; i < count; ++i) {
        auto record = make();
        record->LoadFromStream(stream);
        add(std::move(record));
    }
}

template <typename Record, typename Stream, typename AddRecord, typename Reserve = NoReserve>
void LoadRecords(Stream& stream, std::size_t min_record_bytes, AddRecord add, Reserve reserve = {}) {
    LoadRecords(stream, min_record_bytes, [] { return std::make_unique<Record>(); }, std::move(add), std::move(reserve));
}

// A position: i32 x, i32 y, the level's code and three zero bytes.
inline void WriteLocation(TVelFileStream& stream, int32_t x, int32_t y, Level level) {
    static constexpr uint8_t kPadding[3] = {0, 0, 0};
    stream.WriteInt32(x);
    stream.WriteInt32(y);
    stream.WriteUInt8(stream.Levels.CodeOf(level));
    stream.Write(kPadding, sizeof kPadding);
}

// The level may be provisional until the stream's level list is read (see LevelCodes).
inline void ReadLocation(TVelFileStream& stream, int32_t& x, int32_t& y, Level& level) {
    uint8_t padding[3];
    x = stream.ReadInt32();
    y = stream.ReadInt32();
    level = LevelCodes::FromCode(stream.ReadUInt8());
    stream.Read(padding, sizeof padding);
}

}  // namespace hexwarden
