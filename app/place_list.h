#pragma once

#include <QTreeWidget>
#include <cstdint>

namespace hexwarden {

// A hex of either level, as a row of a side page names it.
struct MapPlace {
    int32_t X = 0;
    int32_t Y = 0;
    bool Overworld = true;
};

// A two-column side page list: a name and the hex's position. Sorted on the name, ignoring letter
// case; a click on a heading sorts on that column instead, or turns the order round.
class TPlaceList : public QTreeWidget {
    Q_OBJECT

public:
    // With numeric_names the first column holds numbers and sorts by value.
    TPlaceList(const QString& name_heading, bool numeric_names, QWidget* parent = nullptr);

    // Rows are added unsorted; SortOnNames puts them in order once the list is filled.
    // position: where the row's record stands in its database list (markers), -1 for none.
    QTreeWidgetItem* AddRow(const QString& name, const MapPlace& place, int32_t position = -1);
    void SortOnNames();

    static MapPlace PlaceOf(const QTreeWidgetItem& row);
    static int32_t PositionOf(const QTreeWidgetItem& row);

signals:
    // A row was double-clicked.
    void PlaceChosen(const MapPlace& place);

private:
    bool numeric_names_;
};

}  // namespace hexwarden
