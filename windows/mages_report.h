#pragma once

#include <vector>

#include "model/record_keys.h"
#include "windows/basic_window.h"

class QAction;
class QLabel;
class QMenu;

namespace hexwarden {

class InformationWindows;
class MageHeadings;

// The player's mages side by side: one row per skill any of them knows, one column per mage with
// its level in that skill. Runs modally.
class TfrmReportMages : public TfrmTBasicList {
    Q_OBJECT
public:
    TfrmReportMages(InformationWindows& windows, QWidget* parent);

    static void ShowMages(InformationWindows& windows, QWidget* parent);

    // Fills the header values, the mage columns and the rows from the database again.
    void Refill();
    // The mage of each mage column in use, in column order.
    const std::vector<UnitKey>& Mages() const { return mages_; }
    // The two heading rows of a column, as shown.
    QString TopHeading(int column) const;
    QString BottomHeading(int column) const;

    // The pop-up menu as it would open over that column, over a row or over the heading.
    void PreparePopup(int column, bool over_row, bool over_heading);

private:
    void ViewMage(int column);
    void ViewSkill();

    InformationWindows& windows_;
    MageHeadings* headings_;
    QLabel* lblFactionPoints_;
    QLabel* lblMages_;
    QLabel* lblMaxMages_;
    QMenu* mnuPopup_;
    QAction* mnuViewMage_;
    QAction* mnuViewSkill_;
    std::vector<UnitKey> mages_;
    int popup_column_ = -1;
};

}  // namespace hexwarden
