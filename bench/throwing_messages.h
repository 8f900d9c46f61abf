#pragma once

#include <stdexcept>
#include <string>

#include "platform/message_sink.h"

namespace hexwarden::bench {

// A benchmark stops at a data-file error instead of measuring a run that went wrong.
class ThrowingMessages : public MessageSink {
public:
    void ShowError(const std::string& message) override { throw std::runtime_error(message); }
};

}  // namespace hexwarden::bench
