#include "windows/marker_list.h"

#include <QPushButton>
#include <algorithm>
#include <memory>

#include "model/database.h"
#include "qt_surface/qt_text.h"
#include "windows/accessible_names.h"
#include "windows/centre_form.h"
#include "windows/marker_dialog.h"
#include "windows/message_boxes.h"
#include "windows/records_notice.h"
#include "windows/selected_records.h"

namespace hexwarden {
namespace {

enum MarkerColumn { kName, kHex };

constexpr int kListWidth = 255;

ListRow MarkerRow(const TVelMapMarker& marker, int32_t position) {
    // By level in the order of depth, then x, then y.
    const int64_t level_and_x = (LevelOrder(marker.Where) << 33) + marker.X;
    return {MarkerKey{position},
            {TextCell(ToQString(marker.Text)),
             OrderedCell(ToQString(marker.FormatPosition()), level_and_x, marker.Y)},
            {}};
}

int32_t PositionOf(const ListRow& row) {
    const auto* key = std::get_if<MarkerKey>(&row.Key);
    return key != nullptr ? key->Position : -1;
}

}  // namespace

TfrmMarkerList::TfrmMarkerList(TVelMain& main, TRecordsNotice& notice, QWidget* parent, std::optional<Level> level)
    : TfrmTBasicList(parent, {{QStringLiteral("Marker Name"), 165, SortKind::Text},
                              {QStringLiteral("Hex"), 50, SortKind::Ordered, true}}),
      main_(main),
      notice_(notice),
      level_(level) {
    setWindowTitle(QStringLiteral("Markers"));
    setMinimumWidth(kListWidth);
    setMaximumWidth(kListWidth);
    resize(kListWidth, height());
    NameAfterCaption(&treeList(), QStringLiteral("Markers"));
    // The window keeps its width: a long name is cut, and the Hex column stays in view.
    treeList().FitColumnsToWidth(kName);

    QPushButton* go_to = AddButton(QStringLiteral("&Go To"), "btnGoTo");
    QPushButton* add = AddButton(QStringLiteral("&Add"), "btnNew");
    QPushButton* remove = AddButton(QStringLiteral("&Remove"), "btnRemove");
    QPushButton* close = AddButton(QStringLiteral("&Close"), "btnClose");
    // Going to, or removing, one marker at a time.
    treeList().setSelectionMode(QAbstractItemView::SingleSelection);
    EnableWhileSelected(treeList(), go_to);
    EnableWhileSelected(treeList(), remove);
    connect(go_to, &QPushButton::clicked, this, &TfrmMarkerList::btnGoToClick);
    connect(add, &QPushButton::clicked, this, &TfrmMarkerList::btnNewClick);
    connect(remove, &QPushButton::clicked, this, &TfrmMarkerList::btnRemoveClick);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(&treeList(), &TTreeList::RowChosen, this, &TfrmMarkerList::btnGoToClick);
    connect(&notice_, &TRecordsNotice::RecordsChanged, this, [this] {
        // A change made elsewhere keeps the selection on the same line of the view.
        Refill(select_after_change_, fallback_row_ >= 0 ? fallback_row_ : treeList().currentIndex().row());
        select_after_change_.reset();
        fallback_row_ = -1;
    });
    Refill(std::nullopt, 0);
}

std::optional<int32_t> TfrmMarkerList::Execute(TVelMain& main, TRecordsNotice& notice, QWidget* parent,
                                               std::optional<Level> level) {
    TfrmMarkerList list(main, notice, parent, level);
    CentreForm(&list, parent);
    if (list.exec() != QDialog::Accepted) return std::nullopt;
    return list.Selected();
}

void TfrmMarkerList::Refill(std::optional<int32_t> select, int fallback_row) {
    std::vector<ListRow> rows;
    for (int32_t i = 0; i < main_.Markers.Count(); ++i) {
        const TVelMapMarker* marker = main_.Markers.Get(i);
        if (marker != nullptr && Shows(marker->Where)) rows.push_back(MarkerRow(*marker, i));
    }
    treeList().Fill(std::move(rows), kName);

    const std::vector<ListRow>& shown = treeList().Model().Rows();
    int row = -1;
    for (size_t i = 0; select && i < shown.size(); ++i) {
        if (PositionOf(shown[i]) == *select) row = static_cast<int>(i);
    }
    if (row < 0 && !shown.empty()) row = std::clamp(fallback_row, 0, static_cast<int>(shown.size()) - 1);
    if (row >= 0) treeList().setCurrentIndex(treeList().Model().index(row, kName));
}

std::optional<int32_t> TfrmMarkerList::Selected() const {
    const ListRow* row = treeList().CurrentRow();
    if (row == nullptr || row->Cells.empty()) return std::nullopt;
    const int32_t position = PositionOf(*row);
    const TVelMapMarker* marker = main_.Markers.Get(position);
    if (marker == nullptr || !Shows(marker->Where)) return std::nullopt;
    return position;
}

void TfrmMarkerList::btnGoToClick() {
    if (Selected()) accept();
}

void TfrmMarkerList::btnNewClick() {
    std::unique_ptr<TVelMapMarker> marker = NewMarker(this);
    if (!marker) return;
    // A marker of a level not shown is stored all the same; the selection stays where it was.
    const bool shown = Shows(marker->Where);
    select_after_change_ = Selected();
    fallback_row_ = treeList().currentIndex().row();
    notice_.Change(RecordChange::MarkersChanged, [&] {
        const int32_t position = main_.Markers.Add(std::move(marker));
        if (shown) select_after_change_ = position;
    });
}

void TfrmMarkerList::btnRemoveClick() {
    if (!Selected()) return;
    if (Prompts().Confirm(this, QStringLiteral("Delete this marker?"), false) != Answer::Yes) return;
    // Looked up again after the question: nothing is held across it.
    const std::optional<int32_t> position = Selected();
    if (!position) return;
    // The row below takes the removed one's place in the selection.
    select_after_change_.reset();
    fallback_row_ = treeList().currentIndex().row();
    notice_.Change(RecordChange::MarkersChanged, [&] { main_.Markers.Remove(main_.Markers.Get(*position)); });
}

}  // namespace hexwarden
