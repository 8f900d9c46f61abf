#pragma once

#include "model/record_keys.h"
#include "windows/basic_window.h"

namespace hexwarden {

class InformationWindows;

// Where a unit stood, turn by turn, latest first. Modal; it copies the positions when opened and
// keeps only the unit's number.
class TfrmPosHistory : public TfrmTBasicList {
    Q_OBJECT
public:
    TfrmPosHistory(InformationWindows& windows, const UnitKey& key, QWidget* parent);

    // Shows the history of the unit modally over parent; nothing when the unit is gone.
    static void Execute(InformationWindows& windows, const UnitKey& key, QWidget* parent);

    // Follows the unit on a map.
    void btnTrackClick();

private:
    InformationWindows& windows_;
    UnitKey key_;
};

}  // namespace hexwarden
