#include "windows/month_text.h"

#include <algorithm>
#include <string>

#include "qt_surface/qt_text.h"
#include "turn/game_tables.h"
#include "windows/list_rows.h"

namespace hexwarden {
namespace {

const QString kArrow = QStringLiteral(" \u2192 ");
const QString kDownShaft = QStringLiteral("down the shaft, to a level no report links");

QString Change(const QString& today, const QString& after) { return today == after ? after : today + kArrow + after; }

QString SkillText(const SkillState* skill) {
    return skill != nullptr ? QStringLiteral("%1 (%2)").arg(skill->level).arg(skill->days) : QStringLiteral("none");
}

// Every code of either stock, in code order, with the amount today and after.
template <typename Visit>
void ForEachCode(const Stock& today, const Stock& after, Visit&& visit) {
    std::vector<std::string> codes;
    for (const auto& entry : today) codes.push_back(entry.first);
    for (const auto& entry : after) codes.push_back(entry.first);
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    for (const std::string& code : codes) visit(ToQString(code), today.Count(code), after.Count(code));
}

// Skills as the unit learnt them, then those it forgets.
template <typename Visit>
void ForEachSkill(const UnitState& today, const UnitState& after, Visit&& visit) {
    for (const auto& [code, skill] : after.skills) visit(ToQString(code), today.Skill(code), &skill);
    for (const auto& [code, skill] : today.skills)
        if (after.Skill(code) == nullptr) visit(ToQString(code), &skill, nullptr);
}

QString StructureText(int32_t structure) {
    return structure == 0 ? QStringLiteral("in the open") : QString::number(structure);
}

ListRow TextRow(const QString& what, const QString& value, std::vector<ListRow> children = {}) {
    return {{}, {TextCell(what), TextCell(value)}, std::move(children)};
}

}  // namespace

QString PreviewPlaceText(const Place& place) {
    QString text = QStringLiteral("%1,%2").arg(place.X).arg(place.Y);
    if (!place.Where.IsSurface()) text += QLatin1Char(' ') + ToQString(place.Where.Label());
    return text;
}

QString RouteSummary(const UnitState& unit) {
    if (unit.planned.empty() || (unit.planned.size() < 2 && !unit.down_shaft)) return {};
    QString summary = PreviewPlaceText(unit.planned.front()) + QStringLiteral(" to ") + PreviewPlaceText(unit.planned.back());
    const Place& reached = unit.route.empty() ? unit.planned.front() : unit.route.back();
    if (!unit.stop_reason.empty() || !(reached == unit.planned.back())) {
        summary += QStringLiteral(", stops at ") + PreviewPlaceText(reached);
        if (!unit.stop_reason.empty()) summary += QStringLiteral(": ") + ToQString(unit.stop_reason);
    }
    if (unit.down_shaft) summary += QStringLiteral(", then ") + kDownShaft;
    return summary;
}

QString ProblemText(const TurnProblem& problem) {
    return QString::fromLatin1(ProblemKindWord(problem.kind)) + QStringLiteral(": ") + ToQString(problem.message);
}

QString UncertainReasons(const UnitState& unit) {
    QStringList reasons;
    for (const std::string& why : unit.why_uncertain) reasons << ToQString(why);
    return reasons.join(QStringLiteral("; "));
}

QStringList ChangedValues(const UnitMonth& month) {
    const UnitState& today = month.Today;
    const UnitState& after = month.After;
    QStringList changes;
    if (!(today.place == after.place))
        changes << QStringLiteral("place ") + PreviewPlaceText(today.place) + kArrow + PreviewPlaceText(after.place);
    if (today.structure != after.structure)
        changes << QStringLiteral("structure ") + StructureText(today.structure) + kArrow + StructureText(after.structure);
    const auto stock = [&changes](const QString& code, int64_t before, int64_t now) {
        if (before != now) changes << code + QLatin1Char(' ') + QString::number(before) + kArrow + QString::number(now);
    };
    ForEachCode(today.men, after.men, stock);
    ForEachCode(today.items, after.items, stock);
    ForEachSkill(today, after, [&changes](const QString& code, const SkillState* before, const SkillState* now) {
        const QString was = SkillText(before);
        const QString is = SkillText(now);
        if (was != is) changes << code + QLatin1Char(' ') + was + kArrow + is;
    });
    return changes;
}

namespace {

// "wanted GRAI 20 → 15", "for sale LEAD unlimited, 3 bought": what the units leave in the markets.
QStringList MarketsAfter(const std::vector<MarketTrade>& markets, const Place& hex) {
    QStringList texts;
    for (const MarketTrade& trade : markets) {
        if (!(trade.place == hex)) continue;
        QString text = (trade.wanted ? QStringLiteral("wanted ") : QStringLiteral("for sale ")) + ToQString(trade.code) + QLatin1Char(' ');
        if (trade.unlimited)
            text += QStringLiteral("unlimited, %1 %2").arg(trade.traded).arg(trade.wanted ? QStringLiteral("sold") : QStringLiteral("bought"));
        else
            text += Change(QString::number(trade.before), QString::number(trade.before - trade.traded));
        texts << text;
    }
    return texts;
}

}  // namespace

QString HexMonthText(const std::vector<UnitMonth>& units, const std::vector<MarketTrade>& markets, const Place& hex, RuleSet rules) {
    int64_t silver_now = 0;
    int64_t silver_after = 0;
    int64_t upkeep = 0;
    QStringList arriving;
    QStringList leaving;
    bool any = false;
    for (const UnitMonth& month : units) {
        const bool here_now = month.Today.place == hex && month.After.number != 0;
        const bool here_after = month.After.place == hex && !month.After.men.Empty();
        any = any || here_now || here_after;
        const QString name = NumberedName(month.After.number != 0 ? month.After.number : month.Unit, month.Name);
        if (here_now) silver_now += month.Today.items.Count("SILV");
        if (here_after) {
            silver_after += month.After.items.Count("SILV");
            const int64_t leaders = month.After.men.Count("LEAD");
            upkeep += leaders * UpkeepPerMan(true, rules) + (month.After.Men() - leaders) * UpkeepPerMan(false, rules);
        }
        if (here_after && !(month.Today.place == hex)) arriving << name + QStringLiteral(" from ") + PreviewPlaceText(month.Today.place);
        if (here_now && !(month.After.place == hex)) leaving << name + QStringLiteral(" to ") + PreviewPlaceText(month.After.place);
    }
    if (!any) return QStringLiteral("no own units");
    QString text = QStringLiteral("own silver ") + Change(QString::number(silver_now), QString::number(silver_after)) +
                   QStringLiteral(", upkeep %1").arg(upkeep);
    if (!arriving.isEmpty()) text += QStringLiteral("; arriving: ") + arriving.join(QStringLiteral(", "));
    if (!leaving.isEmpty()) text += QStringLiteral("; leaving: ") + leaving.join(QStringLiteral(", "));
    const QStringList traded = MarketsAfter(markets, hex);
    if (!traded.isEmpty()) text += QStringLiteral("; markets after trading: ") + traded.join(QStringLiteral(", "));
    return text;
}

std::vector<ListRow> NextMonthRows(const UnitMonth& month) {
    const UnitState& today = month.Today;
    const UnitState& after = month.After;
    std::vector<ListRow> rows;
    rows.push_back(TextRow(QStringLiteral("Place"), Change(PreviewPlaceText(today.place), PreviewPlaceText(after.place))));
    rows.push_back(TextRow(QStringLiteral("Structure"), Change(StructureText(today.structure), StructureText(after.structure))));
    const auto stock = [&rows](const QString& kind) {
        return [&rows, kind](const QString& code, int64_t before, int64_t now) {
            rows.push_back(TextRow(kind + QLatin1Char(' ') + code, Change(QString::number(before), QString::number(now))));
        };
    };
    ForEachCode(today.men, after.men, stock(QStringLiteral("Men")));
    ForEachCode(today.items, after.items, stock(QStringLiteral("Item")));
    ForEachSkill(today, after, [&rows](const QString& code, const SkillState* before, const SkillState* now) {
        rows.push_back(TextRow(QStringLiteral("Skill ") + code, Change(SkillText(before), SkillText(now))));
    });

    const QString summary = RouteSummary(after);
    if (!summary.isEmpty()) {
        std::vector<ListRow> steps;
        for (size_t step = 0; step < after.planned.size(); ++step) {
            const Place& place = after.planned[step];
            QString note = step == 0 ? QStringLiteral("start") : QString();
            if (step > 0 && step + 1 == after.route.size() && step + 1 < after.planned.size()) note = QStringLiteral("stops here");
            else if (step >= after.route.size()) note = QStringLiteral("not reached");
            else if (step > 0 && step + 1 == after.planned.size()) note = QStringLiteral("arrives");
            steps.push_back(TextRow(QStringLiteral("Step %1").arg(step), PreviewPlaceText(place) +
                                                                              (note.isEmpty() ? QString() : QStringLiteral(", ") + note)));
        }
        if (after.down_shaft) steps.push_back(TextRow(QStringLiteral("Step %1").arg(after.planned.size()), kDownShaft));
        rows.push_back(TextRow(QStringLiteral("Route"), summary, std::move(steps)));
    }
    for (const TurnProblem& problem : month.Problems) {
        rows.push_back(TextRow(QStringLiteral("Line %1").arg(problem.line), ProblemText(problem)));
    }
    if (!after.certain) rows.push_back(TextRow(QStringLiteral("Uncertain"), QStringLiteral("uncertain: ") + UncertainReasons(after)));
    // The rows read as a sentence, place first and problems last, and sort back into that order.
    for (size_t row = 0; row < rows.size(); ++row) {
        rows[row].Cells[0].Order = {static_cast<int64_t>(row), 0};
        for (size_t step = 0; step < rows[row].Children.size(); ++step)
            rows[row].Children[step].Cells[0].Order = {static_cast<int64_t>(step), 0};
    }
    return rows;
}

}  // namespace hexwarden
