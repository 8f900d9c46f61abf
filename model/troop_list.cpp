#include "model/troop_list.h"

#include "model/index_table.h"
#include "model/wrapping_math.h"
#include "model/record_stream.h"

namespace hexwarden {

namespace {
constexpr std::size_t kMinSectionBytes = 8;  // empty code, count
}  // namespace

void TVelTroopSection::SaveToStream(TKvFileStream& stream) const {
    stream.WriteString(Code);
    stream.WriteInt32(Count);
}

void TVelTroopSection::LoadFromStream(TKvFileStream& stream) {
    Code = stream.ReadString();
    Count = stream.ReadInt32();
}

TVelTroopSection* TVelTroopList::FindByCode(std::string_view code) const {
    for (const auto& section : *this)
        if (section && section->Code == code) return section.get();
    return nullptr;
}

void TVelTroopList::AddTroops(std::string_view code, int32_t count) {
    if (TVelTroopSection* section = FindByCode(code)) {
        section->Count = WrappingAdd(section->Count, count);
        return;
    }
    Add(std::make_unique<TVelTroopSection>(std::string(code), count));
}

int32_t TVelTroopList::Total() const {
    int32_t total = 0;
    for (const auto& section : *this)
        if (section) total = WrappingAdd(total, section->Count);
    return total;
}

std::string TVelTroopList::DisplayName(const TVelTroopSection& section) const {
    const TVelIndexRecord* record = NameIndex->FindByCode(section.Code);
    return record ? NameFor(*record, section.Count) : "<UNKNOWN>";
}

void TVelTroopList::SaveToStream(TKvFileStream& stream) const {
    SaveRecords(stream, *this);
}

void TVelTroopList::LoadFromStream(TKvFileStream& stream) {
    Clear();
    LoadRecords<TVelTroopSection>(
        stream, kMinSectionBytes, [this](auto section) { Add(std::move(section)); },
        [this](int32_t count) { Reserve(static_cast<std::size_t>(count)); });
}

}  // namespace hexwarden
