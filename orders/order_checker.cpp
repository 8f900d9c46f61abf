#include "orders/order_checker.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <tuple>

#include "model/unit.h"
#include "orders/order_context.h"
#include "orders/orders_header.h"

namespace hexwarden {

namespace {

constexpr std::string_view kNoUnit = "Order given without a unit selected.";

// Aliases formed so far, looked up without scanning: a hostile file may form thousands.
class FormedAliases {
public:
    // Formed by that unit already (0, a unit being formed, never counts).
    bool FormedBy(int32_t parent, int32_t alias) const { return parent != 0 && by_unit_.count({parent, alias}) != 0; }
    bool FormedAt(const UnitPlace& place, int32_t alias) const { return at_place_.count(Key(place, alias)) != 0; }
    // Formed where the place is unknown, or anywhere when the use's place is unknown.
    bool Matches(int32_t alias, const std::optional<UnitPlace>& place) const {
        if (anywhere_.count(alias) != 0) return true;
        return place ? FormedAt(*place, alias) : any_place_.count(alias) != 0;
    }
    void Add(int32_t parent, int32_t alias, const std::optional<UnitPlace>& place) {
        if (parent != 0) by_unit_.insert({parent, alias});
        if (place) {
            at_place_.insert(Key(*place, alias));
            any_place_.insert(alias);
        } else {
            anywhere_.insert(alias);
        }
    }

private:
    using PlaceKey = std::tuple<int32_t, int32_t, Level, int32_t>;
    static PlaceKey Key(const UnitPlace& place, int32_t alias) { return {place.at.X, place.at.Y, place.at.Where, alias}; }
    std::set<std::pair<int32_t, int32_t>> by_unit_;
    std::set<PlaceKey> at_place_;
    std::set<int32_t> any_place_;
    std::set<int32_t> anywhere_;
};

// What a later UNIT block for the same unit drops; its lists of goods to give, buy and sell stay.
bool DroppedByALaterBlock(Keyword keyword, RuleSet rules) {
    switch (keyword) {
        case Keyword::Cast: case Keyword::Attack: case Keyword::Steal: case Keyword::Assassinate: case Keyword::Enter:
        case Keyword::Promote: case Keyword::Tax: case Keyword::Pillage:
            return true;
        default:
            return IsMonthLong(keyword, rules);
    }
}

// Where a line stands relative to the faction blocks.
enum class Block {
    Outside,     // before the first header or after #end: the server's own checker still reads the words
    Open,        // after a usable header
    Ignored,     // after a header whose faction number the server cannot use: nothing is read
    Unnumbered,  // after a header without a faction number: only TURN and ENDTURN are still read
};

// The server's reading of a faction block: the header, UNIT, FORM ... END and TURN ... ENDTURN,
// and every order for the selected unit.
class Checker {
public:
    Checker(const CheckOptions& options, const TVelMain* database, std::vector<Problem>& problems)
        : options_(options),
          tables_(TokenTables::For(options.rules)),
          database_(database ? std::optional<OrdersDatabase>(std::in_place, *database) : std::nullopt),
          problems_(problems),
          context_(tables_, database_ ? &*database_ : nullptr, problems) {
        context_.alias_uses = &alias_uses_;
    }

    // A unit's own orders: the block is open and the unit selected from the start.
    void SelectUnit(int32_t number) {
        block_ = Block::Open;
        check_aliases_ = false;
        unit_ = MakeUnit(number);
    }

    void Line(const OrderLine& line) {
        bool repeating = false;
        SplitOrderLine(line.text, tokens_, repeating);
        line_ = line.number;
        last_line_ = line.number;
        if (line.unterminated) {
            if (!tokens_.empty())
                Error(1, "The last line has no line end, so the server never reads it.");
            return;
        }
        // A line of white space alone is blank to the server, a CR included.
        if (tokens_.empty()) return;
        if (line.carriage_return) {
            Error(static_cast<int32_t>(line.text.size()) + 1,
                  "Carriage return at the line end: the server keeps it in the last word and rejects the line.");
        }
        if (const std::size_t nul = line.text.find('\0');
            nul != std::string_view::npos && line.text.find_first_not_of(std::string_view(" \t\0", 3), nul) != std::string_view::npos) {
            Warning(static_cast<int32_t>(nul) + 1, "The server reads the line only up to this NUL byte.");
        }
        line_text_ = line.text;
        const OrderToken& first = tokens_[0];
        if (!first.quoted && SameName(first.text, kOrdersHeaderWord)) return Header();
        if (!first.quoted && SameName(first.text, "#end")) {
            if (block_ == Block::Open) CloseBlock();
            block_ = Block::Outside;
            return;
        }
        const std::optional<Keyword> keyword = KeywordNamed(first.text, options_.rules);
        if (block_ == Block::Ignored) return;
        if (block_ == Block::Unnumbered && keyword != Keyword::Turn && keyword != Keyword::Endturn) return;
        if (!keyword) return Error(first.column, NotAnOrder(first.text));
        if (block_ == Block::Outside) {
            return Error(first.column, "Orders outside a " + std::string(kOrdersHeaderWord) + " block are ignored.");
        }
        switch (*keyword) {
            case Keyword::Unit: return Unit();
            case Keyword::Form: return Form();
            case Keyword::End: return End();
            case Keyword::Turn: return Turn();
            case Keyword::Endturn: return EndTurn();
            default: break;
        }
        if (!unit_) return Error(first.column, std::string(kNoUnit));
        context_.keyword = *keyword;
        context_.line = line_;
        context_.tokens = &tokens_;
        context_.next = 1;
        context_.end_column = EndColumn();
        context_.unit = &*unit_;
        context_.delayed = in_turn_;
        CheckOrderArguments(context_);
        // A real run stores TURN blocks unread.
        if (unit_->number != 0 && !in_turn_ && DroppedByALaterBlock(*keyword, options_.rules)) dropped_later_.insert(unit_->number);
    }

