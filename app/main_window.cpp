#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCollator>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <tuple>
#include <utility>

#include "app/level_tabs.h"
#include "app/map_frame.h"
#include "app/place_list.h"
#include "app/settings.h"
#include "import/faction_list_import.h"
#include "import/turn_import.h"
#include "interchange/map_import.h"
#include "interchange/orders_file.h"
#include "map/level_extent.h"
#include "orders/orders_header.h"
#include "platform/message_sink.h"
#include "platform/whole_file.h"
#include "storage/data_file.h"
#include "windows/level_title.h"
#include "windows/about_box.h"
#include "windows/busy_cursor.h"
#include "windows/centre_form.h"
#include "windows/compact_tabs.h"
#include "windows/export_data_dialog.h"
#include "windows/faction_list.h"
#include "windows/import_options_dialog.h"
#include "windows/index_list.h"
#include "windows/information_windows.h"
#include "windows/item_type_dialog.h"
#include "windows/map_overview.h"
#include "windows/mages_report.h"
#include "windows/month_preview.h"
#include "windows/month_preview_report.h"
#include "windows/map_window.h"
#include "windows/marker_dialog.h"
#include "windows/marker_list.h"
#include "windows/message_boxes.h"
#include "windows/orders_report.h"
#include "windows/parse_status_window.h"
#include "windows/records_notice.h"
#include "windows/turn_events_report.h"
#include "windows/unit_list.h"
#include "qt_surface/qt_text.h"

namespace hexwarden {
namespace {

const QString kTitle = QStringLiteral("Veldoria Hexwarden");
const QString kDataFilter = QStringLiteral("Hexwarden Data (*.hwd);;All Files (*)");
const QString kTextFilter = QStringLiteral("Text Files (*.txt);;All Files (*)");
constexpr int kLeftPanelWidth = 138;
constexpr int kSplitterMinimum = 136;

// The data file's own error boxes.
class PromptsMessageSink : public MessageSink {
public:
    explicit PromptsMessageSink(QWidget* parent) : parent_(parent) {}
    void ShowError(const std::string& message) override { Prompts().ShowError(parent_, ToQString(message)); }

private:
    QWidget* parent_;
};

QAction* AddItem(QMenu* menu, const QString& caption, const char* name) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// A placeholder of a command that does not exist yet.
void AddDisabled(QMenu* menu, const QString& caption, const char* name) {
    AddItem(menu, caption, name)->setEnabled(false);
}

// Fills a side page with one row per hex that `name_of` names (no name: no row): every level in the
// order of depth, each column by column, then sorted on the names.
template <typename NameOf>
void FillHexPage(TPlaceList& list, const TVelMain& db, NameOf name_of) {
    list.clear();
    for (const Level level : db.Levels()) {
        std::vector<std::pair<const TVelHex*, QString>> rows;
        for (const TVelHex* hex : db.HexesOf(level).HexesByRow()) {
            if (std::optional<QString> name = name_of(*hex)) rows.emplace_back(hex, std::move(*name));
        }
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first->X < b.first->X; });
        for (const auto& [hex, name] : rows) list.AddRow(name, hex->At());
    }
    list.SortOnNames();
}

std::string MainCaption(const TVelMain& db) {
    return db.FactionName + " [" + std::to_string(db.FactionNumber) + "]  W" + std::to_string(db.War.Level) + " T" +
           std::to_string(db.Trade.Level) + " M" + std::to_string(db.Magic.Level) + "  (Turn " +
           std::to_string(db.Turn) + ")";
}

}  // namespace

TfrmMain::TfrmMain(std::filesystem::path settings_file, QWidget* parent)
    : QMainWindow(parent), settings_file_(std::move(settings_file)) {
    setWindowTitle(kTitle);
    setAcceptDrops(true);
    notice_ = new TRecordsNotice(this);
    connect(notice_, &TRecordsNotice::RecordsChanged, this, &TfrmMain::RecordsChanged);
    CreateLeftPanel();
    QMenu* windows_menu = CreateInformationWindows();
    maps_ = new TMapFrame(*windows_, *overview_, this);
    spltMain_ = new QSplitter(Qt::Horizontal, this);
    spltMain_->addWidget(pnlLeft_);
    spltMain_->addWidget(maps_);
    spltMain_->setChildrenCollapsible(false);
    spltMain_->setStretchFactor(1, 1);
    pnlLeft_->setMinimumWidth(kSplitterMinimum);
    setCentralWidget(spltMain_);
    CreateMenus(windows_menu);

    import_options_ = new TfrmImportOptions(this);
    parse_status_ = new TfrmParseStatus(this);
    item_type_ = new TfrmGetItemType(this);

    resize(669, 432);
    CentreForm(this, nullptr);
    spltMain_->setSizes({kLeftPanelWidth, width() - kLeftPanelWidth});
    SetOverviewShown(true);
    RefreshMaps();
}

