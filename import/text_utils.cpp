#include "import/text_utils.h"

namespace hexwarden {

namespace {

constexpr std::size_t kMaxTrimmedLength = 2000;
constexpr std::size_t kPreviewLength = 60;

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

std::string TextPreview(std::string_view text) {
    text = TrimBlanks(text);
    text = text.substr(0, text.find_first_of("\r\n"));
    return std::string(TrimBlanks(text.substr(0, kPreviewLength)));
}

std::string NormaliseLineEnds(std::string text) {
    bool uniform = true;
    for (std::size_t i = 0; i < text.size() && uniform; ++i) {
        if (text[i] == '\r') uniform = i + 1 < text.size() && text[i + 1] == '\n';
        else if (text[i] == '\n') uniform = i > 0 && text[i - 1] == '\r';
    }
    if (uniform) return text;
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            result += "\r\n";
        } else if (text[i] == '\n') {
            result += "\r\n";
        } else {
            result.push_back(text[i]);
        }
    }
    return result;
}

}  // namespace hexwarden
