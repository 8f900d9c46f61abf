// The arguments of each order, read in the order the server reads them: the first argument that
// fails gives the server's message and ends the order.
#include <array>
#include <string>

#include "model/hex.h"
#include "model/unit.h"
#include "orders/order_context.h"
#include "orders/orders_header.h"

namespace hexwarden {

void OrderContext::OrderError(int32_t column, std::string_view text) {
    Error(column, prefix + std::string(text));
}

void OrderContext::OrderWarning(int32_t column, std::string_view text) {
    Warning(column, prefix + std::string(text));
}

const OrderToken* OrderContext::Required(std::string_view missing) {
    if (More()) return &Take();
    OrderError(end_column, missing);
    return nullptr;
}

namespace {

using Ctx = OrderContext;

std::string Quoted(std::string_view word) {
    std::string quoted;
    quoted.reserve(word.size() + 2);
    quoted += '\'';
    quoted += word;
    quoted += '\'';
    return quoted;
}

// Where a missing argument would have stood.
int32_t Missing(const Ctx& c) {
    return c.end_column;
}

// ---- Units as targets ----

struct Target {
    enum class Kind { None, Number, New, FactionNew } kind = Kind::None;
    int32_t number = 0;  // unit number, or the alias
    int32_t column = 0;
};

// The server's unit reader: "N", "NEW a" or "FACTION f NEW a". A word that is none of these is
// read and gives no target.
Target ReadTarget(Ctx& c) {
    Target target;
    if (!c.More()) return target;
    const OrderToken& first = c.Take();
    target.column = first.column;
    if (SameName(first.text, "new")) {
        if (!c.More()) return target;
        const auto alias = OrderNumber(c.Take().text);
        if (alias && *alias > 0) target = {Target::Kind::New, *alias, first.column};
        return target;
    }
    if (SameName(first.text, "faction")) {
        if (!c.More()) return target;
        const auto faction = OrderNumber(c.Take().text);
        if (!faction || !c.More() || !SameName(c.Take().text, "new") || !c.More()) return target;
        const auto alias = OrderNumber(c.Take().text);
        if (faction && alias && *alias > 0) target = {Target::Kind::FactionNew, *alias, first.column};
        return target;
    }
    if (const auto number = OrderNumber(first.text); number && *number != 0) {
        target = {Target::Kind::Number, *number, first.column};
    } else if (number && *number == 0) {
        target.kind = Target::Kind::Number;  // "nobody": only GIVE takes it
        target.number = 0;
    }
    return target;
}

// Where a problem with a target goes: at its first word, or where it would have stood.
int32_t TargetColumn(const Ctx& c, const Target& target) {
    return target.column != 0 ? target.column : Missing(c);
}

bool IsUnit(const Target& target) {
    return target.kind != Target::Kind::None && !(target.kind == Target::Kind::Number && target.number == 0);
}

enum class Reach { SameRegion, SameStructure, OwnInRegion };

// Database warnings for a target: a unit never reported, or not seen where the issuer is.
void CheckTargetSeen(Ctx& c, const Target& target, Reach reach = Reach::SameRegion) {
    if (target.kind == Target::Kind::New) {
        if (c.alias_uses)
            c.alias_uses->push_back({c.line, target.column, c.keyword, target.number, c.unit->place});
        return;
    }
    // A later month's orders run after moves the database cannot foresee.
    if (c.database == nullptr || c.delayed || target.kind != Target::Kind::Number || target.number == 0) return;
    const TVelUnit* record = c.database->Unit(target.number);
    const auto number = [&target] { return std::to_string(target.number); };
    if (record == nullptr) {
        c.OrderWarning(target.column, "Unit " + number() + " is not in the reports.");
        return;
    }
    if (reach == Reach::OwnInRegion && !c.database->IsOwn(*record)) {
        c.OrderWarning(target.column, number() + " is not a member of your faction.");
        return;
    }
    if (!c.unit->place) return;
    const UnitPlace there = c.database->PlaceOf(*record);
    const UnitPlace& here = *c.unit->place;
    if (!SameRegion(there, here)) {
        c.OrderWarning(target.column, "Unit " + number() + " was not seen in the same region.");
    } else if (reach == Reach::SameStructure && (here.structure == 0 || there.structure != here.structure)) {
        c.OrderWarning(target.column, "Unit " + number() + " is not in the same structure.");
    }
}

// A list of targets up to the first word that is none: ATTACK, EVICT, TEACH, CAST ... UNITS.
int ReadTargetList(Ctx& c, Reach reach, bool warn_bad_word) {
    int count = 0;
    while (c.More()) {
        const OrderToken& word = c.Peek();
        const Target target = ReadTarget(c);
        if (!IsUnit(target)) {
            if (warn_bad_word)
                c.OrderWarning(word.column, Quoted(word.text) + " is not a unit; the rest of the line is ignored.");
            break;
        }
        ++count;
        CheckTargetSeen(c, target, reach);
    }
    return count;
}

// ---- Items and skills ----

// "[SWOR]" is how reports print a code; orders need it without the brackets.
void BracketHint(Ctx& c, const OrderToken& word) {
    const std::string_view text = word.text;
    if (text.size() > 2 && text.front() == '[' && text.back() == ']' &&
        c.tables.FindItem(text.substr(1, text.size() - 2)) != nullptr) {
        c.OrderWarning(word.column, "Write " + Quoted(text.substr(1, text.size() - 2)) + " without the brackets.");
    }
}

// Database warning: the unit has none, or fewer than the amount (0 = any).
void CheckHolds(Ctx& c, const ItemToken& item, int32_t amount, int32_t column) {
    if (c.database == nullptr || c.unit->record == nullptr || c.delayed) return;
    const int32_t held = c.database->CountOf(*c.unit->record, item);
    if (held == 0) {
        c.OrderWarning(column, "Unit has no " + std::string(item.plural) + ".");
    } else if (amount > held) {
        c.OrderWarning(column, "Not enough.");
    }
}

const SkillToken* ReadSkill(Ctx& c, const OrderToken& word) {
    return c.tables.FindSkill(word.text);
}

// ---- Directions ----

struct Direction {
    enum class Kind { Bad, Compass, In, Out, Pause, Structure } kind = Kind::Bad;
    Compass compass = Compass::North;
    int32_t structure = 0;
};

Direction DirectionNamed(std::string_view word) {
    Direction direction;
    if (const auto compass = CompassNamed(word)) {
        direction.kind = Direction::Kind::Compass;
        direction.compass = *compass;
    } else if (SameName(word, "in")) {
        direction.kind = Direction::Kind::In;
    } else if (SameName(word, "out")) {
        direction.kind = Direction::Kind::Out;
    } else if (SameName(word, "p") || SameName(word, "pause")) {
        direction.kind = Direction::Kind::Pause;
    } else if (const auto number = OrderNumber(word); number && *number > 0) {
        direction.kind = Direction::Kind::Structure;
        direction.structure = *number;
    }
    return direction;
}

// Follows one step with the database: warns of a step to a hex no report showed, or into the ocean.
void FollowStep(Ctx& c, const Direction& direction, int32_t column) {
    MonthState& month = c.Month();
    if (c.database == nullptr || c.delayed || month.route_lost) return;
    if (!month.route) {
        if (!c.unit->place) {
            month.route_lost = true;
            return;
        }
        month.route = c.unit->place;
    }
    UnitPlace& place = *month.route;
    switch (direction.kind) {
        case Direction::Kind::Compass: {
            const UnitPlace next = c.database->Neighbour(place, direction.compass, c.Rules());
            const TVelHex* hex = c.database->Hex(next);
            if (hex == nullptr) {
                c.OrderWarning(column, "No region is known to the " + std::string(CompassName(direction.compass)) + ".");
                month.route_lost = true;
                return;
            }
            if (c.keyword != Keyword::Sail && c.database->IsOcean(*hex)) {
                c.OrderWarning(column, "The region to the " + std::string(CompassName(direction.compass)) + " is ocean.");
            }
            place = next;
            return;
        }
        case Direction::Kind::Structure:
            if (c.database->Hex(place) != nullptr && !c.database->HasStructure(place, direction.structure))
                c.OrderWarning(column, "Can't find object.");
            place.structure = direction.structure;
            return;
        case Direction::Kind::Out:
            place.structure = 0;
            return;
        case Direction::Kind::Pause:
            return;
        case Direction::Kind::In:
            if (c.database->Hex(place) != nullptr && !c.database->IsShaft(place))
                c.OrderWarning(column, "IN needs the unit inside a shaft first.");
            month.route_lost = true;  // the reports do not say where a shaft comes out
            return;
        default:
            month.route_lost = true;
            return;
    }
}

// ---- Month-long orders ----

void SetMonthLong(Ctx& c) {
    MonthState& month = c.Month();
    const Keyword keyword = c.keyword;
    if (month.month_long) {
        const Keyword earlier = *month.month_long;
        const bool chains = earlier == keyword && (keyword == Keyword::Move || keyword == Keyword::Advance ||
                                                   keyword == Keyword::Sail || keyword == Keyword::Teach ||
                                                   keyword == Keyword::Tax || keyword == Keyword::Pillage);
        if (!chains) {
            c.OrderError((*c.tokens)[0].column, c.delayed ? "Overwriting previous DELAYED month-long order."
                                                          : "Overwriting previous month-long order.");
            month.route.reset();
            month.route_lost = false;
        }
    }
    month.month_long = keyword;
}

// ---- The orders ----

// Where a problem with the next argument goes: at it, or where it would have stood.
int32_t NextColumn(const Ctx& c) {
    return c.More() ? c.Peek().column : Missing(c);
}

bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> words) {
    for (std::string_view allowed : words)
        if (SameName(word, allowed)) return true;
    return false;
}

// NAME, DESCRIBE, ADDRESS and PASSWORD take one word; the rest is dropped.
void WarnDroppedWords(Ctx& c) {
    if (!c.More()) return;
    const OrderToken& name = (*c.tokens)[c.next - 1];
    c.OrderWarning(c.Peek().column, "Only " + Quoted(name.text) + " is used; put a name with blanks in quotes.");
}

void Flag(Ctx& c) {
    if (!c.More() || !OrderFlag(c.Peek().text)) c.OrderError(NextColumn(c), "Invalid value.");
}

void OneOf(Ctx& c, std::initializer_list<std::string_view> words, bool required, std::string_view message) {
    if (!required && !c.More()) return;
    const OrderToken* word = c.Required(message);
    if (word && !IsOneOf(word->text, words)) c.OrderError(word->column, message);
}

// "[n] item": the item's word after an amount above zero that may come first, or nullptr once
// the problem is reported.
const OrderToken* AmountThenItem(Ctx& c, std::string_view no_item, std::string_view bad_amount) {
    const OrderToken* word = c.Required(no_item);
    if (!word) return nullptr;
    const auto amount = OrderNumber(word->text);
    if (!amount) return word;
    if (*amount <= 0) {
        c.OrderError(word->column, bad_amount);
        return nullptr;
    }
    return c.Required(no_item);
}

// The number after EXCEPT: above zero.
bool ExceptValue(Ctx& c, std::string_view invalid) {
    const OrderToken* value = c.Required("EXCEPT requires a value.");
    if (!value) return false;
    if (OrderNumber(value->text).value_or(0) <= 0) {
        c.OrderError(value->column, invalid);
        return false;
    }
    return true;
}

// A magic skill with the flag the order needs, or nullptr once the server's message is given.
const SkillToken* MagicSkill(Ctx& c, const OrderToken& word, uint32_t flag, std::string_view lacks_flag) {
    const SkillToken* skill = ReadSkill(c, word);
    if (skill == nullptr) {
        c.OrderError(word.column, "Invalid skill.");
    } else if (!skill->Has(SkillFlag::Magic)) {
        c.OrderError(word.column, "That is not a magic skill.");
    } else if (!skill->Has(flag)) {
        c.OrderError(word.column, lacks_flag);
    } else {
        return skill;
    }
    return nullptr;
}

void Movement(Ctx& c) {
    SetMonthLong(c);
    const bool sail = c.keyword == Keyword::Sail;
    while (c.More()) {
        const OrderToken& word = c.Take();
        const Direction direction = DirectionNamed(word.text);
        const bool allowed = sail ? direction.kind == Direction::Kind::Compass || direction.kind == Direction::Kind::Pause
                                  : direction.kind != Direction::Kind::Bad;
        if (!allowed) {
            const auto number = OrderNumber(word.text);
            if (!sail && number && *number < 0) {
                // The server takes it as a structure number below zero: -1 to -3 act as OUT, IN and
                // PAUSE, and lower numbers break its turn run.
                c.OrderError(word.column, "Negative structure number " + Quoted(word.text) + ".");
            } else {
                c.OrderError(word.column, "Warning, bad direction " + Quoted(word.text) + ".");
            }
            return;
        }
        FollowStep(c, direction, word.column);
    }
}
void Build(Ctx& c) {
    bool named = false;
    if (c.More() && !SameName(c.Peek().text, "complete")) {
        const OrderToken& word = c.Take();
        if (SameName(word.text, "help")) {
            const Target target = ReadTarget(c);
            if (!IsUnit(target)) {
                c.OrderError(TargetColumn(c, target), "Non-existent unit to help.");
                return;
            }
            CheckTargetSeen(c, target);
        } else if (const ObjectToken* object = c.tables.FindObject(word.text)) {
            if (!object->Buildable()) {
                c.OrderError(word.column, "Can't build that.");
                return;
            }
            named = true;
        } else if (const ItemToken* ship = c.tables.FindShip(word.text)) {
            if (ship->produce_skill.empty()) {
                c.OrderError(word.column, "Can't build that.");
                return;
            }
            named = true;
        } else {
            c.OrderError(word.column, "Not a valid object name.");
            return;
        }
    }
    if (c.More()) {
        const OrderToken& word = c.Take();
        if (!SameName(word.text, "complete")) {
            c.OrderError(word.column, "Unknown keyword " + Quoted(word.text) + ".");
            return;
        }
    }
    if (named && c.database && c.unit->place && !c.delayed) {
        if (const TVelHex* hex = c.database->Hex(*c.unit->place); hex && c.database->IsOcean(*hex))
            c.OrderWarning((*c.tokens)[0].column, "Can't build in an ocean.");
    }
    SetMonthLong(c);
}

// BUY and SELL: the item is not checked while reading, and an unknown one breaks the server's run.
void Trade(Ctx& c, std::string_view no_number) {
    const OrderToken* amount = c.Required(no_number);
    if (!amount) return;
    int32_t count = 0;
    if (!SameName(amount->text, "all")) {
        count = OrderNumber(amount->text).value_or(0);
        if (count == 0) {
            c.OrderError(amount->column, no_number);
            return;
        }
    }
    const OrderToken* word = c.Required("Item not given.");
    if (!word || (c.keyword == Keyword::Buy && IsOneOf(word->text, {"peasant", "peasants", "peas"}))) return;
    const ItemToken* item = c.tables.FindItem(word->text, ItemFilter::Giveable);
    if (item == nullptr) {
        c.OrderError(word->column, "Invalid item " + Quoted(word->text) + ".");
        BracketHint(c, *word);
        return;
    }
    // Selling all of nothing sells nothing and is no mistake.
    if (c.keyword == Keyword::Sell && count != 0) CheckHolds(c, *item, count, word->column);
}

// A region coordinate of CAST ... REGION and ANNIHILATE: a number from 0 up.
bool Coordinate(Ctx& c, std::string_view axis) {
    const OrderToken* word = c.Required("Region " + std::string(axis) + " coordinate not specified.");
    if (!word) return false;
    if (OrderNumber(word->text).value_or(-1) < 0) {
        c.OrderError(word->column, "Invalid " + std::string(axis) + " coordinate specified.");
        return false;
    }
    return true;
}

void RegionSpell(Ctx& c) {
    if (!c.More()) return;
    // The word after the spell is read whatever it is.
    if (!SameName(c.Take().text, "region")) return;
    if (!Coordinate(c, "X") || !Coordinate(c, "Y") || !c.More()) return;
    const OrderToken& z = c.Take();
    const int32_t levels = c.Rules() == RuleSet::New ? 3 : 2;
    const int32_t value = OrderNumber(z.text).value_or(-1);
    if (value < 0 || value >= levels) c.OrderError(z.column, "Invalid Z coordinate specified.");
}

void Summon(Ctx& c, std::initializer_list<std::string_view> names, std::string_view missing) {
    const OrderToken* word = c.Required(missing);
    if (word && !IsOneOf(word->text, names)) c.OrderError(word->column, "Can't summon " + Quoted(word->text) + ".");
}

void GateSpell(Ctx& c) {
    const OrderToken* word = c.Required("Missing argument.");
    if (!word || SameName(word->text, "detect")) return;
    if (SameName(word->text, "gate")) {
        const OrderToken* gate = c.Required("Requires a target gate.");
        if (!gate) return;
        const auto number = OrderNumber(gate->text);
        if (!number || *number < 1) {
            c.OrderError(gate->column, number ? "Invalid target gate." : "Requires a target gate.");
            return;
        }
    } else if (SameName(word->text, "random")) {
        if (c.PeekIs("level")) c.Take();
    } else {
        c.OrderError(word->column, "Invalid argument " + Quoted(word->text) + ".");
        return;
    }
    if (c.PeekIs("units")) {
        c.Take();
        ReadTargetList(c, Reach::SameRegion, false);
    }
}

void Spell(Ctx& c, const SkillToken& skill) {
    const std::string_view abbr = skill.abbr;
    if (abbr == "MIND") {
        const Target target = ReadTarget(c);
        if (!IsUnit(target)) c.OrderError(TargetColumn(c, target), "No unit specified.");
        return;
    }
    c.prefix = "CAST " + Quoted(skill.name) + ": ";
    if (abbr == "FARS" || abbr == "TELE" || abbr == "WEAT") {
        RegionSpell(c);
    } else if (abbr == "BIRD") {
        const OrderToken* word = c.Required("Missing arguments.");
        if (!word || SameName(word->text, "eagle")) return;
        if (!SameName(word->text, "direction")) {
            c.OrderError(word->column, "Invalid argument " + Quoted(word->text) + ".");
            return;
        }
        const OrderToken* direction = c.Required("Missing direction.");
        if (direction && !CompassNamed(direction->text))
            c.OrderError(direction->column, "Invalid direction " + Quoted(direction->text) + ".");
    } else if (abbr == "INVI") {
        if (!c.PeekIs("units")) {
            c.OrderError(NextColumn(c), "Must specify units to render invisible.");
            return;
        }
        c.Take();
        ReadTargetList(c, Reach::SameRegion, false);
    } else if (abbr == "GATE") {
        GateSpell(c);
    } else if (abbr == "PORT") {
        const Target mage = ReadTarget(c);
        if (!IsUnit(mage)) {
            c.OrderError(TargetColumn(c, mage), "Requires a target mage.");
            return;
        }
        if (!c.PeekIs("units")) {
            c.OrderError(NextColumn(c), "No units to teleport.");
            return;
        }
        c.Take();
        if (ReadTargetList(c, Reach::SameRegion, false) == 0) c.OrderError(Missing(c), "No units to teleport.");
    } else if (abbr == "PHBE") {
        Summon(c, {"wolf", "wolfs", "wolves", "eagle", "eagles", "dragon", "dragons"}, "Must specify which illusion to summon.");
    } else if (abbr == "PHDE") {
        Summon(c, {"imp", "imps", "demon", "demons", "balrog", "balrogs"}, "Illusion to summon must be given.");
    } else if (abbr == "TRNS") {
        const OrderToken* word = AmountThenItem(c, "You must specify what you wish to create.", "Invalid amount.");
        if (!word) return;
        const ItemToken* item = c.tables.FindItem(word->text);
        static constexpr std::string_view kTransmutable[] = {"MITH", "ROOT", "IRWD", "FLOA", "YEW", "WING", "ADMT"};
        for (std::string_view code : kTransmutable)
            if (item && item->abbr == code) return;
        c.OrderError(word->column, "Can't create that by transmutation.");
    }
}

void Cast(Ctx& c) {
    const OrderToken* word = c.Required("No skill given.");
    if (!word) return;
    const SkillToken* skill = MagicSkill(c, *word, SkillFlag::Cast, "That skill cannot be CAST.");
    if (!skill) return;
    if (c.database && c.unit->record && !c.delayed && !c.database->Knows(*c.unit->record, skill->abbr))
        c.Warning(word->column, "CAST " + Quoted(skill->name) + ": Skill level isn't that high.");
    Spell(c, *skill);
}

void Combat(Ctx& c) {
    if (!c.More()) return;
    const OrderToken& word = c.Take();
    const SkillToken* skill = MagicSkill(c, word, SkillFlag::Combat, "That skill cannot be used in combat.");
    if (skill && c.database && c.unit->record && !c.delayed && !c.database->Knows(*c.unit->record, skill->abbr))
        c.OrderWarning(word.column, "Unit does not possess that skill.");
}

void Declare(Ctx& c) {
    const OrderToken* faction = c.Required("No faction given.");
    if (!faction) return;
    const bool is_default = SameName(faction->text, "default");
    if (!is_default && !OrderNumber(faction->text)) {
        c.OrderError(faction->column, "Non-existent faction.");
        return;
    }
    // Without an attitude a faction's entry is removed; the default needs one.
    OneOf(c, {"hostile", "unfriendly", "neutral", "friendly", "ally"}, is_default,
          c.More() ? "Invalid attitude." : "No default attitude provided.");
}

void Describe(Ctx& c, bool name) {
    const OrderToken* what = c.Required("No argument.");
    if (!what) return;
    const bool known = name ? IsOneOf(what->text, {"faction", "unit", "building", "ship", "object", "structure", "village",
                                                   "town", "city"})
                            : IsOneOf(what->text, {"unit", "ship", "building", "object", "structure"});
    if (!known) {
        c.OrderError(what->column, name ? "Can't name that." : "Can't describe that.");
        return;
    }
    // An empty description clears it; a name is required.
    if (!name && !c.More()) return;
    const OrderToken* text = c.Required("No name given.");
    if (!text) return;
    if (name) {
        bool kept = false;
        for (char ch : text->text) {
            const bool dropped = ch == '(' || ch == ')' || ch == '[' || ch == ']' || ch == '"' || ch == ';' || ch == '|';
            kept = kept || (!dropped && static_cast<unsigned char>(ch) > 32);
        }
        if (!kept) c.OrderWarning(text->column, "Illegal name.");
    }
    WarnDroppedWords(c);
}

void Faction(Ctx& c) {
    if (c.PeekIs("generic")) return;
    if (!c.More()) {
        c.OrderError(Missing(c), "Bad faction type.");
        return;
    }
    int total = 0;
    while (c.More()) {
        const OrderToken& type = c.Take();
        const bool known = c.Rules() == RuleSet::New ? IsOneOf(type.text, {"martial", "magic"})
                                                     : IsOneOf(type.text, {"war", "trade", "magic"});
        if (!known || !c.More()) {
            c.OrderError(type.column, "Bad faction type.");
            return;
        }
        const OrderToken& points = c.Take();
        total += std::max(0, OrderNumber(points.text).value_or(0));
        if (total > 5) {
            c.OrderError(points.column, "Bad faction type.");
            return;
        }
    }
}

// GIVE and TAKE after their targets: amount, UNFINISHED, item or class, EXCEPT.
void GiveAmounts(Ctx& c, bool to_nobody) {
    const OrderToken* amount = c.Required("No amount given.");
    if (!amount) return;
    const bool all = SameName(amount->text, "all");
    if (SameName(amount->text, "unit")) {
        if (c.keyword == Keyword::Take) {
            c.OrderError(amount->column, "Illegal amount given.");
        } else if (c.PeekIs("except")) {
            c.OrderError(c.Peek().column, "EXCEPT only valid with ALL");
        } else if (to_nobody) {
            c.Error(amount->column, "Can't discard a whole unit.");
        }
        return;
    }
    int32_t count = 0;
    if (!all) {
        count = OrderNumber(amount->text).value_or(0);
        if (count < 1) {
            c.OrderError(amount->column, "Illegal amount given.");
            return;
        }
    }
    const bool unfinished = c.PeekIs("unfinished");
    if (unfinished) c.Take();
    const OrderToken* word = c.Required("No item given.");
    if (!word) return;
    const ItemToken* item = c.tables.FindItem(word->text, to_nobody ? ItemFilter::Any : ItemFilter::Giveable);
    const uint32_t item_class = item ? 0 : ItemClassNamed(word->text);
    if (item == nullptr && !(all && item_class != 0)) {
        c.OrderError(word->column, all ? "Invalid item or item class." : "Invalid item.");
        BracketHint(c, *word);
        return;
    }
    // A class takes the unfinished ships among its items.
    if (unfinished && item && !item->Is(ItemClass::Ship)) {
        c.OrderError(word->column, "That item does not have an unfinished version.");
        return;
    }
    if (c.PeekIs("except")) {
        const OrderToken& except = c.Take();
        if (!all) {
            c.OrderError(except.column, "EXCEPT only valid with ALL");
            return;
        }
        if (item == nullptr) {
            c.OrderError(except.column, "EXCEPT only valid with specific items.");
            return;
        }
        if (!ExceptValue(c, "Invalid EXCEPT value.")) return;
    }
    if (item && !unfinished && !all && c.keyword == Keyword::Give) CheckHolds(c, *item, count, word->column);
}

void Give(Ctx& c) {
    const Target target = ReadTarget(c);
    if (target.kind == Target::Kind::None) {
        c.OrderError(TargetColumn(c, target), "Invalid target.");
        return;
    }
    CheckTargetSeen(c, target);
    GiveAmounts(c, target.kind == Target::Kind::Number && target.number == 0);
}

void Take(Ctx& c) {
    if (!c.PeekIs("from")) {
        c.OrderError(NextColumn(c), "Missing FROM.");
        return;
    }
    c.Take();
    const Target target = ReadTarget(c);
    if (!IsUnit(target)) {
        c.OrderError(TargetColumn(c, target), "Invalid target.");
        return;
    }
    CheckTargetSeen(c, target, Reach::OwnInRegion);
    GiveAmounts(c, false);
}

// EXCHANGE target, what the unit gives, then what it expects: that amount must be a number.
void Exchange(Ctx& c) {
    const Target target = ReadTarget(c);
    if (!IsUnit(target)) {
        c.OrderError(TargetColumn(c, target), "Invalid target.");
        return;
    }
    CheckTargetSeen(c, target);
    for (const bool expected : {false, true}) {
        const OrderToken* amount = c.Required(expected ? "No amount expected." : "No amount given.");
        if (!amount) return;
        const auto number = OrderNumber(amount->text);
        if (expected && !number) {
            c.OrderError(amount->column, "No amount expected.");
            return;
        }
        if (number.value_or(0) < 0) {
            c.OrderError(amount->column, "Illegal amount given.");
            return;
        }
        const OrderToken* word = c.Required(expected ? "No item expected." : "No item given.");
        if (!word) return;
        const ItemToken* item = c.tables.FindItem(word->text, ItemFilter::Giveable);
        if (item == nullptr) {
            c.OrderError(word->column, "Invalid item.");
            BracketHint(c, *word);
            return;
        }
        if (item->Is(ItemClass::Ship)) {
            c.OrderError(word->column, "Can't exchange ships.");
            return;
        }
        if (!expected) CheckHolds(c, *item, number.value_or(0), word->column);
    }
}

void Transport(Ctx& c) {
    const Target target = ReadTarget(c);
    if (!IsUnit(target)) {
        c.OrderError(TargetColumn(c, target), "Invalid target.");
        return;
    }
    const OrderToken* amount = c.Required("No amount given.");
    if (!amount) return;
    if (!SameName(amount->text, "all") && OrderNumber(amount->text).value_or(-1) < 0) {
        c.OrderError(amount->column, "Illegal amount given.");
        return;
    }
    const OrderToken* word = c.Required("No item given.");
    if (!word) return;
    if (c.tables.FindItem(word->text, ItemFilter::Transportable) == nullptr) {
        c.OrderError(word->column, "Invalid item " + Quoted(word->text) + ".");
        return;
    }
    if (c.PeekIs("except")) {
        c.Take();
        if (!ExceptValue(c, "Invalid except value.")) return;
    }
    if (c.Rules() == RuleSet::Standard) c.OrderError((*c.tokens)[0].column, "Never carried out under the standard rules.");
}

void Option(Ctx& c) {
    const OrderToken* word = c.Required("What option?");
    if (!word) return;
    if (SameName(word->text, "template")) {
        const OrderToken* type = c.Required("No template type specified.");
        if (type && !IsOneOf(type->text, {"off", "short", "long", "map"})) c.OrderError(type->column, "Invalid template type.");
    } else if (!IsOneOf(word->text, {"times", "notimes", "showattitudes", "dontshowattitudes"})) {
        c.OrderError(word->column, "Invalid option.");
    }
}

void Produce(Ctx& c) {
    const OrderToken* word = AmountThenItem(c, "No item given.", "Invalid item.");
    if (!word) return;
    const ItemToken* item = c.tables.FindItem(word->text);
    if (item == nullptr) {
        c.OrderError(word->column, "Invalid item.");
        BracketHint(c, *word);
        return;
    }
    if (item->Is(ItemClass::Ship)) {
        c.OrderError(word->column, "Use BUILD for ships.");
        return;
    }
    if (c.database && c.unit->record && !c.delayed &&
        (item->produce_skill.empty() || !c.database->Knows(*c.unit->record, item->produce_skill)))
        c.OrderWarning(word->column, "Unit isn't skilled enough to produce " + std::string(item->name) + ".");
    SetMonthLong(c);
}

// SHOW SKILL s level, SHOW ITEM i, SHOW OBJECT o. The server reads the names without looking them
// up, so a name the game does not know fails only when the turn runs.
void Show(Ctx& c) {
    if (++c.show_orders == 101) c.Error((*c.tokens)[0].column, "Too many SHOW orders.");
    const OrderToken* what = c.Required("Show what?");
    if (!what) return;
    if (SameName(what->text, "skill")) {
        const OrderToken* skill = c.Required("Show what skill?");
        if (skill && c.Required("No skill level given.") && !c.tables.FindSkill(skill->text))
            c.OrderWarning(skill->column, "Faction doesn't have that skill.");
    } else if (SameName(what->text, "item")) {
        const OrderToken* item = c.Required("Show which item?");
        if (item && !c.tables.FindItem(item->text))
            c.OrderWarning(item->column, "You don't know anything about that item.");
    } else if (SameName(what->text, "object")) {
        const OrderToken* object = c.Required("Show which object?");
        if (object && !c.tables.FindObject(object->text)) c.OrderWarning(object->column, "No such object.");
    } else {
        c.OrderError(what->column, "Show what?");
    }
}

void Steal(Ctx& c) {
    const Target target = ReadTarget(c);
    if (!IsUnit(target)) {
        c.OrderError(TargetColumn(c, target), "No target given.");
        return;
    }
    CheckTargetSeen(c, target);
    if (c.keyword == Keyword::Assassinate) return;
    const OrderToken* word = c.Required("No item given.");
    if (!word) return;
    const ItemToken* item = c.tables.FindItem(word->text);
    if (item == nullptr) {
        c.OrderError(word->column, "Bad item given.");
    } else if (item->Is(ItemClass::Man) || item->Is(ItemClass::Monster)) {
        c.OrderError(word->column, "Can't steal that.");
    }
}

void Study(Ctx& c) {
    const OrderToken* word = c.Required("No skill given.");
    if (!word) return;
    const SkillToken* skill = ReadSkill(c, *word);
    if (skill == nullptr) {
        c.OrderError(word->column, "Unknown skill " + Quoted(word->text) + ".");
        return;
    }
    if (c.database && c.unit->record && !c.delayed && c.database->StudyBlocked(*c.unit->record, *skill))
        c.OrderWarning(word->column, "Doesn't have the pre-requisite skills to study that.");
    SetMonthLong(c);
}

void Teach(Ctx& c) {
    if (ReadTargetList(c, Reach::SameRegion, true) == 0) {
        // The server's turn run breaks on a teacher without students and no earlier month-long order.
        c.OrderError(Missing(c), "No students given.");
        return;
    }
    SetMonthLong(c);
}

// WITHDRAW [n] item: a word that is no amount above zero is read as the item.
void Withdraw(Ctx& c) {
    const OrderToken* word = c.Required("No amount given.");
    if (!word) return;
    if (const auto amount = OrderNumber(word->text); amount && *amount > 0) {
        word = c.Required("No item given.");
        if (!word) return;
    }
    const ItemToken* item = c.tables.FindItem(word->text, ItemFilter::Giveable);
    if (item == nullptr || !item->Is(ItemClass::Normal) || item->abbr == "SILV") c.OrderError(word->column, "Invalid item.");
}

void Annihilate(Ctx& c) {
    if (!c.PeekIs("region")) {
        c.OrderError(NextColumn(c), "No region specified.");
        return;
    }
    c.Take();
    if (Coordinate(c, "X")) Coordinate(c, "Y");
}

void Sacrifice(Ctx& c) {
    if (!c.More() || OrderNumber(c.Peek().text).value_or(0) == 0) {
        c.OrderError(NextColumn(c), "No amount given.");
        return;
    }
    c.Take();
    const OrderToken* word = c.Required("No item given.");
    if (word && c.tables.FindItem(word->text) == nullptr) c.OrderError(word->column, "Invalid item.");
}
void Prepare(Ctx& c) {
    if (!c.More()) return;
    const OrderToken& word = c.Take();
    const ItemToken* item = c.tables.FindItem(word.text);
    if (item == nullptr) {
        // Read without a check; the server's turn run does not survive an unknown item here.
        c.OrderError(word.column, "Invalid item " + Quoted(word.text) + ".");
        return;
    }
    if (c.database && c.unit->record && !c.delayed && c.database->CountOf(*c.unit->record, *item) == 0)
        c.OrderWarning(word.column, "Unit does not possess that item.");
}

void Equipment(Ctx& c, uint32_t wanted, std::string_view not_wanted) {
    int count = 0;
    while (c.More()) {
        const OrderToken& word = c.Take();
        if (++count == 5) c.OrderWarning(word.column, "Only the first four items are kept.");
        const ItemToken* item = c.tables.FindItem(word.text);
        if (item == nullptr) {
            c.OrderWarning(word.column, "Unknown item.");
        } else if (!item->Is(wanted)) {
            c.OrderWarning(word.column, not_wanted);
        }
    }
}

void Claim(Ctx& c) {
    const int32_t amount = c.More() ? OrderNumber(c.Peek().text).value_or(0) : 0;
    if (amount == 0) {
        c.OrderError(NextColumn(c), "No amount given.");
    } else if (amount < 0) {
        c.OrderError(c.Peek().column, "Illegal amount given.");
    } else if (c.database && !c.delayed && amount > c.database->UnclaimedSilver()) {
        c.OrderWarning(c.Peek().column, "Don't have that much unclaimed silver.");
    }
}

void RequireTarget(Ctx& c, Reach reach) {
    const Target target = ReadTarget(c);
    if (!IsUnit(target)) {
        c.OrderError(TargetColumn(c, target), "No target given.");
        return;
    }
    CheckTargetSeen(c, target, reach);
}

// TAX and PILLAGE exclude each other. Under the standard rules they are flags; under the new ones
// they are month-long, and a second TAX or PILLAGE repeats the first.
void TaxOrPillage(Ctx& c) {
    MonthState& month = c.Month();
    const bool tax = c.keyword == Keyword::Tax;
    const bool month_long = IsMonthLong(c.keyword, c.Rules());
    const bool other = month_long ? month.month_long == (tax ? Keyword::Pillage : Keyword::Tax)
                                  : (tax ? month.pillaging : month.taxing);
    if (other) {
        c.OrderError((*c.tokens)[0].column, tax ? "The unit is already pillaging." : "The unit is already taxing.");
    } else if (month_long) {
        SetMonthLong(c);
    } else {
        (tax ? month.taxing : month.pillaging) = true;
    }
}

void Forget(Ctx& c) {
    const OrderToken* word = c.Required("No skill given.");
    if (!word) return;
    const SkillToken* skill = ReadSkill(c, *word);
    if (skill == nullptr) {
        c.OrderError(word->column, "Invalid skill.");
    } else if (c.database && c.unit->record && !c.delayed && !c.database->Knows(*c.unit->record, skill->abbr)) {
        c.OrderWarning(word->column, "Unit does not know that skill.");
    }
}

void Password(Ctx& c) {
    if (!c.More()) return;
    const OrderToken& word = c.Take();
    if (const auto problem = HeaderPasswordProblem(word.text)) c.OrderWarning(word.column, *problem);
    WarnDroppedWords(c);
}

}  // namespace

