#include "model/building.h"

#include <algorithm>

#include "model/alliance.h"
#include "model/record_stream.h"
#include "model/unit.h"

namespace hexwarden {

namespace {

// Turn, three empty texts, number, needs and an empty unit list.
constexpr std::size_t kMinBuildingBytes = 32;

bool IsShaftKind(std::string_view kind) {
    return std::equal(kind.begin(), kind.end(), std::string_view("shaft").begin(), std::string_view("shaft").end(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

}  // namespace

int32_t TVelBuilding::OwnerFaction() const {
    const TVelUnit* owner = Units.Get(0);
    return owner ? owner->Faction : -1;
}

void TVelBuilding::SaveToStream(TKvFileStream& stream) const {
    stream.WriteInt32(Turn);
    stream.WriteString(Kind);
    stream.WriteString(Name);
    stream.WriteString(Description);
    stream.WriteInt32(Number);
    stream.WriteInt32(Needs);
    Units.SaveToStream(stream);
}

void TVelBuilding::LoadFromStream(TKvFileStream& stream) {
    Turn = stream.ReadInt32();
    Kind = stream.ReadString();
    Name = stream.ReadString();
    Description = stream.ReadString();
    Number = stream.ReadInt32();
    Needs = stream.ReadInt32();
    Units.LoadFromStream(stream);
}

TVelBuilding* TVelBuildingList::FindByNumber(int32_t number) const {
    for (const auto& building : *this)
        if (building && building->Number == number) return building.get();
    return nullptr;
}

TVelBuilding* TVelBuildingList::AddOrReplace(std::unique_ptr<TVelBuilding> building) {
    TVelBuilding* added = building.get();
    const int32_t position = IndexOf(FindByNumber(building->Number));
    if (position >= 0) Exchange(position, std::move(building));
    else Add(std::move(building));
    return added;
}

bool TVelBuildingList::HasFactionUnit(int32_t faction) const {
    return std::any_of(begin(), end(), [faction](const auto& building) { return building->Units.HasFactionUnit(faction); });
}

bool TVelBuildingList::HasAllianceUnit(const TVelAlliance& alliance) const {
    return std::any_of(begin(), end(), [&alliance](const auto& building) { return building->Units.HasAllianceUnit(alliance); });
}

int32_t TVelBuildingList::IndexOfShaft() const {
    for (int32_t i = 0; i < Count(); ++i)
        if (IsShaftKind(Get(i)->Kind)) return i;
    return -1;
}

void TVelBuildingList::SaveToStream(TKvFileStream& stream) const {
    stream.WriteInt32(Turn);
    SaveRecords(stream, *this);
}

void TVelBuildingList::LoadFromStream(TKvFileStream& stream) {
    Turn = stream.ReadInt32();
    Clear();
    LoadRecords(
        stream, kMinBuildingBytes, [this] { return std::make_unique<TVelBuilding>(*main_); },
        [this](auto building) { Add(std::move(building)); });
}

}  // namespace hexwarden
