#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace hexwarden {

// Where the report parser logs its progress, one line at a time. The caller decides what becomes
// of the lines: the desktop status window keeps the last few, the command line prints them.
class TParseStatusLog {
public:
    virtual ~TParseStatusLog() = default;
    virtual void AddLine(std::string_view line) = 0;
    // Something the user should know even without watching the progress (data the import could
    // not place). The desktop status window shows it like any line.
    virtual void Warn(std::string_view line) { AddLine(line); }
};

// A log that drops every line, for callers that do not show the progress.
class TSilentStatusLog : public TParseStatusLog {
public:
    void AddLine(std::string_view) override {}
};

// Keeps the most recent lines only: once full, each new line pushes out the oldest.
class TRecentStatusLines : public TParseStatusLog {
public:
    static constexpr std::size_t kDefaultCapacity = 10;

    explicit TRecentStatusLines(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

    void AddLine(std::string_view line) override;
    void Clear() { lines_.clear(); }
    const std::deque<std::string>& Lines() const { return lines_; }

private:
    std::size_t capacity_;
    std::deque<std::string> lines_;
};

}  // namespace hexwarden
