#include "app/recent_files.h"

#include <algorithm>

#include "platform/profile_file.h"

namespace hexwarden {
namespace {

constexpr const char* kSection = "Recent Files";

std::string KeyOf(int position) { return "File" + std::to_string(position + 1); }

}  // namespace

void RecentFiles::Add(const std::string& file) {
    if (file.empty()) return;
    Remove(file);
    files_.insert(files_.begin(), file);
    if (files_.size() > kMaxFiles) files_.resize(kMaxFiles);
}

void RecentFiles::Remove(const std::string& file) {
    files_.erase(std::remove(files_.begin(), files_.end(), file), files_.end());
}

void RecentFiles::Read(const ProfileFile& settings) {
    files_.clear();
    for (int i = 0; i < kMaxFiles; ++i) {
        const std::string file = settings.ReadString(kSection, KeyOf(i));
        if (!file.empty() && std::find(files_.begin(), files_.end(), file) == files_.end()) files_.push_back(file);
    }
}

void RecentFiles::Write(ProfileFile& settings) const {
    for (int i = 0; i < kMaxFiles; ++i) {
        settings.WriteString(kSection, KeyOf(i), i < static_cast<int>(files_.size()) ? files_[i] : std::string());
    }
}

}  // namespace hexwarden