TfrmMain::~TfrmMain() {
    // The map windows, the information windows and the overview read the database, which goes
    // before the child widgets do; the map windows open information windows.
    for (TfrmMap* map : maps_->MapWindows()) delete map;
    delete windows_;
    delete overview_;
}

QMenu* TfrmMain::CreateInformationWindows() {
    // Made before the menu bar that it takes its place in, since the map frame needs the windows.
    auto* windows = new QMenu(QStringLiteral("&Windows"), this);
    const std::pair<const char*, const char*> registries[] = {{"&Faction Details", "mnuWinFactions"},
                                                              {"&Hex Details", "mnuWinHexes"},
                                                              {"&Structure Details", "mnuWinStructures"},
                                                              {"&Unit Details", "mnuWinUnits"}};
    std::vector<QMenu*> submenus;
    for (const auto& [caption, name] : registries) {
        QMenu* submenu = windows->addMenu(QString::fromLatin1(caption));
        submenu->menuAction()->setObjectName(QString::fromLatin1(name));
        submenus.push_back(submenu);
    }
    windows_ = new InformationWindows(database_, *notice_, this,
                                      {.Hexes = submenus[1], .Units = submenus[3], .Factions = submenus[0],
                                       .Structures = submenus[2]});
    windows_->TrackUnit = [this](int32_t unit, QWidget*) { maps_->TrackUnit(unit); };
    windows_->Preview = new TMonthPreview(database_, *notice_, this);
    return windows;
}

