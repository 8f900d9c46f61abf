#pragma once

#include <optional>

#include "model/record_keys.h"
#include "windows/basic_window.h"

class QPushButton;

namespace hexwarden {

class InformationWindows;

// Every known faction with its number and map colour, to look at (opening a faction's window) or
// to pick one from. Runs modally.
class TfrmFactionList : public TfrmTBasicList {
    Q_OBJECT
public:
    enum class Mode { Viewing, Selecting };

    TfrmFactionList(InformationWindows& windows, QWidget* parent, Mode mode);

    static void ShowFactions(InformationWindows& windows, QWidget* parent);
    // The chosen faction; nothing when the list was closed without one.
    static std::optional<FactionKey> SelectFaction(InformationWindows& windows, QWidget* parent);

    // Fills the list from the database again.
    void Refill();
    // The faction of the selected row.
    std::optional<FactionKey> Selected() const;

private:
    void ViewSelected();
    void AcceptSelected();

    InformationWindows& windows_;
    Mode mode_;
};

}  // namespace hexwarden
