#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "map/route_painter.h"
#include "turn/turn_preview.h"

namespace hexwarden {

class TRecordsNotice;
class TVelMain;

// One own unit's month: as it stands today and as the preview ends it, with the problems of its
// orders at the lines of its orders as the unit window shows them (a unit it forms included).
struct UnitMonth {
    int32_t Unit = 0;  // the own unit whose orders these are (a formed unit's former)
    std::string Name;
    UnitState Today;
    UnitState After;
    std::vector<TurnProblem> Problems;
};

// The month ahead of the faction's orders: one for the program, owned by the main window. It runs
// the stored orders, with what open unit windows pass on as the player types, and runs again a
// moment after either changes and after every change of the records. It lets go of the database
// before a change, so it holds no record past one; what it shows are copies. Windows follow it
// through the notice's PreviewChanged, never by asking whether it ran.
class TMonthPreview : public QObject {
    Q_OBJECT
public:
    TMonthPreview(const TVelMain& main, TRecordsNotice& notice, QObject* parent);
    ~TMonthPreview() override;

    // A unit window's orders as the database would store them. When they differ from what the
    // preview holds, it runs again once the calls stop, only the regions that unit's month touches.
    void SetUnitOrders(int32_t unit, const std::string& stored_text);
    // What the timer does: runs now when anything is waiting, then announces the new month.
    void RunNow();

    // Every own unit in position order after the last run; units formed this month follow their former.
    const std::vector<UnitMonth>& Units() const { return units_; }
    const UnitMonth* Unit(int32_t number) const;
    // The markets the faction's units trade in this month.
    const std::vector<MarketTrade>& Markets() const { return markets_; }
    // The problems of one unit's orders (the units it forms included), as the checker gives them.
    std::vector<TurnProblem> ProblemsOf(int32_t number) const;
    // Every own unit's planned route, for the maps.
    std::vector<MapRoute> Routes() const;
    // The unit the player works on (its window active, its orders typed): the maps always draw its route.
    void SelectUnit(int32_t unit);
    int32_t SelectedUnit() const { return selected_; }
    RuleSet Rules() const { return rules_; }
    // Why the last run gave nothing, or empty.
    const QString& Failure() const { return failure_; }

private:
    void Rebuild();
    void Collect(const TurnResult& result);

    const TVelMain& main_;
    TRecordsNotice& notice_;
    std::unique_ptr<TurnPreview> preview_;  // null from before a change until the next run
    std::unordered_map<int32_t, std::string> orders_;  // what the preview holds, by unit
    bool stale_ = true;  // the orders changed since the last run
    QTimer delay_;
    std::vector<UnitMonth> units_;
    std::unordered_map<int32_t, size_t> by_number_;
    std::vector<MarketTrade> markets_;
    QString failure_;
    int32_t selected_ = 0;
    RuleSet rules_ = RuleSet::Standard;
};

}  // namespace hexwarden
