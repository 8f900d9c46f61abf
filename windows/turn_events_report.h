#pragma once

#include "windows/basic_window.h"

class QAction;

namespace hexwarden {

class InformationWindows;

// What the last reports said of each unit: one row per unit with events, one child row per line.
// Runs modally.
class TfrmRepTurnEvents : public TfrmTBasicList {
    Q_OBJECT
public:
    TfrmRepTurnEvents(InformationWindows& windows, QWidget* parent);

    static void ShowTurnEvents(InformationWindows& windows, QWidget* parent);

    // Fills the list from the database again; units left open stay open.
    void Refill();
    bool MyUnitsOnly() const;

private:
    InformationWindows& windows_;
    QAction* mnuMyUnitsOnly_;
};

}  // namespace hexwarden
