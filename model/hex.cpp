#include "model/hex.h"

#include <array>

#include "model/database.h"
#include "model/record_stream.h"

namespace hexwarden {

namespace {
constexpr uint8_t kNoTerrain = 255;
}  // namespace

std::string_view SettlementSizeName(int size) {
    static constexpr std::array<std::string_view, 4> kNames = {"", "Village", "Town", "City"};
    if (size < 0 || size >= static_cast<int>(kNames.size())) return {};
    return kNames[static_cast<std::size_t>(size)];
}

TVelHex::TVelHex(TVelMain& main)
    : Peasants(main.Races),
      Wanted(main.ItemTypes),
      ForSale(main.ItemTypes),
      Products(main.ItemTypes),
      Structures(main),
      Units(main),
      main_(&main) {}

const TVelIndexRecord* TVelHex::TerrainRecord() const {
    return Terrain == kNoTerrain ? nullptr : main_->Terrains.Get(Terrain);
}

std::string TVelHex::TerrainName() const {
    const TVelIndexRecord* record = TerrainRecord();
    return record ? record->Name : std::string();
}

// Positions a byte cannot hold count as none rather than wrapping to another terrain.
void TVelHex::SetTerrainName(std::string_view name) {
    const int32_t position = main_->Terrains.IndexOfName(name);
    Terrain = (position >= 0 && position < kNoTerrain) ? static_cast<uint8_t>(position) : kNoTerrain;
}

std::string TVelHex::ProvinceName() const {
    const TVelIndexRecord* record = main_->Provinces.Get(Province);
    return record ? record->Name : std::string();
}

void TVelHex::SetProvinceName(std::string_view name) {
    Province = main_->Provinces.IndexOfName(name);
}

bool TVelHex::HasFactionUnit(int32_t faction) const {
    return Units.HasFactionUnit(faction) || Structures.HasFactionUnit(faction);
}

bool TVelHex::HasAllianceUnit(const TVelAlliance& alliance) const {
    return Units.HasAllianceUnit(alliance) || Structures.HasAllianceUnit(alliance);
}

int32_t TVelHex::ShaftIndex() const {
    return Structures.IndexOfShaft();
}

void TVelHex::SaveToStream(TVelFileStream& stream) const {
    stream.WriteBool(Confirmed);
    WriteLocation(stream, X, Y, Where);
    stream.WriteInt32(Turn);
    stream.WriteUInt8(Terrain);
    stream.WriteInt32(Province);
    stream.WriteInt32(TaxBase);
    stream.WriteInt32(Wages);
    stream.WriteInt32(MaxWages);
    stream.WriteUInt8(SettlementSize);
    stream.WriteString(SettlementName);
    stream.WriteInt32(Entertainment);
    stream.WriteInt32(Gate);
    stream.WriteString(Notes);
    Peasants.SaveToStream(stream);
    Wanted.SaveToStream(stream);
    ForSale.SaveToStream(stream);
    Products.SaveToStream(stream);
    Structures.SaveToStream(stream);
    Units.SaveToStream(stream);
}

void TVelHex::LoadFromStream(TVelFileStream& stream) {
    Confirmed = stream.ReadBool();
    ReadLocation(stream, X, Y, Where);
    Turn = stream.ReadInt32();
    Terrain = stream.ReadUInt8();
    Province = stream.ReadInt32();
    TaxBase = stream.ReadInt32();
    Wages = stream.ReadInt32();
    MaxWages = stream.ReadInt32();
    SettlementSize = stream.ReadUInt8();
    SettlementName = stream.ReadString();
    Entertainment = stream.ReadInt32();
    Gate = stream.ReadInt32();
    Notes = stream.ReadString();
    Peasants.LoadFromStream(stream);
    Wanted.LoadFromStream(stream);
    ForSale.LoadFromStream(stream);
    Products.LoadFromStream(stream);
    Structures.LoadFromStream(stream);
    Units.LoadFromStream(stream);
}

}  // namespace hexwarden
