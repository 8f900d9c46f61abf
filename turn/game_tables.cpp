#include "turn/game_tables.h"

#include <algorithm>
#include <array>

#include "orders/token_tables.h"

namespace hexwarden {

namespace {

bool InList(std::string_view code, std::initializer_list<std::string_view> list) {
    return std::any_of(list.begin(), list.end(), [code](std::string_view entry) { return SameName(entry, code); });
}

struct RaceSkills {
    std::string_view race;
    std::array<std::string_view, 6> skills;
};

constexpr RaceSkills kStandardRaces[] = {
    {"VIKI", {"SHIP", "SAIL", "LUMB", "COMB"}}, {"HELF", {"HEAL", "FARM", "ENTE", "HORS"}},
    {"BARB", {"MINI", "HUNT", "WEAP", "COMB"}}, {"TELF", {"HERB", "HEAL", "RANC", "LBOW"}},
    {"PLAI", {"HORS", "FARM", "CARP", "ENTE"}}, {"IDWA", {"FISH", "BUIL", "XBOW", "SHIP"}},
    {"ESKI", {"HERB", "FISH", "HUNT", "HEAL"}}, {"HDWA", {"MINI", "WEAP", "ARMO", "COMB"}},
    {"NOMA", {"HORS", "RANC", "XBOW"}},         {"UDWA", {"MINI", "QUAR", "XBOW", "ARMO"}},
    {"TMAN", {"HERB", "HEAL", "FARM", "LUMB"}}, {"DDWA", {"QUAR", "BUIL", "ARMO", "XBOW"}},
    {"DMAN", {"QUAR", "BUIL", "MINI", "ARMO"}}, {"GNOM", {"SHIP", "WEAP", "BUIL", "CARP"}},
    {"WELF", {"LUMB", "CARP", "LBOW", "ENTE"}}, {"SELF", {"SHIP", "SAIL", "FISH", "LBOW"}},
};

constexpr RaceSkills kNewRaces[] = {
    {"HUMA", {"BUIL", "RIDI", "COMB", "MINI", "FARM", "COOK"}}, {"LIZA", {"HUNT", "HERB", "CARP", "SAIL", "HEAL"}},
    {"WELF", {"LUMB", "LBOW", "ENTE", "CARP", "FISH", "COOK"}}, {"GOBL", {"QUAR", "XBOW", "SHIP", "WEAP", "ENTE"}},
    {"HELF", {"HORS", "FISH", "LBOW", "SHIP", "SAIL"}},         {"GNOL", {"HORS", "HUNT", "COMB", "ARMO", "CARP", "COOK"}},
    {"DRLF", {"COMB", "HUNT", "LBOW", "LUMB", "COOK"}},         {"GNOM", {"HERB", "QUAR", "ENTE", "XBOW", "HEAL"}},
    {"IDWA", {"COMB", "WEAP", "MINI", "FISH", "ARMO"}},         {"CTAU", {"LUMB", "HORS", "RIDI", "HEAL", "FARM"}},
    {"HDWA", {"ARMO", "WEAP", "QUAR", "MINI", "BUIL"}},         {"ORC", {"MINI", "LUMB", "COMB", "BUIL", "SHIP"}},
    {"UDWA", {"WEAP", "ARMO", "QUAR", "MINI", "BUIL"}},
};

bool Listed(const RaceSkills& race, std::string_view skill) {
    return std::any_of(race.skills.begin(), race.skills.end(),
                       [skill](std::string_view entry) { return !entry.empty() && SameName(entry, skill); });
}

template <std::size_t N>
const RaceSkills* FindRace(const RaceSkills (&table)[N], std::string_view race) {
    for (const RaceSkills& entry : table)
        if (SameName(entry.race, race)) return &entry;
    return nullptr;
}

constexpr Recipe kRecipes[] = {
    {"GRAI", "FARM", 1, 1, "", 0, "BAG", 2},   {"LIVE", "FARM", 1, 1, "", 0, "LASS", 1},
    {"IRON", "MINI", 1, 1, "", 0, "PICK", 1},  {"STON", "QUAR", 1, 1, "", 0, "PICK", 1},
    {"WOOD", "LUMB", 1, 1, "", 0, "AXE", 1},   {"FUR", "HUNT", 1, 1, "", 0, "SPEA", 1},
    {"FISH", "FISH", 1, 1, "", 0, "NET", 2},   {"HERB", "HERB", 1, 1, "", 0, "BAG", 2},
    {"HORS", "HORS", 1, 1, "", 0, "LASS", 1},  {"MITH", "MINI", 3, 1, "", 0, "PICK", 1},
    {"IRWD", "LUMB", 3, 1, "", 0, "AXE", 1},   {"YEW", "LUMB", 5, 1, "", 0, "AXE", 1},
    {"SWOR", "WEAP", 1, 1, "IRON", 1, "HAMM", 1}, {"PICK", "WEAP", 1, 1, "IRON", 1, "HAMM", 1},
    {"HAMM", "WEAP", 1, 1, "IRON", 1, "HAMM", 1}, {"CARM", "ARMO", 1, 1, "IRON", 1, "HAMM", 1},
    {"XBOW", "WEAP", 1, 1, "WOOD", 1, "AXE", 1},  {"LBOW", "WEAP", 1, 1, "WOOD", 1, "AXE", 1},
    {"SPEA", "WEAP", 1, 1, "WOOD", 1, "AXE", 1},  {"JAVE", "WEAP", 1, 1, "WOOD", 1, "AXE", 1},
    {"PIKE", "WEAP", 2, 1, "WOOD", 1, "AXE", 1},  {"PARM", "ARMO", 3, 3, "IRON", 3, "HAMM", 1},
    {"WAGO", "CARP", 1, 1, "WOOD", 1, "AXE", 1},  {"SPIN", "CARP", 1, 1, "WOOD", 1, "AXE", 1},
    {"NET", "FISH", 1, 1, "HERB", 1, "SPIN", 2},  {"LASS", "HERB", 1, 1, "HERB", 1, "SPIN", 2},
    {"BAG", "HERB", 1, 1, "HERB", 1, "SPIN", 2},  {"LARM", "ARMO", 1, 1, "FUR", 1, "SPIN", 2},
};

}  // namespace

int32_t TerrainCost(std::string_view terrain) {
    if (InList(terrain, {"plain", "desert", "ocean", "lake", "nexus", "barren"})) return 1;
    if (InList(terrain, {"forest", "mountain", "swamp", "jungle", "tundra", "cavern", "underforest", "tunnels"})) return 2;
    if (InList(terrain, {"grotto"})) return 3;
    if (InList(terrain, {"deep forest", "chasm", "volcano"})) return 4;
    return 0;
}

int32_t StudyPrice(const SkillToken& skill, RuleSet rules) {
    if (InList(skill.abbr, {"TACT"})) return 200;
    if (skill.Has(SkillFlag::Magic)) return 100;
    if (rules == RuleSet::New && InList(skill.abbr, {"QUAM", "MANI"})) return 100;
    if (InList(skill.abbr, {"STEA", "OBSE"})) return 50;
    return 10;
}

int32_t DaysForLevel(int32_t level) {
    return 30 * level * (level + 1) / 2;
}

int32_t LevelForDays(int64_t days) {
    int32_t level = 0;
    while (level < 5 && days >= DaysForLevel(level + 1)) ++level;
    return level;
}

int32_t RaceMaximum(std::string_view race, const SkillToken& skill, RuleSet rules) {
    if (SameName(race, "LEAD")) return 5;
    if (skill.Has(SkillFlag::Magic)) return 0;
    if (rules == RuleSet::Standard) {
        if (SameName(race, "ORC")) return SameName(skill.abbr, "COMB") ? 4 : 1;
        const RaceSkills* entry = FindRace(kStandardRaces, race);
        return entry && Listed(*entry, skill.abbr) ? 3 : 2;
    }
    const RaceSkills* entry = FindRace(kNewRaces, race);
    if (!entry || !Listed(*entry, skill.abbr)) return 2;
    return SameName(race, "HUMA") ? 4 : 5;
}

Carrying CarryingOf(const ItemToken& item, RuleSet rules) {
    const std::string_view code = item.abbr;
    if (item.Is(ItemClass::Man)) {
        if (SameName(code, "CTAU")) return {50, 70, 70, 0, 0, 4};
        if (rules == RuleSet::New && InList(code, {"GNOM", "GOBL"})) return {5, 7, 0, 0, 0, 2};
        if (rules == RuleSet::New && SameName(code, "LIZA")) return {10, 15, 0, 0, 15, 2};
        return {10, 15, 0, 0, 0, 2};
    }
    if (InList(code, {"HORS", "CAME"})) return {50, 70, 70, 0, 0, 4};
    if (SameName(code, "WING")) return {50, 70, 70, 70, 0, 4};
    if (SameName(code, "TURT")) return {50, 70, 70, 0, 70, 4};
    if (SameName(code, "LIVE")) return {50, 50, 0, 0, 0, 2};
    if (SameName(code, "WAGO")) return {50, 0, 0, 0, 0, 2};
    if (SameName(code, "MWAG")) return {50, 250, 250, 0, 0, 4};
    if (SameName(code, "GLID")) return {5, 0, 0, 15, 0, 4};
    if (SameName(code, "CARP")) return {0, 15, 15, 15, 15, 4};
    if (rules == RuleSet::Standard && SameName(code, "BOOT")) return {0, 0, 0, 0, 15, 2};
    if (InList(code, {"SILV", "HERB", "MUSH"})) return {0};
    if (InList(code, {"LANC", "BAXE"})) return {2};
    if (SameName(code, "PARM")) return {3};
    if (InList(code, {"GRAI", "IRON", "WOOD", "YEW"})) return {5};
    if (InList(code, {"MITH", "IRWD", "ADMT"})) return {10};
    if (InList(code, {"STON", "ROOT"})) return {50};
    return {1};
}

bool BadWeather(const Place& place, int month, int32_t surface_rows, RuleSet rules) {
    if (rules == RuleSet::New || !place.Where.IsSurface() || surface_rows <= 0) return false;
    const int64_t band = std::clamp<int64_t>(3 * (static_cast<int64_t>(place.Y) + 1) / surface_rows, 0, 2);
    const auto in = [month](std::initializer_list<int> months) {
        return std::find(months.begin(), months.end(), month) != months.end();
    };
    if (band == 0) return in({10, 11, 0, 1});
    if (band == 1) return in({11, 0, 5, 6});
    return in({4, 5, 6, 7});
}

int32_t UpkeepPerMan(bool leader, RuleSet rules) {
    if (!leader) return 10;
    return rules == RuleSet::Standard ? 20 : 50;
}

int32_t FoodValue(RuleSet rules) {
    return rules == RuleSet::Standard ? 10 : 30;
}

const Recipe* RecipeFor(std::string_view item) {
    for (const Recipe& recipe : kRecipes)
        if (SameName(recipe.item, item)) return &recipe;
    return nullptr;
}

}  // namespace hexwarden

