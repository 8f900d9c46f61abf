#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace hexwarden {

// The database keeps texts as the bytes read: shown as UTF-8 when they are valid UTF-8, else as
// Latin-1, so that no byte is lost on the way to the screen.
QString ToQString(std::string_view bytes);
// What the user typed, back as UTF-8 bytes.
std::string FromQString(const QString& text);

}  // namespace hexwarden
