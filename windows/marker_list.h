#pragma once

#include <cstdint>
#include <optional>

#include "model/level.h"

#include "windows/basic_window.h"

class QPushButton;

namespace hexwarden {

class TRecordsNotice;
class TVelMain;

// The markers of one level or of all, to jump to one, add one or delete one. Rows carry the
// marker's position in the database's marker list, which every change renumbers, so the list is
// refilled after each.
class TfrmMarkerList : public TfrmTBasicList {
    Q_OBJECT
public:
    TfrmMarkerList(TVelMain& main, TRecordsNotice& notice, QWidget* parent, std::optional<Level> level);

    // The position in the marker list of the marker chosen with "&Go To"; nothing when closed
    // without one.
    static std::optional<int32_t> Execute(TVelMain& main, TRecordsNotice& notice, QWidget* parent,
                                          std::optional<Level> level);

    // The position of the selected row's marker, when it still is one that this list shows.
    std::optional<int32_t> Selected() const;

    void btnGoToClick();
    void btnNewClick();
    void btnRemoveClick();

private:
    bool Shows(Level level) const { return !level_ || *level_ == level; }
    // Rebuilds the rows; the marker at `select` (a position) is selected afterwards when shown,
    // else the row at `fallback_row` of the view.
    void Refill(std::optional<int32_t> select, int fallback_row);

    TVelMain& main_;
    TRecordsNotice& notice_;
    std::optional<Level> level_;
    // What to select when the notice of our own change comes back.
    std::optional<int32_t> select_after_change_;
    int fallback_row_ = -1;
};

}  // namespace hexwarden
