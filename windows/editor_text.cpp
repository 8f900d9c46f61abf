#include "windows/editor_text.h"

#include <QPlainTextEdit>

#include "qt_surface/qt_text.h"

namespace hexwarden {

QString ToEditorText(std::string_view stored) {
    QString text = ToQString(stored);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string FromEditorText(const QString& text) {
    QString stored = text;
    stored.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return FromQString(stored);
}

void ShowText(QPlainTextEdit& editor, const QString& text) {
    if (editor.toPlainText() != text) editor.setPlainText(text);
}

}  // namespace hexwarden
