#pragma once

#include <QMdiArea>
#include <cstdint>
#include <vector>

#include "model/level.h"

class QMenu;

namespace hexwarden {

class InformationWindows;
class TfrmMap;
class TfrmMapOverview;

// The main window's frame of map windows: opens them on the information windows and the overview,
// finds the one a command works on, and tiles them.
class TMapFrame : public QMdiArea {
    Q_OBJECT
public:
    TMapFrame(InformationWindows& windows, TfrmMapOverview& overview, QWidget* parent);

    TfrmMap* OpenMapWindow(Level level, bool maximised);
    // The open map windows in the frame's stacking order, the active one first.
    std::vector<TfrmMap*> MapWindows() const;
    // The map window a command works on: the active one, else the first open; null when none is.
    TfrmMap* ActiveMap() const;
    void CloseAllMaps();

    // Side by side over the given width (the frame's client less what the left panel takes), as
    // high as the frame's client.
    void TileHorizontally(int width, int height);
    void CentreOnPlace(const Place& place);
    // The track unit dialog on the active map window, opening one on the unit's level when none is.
    void TrackUnit(int32_t unit);
    // The window list at the end of the "Maps" menu, after its first fixed_items entries.
    void ListWindows(QMenu& menu, int fixed_items);

private:
    // The active map window, or one opened maximised on that level.
    TfrmMap& MapOn(Level level);

    InformationWindows& windows_;
    TfrmMapOverview& overview_;
};

}  // namespace hexwarden
