#pragma once

#include <string>

namespace hexwarden {

// Where a component shows an error box of its own (the desktop shows a dialog, the command line
// prints the text).
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowError(const std::string& message) = 0;
};

}  // namespace hexwarden
