#include "windows/map_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QComboBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "map/level_painter.h"
#include "model/database.h"
#include "platform/profile_file.h"
#include "qt_surface/level_image.h"
#include "windows/accessible_names.h"
#include "windows/busy_cursor.h"
#include "windows/information_windows.h"
#include "windows/level_title.h"
#include "windows/month_preview.h"
#include "windows/map_overview.h"
#include "windows/map_widget.h"
#include "windows/marker_dialog.h"
#include "windows/message_boxes.h"
#include "qt_surface/qt_text.h"
#include "windows/track_unit_dialog.h"
#include "windows/unit_list.h"
#include "windows/wedge_window.h"

namespace hexwarden {
namespace {

struct DisplaySwitch {
    const char* name;
    const char* caption;
    const char* key;
    bool MapViewOptions::*option;
};
constexpr std::array<DisplaySwitch, 10> kSwitches = {{
    {"chkShowUnconfirmed", "Unconfirmed", "Show Unconfirmed", &MapViewOptions::ShowUnconfirmed},
    {"chkShowGrid", "Grid", "Show Grid", &MapViewOptions::ShowGrid},
    {"chkShowCities", "Cities", "Show Cities", &MapViewOptions::ShowCities},
    {"chkShowGates", "Gates", "Show Gates", &MapViewOptions::ShowGates},
    {"chkShowShafts", "Shafts", "Show Shafts", &MapViewOptions::ShowShafts},
    {"chkShowTags", "Name Tags", "Show Tags", &MapViewOptions::ShowTags},
    {"chkShowMarkers", "Markers", "Show Markers", &MapViewOptions::ShowMarkers},
    {"chkShowMarkerTags", "Marker Tags", "Show Marker Tags", &MapViewOptions::ShowMarkerTags},
    {"chkShowWedges", "Wedges", "Show Wedges", &MapViewOptions::ShowWedges},
    {"chkShowRoutes", "Routes", "Show Routes", &MapViewOptions::ShowRoutes},
}};

constexpr size_t kWedgesSwitch = 8;

// Saved bounds come back on screen: a window keeps at least this much of itself inside the area.
constexpr int kKeepVisible = 48;
constexpr int kMinWindowSide = 120;
constexpr int kMaxWindowSide = 16000;

QRect ClampBounds(QRect wanted, QSize area) {
    if (area.width() < kMinWindowSide || area.height() < kMinWindowSide) area = QSize(kMaxWindowSide, kMaxWindowSide);
    const int width = std::clamp(wanted.width(), kMinWindowSide, kMaxWindowSide);
    const int height = std::clamp(wanted.height(), kMinWindowSide, kMaxWindowSide);
    const int left = std::clamp(wanted.left(), kKeepVisible - width, area.width() - kKeepVisible);
    const int top = std::clamp(wanted.top(), 0, area.height() - kKeepVisible);
    return QRect(left, top, width, height);
}

QLabel* StatusPanel(QWidget* parent, const char* name, int width, const char* hint) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedWidth(width);
    panel->setToolTip(QString::fromLatin1(hint));
    // Screen readers and scripts read the hex under the pointer from the names.
    NameAfterCaption(panel, QString::fromLatin1(hint));
    return panel;
}

// The frame keeps only its active window maximised and maximises each other one as it is
// activated, so every window counts as maximised while one is.
bool FrameMaximised(const QMdiSubWindow& window) {
    if (window.isMaximized()) return true;
    if (window.mdiArea() == nullptr) return false;
    const QList<QMdiSubWindow*> windows = window.mdiArea()->subWindowList();
    return std::any_of(windows.begin(), windows.end(), [](const QMdiSubWindow* other) { return other->isMaximized(); });
}

constexpr const char* kCityHint = "Population Centre";

// The text cut to the panel's width with an ellipsis; the whole of a cut text is the tooltip and
// is in the accessible name.
void SetFittedText(QLabel* panel, const QString& text, const QString& hint) {
    ShowValue(panel, text);
    // A framed label without an indent of its own keeps half an "x" from the frame.
    int indent = panel->indent();
    if (indent < 0 && panel->frameWidth() > 0) indent = panel->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    indent = std::max(indent, 0);
    const int room = panel->contentsRect().width() - 2 * panel->margin() - indent;
    const QString shown = panel->fontMetrics().elidedText(text, Qt::ElideRight, room);
    panel->setText(shown);
    panel->setToolTip(shown == text ? hint : text);
}

QToolButton* SmallButton(QWidget* parent, const char* name, const QString& text, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(hint);
    return button;
}

}  // namespace