void TfrmMain::CreateMenus(QMenu* windows) {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* item = AddItem(file, QStringLiteral("&New"), "mnuFileNew");
    item->setShortcut(QKeySequence::New);
    connect(item, &QAction::triggered, this, &TfrmMain::NewData);
    item = AddItem(file, QStringLiteral("&Open"), "mnuFileOpen");
    item->setShortcut(QKeySequence::Open);
    connect(item, &QAction::triggered, this, &TfrmMain::OpenData);
    item = AddItem(file, QStringLiteral("&Save"), "mnuFileSave");
    item->setShortcut(QKeySequence::Save);
    connect(item, &QAction::triggered, this, &TfrmMain::SaveData);
    connect(AddItem(file, QStringLiteral("Save &As"), "mnuFileSaveAs"), &QAction::triggered, this,
            &TfrmMain::SaveDataAs);
    file->addSeparator();
    mnuFileRecent_ = file->addMenu(QStringLiteral("&Recent Files"));
    mnuFileRecent_->setObjectName(QStringLiteral("mnuFileRecent"));
    file->addSeparator();
    connect(AddItem(file, QStringLiteral("E&xit"), "mnuFileExit"), &QAction::triggered, this, [this] {
        if (Prompts().Confirm(this, QStringLiteral("Exit Hexwarden?"), false) == Answer::Yes) close();
    });

    QMenu* import = menuBar()->addMenu(QStringLiteral("&Import"));
    item = AddItem(import, QStringLiteral("&Turn Report"), "mnuImportTurn");
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(item, &QAction::triggered, this, &TfrmMain::ImportTurn);
    connect(AddItem(import, QStringLiteral("&Faction List"), "mnuImportFactions"), &QAction::triggered, this,
            &TfrmMain::ImportFactions);
    import->addSeparator();
    connect(AddItem(import, QStringLiteral("&Hexwarden Data"), "mnuImportMapData"), &QAction::triggered, this,
            &TfrmMain::ImportMapData);
    AddDisabled(import, QStringLiteral("&Gate List"), "mnuImportGates");

    QMenu* exporting = menuBar()->addMenu(QStringLiteral("&Export"));
    connect(AddItem(exporting, QStringLiteral("&Map Data"), "mnuExportMapData"), &QAction::triggered, this,
            [this] { TfrmExportData::Execute(database_, this); });
    AddDisabled(exporting, QStringLiteral("&Gate List"), "mnuExportGates");

    QMenu* general = menuBar()->addMenu(QStringLiteral("&General"));
    connect(AddItem(general, QStringLiteral("&Factions"), "mnuDataFactions"), &QAction::triggered, this,
            [this] { TfrmFactionList::ShowFactions(*windows_, this); });
    AddDisabled(general, QStringLiteral("&Alliances"), "Alliances1");
    general->addSeparator();
    const std::tuple<const char*, const char*, const char*, IndexTableOf> index_tables[] = {
        {"&Terrain", "mnuDataTerrain", "Terrain", &TVelMain::Terrains},
        {"&Provinces", "mnuDataProvinces", "Provinces", &TVelMain::Provinces},
        {"&Races", "mnuDataRaces", "Races", &TVelMain::Races},
        {"&Items", "mnuDataItems", "Items", &TVelMain::ItemTypes},
        {"&Skills", "mnuDataSkills", "Skills", &TVelMain::SkillTypes}};
    for (const auto& [caption, name, title, table] : index_tables) {
        connect(AddItem(general, QString::fromLatin1(caption), name), &QAction::triggered, this,
                [this, title = QString::fromLatin1(title), table = table] {
                    TfrmTIndexList::ShowIndexList(*windows_, this, table, title);
                });
    }

    QMenu* units = menuBar()->addMenu(QStringLiteral("&Units"));
    // Each item lists the units as they are when it is chosen.
    const auto unit_list = [this, units](const QString& caption, const char* name, const QString& title,
                                         auto keys) {
        QAction* action = AddItem(units, caption, name);
        connect(action, &QAction::triggered, this,
                [this, title, keys] { TfrmUnitList::ShowUnits(*windows_, this, title, keys()); });
        return action;
    };
    unit_list(QStringLiteral("All &Own Units"), "mnuUnitsAllOwn", QStringLiteral("All Own Units"), [this] {
        TVelUnitList own(database_);
        database_.UnitsOfFaction(database_.FactionNumber, own);
        return UnitKeysOf(own);
    });
    mnuUnitsNew_ = unit_list(QStringLiteral("Units &Created this Turn"), "mnuUnitsNew",
                             QStringLiteral("New Units created this Turn"),
                             [this] { return UnitKeysOf(database_.NewUnits); });
    mnuUnitsLost_ = unit_list(QStringLiteral("Units &Lost this Turn"), "mnuUnitsLost",
                              QStringLiteral("Units Lost or Disbanded this Turn"),
                              [this] { return UnitKeysOf(database_.LostUnits); });
    units->addSeparator();
    unit_list(QStringLiteral("All &Veldoria Units"), "mnuUnitsAllVeldoria", QStringLiteral("All Known Veldoria Units"),
              [this] { return UnitKeysOf(database_.Units); });
    units->addSeparator();
    AddDisabled(units, QStringLiteral("&Issue Orders"), "Orders1");
    connect(AddItem(units, QStringLiteral("&Generate Order File"), "mnuUnitsGenerateOrders"), &QAction::triggered,
            this, &TfrmMain::GenerateOrders);
    connect(AddItem(units, QStringLiteral("C&heck Orders"), "mnuUnitsCheckOrders"), &QAction::triggered, this,
            [this] { TfrmOrdersReport::ShowReport(*windows_, this); });
    UpdateUnitMenus();

    QMenu* maps = menuBar()->addMenu(QStringLiteral("&Maps"));
    connect(AddItem(maps, QStringLiteral("&Overworld"), "mnuMapVeldoria"), &QAction::triggered, this,
            [this] { maps_->OpenMapWindow(Level::Surface, true); });
    connect(AddItem(maps, QStringLiteral("&Underworld"), "mnuMapUnderworld"), &QAction::triggered, this,
            [this] { maps_->OpenMapWindow(Level::Underworld, true); });
    // The other levels the database holds, as they are when the menu opens.
    QMenu* other_levels = maps->addMenu(QStringLiteral("Other &Levels"));
    other_levels->menuAction()->setObjectName(QStringLiteral("mnuMapOtherLevels"));
    connect(other_levels, &QMenu::aboutToShow, this, [this, other_levels] {
        other_levels->clear();
        for (const Level level : database_.Levels()) {
            if (level == Level::Surface || level == Level::Underworld) continue;
            connect(other_levels->addAction(LevelTitle(level)), &QAction::triggered, this,
                    [this, level] { maps_->OpenMapWindow(level, true); });
        }
        if (other_levels->isEmpty()) other_levels->addAction(QStringLiteral("(none)"))->setEnabled(false);
    });
    mnuMapOverview_ = AddItem(maps, QStringLiteral("Over&view"), "mnuMapOverview");
    mnuMapOverview_->setCheckable(true);
    connect(mnuMapOverview_, &QAction::triggered, this, &TfrmMain::SetOverviewShown);
    // Both work on the active map window, so they wait for one to be open.
    QAction* locate_marker = AddItem(maps, QStringLiteral("&Locate Marker"), "mnuLocateMarker");
    QAction* wedges = AddItem(maps, QStringLiteral("&Wedges"), "mnuMapWedges");
    connect(locate_marker, &QAction::triggered, this, [this] {
        const QPointer<TfrmMap> map = maps_->ActiveMap();
        if (map == nullptr) return;
        const std::optional<int32_t> chosen = TfrmMarkerList::Execute(database_, *notice_, this, map->CurrentLevel());
        const TVelMapMarker* marker = chosen ? database_.Markers.Get(*chosen) : nullptr;
        if (marker != nullptr && map != nullptr) map->CentreOnHex(marker->At(), true);
    });
    connect(wedges, &QAction::triggered, this, [this] {
        if (TfrmMap* map = maps_->ActiveMap()) map->DefineWedges();
    });
    const auto enable_map_commands = [this, locate_marker, wedges] {
        const bool open = maps_->ActiveMap() != nullptr;
        locate_marker->setEnabled(open);
        wedges->setEnabled(open);
    };
    enable_map_commands();
    connect(maps_, &QMdiArea::subWindowActivated, this, enable_map_commands);
    connect(maps, &QMenu::aboutToShow, this, enable_map_commands);
    maps->addSeparator();
    connect(AddItem(maps, QStringLiteral("&Tile"), "mnuMapTile"), &QAction::triggered, maps_,
            &QMdiArea::tileSubWindows);
    connect(AddItem(maps, QStringLiteral("Tile &Horizontally"), "mnuMapTileHorz"), &QAction::triggered, this,
            &TfrmMain::TileMapsHorizontally);
    // The frame's window list follows the commands, as the platform's window menu has it.
    const int fixed_items = static_cast<int>(maps->actions().size());
    connect(maps, &QMenu::aboutToShow, this, [this, maps, fixed_items] { maps_->ListWindows(*maps, fixed_items); });

    // Filled by the registries of the information windows.
    menuBar()->addMenu(windows);

    QMenu* reports = menuBar()->addMenu(QStringLiteral("&Reports"));
    connect(AddItem(reports, QStringLiteral("&Turn Events"), "mnuRepTurnEvents"), &QAction::triggered, this,
            [this] { TfrmRepTurnEvents::ShowTurnEvents(*windows_, this); });
    reports->addSeparator();
    AddDisabled(reports, QStringLiteral("&Executive Report"), "mnuRepExecutive");
    connect(AddItem(reports, QStringLiteral("&Mages"), "mnuRepMages"), &QAction::triggered, this,
            [this] { TfrmReportMages::ShowMages(*windows_, this); });
    connect(AddItem(reports, QStringLiteral("Month &Preview"), "mnuRepMonthPreview"), &QAction::triggered, this,
            [this] { TfrmMonthPreviewReport::ShowReport(*windows_, this); });

    QAction* about = menuBar()->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, [this] { TfrmAbout::Execute(this); });
    UpdateRecentMenu();
}

