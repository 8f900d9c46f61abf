#include "model/map_marker.h"

#include "model/coordinates.h"
#include "model/record_stream.h"

namespace hexwarden {

namespace {
constexpr std::size_t kMinMarkerBytes = 13;  // empty text, x, y, level
}  // namespace

std::string TVelMapMarker::FormatPosition(bool mark_underground) const {
    return JoinLocation(X, Y, Overworld, mark_underground);
}

bool TVelMapMarker::Matches(int32_t x, int32_t y, bool overworld) const {
    return X == x && Y == y && Overworld == overworld;
}

void TVelMapMarker::SaveToStream(TKvFileStream& stream) const {
    stream.WriteString(Text);
    stream.WriteInt32(X);
    stream.WriteInt32(Y);
    stream.WriteBool(Overworld);
}

void TVelMapMarker::LoadFromStream(TKvFileStream& stream) {
    Text = stream.ReadString();
    X = stream.ReadInt32();
    Y = stream.ReadInt32();
    Overworld = stream.ReadBool();
}

TVelMapMarker* TVelMapMarkerList::FindAt(int32_t x, int32_t y, bool overworld) const {
    for (const auto& marker : *this)
        if (marker && marker->Matches(x, y, overworld)) return marker.get();
    return nullptr;
}

void TVelMapMarkerList::SaveToStream(TKvFileStream& stream) const {
    SaveRecords(stream, *this);
}

void TVelMapMarkerList::LoadFromStream(TKvFileStream& stream) {
    Clear();
    LoadRecords<TVelMapMarker>(stream, kMinMarkerBytes, [this](auto marker) { Add(std::move(marker)); });
}

}  // namespace hexwarden
