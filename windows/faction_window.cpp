#include "windows/faction_window.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/database.h"
#include "qt_surface/qt_drawing_surface.h"
#include "qt_surface/qt_text.h"
#include "windows/accessible_names.h"
#include "windows/busy_cursor.h"
#include "windows/information_windows.h"
#include "windows/list_rows.h"
#include "windows/tree_list.h"
#include "windows/unit_list_menu.h"

namespace hexwarden {
namespace {

enum FactionUnitColumn { kUnitId, kUnitName, kSize, kHex };

QString AttitudeText(const TVelMain& main, int attitude) {
    QString text = ToQString(AttitudeName(attitude));
    if (attitude == 0) text += QStringLiteral(" (") + ToQString(AttitudeName(main.DefaultAttitude)) + ')';
    return text;
}

}  // namespace

TfrmFaction::TfrmFaction(InformationWindows& windows, const FactionKey& key)
    : TfrmRecordWindow(windows),
      key_(key),
      caption_(QStringLiteral("Faction")),
      edEmail_(new QLineEdit(pnlTTop())),
      lblAttitude_(new QLabel(pnlTTop())),
      swatch_(new TColourSwatch(pnlTTop())),
      lstUnits_(new TTreeList({{QStringLiteral("Unit ID"), 50, SortKind::Number},
                               {QStringLiteral("Unit Name"), 200, SortKind::Text},
                               {QStringLiteral("Size"), 50, SortKind::Number},
                               {QStringLiteral("Hex"), 75, SortKind::Ordered}},
                              pnlTTop())) {
    setWindowTitle(caption_);
    resize(415, 330);
    edEmail_->setObjectName(QStringLiteral("edEmail"));
    lblAttitude_->setObjectName(QStringLiteral("lblAttitude"));
    swatch_->setObjectName(QStringLiteral("shpColour"));
    lstUnits_->setObjectName(QStringLiteral("lstUnits"));
    lstUnits_->SetTreeColumn(kUnitName);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setColumnStretch(1, 1);
    const auto add_field = [this, fields](int row, const QString& caption, QWidget* control, Qt::Alignment align) {
        auto* label = new QLabel(caption, pnlTTop());
        label->setBuddy(control);
        fields->addWidget(label, row, 0);
        fields->addWidget(control, row, 1, align);
        NameAfterCaption(control, caption);
    };
    add_field(0, QStringLiteral("email"), edEmail_, {});
    add_field(1, QStringLiteral("Attitude"), lblAttitude_, {});
    add_field(2, QStringLiteral("Colour"), swatch_, Qt::AlignLeft | Qt::AlignVCenter);
    NameAfterCaption(lstUnits_, QStringLiteral("Units"));

    auto* layout = new QVBoxLayout(pnlTTop());
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(fields);
    layout->addWidget(lstUnits_, 1);

    swatch_->Clicked = [this] { PickColour(); };
    AddUnitListMenu(*lstUnits_, windows, this);
    connect(AddButton(QStringLiteral("&Close"), "btnClose"), &QPushButton::clicked, this, &QWidget::close);
}

bool TfrmFaction::Refill() {
    const TVelFaction* faction = key_.Find(Main());
    if (faction == nullptr) return false;
    caption_ = ToQString(TVelFactionList::FormatFaction(*faction, FactionSquareBrackets | FactionUnknownMark));
    setWindowTitle(caption_);
    filled_email_ = ToQString(faction->Email);
    // Only when it differs, so the cursor stays where the user had it.
    if (edEmail_->text() != filled_email_) edEmail_->setText(filled_email_);
    filled_colour_ = faction->Colour;
    swatch_->SetColour(filled_colour_);
    ShowValue(lblAttitude_, AttitudeText(Main(), faction->Attitude));

    const int32_t number = faction->Number;
    RunWithBusyCursor(this, [this, number] {
        TVelUnitList units(Main());
        Main().UnitsOfFaction(number, units);
        std::vector<ListRow> rows;
        rows.reserve(static_cast<size_t>(units.Count()));
        for (const TVelUnit* unit : units) {
            ListRow row = UnitRow(Main(), *unit, false, true);
            row.Cells.push_back(UnitPlaceCell(*unit));
            for (ListRow& troop : row.Children) troop.Cells.resize(row.Cells.size());
            rows.push_back(std::move(row));
        }
        lstUnits_->Fill(std::move(rows), kUnitId);
    });
    return true;
}

bool TfrmFaction::WriteBack() {
    TVelFaction* faction = key_.Find(Main());
    if (faction == nullptr) return false;
    bool changed = false;
    if (edEmail_->text() != filled_email_) {
        filled_email_ = edEmail_->text();
        faction->Email = FromQString(filled_email_);
        changed = true;
    }
    if (swatch_->Colour() != filled_colour_) {
        filled_colour_ = swatch_->Colour();
        faction->Colour = filled_colour_;
        changed = true;
    }
    return changed;
}

void TfrmFaction::PickColour() {
    const QColor chosen = QColorDialog::getColor(ToQColor(swatch_->Colour()), this);
    if (!chosen.isValid()) return;
    swatch_->SetColour(FromQColor(chosen));
    // The faction's wedges on the maps take the colour at once.
    Windows().WriteBack(*this);
}

}  // namespace hexwarden