void TfrmMain::CreateLeftPanel() {
    pnlLeft_ = new QSplitter(Qt::Vertical, this);
    pnlLeft_->setChildrenCollapsible(false);
    pgcMain_ = new QTabWidget(pnlLeft_);
    MakeTabsCompact(*pgcMain_);
    lstCities_ = new TPlaceList(QStringLiteral("City"), false);
    lstGates_ = new TPlaceList(QStringLiteral("Gate ID"), true);
    lstMarkers_ = new TPlaceList(QStringLiteral("Marker"), false);
    lstCities_->setAccessibleName(QStringLiteral("Cities"));
    lstGates_->setAccessibleName(QStringLiteral("Gates"));
    lstMarkers_->setAccessibleName(QStringLiteral("Markers"));
    // Each page: a tab per level above its list.
    const auto level_page = [](TPlaceList* list, TLevelTabs*& tabs) {
        auto* page = new QWidget;
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        tabs = new TLevelTabs(*list, page);
        layout->addWidget(tabs);
        layout->addWidget(list);
        return std::pair{page, layout};
    };
    pgcMain_->addTab(level_page(lstCities_, tabCities_).first, QStringLiteral("Cities"));
    pgcMain_->addTab(level_page(lstGates_, tabGates_).first, QStringLiteral("Gates"));

    auto [markers_page, markers_layout] = level_page(lstMarkers_, tabMarkers_);
    auto* buttons = new QHBoxLayout;
    auto* btnAdd = new QPushButton(QStringLiteral("Add"), markers_page);
    auto* btnRemove = new QPushButton(QStringLiteral("Remove"), markers_page);
    buttons->addWidget(btnAdd);
    buttons->addWidget(btnRemove);
    markers_layout->addLayout(buttons);
    pgcMain_->addTab(markers_page, QStringLiteral("Markers"));
    connect(btnAdd, &QPushButton::clicked, this, &TfrmMain::AddMarker);
    connect(btnRemove, &QPushButton::clicked, this, &TfrmMain::RemoveMarker);
    for (TPlaceList* list : {lstCities_, lstGates_, lstMarkers_}) {
        connect(list, &TPlaceList::PlaceChosen, this, [this](const Place& place) { maps_->CentreOnPlace(place); });
    }

    pnlMapOverview_ = new QWidget(pnlLeft_);
    auto* overview_layout = new QVBoxLayout(pnlMapOverview_);
    overview_layout->setContentsMargins(0, 0, 0, 0);
    overview_ = new TfrmMapOverview(database_, pnlMapOverview_);
    overview_layout->addWidget(overview_);
    overview_->show();
    pnlLeft_->addWidget(pgcMain_);
    pnlLeft_->addWidget(pnlMapOverview_);
    pnlLeft_->setStretchFactor(0, 1);
}

