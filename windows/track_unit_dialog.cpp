#include "windows/track_unit_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "map/map_view_options.h"
#include "model/database.h"
#include "platform/number_text.h"
#include "windows/centre_form.h"
#include "windows/list_rows.h"
#include "qt_surface/qt_text.h"

namespace hexwarden {
TfrmTrackUnit::TfrmTrackUnit(QWidget* owner, const TVelMain& main, UnitPicker pick_unit)
    : QDialog(owner), main_(main), pick_unit_(std::move(pick_unit)) {
    setWindowTitle(QStringLiteral("Track Unit"));
    lblUnit = new QLabel(this);
    lblUnit->setAccessibleName(QStringLiteral("Unit"));
    lblUnit->setObjectName(QStringLiteral("lblUnit"));
    lblUnit->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblUnit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    btnSelectUnit = new QPushButton(QStringLiteral("..."), this);
    btnSelectUnit->setObjectName(QStringLiteral("btnSelectUnit"));
    btnSelectUnit->setFixedWidth(btnSelectUnit->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 16);
    chkAllTurns = new QCheckBox(QStringLiteral("All Turns"), this);
    chkAllTurns->setObjectName(QStringLiteral("chkAllTurns"));
    lblLast = new QLabel(QStringLiteral("Last"), this);
    edTurns = new QLineEdit(QStringLiteral("10"), this);
    edTurns->setAccessibleName(QStringLiteral("Turns"));
    edTurns->setObjectName(QStringLiteral("edTurns"));
    edTurns->setMaximumWidth(50);
    lblTurns = new QLabel(QStringLiteral("Turns"), this);
    chkDisableTracking = new QCheckBox(QStringLiteral("Disable Tracking"), this);
    chkDisableTracking->setObjectName(QStringLiteral("chkDisableTracking"));
    btnOK = new QPushButton(QStringLiteral("&OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    auto* unit_row = new QHBoxLayout();
    unit_row->addWidget(lblUnit, 1);
    unit_row->addWidget(btnSelectUnit);
    auto* turns_row = new QHBoxLayout();
    turns_row->addWidget(chkAllTurns);
    turns_row->addSpacing(12);
    turns_row->addWidget(lblLast);
    turns_row->addWidget(edTurns);
    turns_row->addWidget(lblTurns);
    turns_row->addStretch(1);
    auto* button_row = new QHBoxLayout();
    button_row->addWidget(chkDisableTracking);
    button_row->addStretch(1);
    button_row->addWidget(btnOK);
    button_row->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(unit_row);
    layout->addLayout(turns_row);
    layout->addLayout(button_row);

    btnSelectUnit->setEnabled(static_cast<bool>(pick_unit_));
    connect(btnSelectUnit, &QPushButton::clicked, this, &TfrmTrackUnit::btnSelectUnitClick);
    connect(chkAllTurns, &QCheckBox::toggled, this, &TfrmTrackUnit::UpdateTurnsEnabled);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(278, 123);
}

void TfrmTrackUnit::ShowUnit(int32_t number) {
    const TVelUnit* unit = number == 0 ? nullptr : main_.Units.FindByNumber(number);
    unit_number_ = unit ? unit->Number : 0;
    lblUnit->setText(unit ? NumberedName(unit->Number, unit->Name) : QString());
}

void TfrmTrackUnit::ShowTrack(const MapViewOptions& options) {
    ShowUnit(options.TrackedUnit);
    chkAllTurns->setChecked(options.TrackTurns < 1);
    if (options.TrackTurns >= 1) edTurns->setText(QString::number(options.TrackTurns));
    chkDisableTracking->setChecked(options.HideTrack);
    UpdateTurnsEnabled();
}

void TfrmTrackUnit::StoreTrack(MapViewOptions& options) const {
    const TVelUnit* unit = unit_number_ == 0 ? nullptr : main_.Units.FindByNumber(unit_number_);
    options.TrackedUnit = unit ? unit->Number : 0;
    options.TrackTurns = chkAllTurns->isChecked() ? -1 : StrToIntDef(FromQString(edTurns->text()), 0);
    options.HideTrack = chkDisableTracking->isChecked();
}

void TfrmTrackUnit::UpdateTurnsEnabled() {
    const bool some_turns = !chkAllTurns->isChecked();
    for (QWidget* widget : std::initializer_list<QWidget*>{lblLast, edTurns, lblTurns}) widget->setEnabled(some_turns);
}

void TfrmTrackUnit::btnSelectUnitClick() {
    if (!pick_unit_) return;
    if (const std::optional<int32_t> unit = pick_unit_(this)) ShowUnit(*unit);
}

bool TfrmTrackUnit::Execute(QWidget* owner, const TVelMain& main, MapViewOptions& options,
                            std::optional<int32_t> unit, UnitPicker pick_unit) {
    TfrmTrackUnit dialog(owner, main, std::move(pick_unit));
    dialog.ShowTrack(options);
    if (unit) dialog.ShowUnit(*unit);
    CentreForm(&dialog, owner);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.StoreTrack(options);
    return true;
}

}  // namespace hexwarden
