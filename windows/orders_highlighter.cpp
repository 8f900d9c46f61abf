#include "windows/orders_highlighter.h"

#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolTip>
#include <algorithm>

#include "windows/editor_text.h"

namespace hexwarden {
namespace {

struct Span {
    int Start = 0;
    int Length = 0;
};

// From the problem's first character to the end of its word, a quoted word to its closing quote.
// A problem past the end of the line (an argument missing) marks the line's last word instead.
Span SpanAt(const QString& line, int start) {
    int text_end = static_cast<int>(line.size());
    while (text_end > 0 && line[text_end - 1].isSpace()) --text_end;
    if (start >= text_end) {
        start = text_end;
        while (start > 0 && !line[start - 1].isSpace()) --start;
        return {start, text_end - start};
    }
    while (start < text_end && line[start].isSpace()) ++start;
    int end = start;
    if (line[start] == QLatin1Char('"')) {
        const int closing = static_cast<int>(line.indexOf(QLatin1Char('"'), start + 1));
        end = closing < 0 ? text_end : closing + 1;
    } else {
        while (end < text_end && !line[end].isSpace()) ++end;
    }
    return {start, end - start};
}

}  // namespace

QColor ProblemColour(Severity severity) {
    return severity == Severity::Error ? QColor(220, 0, 0) : QColor(205, 125, 0);
}

TOrdersHighlighter::TOrdersHighlighter(QPlainTextEdit& editor, Check check)
    : QSyntaxHighlighter(static_cast<QObject*>(&editor)), editor_(editor), check_(std::move(check)) {
    delay_.setSingleShot(true);
    delay_.setInterval(kDelayMs);
    connect(&delay_, &QTimer::timeout, this, &TOrdersHighlighter::CheckNow);
    // Connected before the highlighter takes the document, so an edited line is known to be stale
    // by the time it is highlighted again. Marking alone changes no text and sends no signal here.
    connect(editor.document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (removed == 0 && added == 0) return;
        pending_ = true;
        delay_.start();
    });
    setDocument(editor.document());
    editor.viewport()->installEventFilter(this);
    viewport_ = editor.viewport();
}

void TOrdersHighlighter::CheckNow() {
    delay_.stop();
    const QString text = editor_.toPlainText();
    std::optional<std::vector<Problem>> problems = check_(FromEditorText(text));
    if (!problems) return;
    marks_ = MarksOf(text, *problems);
    pending_ = false;
    rehighlight();
}

std::vector<TOrdersHighlighter::Mark> TOrdersHighlighter::MarksOf(const QString& text,
                                                                  const std::vector<Problem>& problems) {
    // Columns count the bytes of the stored text; the lines are split as the editor shows them.
    const QStringList lines = text.split(QLatin1Char('\n'));
    std::vector<Mark> marks;
    for (const Problem& problem : problems) {
        const int line = problem.line - 1;
        if (line < 0 || line >= lines.size()) continue;
        const QByteArray bytes = lines[line].toUtf8();
        const auto before = std::clamp<qsizetype>(problem.column - 1, 0, bytes.size());
        const Span span = SpanAt(lines[line], static_cast<int>(QString::fromUtf8(bytes.left(before)).size()));
        if (span.Length <= 0) continue;
        marks.push_back({line, span.Start, span.Length, problem.severity, QString::fromStdString(problem.message)});
    }
    // By line for the lookups; on one line, errors last so they draw over warnings.
    std::stable_sort(marks.begin(), marks.end(), [](const Mark& a, const Mark& b) {
        if (a.Line != b.Line) return a.Line < b.Line;
        return a.Kind == Severity::Warning && b.Kind == Severity::Error;
    });
    return marks;
}

void TOrdersHighlighter::highlightBlock(const QString&) {
    if (pending_) return;
    const int line = currentBlock().blockNumber();
    auto first = std::lower_bound(marks_.begin(), marks_.end(), line,
                                  [](const Mark& mark, int wanted) { return mark.Line < wanted; });
    for (auto mark = first; mark != marks_.end() && mark->Line == line; ++mark) {
        QTextCharFormat underline;
        underline.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        underline.setUnderlineColor(ProblemColour(mark->Kind));
        setFormat(mark->Start, mark->Length, underline);
    }
}

QString TOrdersHighlighter::HintAt(int position) const {
    if (pending_) return {};
    const QTextBlock block = editor_.document()->findBlock(position);
    if (!block.isValid()) return {};
    const int line = block.blockNumber();
    const int column = position - block.position();
    QStringList messages;
    for (const Mark& mark : marks_) {
        if (mark.Line == line && column >= mark.Start && column < mark.Start + mark.Length) messages << mark.Message;
    }
    return messages.join(QLatin1Char('\n'));
}

bool TOrdersHighlighter::eventFilter(QObject* watched, QEvent* event) {
    // The viewport's last events come while the editor is being destroyed: only the event type may
    // be looked at before it is known to be a hint request.
    if (event->type() != QEvent::ToolTip || watched != viewport_) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    // The cursor goes to the nearest gap between characters; the character under the mouse is the
    // one after the gap when the mouse is right of it.
    const QTextCursor cursor = editor_.cursorForPosition(help->pos());
    const QRect gap = editor_.cursorRect(cursor);
    int position = cursor.position();
    if (help->pos().x() < gap.x()) --position;
    const bool on_line = help->pos().y() >= gap.top() && help->pos().y() <= gap.bottom();
    const QString hint = on_line && position >= cursor.block().position() ? HintAt(position) : QString();
    if (hint.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), hint, editor_.viewport());
    return true;
}

}  // namespace hexwarden
