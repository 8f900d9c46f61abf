#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace hexwarden {

enum class Severity { Error, Warning };

// One finding of the order checker. Line and column are 1-based, in bytes, within the checked text.
struct Problem {
    int32_t line = 0;
    int32_t column = 0;
    Severity severity = Severity::Error;
    std::string message;
    friend bool operator==(const Problem&, const Problem&) = default;
};

// "error" or "warning".
const char* SeverityWord(Severity severity);

int CountOf(const std::vector<Problem>& problems, Severity severity);

}  // namespace hexwarden
