#include "windows/selected_records.h"

#include "windows/message_boxes.h"

namespace hexwarden {
namespace {

// More windows than this at once would bury the one the user came from.
constexpr size_t kWindowsWithoutAsking = 10;

}  // namespace

bool AgreeToOpenWindows(QWidget* parent, size_t count) {
    if (count <= kWindowsWithoutAsking) return true;
    return Prompts().Confirm(parent, QStringLiteral("Open %1 windows, one for each selected row?").arg(count),
                             false) == Answer::Yes;
}

}  // namespace hexwarden