    void Finish() {
        line_ = last_line_;
        if (block_ == Block::Open) CloseBlock();
        if (!check_aliases_) return;
        for (const AliasUse& use : alias_uses_) {
            if (!formed_.Matches(use.alias, use.place)) {
                problems_.push_back({use.line, use.column, Severity::Warning,
                                     std::string(KeywordText(use.keyword)) + ": No unit is formed as NEW " +
                                         std::to_string(use.alias) + " in this region."});
            }
        }
    }

private:
    void Error(int32_t column, std::string message) {
        problems_.push_back({line_, column, Severity::Error, std::move(message)});
    }
    void Warning(int32_t column, std::string message) {
        problems_.push_back({line_, column, Severity::Warning, std::move(message)});
    }

    // The server names a keyword of the other rule set as it spells its keywords.
    std::string NotAnOrder(std::string_view word) const {
        const RuleSet other = options_.rules == RuleSet::New ? RuleSet::Standard : RuleSet::New;
        const std::optional<Keyword> disabled = KeywordNamed(word, other);
        return std::string(disabled ? KeywordText(*disabled) : word) + " is not a valid order.";
    }

    int32_t EndColumn() const {
        const OrderToken& last = tokens_.back();
        // A quoted word ends past its closing quote.
        return last.column + static_cast<int32_t>(last.text.size()) + (last.quoted ? 2 : 0);
    }

    UnitContext MakeUnit(int32_t number) {
        UnitContext unit;
        unit.number = number;
        if (database_ && number != 0) {
            unit.record = database_->Unit(number);
            if (unit.record) unit.place = database_->PlaceOf(*unit.record);
        }
        return unit;
    }

    void Header() {
        if (block_ == Block::Open) {
            CloseBlock();
            Error(tokens_[0].column, "No #END statement given.");
        }
        unit_.reset();
        const std::string name(kOrdersHeaderWord);
        if (tokens_.size() < 2) {
            block_ = Block::Unnumbered;
            return Error(EndColumn(), "No faction number given on " + name + " line.");
        }
        const OrderToken& faction = tokens_[1];
        const auto number = OrderNumber(faction.text);
        if (!number || *number <= 0) {
            block_ = Block::Ignored;
            return Error(faction.column, "Invalid faction number on " + name + " line: the server ignores the whole block.");
        }
        block_ = Block::Open;
        if (database_ && database_->Faction() != 0 && *number != database_->Faction()) {
            Warning(faction.column, "Faction " + std::to_string(*number) + " is not the faction of the reports (" +
                                        std::to_string(database_->Faction()) + ").");
        }
        if (tokens_.size() < 3) return Warning(EndColumn(), "No password on " + name + " line.");
        if (tokens_.size() > 3) HeaderPasswordCutShort(tokens_[2], tokens_[3]);
    }

    // Words after the password are ignored. Right after a closing quote they mean the password
    // itself held a '"'.
    void HeaderPasswordCutShort(const OrderToken& password, const OrderToken& rest) {
        if (password.quoted && rest.column == password.column + static_cast<int32_t>(password.text.size()) + 2) {
            const std::size_t open = static_cast<std::size_t>(password.column);
            const std::size_t close = line_text_.rfind('"');
            if (const auto problem = HeaderPasswordProblem(line_text_.substr(open, close - open)))
                return Error(password.column, *problem);
        }
        Warning(rest.column, "Only '" + std::string(password.text) + "' is read as the password; the rest of the line is ignored.");
    }

    // UNIT, #end, a new header and the end of the text close what is still open.
    void CloseBlock() {
        if (in_turn_) Error(tokens_.empty() ? 1 : tokens_[0].column, "TURN: without ENDTURN");
        if (parent_) Error(tokens_.empty() ? 1 : tokens_[0].column, "FORM: without END.");
        in_turn_ = false;
        parent_.reset();
    }