TfrmMap::TfrmMap(InformationWindows& windows, TfrmMapOverview& overview, QWidget* parent)
    : QMdiSubWindow(parent), windows_(windows), main_(windows.Main()), overview_(overview) {
    setAttribute(Qt::WA_DeleteOnClose);
    map_.SetHexSize(kMapHexSize);
    map_.SetZoom(kDefaultMapZoom);

    auto* content = new QWidget(this);
    BuildControls(content);
    BuildPopupMenu();
    setWidget(content);
    resize(552, 412);
    normal_bounds_ = geometry();

    map_.OnResize = [this] { ResizeMapWidget(); };
    map_.OnInvalidate = [this] { theMap->update(); };
    theMap->OnPaint = [this](DrawingSurface& surface) { PaintExposed(surface); };
    connect(theMap, &HexMapWidget::MouseMoved, this, &TfrmMap::MapMouseMove);
    connect(theMap, &HexMapWidget::PopupRequested, this, &TfrmMap::ShowPopup);
    connect(theMap, &HexMapWidget::DoubleClicked, this, [this](QPoint pixel) {
        MapMouseMove(pixel);
        ShowHexInfo();
    });
    connect(theMap, &HexMapWidget::ZoomRequested, this, &TfrmMap::ZoomAround);
    connect(theMap, &HexMapWidget::PanRequested, this, &TfrmMap::PanBy);
    connect(this, &QMdiSubWindow::aboutToActivate, this, [this] { overview_.LinkMap(this); });
    // While hexes and units are replaced the window takes no input: the hex under a click may be gone.
    connect(&windows_.Notice(), &TRecordsNotice::RecordsAboutToChange, this, [this](RecordChange kind) {
        if (ReplacesRecords(kind)) setEnabled(false);
    });
    connect(&windows_.Notice(), &TRecordsNotice::RecordsChanged, this, &TfrmMap::RecordsChanged);
    connect(&windows_.Notice(), &TRecordsNotice::PreviewChanged, this, &TfrmMap::ShowRoutes);
    connect(&windows_.Notice(), &TRecordsNotice::RouteUnitChanged, this, &TfrmMap::ShowRouteUnit);
    ShowRoutes();

    UpdateLevel();
}

TfrmMap::~TfrmMap() = default;

