#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <functional>
#include <stdexcept>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "app/map_frame.h"
#include "map/level_painter.h"
#include "model/database.h"
#include "qt_surface/qt_text.h"
#include "tests/desktop/scripted_prompts.h"
#include "tests/support/database_builder.h"
#include "tests/support/fixtures.h"
#include "tests/support/recording_surface.h"
#include "windows/export_data_dialog.h"
#include "windows/information_windows.h"
#include "windows/map_overview.h"
#include "windows/map_window.h"
#include "windows/marker_list.h"
#include "windows/tree_list.h"
#include "windows/wedge_window.h"

namespace hexwarden {
namespace {

using testing::MakeHex;
using testing::ScratchDir;
using testing::ScriptedPrompts;

template <typename Widget>
Widget& Child(const QWidget* window, const char* name) {
    auto* child = window->findChild<Widget*>(QString::fromLatin1(name));
    if (child == nullptr) throw std::runtime_error(std::string("no control ") + name);
    return *child;
}

void Click(const QWidget* window, const char* button) { Child<QPushButton>(window, button).click(); }

void PressSpace(QWidget& widget) {
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
    QApplication::sendEvent(&widget, &space);
}

// Acts on the modal window that the next step opens, once it is open.
void OnModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            ADD_FAILURE() << "no modal window open";
            return;
        }
        act(modal);
    });
}

// Fills in and accepts the marker dialog that the next step opens.
void ChooseLevel(QWidget* dialog, Level level) {
    auto& choice = Child<QComboBox>(dialog, "cbLevel");
    choice.setCurrentIndex(choice.findData(ToQString(level.Label())));
}

void AnswerMarkerDialog(const QString& name, int x, int y, Level level) {
    OnModal([=](QWidget* dialog) {
        Child<QLineEdit>(dialog, "edName").setText(name);
        Child<QLineEdit>(dialog, "edXCoord").setText(QString::number(x));
        Child<QLineEdit>(dialog, "edYCoord").setText(QString::number(y));
        ChooseLevel(dialog, level);
        Click(dialog, "btnAccept");
    });
}

QStringList ColumnOf(const TTreeList& list, int column) {
    QStringList texts;
    for (const ListRow& row : list.Model().Rows()) texts << row.Cells[static_cast<size_t>(column)].Text;
    return texts;
}

QString CurrentName(const TTreeList& list) {
    const ListRow* row = list.CurrentRow();
    return row == nullptr ? QString() : row->Cells[0].Text;
}

void SelectRow(TTreeList& list, const QString& first_cell) {
    const std::vector<ListRow>& rows = list.Model().Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].Cells[0].Text == first_cell) {
            list.setCurrentIndex(list.Model().index(static_cast<int>(i), 0));
            return;
        }
    }
    ADD_FAILURE() << "no row " << first_cell.toStdString();
}

class MarkersTest : public ::testing::Test {
protected:
    MarkersTest() {
        AddMarker("camp", 8, 4, Level::Surface);
        AddMarker("Bridge", 3, 5, Level::Underworld);
        AddMarker("apple", 2, 2, Level::Surface);
        QObject::connect(&notice, &TRecordsNotice::RecordsChanged, [this](RecordChange kind) {
            EXPECT_EQ(kind, RecordChange::MarkersChanged);
            ++changes;
        });
    }
    void AddMarker(const char* name, int32_t x, int32_t y, Level level) {
        db.Markers.Add(std::make_unique<TVelMapMarker>(name, Place{x, y, level}));
    }

    TVelMain db;
    TRecordsNotice notice;
    ScriptedPrompts prompts;
    int changes = 0;
};

