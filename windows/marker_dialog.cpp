#include "windows/marker_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QComboBox>

#include "model/map_marker.h"
#include "platform/number_text.h"
#include "platform/text_fields.h"
#include "windows/centre_form.h"
#include "windows/message_boxes.h"
#include "qt_surface/qt_text.h"
#include "windows/level_title.h"

namespace hexwarden {

namespace {

// Offered for every marker, besides the level it stands on.
const std::vector<Level> kSeedLevels = {Level::Surface, Level::Underworld};

// A box that does not hold a decimal number counts as -1, which is refused like any negative
// coordinate.
int32_t Coordinate(const QLineEdit* box) { return ParseDecimalInt(FromQString(box->text())).value_or(-1); }

std::string TrimmedName(const QLineEdit* box) { return std::string(TrimBlanks(FromQString(box->text()))); }

}  // namespace

TfrmEditMarker::TfrmEditMarker(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Create Map Marker"));
    auto* grid = new QGridLayout(this);
    auto add_box = [this, grid](int row, const char* caption, const char* name) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(name));
        auto* label = new QLabel(QString::fromLatin1(caption), this);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        return box;
    };
    edName = add_box(0, "Marker Name", "edName");
    edXCoord = add_box(1, "X-Coordinate", "edXCoord");
    edYCoord = add_box(2, "Y-Coordinate", "edYCoord");

    cbLevel = new QComboBox(this);
    cbLevel->setObjectName(QStringLiteral("cbLevel"));
    cbLevel->setAccessibleName(QStringLiteral("Level"));
    FillLevelChoice(*cbLevel, kSeedLevels, Level::Surface);
    grid->addWidget(cbLevel, 3, 0, 1, 2);

    btnAccept = new QPushButton(QStringLiteral("&Accept"), this);
    btnAccept->setObjectName(QStringLiteral("btnAccept"));
    btnAccept->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(btnAccept);
    buttons->addWidget(btnCancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    connect(btnAccept, &QPushButton::clicked, this, &TfrmEditMarker::btnAcceptClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    resize(223, 163);
}

void TfrmEditMarker::ShowMarker(const TVelMapMarker& marker) {
    edName->setText(ToQString(marker.Text));
    edXCoord->setText(QString::number(marker.X));
    edYCoord->setText(QString::number(marker.Y));
    FillLevelChoice(*cbLevel, kSeedLevels, marker.Where);
}

void TfrmEditMarker::StoreMarker(TVelMapMarker& marker) const {
    marker.Text = TrimmedName(edName);
    marker.X = Coordinate(edXCoord);
    marker.Y = Coordinate(edYCoord);
    marker.Where = LevelOfChoice(*cbLevel, cbLevel->currentIndex());
}

void TfrmEditMarker::btnAcceptClick() {
    if (TrimmedName(edName).empty()) {
        Prompts().ShowError(this, QStringLiteral("Please enter a name for the marker."));
        edName->setFocus();
        return;
    }
    if (Coordinate(edXCoord) < 0 || Coordinate(edYCoord) < 0) {
        Prompts().ShowError(this, QStringLiteral("Invalid coordinates."));
        edXCoord->setFocus();
        return;
    }
    accept();
}

bool TfrmEditMarker::Edit(QWidget* owner, TVelMapMarker& marker) {
    TfrmEditMarker dialog(owner);
    dialog.ShowMarker(marker);
    CentreForm(&dialog, owner);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.StoreMarker(marker);
    return true;
}

std::unique_ptr<TVelMapMarker> NewMarker(QWidget* owner) {
    auto marker = std::make_unique<TVelMapMarker>(std::string(), Place{0, 0, Level::Surface});
    if (!TfrmEditMarker::Edit(owner, *marker)) return nullptr;
    return marker;
}

}  // namespace hexwarden