void TfrmMap::BuildControls(QWidget* content) {
    pnlControls = new QFrame(content);
    pnlControls->setObjectName(QStringLiteral("pnlControls"));
    pnlControls->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlControls->setMinimumWidth(91);
    pnlControls->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* panel = new QVBoxLayout(pnlControls);
    panel->setContentsMargins(4, 4, 4, 4);
    panel->setSpacing(2);

    cbLevel = new QComboBox(pnlControls);
    cbLevel->setObjectName(QStringLiteral("cbLevel"));
    cbLevel->setAccessibleName(QStringLiteral("Level"));
    connect(cbLevel, &QComboBox::activated, this, [this](int index) { SetLevel(LevelOfChoice(*cbLevel, index)); });
    panel->addWidget(cbLevel);
    panel->addSpacing(8);

    auto* show = new QLabel(QStringLiteral("Show"), pnlControls);
    QFont bold = show->font();
    bold.setBold(true);
    show->setFont(bold);
    panel->addWidget(show);
    for (size_t i = 0; i < kSwitches.size(); ++i) {
        const DisplaySwitch& entry = kSwitches[i];
        auto* box = new QCheckBox(QString::fromLatin1(entry.caption), pnlControls);
        box->setObjectName(QString::fromLatin1(entry.name));
        box->setChecked(options_.*entry.option);
        connect(box, &QCheckBox::toggled, this, [this, option = entry.option](bool on) {
            options_.*option = on;
            // The control keeps its own grid switch; set here, the paint finds nothing to change.
            map_.SetShowGrid(options_.ShowGrid);
            RepaintMap();
        });
        panel->addWidget(box);
        switches_[i] = box;
    }
    switches_[kWedgesSwitch]->setToolTip(QStringLiteral(
        "This options has been disabled because it is not entirely complete yet.  It will be available soon."));

    btnWedges = SmallButton(pnlControls, "btnWedges", QStringLiteral("Wedges..."), QStringLiteral("Define wedges"));
    connect(btnWedges, &QToolButton::clicked, this, &TfrmMap::DefineWedges);
    panel->addWidget(btnWedges);
    panel->addSpacing(8);

    auto* zoom = new QHBoxLayout();
    btnZoomIn = SmallButton(pnlControls, "btnZoomIn", QStringLiteral("+"), QStringLiteral("Zoom in (Ctrl++)"));
    btnZoomOut = SmallButton(pnlControls, "btnZoomOut", QStringLiteral("-"), QStringLiteral("Zoom out (Ctrl+-)"));
    connect(btnZoomIn, &QToolButton::clicked, this, &TfrmMap::ZoomIn);
    connect(btnZoomOut, &QToolButton::clicked, this, &TfrmMap::ZoomOut);
    zoom->addWidget(btnZoomIn);
    zoom->addWidget(btnZoomOut);
    panel->addLayout(zoom);
    panel->addStretch(1);

    scrMap = new QScrollArea(content);
    scrMap->setObjectName(QStringLiteral("scrMap"));
    scrMap->setWidgetResizable(false);
    scrMap->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    theMap = new HexMapWidget();
    theMap->setObjectName(QStringLiteral("theMap"));
    theMap->resize(map_.Width(), map_.Height());
    scrMap->setWidget(theMap);

    auto* middle = new QHBoxLayout();
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(0);
    middle->addWidget(pnlControls);
    middle->addWidget(scrMap, 1);

    auto* outer = new QVBoxLayout(content);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(middle, 1);
    outer->addWidget(BuildStatusBar());

    auto* zoom_in = new QAction(QStringLiteral("Zoom In"), this);
    zoom_in->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    auto* zoom_out = new QAction(QStringLiteral("Zoom Out"), this);
    zoom_out->setShortcut(QKeySequence::ZoomOut);
    for (QAction* action : {zoom_in, zoom_out}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(zoom_in, &QAction::triggered, this, &TfrmMap::ZoomIn);
    connect(zoom_out, &QAction::triggered, this, &TfrmMap::ZoomOut);
}

QWidget* TfrmMap::BuildStatusBar() {
    auto* bar = new QWidget();
    bar->setFixedHeight(21);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(2);

    btnShowPanel = new QToolButton(bar);
    btnShowPanel->setObjectName(QStringLiteral("btnShowPanel"));
    btnShowPanel->setAutoRaise(true);
    btnShowPanel->setArrowType(Qt::LeftArrow);
    btnShowPanel->setToolTip(QStringLiteral("Show or hide the control panel"));
    connect(btnShowPanel, &QToolButton::clicked, this, [this] {
        pnlControls->setVisible(pnlControls->isHidden());
        btnShowPanel->setArrowType(pnlControls->isHidden() ? Qt::RightArrow : Qt::LeftArrow);
    });

    pnlCoord = StatusPanel(bar, "pnlCoord", 65, "Hex Coordinate");
    pnlTerrain = StatusPanel(bar, "pnlTerrain", 155, "Terrain and Province");
    pnlCity = StatusPanel(bar, "pnlCity", 110, kCityHint);
    pnlTaxBase = StatusPanel(bar, "pnlTaxBase", 55, "Tax Base");
    pnlNote = new QLabel(bar);
    pnlNote->setObjectName(QStringLiteral("pnlNote"));
    pnlNote->setToolTip(QStringLiteral("The level holds hexes beyond this; they are not drawn."));
    for (QWidget* widget : std::initializer_list<QWidget*>{btnShowPanel, pnlCoord, pnlTerrain, pnlCity, pnlTaxBase})
        layout->addWidget(widget);
    layout->addWidget(pnlNote, 1);
    return bar;
}

void TfrmMap::BuildPopupMenu() {
    pmMap = new QMenu(this);
    pmMap->setObjectName(QStringLiteral("pmMap"));
    auto add = [this](const char* name, const char* caption) {
        QAction* action = pmMap->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    mnuViewHex = add("mnuViewHex", "&View Hex Details");
    mnuCreateMarker = add("mnuCreateMarker", "Create &Marker");
    pmMap->addSeparator();
    mnuCentreOnHex = add("mnuCentreOnHex", "&Centre on Hex");
    pmMap->addSeparator();
    mnuTrackUnit = add("mnuTrackUnit", "&Track Unit");
    pmMap->addSeparator();
    mnuExportMapImage = add("mnuExportMapImage", "&Export Map Image");
    connect(mnuViewHex, &QAction::triggered, this, &TfrmMap::ShowHexInfo);
    connect(mnuCreateMarker, &QAction::triggered, this, &TfrmMap::mnuCreateMarkerClick);
    connect(mnuCentreOnHex, &QAction::triggered, this, &TfrmMap::mnuCentreOnHexClick);
    connect(mnuTrackUnit, &QAction::triggered, this, &TfrmMap::mnuTrackUnitClick);
    connect(mnuExportMapImage, &QAction::triggered, this, &TfrmMap::mnuExportMapImageClick);
}

void TfrmMap::SetLevel(Level level) {
    if (level == level_) return;
    level_ = level;
    UpdateLevel();
}

void TfrmMap::UpdateLevel() {
    FillLevelChoice(*cbLevel, main_.Levels(), level_);
    setWindowTitle(LevelTitle(level_) + QStringLiteral(" Map"));
    if (overview_.LinkedMap() == this) overview_.SetLevel(level_);
    extent_ = FitMapToLevel(map_, main_, level_);
    status_.Forget();
    ShowCapNote();
    RepaintMap();
}

void TfrmMap::ShowCapNote() {
    if (!extent_.Capped()) {
        pnlNote->clear();
        return;
    }
    QStringList parts;
    if (extent_.ColumnsCapped) parts << QStringLiteral("%1 columns").arg(extent_.Columns);
    if (extent_.RowsCapped) parts << QStringLiteral("%1 rows").arg(extent_.Rows);
    pnlNote->setText(QStringLiteral("Map cut at ") + parts.join(QStringLiteral(" and ")));
}

void TfrmMap::RepaintMap() { theMap->update(); }

void TfrmMap::ShowRoutes() {
    if (windows_.Preview == nullptr) return;
    options_.Routes = windows_.Preview->Routes();
    ShowRouteUnit();
}

void TfrmMap::ShowRouteUnit() {
    if (windows_.Preview == nullptr) return;
    options_.RouteUnit = windows_.Preview->SelectedUnit();
    RepaintMap();
}

void TfrmMap::RecordsChanged(RecordChange kind) {
    setEnabled(true);
    if (ReplacesRecords(kind)) {
        UpdateLevel();  // the level's hexes, and so its size, may differ
    } else {
        RepaintMap();  // marks, wedges and colours over the same hexes
    }
}

void TfrmMap::PaintExposed(DrawingSurface& surface) {
    PaintLevel(main_, level_, options_, map_, surface);
    // The overview's rectangle follows this window's view.
    if (overview_.LinkedMap() == this) overview_.RequestRepaint();
}

void TfrmMap::ResizeMapWidget() { theMap->resize(map_.Width(), map_.Height()); }

QSize TfrmMap::ClientSize() const { return scrMap->viewport()->size(); }

QPoint TfrmMap::ScrollPosition() const {
    if (pending_scroll_) return *pending_scroll_;
    return {scrMap->horizontalScrollBar()->value(), scrMap->verticalScrollBar()->value()};
}

void TfrmMap::SetScrollPosition(QPoint position) {
    position = QPoint(std::max(position.x(), 0), std::max(position.y(), 0));
    // Before the first showing the scroll range is not known yet; the position waits for it.
    if (!isVisible()) {
        pending_scroll_ = position;
        return;
    }
    pending_scroll_.reset();
    scrMap->horizontalScrollBar()->setValue(position.x());
    scrMap->verticalScrollBar()->setValue(position.y());
}

void TfrmMap::ScrollToCentre(int32_t px, int32_t py) {
    const QSize client = ClientSize();
    SetScrollPosition(QPoint(px - client.width() / 2, py - client.height() / 2));
}

void TfrmMap::ZoomIn() {
    if (map_.HexSide() >= kLargestMapSide) return;
    ChangeZoom(+1);
}

void TfrmMap::ZoomOut() {
    if (map_.Zoom() <= 1) return;
    ChangeZoom(-1);
}

void TfrmMap::ChangeZoom(int32_t step) {
    const QSize client = ClientSize();
    const QPoint position = ScrollPosition();
    const int64_t cx =
        map_.Width() > client.width() ? client.width() / 2 + position.x() : map_.Width() / 2;
    const int64_t cy =
        map_.Height() >= client.height() ? client.height() / 2 + position.y() : map_.Height() / 2;
    const int64_t old_width = map_.HexWidth();
    map_.SetZoom(map_.Zoom() + step);
    const int64_t new_width = map_.HexWidth();
    ScrollToCentre(SaturateToInt32(RoundHalfEven(cx * new_width, old_width)),
                   SaturateToInt32(RoundHalfEven(cy * new_width, old_width)));
}

void TfrmMap::ZoomAround(int32_t steps, QPoint pixel) {
    // The hex under the pointer stays under it, at the same place within the hex.
    const QPoint in_view = pixel - ScrollPosition();
    for (int32_t i = 0; i < std::min(std::abs(steps), kMaxMapZoom); ++i) {
        const GridCell cell = map_.PixelToHex(Point{pixel.x(), pixel.y()});
        const Point old_origin = map_.HexOrigin(cell);
        const int64_t old_width = map_.HexWidth();
        const int32_t old_zoom = map_.Zoom();
        if (steps > 0)
            ZoomIn();
        else
            ZoomOut();
        if (map_.Zoom() == old_zoom) break;
        const Point new_origin = map_.HexOrigin(cell);
        const int64_t new_width = map_.HexWidth();
        pixel = QPoint(new_origin.x + SaturateToInt32(RoundHalfEven((pixel.x() - old_origin.x) * new_width, old_width)),
                       new_origin.y + SaturateToInt32(RoundHalfEven((pixel.y() - old_origin.y) * new_width, old_width)));
    }
    SetScrollPosition(pixel - in_view);
}

void TfrmMap::PanBy(QPoint delta) { SetScrollPosition(ScrollPosition() + delta); }

void TfrmMap::CentreOnHex(const Place& place, bool keep_level) {
    const GridCell cell = GameToGrid(place.X, place.Y);
    if (!keep_level) SetLevel(place.Where);
    if (!map_.IsValidHex(cell)) return;
    const Point origin = map_.HexOrigin(cell);
    ScrollToCentre(origin.x, origin.y);
}

GamePoint TfrmMap::VisibleTopLeft() const {
    const QPoint position = ScrollPosition();
    const GridCell cell = map_.PixelToHex(Point{position.x(), position.y()});
    return GridToGame(std::max(cell.Column, 0), std::max(cell.Row, 0));
}

GamePoint TfrmMap::VisibleBottomRight() const {
    const QPoint position = ScrollPosition();
    const QSize client = ClientSize();
    const GridCell cell =
        map_.PixelToHex(Point{client.width() + position.x() - 1, client.height() + position.y() - 1});
    const GamePoint corner = GridToGame(cell.Column, cell.Row);
    // Limited to the level, and to the part of it that is drawn when the level was cut.
    const TVelHexList& hexes = main_.HexesOf(level_);
    const int32_t max_x = std::min(hexes.MaxX(), extent_.Columns - 1);
    const int32_t max_y = std::min(hexes.MaxY(), extent_.Rows * 2 - 1);
    return {std::min(corner.X, max_x), std::min(corner.Y, max_y)};
}

void TfrmMap::MapMouseMove(QPoint pixel) {
    map_.MouseMove(Point{pixel.x(), pixel.y()}, nullptr);
    const GridCell cell = map_.MouseHex();
    switch (status_.PointerAt(cell, map_.IsValidHex(cell))) {
        case MapStatusTracker::Change::None: return;
        case MapStatusTracker::Change::ClearCoord: ShowValue(pnlCoord, QString()); return;
        case MapStatusTracker::Change::Rewrite: break;
    }
    const GamePoint at = GridToGame(cell.Column, cell.Row);
    const MapStatusTexts texts = HexStatusTexts(at, main_.HexesOf(level_).Find(at));
    ShowValue(pnlCoord, ToQString(texts.Coord));
    ShowValue(pnlTerrain, ToQString(texts.Terrain));
    SetFittedText(pnlCity, ToQString(texts.City), QString::fromLatin1(kCityHint));
    ShowValue(pnlTaxBase, ToQString(texts.TaxBase));
}

void TfrmMap::ShowPopup(QPoint pixel, QPoint global) {
    MapMouseMove(pixel);
    const GridCell cell = map_.MouseHex();
    if (!map_.IsValidHex(cell)) return;
    const GamePoint at = GridToGame(cell.Column, cell.Row);
    mnuViewHex->setEnabled(main_.HexesOf(level_).Find(at) != nullptr);
    pmMap->popup(global);
}

void TfrmMap::ShowHexInfo() {
    const GridCell cell = map_.MouseHex();
    const GamePoint at = GridToGame(cell.Column, cell.Row);
    windows_.ShowHex({at.X, at.Y, level_}, this);
}

void TfrmMap::mnuCreateMarkerClick() {
    const GridCell cell = map_.MouseHex();
    const GamePoint at = GridToGame(cell.Column, cell.Row);
    auto marker = std::make_unique<TVelMapMarker>(std::string(), Place{at.X, at.Y, level_});
    if (!TfrmEditMarker::Edit(this, *marker)) return;
    windows_.Notice().Change(RecordChange::MarkersChanged, [&] { main_.Markers.Add(std::move(marker)); });
}

void TfrmMap::mnuCentreOnHexClick() {
    const GridCell cell = map_.MouseHex();
    const GamePoint at = GridToGame(cell.Column, cell.Row);
    CentreOnHex({at.X, at.Y, level_}, true);
}

void TfrmMap::mnuTrackUnitClick() { TrackUnit(std::nullopt); }

void TfrmMap::TrackUnit(std::optional<int32_t> unit) {
    const UnitPicker pick = [this](QWidget* parent) -> std::optional<int32_t> {
        const std::optional<UnitKey> chosen =
            TfrmUnitList::SelectUnit(windows_, parent, QStringLiteral("Select Unit"), std::nullopt);
        return chosen ? std::optional<int32_t>(chosen->Number) : std::nullopt;
    };
    if (TfrmTrackUnit::Execute(this, main_, options_, unit, pick)) RepaintMap();
}

void TfrmMap::DefineWedges() {
    TfrmWedges::Execute(windows_, this, options_.WedgeSlots);
    RepaintMap();
}

void TfrmMap::mnuExportMapImageClick() {
    const QString name = Prompts().SaveFileName(this, QStringLiteral("Export Map Image"), QString(),
                                                QStringLiteral("PNG images (*.png)"), QStringLiteral("png"));
    if (name.isEmpty()) return;
    RunWithBusyCursor(this, [&] { SaveLevelImage(main_, level_, options_, map_.Zoom(), FromQString(name)); });
}

// Settings of earlier versions name the level by "Overworld" alone.
Level TfrmMap::LevelInSettings(const ProfileFile& file, const std::string& section) {
    const std::string label = file.ReadString(section, "Level");
    const Level older = file.ReadBool(section, "Overworld", true) ? Level::Surface : Level::Underworld;
    return label.empty() ? older : Level::FromLabel(label).value_or(older);
}

void TfrmMap::SaveSettings(ProfileFile& file, const std::string& section, bool active) const {
    const QRect bounds = (isMaximized() || isMinimized()) ? normal_bounds_ : geometry();
    const QPoint position = ScrollPosition();
    file.WriteInteger(section, "Left", bounds.left());
    file.WriteInteger(section, "Top", bounds.top());
    file.WriteInteger(section, "Width", bounds.width());
    file.WriteInteger(section, "Height", bounds.height());
    file.WriteBool(section, "Maximised", FrameMaximised(*this));
    file.WriteBool(section, "ControlPanel", !pnlControls->isHidden());
    file.WriteInteger(section, "MapLeft", position.x());
    file.WriteInteger(section, "MapTop", position.y());
    // The level by name; "Overworld" too, which is all that earlier versions read.
    file.WriteString(section, "Level", level_.Label());
    file.WriteBool(section, "Overworld", level_ == Level::Surface);
    file.WriteInteger(section, "Zoom", map_.Zoom());
    for (const DisplaySwitch& entry : kSwitches) file.WriteBool(section, entry.key, options_.*entry.option);
    for (size_t i = 0; i < options_.WedgeSlots.size(); ++i)
        file.WriteInteger(section, "Wedge" + std::to_string(i + 1), options_.WedgeSlots[i]);
    file.WriteBool(section, "Active", active);
}

void TfrmMap::LoadSettings(const ProfileFile& file, const std::string& section) {
    const QRect current = (isMaximized() || isMinimized()) ? normal_bounds_ : geometry();
    const QRect wanted(file.ReadInteger(section, "Left", current.left()), file.ReadInteger(section, "Top", current.top()),
                       file.ReadInteger(section, "Width", current.width()),
                       file.ReadInteger(section, "Height", current.height()));
    const QSize area = mdiArea() ? mdiArea()->viewport()->size() : QSize();
    if (isMaximized()) showNormal();
    setGeometry(ClampBounds(wanted, area));
    if (file.ReadBool(section, "Maximised", false)) showMaximized();

    SetLevel(LevelInSettings(file, section));
    const bool panel = file.ReadBool(section, "ControlPanel", true);
    pnlControls->setVisible(panel);
    btnShowPanel->setArrowType(panel ? Qt::LeftArrow : Qt::RightArrow);
    map_.SetZoom(std::clamp(file.ReadInteger(section, "Zoom", kDefaultMapZoom), 1, kMaxMapZoom));
    SetScrollPosition(QPoint(file.ReadInteger(section, "MapLeft", 0), file.ReadInteger(section, "MapTop", 0)));
    // A switch the settings do not name yet keeps its own default.
    static const MapViewOptions kDefaults;
    for (size_t i = 0; i < kSwitches.size(); ++i)
        switches_[i]->setChecked(file.ReadBool(section, kSwitches[i].key, kDefaults.*kSwitches[i].option));
    for (size_t i = 0; i < options_.WedgeSlots.size(); ++i) {
        const int32_t slot = file.ReadInteger(section, "Wedge" + std::to_string(i + 1), -1);
        options_.WedgeSlots[i] = slot < -1 ? -1 : slot;
    }
    RepaintMap();
}

void TfrmMap::closeEvent(QCloseEvent* event) {
    overview_.LinkMap(nullptr);
    QMdiSubWindow::closeEvent(event);
}

void TfrmMap::moveEvent(QMoveEvent* event) {
    QMdiSubWindow::moveEvent(event);
    if (windowState() == Qt::WindowNoState) normal_bounds_ = geometry();
}

void TfrmMap::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    if (windowState() == Qt::WindowNoState) normal_bounds_ = geometry();
}

void TfrmMap::showEvent(QShowEvent* event) {
    QMdiSubWindow::showEvent(event);
    if (pending_scroll_) SetScrollPosition(*pending_scroll_);
}

}  // namespace hexwarden
