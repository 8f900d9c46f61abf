#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include "import/parse_status_log.h"

class QPlainTextEdit;

namespace hexwarden {

// "Parsing Status": the last lines the report parser logged. It stays open after the import so the
// user can read how it ended; a warning shows it even when the progress was not asked for.
class TfrmParseStatus : public QWidget, public TParseStatusLog {
    Q_OBJECT

public:
    explicit TfrmParseStatus(QWidget* parent = nullptr);

    // Empties the log for a new import and shows the window when asked.
    void Start(QWidget* owner, bool show);
    // Brings the text up to date once the import is over.
    void Finish();

    void AddLine(std::string_view line) override;
    void Warn(std::string_view line) override;

    const std::deque<std::string>& Lines() const { return lines_.Lines(); }

private:
    void UpdateText();

    TRecentStatusLines lines_;
    QPlainTextEdit* mStatus_;
    QElapsedTimer since_update_;
};

}  // namespace hexwarden
