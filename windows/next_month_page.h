#pragma once

#include <QWidget>

class QLabel;

namespace hexwarden {

struct UnitMonth;
class TTreeList;

// The unit window's "Next Month" page: the unit after the previewed month, each changed value
// beside its value today, the route step by step, the problems and what is uncertain. The route's
// summary is a label of its own, so screen readers read it with the page.
class TNextMonthPage : public QWidget {
    Q_OBJECT
public:
    explicit TNextMonthPage(QWidget* parent = nullptr);

    // The unit's month, or why there is none (no own unit, the preview failed).
    void Show(const UnitMonth& month);
    void ShowNone(const QString& why);

    TTreeList& lstNextMonth() const { return *lstNextMonth_; }
    QLabel& lblRoute() const { return *lblRoute_; }

private:
    TTreeList* lstNextMonth_;
    QLabel* lblRoute_;
};

}  // namespace hexwarden
