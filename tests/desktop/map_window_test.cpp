#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <gtest/gtest.h>

#include "model/database.h"
#include "platform/profile_file.h"
#include "qt_surface/qt_text.h"
#include "tests/desktop/scripted_prompts.h"
#include "tests/support/database_builder.h"
#include "tests/support/fixtures.h"
#include "windows/information_windows.h"
#include "windows/map_overview.h"
#include "windows/map_widget.h"
#include "windows/map_window.h"
#include "windows/marker_dialog.h"
#include "windows/track_unit_dialog.h"

namespace hexwarden {
namespace {

using testing::MakeHex;
using testing::ScriptedPrompts;

// Every hex of a columns x rows grid on the overworld, and one underworld hex.
void FillLevel(TVelMain& db, int32_t columns, int32_t rows) {
    for (int32_t x = 0; x < columns; ++x)
        for (int32_t y = x % 2; y < 2 * rows; y += 2) db.OverworldHexes.AddOrMerge(MakeHex(db, x, y));
    db.UnderworldHexes.AddOrMerge(MakeHex(db, 2, 2, true, 1, Level::Underworld));
}

class MapWindowTest : public ::testing::Test {
protected:
    MapWindowTest() : overview(db) {
        FillLevel(db, 120, 100);
        overview.Refresh();
        area.resize(900, 700);
        area.show();
        map = new TfrmMap(windows, overview);
        area.addSubWindow(map);
        map->setGeometry(0, 0, 600, 450);
        map->show();
        overview.LinkMap(map);
        QApplication::processEvents();
    }

