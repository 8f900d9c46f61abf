#include "app/settings.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <string>

#include "app/main_window.h"
#include "app/map_frame.h"
#include "platform/ascii_case.h"
#include "platform/error.h"
#include "platform/profile_file.h"
#include "qt_surface/qt_drawing_surface.h"
#include "windows/map_window.h"
#include "windows/message_boxes.h"
#include "qt_surface/qt_text.h"

namespace hexwarden {
namespace {

constexpr const char* kMain = "Hexwarden";
constexpr const char* kWindow = "Window";

// Far beyond any real settings file: a larger one is refused rather than read into memory.
constexpr std::uintmax_t kMaxSettingsBytes = 16u << 20;

ProfileFile ReadProfile(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size > kMaxSettingsBytes) throw Error("The settings file is too large.");
    return ProfileFile::LoadIfPresent(file);
}

std::string MapSection(int number) { return "Map" + std::to_string(number); }

// Custom colours are kept as the colour dialog of other programs keeps them: "ColorA" to "ColorP",
// each a hexadecimal 0xBBGGRR value. Other keys and values are passed over.
void ReadCustomColours(const ProfileFile& settings) {
    for (const ProfileEntry& entry : settings.SectionEntries("Colours")) {
        if (entry.Key.size() != 6 || !StartsWithIgnoringCase(entry.Key, "Color")) continue;
        const int index = (entry.Key[5] | 0x20) - 'a';
        if (index < 0 || index >= QColorDialog::customCount()) continue;
        bool ok = false;
        const uint value = ToQString(entry.Value).toUInt(&ok, 16);
        if (ok && value <= 0xFFFFFF) QColorDialog::setCustomColor(index, ToQColor(value));
    }
}

// Bounds from the file, kept to a size the screens can show and at least partly on them.
QRect OnScreen(QRect bounds, const QRect& current) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return bounds;
    const QRect desktop = screen->virtualGeometry();
    bounds.setWidth(std::clamp(bounds.width(), 100, std::max(100, desktop.width())));
    bounds.setHeight(std::clamp(bounds.height(), 100, std::max(100, desktop.height())));
    if (!desktop.intersects(bounds)) bounds.moveCenter(desktop.contains(current.center()) ? current.center() : desktop.center());
    return bounds;
}

void ReadWindowBounds(TfrmMain& main, const ProfileFile& settings) {
    const QRect current = main.geometry();
    const QRect bounds(settings.ReadInteger(kWindow, "Left", current.x()),
                       settings.ReadInteger(kWindow, "Top", current.y()),
                       settings.ReadInteger(kWindow, "Width", current.width()),
                       settings.ReadInteger(kWindow, "Height", current.height()));
    main.setGeometry(OnScreen(bounds, current));
    if (settings.ReadBool(kWindow, "Maximised", false)) main.showMaximized();
}

}  // namespace

std::filesystem::path DefaultSettingsFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return std::filesystem::path(FromQString(folder)) / "Hexwarden.ini";
}

void ReadSettingsFile(TfrmMain& main) {
    ProfileFile settings;
    try {
        settings = ReadProfile(main.SettingsFile());
    } catch (const std::exception& error) {
        Prompts().ShowError(&main, ToQString(error.what()));
        return;
    }
    main.FactionPassword = settings.ReadString(kMain, "Password");
    main.Presets.Open = settings.ReadString(kMain, "DlgOpen");
    main.Presets.Save = settings.ReadString(kMain, "DlgSave");
    main.Presets.Orders = settings.ReadString(kMain, "DlgOrders");
    ReadCustomColours(settings);
    main.Recent.Read(settings);
    main.UpdateRecentMenu();
    ReadWindowBounds(main, settings);
    const std::string data_file = settings.ReadString(kMain, "Data");
    if (!data_file.empty()) {
        main.LoadDataFile(data_file);
        if (main.DataFileName.empty()) main.UnopenedDataFile = data_file;
    }
    const int count = settings.ReadInteger(kMain, "MapCount", 0);
    if (count > 0) RestoreMapWindows(main, settings, std::min(count, kMaxRestoredMaps));
}

void RestoreMapWindows(TfrmMain& main, const ProfileFile& settings, int count) {
    TfrmMap* active = nullptr;
    bool active_maximised = false;
    bool any_maximised = false;
    for (int i = 1; i <= count; ++i) {
        const std::string section = MapSection(i);
        const bool maximised = settings.ReadBool(section, "Maximised", false);
        const bool is_active = settings.ReadBool(section, "Active", false);
        TfrmMap* map = main.Maps().OpenMapWindow(TfrmMap::LevelInSettings(settings, section), maximised);
        map->LoadSettings(settings, section);
        any_maximised = any_maximised || maximised;
        if (is_active) {
            active = map;
            active_maximised = maximised;
        }
    }
    if (active != nullptr) {
        main.Maps().setActiveSubWindow(active);
        active->setFocus();
    }
    // The frame keeps only its active window maximised, so opening the windows one after another
    // left its state to the last one. It is put back as the user left it; the frame then maximises
    // each window as it is activated. Older settings marked only the active window.
    QMdiSubWindow* current = main.Maps().currentSubWindow();
    if (current != nullptr && (active != nullptr ? active_maximised : any_maximised)) current->showMaximized();
}

void WriteSettingsFile(const TfrmMain& main) {
    const std::filesystem::path& file = main.SettingsFile();
    try {
        // Written over what the file holds, so keys of other programs and versions stay.
        ProfileFile settings = ReadProfile(file);
        const std::vector<TfrmMap*> maps = main.Maps().MapWindows();
        settings.WriteString(kMain, "Data", main.DataFileName.empty() ? main.UnopenedDataFile : main.DataFileName);
        settings.WriteInteger(kMain, "MapCount", static_cast<int32_t>(maps.size()));
        settings.WriteString(kMain, "Password", main.FactionPassword);
        settings.WriteString(kMain, "DlgOpen", main.Presets.Open);
        settings.WriteString(kMain, "DlgSave", main.Presets.Save);
        settings.WriteString(kMain, "DlgOrders", main.Presets.Orders);
        const QRect bounds = main.normalGeometry();
        settings.WriteInteger(kWindow, "Left", bounds.x());
        settings.WriteInteger(kWindow, "Top", bounds.y());
        settings.WriteInteger(kWindow, "Width", bounds.width());
        settings.WriteInteger(kWindow, "Height", bounds.height());
        settings.WriteBool(kWindow, "Maximised", main.isMaximized());
        const QMdiSubWindow* current = main.Maps().currentSubWindow();
        for (size_t i = 0; i < maps.size(); ++i) {
            maps[i]->SaveSettings(settings, MapSection(static_cast<int>(i) + 1), maps[i] == current);
        }
        main.Recent.Write(settings);
        if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path());
        settings.Save(file);
    } catch (const std::exception& error) {
        Prompts().ShowError(const_cast<TfrmMain*>(&main),
                            QStringLiteral("The settings could not be written to \"%1\": %2")
                                .arg(ToQString(file.string()), ToQString(error.what())));
    }
}

}  // namespace hexwarden
