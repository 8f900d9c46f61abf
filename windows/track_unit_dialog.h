#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hexwarden {

class TVelMain;
struct MapViewOptions;

// Picks a unit from a list of every unit, over the given window: its number, or nothing.
using UnitPicker = std::function<std::optional<int32_t>(QWidget* parent)>;

// "Track Unit": which unit's movement a map window draws, over how many recent turns, and whether
// the track is switched off.
class TfrmTrackUnit : public QDialog {
    Q_OBJECT
public:
    // Without a picker the "..." button is disabled.
    TfrmTrackUnit(QWidget* owner, const TVelMain& main, UnitPicker pick_unit = {});

    // Runs the dialog on the track of `options`, proposing `unit` instead of the tracked one when
    // given; true, with the track changed, when accepted.
    static bool Execute(QWidget* owner, const TVelMain& main, MapViewOptions& options,
                        std::optional<int32_t> unit = std::nullopt, UnitPicker pick_unit = {});

    void ShowTrack(const MapViewOptions& options);
    // The unit (0 when none or no longer known), the turn count (-1 for all turns) and the switch.
    void StoreTrack(MapViewOptions& options) const;
    // The unit shown in the unit field, 0 for none.
    void ShowUnit(int32_t number);

private:
    void btnSelectUnitClick();
    void UpdateTurnsEnabled();

    const TVelMain& main_;
    UnitPicker pick_unit_;
    int32_t unit_number_ = 0;
    QLabel* lblUnit = nullptr;
    QPushButton* btnSelectUnit = nullptr;
    QCheckBox* chkAllTurns = nullptr;
    QLabel* lblLast = nullptr;
    QLineEdit* edTurns = nullptr;
    QLabel* lblTurns = nullptr;
    QCheckBox* chkDisableTracking = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
};

}  // namespace hexwarden
