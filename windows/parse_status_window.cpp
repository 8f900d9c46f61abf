#include "windows/parse_status_window.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "windows/centre_form.h"
#include "qt_surface/qt_text.h"

namespace hexwarden {
namespace {

// The import runs on the one UI thread: the window is repainted this often, not per line, so the
// progress shows without slowing a large import down.
constexpr qint64 kUpdateMilliseconds = 100;

}  // namespace

TfrmParseStatus::TfrmParseStatus(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(QStringLiteral("Parsing Status"));
    mStatus_ = new QPlainTextEdit(this);
    mStatus_->setAccessibleName(QStringLiteral("Parsing Status"));
    mStatus_->setReadOnly(true);
    mStatus_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mStatus_);
    resize(420, 200);
}

void TfrmParseStatus::Start(QWidget* owner, bool show) {
    lines_.Clear();
    mStatus_->clear();
    if (!show) {
        hide();
        return;
    }
    if (!isVisible()) CentreForm(this, owner);
    QWidget::show();
    raise();
    since_update_.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmParseStatus::Finish() {
    if (isVisible()) UpdateText();
}

void TfrmParseStatus::AddLine(std::string_view line) {
    lines_.AddLine(line);
    if (!isVisible() || since_update_.elapsed() < kUpdateMilliseconds) return;
    UpdateText();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    since_update_.start();
}

void TfrmParseStatus::Warn(std::string_view line) {
    if (!isVisible()) {
        QWidget::show();
        since_update_.start();
    }
    AddLine(line);
}

void TfrmParseStatus::UpdateText() {
    QString text;
    for (const std::string& line : lines_.Lines()) {
        if (!text.isEmpty()) text += QLatin1Char('\n');
        text += ToQString(line);
    }
    mStatus_->setPlainText(text);
}

}  // namespace hexwarden
