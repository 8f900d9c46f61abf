#pragma once

#include <QTreeWidget>
#include <cstdint>

#include "model/level.h"

namespace hexwarden {

// A two-column side page list: a name and the hex's position. Sorted on the name, ignoring letter
// case; a click on a heading sorts on that column instead, or turns the order round.
class TPlaceList : public QTreeWidget {
    Q_OBJECT

public:
    // With numeric_names the first column holds numbers and sorts by value.
    TPlaceList(const QString& name_heading, bool numeric_names, QWidget* parent = nullptr);

    // Rows are added unsorted; SortOnNames puts them in order once the list is filled.
    // position: where the row's record stands in its database list (markers), -1 for none.
    QTreeWidgetItem* AddRow(const QString& name, const Place& place, int32_t position = -1);
    void SortOnNames();

    static Place PlaceOf(const QTreeWidgetItem& row);
    static int32_t PositionOf(const QTreeWidgetItem& row);

signals:
    // A row was double-clicked.
    void PlaceChosen(const Place& place);

private:
    bool numeric_names_;
};

}  // namespace hexwarden
