#include "import/parse_status_log.h"

namespace hexwarden {

void TRecentStatusLines::AddLine(std::string_view line) {
    if (capacity_ == 0) return;
    if (lines_.size() >= capacity_) lines_.pop_front();
    lines_.emplace_back(line);
}

}  // namespace hexwarden
