#pragma once

#include <QString>
#include <string>
#include <string_view>

class QPlainTextEdit;

namespace hexwarden {

// Notes and orders are stored with CR LF between lines, as the data file has always kept them;
// the editors work with LF.
QString ToEditorText(std::string_view stored);
std::string FromEditorText(const QString& text);

// Sets the editor's text only when it differs, so a refill after an unrelated change leaves the
// cursor and the undo steps where the user had them.
void ShowText(QPlainTextEdit& editor, const QString& text);

}  // namespace hexwarden
