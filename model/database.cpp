#include "model/database.h"

#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "model/default_tables.h"
#include "model/text_rules.h"
#include "platform/file_stream.h"

namespace hexwarden {

namespace {

void WriteFactionType(TKvFileStream& stream, const TFactionTypeEntry& entry) {
    stream.WriteUInt8(entry.Level);
    stream.WriteUInt8(entry.Used);
    stream.WriteUInt8(entry.Max);
}

TFactionTypeEntry ReadFactionType(TKvFileStream& stream) {
    TFactionTypeEntry entry;
    entry.Level = stream.ReadUInt8();
    entry.Used = stream.ReadUInt8();
    entry.Max = stream.ReadUInt8();
    return entry;
}

}  // namespace

TVelMain::TVelMain()
    : OwnUnits(*this),
      NewUnits(*this),
      LostUnits(*this),
      OverworldHexes(*this),
      UnderworldHexes(*this),
      Units(*this),
      Wedges(*this) {
    Units.OnReplace = [this](TVelUnit& old_unit, TVelUnit&) { RemoveFromLocation(old_unit); };
    AddDefaultRaces();
    AddDefaultTerrains();
    AddDefaultItems();
}

// The lists that name units go first, so that freeing the units has nothing left to update.
TVelMain::~TVelMain() {
    OwnUnits.Clear();
    NewUnits.Clear();
    OverworldHexes.Clear();
    UnderworldHexes.Clear();
}

void TVelMain::Clear() {
    FactionNumber = 0;
    FactionName.clear();
    War = {};
    Trade = {};
    Magic = {};
    Turn = 0;
    DefaultAttitude = 3;
    UnclaimedSilver = 0;

    OwnUnits.Clear();
    NewUnits.Clear();
    LostUnits.Clear();
    Terrains.Clear();
    Races.Clear();
    ItemTypes.Clear();
    SkillTypes.Clear();
    Provinces.Clear();
    OverworldHexes.Clear();
    UnderworldHexes.Clear();
    Units.Clear();
    Factions.Clear();
    Alliances.Clear();
    Markers.Clear();
    Wedges.Reset();

    AddDefaultRaces();
    AddDefaultTerrains();
    AddDefaultItems();
}

const TFactionTypeEntry* TVelMain::FactionType(std::string_view name) const {
    if (name == "War") return &War;
    if (name == "Trade") return &Trade;
    if (name == "Magic") return &Magic;
    return nullptr;
}

TFactionTypeEntry* TVelMain::FactionType(std::string_view name) {
    return const_cast<TFactionTypeEntry*>(std::as_const(*this).FactionType(name));
}

TFactionTypeEntry TVelMain::GetFactionType(std::string_view name) const {
    const TFactionTypeEntry* entry = FactionType(name);
    return entry ? *entry : TFactionTypeEntry{};
}

void TVelMain::SetFactionType(std::string_view name, const TFactionTypeEntry& entry) {
    if (TFactionTypeEntry* stored = FactionType(name)) *stored = entry;
}

TVelHex* TVelMain::FindHex(int32_t x, int32_t y, bool overworld) const {
    return HexesOf(overworld).FindXY(x, y);
}

void TVelMain::UnitsOfFaction(int32_t faction, TVelUnitList& list) const {
    list.Clear();
    for (const auto& unit : Units)
        if (unit->Faction == faction) list.AddUnique(unit.get());
}

void TVelMain::FindLostUnits(int32_t faction, const TVelUnitList& current) {
    LostUnits.Clear();
    TVelUnitList candidates(*this);
    Units.Filter(candidates, faction, -1, -1, LevelMode::Any);

    std::unordered_set<int32_t> current_numbers;
    for (const TVelUnit* unit : current) current_numbers.insert(unit->Number);

    std::vector<TVelUnit*> lost;
    for (TVelUnit* unit : candidates) {
        if (current_numbers.count(unit->Number) > 0) continue;
        RemoveFromLocation(*unit);
        lost.push_back(unit);
    }
    candidates.Clear();

    // One pass over Units for all of them; then into LostUnits in the order they were found.
    auto extracted = Units.ExtractAll(std::unordered_set<const TVelUnit*>(lost.begin(), lost.end()));
    std::unordered_map<const TVelUnit*, std::unique_ptr<TVelUnit>> by_record;
    for (auto& unit : extracted) by_record.emplace(unit.get(), std::move(unit));
    for (TVelUnit* unit : lost) LostUnits.AddOrReplace(std::move(by_record.at(unit)));
}

void TVelMain::RemoveFromLocation(const TVelUnit& unit) {
    TVelHex* hex = FindHex(unit.X, unit.Y, unit.Overworld);
    if (hex == nullptr || hex->Units.RemoveByNumber(unit.Number)) return;
    for (const auto& building : hex->Structures)
        if (building->Units.RemoveByNumber(unit.Number)) return;
}

bool TVelMain::IsNumber(std::string_view text) {
    return IsFloatText(text);
}

void TVelMain::AddDefaultRaces() {
    hexwarden::AddDefaultRaces(Races);
}

void TVelMain::AddDefaultTerrains() {
    hexwarden::AddDefaultTerrains(Terrains);
}

void TVelMain::AddDefaultItems() {
    hexwarden::AddDefaultItems(ItemTypes);
}

void TVelMain::SaveToStream(TKvFileStream& stream) const {
    stream.Write(kFileVersion101.data(), kFileVersion101.size());
    stream.WriteInt32(FactionNumber);
    stream.WriteString(FactionName);
    WriteFactionType(stream, War);
    WriteFactionType(stream, Trade);
    WriteFactionType(stream, Magic);
    stream.WriteInt32(Turn);
    stream.WriteUInt8(DefaultAttitude);
    stream.WriteInt32(UnclaimedSilver);
    Terrains.SaveToStream(stream);
    Races.SaveToStream(stream);
    ItemTypes.SaveToStream(stream);
    SkillTypes.SaveToStream(stream);
    Provinces.SaveToStream(stream);
    Units.SaveToStream(stream);
    OwnUnits.SaveToStream(stream);
    Factions.SaveToStream(stream);
    Alliances.SaveToStream(stream);
    OverworldHexes.SaveToStream(stream);
    UnderworldHexes.SaveToStream(stream);
    NewUnits.SaveToStream(stream);
    LostUnits.SaveToStream(stream);
    Markers.SaveToStream(stream);
    Wedges.SaveToStream(stream);
}

// Units come before every list that names units, which is what fixes the order of the sections.
void TVelMain::LoadFromStream(TKvFileStream& stream) {
    stream.Read(FileVersion.data(), FileVersion.size());
    FactionNumber = stream.ReadInt32();
    FactionName = stream.ReadString();
    War = ReadFactionType(stream);
    Trade = ReadFactionType(stream);
    Magic = ReadFactionType(stream);
    Turn = stream.ReadInt32();
    DefaultAttitude = stream.ReadUInt8();
    UnclaimedSilver = stream.ReadInt32();
    Terrains.LoadFromStream(stream);
    Races.LoadFromStream(stream);
    ItemTypes.LoadFromStream(stream);
    SkillTypes.LoadFromStream(stream);
    Provinces.LoadFromStream(stream);
    Units.LoadFromStream(stream);
    OwnUnits.LoadFromStream(stream);
    Factions.LoadFromStream(stream);
    Alliances.LoadFromStream(stream);
    OverworldHexes.LoadFromStream(stream);
    UnderworldHexes.LoadFromStream(stream);
    NewUnits.LoadFromStream(stream);
    LostUnits.LoadFromStream(stream);
    Markers.LoadFromStream(stream);
    Wedges.LoadFromStream(stream);
}

}  // namespace hexwarden
