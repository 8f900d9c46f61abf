#include "turn/month.h"

#include <algorithm>
#include <tuple>

#include "orders/order_line.h"

namespace hexwarden {

MonthRun::MonthRun(const TurnStart& start, const std::vector<UnitOrders>& orders, const RunScope* scope)
    : start_(start),
      unit_orders_(orders),
      tables_(TokenTables::For(start.Rules())),
      rules_(start.Rules()),
      regions_(start.Regions()),
      region_index_(start.RegionPlaces()),
      unclaimed_(scope ? scope->unclaimed : start.Unclaimed()),
      claimed_(start.Units().size(), 0),
      partial_(scope != nullptr) {
    actors_.reserve(start.Units().size() + orders.size());
    for (std::size_t i = 0; i < start.Units().size(); ++i) {
        if (scope && !scope->units[i]) continue;
        Actor actor;
        actor.start_index = static_cast<int>(i);
        actor.state = start.Units()[i];
        actor.record = start.Records()[i];
        actor.region = RegionOf(actor.state.place);
        actor.seq = next_seq_++;
        by_number_.emplace(actor.state.number, static_cast<int>(actors_.size()));
        actors_.push_back(std::move(actor));
    }
}

bool InPositionOrder(const Place& a, const Place& b) {
    return std::tie(a.Where, a.Y, a.X) < std::tie(b.Where, b.Y, b.X);
}

MonthOutcome MonthRun::Run() {
    ReadOrders();
    if (faction_orders_ != nullptr) FactionOrders(*faction_orders_);
    Reorder();
    EnterLeave();
    PromoteEvict();
    GiveTake();
    Join();
    Exchange();
    Destroy();
    if (rules_ == RuleSet::Standard) {
        Pillage(false);
        Tax(false);
    }
    Guard();
    Cast();
    TradeIn(false);
    TradeIn(true);
    Forget();
    RemoveEmptyUnits();
    Withdraw();
    Move();
    Teach();
    MonthLongWork();
    Maintenance();
    RemoveUnbuiltStructures();

    MonthOutcome outcome;
    outcome.result.rules = rules_;
    Reorder();
    for (int index : order_) {
        Actor& actor = actors_[static_cast<std::size_t>(index)];
        outcome.result.units.push_back(std::move(actor.state));
        outcome.unit_start.push_back(actor.start_index);
    }
    // Problems in line order, each with the start unit it belongs to.
    std::vector<std::size_t> by_line(problems_.size());
    for (std::size_t i = 0; i < by_line.size(); ++i) by_line[i] = i;
    std::stable_sort(by_line.begin(), by_line.end(),
                     [&](std::size_t a, std::size_t b) { return problems_[a].line < problems_[b].line; });
    for (std::size_t i : by_line) {
        outcome.result.problems.push_back(std::move(problems_[i]));
        outcome.problem_start.push_back(problem_start_[i]);
    }
    std::stable_sort(trades_.begin(), trades_.end(),
                     [](const MarketTrade& a, const MarketTrade& b) { return InPositionOrder(a.place, b.place); });
    outcome.result.markets = std::move(trades_);
    outcome.result.unclaimed = unclaimed_;
    outcome.claimed = std::move(claimed_);
    outcome.pool_short = pool_short_;
    return outcome;
}

// ---- Reading ----

namespace {

std::optional<Phase> PhaseOf(Keyword keyword) {
    switch (keyword) {
        case Keyword::Enter: case Keyword::Leave: return Phase::EnterLeave;
        case Keyword::Promote: case Keyword::Evict: return Phase::PromoteEvict;
        case Keyword::Give: case Keyword::Take: return Phase::GiveTake;
        case Keyword::Join: return Phase::Join;
        case Keyword::Exchange: return Phase::Exchange;
        case Keyword::Destroy: return Phase::Destroy;
        case Keyword::Pillage: return Phase::Pillage;
        case Keyword::Tax: return Phase::Tax;
        case Keyword::Cast: return Phase::Cast;
        case Keyword::Sell: return Phase::Sell;
        case Keyword::Buy: return Phase::Buy;
        case Keyword::Forget: return Phase::Forget;
        case Keyword::Withdraw: return Phase::Withdraw;
        default: return std::nullopt;
    }
}

}  // namespace


void MonthRun::ReadOrders() {
    int parent = -1;
    for (const UnitOrders& orders : unit_orders_) {
        if (orders.number == UnitOrders::kFaction) {
            faction_orders_ = &orders;
            continue;
        }
        if (orders.number == 0) {
            if (parent >= 0 && actors_[static_cast<std::size_t>(parent)].state.number == orders.formed_by)
                FormUnit(orders, parent);
            continue;
        }
        const auto found = by_number_.find(orders.number);
        parent = found == by_number_.end() ? -1 : found->second;
        if (parent < 0) {
            // A run of part of the month leaves the other units out; the full run warned of strangers.
            if (!partial_) {
                problems_.push_back({orders.line, orders.number, 0, ProblemKind::Warning,
                                     "UNIT: " + std::to_string(orders.number) +
                                         " is not one of your units in the last report; its orders are not run."});
                problem_start_.push_back(-1);
            }
            continue;
        }
        Actor& actor = actors_[static_cast<std::size_t>(parent)];
        if (actor.orders != nullptr) continue;  // the reader merged repeated UNIT blocks already
        actor.orders = &orders;
        ReadUnitOrders(actor);
    }
}

void MonthRun::FormUnit(const UnitOrders& orders, int parent) {
    Actor formed;
    const Actor& former = actors_[static_cast<std::size_t>(parent)];
    const auto [first, last] = by_alias_.equal_range(orders.alias);
    for (auto entry = first; entry != last; ++entry) {
        if (actors_[static_cast<std::size_t>(entry->second)].region != former.region) continue;
        // The game refuses a second unit of the same alias in a region, and its orders with it.
        problems_.push_back({orders.line, former.state.number, 0, ProblemKind::Error, "Alias multiply defined."});
        problem_start_.push_back(former.start_index);
        return;
    }
    formed.state.alias = orders.alias;
    formed.state.formed_by = former.state.number;
    formed.state.place = former.state.place;
    formed.state.structure = former.state.structure;
    formed.state.route.push_back(formed.state.place);
    formed.state.settings = former.state.settings;
    // A new unit is never on guard and never taxes on its own; it starts not crossing water.
    formed.state.settings.guarding = false;
    formed.state.settings.autotax = false;
    formed.state.settings.nocross = true;
    formed.region = former.region;
    formed.start_index = former.start_index;
    formed.seq = next_seq_++;
    formed.orders = &orders;
    by_alias_.emplace(orders.alias, static_cast<int>(actors_.size()));
    actors_.push_back(std::move(formed));
    ReadUnitOrders(actors_.back());
}

void MonthRun::ReadUnitOrders(Actor& actor) {
    for (const TurnOrder& order : actor.orders->orders) {
        if (const auto phase = PhaseOf(order.keyword)) actor.acts.emplace_back(*phase, &order);
        if (IsMonthLong(order.keyword, rules_)) {
            actor.month_long = &order;
            continue;
        }
        switch (order.keyword) {
            case Keyword::Claim: Claim(actor, order); break;
            case Keyword::Steal:
            case Keyword::Assassinate:
            case Keyword::Attack:
                actor.state.Uncertain(std::string(KeywordText(order.keyword)) +
                                      ": fights and thefts depend on chance and on other factions");
                break;
            case Keyword::Tax:
            case Keyword::Pillage:
                if (!actor.taxing && !actor.pillaging) (order.keyword == Keyword::Tax ? actor.taxing : actor.pillaging) = true;
                break;
            case Keyword::Share:
            case Keyword::Behind:
            case Keyword::Autotax:
            case Keyword::Avoid:
            case Keyword::Hold:
            case Keyword::Noaid:
            case Keyword::Nocross:
            case Keyword::Reveal:
            case Keyword::Guard: Setting(actor, order); break;
            default: break;
        }
    }
    std::stable_sort(actor.acts.begin(), actor.acts.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    if (actor.state.settings.autotax && rules_ == RuleSet::Standard && !actor.pillaging) actor.taxing = true;
}

void MonthRun::Setting(Actor& actor, const TurnOrder& order) {
    UnitSettings& settings = actor.state.settings;
    if (order.keyword == Keyword::Reveal) {
        settings.reveal = !order.words.empty() && (SameName(order.words[0], "unit") || SameName(order.words[0], "faction"));
        return;
    }
    const auto on = order.words.empty() ? std::nullopt : OrderFlag(order.words[0]);
    if (!on) return;  // the order checker reports it
    switch (order.keyword) {
        case Keyword::Share: settings.sharing = *on; break;
        case Keyword::Behind: settings.behind = *on; break;
        case Keyword::Autotax: settings.autotax = *on; break;
        case Keyword::Avoid: settings.avoiding = *on; break;
        case Keyword::Hold: settings.holding = *on; break;
        case Keyword::Noaid: settings.noaid = *on; break;
        case Keyword::Nocross: settings.nocross = *on; break;
        case Keyword::Guard: actor.guard_request = *on; break;
        default: break;
    }
}

void MonthRun::Claim(Actor& actor, const TurnOrder& order) {
    const auto amount = order.words.empty() ? std::nullopt : OrderNumber(order.words[0]);
    if (!amount || *amount <= 0) return;  // the order checker reports a missing or negative amount
    if (*amount > unclaimed_) Problem(actor, &order, ProblemKind::Error, "CLAIM: Don't have that much unclaimed silver.");
    TakeUnclaimed(actor, *amount);
}

void MonthRun::FactionOrders(const UnitOrders& orders) {
    // The database holds no password, and with the right one the faction leaves the game.
    for (const TurnOrder& order : orders.orders) {
        const std::string verb(KeywordText(order.keyword));
        problems_.push_back({order.line, 0, 0, ProblemKind::Uncertain,
                             verb + ": If the password is right, the faction leaves the game and none of its units remains."});
        problem_start_.push_back(-1);
    }
    // One reason is enough however many such lines a file holds.
    if (orders.orders.empty()) return;
    const std::string why = std::string(KeywordText(orders.orders.front().keyword)) +
                            ": with the right password the faction leaves the game and this unit with it";
    for (Actor& actor : actors_) actor.state.Uncertain(why);
}

void MonthRun::TakeUnclaimed(Actor& actor, int64_t amount) {
    if (amount > unclaimed_) pool_short_ = true;
    const int64_t paid = std::min(amount, unclaimed_);
    unclaimed_ -= paid;
    claimed_[static_cast<std::size_t>(actor.start_index)] += paid;
    actor.state.items.Add("SILV", paid);
}

// ---- Help ----

void MonthRun::Reorder() {
    std::vector<std::tuple<Level, int32_t, int32_t, int32_t, int64_t, int>> keys;
    keys.reserve(actors_.size());
    for (std::size_t i = 0; i < actors_.size(); ++i) {
        const Actor& actor = actors_[i];
        if (actor.removed) continue;
        const Place& place = actor.state.place;
        const int32_t rank = regions_[static_cast<std::size_t>(actor.region)].StructureRank(actor.state.structure);
        keys.emplace_back(place.Where, place.Y, place.X, rank, actor.seq, static_cast<int>(i));
    }
    std::sort(keys.begin(), keys.end());
    order_.clear();
    for (auto& units : by_region_) units.clear();
    for (auto& units : sharers_) units.clear();
    by_region_.resize(regions_.size());
    sharers_.resize(regions_.size());
    for (const auto& key : keys) {
        const int index = std::get<5>(key);
        const Actor& actor = actors_[static_cast<std::size_t>(index)];
        order_.push_back(index);
        by_region_[static_cast<std::size_t>(actor.region)].push_back(index);
        if (actor.state.settings.sharing) sharers_[static_cast<std::size_t>(actor.region)].push_back(index);
    }
}

const std::vector<int>& MonthRun::UnitsIn(int region) const {
    static const std::vector<int> kNone;
    // A region first reached by a move has no units until the next reordering.
    return static_cast<std::size_t>(region) < by_region_.size() ? by_region_[static_cast<std::size_t>(region)] : kNone;
}

int MonthRun::RegionOf(const Place& place) {
    const auto [entry, added] = region_index_.try_emplace(place, static_cast<int>(regions_.size()));
    if (added) regions_.push_back(start_.CopyRegion(place));
    return entry->second;
}

int MonthRun::Target(const Actor& actor, const std::vector<std::string>& words, std::size_t& next, int32_t& number) const {
    number = 0;
    if (next >= words.size()) return -2;
    int32_t alias = 0;
    if (SameName(words[next], "faction")) {
        const auto faction = next + 1 < words.size() ? OrderNumber(words[next + 1]) : std::nullopt;
        if (!faction || next + 3 >= words.size() + 0 || !SameName(words[next + 2], "new")) return -2;
        const auto value = OrderNumber(words[next + 3]);
        if (!value) return -2;
        next += 4;
        if (*faction != start_.Faction()) return -1;
        alias = *value;
    } else if (SameName(words[next], "new")) {
        const auto value = next + 1 < words.size() ? OrderNumber(words[next + 1]) : std::nullopt;
        if (!value) return -2;
        next += 2;
        alias = *value;
    } else {
        const auto value = OrderNumber(words[next]);
        if (!value) return -2;
        ++next;
        number = *value;
    }
    if (alias == 0) {
        const auto found = number != 0 ? by_number_.find(number) : by_number_.end();
        if (found == by_number_.end()) return -1;
        const Actor& other = actors_[static_cast<std::size_t>(found->second)];
        return other.removed || other.region != actor.region ? -1 : found->second;
    }
    // Formed units are looked up by alias: a file may form thousands in one region.
    const auto [first, last] = by_alias_.equal_range(alias);
    int found = -1;
    for (auto entry = first; entry != last; ++entry) {
        const Actor& other = actors_[static_cast<std::size_t>(entry->second)];
        if (!other.removed && !other.moved && other.region == actor.region && (found < 0 || entry->second < found))
            found = entry->second;
    }
    return found;
}

template <typename Visit>
void MonthRun::ForEachSharer(const Actor& actor, Visit&& visit) {
    if (static_cast<std::size_t>(actor.region) >= sharers_.size()) return;
    for (int index : sharers_[static_cast<std::size_t>(actor.region)]) {
        Actor& other = actors_[static_cast<std::size_t>(index)];
        if (&other != &actor && !visit(other)) return;
    }
}

int64_t MonthRun::Available(const Actor& actor, std::string_view code) {
    int64_t total = actor.state.items.Count(code);
    ForEachSharer(actor, [&](const Actor& sharer) {
        total += sharer.state.items.Count(code);
        return true;
    });
    return total;
}

void MonthRun::Spend(Actor& actor, std::string_view code, int64_t amount) {
    const int64_t own = actor.state.items.Count(code);
    if (amount > own) Borrow(actor, code, amount - own);
    actor.state.items.Add(code, -amount);
}

void MonthRun::Borrow(Actor& actor, std::string_view code, int64_t amount) {
    ForEachSharer(actor, [&](Actor& sharer) {
        const int64_t part = std::min(amount, sharer.state.items.Count(code));
        if (part > 0) {
            sharer.state.items.Add(code, -part);
            actor.state.items.Add(code, part);
            Inherit(actor, sharer);
            amount -= part;
        }
        return amount > 0;
    });
}

void MonthRun::Inherit(Actor& to, const Actor& from) {
    if (from.state.certain || &to == &from) return;
    to.state.Uncertain("uses goods of " + Name(from) + ", whose month is uncertain");
}

void MonthRun::Problem(const Actor& actor, const TurnOrder* order, ProblemKind kind, std::string message) {
    const int32_t line = order ? order->line : (actor.orders ? actor.orders->line : 0);
    problems_.push_back({line, actor.state.number, actor.state.alias, kind, std::move(message)});
    problem_start_.push_back(actor.start_index);
}

std::string MonthRun::Name(const Actor& actor) const {
    if (actor.state.number != 0) return "unit " + std::to_string(actor.state.number);
    return "new unit " + std::to_string(actor.state.alias);
}

std::string MonthRun::ItemText(const ItemToken* item, std::string_view code, int64_t count) const {
    std::string text = std::to_string(count) + " ";
    if (item != nullptr) text += std::string(count == 1 ? item->name : item->plural) + " ";
    return text + "[" + std::string(code) + "]";
}

std::span<const std::pair<Phase, const TurnOrder*>> MonthRun::OrdersOf(const Actor& actor, Phase phase) const {
    if (actor.removed) return {};
    const auto range = std::equal_range(actor.acts.begin(), actor.acts.end(), std::pair<Phase, const TurnOrder*>{phase, nullptr},
                                        [](const auto& a, const auto& b) { return a.first < b.first; });
    return {range.first, range.second};
}

}  // namespace hexwarden
