#include "model/database.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "model/default_tables.h"
#include "model/level_codes.h"
#include "model/text_rules.h"
#include "platform/error.h"
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
      OverworldHexes(*this, Level::Surface),
      UnderworldHexes(*this, Level::Underworld),
      Units(*this),
      Wedges(*this),
      no_hexes_(*this, Level::Surface) {
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
    other_hexes_.clear();
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
    other_hexes_.clear();
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

TVelHexList& TVelMain::HexesOf(Level level) {
    if (level == Level::Surface) return OverworldHexes;
    if (level == Level::Underworld) return UnderworldHexes;
    std::unique_ptr<TVelHexList>& hexes = other_hexes_[level];
    if (!hexes) hexes = std::make_unique<TVelHexList>(*this, level);
    return *hexes;
}

const TVelHexList& TVelMain::HexesOf(Level level) const {
    if (level == Level::Surface) return OverworldHexes;
    if (level == Level::Underworld) return UnderworldHexes;
    const auto found = other_hexes_.find(level);
    return found == other_hexes_.end() ? no_hexes_ : *found->second;
}

TVelHex* TVelMain::FindHex(const Place& place) const {
    return HexesOf(place.Where).FindXY(place.X, place.Y);
}

std::vector<Level> TVelMain::Levels() const {
    std::vector<Level> levels = {Level::Surface, Level::Underworld};
    for (const auto& [level, hexes] : other_hexes_)
        if (hexes->HexCount() > 0) levels.push_back(level);
    std::sort(levels.begin(), levels.end());
    return levels;
}

std::vector<Level> TVelMain::OtherLevelsInUse() const {
    std::set<Level> levels;
    const auto note = [&levels](Level level) {
        if (level != Level::Surface && level != Level::Underworld) levels.insert(level);
    };
    for (const auto& [level, hexes] : other_hexes_)
        if (hexes->HexCount() > 0) levels.insert(level);
    for (const TVelUnitIndexList* list : {&Units, &LostUnits})
        for (const auto& unit : *list) {
            note(unit->Where);
            note(unit->LastWhere);
            for (const auto& position : unit->PositionHistory) note(position->Where);
        }
    for (const auto& marker : Markers) note(marker->Where);
    return {levels.begin(), levels.end()};
}

void TVelMain::ResolveLevels(const LevelCodes& codes) {
    for (const TVelUnitIndexList* list : {&Units, &LostUnits})
        for (const auto& unit : *list) {
            unit->Where = codes.Resolve(unit->Where);
            unit->LastWhere = codes.Resolve(unit->LastWhere);
            for (const auto& position : unit->PositionHistory) position->Where = codes.Resolve(position->Where);
        }
    for (const auto& marker : Markers) marker->Where = codes.Resolve(marker->Where);
}

void TVelMain::UnitsOfFaction(int32_t faction, TVelUnitList& list) const {
    list.Clear();
    for (const auto& unit : Units)
        if (unit->Faction == faction) list.AddUnique(unit.get());
}

void TVelMain::FindLostUnits(int32_t faction, const TVelUnitList& current) {
    LostUnits.Clear();
    TVelUnitList candidates(*this);
    Units.Filter(candidates, faction, -1, -1, std::nullopt);

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
    TVelHex* hex = FindHex(unit.At());
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

void TVelMain::SaveToStream(TVelFileStream& stream) const {
    stream.Levels = LevelCodes(OtherLevelsInUse());
    const FileVersionBytes& version = stream.Levels.HasOthers() ? kFileVersion102 : kFileVersion101;
    stream.Write(version.data(), version.size());
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
    if (!stream.Levels.HasOthers()) return;
    stream.WriteInt32(static_cast<int32_t>(stream.Levels.Others().size()));
    for (const Level level : stream.Levels.Others()) {
        stream.WriteString(level.Label());
        HexesOf(level).SaveToStream(stream);
    }
}

// Units come before every list that names units, which is what fixes the order of the sections.
void TVelMain::LoadFromStream(TVelFileStream& stream) {
    FileVersionBytes version{};
    stream.Read(version.data(), version.size());
    if (version != kFileVersion101 && version != kFileVersion102)
        throw Error("The data file has version " + FileVersionText(version) + ", which this program cannot read.");
    Clear();
    FileVersion = version;
    stream.Levels = LevelCodes();
    try {
        LoadSections(stream, version);
    } catch (const Error&) {
        ResolveLevels(stream.Levels);
        throw;
    }
    ResolveLevels(stream.Levels);
}

void TVelMain::LoadSections(TVelFileStream& stream, const FileVersionBytes& version) {
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
    if (version == kFileVersion102) LoadOtherLevels(stream);
}

// The codes grow with the list, so a file cut off within it still places the levels it named.
void TVelMain::LoadOtherLevels(TVelFileStream& stream) {
    constexpr std::size_t kMinLevelBytes = 9;  // a label of one letter and an empty hex list
    const int32_t count = stream.ReadCount(kMinLevelBytes);
    std::vector<Level> others;
    for (int32_t i = 0; i < count; ++i) {
        const std::string label = stream.ReadString();
        const std::optional<Level> level = Level::FromLabel(label);
        if (!level || *level == Level::Surface || *level == Level::Underworld)
            throw Error("The data file lists a level it cannot place: '" + label + "'.");
        others.push_back(*level);
        stream.Levels = LevelCodes(others);
        HexesOf(*level).LoadFromStream(stream);
    }
}

std::string FileVersionText(const FileVersionBytes& version) {
    uint64_t significand = 0;
    for (int i = 7; i >= 0; --i) significand = (significand << 8) | version[static_cast<std::size_t>(i)];
    const int exponent = ((version[9] & 0x7F) << 8 | version[8]) - 16383 - 63;
    const long double value = std::ldexp(static_cast<long double>(significand), exponent);
    if ((version[9] & 0x80) != 0 || !std::isfinite(value) || value <= 0 || value >= 1000) return "unknown";
    char text[16];
    std::snprintf(text, sizeof text, "%.2Lf", value);
    return text;
}

}  // namespace hexwarden
