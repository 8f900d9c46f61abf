#include "orders/token_tables.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace hexwarden {

namespace {

// The server's own skill and object tables for both rule sets, in its order (items: model/game_items).
constexpr SkillToken kSkillTokens[] = {
    {0, kBoth, "MINI", "mining", 0},
    {1, kBoth, "LUMB", "lumberjack", 0},
    {2, kBoth, "QUAR", "quarrying", 0},
    {3, kBoth, "HUNT", "hunting", 0},
    {4, kBoth, "FISH", "fishing", 0},
    {5, kBoth, "HERB", "herb lore", 0},
    {6, kBoth, "HORS", "horse training", 0},
    {7, kBoth, "WEAP", "weaponsmith", 0},
    {8, kBoth, "ARMO", "armorer", 0},
    {9, kBoth, "CARP", "carpenter", 0},
    {10, kBoth, "BUIL", "building", 0},
    {11, kBoth, "SHIP", "shipbuilding", 0},
    {12, kBoth, "ENTE", "entertainment", 0},
    {13, kBoth, "TACT", "tactics", 0},
    {14, kBoth, "COMB", "combat", 0},
    {15, kBoth, "RIDI", "riding", 0},
    {16, kBoth, "XBOW", "crossbow", 0},
    {17, kBoth, "LBOW", "longbow", 0},
    {18, kBoth, "STEA", "stealth", 0},
    {19, kBoth, "OBSE", "observation", 0},
    {20, kBoth, "HEAL", "healing", 0},
    {21, kBoth, "SAIL", "sailing", 0},
    {22, kBoth, "FARM", "farming", 0},
    {23, kStd, "RANC", "ranching", 0},
    {24, kBoth, "FORC", "force", SkillFlag::Magic | SkillFlag::Foundation},
    {25, kBoth, "PATT", "pattern", SkillFlag::Magic | SkillFlag::Foundation},
    {26, kBoth, "SPIR", "spirit", SkillFlag::Magic | SkillFlag::Foundation},
    {27, kBoth, "FIRE", "fire", SkillFlag::Magic | SkillFlag::Combat},
    {28, kBoth, "EQUA", "earthquake", SkillFlag::Magic | SkillFlag::Combat},
    {29, kBoth, "FSHI", "force shield", SkillFlag::Magic | SkillFlag::Combat},
    {30, kBoth, "ESHI", "energy shield", SkillFlag::Magic | SkillFlag::Combat},
    {31, kBoth, "SSHI", "spirit shield", SkillFlag::Magic | SkillFlag::Combat},
    {32, kBoth, "MHEA", "magical healing", SkillFlag::Magic},
    {33, kBoth, "GATE", "gate lore", SkillFlag::Magic | SkillFlag::Cast},
    {34, kBoth, "FARS", "farsight", SkillFlag::Magic | SkillFlag::Cast},
    {35, kBoth, "TELE", "teleportation", SkillFlag::Magic | SkillFlag::Cast},
    {36, kBoth, "PORT", "portal lore", SkillFlag::Magic | SkillFlag::Cast},
    {37, kBoth, "MIND", "mind reading", SkillFlag::Magic | SkillFlag::Cast},
    {38, kBoth, "WEAT", "weather lore", SkillFlag::Magic | SkillFlag::Cast},
    {39, kBoth, "SWIN", "summon wind", SkillFlag::Magic | SkillFlag::Cast},
    {40, kBoth, "SSTO", "summon storm", SkillFlag::Magic | SkillFlag::Combat},
    {41, kBoth, "STOR", "summon tornado", SkillFlag::Magic | SkillFlag::Combat},
    {42, kBoth, "CALL", "call lightning", SkillFlag::Magic | SkillFlag::Combat},
    {43, kBoth, "CLEA", "clear skies", SkillFlag::Magic | SkillFlag::Combat | SkillFlag::Cast},
    {44, kBoth, "EART", "earth lore", SkillFlag::Magic | SkillFlag::Cast},
    {45, kBoth, "WOLF", "wolf lore", SkillFlag::Magic | SkillFlag::Cast},
    {46, kBoth, "BIRD", "bird lore", SkillFlag::Magic | SkillFlag::Cast},
    {47, kBoth, "DRAG", "dragon lore", SkillFlag::Magic | SkillFlag::Cast},
    {48, kBoth, "NECR", "necromancy", SkillFlag::Magic},
    {49, kBoth, "SUSK", "summon skeletons", SkillFlag::Magic | SkillFlag::Cast},
    {50, kBoth, "RAIS", "raise undead", SkillFlag::Magic | SkillFlag::Cast},
    {51, kBoth, "SULI", "summon lich", SkillFlag::Magic | SkillFlag::Cast},
    {52, kBoth, "FEAR", "create aura of fear", SkillFlag::Magic | SkillFlag::Combat},
    {53, kBoth, "SBLA", "summon black wind", SkillFlag::Magic | SkillFlag::Combat},
    {54, kBoth, "BUND", "banish undead", SkillFlag::Magic | SkillFlag::Combat},
    {55, kBoth, "DEMO", "demon lore", SkillFlag::Magic},
    {56, kBoth, "SUIM", "summon imps", SkillFlag::Magic | SkillFlag::Cast},
    {57, kBoth, "SUDE", "summon demon", SkillFlag::Magic | SkillFlag::Cast},
    {58, kBoth, "SUBA", "summon balrog", SkillFlag::Magic | SkillFlag::Cast},
    {59, kBoth, "BDEM", "banish demons", SkillFlag::Magic | SkillFlag::Combat},
    {60, kBoth, "ILLU", "illusion", SkillFlag::Magic},
    {61, kBoth, "PHEN", "phantasmal entertainment", SkillFlag::Magic | SkillFlag::Cast},
    {62, kBoth, "PHBE", "create phantasmal beasts", SkillFlag::Magic | SkillFlag::Cast},
    {64, kBoth, "PHDE", "create phantasmal demons", SkillFlag::Magic | SkillFlag::Cast},
    {65, kBoth, "INVI", "invisibility", SkillFlag::Magic | SkillFlag::Cast},
    {66, kBoth, "TRUE", "true seeing", SkillFlag::Magic},
    {67, kBoth, "DISP", "dispel illusions", SkillFlag::Magic | SkillFlag::Combat},
    {68, kBoth, "ARTI", "artifact lore", SkillFlag::Magic},
    {69, kBoth, "CRRI", "create ring of invisibility", SkillFlag::Magic | SkillFlag::Cast},
    {70, kBoth, "CRCL", "create cloak of invulnerability", SkillFlag::Magic | SkillFlag::Cast},
    {71, kBoth, "CRSF", "create staff of fire", SkillFlag::Magic | SkillFlag::Cast},
    {72, kStd, "CRSL", "create staff of lightning", SkillFlag::Magic | SkillFlag::Cast},
    {73, kBoth, "CRTA", "create amulet of true seeing", SkillFlag::Magic | SkillFlag::Cast},
    {74, kBoth, "CRPA", "create amulet of protection", SkillFlag::Magic | SkillFlag::Cast},
    {75, kBoth, "CRRU", "create runesword", SkillFlag::Magic | SkillFlag::Cast},
    {76, kBoth, "CRSS", "create shieldstone", SkillFlag::Magic | SkillFlag::Cast},
    {77, kBoth, "CRMA", "create magic carpet", SkillFlag::Magic | SkillFlag::Cast},
    {78, kBoth, "ENGR", "engrave runes of warding", SkillFlag::Magic | SkillFlag::Cast},
    {79, kBoth, "CGAT", "construct gate", SkillFlag::Magic | SkillFlag::Cast},
    {80, kBoth, "ESWO", "enchant swords", SkillFlag::Magic | SkillFlag::Cast},
    {81, kBoth, "EARM", "enchant armor", SkillFlag::Magic | SkillFlag::Cast},
    {82, kNew, "ESHD", "enchant shields", SkillFlag::Magic | SkillFlag::Cast},
    {83, kBoth, "CPOR", "construct portal", SkillFlag::Magic | SkillFlag::Cast},
    {84, kNew, "MANI", "manipulation", SkillFlag::Apprentice},
    {85, kStd, "WCRA", "weaponcraft", 0},
    {86, kStd, "ACRA", "armorcraft", 0},
    {90, kNew, "CFSW", "create flaming sword", SkillFlag::Magic | SkillFlag::Cast},
    {91, kNew, "COOK", "cooking", 0},
    {93, kNew, "QUAM", "quartermaster", 0},
    {94, kNew, "CRAG", "create aegis", SkillFlag::Magic | SkillFlag::Cast},
    {95, kNew, "CRWC", "create windchime", SkillFlag::Magic | SkillFlag::Cast},
    {96, kNew, "CRGC", "create gate crystal", SkillFlag::Magic | SkillFlag::Cast},
    {97, kNew, "CRSH", "create staff of healing", SkillFlag::Magic | SkillFlag::Cast},
    {98, kNew, "CRSO", "create scrying orb", SkillFlag::Magic | SkillFlag::Cast},
    {99, kNew, "CRCO", "create cornucopia", SkillFlag::Magic | SkillFlag::Cast},
    {100, kNew, "CRBX", "create book of exorcism", SkillFlag::Magic | SkillFlag::Cast},
    {101, kNew, "CRHS", "create holy symbol", SkillFlag::Magic | SkillFlag::Cast},
    {102, kNew, "CRCN", "create censer of protection", SkillFlag::Magic | SkillFlag::Cast},
    {103, kNew, "TRNS", "transmutation", SkillFlag::Magic | SkillFlag::Cast},
    {106, kNew, "ANNI", "annihilation", 0},
};
constexpr ObjectToken kObjectTokens[] = {
    {1, kBoth, "Fleet", true, ""},
    {14, kBoth, "Tower", true, "BUIL"},
    {15, kBoth, "Fort", true, "BUIL"},
    {16, kBoth, "Castle", true, "BUIL"},
    {17, kBoth, "Citadel", true, "BUIL"},
    {18, kBoth, "Shaft", true, ""},
    {19, kBoth, "Lair", false, ""},
    {20, kBoth, "Ruin", false, ""},
    {21, kBoth, "Cave", false, ""},
    {22, kBoth, "Demon Pit", false, ""},
    {23, kBoth, "Crypt", false, ""},
    {24, kNew, "Magical Tower", true, "BUIL"},
    {25, kNew, "Magical Fortress", true, "BUIL"},
    {26, kStd, "Magical Fortress", true, "BUIL"},
    {26, kNew, "Magical Castle", true, "BUIL"},
    {27, kNew, "Magical Citadel", true, "BUIL"},
    {28, kBoth, "Mine", true, "MINI"},
    {29, kBoth, "Farm", true, "FARM"},
    {30, kBoth, "Ranch", true, "FARM"},
    {31, kBoth, "Timber Yard", true, "LUMB"},
    {32, kBoth, "Inn", true, "BUIL"},
    {33, kBoth, "Quarry", true, "QUAR"},
    {34, kBoth, "Island", false, ""},
    {35, kBoth, "Derelict Ship", false, ""},
    {36, kBoth, "Cavern", false, ""},
    {37, kBoth, "Whirlpool", false, ""},
    {38, kBoth, "Road N", true, "BUIL"},
    {39, kBoth, "Road NW", true, "BUIL"},
    {40, kBoth, "Road NE", true, "BUIL"},
    {41, kBoth, "Road SW", true, "BUIL"},
    {42, kBoth, "Road SE", true, "BUIL"},
    {43, kBoth, "Road S", true, "BUIL"},
    {44, kBoth, "Temple", true, "BUIL"},
    {45, kBoth, "Mystic Quarry", true, "QUAR"},
    {46, kBoth, "Arcane Mine", true, "MINI"},
    {47, kBoth, "Forest Preserve", true, "LUMB"},
    {48, kBoth, "Sacred Grove", true, "LUMB"},
    {49, kBoth, "Black Keep", true, "BUIL"},
    {50, kStd, "Palace", true, ""},
    {52, kNew, "Hermits hut", true, "BUIL"},
    {53, kBoth, "Stockade", true, "BUIL"},
    {59, kBoth, "Magician's Tower", false, ""},
    {60, kBoth, "Dark Mage Tower", false, ""},
    {61, kBoth, "Giant's Castle", false, ""},
    {62, kBoth, "Lair", false, ""},
    {63, kBoth, "Ice Cave", false, ""},
    {64, kBoth, "Bog", false, ""},
    {65, kBoth, "Trapping Hut", true, "HUNT"},
    {66, kNew, "Stables", true, "HORS"},
    {67, kNew, "Mythic Stables", true, "HORS"},
    {68, kNew, "Trapping Lodge", true, "HUNT"},
    {69, kNew, "Faerie Ring", true, "HERB"},
    {70, kNew, "Alchemist Lab", true, "MINI"},
    {71, kNew, "Oasis", true, "HORS"},
    {74, kNew, "Caravanserai", true, "BUIL"},
    {75, kBoth, "Gateway", true, ""},
    {76, kNew, "Ritual Altar", false, ""},
    {77, kNew, "Empowered Altar", false, ""},
    {78, kNew, "Mystical Anomaly", false, ""},
    {79, kNew, "Dormant Monolith", false, ""},
    {80, kNew, "World-breaker Monolith", true, ""},
};

// No name in the tables is this long; longer words are never looked up (nor copied).
constexpr std::size_t kLongestName = 48;

char KeyChar(char c) {
    if (c == '_') return ' ';
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return c;
}

// The lookup key of a text in a fixed buffer; empty when the text is too long to be any name.
struct Key {
    char text[kLongestName];
    std::size_t size = 0;

