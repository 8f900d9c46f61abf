#pragma once

#include <string>
#include <vector>

namespace hexwarden {

class ProfileFile;

// The data files opened or saved last, newest first, kept in the settings file under
// "Recent Files" as "File1" to "File8".
class RecentFiles {
public:
    static constexpr int kMaxFiles = 8;

    const std::vector<std::string>& Files() const { return files_; }
    // Puts the file first, dropping an older entry for it and the oldest beyond the limit.
    void Add(const std::string& file);
    void Remove(const std::string& file);

    // Empty values and repeats are passed over, so a hand-edited file cannot make the menu odd.
    void Read(const ProfileFile& settings);
    // Unused keys are written empty, so entries dropped during the run do not come back.
    void Write(ProfileFile& settings) const;

private:
    std::vector<std::string> files_;
};

}  // namespace hexwarden
