#include "app/map_frame.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>

#include "app/place_list.h"
#include "model/database.h"
#include "windows/information_windows.h"
#include "windows/map_overview.h"
#include "windows/map_window.h"

namespace hexwarden {

TMapFrame::TMapFrame(InformationWindows& windows, TfrmMapOverview& overview, QWidget* parent)
    : QMdiArea(parent), windows_(windows), overview_(overview) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

TfrmMap* TMapFrame::OpenMapWindow(Level level, bool maximised) {
    auto* map = new TfrmMap(windows_, overview_);
    addSubWindow(map);
    map->SetLevel(level);
    if (maximised) {
        map->showMaximized();
    } else {
        map->show();
    }
    overview_.LinkMap(map);
    return map;
}

std::vector<TfrmMap*> TMapFrame::MapWindows() const {
    std::vector<TfrmMap*> maps;
    const QList<QMdiSubWindow*> windows = subWindowList(QMdiArea::StackingOrder);
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        if (auto* map = qobject_cast<TfrmMap*>(*window)) maps.push_back(map);
    }
    return maps;
}

TfrmMap* TMapFrame::ActiveMap() const {
    if (auto* map = qobject_cast<TfrmMap*>(currentSubWindow())) return map;
    const std::vector<TfrmMap*> open = MapWindows();
    return open.empty() ? nullptr : open.front();
}

TfrmMap& TMapFrame::MapOn(Level level) {
    TfrmMap* map = ActiveMap();
    return map != nullptr ? *map : *OpenMapWindow(level, true);
}

void TMapFrame::CloseAllMaps() {
    // Each window unlinks itself from the overview as it closes, which redraws it.
    for (TfrmMap* map : MapWindows()) {
        map->close();
        delete map;
    }
}

void TMapFrame::TileHorizontally(int width, int height) {
    const std::vector<TfrmMap*> maps = MapWindows();
    const int n = static_cast<int>(maps.size());
    if (n == 0) return;
    const int w = (width - 4 * n) / n;
    int x = 0;
    for (int i = 0; i < n; ++i) {
        TfrmMap* map = maps[static_cast<size_t>(i)];
        map->showNormal();
        map->setGeometry(x, 0, i + 1 < n ? w - 1 : width - x - 4, height - 4);
        x += w - 1;
    }
}

void TMapFrame::CentreOnPlace(const Place& place) {
    MapOn(place.Where).CentreOnHex(place, false);
}

void TMapFrame::TrackUnit(int32_t unit) {
    const TVelUnit* record = UnitKey{unit}.Find(windows_.Main());
    MapOn(record == nullptr ? Level::Surface : record->Where).TrackUnit(unit);
}

void TMapFrame::ListWindows(QMenu& menu, int fixed_items) {
    QList<QAction*> actions = menu.actions();
    for (qsizetype i = fixed_items; i < actions.size(); ++i) {
        menu.removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    const QList<QMdiSubWindow*> windows = subWindowList();
    if (!windows.isEmpty()) menu.addSeparator();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows[i];
        QAction* entry = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(window->windowTitle()));
        entry->setCheckable(true);
        entry->setChecked(window == currentSubWindow());
        connect(entry, &QAction::triggered, this, [this, window] { setActiveSubWindow(window); });
    }
}

}  // namespace hexwarden
