#pragma once

#include <QMdiSubWindow>
#include <QPoint>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "map/hex_map.h"
#include "map/level_extent.h"
#include "map/map_view_options.h"
#include "model/coordinates.h"
#include "windows/map_status.h"
#include "windows/track_unit_dialog.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QComboBox;
class QScrollArea;
class QToolButton;

namespace hexwarden {

class HexMapWidget;
class InformationWindows;
class ProfileFile;
class TVelMain;
class TfrmMapOverview;
enum class RecordChange;

// A document window showing one level of the map: zoomable, scrollable, with its own display
// switches, wedge slots and tracked unit, and a status bar for the hex under the pointer.
class TfrmMap : public QMdiSubWindow {
    Q_OBJECT
public:
    // The window opens the information windows of what it shows and follows their records notice.
    TfrmMap(InformationWindows& windows, TfrmMapOverview& overview, QWidget* parent = nullptr);
    ~TfrmMap() override;

    Level CurrentLevel() const { return level_; }
    // Shows that level, also one the database holds no hex of yet.
    void SetLevel(Level level);
    // Re-reads the level choice and the level from the database, after a change of either.
    void UpdateLevel();
    // Scrolls the place's hex to the middle of the view; without keep_level the window first
    // switches to the place's level.
    void CentreOnHex(const Place& place, bool keep_level);
    // The game hexes at the corners of the view.
    GamePoint VisibleTopLeft() const;
    GamePoint VisibleBottomRight() const;

    void SaveSettings(ProfileFile& file, const std::string& section, bool active) const;
    void LoadSettings(const ProfileFile& file, const std::string& section);
    // The level that a map window's settings name.
    static Level LevelInSettings(const ProfileFile& file, const std::string& section);

    void RepaintMap();
    // The track unit dialog, proposing that unit when given.
    void TrackUnit(std::optional<int32_t> unit);
    // The wedge window on the database's wedges and this window's wedge slots.
    void DefineWedges();

    int32_t Zoom() const { return map_.Zoom(); }
    void ZoomIn();
    void ZoomOut();
    // The scroll positions (the map pixel at the view's top-left corner).
    QPoint ScrollPosition() const;
    // Moves the view so that the map pixel lies in its middle, as far as the scroll range allows.
    void ScrollToCentre(int32_t px, int32_t py);
    const THexMap& Map() const { return map_; }
    const MapViewOptions& ViewOptions() const { return options_; }
    // The preview's planned routes and the unit whose route is always drawn; repaints.
    void ShowRoutes();
    void ShowRouteUnit();
    // Whether the level holds hexes beyond the drawn grid.
    bool LevelCapped() const { return extent_.Capped(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls(QWidget* content);
    QWidget* BuildStatusBar();
    void BuildPopupMenu();

    void RecordsChanged(RecordChange kind);
    void PaintExposed(DrawingSurface& surface);
    void ResizeMapWidget();
    void ChangeZoom(int32_t step);
    void ZoomAround(int32_t step, QPoint pixel);
    void SetScrollPosition(QPoint position);
    QSize ClientSize() const;
    void PanBy(QPoint delta);

    void MapMouseMove(QPoint pixel);
    void ShowPopup(QPoint pixel, QPoint global);
    void ShowHexInfo();
    void mnuCreateMarkerClick();
    void mnuCentreOnHexClick();
    void mnuTrackUnitClick();
    void mnuExportMapImageClick();
    void ShowCapNote();

    InformationWindows& windows_;
    TVelMain& main_;
    TfrmMapOverview& overview_;
    THexMap map_;
    MapViewOptions options_;
    Level level_ = Level::Surface;
    LevelExtent extent_;
    MapStatusTracker status_;
    // Bounds while neither maximised nor minimised, written to the settings.
    QRect normal_bounds_;
    // A scroll position asked for before the window was shown.
    std::optional<QPoint> pending_scroll_;

    QFrame* pnlControls = nullptr;
    // The levels the database holds, and this window's own.
    QComboBox* cbLevel = nullptr;
    // chkShowUnconfirmed ... chkShowWedges, in the order of the display switches.
    std::array<QCheckBox*, 10> switches_{};
    QToolButton* btnWedges = nullptr;
    QToolButton* btnZoomIn = nullptr;
    QToolButton* btnZoomOut = nullptr;
    QScrollArea* scrMap = nullptr;
    HexMapWidget* theMap = nullptr;
    QToolButton* btnShowPanel = nullptr;
    QLabel* pnlCoord = nullptr;
    QLabel* pnlTerrain = nullptr;
    QLabel* pnlCity = nullptr;
    QLabel* pnlTaxBase = nullptr;
    QLabel* pnlNote = nullptr;
    QMenu* pmMap = nullptr;
    QAction* mnuViewHex = nullptr;
    QAction* mnuCreateMarker = nullptr;
    QAction* mnuCentreOnHex = nullptr;
    QAction* mnuTrackUnit = nullptr;
    QAction* mnuExportMapImage = nullptr;
};

}  // namespace hexwarden
