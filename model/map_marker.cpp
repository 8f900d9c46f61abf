#include "model/map_marker.h"

#include "model/coordinates.h"
#include "model/record_stream.h"

namespace hexwarden {

namespace {
constexpr std::size_t kMinMarkerBytes = 13;  // empty text, x, y, level
}  // namespace

std::string TVelMapMarker::FormatPosition() const {
    return JoinLocation(At());
}

void TVelMapMarker::SaveToStream(TVelFileStream& stream) const {
    stream.WriteString(Text);
    stream.WriteInt32(X);
    stream.WriteInt32(Y);
    stream.WriteUInt8(stream.Levels.CodeOf(Where));
}

void TVelMapMarker::LoadFromStream(TVelFileStream& stream) {
    Text = stream.ReadString();
    X = stream.ReadInt32();
    Y = stream.ReadInt32();
    Where = LevelCodes::FromCode(stream.ReadUInt8());
}

TVelMapMarker* TVelMapMarkerList::FindAt(const Place& place) const {
    for (const auto& marker : *this)
        if (marker && marker->At() == place) return marker.get();
    return nullptr;
}

void TVelMapMarkerList::SaveToStream(TVelFileStream& stream) const {
    SaveRecords(stream, *this);
}

void TVelMapMarkerList::LoadFromStream(TVelFileStream& stream) {
    Clear();
    LoadRecords<TVelMapMarker>(stream, kMinMarkerBytes, [this](auto marker) { Add(std::move(marker)); });
}

}  // namespace hexwarden
