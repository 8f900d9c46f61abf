#pragma once

#include <QColor>
#include <QString>
#include <QSyntaxHighlighter>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "orders/problem.h"

class QPlainTextEdit;

namespace hexwarden {

// The colour of a problem's wavy underline.
QColor ProblemColour(Severity severity);

// Marks the problems of an orders editor with wavy underlines, the message as the hint over them.
// The text is checked a short while after the last keystroke, so typing never waits for it; until
// then the lines being edited lose their marks and the others keep theirs.
class TOrdersHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    // The editor's text as the database would store it; nothing when it cannot be checked now (the
    // records are changing), in which case the marks stay until the next check.
    using Check = std::function<std::optional<std::vector<Problem>>(const std::string& stored_text)>;

    static constexpr int kDelayMs = 150;

    TOrdersHighlighter(QPlainTextEdit& editor, Check check);

    // Checks at once, as after a change of the records.
    void CheckNow();
    // The messages of the problems marked at a position of the document, one per line.
    QString HintAt(int position) const;

protected:
    void highlightBlock(const QString& text) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A problem's span within its line, in the editor's characters.
    struct Mark {
        int Line = 0;  // 0-based block number
        int Start = 0;
        int Length = 0;
        Severity Kind = Severity::Error;
        QString Message;
    };

    static std::vector<Mark> MarksOf(const QString& text, const std::vector<Problem>& problems);

    QPlainTextEdit& editor_;
    const QObject* viewport_ = nullptr;
    Check check_;
    QTimer delay_;
    std::vector<Mark> marks_;
    // Typed since the last check: marks of edited lines would sit on the wrong characters.
    bool pending_ = false;
};

}  // namespace hexwarden
