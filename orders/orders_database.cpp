#include "orders/orders_database.h"

#include <algorithm>
#include <array>

#include "model/building.h"
#include "model/database.h"
#include "model/hex.h"
#include "model/index_table.h"
#include "model/troop_list.h"
#include "model/unit.h"
#include "orders/token_tables.h"

namespace hexwarden {

bool SameRegion(const UnitPlace& a, const UnitPlace& b) {
    return a.at == b.at;
}

std::string_view CompassName(Compass direction) {
    static constexpr std::string_view kNames[] = {"north", "northeast", "southeast", "south", "southwest", "northwest"};
    return kNames[static_cast<int>(direction)];
}

std::optional<Compass> CompassNamed(std::string_view word) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kNames = {{
        {"n", "north"}, {"ne", "northeast"}, {"se", "southeast"}, {"s", "south"}, {"sw", "southwest"}, {"nw", "northwest"},
    }};
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (SameName(word, kNames[i].first) || SameName(word, kNames[i].second)) return static_cast<Compass>(i);
    return std::nullopt;
}

int32_t OrdersDatabase::Faction() const {
    return db_.FactionNumber;
}

int32_t OrdersDatabase::UnclaimedSilver() const {
    return db_.UnclaimedSilver;
}

const TVelUnit* OrdersDatabase::Unit(int32_t number) const {
    return db_.Units.FindByNumber(number);
}

bool OrdersDatabase::IsOwn(const TVelUnit& unit) const {
    return db_.OwnUnits.Contains(&unit);
}

UnitPlace OrdersDatabase::PlaceOf(const TVelUnit& unit) const {
    return {unit.At(), unit.Inside};
}

const TVelHex* OrdersDatabase::Hex(const UnitPlace& place) const {
    return db_.FindHex(place.at);
}

// The width of a wrapping level is that of the columns known: a report that lists an exit across
// the edge has shown a hex of the last column. An odd width cannot wrap on the game's grid.
UnitPlace OrdersDatabase::Neighbour(const UnitPlace& place, Compass direction, RuleSet rules) const {
    Place next = place.at;
    switch (direction) {
        case Compass::North: next.Y -= 2; break;
        case Compass::Northeast: next.X += 1; next.Y -= 1; break;
        case Compass::Southeast: next.X += 1; next.Y += 1; break;
        case Compass::South: next.Y += 2; break;
        case Compass::Southwest: next.X -= 1; next.Y += 1; break;
        case Compass::Northwest: next.X -= 1; next.Y -= 1; break;
    }
    const int64_t width = int64_t{db_.HexesOf(next.Where).MaxX()} + 1;
    if (rules == RuleSet::New && width % 2 == 0 && (next.X < 0 || next.X >= width))
        next.X = static_cast<int32_t>((next.X + width) % width);
    return {next, 0};
}

bool OrdersDatabase::IsShaft(const UnitPlace& place) const {
    const TVelHex* hex = Hex(place);
    const TVelBuilding* structure = hex == nullptr ? nullptr : hex->Structures.FindByNumber(place.structure);
    return structure != nullptr && SameName(structure->Kind, "shaft");
}

bool OrdersDatabase::IsOcean(const TVelHex& hex) const {
    return SameName(hex.TerrainName(), "ocean");
}

bool OrdersDatabase::HasStructure(const UnitPlace& place, int32_t number) const {
    const TVelHex* hex = Hex(place);
    return hex != nullptr && hex->Structures.FindByNumber(number) != nullptr;
}

int32_t OrdersDatabase::CountOf(const TVelUnit& unit, const ItemToken& item) const {
    const bool illusion = item.Is(ItemClass::Illusion);
    // An illusion's code in the tables carries the 'i'; the report gives the plain code and a mark.
    const std::string_view code = illusion ? item.abbr.substr(1) : item.abbr;
    int64_t count = 0;
    for (const auto& held : unit.Items) {
        if (held->Illusion == illusion && SameName(held->Code, code)) count += held->Count;
    }
    // Men and creatures are listed by race.
    if (!illusion) {
        for (const auto& section : unit.Troops)
            if (SameName(section->Code, code)) count += section->Count;
    }
    return count > INT32_MAX ? INT32_MAX : static_cast<int32_t>(count);
}

bool OrdersDatabase::Knows(const TVelUnit& unit, std::string_view skill_abbr) const {
    for (const auto& skill : unit.Skills)
        if (SameName(skill->Code, skill_abbr)) return true;
    return false;
}

int32_t OrdersDatabase::LevelOf(const TVelUnit& unit, std::string_view skill_abbr) const {
    for (const auto& skill : unit.Skills)
        if (SameName(skill->Code, skill_abbr)) return std::max(skill->Level, 1);
    return 0;
}

bool OrdersDatabase::StudyBlocked(const TVelUnit& unit, const SkillToken& skill) const {
    const int32_t level = LevelOf(unit, skill.abbr);
    if (level == 0) {
        // Leaders get the list of the skills they may begin; other units get none.
        // Foundations are never listed: anyone who may study magic may begin them.
        if (unit.CanStudy.Count() == 0 || !skill.Has(SkillFlag::Magic) || skill.Has(SkillFlag::Foundation)) return false;
        for (const auto& listed : unit.CanStudy)
            if (SameName(listed->Code, skill.abbr)) return false;
        return true;
    }
    // A further level needs every skill the report names as required to be above the current
    // level ("This skill requires force [FORC] 1 to begin to study").
    const TVelIndexRecord* record = db_.SkillTypes.FindByCode(skill.abbr);
    if (record == nullptr) return false;
    const std::string_view text = record->Plural;
    const std::size_t requires_at = text.find("requires ");
    if (requires_at == std::string_view::npos) return false;
    const std::size_t end = text.find("to begin", requires_at);
    const std::string_view needed = text.substr(requires_at, end == std::string_view::npos ? text.npos : end - requires_at);
    for (std::size_t open = needed.find('['); open != std::string_view::npos; open = needed.find('[', open + 1)) {
        const std::size_t close = needed.find(']', open);
        if (close == std::string_view::npos) break;
        if (LevelOf(unit, needed.substr(open + 1, close - open - 1)) <= level) return true;
    }
    return false;
}

RuleSet RuleSetOf(const TVelMain& database) {
    if (database.War.Level != database.Trade.Level) return RuleSet::Standard;
    const TokenTables& standard = TokenTables::For(RuleSet::Standard);
    const TokenTables& newer = TokenTables::For(RuleSet::New);
    int votes_new = 0;
    int votes_standard = 0;
    const auto vote = [&](bool in_standard, bool in_new) {
        if (in_standard && !in_new) ++votes_standard;
        if (in_new && !in_standard) ++votes_new;
    };
    for (const auto& item : database.ItemTypes)
        vote(standard.FindItem(item->Code) != nullptr, newer.FindItem(item->Code) != nullptr);
    for (const auto& skill : database.SkillTypes)
        vote(standard.FindSkill(skill->Code) != nullptr, newer.FindSkill(skill->Code) != nullptr);
    return votes_new > votes_standard ? RuleSet::New : RuleSet::Standard;
}

}  // namespace hexwarden
