#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace hexwarden {

// Notes and orders are stored with CR LF between lines, as the data file has always kept them;
// the editors work with LF.
QString ToEditorText(std::string_view stored);
std::string FromEditorText(const QString& text);

}  // namespace hexwarden