    explicit Key(std::string_view word) {
        if (word.size() > kLongestName) return;
        for (char c : word) text[size++] = KeyChar(c);
    }
    std::string_view view() const { return {text, size}; }
};

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

template <typename Value>
using KeyMap = std::unordered_map<std::string, std::vector<const Value*>, TextHash, std::equal_to<>>;

template <typename Value>
void AddKey(KeyMap<Value>& map, std::string_view name, const Value* value) {
    if (name.empty()) return;
    auto& entries = map[std::string(Key(name).view())];
    // A token whose name and plural are the same is listed once.
    if (entries.empty() || entries.back() != value) entries.push_back(value);
}

template <typename Value>
const std::vector<const Value*>* Lookup(const KeyMap<Value>& map, std::string_view text) {
    if (text.empty() || text.size() > kLongestName) return nullptr;
    const Key key(text);
    const auto found = map.find(key.view());
    return found == map.end() ? nullptr : &found->second;
}

bool Accepts(const ItemToken& item, ItemFilter filter) {
    switch (filter) {
        case ItemFilter::Any: return true;
        case ItemFilter::Giveable: return item.Giveable();
        case ItemFilter::Transportable: return item.Transportable();
    }
    return false;
}

}  // namespace

struct TokenTables::Index {
    KeyMap<ItemToken> items;
    KeyMap<ItemToken> ships;
    KeyMap<SkillToken> skills;
    KeyMap<ObjectToken> objects;
};