    QSize Client() const { return map->findChild<QScrollArea*>("scrMap")->viewport()->size(); }
    QString Panel(const char* name) const { return map->findChild<QLabel*>(name)->text(); }
    void MoveMouse(QPoint pixel) {
        QMouseEvent move(QEvent::MouseMove, pixel, map->mapToGlobal(pixel), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(map->findChild<HexMapWidget*>("theMap"), &move);
    }

    TVelMain db;
    TRecordsNotice notice;
    QWidget owner;
    InformationWindows windows{db, notice, &owner, {}};
    TfrmMapOverview overview;
    QMdiArea area;
    TfrmMap* map = nullptr;
};

TEST_F(MapWindowTest, CtrlWheelZoomsAroundTheHexUnderThePointer) {
    map->ScrollToCentre(1200, 1200);
    const QPoint in_view(150, 100);
    const QPoint pixel = map->ScrollPosition() + in_view;
    const GridCell cell = map->Map().PixelToHex(Point{pixel.x(), pixel.y()});
    QWheelEvent wheel(pixel, map->mapToGlobal(pixel), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(map->findChild<HexMapWidget*>("theMap"), &wheel);
    EXPECT_EQ(map->Zoom(), 7);
    const QPoint now = map->ScrollPosition() + in_view;
    EXPECT_EQ(map->Map().PixelToHex(Point{now.x(), now.y()}), cell);
}

TEST_F(MapWindowTest, VisibleCornersFollowTheViewAndStayOnTheLevel) {
    EXPECT_EQ(map->VisibleTopLeft(), (GamePoint{0, 0}));
    const QSize client = Client();
    const GridCell corner = map->Map().PixelToHex(Point{client.width() - 1, client.height() - 1});
    EXPECT_EQ(map->VisibleBottomRight(), GridToGame(corner.Column, corner.Row));

    map->ScrollToCentre(100000, 100000);  // as far as the scroll range allows
    EXPECT_EQ(map->VisibleBottomRight(), (GamePoint{119, 199}));
    EXPECT_EQ(map->ScrollPosition().x() + client.width(), map->Map().Width());

    for (int i = 0; i < 4; ++i) map->ZoomOut();  // zoom 1: the map is smaller than the view
    EXPECT_EQ(map->VisibleBottomRight(), (GamePoint{119, 199}));
}

TEST_F(MapWindowTest, CentreOnHexSwitchesLevelUnlessKept) {
    map->CentreOnHex({60, 100, Level::Surface}, false);
    const Point origin = map->Map().HexOrigin(GameToGrid(60, 100));
    EXPECT_EQ(map->ScrollPosition(), QPoint(origin.x - Client().width() / 2, origin.y - Client().height() / 2));

    map->CentreOnHex({2, 2, Level::Underworld}, true);
    EXPECT_EQ(map->CurrentLevel(), Level::Surface);
    map->CentreOnHex({2, 2, Level::Underworld}, false);
    EXPECT_EQ(map->CurrentLevel(), Level::Underworld);
    EXPECT_EQ(map->windowTitle(), "Underworld Map");
    EXPECT_EQ(overview.CurrentLevel(), Level::Underworld);  // the partner's level is followed
    EXPECT_EQ(map->ScrollPosition(), QPoint(0, 0));
}

TEST_F(MapWindowTest, SettingsAreWrittenInOrderAndReadBackClamped) {
    map->ZoomIn();
    map->ScrollToCentre(900, 700);
    ProfileFile file;
    map->SaveSettings(file, "Map1", true);
    const QPoint position = map->ScrollPosition();
    const std::string expected =
        "[Map1]\nLeft=0\nTop=0\nWidth=600\nHeight=450\nMaximised=0\nControlPanel=1\nMapLeft=" +
        std::to_string(position.x()) + "\nMapTop=" + std::to_string(position.y()) +
        "\nLevel=surface\nOverworld=1\nZoom=6\nShow Unconfirmed=1\nShow Grid=1\nShow Cities=1\nShow Gates=1\nShow Shafts=1\n"
        "Show Tags=1\nShow Markers=1\nShow Marker Tags=1\nShow Wedges=1\nShow Routes=0\nWedge1=-1\nWedge2=-1\nWedge3=-1\n"
        "Wedge4=-1\nWedge5=-1\nWedge6=-1\nActive=1\n";
    std::string written = file.ToBytes();
    std::erase(written, '\r');
    EXPECT_EQ(written, expected);

    // A maximised window keeps the bounds it returns to.
    map->showMaximized();
    ProfileFile maximised;
    map->SaveSettings(maximised, "Map1", false);
    EXPECT_EQ(maximised.ReadInteger("Map1", "Width", 0), 600);
    EXPECT_TRUE(maximised.ReadBool("Map1", "Maximised", false));

    TfrmMap* other = new TfrmMap(windows, overview);
    area.addSubWindow(other);
    other->show();
    other->LoadSettings(file, "Map1");
    EXPECT_EQ(other->geometry(), QRect(0, 0, 600, 450));
    EXPECT_EQ(other->Zoom(), 6);
    EXPECT_EQ(other->ScrollPosition(), position);

    ProfileFile hostile = ProfileFile::Parse(
        "[Map2]\nLeft=-99999\nTop=99999\nWidth=0\nHeight=999999\nZoom=999\nMapLeft=-50\nOverworld=0\n"
        "Show Grid=0\nWedge3=-7\nWedge4=2\n");
    other->LoadSettings(hostile, "Map2");
    EXPECT_EQ(other->Zoom(), 17);
    EXPECT_EQ(other->CurrentLevel(), Level::Underworld);
    EXPECT_FALSE(other->ViewOptions().ShowGrid);
    EXPECT_EQ(other->ViewOptions().WedgeSlots[2], -1);
    EXPECT_EQ(other->ViewOptions().WedgeSlots[3], 2);
    EXPECT_EQ(other->ScrollPosition().x(), 0);
    const QRect bounds = other->geometry();
    EXPECT_GE(bounds.right(), 0);
    EXPECT_LT(bounds.top(), area.viewport()->height());
    EXPECT_GE(bounds.width(), 100);
    EXPECT_LE(bounds.height(), 16000);

    // The level by name, one the database holds no hex of included; a name that is no level falls
    // back on the older key.
    other->LoadSettings(ProfileFile::Parse("[Map3]\nLevel=abyss\nOverworld=0\n"), "Map3");
    EXPECT_EQ(other->CurrentLevel(), *Level::FromLabel("abyss"));
    EXPECT_EQ(other->windowTitle(), "Abyss Map");
    other->LoadSettings(ProfileFile::Parse("[Map4]\nLevel=lunar\nOverworld=0\n"), "Map4");
    EXPECT_EQ(other->CurrentLevel(), Level::Underworld);
}

TEST_F(MapWindowTest, StatusBarIsWrittenOncePerHexAndLeavingEmptiesOnlyTheCoordinate) {
    const Point centre = map->Map().HexCentre(GameToGrid(4, 6));
    MoveMouse(QPoint(centre.x, centre.y));
    EXPECT_EQ(Panel("pnlCoord"), "4, 6");
    EXPECT_EQ(Panel("pnlTaxBase"), "$0");
    // Screen readers and scripts read the values from the names.
    const auto name = [this](const char* panel) { return map->findChild<QLabel*>(panel)->accessibleName(); };
    EXPECT_EQ(name("pnlCoord"), "Hex Coordinate: 4, 6");
    EXPECT_EQ(name("pnlTaxBase"), "Tax Base: $0");

    map->findChild<QLabel*>("pnlTerrain")->setText("kept");
    MoveMouse(QPoint(centre.x + 1, centre.y));
    EXPECT_EQ(Panel("pnlTerrain"), "kept");

    MoveMouse(QPoint(map->Map().Width() + 5, centre.y));
    EXPECT_EQ(Panel("pnlCoord"), "");
    EXPECT_EQ(name("pnlCoord"), "Hex Coordinate");
    EXPECT_EQ(Panel("pnlTerrain"), "kept");
    // Coming back to the same hex shows it again.
    MoveMouse(QPoint(centre.x, centre.y));
    EXPECT_EQ(Panel("pnlCoord"), "4, 6");
}

TEST_F(MapWindowTest, PanningAtTheMapsEdgeShowsTheHexThePointerReaches) {
    auto* widget = map->findChild<HexMapWidget*>("theMap");
    const auto send = [widget](QEvent::Type type, Point at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPoint(at.x, at.y), widget->mapToGlobal(QPoint(at.x, at.y)), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    };
    const Point grabbed = map->Map().HexCentre(GameToGrid(10, 10));
    MoveMouse(QPoint(grabbed.x, grabbed.y));
    send(QEvent::MouseButtonPress, grabbed, Qt::MiddleButton, Qt::MiddleButton);
    // Dragged towards the bottom right from the top-left corner: the map cannot follow.
    send(QEvent::MouseMove, map->Map().HexCentre(GameToGrid(13, 11)), Qt::NoButton, Qt::MiddleButton);
    EXPECT_EQ(map->ScrollPosition(), QPoint(0, 0));
    EXPECT_EQ(Panel("pnlCoord"), "13, 11");
    send(QEvent::MouseButtonRelease, grabbed, Qt::MiddleButton, Qt::NoButton);
}

TEST_F(MapWindowTest, ALongCityNameIsCutToItsPanelWithTheWholeNameAsTooltip) {
    const auto show_city = [this](int32_t x, int32_t y, const char* name, uint8_t size) {
        TVelHex& hex = *db.OverworldHexes.FindXY(x, y);
        hex.SettlementName = name;
        hex.SettlementSize = size;
        const Point centre = map->Map().HexCentre(GameToGrid(x, y));
        MoveMouse(QPoint(centre.x, centre.y));
        return map->findChild<QLabel*>("pnlCity");
    };
    const QLabel* city = show_city(4, 6, "Thandianost upon the Silver Marches", 3);
    EXPECT_TRUE(city->text().endsWith(QChar(0x2026))) << city->text().toStdString();
    EXPECT_LE(city->fontMetrics().horizontalAdvance(city->text()), city->contentsRect().width());
    EXPECT_EQ(city->toolTip(), "Thandianost upon the Silver Marches [City]");
    city = show_city(6, 6, "Ox", 1);
    EXPECT_EQ(city->text(), "Ox [Village]");
    EXPECT_EQ(city->toolTip(), "Population Centre");
}

TEST_F(MapWindowTest, CreateMarkerAddsTheAcceptedMarkerAtTheMouseHex) {
    const Point centre = map->Map().HexCentre(GameToGrid(7, 9));
    MoveMouse(QPoint(centre.x, centre.y));
    int changes = 0;
    QObject::connect(&notice, &TRecordsNotice::RecordsChanged, [&changes](RecordChange kind) {
        changes += kind == RecordChange::MarkersChanged;
    });
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("edName")->setText("  Camp ");
        dialog->findChild<QPushButton*>("btnAccept")->click();
    });
    map->findChild<QAction*>("mnuCreateMarker")->trigger();
    ASSERT_EQ(db.Markers.Count(), 1);
    EXPECT_EQ(changes, 1);
    const TVelMapMarker& marker = *db.Markers.Get(0);
    EXPECT_EQ(marker.Text, "Camp");
    EXPECT_EQ((GamePoint{marker.X, marker.Y}), (GamePoint{7, 9}));
    EXPECT_EQ(marker.Where, Level::Surface);
}

TEST_F(MapWindowTest, OverviewDrawsThePartnerRectangleAndCentresItOnDoubleClick) {
    EXPECT_EQ(overview.PictureSize(), QSize(120, 100));
    overview.resize(200, 150);
    overview.show();
    QApplication::processEvents();
    const QImage shot = overview.findChild<QWidget*>("pbMap")->grab().toImage();
    const GamePoint bottom_right = map->VisibleBottomRight();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(bottom_right.X, bottom_right.Y / 2), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(190, 130), QColor(128, 0, 0));

