#pragma once

#include "windows/basic_window.h"

namespace hexwarden {

class InformationWindows;
class TVelMain;

// An information window on one record, which it knows by key only. It fills itself from the
// database when opened and after every change of the records, and writes what the user typed back
// when it loses the focus, when it closes and before the records change; the registries announce
// what that changed.
class TfrmRecordWindow : public TfrmTBasic {
    Q_OBJECT
public:
    explicit TfrmRecordWindow(InformationWindows& windows);

    // Fills the window from its record; false when the database no longer holds it.
    virtual bool Refill() = 0;
    // Puts what the user typed into the record, when it is still there; true when that changed it.
    virtual bool WriteBack() { return false; }
    // The window's entry in the Windows menu.
    virtual QString MenuCaption() const = 0;

protected:
    InformationWindows& Windows() const { return windows_; }
    TVelMain& Main() const;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void reject() override;

private:
    InformationWindows& windows_;
};

}  // namespace hexwarden