void TfrmMain::UpdateRecentMenu() {
    mnuFileRecent_->clear();
    for (const std::string& file : Recent.Files()) {
        QAction* entry = mnuFileRecent_->addAction(ToQString(file));
        connect(entry, &QAction::triggered, this, [this, file] { OpenRecent(file); });
    }
    mnuFileRecent_->setEnabled(!Recent.Files().empty());
}

void TfrmMain::OpenRecent(const std::string& file_name) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file_name, error)) {
        Prompts().ShowError(this, QStringLiteral("The file \"%1\" no longer exists.").arg(ToQString(file_name)));
        Recent.Remove(file_name);
        UpdateRecentMenu();
        return;
    }
    if (MayDiscardData(SaveQuestion::WhenChanged)) LoadDataFile(file_name);
}

template <typename Work>
bool TfrmMain::RunBusy(Work&& work) {
    busy_ = true;
    const bool done = RunWithBusyCursor(this, std::forward<Work>(work));
    busy_ = false;
    return done;
}

void TfrmMain::RefreshMaps() {
    LevelExtent largest{0, 0, false};
    for (const Level level : database_.Levels()) {
        const LevelExtent extent = LevelGridExtent(database_.HexesOf(level));
        largest.Columns = std::max(largest.Columns, extent.Columns);
        largest.Rows = std::max(largest.Rows, extent.Rows);
    }
    const int overview_height = largest.Rows + overview_->TopControlHeight() + 2;
    const int total_width = spltMain_->width();
    // A level wider than any real game's would leave the maps no room: the panel stops at half the
    // frame, showing the overview's left part.
    const int left_width = std::min(std::max(kLeftPanelWidth, largest.Columns + 2),
                                    std::max(kLeftPanelWidth, total_width / 2));
    const int left_height = pnlLeft_->height();
    pnlLeft_->setSizes({std::max(0, left_height - overview_height), overview_height});
    spltMain_->setSizes({left_width, std::max(0, total_width - left_width)});
    overview_->Refresh();
}

