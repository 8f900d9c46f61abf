#include "platform/text_fields.h"

namespace hexwarden {

namespace {

constexpr std::size_t kPreviewLength = 60;

bool IsSpaceOrTab(char c) {
    return c == ' ' || c == '\t';
}

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view TrimWhere(std::string_view text, bool (*trimmed)(char)) {
    while (!text.empty() && trimmed(text.front())) text.remove_prefix(1);
    while (!text.empty() && trimmed(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    return TrimWhere(text, IsBlankOrControl);
}

std::string_view TrimSpacesAndTabs(std::string_view text) {
    return TrimWhere(text, IsSpaceOrTab);
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t end = text.find(separator); end != std::string_view::npos; end = text.find(separator, start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string TextPreview(std::string_view text) {
    text = TrimBlanks(text);
    text = text.substr(0, text.find_first_of("\r\n"));
    return std::string(TrimBlanks(text.substr(0, kPreviewLength)));
}

}  // namespace hexwarden