std::optional<RuleSet> RuleSetNamed(std::string_view word) {
    if (SameName(word, "standard")) return RuleSet::Standard;
    if (SameName(word, "new")) return RuleSet::New;
    return std::nullopt;
}

std::string_view RuleSetName(RuleSet rules) {
    return rules == RuleSet::New ? "new" : "standard";
}

TokenTables::TokenTables(RuleSet rules) : rules_(rules), index_(new Index) {
    const uint8_t mask = rules == RuleSet::New ? kNew : kStd;
    for (const ItemToken& item : GameItems()) {
        if ((item.rules & mask) == 0) continue;
        AddKey(index_->items, item.name, &item);
        AddKey(index_->items, item.plural, &item);
        AddKey(index_->items, item.abbr, &item);
        if (item.Is(ItemClass::Ship)) {
            AddKey(index_->ships, item.name, &item);
            AddKey(index_->ships, item.abbr, &item);
        }
    }
    for (const SkillToken& skill : kSkillTokens) {
        if ((skill.rules & mask) == 0) continue;
        AddKey(index_->skills, skill.name, &skill);
        AddKey(index_->skills, skill.abbr, &skill);
    }
    for (const ObjectToken& object : kObjectTokens) {
        if ((object.rules & mask) == 0) continue;
        AddKey(index_->objects, object.name, &object);
    }
    // Names are found by the lowest index, whichever of name, plural or code matched.
    for (auto& [key, entries] : index_->items)
        std::sort(entries.begin(), entries.end(), [](auto* a, auto* b) { return a->index < b->index; });
}

