#pragma once

#include <QString>
#include <cstdint>

#include "model/record_keys.h"
#include "windows/colour_swatch.h"
#include "windows/record_window.h"

class QLabel;
class QLineEdit;

namespace hexwarden {

class TTreeList;

// One faction: its e-mail address and map colour, which the player may change, the player's
// attitude towards it and every unit of it that the database knows.
class TfrmFaction : public TfrmRecordWindow {
    Q_OBJECT
public:
    TfrmFaction(InformationWindows& windows, const FactionKey& key);

    const FactionKey& RecordKey() const { return key_; }
    bool Refill() override;
    bool WriteBack() override;
    QString MenuCaption() const override { return caption_; }

    // Opens the colour picker on the swatch's colour; the swatch takes what the user accepts.
    void PickColour();

private:
    FactionKey key_;
    QString caption_;
    QLineEdit* edEmail_;
    QLabel* lblAttitude_;
    TColourSwatch* swatch_;
    TTreeList* lstUnits_;
    // As filled, so that only what the user changed is written back: a record changed elsewhere
    // meanwhile keeps what it was given.
    QString filled_email_;
    uint32_t filled_colour_ = 0;
};

}  // namespace hexwarden
