#pragma once

#include "windows/basic_window.h"

class QLineEdit;

namespace hexwarden {

class InformationWindows;

// "Month Preview": every own unit with what the month ahead changes, its problems and what is
// uncertain, one row each, sortable and filterable. Choosing a row opens the unit's window on its
// "Next Month" page. Follows the preview as it runs again. Runs modally.
class TfrmMonthPreviewReport : public TfrmTBasicList {
    Q_OBJECT
public:
    TfrmMonthPreviewReport(InformationWindows& windows, QWidget* parent);

    static void ShowReport(InformationWindows& windows, QWidget* parent);

    void Refill();
    void OpenSelected();
    QLineEdit& edFilter() const { return *edFilter_; }

private:
    InformationWindows& windows_;
    QLineEdit* edFilter_ = nullptr;
};

}  // namespace hexwarden