TokenTables::~TokenTables() {
    delete index_;
}

const TokenTables& TokenTables::For(RuleSet rules) {
    static const TokenTables standard(RuleSet::Standard);
    static const TokenTables newer(RuleSet::New);
    return rules == RuleSet::New ? newer : standard;
}

const ItemToken* TokenTables::FindItem(std::string_view text, ItemFilter filter) const {
    if (const auto* entries = Lookup(index_->items, text)) {
        for (const ItemToken* item : *entries)
            if (Accepts(*item, filter)) return item;
    }
    return nullptr;
}

const ItemToken* TokenTables::FindShip(std::string_view text) const {
    const auto* entries = Lookup(index_->ships, text);
    return entries ? entries->front() : nullptr;
}

const SkillToken* TokenTables::FindSkill(std::string_view text) const {
    const auto* entries = Lookup(index_->skills, text);
    return entries ? entries->front() : nullptr;
}

const ObjectToken* TokenTables::FindObject(std::string_view text) const {
    const auto* entries = Lookup(index_->objects, text);
    return entries ? entries->front() : nullptr;
}

uint32_t ItemClassNamed(std::string_view text) {
    struct Named {
        std::string_view name;
        uint32_t classes;
    };
    static constexpr Named kClasses[] = {
        {"normal", ItemClass::Normal},   {"advanced", ItemClass::Advanced}, {"trade", ItemClass::Trade},
        {"man", ItemClass::Man},         {"men", ItemClass::Man},           {"monster", ItemClass::Monster},
        {"monsters", ItemClass::Monster}, {"magic", ItemClass::Magic},      {"weapon", ItemClass::Weapon},
        {"weapons", ItemClass::Weapon},  {"armor", ItemClass::Armor},       {"mount", ItemClass::Mount},
        {"mounts", ItemClass::Mount},    {"battle", ItemClass::Battle},     {"special", ItemClass::Special},
        {"food", ItemClass::Food},       {"tool", ItemClass::Tool},         {"tools", ItemClass::Tool},
        {"ship", ItemClass::Ship},       {"ships", ItemClass::Ship},        {"item", ~0u},
        {"items", ~0u},
    };
    for (const Named& entry : kClasses)
        if (SameName(text, entry.name)) return entry.classes;
    return 0;
}

std::string_view NameKey(std::string_view text, std::string& buffer) {
    buffer.resize(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) buffer[i] = KeyChar(text[i]);
    return buffer;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (KeyChar(a[i]) != KeyChar(b[i])) return false;
    return true;
}

}  // namespace hexwarden
