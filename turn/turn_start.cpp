#include "turn/turn_start.h"

#include <algorithm>
#include <cctype>
#include <tuple>

#include "model/database.h"
#include "model/hex.h"
#include "model/unit.h"
#include "turn/game_tables.h"

namespace hexwarden {

namespace {

std::vector<Market> CopyMarkets(const TVelItemList& list) {
    std::vector<Market> markets;
    for (const auto& item : list) {
        Market market;
        market.code = item->Code;
        market.price = item->Price;
        market.unlimited = item->Count < 0;
        market.amount = std::max<int64_t>(item->Count, 0);
        markets.push_back(std::move(market));
    }
    return markets;
}

}  // namespace

UnitState UnitStateOf(const TVelUnit& unit) {
    UnitState state;
    state.number = unit.Number;
    state.place = unit.At();
    state.structure = unit.Inside;
    for (const auto& section : unit.Troops) state.men.Add(section->Code, section->Count);
    for (const auto& item : unit.Items)
        if (!item->Illusion) state.items.Add(item->Code, item->Count);
    for (const auto& skill : unit.Skills) state.SetSkill(skill->Code, {skill->Level, skill->Days});
    state.settings.behind = unit.HasFlag(UnitFlag::Behind);
    state.settings.guarding = unit.HasFlag(UnitFlag::OnGuard);
    state.settings.autotax = unit.HasFlag(UnitFlag::Autotax);
    state.settings.avoiding = unit.HasFlag(UnitFlag::Avoiding);
    state.settings.holding = unit.HasFlag(UnitFlag::Holding);
    state.settings.noaid = unit.HasFlag(UnitFlag::NoAid);
    state.settings.reveal = unit.HasFlag(UnitFlag::RevealUnit) || unit.HasFlag(UnitFlag::RevealFaction);
    state.route.push_back(state.place);
    return state;
}

namespace {

// -1 marks an own unit whose entry showed no faction.
bool IsForeign(const TVelUnit& unit) {
    return !unit.IsOwn() && unit.Faction != -1;
}

void NoteForeignUnit(RegionState& region, const TVelUnit& unit) {
    region.foreign_units.push_back(unit.Name + " (" + std::to_string(unit.Number) + ")");
    region.foreign_men += unit.Troops.Total();
    region.foreign_guard = region.foreign_guard || unit.HasFlag(UnitFlag::OnGuard);
    for (const auto& item : unit.Items) region.foreign_items.Add(item->Code, item->Count);
}

}  // namespace

std::size_t PlaceHash::operator()(const Place& place) const {
    const uint64_t level = (static_cast<uint64_t>(place.Where.Kind()) << 16) ^ static_cast<uint64_t>(place.Where.Depth());
    const uint64_t xy = (static_cast<uint64_t>(static_cast<uint32_t>(place.X)) << 32) ^ static_cast<uint32_t>(place.Y);
    return std::hash<uint64_t>{}(xy ^ (level * 0x9E3779B97F4A7C15ull));
}

TurnStart::TurnStart(const TVelMain& database, const TurnOptions& options)
    : database_(database), options_(options) {
    faction_ = database.FactionNumber;
    unclaimed_ = database.UnclaimedSilver;
    // The report of turn 0 is January's; its orders run in the month after.
    month_ = static_cast<int>((static_cast<int64_t>(database.Turn) + 1) % 12 + 12) % 12;
    std::vector<const TVelUnit*> own;
    for (const TVelUnit* unit : database.OwnUnits) own.push_back(unit);
    // Position order: region by region (level, row, column), in the open first, then structure by
    // structure in report order, each in the order the report lists its units.
    std::vector<std::tuple<Level, int32_t, int32_t, int32_t, std::size_t>> keys;
    for (std::size_t i = 0; i < own.size(); ++i) {
        const Place place = own[i]->At();
        auto [entry, added] = region_index_.try_emplace(place, static_cast<int>(regions_.size()));
        if (added) regions_.push_back(CopyRegion(place));
        keys.emplace_back(place.Where, place.Y, place.X, regions_[static_cast<std::size_t>(entry->second)].StructureRank(own[i]->Inside), i);
    }
    std::sort(keys.begin(), keys.end());
    for (const auto& key : keys) {
        const TVelUnit* unit = own[std::get<4>(key)];
        by_number_.try_emplace(unit->Number, static_cast<int>(units_.size()));
        units_.push_back(UnitStateOf(*unit));
        records_.push_back(unit);
    }
}

int TurnStart::IndexOf(int32_t number) const {
    const auto found = by_number_.find(number);
    return found == by_number_.end() ? -1 : found->second;
}

RegionState TurnStart::CopyRegion(const Place& place) const {
    RegionState region;
    region.place = place;
    const TVelHex* hex = database_.FindHex(place);
    if (hex == nullptr) return region;
    region.known = true;
    region.terrain = hex->TerrainName();
    // Reports write terrains in lower case; the index tables keep them capitalised.
    if (!region.terrain.empty()) region.terrain[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(region.terrain[0])));
    region.title = region.terrain + " (" + std::to_string(place.X) + "," + std::to_string(place.Y) +
                   (place.Where.IsSurface() ? "" : "," + place.Where.Label()) + ")";
    if (!hex->ProvinceName().empty()) region.title += " in " + hex->ProvinceName();
    region.bad_weather = BadWeather(place, month_, options_.surface_rows, options_.rules);
    region.wage = hex->Wages;
    region.work_pool = hex->MaxWages;
    region.entertainment_pool = hex->Entertainment;
    region.tax_pool = hex->TaxBase;
    if (hex->Peasants.Count() > 0) {
        region.peasant_race = hex->Peasants.Get(0)->Code;
        region.peasants = hex->Peasants.Get(0)->Count;
    }
    region.wanted = CopyMarkets(hex->Wanted);
    region.for_sale = CopyMarkets(hex->ForSale);
    for (const auto& product : hex->Products) region.products.Add(product->Code, std::max<int32_t>(product->Count, 0));
    for (const TVelUnit* unit : hex->Units)
        if (IsForeign(*unit)) NoteForeignUnit(region, *unit);
    for (const auto& structure : hex->Structures) {
        const bool foreign_owner = structure->Units.Count() > 0 && IsForeign(*structure->Units.Get(0));
        const bool foreign_inside = std::any_of(structure->Units.begin(), structure->Units.end(), [](const TVelUnit* unit) { return IsForeign(*unit); });
        region.AddStructure(structure->Number, structure->Kind, structure->Needs, foreign_owner, foreign_inside);
        for (const TVelUnit* unit : structure->Units)
            if (IsForeign(*unit)) NoteForeignUnit(region, *unit);
    }
    return region;
}

}  // namespace hexwarden
