#include "model/alliance.h"

#include <algorithm>

#include "model/record_stream.h"

namespace hexwarden {

namespace {
constexpr std::size_t kMinAllianceBytes = 20;  // three empty texts, member count, colour
constexpr std::size_t kMemberBytes = 4;
}  // namespace

void TVelAlliance::Clear() {
    Reserved1.clear();
    Name.clear();
    Members.clear();
    Reserved2.clear();
}

int32_t TVelAlliance::IndexOfMember(int32_t faction) const {
    const auto found = std::find(Members.begin(), Members.end(), faction);
    return found == Members.end() ? -1 : static_cast<int32_t>(found - Members.begin());
}

void TVelAlliance::SaveToStream(TKvFileStream& stream) const {
    stream.WriteString(Reserved1);
    stream.WriteString(Name);
    stream.WriteInt32(MemberCount());
    for (int32_t member : Members) stream.WriteInt32(member);
    stream.WriteString(Reserved2);
    stream.WriteInt32(static_cast<int32_t>(Colour));
}

void TVelAlliance::LoadFromStream(TKvFileStream& stream) {
    Clear();
    Reserved1 = stream.ReadString();
    Name = stream.ReadString();
    const int32_t count = stream.ReadCount(kMemberBytes);
    Members.reserve(static_cast<std::size_t>(count));
    for (int32_t i = 0; i < count; ++i) Members.push_back(stream.ReadInt32());
    Reserved2 = stream.ReadString();
    Colour = static_cast<uint32_t>(stream.ReadInt32());
}

int32_t TVelAllianceList::IndexOfName(std::string_view name) const {
    for (int32_t i = 0; i < Count(); ++i)
        if (Get(i) && Get(i)->Name == name) return i;
    return -1;
}

void TVelAllianceList::SaveToStream(TKvFileStream& stream) const {
    SaveRecords(stream, *this);
}

void TVelAllianceList::LoadFromStream(TKvFileStream& stream) {
    Clear();
    LoadRecords<TVelAlliance>(stream, kMinAllianceBytes, [this](auto alliance) { Add(std::move(alliance)); });
}

}  // namespace hexwarden