TEST_F(MarkersTest, ListShowsItsLevelsSortedByNameAndGoToGivesTheMarkersPosition) {
    TfrmMarkerList overworld(db, notice, nullptr, Level::Surface);
    TTreeList& list = overworld.treeList();
    EXPECT_EQ(ColumnOf(list, 0), QStringList({"apple", "camp"}));
    EXPECT_EQ(ColumnOf(list, 1), QStringList({"2,2", "8,4"}));
    EXPECT_EQ(CurrentName(list), "apple");
    EXPECT_EQ(overworld.width(), 255);

    TfrmMarkerList both(db, notice, nullptr, std::nullopt);
    EXPECT_EQ(ColumnOf(both.treeList(), 1), QStringList({"2,2", "3,5*", "8,4"}));

    OnModal([](QWidget* window) {
        auto& rows = Child<TTreeList>(window, "treeList");
        rows.setCurrentIndex({});
        Click(window, "btnGoTo");  // nothing selected: stays open
        ASSERT_TRUE(window->isVisible());
        SelectRow(rows, "camp");
        Click(window, "btnGoTo");
    });
    EXPECT_EQ(TfrmMarkerList::Execute(db, notice, nullptr, Level::Surface), std::optional<int32_t>(0));
    OnModal([](QWidget* window) { Click(window, "btnClose"); });
    EXPECT_EQ(TfrmMarkerList::Execute(db, notice, nullptr, Level::Underworld), std::nullopt);
}

TEST_F(MarkersTest, AddStoresEveryMarkerButShowsOnlyThoseOfItsLevels) {
    TfrmMarkerList list(db, notice, nullptr, Level::Surface);
    SelectRow(list.treeList(), "camp");

    AnswerMarkerDialog(QStringLiteral(" Deep Ford "), 4, 6, Level::Underworld);
    Click(&list, "btnNew");
    ASSERT_EQ(db.Markers.Count(), 4);
    EXPECT_EQ(db.Markers.Get(3)->Text, "Deep Ford");
    EXPECT_EQ(db.Markers.Get(3)->Where, Level::Underworld);
    EXPECT_EQ(ColumnOf(list.treeList(), 0), QStringList({"apple", "camp"}));
    EXPECT_EQ(CurrentName(list.treeList()), "camp");

    AnswerMarkerDialog(QStringLiteral("Bay"), 0, 0, Level::Surface);
    Click(&list, "btnNew");
    EXPECT_EQ(ColumnOf(list.treeList(), 0), QStringList({"apple", "Bay", "camp"}));
    EXPECT_EQ(CurrentName(list.treeList()), "Bay");
    EXPECT_EQ(list.Selected(), std::optional<int32_t>(4));

    OnModal([](QWidget* dialog) { Click(dialog, "btnCancel"); });
    Click(&list, "btnNew");
    EXPECT_EQ(db.Markers.Count(), 5);
    EXPECT_EQ(changes, 2);
}

TEST_F(MarkersTest, RemoveAsksAndTheRowsFollowTheRenumberedList) {
    TfrmMarkerList list(db, notice, nullptr, std::nullopt);
    SelectRow(list.treeList(), "apple");
    Click(&list, "btnRemove");
    EXPECT_EQ(db.Markers.Count(), 3);

    prompts.Answers = {Answer::Yes};
    SelectRow(list.treeList(), "Bridge");
    Click(&list, "btnRemove");
    EXPECT_EQ(prompts.Shown, QStringList({"confirm: Delete this marker?", "confirm: Delete this marker?"}));
    ASSERT_EQ(db.Markers.Count(), 2);
    EXPECT_EQ(ColumnOf(list.treeList(), 0), QStringList({"apple", "camp"}));
    // "apple" moved from position 2 to 1; its row must say so.
    EXPECT_EQ(CurrentName(list.treeList()), "camp");
    SelectRow(list.treeList(), "apple");
    ASSERT_EQ(list.Selected(), std::optional<int32_t>(1));
    EXPECT_EQ(db.Markers.Get(1)->Text, "apple");
    EXPECT_EQ(changes, 1);

    list.treeList().setCurrentIndex({});
    Click(&list, "btnRemove");
    EXPECT_EQ(prompts.Shown.size(), 2);
}

