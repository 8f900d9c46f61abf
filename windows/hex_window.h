#pragma once

#include <QString>

#include "model/record_keys.h"
#include "windows/record_window.h"

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;

namespace hexwarden {

class TVelHex;
class TTreeList;

// Everything known of one hex: population and economy, markets, structures with the units inside,
// all units present, and the player's note on the hex.
class TfrmHexInfo : public TfrmRecordWindow {
    Q_OBJECT
public:
    TfrmHexInfo(InformationWindows& windows, const HexKey& key);

    const HexKey& RecordKey() const { return key_; }
    bool Refill() override;
    bool WriteBack() override;
    QString MenuCaption() const override { return menu_caption_; }

    TTreeList& lstWanted() const { return *lstWanted_; }
    TTreeList& lstForSale() const { return *lstForSale_; }
    TTreeList& lstProducts() const { return *lstProducts_; }
    TTreeList& lstStructures() const { return *lstStructures_; }
    TTreeList& lstUnits() const { return *lstUnits_; }
    QPlainTextEdit& edNotes() const { return *edNotes_; }
    QLabel& lblNextMonth() const { return *lblNextMonth_; }
    QAction& mnuShowMyUnits() const { return *mnuShowMyUnits_; }

    void mnuViewStructureClick();
    void mnuStructureViewUnitClick();

private:
    QWidget* BuildUpperPanel();
    QWidget* BuildLowerPanel();
    void FillUnits(const TVelHex& hex);
    void FillStructures(const TVelHex& hex);
    // What the previewed month brings to the own units here.
    void FillNextMonth();

    HexKey key_;
    QString menu_caption_;
    // The note as filled, so that only a change is written back.
    QString filled_notes_;

    QLabel* lblPeasants_ = nullptr;
    QLabel* lblTaxBase_ = nullptr;
    QLabel* lblEntertainment_ = nullptr;
    QLabel* lblLastReport_ = nullptr;
    QLabel* lblWages_ = nullptr;
    QLabel* lblMaxWages_ = nullptr;
    QLabel* lblNextMonth_ = nullptr;
    QGroupBox* grpGate_ = nullptr;
    QLabel* lblGate_ = nullptr;
    QPlainTextEdit* edNotes_ = nullptr;
    TTreeList* lstWanted_ = nullptr;
    TTreeList* lstForSale_ = nullptr;
    TTreeList* lstProducts_ = nullptr;
    TTreeList* lstStructures_ = nullptr;
    TTreeList* lstUnits_ = nullptr;
    QAction* mnuShowMyUnits_ = nullptr;
    QMenu* pmStructures_ = nullptr;
    QAction* mnuStructureViewUnit_ = nullptr;
    QAction* mnuViewStructure_ = nullptr;
};

// The hex as the Windows menu and the hex window's caption name it.
QString HexMenuCaption(const TVelHex& hex);
QString HexWindowCaption(const TVelHex& hex);

}  // namespace hexwarden
