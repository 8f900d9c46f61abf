// preview: the month ahead, each own unit as the next report should show it, and the problems.
#include <algorithm>
#include <iostream>
#include <sstream>

#include "cli/commands.h"
#include "cli/database_file.h"
#include "cli/json_text.h"
#include "cli/orders_input.h"
#include "model/database.h"
#include "orders/order_checker.h"
#include "turn/turn_preview.h"

namespace hexwarden::cli {

namespace {

std::string PlaceText(const Place& place) {
    std::string text = "(" + std::to_string(place.X) + "," + std::to_string(place.Y);
    if (!place.Where.IsSurface()) text += "," + place.Where.Label();
    return text + ")";
}

std::string UnitTitle(const UnitState& unit) {
    if (unit.number != 0) return "Unit " + std::to_string(unit.number);
    return "New unit " + std::to_string(unit.alias) + " (formed by " + std::to_string(unit.formed_by) + ")";
}

std::string ProblemUnit(const TurnProblem& problem) {
    return problem.unit != 0 ? "Unit " + std::to_string(problem.unit) : "New unit " + std::to_string(problem.alias);
}

// "NOMA 10 -> 12" for every code whose amount changes.
void StockChanges(std::ostream& out, std::string_view what, const Stock& before, const Stock& after) {
    std::vector<std::string> codes;
    for (const auto& entry : before) codes.push_back(entry.first);
    for (const auto& entry : after) codes.push_back(entry.first);
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    std::string changes;
    for (const std::string& code : codes) {
        if (before.Count(code) == after.Count(code)) continue;
        changes += (changes.empty() ? "" : ", ") + code + " " + std::to_string(before.Count(code)) + " -> " +
                   std::to_string(after.Count(code));
    }
    if (!changes.empty()) out << "  " << what << ": " << changes << '\n';
}

std::string SkillText(const SkillState* skill) {
    return skill ? std::to_string(skill->level) + " (" + std::to_string(skill->days) + ")" : "none";
}

void PrintUnit(std::ostream& out, const UnitState& after, const UnitState* before) {
    static const UnitState kNobody;
    const UnitState& start = before ? *before : kNobody;
    out << UnitTitle(after) << " in " << PlaceText(after.place) << (after.certain ? "" : " (uncertain)") << '\n';
    if (after.route.size() > 1 || after.down_shaft) {
        std::string route;
        for (const Place& place : after.route) route += (route.empty() ? "" : " ") + PlaceText(place);
        out << "  route: " << route << (after.down_shaft ? " then down the shaft" : "") << '\n';
    }
    if (before && after.structure != before->structure)
        out << "  structure: " << before->structure << " -> " << after.structure << '\n';
    StockChanges(out, "men", start.men, after.men);
    StockChanges(out, "items", start.items, after.items);
    std::string skills;
    for (const auto& [code, skill] : after.skills) {
        const SkillState* old = start.Skill(code);
        if (old && old->level == skill.level && old->days == skill.days) continue;
        skills += (skills.empty() ? "" : ", ") + code + " " + SkillText(old) + " -> " + SkillText(&skill);
    }
    for (const auto& [code, skill] : start.skills)
        if (!after.Skill(code)) skills += (skills.empty() ? "" : ", ") + code + " forgotten";
    if (!skills.empty()) out << "  skills: " << skills << '\n';
    for (const std::string& why : after.why_uncertain) out << "  uncertain: " << Printable(why) << '\n';
}

// "Market in (28,12): wanted LIVE 110 -> 100 at $23", "...: for sale HORS unlimited, 3 bought at $70".
void PrintMarket(std::ostream& out, const MarketTrade& trade) {
    out << "Market in " << PlaceText(trade.place) << ": " << (trade.wanted ? "wanted " : "for sale ") << trade.code << ' ';
    if (trade.unlimited) out << "unlimited, " << trade.traded << (trade.wanted ? " sold" : " bought");
    else out << trade.before << " -> " << trade.before - trade.traded;
    out << " at $" << trade.price << '\n';
}

void PrintJson(std::ostream& out, const TurnResult& result) {
    out << "{\"rules\": " << JsonString(RuleSetName(result.rules)) << ",\n \"units\": [";
    const auto stock = [&out](const Stock& amounts) {
        out << '{';
        bool first = true;
        for (const auto& [code, count] : amounts) {
            if (count <= 0) continue;
            out << (first ? "" : ", ") << JsonString(code) << ": " << count;
            first = false;
        }
        out << '}';
    };
    bool first_unit = true;
    for (const UnitState& unit : result.units) {
        out << (first_unit ? "\n  " : ",\n  ");
        first_unit = false;
        out << "{\"number\": " << (unit.number ? std::to_string(unit.number) : "null")
            << ", \"alias\": " << (unit.alias ? std::to_string(unit.alias) : "null")
            << ", \"formed_by\": " << (unit.formed_by ? std::to_string(unit.formed_by) : "null")
            << ", \"certain\": " << (unit.certain ? "true" : "false") << ", \"why_uncertain\": [";
        for (std::size_t i = 0; i < unit.why_uncertain.size(); ++i) out << (i ? ", " : "") << JsonString(unit.why_uncertain[i]);
        out << "], \"x\": " << unit.place.X << ", \"y\": " << unit.place.Y << ", \"level\": " << JsonString(unit.place.Where.Label())
            << ", \"structure\": " << unit.structure << ", \"men\": ";
        stock(unit.men);
        out << ", \"items\": ";
        stock(unit.items);
        out << ", \"skills\": {";
        for (std::size_t i = 0; i < unit.skills.size(); ++i) {
            const auto& [code, skill] = unit.skills[i];
            out << (i ? ", " : "") << JsonString(code) << ": [" << skill.level << ", " << skill.days << "]";
        }
        out << "}, \"route\": [";
        for (std::size_t i = 0; i < unit.route.size(); ++i) {
            const Place& place = unit.route[i];
            out << (i ? ", " : "") << "[" << place.X << ", " << place.Y << ", " << JsonString(place.Where.Label()) << "]";
        }
        out << "], \"down_shaft\": " << (unit.down_shaft ? "true" : "false") << "}";
    }
    out << "],\n \"markets\": [";
    for (std::size_t i = 0; i < result.markets.size(); ++i) {
        const MarketTrade& trade = result.markets[i];
        out << (i ? ",\n  " : "\n  ") << "{\"x\": " << trade.place.X << ", \"y\": " << trade.place.Y
            << ", \"level\": " << JsonString(trade.place.Where.Label()) << ", \"code\": " << JsonString(trade.code)
            << ", \"wanted\": " << (trade.wanted ? "true" : "false") << ", \"price\": " << trade.price
            << ", \"before\": " << trade.before << ", \"traded\": " << trade.traded
            << ", \"unlimited\": " << (trade.unlimited ? "true" : "false") << "}";
    }
    out << "],\n \"problems\": [";
    for (std::size_t i = 0; i < result.problems.size(); ++i) {
        const TurnProblem& problem = result.problems[i];
        out << (i ? ",\n  " : "\n  ") << "{\"line\": " << problem.line
            << ", \"unit\": " << (problem.unit ? std::to_string(problem.unit) : "null")
            << ", \"kind\": " << JsonString(ProblemKindWord(problem.kind)) << ", \"message\": " << JsonString(problem.message)
            << "}";
    }
    out << "]}\n";
}

// The server's own verdicts on the orders text come first in each line: an order it rejects
// never runs. Its warnings are guesses from the database, which the month's run replaces.
void AddRejectedOrders(TurnResult& result, const std::vector<Problem>& checked, const std::vector<UnitOrders>& orders) {
    std::vector<std::pair<int32_t, const UnitOrders*>> blocks;
    for (const UnitOrders& unit : orders) blocks.emplace_back(unit.line, &unit);
    std::sort(blocks.begin(), blocks.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const Problem& problem : checked) {
        if (problem.severity != Severity::Error) continue;
        TurnProblem found{problem.line, 0, 0, ProblemKind::Error, problem.message};
        const auto block = std::upper_bound(blocks.begin(), blocks.end(), problem.line,
                                            [](int32_t line, const auto& entry) { return line < entry.first; });
        if (block != blocks.begin()) {
            found.unit = std::prev(block)->second->number;
            found.alias = std::prev(block)->second->alias;
        }
        result.problems.push_back(std::move(found));
    }
    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const TurnProblem& a, const TurnProblem& b) { return a.line < b.line; });
}

}  // namespace

