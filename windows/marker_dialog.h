#pragma once

#include <QDialog>
#include <memory>

class QLineEdit;
class QPushButton;
class QComboBox;

namespace hexwarden {

class TVelMapMarker;

// "Create Map Marker": the name, place and level of one marker.
class TfrmEditMarker : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditMarker(QWidget* owner);

    // Shows the marker in a dialog over `owner`; true, with the marker changed, when accepted.
    static bool Edit(QWidget* owner, TVelMapMarker& marker);

    void ShowMarker(const TVelMapMarker& marker);
    // The accepted values: the name trimmed, the coordinates, the level.
    void StoreMarker(TVelMapMarker& marker) const;

private:
    void btnAcceptClick();

    QLineEdit* edName = nullptr;
    QLineEdit* edXCoord = nullptr;
    QLineEdit* edYCoord = nullptr;
    QComboBox* cbLevel = nullptr;
    QPushButton* btnAccept = nullptr;
    QPushButton* btnCancel = nullptr;
};

// A new marker on the overworld at (0, 0), named by the user; null when the dialog is cancelled.
std::unique_ptr<TVelMapMarker> NewMarker(QWidget* owner);

}  // namespace hexwarden