void CheckOrderArguments(OrderContext& c) {
    c.prefix = std::string(KeywordText(c.keyword == Keyword::Distribute ? Keyword::Transport : c.keyword)) + ": ";
    switch (c.keyword) {
        case Keyword::Address:
            if (c.Required("No address given.")) WarnDroppedWords(c);
            return;
        case Keyword::Advance: case Keyword::Move: case Keyword::Sail: return Movement(c);
        case Keyword::Annihilate: return Annihilate(c);
        case Keyword::Armor: return Equipment(c, ItemClass::Armor, "Item is not armor.");
        case Keyword::Weapon: return Equipment(c, ItemClass::Weapon, "Item is not a weapon.");
        case Keyword::Assassinate: case Keyword::Steal: return Steal(c);
        case Keyword::Attack: ReadTargetList(c, Reach::SameRegion, true); return;
        case Keyword::Evict: ReadTargetList(c, Reach::SameStructure, true); return;
        case Keyword::Autotax: case Keyword::Avoid: case Keyword::Behind: case Keyword::Guard: case Keyword::Hold:
        case Keyword::Noaid: case Keyword::Share: case Keyword::Nocross:
            return Flag(c);
        case Keyword::Nospoils:
            // The server says so for every NOSPOILS, and still carries it out.
            c.OrderError((*c.tokens)[0].column, "This command is deprecated.  Use the 'SPOILS' command instead");
            return Flag(c);
        case Keyword::Build: return Build(c);
        case Keyword::Buy: return Trade(c, "Number to buy not given.");
        case Keyword::Sell: return Trade(c, "Number to sell not given.");
        case Keyword::Cast: return Cast(c);
        case Keyword::Claim: return Claim(c);
        case Keyword::Combat: return Combat(c);
        case Keyword::Consume: case Keyword::Reveal:
            return OneOf(c, {"unit", "faction", "none"}, false, "Invalid value.");
        case Keyword::Declare: return Declare(c);
        case Keyword::Describe: return Describe(c, false);
        case Keyword::Name: return Describe(c, true);
        case Keyword::Enter:
            if (OrderNumber(c.More() ? c.Peek().text : "").value_or(0) == 0) c.OrderError(NextColumn(c), "No object specified.");
            return;
        case Keyword::Entertain: case Keyword::Idle: case Keyword::Work: return SetMonthLong(c);
        case Keyword::Exchange: return Exchange(c);
        case Keyword::Faction: return Faction(c);
        case Keyword::Find:
            // The faction is read before the new rules' refusal.
            if (c.Required("No faction number given.") && c.Rules() == RuleSet::New)
                c.OrderError((*c.tokens)[0].column, "This command was disabled.");
            return;
        case Keyword::Forget: return Forget(c);
        case Keyword::Give: return Give(c);
        case Keyword::Take: return Take(c);
        case Keyword::Join: return RequireTarget(c, Reach::SameRegion);
        case Keyword::Promote: return RequireTarget(c, Reach::SameStructure);
        case Keyword::Option: return Option(c);
        case Keyword::Password: return Password(c);
        case Keyword::Pillage: case Keyword::Tax: return TaxOrPillage(c);
        case Keyword::Prepare: return Prepare(c);
        case Keyword::Produce: return Produce(c);
        case Keyword::Sacrifice: return Sacrifice(c);
        case Keyword::Show: return Show(c);
        case Keyword::Spoils:
            return OneOf(c, {"none", "walk", "ride", "fly", "swim", "sail", "all"}, true, "Bad argument.");
        case Keyword::Study: return Study(c);
        case Keyword::Teach: return Teach(c);
        case Keyword::Transport: case Keyword::Distribute: return Transport(c);
        case Keyword::Withdraw: return Withdraw(c);
        case Keyword::Destroy: case Keyword::Leave: case Keyword::Quit: case Keyword::Restart:
        case Keyword::End: case Keyword::Endturn: case Keyword::Form: case Keyword::Turn: case Keyword::Unit:
            return;
    }
}

}  // namespace hexwarden