void TfrmMain::FillCitiesPage() {
    FillHexPage(*lstCities_, database_, [](const TVelHex& hex) -> std::optional<QString> {
        if (hex.SettlementSize == 0) return std::nullopt;
        return ToQString(hex.SettlementName);
    });
    tabCities_->Refill(database_.Levels());
}

void TfrmMain::FillGatesPage() {
    FillHexPage(*lstGates_, database_, [](const TVelHex& hex) -> std::optional<QString> {
        if (hex.Gate < 0) return std::nullopt;
        return QString::number(hex.Gate);
    });
    tabGates_->Refill(database_.Levels());
}

void TfrmMain::FillMarkersPage() {
    lstMarkers_->clear();
    for (int32_t i = 0; i < database_.Markers.Count(); ++i) {
        const TVelMapMarker* marker = database_.Markers.Get(i);
        if (marker == nullptr) continue;
        lstMarkers_->AddRow(ToQString(marker->Text), marker->At(), i);
    }
    lstMarkers_->SortOnNames();
    tabMarkers_->Refill(database_.Levels());
}

void TfrmMain::UpdateUnitMenus() {
    mnuUnitsNew_->setEnabled(database_.NewUnits.Count() > 0);
    mnuUnitsLost_->setEnabled(database_.LostUnits.Count() > 0);
}

void TfrmMain::UpdateCaption() {
    // Until a report names the faction (a new or unreadable file), the program's name says more.
    const bool no_faction = database_.FactionNumber == 0 && database_.FactionName.empty();
    setWindowTitle(no_faction ? kTitle : ToQString(MainCaption(database_)));
}

void TfrmMain::NewData() {
    if (Prompts().Confirm(this, QStringLiteral("Clear all current data?"), false) != Answer::Yes) return;
    maps_->CloseAllMaps();
    notice_->Change(RecordChange::Cleared, [this] { database_.Clear(); });
    DataFileName.clear();
    UnopenedDataFile.clear();
    unsaved_ = false;
}

bool TfrmMain::MayDiscardData(SaveQuestion question) {
    // What is still typed in open windows goes in first, and counts as a change.
    notice_->CommitEdits();
    if (question == SaveQuestion::WhenChanged && !unsaved_) return true;
    const Answer answer = Prompts().Confirm(this, QStringLiteral("Save current data?"), true);
    if (answer == Answer::Cancel) return false;
    // When the data the user wanted saved was not written (the save failed or its dialog was
    // cancelled), nothing goes on, so that it is not lost.
    return answer == Answer::No || SaveData();
}

void TfrmMain::OpenData() {
    if (!MayDiscardData(SaveQuestion::WhenChanged)) return;
    const QString preset = ToQString(DataFileName.empty() ? Presets.Save : DataFileName);
    const QString file = Prompts().OpenFileName(this, QStringLiteral("Load Data"), preset, kDataFilter);
    if (!file.isEmpty()) LoadDataFile(FromQString(file));
}

void TfrmMain::LoadDataFile(const std::string& file_name) {
    PromptsMessageSink messages(this);
    bool opened = false;
    RunBusy([&] { notice_->Change(RecordChange::Loaded, [&] { opened = LoadFromFile(database_, file_name, messages); }); });
    // A file that could not be read whole is not taken as the file to save to: "Save" would
    // overwrite it with the part that was read.
    DataFileName = opened ? file_name : std::string();
    // What a damaged file gave up is not the user's work.
    unsaved_ = false;
    if (opened || file_name != UnopenedDataFile) UnopenedDataFile.clear();
    if (opened) {
        Recent.Add(file_name);
        UpdateRecentMenu();
    }
}

bool TfrmMain::SaveData() {
    notice_->CommitEdits();
    if (DataFileName.empty()) return SaveDataAs();
    PromptsMessageSink messages(this);
    bool saved = false;
    RunBusy([&] { saved = SaveToFile(database_, DataFileName, messages); });
    if (saved) {
        unsaved_ = false;
        Recent.Add(DataFileName);
        UpdateRecentMenu();
    }
    return saved;
}