    void Unit() {
        CloseBlock();
        unit_.reset();
        if (tokens_.size() < 2) return Error(EndColumn(), "UNIT without unit number.");
        const OrderToken& word = tokens_[1];
        const auto number = OrderNumber(word.text);
        if (!number) return Error(word.column, "Invalid unit number.");
        if (*number <= 0) return Error(word.column, std::string(word.text) + " is not your unit.");
        unit_ = MakeUnit(*number);
        if (database_ && (unit_->record == nullptr || !database_->IsOwn(*unit_->record)))
            Warning(word.column, std::string(word.text) + " is not your unit.");
        if (dropped_later_.erase(*number) != 0) {
            Warning(word.column, "Unit " + std::to_string(*number) +
                                     " had a block before: the server drops its month-long, CAST, ATTACK, STEAL, "
                                     "ASSASSINATE, ENTER, PROMOTE, TAX and PILLAGE orders.");
        }
    }

    void Deselect() {
        unit_.reset();
        parent_.reset();
    }

    void Form() {
        if (!unit_) return Error(tokens_[0].column, std::string(kNoUnit));
        if (parent_) return Error(tokens_[0].column, "FORM: cannot nest.");
        if (tokens_.size() < 2) {
            Error(EndColumn(), "Must give alias in FORM order.");
            return Deselect();
        }
        const OrderToken& word = tokens_[1];
        const auto alias = OrderNumber(word.text);
        if (!alias) {
            Error(word.column, "Must give alias in FORM order.");
            return Deselect();
        }
        if (*alias <= 0) {
            Error(word.column, "Invalid alias in FORM order.");
            return Deselect();
        }
        const std::optional<UnitPlace> place = unit_->place;
        if (formed_.FormedBy(unit_->number, *alias)) {
            Error(word.column, "Alias multiply defined.");
            return Deselect();
        }
        if (place && formed_.FormedAt(*place, *alias)) Warning(word.column, "Alias multiply defined.");
        formed_.Add(unit_->number, *alias, place);
        parent_ = std::move(*unit_);
        unit_ = UnitContext{};
        unit_->alias = *alias;
        unit_->place = place;
    }

    void End() {
        if (!parent_) return Error(tokens_[0].column, "END: without FORM.");
        unit_ = std::move(*parent_);
        parent_.reset();
    }

    void Turn() {
        if (!unit_) return Error(tokens_[0].column, std::string(kNoUnit));
        if (in_turn_) return Error(tokens_[0].column, "TURN: cannot nest");
        in_turn_ = true;
        // Each TURN block is a month of its own.
        unit_->delayed = MonthState{};
    }

    void EndTurn() {
        if (!in_turn_) return Error(tokens_[0].column, "ENDTURN: without TURN.");
        in_turn_ = false;
    }

    const CheckOptions& options_;
    const TokenTables& tables_;
    std::optional<OrdersDatabase> database_;
    std::vector<Problem>& problems_;
    OrderContext context_;
    std::vector<OrderToken> tokens_;
    std::vector<AliasUse> alias_uses_;
    FormedAliases formed_;
    std::set<int32_t> dropped_later_;  // units with orders that another block for them would drop
    std::string_view line_text_;
    int32_t line_ = 0;
    int32_t last_line_ = 0;
    Block block_ = Block::Outside;
    bool check_aliases_ = true;
    bool in_turn_ = false;
    std::optional<UnitContext> unit_;
    std::optional<UnitContext> parent_;  // the forming unit while a FORM is open
};

std::vector<Problem> Check(std::string_view text, const CheckOptions& options, const TVelMain* database,
                           std::optional<int32_t> unit) {
    std::vector<Problem> problems;
    Checker checker(options, database, problems);
    if (unit) checker.SelectUnit(*unit);
    ForEachOrderLine(text, options.line_ends, [&checker](const OrderLine& line) { checker.Line(line); });
    checker.Finish();
    std::stable_sort(problems.begin(), problems.end(),
                     [](const Problem& a, const Problem& b) { return a.line != b.line ? a.line < b.line : a.column < b.column; });
    return problems;
}

}  // namespace

const char* SeverityWord(Severity severity) {
    return severity == Severity::Error ? "error" : "warning";
}

int CountOf(const std::vector<Problem>& problems, Severity severity) {
    return static_cast<int>(std::count_if(problems.begin(), problems.end(),
                                          [severity](const Problem& problem) { return problem.severity == severity; }));
}

std::vector<Problem> CheckOrdersFile(std::string_view text, const CheckOptions& options, const TVelMain* database) {
    return Check(text, options, database, std::nullopt);
}

std::vector<Problem> CheckUnitOrders(std::string_view text, int32_t unit, const CheckOptions& options,
                                     const TVelMain* database) {
    return Check(text, options, database, unit);
}

}  // namespace hexwarden
