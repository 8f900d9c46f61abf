#include "import/text_utils.h"

namespace hexwarden {

namespace {

constexpr std::size_t kMaxTrimmedLength = 2000;

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string TrimAndCollapse(std::string_view text) {
    text = TrimBlanks(text);
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == ' ' && !result.empty() && result.back() == ' ') continue;
        result.push_back(c);
    }
    return result;
}

std::string TrimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text.substr(0, kMaxTrimmedLength));
}

}  // namespace hexwarden
