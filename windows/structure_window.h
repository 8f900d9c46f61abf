#pragma once

#include <QString>
#include <cstdint>

#include "model/record_keys.h"
#include "windows/record_window.h"

class QAction;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace hexwarden {

class TTreeList;

// One structure: its owner, type, the work it still needs, its description and the units inside.
class TfrmStructure : public TfrmRecordWindow {
    Q_OBJECT
public:
    TfrmStructure(InformationWindows& windows, const StructureKey& key);

    const StructureKey& RecordKey() const { return key_; }
    bool Refill() override;
    QString MenuCaption() const override { return caption_; }

private:
    void FillUnits();

    StructureKey key_;
    QString caption_;
    // The faction of the first unit inside as filled, -1 when empty.
    int32_t owner_ = -1;
    QPushButton* btnOwner_;
    QLabel* lblOwner_;
    QLabel* lblType_;
    QLabel* lblNeedsCaption_;
    QLabel* lblNeeds_;
    QPlainTextEdit* edDescription_;
    TTreeList* lstUnits_;
    QAction* mnuShowMyUnits_;
};

}  // namespace hexwarden
