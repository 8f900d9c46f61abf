#include "app/place_list.h"

#include <QHeaderView>
#include <tuple>

#include "model/coordinates.h"
#include "qt_surface/qt_text.h"

namespace hexwarden {
namespace {

enum Role { kXRole = Qt::UserRole, kYRole, kOverworldRole, kPositionRole, kNumericRole };

class PlaceRow : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override {
        if (treeWidget()->sortColumn() == 1) {
            const MapPlace a = TPlaceList::PlaceOf(*this);
            const MapPlace b = TPlaceList::PlaceOf(other);
            return std::make_tuple(!a.Overworld, a.X, a.Y) < std::make_tuple(!b.Overworld, b.X, b.Y);
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

QTreeWidgetItem* TPlaceList::AddRow(const QString& name, const MapPlace& place, int32_t position) {
    // Sorting while filling would sort on every row.
    setSortingEnabled(false);
    auto* row = new PlaceRow(this, {name, ToQString(FormatLocation(place.X, place.Y, place.Overworld, true))});
    row->setData(0, kXRole, place.X);
    row->setData(0, kYRole, place.Y);
    row->setData(0, kOverworldRole, place.Overworld);
    row->setData(0, kPositionRole, position);
    row->setData(0, kNumericRole, numeric_names_);
    return row;
}

void TPlaceList::SortOnNames() {
    header()->setSortIndicator(0, Qt::AscendingOrder);
    setSortingEnabled(true);
}

MapPlace TPlaceList::PlaceOf(const QTreeWidgetItem& row) {
    return {row.data(0, kXRole).toInt(), row.data(0, kYRole).toInt(), row.data(0, kOverworldRole).toBool()};
}

int32_t TPlaceList::PositionOf(const QTreeWidgetItem& row) { return row.data(0, kPositionRole).toInt(); }

}  // namespace hexwarden