Command PreviewCommand() {
    Command command;
    command.name = "preview";
    command.summary = "run the month's orders and predict the next report's own units";
    command.usage =
        "Usage: hexwarden-cli preview --db FILE [--rules standard|new] [--json] [ORDERS]\n"
        "Runs the orders file ORDERS, or without it the orders of the own units as the orders command\n"
        "writes them, through one month as the game does, and prints what changes for each own unit\n"
        "(place and route, men, items, skills) and what is uncertain, what the units' trades leave in\n"
        "the markets, then the problems the month\n"
        "brings: FILE:LINE:1: error|warning|uncertain: UNIT: MESSAGE. --json prints one JSON object\n"
        "instead. The rule set is the one of the database's reports unless --rules says.\n"
        "Exit status: 0 without errors, 1 with errors or a file that cannot be read, 2 for wrong usage.\n";
    command.run = [usage = command.usage](const std::vector<std::string>& words) {
        auto arguments = ParseCommandLine(words, usage, {"db", "rules"}, {"json"});
        if (!arguments) return 0;
        const std::string file = arguments->Required("db");
        const auto& operands = arguments->Operands(0, 1);
        TVelMain& database = CommandDatabase();
        const RuleSet rules = OpenOrdersDatabase(*arguments, database);
        const OrdersInput input = ReadOrdersInput(database, file, operands);

        TurnOptions options;
        options.rules = rules;
        TurnPreview preview(database, options);
        preview.SetOrders(input.text);
        TurnResult result = preview.Run();  // a copy: the server's verdicts are added
        AddRejectedOrders(result, CheckOrdersFile(input.text, {rules}, &database), ReadTurnOrders(input.text, rules));

        const auto errors = std::count_if(result.problems.begin(), result.problems.end(),
                                          [](const TurnProblem& problem) { return problem.kind == ProblemKind::Error; });
        if (arguments->Has("json")) {
            PrintJson(std::cout, result);
            return errors == 0 ? 0 : 1;
        }
        for (const UnitState& unit : result.units) {
            const int index = unit.number ? preview.Start().IndexOf(unit.number) : -1;
            PrintUnit(std::cout, unit, index >= 0 ? &preview.Start().Units()[static_cast<std::size_t>(index)] : nullptr);
        }
        for (const MarketTrade& trade : result.markets) PrintMarket(std::cout, trade);
        for (const TurnProblem& problem : result.problems) {
            std::cout << Printable(input.label) << ':' << problem.line << ":1: " << ProblemKindWord(problem.kind) << ": "
                      << ProblemUnit(problem) << ": " << Printable(problem.message) << '\n';
        }
        std::cout << "Unclaimed silver: " << preview.Start().Unclaimed() << " -> " << result.unclaimed << '\n';
        const auto uncertain = std::count_if(result.units.begin(), result.units.end(), [](const UnitState& unit) { return !unit.certain; });
        std::cout << Counted(static_cast<int>(errors), "error") << ", " << Counted(static_cast<int>(uncertain), "uncertain unit")
                  << " of " << result.units.size() << " (" << RuleSetName(rules) << " rules).\n";
        return errors == 0 ? 0 : 1;
    };
    return command;
}

}  // namespace hexwarden::cli
