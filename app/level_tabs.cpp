#include "app/level_tabs.h"

#include <QSignalBlocker>
#include <algorithm>

#include "app/place_list.h"
#include "windows/level_title.h"

namespace hexwarden {

TLevelTabs::TLevelTabs(TPlaceList& list, QWidget* parent) : QTabBar(parent), list_(list) {
    setAccessibleName(list.accessibleName() + QStringLiteral(" Levels"));
    setUsesScrollButtons(true);
    setExpanding(false);
    setDrawBase(false);
    connect(this, &QTabBar::currentChanged, this, [this] { ShowChosenRows(); });
}

void TLevelTabs::Refill(const std::vector<Level>& levels) {
    const Level chosen = levels_.empty() ? Level::Surface : Chosen();
    levels_ = levels;
    levels_.push_back(Level::Surface);
    for (int i = 0; i < list_.topLevelItemCount(); ++i) levels_.push_back(TPlaceList::PlaceOf(*list_.topLevelItem(i)).Where);
    std::sort(levels_.begin(), levels_.end());
    levels_.erase(std::unique(levels_.begin(), levels_.end()), levels_.end());
    {
        const QSignalBlocker quiet(this);
        while (count() > 0) removeTab(0);
        for (const Level level : levels_) addTab(LevelTitle(level));
    }
    Choose(std::find(levels_.begin(), levels_.end(), chosen) != levels_.end() ? chosen : Level::Surface);
    ShowChosenRows();
}

Level TLevelTabs::Chosen() const {
    const int index = currentIndex();
    return index >= 0 && index < static_cast<int>(levels_.size()) ? levels_[static_cast<size_t>(index)] : Level::Surface;
}

void TLevelTabs::Choose(Level level) {
    const auto found = std::find(levels_.begin(), levels_.end(), level);
    if (found != levels_.end()) setCurrentIndex(static_cast<int>(found - levels_.begin()));
}

void TLevelTabs::ShowChosenRows() {
    const Level chosen = Chosen();
    for (int i = 0; i < list_.topLevelItemCount(); ++i) {
        QTreeWidgetItem& row = *list_.topLevelItem(i);
        row.setHidden(TPlaceList::PlaceOf(row).Where != chosen);
    }
}

}  // namespace hexwarden