namespace hexwarden {

namespace {

struct RuledCost {
    uint8_t rules;
    StructureCost cost;
};

constexpr RuledCost kStructures[] = {
    {kBoth, {"Tower", 10, "STON", "", 1}},
    {kBoth, {"Fort", 40, "STON", "", 1}},
    {kBoth, {"Castle", 300, "STON", "", 2}},
    {kBoth, {"Citadel", 800, "STON", "", 3}},
    {kBoth, {"Stockade", 60, "WOOD", "", 1}},
    {kStd, {"Magical Fortress", 300, "ROOT", "", 4}},
    {kNew, {"Magical Tower", 10, "ROOT", "", 3}},
    {kNew, {"Magical Fortress", 40, "ROOT", "", 3}},
    {kNew, {"Magical Castle", 300, "ROOT", "", 4}},
    {kNew, {"Magical Citadel", 800, "ROOT", "", 5}},
    {kNew, {"Hermits hut", 5, "IRWD", "", 3}},
    {kBoth, {"Mine", 10, "STON", "WOOD", 3}},
    {kBoth, {"Farm", 10, "STON", "WOOD", 3}},
    {kBoth, {"Ranch", 10, "STON", "WOOD", 3}},
    {kBoth, {"Timber Yard", 10, "STON", "WOOD", 3}},
    {kBoth, {"Quarry", 10, "STON", "WOOD", 3}},
    {kBoth, {"Trapping Hut", 10, "STON", "WOOD", 3}},
    {kBoth, {"Inn", 10, "STON", "WOOD", 3}},
    {kBoth, {"Temple", 10, "STON", "", 3}},
    {kBoth, {"Mystic Quarry", 10, "ROOT", "", 3}},
    {kBoth, {"Arcane Mine", 10, "MITH", "", 3}},
    {kBoth, {"Forest Preserve", 10, "IRWD", "", 3}},
    {kBoth, {"Sacred Grove", 10, "YEW", "", 5}},
    {kNew, {"Stables", 10, "STON", "WOOD", 3}},
    {kNew, {"Oasis", 10, "STON", "WOOD", 3}},
    {kNew, {"Mythic Stables", 10, "IRWD", "", 5}},
    {kNew, {"Trapping Lodge", 10, "IRWD", "", 5}},
    {kNew, {"Faerie Ring", 10, "MUSH", "", 3}},
    {kNew, {"Alchemist Lab", 10, "ADMT", "", 5}},
    {kNew, {"Caravanserai", 20, "STON", "WOOD", 2}},
    {kBoth, {"Black Keep", 1000, "ROOT", "", 5}},
};

constexpr StructureCost kStandardRoad{"Road", 75, "STON", "", 3};
constexpr StructureCost kNewRoad{"Road", 30, "STON", "", 2};

}  // namespace

const StructureCost* StructureCostOf(std::string_view name, RuleSet rules) {
    // One road a direction: "Road N", "Road NW", ...
    if (name.size() > 5 && SameName(name.substr(0, 5), "road "))
        return rules == RuleSet::Standard ? &kStandardRoad : &kNewRoad;
    const uint8_t mask = rules == RuleSet::Standard ? kStd : kNew;
    for (const RuledCost& entry : kStructures)
        if ((entry.rules & mask) != 0 && SameName(entry.cost.name, name)) return &entry.cost;
    return nullptr;
}

int32_t WithdrawCost(std::string_view code) {
    if (SameName(code, "GRAI")) return 37;
    if (InList(code, {"IRON", "WOOD", "STON", "HORS"})) return 75;
    if (SameName(code, "SWOR")) return 150;
    if (SameName(code, "PARM")) return 625;
    return 0;
}

}  // namespace hexwarden

namespace hexwarden {

namespace {

constexpr ShipClass kShips[] = {
    {"Longship", 200, 4, 150, 4, false, 1, 10, "WOOD", ""},
    {"Raft", 100, 2, 450, 2, false, 1, 10, "WOOD", ""},
    {"Cog", 300, 6, 750, 4, false, 2, 25, "WOOD", ""},
    {"Galleon", 750, 15, 2700, 4, false, 3, 75, "WOOD", ""},
    {"Galley", 600, 12, 1200, 4, false, 3, 50, "IRWD", ""},
    {"Corsair", 750, 15, 1500, 5, false, 4, 50, "WOOD", ""},
    {"Balloon", 150, 3, 100, 4, true, 4, 20, "FLOA", ""},
    {"Airship", 500, 10, 800, 4, true, 5, 60, "FLOA", "WOOD"},
    {"Cloudship", 750, 15, 1500, 4, true, 0, 0, "", ""},
};

}  // namespace

const ShipClass* ShipClassNamed(std::string_view name) {
    for (const ShipClass& ship : kShips)
        if (SameName(ship.name, name)) return &ship;
    return nullptr;
}

}  // namespace hexwarden