bool TfrmMain::SaveDataAs() {
    notice_->CommitEdits();
    const QString preset = ToQString(DataFileName.empty() ? Presets.Save : DataFileName);
    const QString file = Prompts().SaveFileName(this, QStringLiteral("Save Data"), preset, kDataFilter,
                                                QStringLiteral("hwd"));
    if (file.isEmpty()) return false;
    const std::string file_name = FromQString(file);
    Presets.Save = file_name;
    PromptsMessageSink messages(this);
    bool saved = false;
    RunBusy([&] { saved = SaveToFile(database_, file_name, messages); });
    // A name the data could not be written to would make "Save" fail again without the user knowing why.
    if (!saved) return false;
    DataFileName = file_name;
    UnopenedDataFile.clear();
    unsaved_ = false;
    Recent.Add(file_name);
    UpdateRecentMenu();
    return true;
}

QString TfrmMain::AskOpenTextFile(const QString& title) {
    const QString file = Prompts().OpenFileName(this, title, ToQString(Presets.Open), kTextFilter);
    if (!file.isEmpty()) Presets.Open = FromQString(file);
    return file;
}

void TfrmMain::ImportTurn() {
    const QString file = AskOpenTextFile(QStringLiteral("Import Turn"));
    if (!file.isEmpty()) ImportTurnFiles({file});
}

void TfrmMain::ImportTurnFiles(const QStringList& file_names) {
    if (busy_ || file_names.isEmpty() || !import_options_->Execute(this)) return;
    for (const QString& file : file_names) {
        // Reports build on each other: after a failure the later ones would be read out of order.
        if (!ImportTurnFile(FromQString(file), import_options_->Orders())) break;
    }
    UpdateUnitMenus();
}

bool TfrmMain::ImportTurnFile(const std::string& file_name, OrdersMode orders) {
    parse_status_->Start(this, import_options_->ShowParseStatus());
    // Also after a failure the windows follow: what the report gave up to the error stays.
    const bool imported = RunBusy([&] {
        notice_->Change(RecordChange::TurnImported,
                        [&] { ImportTurnReport(database_, file_name, orders, *parse_status_, *item_type_); });
    });
    parse_status_->Finish();
    return imported;
}

void TfrmMain::ImportFactions() {
    const QString file = AskOpenTextFile(QStringLiteral("Import Factions"));
    if (file.isEmpty()) return;
    int32_t count = 0;
    if (RunBusy([&] {
            notice_->Change(RecordChange::FactionsImported,
                            [&] { count = hexwarden::ImportFactions(database_.Factions, FromQString(file)); });
        })) {
        Prompts().ShowInformation(this, ToQString(ImportedFactionsMessage(count)));
    }
}

void TfrmMain::ImportMapData() {
    const QString file = Prompts().OpenFileName(this, QStringLiteral("Import Data"), {}, kTextFilter);
    if (file.isEmpty()) return;
    MapImportCounts counts;
    // The whole file is read before the records change: a fault in it leaves them as they were.
    const bool imported = RunBusy([&] {
        const MapData data = ReadMapData(ReadWholeFile(FromQString(file)));
        notice_->Change(RecordChange::MapDataImported, [&] { counts = MergeMapData(database_, data); });
    });
    if (imported) Prompts().ShowInformation(this, ToQString(MapImportMessage(counts)));
}

void TfrmMain::GenerateOrders() {
    // Orders typed in open unit windows go into the file.
    notice_->CommitEdits();
    // Warnings only guess at the turn; errors are orders the server will refuse.
    const std::vector<UnitProblem> problems = CheckOwnOrders(database_);
    const auto errors = std::count_if(problems.begin(), problems.end(),
                                      [](const UnitProblem& found) { return found.Found.severity == Severity::Error; });
    if (errors > 0) {
        const QString count = errors == 1 ? QStringLiteral("1 error") : QStringLiteral("%1 errors").arg(errors);
        const Answer answer = Prompts().Confirm(
            this, QStringLiteral("The orders hold %1. Show them before writing the order file?").arg(count), true);
        if (answer == Answer::Cancel) return;
        if (answer == Answer::Yes) {
            TfrmOrdersReport::ShowReport(*windows_, this);
            return;
        }
    }
    const std::vector<const TVelUnit*> without_orders = UnitsWithoutOrders(database_.OwnUnits);
    if (!without_orders.empty()) {
        TfrmUnitList::ShowUnits(*windows_, this, QStringLiteral("Units without Orders"), UnitKeysOf(without_orders));
    }
    const QString file = Prompts().SaveFileName(this, QStringLiteral("Generate Orders"), ToQString(Presets.Orders),
                                                kTextFilter, QStringLiteral("txt"));
    if (file.isEmpty()) return;
    Presets.Orders = FromQString(file);
    const std::optional<std::string> password = AskPassword();
    if (!password) return;
    FactionPassword = *password;
    if (RunBusy([&] {
            WriteWholeFile(FromQString(file), WriteOrders(database_.FactionNumber, FactionPassword, database_.OwnUnits));
        })) {
        Prompts().ShowInformation(this, ToQString(kOrdersGeneratedMessage));
    }
}

