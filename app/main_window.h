#pragma once

#include <QMainWindow>
#include <QStringList>
#include <QUrl>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/recent_files.h"
#include "import/veldoria_parser.h"
#include "model/database.h"

class QAction;
class QMenu;
class QSplitter;
class QTabWidget;

namespace hexwarden {

class InformationWindows;
class TLevelTabs;
class TPlaceList;
class TRecordsNotice;
enum class RecordChange;
class TfrmGetItemType;
class TfrmImportOptions;
class TMapFrame;
class TfrmMapOverview;
class TfrmParseStatus;

// The last file chosen in each of the file dialogs the settings keep.
struct DialogPresets {
    std::string Open;
    std::string Save;
    std::string Orders;
};

// The program's one top-level window: owner of the database, holder of the map frame, and the
// start of every command.
class TfrmMain : public QMainWindow {
    Q_OBJECT

public:
    // The settings are read from and written to settings_file.
    explicit TfrmMain(std::filesystem::path settings_file, QWidget* parent = nullptr);
    ~TfrmMain() override;

    TVelMain& Database() { return database_; }
    const TVelMain& Database() const { return database_; }
    // Every change of the database's records goes through the notice.
    TRecordsNotice& Notice() const { return *notice_; }
    InformationWindows& InfoWindows() const { return *windows_; }
    std::string DataFileName;
    // The data file the settings named when it could not be opened at start (on a drive not yet
    // mounted, say): the settings go on naming it until another file is opened or made.
    std::string UnopenedDataFile;
    std::string FactionPassword;
    DialogPresets Presets;
    RecentFiles Recent;
    const std::filesystem::path& SettingsFile() const { return settings_file_; }

    // Sizes the left panel and the overview to the levels and redraws the overview; the map
    // windows follow the records notice themselves.
    void RefreshMaps();
    void FillCitiesPage();
    void FillGatesPage();
    void FillMarkersPage();
    void UpdateUnitMenus();
    void UpdateCaption();
    void UpdateRecentMenu();

    // The commands, as the menus run them.
    void NewData();
    void OpenData();
    // True once the data is written; false when it could not be or the file dialog was cancelled.
    bool SaveData();
    bool SaveDataAs();
    void LoadDataFile(const std::string& file_name);
    void ImportTurn();
    // Imports the reports one after another (in the order given) with one set of options.
    void ImportTurnFiles(const QStringList& file_names);
    // Report files dropped on the window, imported in the order of their names.
    void ImportDroppedFiles(const QList<QUrl>& urls);
    // False when the import failed (the error has been shown).
    bool ImportTurnFile(const std::string& file_name, OrdersMode orders);
    void ImportFactions();
    void ImportMapData();
    void GenerateOrders();
    void TileMapsHorizontally();
    void SetOverviewShown(bool shown);
    void AddMarker();
    void RemoveMarker();

    // Shows the window and reads the settings; then opens the data file when one is named.
    void Start(const std::string& data_file);

    TfrmImportOptions& ImportOptions() { return *import_options_; }
    TfrmParseStatus& ParseStatus() { return *parse_status_; }
    TPlaceList& CitiesList() { return *lstCities_; }
    TPlaceList& GatesList() { return *lstGates_; }
    TPlaceList& MarkersList() { return *lstMarkers_; }
    TLevelTabs& CitiesLevels() { return *tabCities_; }
    TMapFrame& Maps() const { return *maps_; }
    QAction& UnitsNewAction() { return *mnuUnitsNew_; }
    QAction& UnitsLostAction() { return *mnuUnitsLost_; }
    QTabWidget& Pages() { return *pgcMain_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // After every change of the records: maps, overview, pages, menus and caption follow.
    void RecordsChanged(RecordChange kind);
    // The shared open dialog ("dlgOpen") with the given title; remembers the file chosen.
    QString AskOpenTextFile(const QString& title);
    // The registries of the information windows and the "Windows" menu that mirrors them.
    QMenu* CreateInformationWindows();
    void CreateMenus(QMenu* windows);
    void CreateLeftPanel();
    void OpenRecent(const std::string& file_name);
    // Closing asks always; Open only when the records changed since they were last opened, saved
    // or cleared.
    enum class SaveQuestion { Always, WhenChanged };
    // Asks "Save current data?" before the records are replaced or the program ends; false when
    // the user cancelled or the data he wanted saved was not written.
    bool MayDiscardData(SaveQuestion question);
    // The faction password for the orders header, asked again until the header can hold it;
    // nothing when the user cancelled.
    std::optional<std::string> AskPassword();
    // The busy cursor for a long operation; errors are shown and the program goes on.
    template <typename Work>
    bool RunBusy(Work&& work);
    std::filesystem::path settings_file_;
    TVelMain database_;
    TRecordsNotice* notice_ = nullptr;
    InformationWindows* windows_ = nullptr;
    // A long operation is running; the status window lets events through meanwhile.
    bool busy_ = false;
    // The records changed since they were last opened, saved or cleared.
    bool unsaved_ = false;

    TMapFrame* maps_ = nullptr;
    QSplitter* spltMain_ = nullptr;
    QSplitter* pnlLeft_ = nullptr;
    QTabWidget* pgcMain_ = nullptr;
    QWidget* pnlMapOverview_ = nullptr;
    TfrmMapOverview* overview_ = nullptr;
    TPlaceList* lstCities_ = nullptr;
    TPlaceList* lstGates_ = nullptr;
    TPlaceList* lstMarkers_ = nullptr;
    TLevelTabs* tabCities_ = nullptr;
    TLevelTabs* tabGates_ = nullptr;
    TLevelTabs* tabMarkers_ = nullptr;

    QAction* mnuUnitsNew_ = nullptr;
    QAction* mnuUnitsLost_ = nullptr;
    QAction* mnuMapOverview_ = nullptr;
    QMenu* mnuFileRecent_ = nullptr;

    TfrmImportOptions* import_options_ = nullptr;
    TfrmParseStatus* parse_status_ = nullptr;
    TfrmGetItemType* item_type_ = nullptr;
};

}  // namespace hexwarden
