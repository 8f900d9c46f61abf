#include "app/place_list.h"

#include <QHeaderView>
#include <optional>
#include <tuple>

#include "model/coordinates.h"
#include "qt_surface/qt_text.h"

namespace hexwarden {
namespace {

enum Role { kXRole = Qt::UserRole, kYRole, kLevelRole, kPositionRole, kNumericRole };

class PlaceRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        if (treeWidget()->sortColumn() == 1) {
            const Place a = TPlaceList::PlaceOf(*this);
            const Place b = TPlaceList::PlaceOf(other);
            return std::make_tuple(a.Where, a.X, a.Y) < std::make_tuple(b.Where, b.X, b.Y);
        }
        if (data(0, kNumericRole).toBool()) return text(0).toLongLong() < other.text(0).toLongLong();
        return text(0).compare(other.text(0), Qt::CaseInsensitive) < 0;
    }
};

}  // namespace

TPlaceList::TPlaceList(const QString& name_heading, bool numeric_names, QWidget* parent)
    : QTreeWidget(parent), numeric_names_(numeric_names) {
    header()->setMinimumSectionSize(40);
    header()->setDefaultSectionSize(40);
    setColumnCount(2);
    setHeaderLabels({name_heading, QStringLiteral("Hex")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    // The position column takes what the panel leaves, so that positions are not cut short.
    setColumnWidth(0, 75);
    header()->setSortIndicator(0, Qt::AscendingOrder);
    setSortingEnabled(true);
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* row) {
        if (row == nullptr) return;
        setCurrentItem(row);
        emit PlaceChosen(PlaceOf(*row));
    });
}

QTreeWidgetItem* TPlaceList::AddRow(const QString& name, const Place& place, int32_t position) {
    // Sorting while filling would sort on every row.
    setSortingEnabled(false);
    auto* row = new PlaceRow(this, {name, ToQString(FormatLocation(place))});
    row->setData(0, kXRole, place.X);
    row->setData(0, kYRole, place.Y);
    row->setData(0, kLevelRole, ToQString(place.Where.Label()));
    row->setData(0, kPositionRole, position);
    row->setData(0, kNumericRole, numeric_names_);
    return row;
}

void TPlaceList::SortOnNames() {
    header()->setSortIndicator(0, Qt::AscendingOrder);
    setSortingEnabled(true);
}

Place TPlaceList::PlaceOf(const QTreeWidgetItem& row) {
    const std::optional<Level> level = Level::FromLabel(FromQString(row.data(0, kLevelRole).toString()));
    return {row.data(0, kXRole).toInt(), row.data(0, kYRole).toInt(), level.value_or(Level::Surface)};
}

int32_t TPlaceList::PositionOf(const QTreeWidgetItem& row) { return row.data(0, kPositionRole).toInt(); }

}  // namespace hexwarden
