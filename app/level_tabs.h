#pragma once

#include <QTabBar>
#include <vector>

#include "model/level.h"

namespace hexwarden {

class TPlaceList;

// A tab per level above a side page's list: the list shows the rows of the chosen level only.
class TLevelTabs : public QTabBar {
    Q_OBJECT
public:
    explicit TLevelTabs(TPlaceList& list, QWidget* parent = nullptr);

    // After the list was filled: a tab for each of the levels and of the levels its rows lie on,
    // in the order of depth, keeping the chosen level when it is still there (else the surface).
    void Refill(const std::vector<Level>& levels);
    Level Chosen() const;
    void Choose(Level level);

private:
    void ShowChosenRows();

    TPlaceList& list_;
    std::vector<Level> levels_;
};

}  // namespace hexwarden
