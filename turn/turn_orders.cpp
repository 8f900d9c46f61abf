#include "turn/turn_orders.h"

#include <optional>
#include <unordered_map>

#include "orders/token_tables.h"

namespace hexwarden {

namespace {

class OrdersReader {
public:
    explicit OrdersReader(RuleSet rules) : rules_(rules) {}

    void SelectUnit(int32_t number) {
        in_block_ = true;
        Select(number);
    }

    void Line(const OrderLine& line) {
        bool repeating = false;
        SplitOrderLine(line.text, tokens_, repeating);
        // The server never reads an unterminated last line.
        if (tokens_.empty() || line.unterminated) return;
        const OrderToken& first = tokens_[0];
        if (!first.quoted && SameName(first.text, "#veldoria")) {
            const auto faction = tokens_.size() > 1 ? OrderNumber(tokens_[1].text) : std::nullopt;
            in_block_ = faction && *faction > 0;
            Deselect();
            return;
        }
        if (!first.quoted && SameName(first.text, "#end")) {
            in_block_ = false;
            Deselect();
            return;
        }
        const auto keyword = KeywordNamed(first.text, rules_);
        if (!in_block_ || !keyword || line.carriage_return) return;
        switch (*keyword) {
            case Keyword::Unit: {
                in_turn_ = false;
                forming_ = false;
                const auto number = tokens_.size() > 1 ? OrderNumber(tokens_[1].text) : std::nullopt;
                if (number && *number > 0) Select(*number, line.number);
                else current_ = -1;
                return;
            }
            case Keyword::Form: return Form(line.number);
            case Keyword::End:
                if (forming_ && !in_turn_) {
                    forming_ = false;
                    current_ = parent_;
                }
                return;
            case Keyword::Turn: in_turn_ = current_ >= 0; return;
            case Keyword::Endturn: in_turn_ = false; return;
            default: break;
        }
        if (in_turn_) return;
        // QUIT and RESTART are the faction's, wherever they stand.
        const bool faction_order = *keyword == Keyword::Quit || *keyword == Keyword::Restart;
        if (faction_order && faction_ < 0) {
            faction_ = static_cast<int>(units_.size());
            units_.push_back({UnitOrders::kFaction, 0, 0, line.number, {}});
        }
        const int owner = faction_order ? faction_ : current_;
        if (owner < 0) return;
        TurnOrder order;
        order.line = line.number;
        order.keyword = *keyword;
        order.words.reserve(tokens_.size() - 1);
        for (std::size_t i = 1; i < tokens_.size(); ++i) order.words.emplace_back(tokens_[i].text);
        units_[static_cast<std::size_t>(owner)].orders.push_back(std::move(order));
    }

    std::vector<UnitOrders> Take() { return std::move(units_); }

private:
    void Deselect() {
        current_ = -1;
        forming_ = false;
        in_turn_ = false;
    }

    // A second UNIT of the same number adds to its orders, as the server reads them.
    void Select(int32_t number, int32_t line = 0) {
        const auto [known, added] = selected_.try_emplace(number, units_.size());
        if (!added) {
            current_ = static_cast<int>(known->second);
            // The server starts the unit's month again: the first block's month-long order and
            // these orders are dropped, the rest kept.
            std::erase_if(units_[known->second].orders, [this](const TurnOrder& order) {
                switch (order.keyword) {
                    case Keyword::Cast: case Keyword::Attack: case Keyword::Steal: case Keyword::Enter:
                    case Keyword::Promote: case Keyword::Tax: return true;
                    default: return IsMonthLong(order.keyword, rules_);
                }
            });
            return;
        }
        UnitOrders unit;
        unit.number = number;
        unit.line = line;
        current_ = static_cast<int>(units_.size());
        units_.push_back(std::move(unit));
    }

    void Form(int32_t line) {
        if (current_ < 0 || forming_ || in_turn_) return;
        const auto alias = tokens_.size() > 1 ? OrderNumber(tokens_[1].text) : std::nullopt;
        const UnitOrders& parent = units_[static_cast<std::size_t>(current_)];
        if (!alias || *alias <= 0 || parent.number == 0) {
            current_ = -1;  // the server drops the block's orders with the bad FORM
            return;
        }
        UnitOrders formed;
        formed.alias = *alias;
        formed.formed_by = parent.number;
        formed.line = line;
        parent_ = current_;
        forming_ = true;
        current_ = static_cast<int>(units_.size());
        units_.push_back(std::move(formed));
    }

    RuleSet rules_;
    std::vector<OrderToken> tokens_;
    std::vector<UnitOrders> units_;
    std::unordered_map<int32_t, std::size_t> selected_;  // units named by UNIT, by number
    int current_ = -1;
    int parent_ = -1;
    int faction_ = -1;  // the entry of the faction's own orders
    bool in_block_ = false;
    bool forming_ = false;
    bool in_turn_ = false;
};

}  // namespace

std::vector<UnitOrders> ReadTurnOrders(std::string_view text, RuleSet rules, LineEnds line_ends) {
    OrdersReader reader(rules);
    ForEachOrderLine(text, line_ends, [&reader](const OrderLine& line) { reader.Line(line); });
    return reader.Take();
}

std::vector<UnitOrders> ReadOneUnitOrders(std::string_view text, int32_t unit, RuleSet rules) {
    OrdersReader reader(rules);
    reader.SelectUnit(unit);
    ForEachOrderLine(text, LineEnds::Stored, [&reader](const OrderLine& line) { reader.Line(line); });
    return reader.Take();
}

}  // namespace hexwarden
