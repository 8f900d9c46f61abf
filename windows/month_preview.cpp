#include "windows/month_preview.h"

#include <exception>

#include "model/database.h"
#include "orders/orders_database.h"
#include "windows/records_notice.h"

namespace hexwarden {

TMonthPreview::TMonthPreview(const TVelMain& main, TRecordsNotice& notice, QObject* parent)
    : QObject(parent), main_(main), notice_(notice) {
    // Typing waits for the unit windows' own pause; what is left is letting the calls settle.
    delay_.setSingleShot(true);
    delay_.setInterval(0);
    connect(&delay_, &QTimer::timeout, this, &TMonthPreview::RunNow);
    connect(&notice_, &TRecordsNotice::RecordsAboutToChange, this, [this] {
        delay_.stop();
        preview_.reset();
        orders_.clear();
    });
    // After a change, and after open windows wrote back (the orders file is about to be written):
    // the month is run again from the stored orders.
    const auto again = [this] {
        preview_.reset();
        delay_.start();
    };
    connect(&notice_, &TRecordsNotice::RecordsChanged, this, again);
    connect(&notice_, &TRecordsNotice::EditsWanted, this, again);
}

TMonthPreview::~TMonthPreview() = default;

void TMonthPreview::SetUnitOrders(int32_t unit, const std::string& stored_text) {
    if (notice_.Changing()) return;
    if (!preview_) {
        Rebuild();
        delay_.start();
    }
    const auto held = orders_.find(unit);
    if (!preview_ || held == orders_.end() || held->second == stored_text) return;
    held->second = stored_text;
    selected_ = unit;
    preview_->SetUnitOrders(unit, stored_text);
    stale_ = true;
    delay_.start();
}

void TMonthPreview::Rebuild() {
    orders_.clear();
    TurnOptions options;
    options.rules = RuleSetOf(main_);
    preview_ = std::make_unique<TurnPreview>(main_, options);
    // One unit at a time, so every problem's line is one of its unit's orders as its window shows them.
    for (const TVelUnit* unit : main_.OwnUnits) {
        if (unit == nullptr || !orders_.emplace(unit->Number, unit->Orders).second) continue;
        preview_->SetUnitOrders(unit->Number, unit->Orders);
    }
    stale_ = true;
}

void TMonthPreview::RunNow() {
    delay_.stop();
    // The change's end runs it again.
    if (notice_.Changing()) return;
    if (!preview_) Rebuild();
    if (!stale_) return;
    stale_ = false;
    try {
        failure_.clear();
        Collect(preview_->Run());
    } catch (const std::exception& error) {
        // Hostile orders must not take the program down: the windows say the preview failed.
        failure_ = QStringLiteral("The month could not be previewed: %1").arg(QString::fromStdString(error.what()));
        units_.clear();
        by_number_.clear();
        markets_.clear();
    }
    notice_.AnnouncePreview();
}

void TMonthPreview::Collect(const TurnResult& result) {
    const TurnStart& start = preview_->Start();
    rules_ = result.rules;
    markets_ = result.markets;
    units_.clear();
    by_number_.clear();
    std::unordered_map<int32_t, int32_t> former_of_alias;
    for (const UnitState& after : result.units) {
        UnitMonth month;
        month.After = after;
        if (after.number != 0) {
            month.Unit = after.number;
            const int index = start.IndexOf(after.number);
            if (index >= 0) {
                month.Today = start.Units()[static_cast<size_t>(index)];
                month.Name = start.Records()[static_cast<size_t>(index)]->Name;
            }
            by_number_[after.number] = units_.size();
        } else {
            month.Unit = after.formed_by;
            month.Name = "new unit " + std::to_string(after.alias);
            month.Today.place = after.route.empty() ? after.place : after.route.front();
            former_of_alias[after.alias] = after.formed_by;
        }
        units_.push_back(std::move(month));
    }
    // A unit that gives away all its men is gone after the month: it shows with nothing left.
    for (size_t index = 0; index < start.Units().size(); ++index) {
        const UnitState& today = start.Units()[index];
        if (by_number_.count(today.number) > 0) continue;
        UnitMonth gone{today.number, start.Records()[index]->Name, today, {}, {}};
        gone.After.number = today.number;
        gone.After.place = today.place;
        gone.After.route = {today.place};
        by_number_[today.number] = units_.size();
        units_.push_back(std::move(gone));
    }
    for (const TurnProblem& problem : result.problems) {
        int32_t unit = problem.unit;
        if (unit == 0) {
            const auto former = former_of_alias.find(problem.alias);
            if (former == former_of_alias.end()) continue;
            unit = former->second;
        }
        const auto found = by_number_.find(unit);
        if (found != by_number_.end()) units_[found->second].Problems.push_back(problem);
    }
}

const UnitMonth* TMonthPreview::Unit(int32_t number) const {
    const auto found = by_number_.find(number);
    return found != by_number_.end() ? &units_[found->second] : nullptr;
}

std::vector<MapRoute> TMonthPreview::Routes() const {
    std::vector<MapRoute> routes;
    for (const UnitMonth& month : units_) {
        if (month.After.planned.size() > 1 || month.After.route.size() > 1 || month.After.down_shaft)
            routes.push_back({month.Unit, month.After.route, month.After.planned, month.After.down_shaft});
    }
    return routes;
}

void TMonthPreview::SelectUnit(int32_t unit) {
    if (unit == selected_) return;
    selected_ = unit;
    // Mid-change the change's end runs the month again and announces it.
    if (!notice_.Changing()) notice_.AnnounceRouteUnit();
}

std::vector<TurnProblem> TMonthPreview::ProblemsOf(int32_t number) const {
    const UnitMonth* month = Unit(number);
    return month != nullptr ? month->Problems : std::vector<TurnProblem>{};
}

}  // namespace hexwarden
