#pragma once

#include <filesystem>

namespace hexwarden {

class ProfileFile;
class TfrmMain;

// Hexwarden.ini in the user's configuration folder.
std::filesystem::path DefaultSettingsFile();

// At most this many map windows are restored, whatever a damaged settings file asks for.
inline constexpr int kMaxRestoredMaps = 32;

// Reads the working state of the last run into the main window: password, file dialog presets,
// recent files, window bounds, the data file (opened) and the map windows (reopened). A file that
// cannot be read is reported and the program starts without it.
void ReadSettingsFile(TfrmMain& main);
// Writes the main window's state and a section per open map window. A failure is reported; the
// old file is then left as it was.
void WriteSettingsFile(const TfrmMain& main);

void RestoreMapWindows(TfrmMain& main, const ProfileFile& settings, int count);

}  // namespace hexwarden
