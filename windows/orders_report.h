#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/record_keys.h"
#include "orders/problem.h"
#include "orders/rule_set.h"
#include "windows/basic_window.h"

namespace hexwarden {

class InformationWindows;
class TVelMain;
class TVelUnit;

// A problem in the stored orders of one unit, at a line of the orders as the unit window shows them.
struct UnitProblem {
    UnitKey Unit;
    std::string Name;
    Problem Found;
};

// The problems in orders for the unit, checked as the orders file will send them. Only the own units
// of the last report are sent; the orders of any other unit (a lost one, another faction's) go
// nowhere and are not checked, so the unit window marks exactly what Check Orders lists.
std::vector<Problem> CheckSentOrders(const TVelMain& main, RuleSet rules, const TVelUnit& unit,
                                     std::string_view orders);

// The problems in the stored orders of every own unit, in the list's order, each unit checked as
// its window checks it.
std::vector<UnitProblem> CheckOwnOrders(const TVelMain& main);

// Every problem in the orders of the own units: unit, line, severity and message. Choosing a row
// opens the unit's window at that line. Runs modally.
class TfrmOrdersReport : public TfrmTBasicList {
    Q_OBJECT
public:
    TfrmOrdersReport(InformationWindows& windows, QWidget* parent);

    // Takes what the open windows hold first. Without problems it says so rather than opening.
    static void ShowReport(InformationWindows& windows, QWidget* parent);

    void Refill();
    void OpenSelected();

private:
    InformationWindows& windows_;
};

}  // namespace hexwarden