std::optional<std::string> TfrmMain::AskPassword() {
    QString password = ToQString(FactionPassword);
    while (Prompts().InputText(this, QStringLiteral("Generate Orders"), QStringLiteral("Enter Faction Password:"),
                               password)) {
        const std::string entered = FromQString(password);
        const std::optional<std::string> problem = HeaderPasswordProblem(entered);
        if (!problem) return entered;
        Prompts().ShowError(this, ToQString(*problem));
    }
    return std::nullopt;
}

void TfrmMain::TileMapsHorizontally() {
    // The maps share what the left panel leaves of the window.
    const int pages = pgcMain_->isVisible() ? pgcMain_->width() : 0;
    maps_->TileHorizontally(centralWidget()->width() - spltMain_->handleWidth() - pages, centralWidget()->height());
}

void TfrmMain::SetOverviewShown(bool shown) {
    mnuMapOverview_->setChecked(shown);
    pnlMapOverview_->setVisible(shown);
}

void TfrmMain::AddMarker() {
    std::unique_ptr<TVelMapMarker> marker = NewMarker(this);
    if (!marker) return;
    notice_->Change(RecordChange::MarkersChanged, [&] { database_.Markers.Add(std::move(marker)); });
}

void TfrmMain::RecordsChanged(RecordChange kind) {
    unsaved_ = true;
    // The map windows follow the notice themselves; the rest of the window shows none of these.
    if (kind == RecordChange::MarkersChanged) FillMarkersPage();
    if (kind == RecordChange::MarkersChanged || kind == RecordChange::WedgesChanged ||
        kind == RecordChange::EditsWritten) {
        return;
    }
    RefreshMaps();
    FillCitiesPage();
    FillGatesPage();
    FillMarkersPage();
    UpdateUnitMenus();
    if (kind == RecordChange::Cleared) {
        setWindowTitle(kTitle);
    } else {
        UpdateCaption();
    }
}

void TfrmMain::RemoveMarker() {
    QTreeWidgetItem* row = lstMarkers_->currentItem();
    if (row == nullptr) return;
    const int32_t position = TPlaceList::PositionOf(*row);
    if (Prompts().Confirm(this, QStringLiteral("Delete this marker?"), false) != Answer::Yes) return;
    const TVelMapMarker* marker = database_.Markers.Get(position);
    if (marker == nullptr) return;
    notice_->Change(RecordChange::MarkersChanged, [&] { database_.Markers.Remove(marker); });
}

void TfrmMain::Start(const std::string& data_file) {
    show();
    ReadSettingsFile(*this);
    if (!data_file.empty()) LoadDataFile(data_file);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    if (!MayDiscardData(SaveQuestion::Always)) {
        event->ignore();
        return;
    }
    WriteSettingsFile(*this);
    maps_->CloseAllMaps();
    parse_status_->close();
    event->accept();
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasUrls()) return;
    event->acceptProposedAction();
    ImportDroppedFiles(event->mimeData()->urls());
}

void TfrmMain::ImportDroppedFiles(const QList<QUrl>& urls) {
    QStringList files;
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) files.append(url.toLocalFile());
    }
    // "turn-9" before "turn-10": numbers in names count as numbers.
    QCollator collator;
    collator.setNumericMode(true);
    std::sort(files.begin(), files.end(), [&collator](const QString& a, const QString& b) {
        return collator.compare(QFileInfo(a).fileName(), QFileInfo(b).fileName()) < 0;
    });
    ImportTurnFiles(files);
}

}  // namespace hexwarden