TEST_F(MarkersTest, LocateMarkerListsTheActiveMapsLevelAndKeepsIt) {
    ScratchDir scratch;
    TfrmMain main(scratch / "settings.ini");
    TVelMain& game = main.Database();
    for (int32_t x = 0; x < 60; ++x)
        for (int32_t y = x % 2; y < 80; y += 2) game.UnderworldHexes.AddOrMerge(MakeHex(game, x, y, true, 1, Level::Underworld));
    game.Markers.Add(std::make_unique<TVelMapMarker>("Pit", Place{50, 70, Level::Underworld}));
    game.Markers.Add(std::make_unique<TVelMapMarker>("Hill", Place{2, 2, Level::Surface}));
    main.resize(900, 700);
    main.show();
    auto& locate = Child<QAction>(&main, "mnuLocateMarker");
    EXPECT_FALSE(locate.isEnabled());
    EXPECT_TRUE(Child<QAction>(&main, "mnuExportMapData").isEnabled());

    TfrmMap* map = main.Maps().OpenMapWindow(Level::Underworld, true);
    main.RefreshMaps();
    QApplication::processEvents();
    EXPECT_TRUE(locate.isEnabled());
    const QPoint before = map->ScrollPosition();
    OnModal([](QWidget* window) {
        EXPECT_EQ(ColumnOf(Child<TTreeList>(window, "treeList"), 0), QStringList({"Pit"}));
        Click(window, "btnGoTo");
    });
    locate.trigger();
    EXPECT_EQ(map->CurrentLevel(), Level::Underworld);
    EXPECT_GT(map->ScrollPosition().y(), before.y());
}

// The wedge window opened from a map window's button, with a faction, an alliance and items to
// choose from.
class WedgesTest : public ::testing::Test {
protected:
    WedgesTest() : overview(db) {
        db.Clear();
        db.Factions.AddOrRename("Ironhold", 12);
        auto alliance = std::make_unique<TVelAlliance>();
        alliance->Name = "North Pact";
        alliance->Colour = 0x00FF00;
        db.Alliances.Add(std::move(alliance));
        db.ItemTypes.AddOrUpdate("sword", "swords", 0x123456, "SWOR");
        area = new QMdiArea(&owner);
        map = new TfrmMap(windows, overview);
        area->addSubWindow(map);
        QObject::connect(&notice, &TRecordsNotice::RecordsChanged, [this](RecordChange kind) {
            EXPECT_EQ(kind, RecordChange::WedgesChanged);
            ++changes;
        });
    }

    // Opens the wedge window from the map's button and lets `act` work in it before it closes.
    void DefineWedges(const std::function<void(QWidget*)>& act) {
        OnModal([act](QWidget* window) {
            act(window);
            Click(window, "btnClose");
        });
        Child<QToolButton>(map, "btnWedges").click();
    }
    const std::array<int32_t, 6>& Slots() const { return map->ViewOptions().WedgeSlots; }

    TVelMain db;
    TRecordsNotice notice;
    QWidget owner;
    InformationWindows windows{db, notice, &owner, {}};
    TfrmMapOverview overview;
    QMdiArea* area = nullptr;
    TfrmMap* map = nullptr;
    int changes = 0;
};

