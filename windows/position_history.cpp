#include "windows/position_history.h"

#include <QPushButton>

#include "model/database.h"
#include "qt_surface/qt_text.h"
#include "windows/centre_form.h"
#include "windows/information_windows.h"

namespace hexwarden {
namespace {

constexpr int kTurnColumn = 0;

// By level in the order of depth, then x, then y.
ListCell PositionCell(const TVelUnitPos& position) {
    const int64_t place = (int64_t{position.X} << 32) + (int64_t{position.Y} + 0x80000000LL);
    return OrderedCell(ToQString(position.FormatPosition()), LevelOrder(position.Where), place);
}

}  // namespace

TfrmPosHistory::TfrmPosHistory(InformationWindows& windows, const UnitKey& key, QWidget* parent)
    : TfrmTBasicList(parent, {{QStringLiteral("Turn"), 50, SortKind::Number},
                              {QStringLiteral("Position"), 75, SortKind::Ordered}}),
      windows_(windows),
      key_(key) {
    setObjectName(QStringLiteral("frmPosHistory"));
    setWindowTitle(QStringLiteral("Position History"));
    treeList().setAccessibleName(QStringLiteral("Position History"));
    QPushButton* btnTrack = AddButton(QStringLiteral("&Track"), "btnTrack");
    btnTrack->setEnabled(static_cast<bool>(windows_.TrackUnit));
    connect(btnTrack, &QPushButton::clicked, this, &TfrmPosHistory::btnTrackClick);
    connect(AddButton(QStringLiteral("&Close"), "btnClose"), &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(175);
    resize(200, 260);

    std::vector<ListRow> rows;
    if (const TVelUnit* unit = key_.Find(windows_.Main())) {
        for (const auto& position : unit->PositionHistory) {
            if (position == nullptr) continue;
            ListRow row;
            row.Key = key_;
            row.Cells = {NumberCell(position->Turn), PositionCell(*position)};
            rows.push_back(std::move(row));
        }
    }
    treeList().Fill(std::move(rows), kTurnColumn);
    treeList().sortByColumn(kTurnColumn, Qt::DescendingOrder);
}

void TfrmPosHistory::Execute(InformationWindows& windows, const UnitKey& key, QWidget* parent) {
    if (key.Find(windows.Main()) == nullptr) return;
    TfrmPosHistory dialog(windows, key, parent);
    CentreForm(&dialog, parent);
    dialog.exec();
}

void TfrmPosHistory::btnTrackClick() {
    if (windows_.TrackUnit) windows_.TrackUnit(key_.Number, this);
}

}  // namespace hexwarden