    overview.CentrePartnerAt(QPoint(60, 50));
    const Point origin = map->Map().HexOrigin(GridCell{60, 50});
    EXPECT_EQ(map->ScrollPosition(), QPoint(origin.x - Client().width() / 2, origin.y - Client().height() / 2));

    overview.SwitchLevel(Level::Underworld);  // by hand, to the other level: double-clicks do nothing
    overview.CentrePartnerAt(QPoint(0, 0));
    EXPECT_EQ(map->ScrollPosition(), QPoint(origin.x - Client().width() / 2, origin.y - Client().height() / 2));

    map->close();
    EXPECT_EQ(overview.LinkedMap(), nullptr);
}

TEST_F(MapWindowTest, TrackUnitTakesTheDialogsChoiceAndActivationLinksTheOverview) {
    TVelUnit& unit = *db.Units.AddOrReplace(testing::MakeUnit(db, 5, 1, 4, 6));
    QTimer::singleShot(0, [&unit] {
        auto* dialog = qobject_cast<TfrmTrackUnit*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->ShowUnit(unit.Number);
        dialog->findChild<QPushButton*>("btnOK")->click();
    });
    map->findChild<QAction*>("mnuTrackUnit")->trigger();
    EXPECT_EQ(map->ViewOptions().TrackedUnit, 5);
    EXPECT_EQ(map->ViewOptions().TrackTurns, -1);

    auto* underworld = new TfrmMap(windows, overview);
    area.addSubWindow(underworld);
    underworld->SetLevel(Level::Underworld);
    underworld->show();
    area.setActiveSubWindow(underworld);
    EXPECT_EQ(overview.LinkedMap(), underworld);
    EXPECT_EQ(overview.CurrentLevel(), Level::Underworld);
    area.setActiveSubWindow(map);
    EXPECT_EQ(overview.LinkedMap(), map);
    EXPECT_EQ(overview.CurrentLevel(), Level::Surface);
}

TEST_F(MapWindowTest, ExportMapImageWritesTheShownLevelOrSaysWhyNot) {
    ScriptedPrompts prompts;
    testing::ScratchDir folder;
    const QString out = ToQString((folder / "map.png").string());
    prompts.FileNames = {QString(), out, ToQString((folder / "missing/map.png").string())};
    QAction* export_image = map->findChild<QAction*>("mnuExportMapImage");
    export_image->trigger();  // cancelled
    EXPECT_FALSE(QFile::exists(out));
    export_image->trigger();
    EXPECT_EQ(QImage(out).size(), QSize(map->Map().Width(), map->Map().Height()));
    EXPECT_TRUE(prompts.Shown.isEmpty());
    export_image->trigger();
    ASSERT_EQ(prompts.Shown.size(), 1);
    EXPECT_TRUE(prompts.Shown[0].startsWith("error: Cannot write the map image")) << prompts.Shown[0].toStdString();
}

TEST_F(MapWindowTest, HugeCoordinateCutsTheMapAndSaysSo) {
    db.OverworldHexes.AddOrMerge(MakeHex(db, 60000, 60000));
    map->UpdateLevel();
    EXPECT_TRUE(map->LevelCapped());
    EXPECT_EQ(map->Map().X(), THexMap::kMaxColumns);
    EXPECT_EQ(Panel("pnlNote"), QStringLiteral("Map cut at %1 columns and %2 rows")
                                    .arg(THexMap::kMaxColumns)
                                    .arg(THexMap::kMaxRows));
    overview.Refresh();
    EXPECT_EQ(overview.PictureSize(), QSize(THexMap::kMaxColumns, THexMap::kMaxRows));

    ScriptedPrompts prompts;
    testing::ScratchDir folder;
    const QString huge = ToQString((folder / "huge.png").string());
    prompts.FileNames = {huge};
    map->findChild<QAction*>("mnuExportMapImage")->trigger();
    ASSERT_EQ(prompts.Shown.size(), 1);
    EXPECT_TRUE(prompts.Shown[0].contains("million pixels")) << prompts.Shown[0].toStdString();
    EXPECT_FALSE(QFile::exists(huge));
}

TEST(TrackUnitDialogTest, AllTurnsGivesMinusOneAndAnUnknownUnitNone) {
    TVelMain db;
    TfrmTrackUnit dialog(nullptr, db);
    MapViewOptions options;
    options.TrackedUnit = 77;  // no longer in the database
    dialog.ShowTrack(options);
    EXPECT_FALSE(dialog.findChild<QLineEdit*>("edTurns")->isEnabled());
    EXPECT_EQ(dialog.findChild<QLineEdit*>("edTurns")->text(), "10");
    dialog.StoreTrack(options);
    EXPECT_EQ(options.TrackedUnit, 0);
    EXPECT_EQ(options.TrackTurns, -1);

    dialog.findChild<QCheckBox*>("chkAllTurns")->setChecked(false);
    dialog.findChild<QLineEdit*>("edTurns")->setText("x");
    dialog.StoreTrack(options);
    EXPECT_EQ(options.TrackTurns, 0);
}

TEST(MarkerDialogTest, RefusesBlankNamesAndBadCoordinates) {
    ScriptedPrompts prompts;
    TfrmEditMarker dialog(nullptr);
    TVelMapMarker marker("", Place{3, 5, Level::Underworld});
    dialog.ShowMarker(marker);
    auto* accept = dialog.findChild<QPushButton*>("btnAccept");
    auto* name = dialog.findChild<QLineEdit*>("edName");
    auto* x = dialog.findChild<QLineEdit*>("edXCoord");

    name->setText("   ");
    accept->click();
    for (const char* bad : {"abc", "-1", "", "$1F", "0x1F"}) {
        name->setText(" Ford ");
        x->setText(bad);
        accept->click();
    }
    EXPECT_EQ(prompts.Shown, QStringList({"error: Please enter a name for the marker.", "error: Invalid coordinates.",
                                          "error: Invalid coordinates.", "error: Invalid coordinates.",
                                          "error: Invalid coordinates.", "error: Invalid coordinates."}));
    EXPECT_NE(dialog.result(), QDialog::Accepted);

    x->setText("0");
    accept->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    dialog.StoreMarker(marker);
    EXPECT_EQ(marker.Text, "Ford");
    EXPECT_EQ((GamePoint{marker.X, marker.Y}), (GamePoint{0, 5}));
    EXPECT_EQ(marker.Where, Level::Underworld);
}

}  // namespace
}  // namespace hexwarden