TEST_F(WedgesTest, ShowTicksTheSlotOfItsRowAndUntickingEmptiesIt) {
    DefineWedges([](QWidget* window) {
        EXPECT_FALSE(Child<QCheckBox>(window, "chkShow4").isChecked());
        Child<QCheckBox>(window, "chkShow4").setChecked(true);
    });
    EXPECT_EQ(Slots(), (std::array<int32_t, 6>{-1, -1, -1, 3, -1, -1}));
    DefineWedges([](QWidget* window) {
        EXPECT_TRUE(Child<QCheckBox>(window, "chkShow4").isChecked());
        Child<QCheckBox>(window, "chkShow4").setChecked(false);
    });
    EXPECT_EQ(Slots(), (std::array<int32_t, 6>{-1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(changes, 0);
}

TEST_F(WedgesTest, DamagedWedgesOpenWithoutHarm) {
    // A data file may hold fewer wedges, unknown kinds and positions out of range.
    db.Wedges.Get(1)->Kind = 99;
    db.Wedges.Get(1)->Position = 7;
    db.Wedges.Get(1)->Key = "\xff\xfe";
    while (db.Wedges.Count() > 4) db.Wedges.Remove(db.Wedges.Get(db.Wedges.Count() - 1));
    DefineWedges([](QWidget* window) {
        EXPECT_EQ(Child<QComboBox>(window, "cbWedge2").currentIndex(), 0);
        EXPECT_FALSE(Child<QCheckBox>(window, "chkShow2").isChecked());
        EXPECT_FALSE(Child<QCheckBox>(window, "chkShow6").isEnabled());
        Child<QCheckBox>(window, "chkShow2").setChecked(true);
    });
    EXPECT_EQ(db.Wedges.Get(1)->Kind, WedgeKind::Unused);
    EXPECT_EQ(db.Wedges.Get(1)->Key, "");
    EXPECT_EQ(Slots(), (std::array<int32_t, 6>{-1, 1, -1, -1, -1, -1}));
}

TEST_F(WedgesTest, AKindWithoutKeyLosesTheKeyItHad) {
    db.Wedges.Get(0)->Kind = WedgeKind::Faction;
    db.Wedges.Get(0)->Key = "12";
    DefineWedges([](QWidget* window) {
        EXPECT_EQ(Child<QLabel>(window, "pnlWedge1").text(), "12");
        Child<QComboBox>(window, "cbWedge1").setCurrentIndex(WedgeKind::Peasants);
        EXPECT_TRUE(Child<QLabel>(window, "pnlWedge1").isHidden());
    });
    EXPECT_EQ(db.Wedges.Get(0)->Kind, WedgeKind::Peasants);
    EXPECT_EQ(db.Wedges.Get(0)->Key, "");
    EXPECT_EQ(changes, 1);
}

TEST_F(WedgesTest, ChosenKeysAndColoursAreWhatTheMapPaints) {
    db.Wedges.Get(0)->Kind = WedgeKind::Faction;
    db.Wedges.Get(1)->Kind = WedgeKind::Alliance;
    db.Wedges.Get(2)->Kind = WedgeKind::Products;
    db.Wedges.Get(2)->Key = "OLD";
    // Answers the chooser that a click on the panel opens with the row of that first cell.
    const auto choose = [](QWidget* window, const char* panel, const QString& row) {
        OnModal([row](QWidget* chooser) {
            SelectRow(Child<TTreeList>(chooser, "treeList"), row);
            Click(chooser, "btnSelect");
        });
        PressSpace(Child<QLabel>(window, panel));
    };
    DefineWedges([&](QWidget* window) {
        choose(window, "pnlWedge1", QStringLiteral("12"));
        choose(window, "pnlWedge2", QStringLiteral("North Pact"));
        choose(window, "pnlWedge3", QStringLiteral("SWOR"));
        EXPECT_EQ(Child<QLabel>(window, "pnlWedge3").text(), "SWOR");
        OnModal([](QWidget* picker) {
            auto* colours = qobject_cast<QColorDialog*>(picker);
            ASSERT_NE(colours, nullptr);
            colours->setCurrentColor(QColor(255, 0, 0));
            colours->accept();
        });
        PressSpace(Child<QWidget>(window, "shpWedge3"));
        EXPECT_TRUE(Child<QCheckBox>(window, "chkOverrideColour3").isChecked());
        Child<QCheckBox>(window, "chkShow3").setChecked(true);
    });
    EXPECT_EQ(db.Wedges.Get(0)->Key, "12");
    EXPECT_EQ(db.Wedges.Get(1)->Key, "North Pact");
    const TMapWedge& products = *db.Wedges.Get(2);
    EXPECT_EQ(products.Key, "SWOR");
    EXPECT_TRUE(products.UseCustomColour);
    EXPECT_EQ(products.Colour, RgbColour(255, 0, 0));
    EXPECT_EQ(changes, 1);

    auto hex = MakeHex(db, 2, 2);
    hex->Products.AddNew("SWOR", 0, 4);
    db.OverworldHexes.AddOrMerge(std::move(hex));
    THexMap painted;
    painted.SetHexSize(kMapHexSize);
    painted.SetZoom(kDefaultMapZoom);
    FitMapToLevel(painted, db, Level::Surface);
    testing::RecordingSurface surface;
    PaintLevel(db, Level::Surface, map->ViewOptions(), painted, surface);
    EXPECT_NE(std::find(surface.Calls.begin(), surface.Calls.end(), "Brush 0x0000FF solid"), surface.Calls.end());
}

class ExportTest : public ::testing::Test {
protected:
    ExportTest() : dialog(db, nullptr) {
        db.FactionName = "Ironhold";
        db.FactionNumber = 12;
        db.Turn = 30;
        for (auto [x, y] : {std::pair{0, 0}, {4, 2}, {10, 20}, {12, 40}}) {
            auto hex = MakeHex(db, x, y, true, 29);
            hex->Gate = x;
            db.OverworldHexes.AddOrMerge(std::move(hex));
        }
        db.UnderworldHexes.AddOrMerge(MakeHex(db, 1, 1, true, 29, Level::Underworld));
    }

    // Exports with the boxes as given and returns the file.
    std::string Export(QStringList corners) {
        const char* boxes[] = {"edStartX", "edStartY", "edEndX", "edEndY"};
        for (int i = 0; i < 4; ++i) Child<QLineEdit>(&dialog, boxes[i]).setText(corners[i]);
        Click(&dialog, "btnExport");
        return testing::ReadFileBytes(file);
    }
    // The hex headers of a map-data text, in order.
    static QStringList Hexes(const std::string& text) {
        QStringList hexes;
        for (const QString& line : ToQString(text).split(QStringLiteral("\r\n")))
            if (line.startsWith(QStringLiteral("[Hex "))) hexes << line;
        return hexes;
    }

    TVelMain db;
    ScriptedPrompts prompts;
    ScratchDir scratch;
    const std::filesystem::path file = scratch / "out.txt";
    TfrmExportData dialog;
};

TEST_F(ExportTest, RefusesWithoutAFileAndSaysWhyAWriteFailed) {
    Click(&dialog, "btnExport");
    prompts.FileNames = {ToQString((scratch / "no such folder" / "out.txt").string())};
    Click(&dialog, "btnSelectFile");
    Click(&dialog, "btnExport");
    ASSERT_EQ(prompts.Shown.size(), 2);
    EXPECT_EQ(prompts.Shown[0], "error: Please select an export file.");
    EXPECT_TRUE(prompts.Shown[1].startsWith("error: ")) << prompts.Shown[1].toStdString();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(ExportTest, ChoicesReachTheFileAndEmptyCornersMeanTheLevelsEdges) {
    prompts.FileNames = {ToQString(file.string())};
    Click(&dialog, "btnSelectFile");
    EXPECT_EQ(Child<QLabel>(&dialog, "pnlFile").text(), ToQString(file.string()));
    EXPECT_FALSE(Child<QWidget>(&dialog, "pnlUnitData").isEnabled());
    Child<QCheckBox>(&dialog, "chkExportGates").setChecked(true);
    Child<QCheckBox>(&dialog, "chkExportProvince").setChecked(false);

    // Corners in either order.
    std::string text = Export({"10", "20", "4", "2"});
    EXPECT_TRUE(text.starts_with("[VELDORIA DATA]\r\nTurn=30\r\nSource=Ironhold (12)\r\n\r\n\r\n[Hex 4,2,")) << text;
    EXPECT_EQ(Hexes(text), QStringList({"[Hex 4,2,Overworld]", "[Hex 10,20,Overworld]"}));
    EXPECT_NE(text.find("Gate=10\r\n"), std::string::npos);
    EXPECT_EQ(text.find("Province="), std::string::npos);
    EXPECT_EQ(prompts.Shown, QStringList({"information: Export completed successfully."}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    EXPECT_EQ(Hexes(Export({"", "", "", ""})), QStringList({"[Hex 0,0,Overworld]", "[Hex 4,2,Overworld]",
                                                           "[Hex 10,20,Overworld]", "[Hex 12,40,Overworld]"}));
    EXPECT_EQ(Hexes(Export({"5", "", "", "30"})), QStringList({"[Hex 10,20,Overworld]"}));
    ChooseLevel(&dialog, Level::Underworld);
    EXPECT_EQ(Hexes(Export({"", "", "", ""})), QStringList({"[Hex 1,1,Underworld]"}));
}

}  // namespace
}  // namespace hexwarden
