#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

#include "platform/file_stream.h"

namespace hexwarden {

// Every container is stored as an i32 count followed by its records.
template <typename List>
void SaveRecords(TKvFileStream& stream, const List& list) {
    stream.WriteInt32(list.Count());
    for (const auto& record : list) record->SaveToStream(stream);
}

// Reads the count, then each record: made empty, read, and handed to the container's own add
// operation so that its merge rules apply to file contents too. min_record_bytes is the size of
// the smallest record, which bounds the count by the bytes left (and so what reserve may take).
struct NoReserve {
    void operator()(int32_t) const {}
};

template <typename MakeRecord, typename AddRecord, typename Reserve = NoReserve>
void LoadRecords(TKvFileStream& stream, std::size_t min_record_bytes, MakeRecord make, AddRecord add,
                 Reserve reserve = {}) {
    const int32_t count = stream.ReadCount(min_record_bytes);
    reserve(count);
    for (int32_t i = 0; i < count; ++i) {
        auto record = make();
        record->LoadFromStream(stream);
        add(std::move(record));
    }
}

template <typename Record, typename AddRecord, typename Reserve = NoReserve>
void LoadRecords(TKvFileStream& stream, std::size_t min_record_bytes, AddRecord add, Reserve reserve = {}) {
    LoadRecords(stream, min_record_bytes, [] { return std::make_unique<Record>(); }, std::move(add), std::move(reserve));
}

// A position: i32 x, i32 y, the level byte and three zero bytes.
inline void WriteLocation(TKvFileStream& stream, int32_t x, int32_t y, bool overworld) {
    static constexpr uint8_t kPadding[3] = {0, 0, 0};
    stream.WriteInt32(x);
    stream.WriteInt32(y);
    stream.WriteBool(overworld);
    stream.Write(kPadding, sizeof kPadding);
}

inline void ReadLocation(TKvFileStream& stream, int32_t& x, int32_t& y, bool& overworld) {
    uint8_t padding[3];
    x = stream.ReadInt32();
    y = stream.ReadInt32();
    overworld = stream.ReadBool();
    stream.Read(padding, sizeof padding);
}

}  // namespace hexwarden
