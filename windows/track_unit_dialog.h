#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace hexwarden {

class TVelMain;
struct MapViewOptions;

// "Track Unit": which unit's movement a map window draws, over how many recent turns, and whether
// the track is switched off.
class TfrmTrackUnit : public QDialog {
    Q_OBJECT
public:
    TfrmTrackUnit(QWidget* owner, const TVelMain& main);

    // Runs the dialog on the track of `options`, proposing `unit` instead of the tracked one when
    // given; true, with the track changed, when accepted.
    static bool Execute(QWidget* owner, const TVelMain& main, MapViewOptions& options,
                        std::optional<int32_t> unit = std::nullopt);

    void ShowTrack(const MapViewOptions& options);
    // The unit (0 when none or no longer known), the turn count (-1 for all turns) and the switch.
    void StoreTrack(MapViewOptions& options) const;
    // The unit shown in the unit field, 0 for none.
    void ShowUnit(int32_t number);

private:
    void btnSelectUnitClick();
    void UpdateTurnsEnabled();

    const TVelMain& main_;
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
