#include "import/file_parser.h"

#include <array>
#include <cstring>
#include <vector>

#include "import/text_utils.h"
#include "platform/error.h"
#include "platform/whole_file.h"

namespace hexwarden {

namespace {

constexpr std::array<bool, 256> MakeDelimiterTable() {
    std::array<bool, 256> table{};
    for (char c : std::string_view("\n\r !\"#$%&'()*,./:;<>?@[\\]^{|}")) {
        table[static_cast<unsigned char>(c)] = true;
    }
    return table;
}

constexpr std::array<bool, 256> kDelimiters = MakeDelimiterTable();

bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

bool IsWordGap(char c) {
    return c == ' ' || IsLineBreak(c);
}

// Knuth-Morris-Pratt search: linear in the text whatever the pattern, so a hostile report full of
// near-matches cannot make the header search quadratic.
std::size_t FindLinear(std::string_view text, std::size_t from, std::string_view pattern) {
    if (pattern.empty()) return from <= text.size() ? from : std::string_view::npos;
    std::vector<std::size_t> fallback(pattern.size(), 0);
    for (std::size_t i = 1, k = 0; i < pattern.size(); ++i) {
        while (k > 0 && pattern[i] != pattern[k]) k = fallback[k - 1];
        if (pattern[i] == pattern[k]) ++k;
        fallback[i] = k;
    }
    std::size_t matched = 0;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (matched == 0) {
            // Nothing matched yet: jump straight to the next candidate first byte.
            const void* hit = std::memchr(text.data() + i, pattern[0], text.size() - i);
            if (hit == nullptr) return std::string_view::npos;
            i = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        }
        while (matched > 0 && text[i] != pattern[matched]) matched = fallback[matched - 1];
        if (text[i] == pattern[matched]) ++matched;
        if (matched == pattern.size()) return i + 1 - pattern.size();
    }
    return std::string_view::npos;
}

}  // namespace

bool TFileParser::IsWordDelimiter(char c) {
    return kDelimiters[static_cast<unsigned char>(c)];
}

void TFileParser::LoadFromFile(const std::filesystem::path& file_name) {
    LoadFromString(ReadWholeFile(file_name));
}

void TFileParser::LoadFromString(std::string text) {
    text_ = std::move(text);
    position_ = 0;
    current_word_.clear();
}

void TFileParser::SetPosition(std::size_t position) {
    position_ = position < text_.size() ? position : text_.size();
}

char TFileParser::PrevChar() const {
    return position_ == 0 ? '\0' : text_[position_ - 1];
}

char TFileParser::PeekChar(std::ptrdiff_t offset) const {
    const auto index = static_cast<std::ptrdiff_t>(position_) + offset;
    if (index < 0 || index >= static_cast<std::ptrdiff_t>(text_.size())) return '\0';
    return text_[static_cast<std::size_t>(index)];
}

TFileParser::WordSpan TFileParser::ScanWord(std::size_t from) const {
    std::size_t i = from;
    while (i < text_.size() && IsWordGap(text_[i])) ++i;
    if (i >= text_.size()) return {text_.size(), text_.size()};
    if (IsWordDelimiter(text_[i])) return {i, i + 1};
    std::size_t end = i + 1;
    while (end < text_.size() && !IsWordDelimiter(text_[end])) ++end;
    return {i, end};
}

const std::string& TFileParser::ReadWord(bool advance) {
    const WordSpan word = ScanWord(position_);
    current_word_.assign(text_, word.start, word.end - word.start);
    if (advance) position_ = word.end;
    return current_word_;
}

const std::string& TFileParser::GetWord(int count) {
    for (int i = 0; i < count; ++i) ReadWord(true);
    return current_word_;
}

std::string_view TFileParser::PeekWord(int count) {
    if (count < 1) return current_word_;
    WordSpan word{position_, position_};
    for (int i = 0; i < count; ++i) word = ScanWord(word.end);
    return std::string_view(text_).substr(word.start, word.end - word.start);
}

void TFileParser::RequireByte() const {
    if (position_ >= text_.size()) throw StreamReadError();
}

std::size_t TFileParser::LineEnd(std::size_t from) const {
    return FindLineBreak(text_, from);
}

std::size_t TFileParser::PastLineEnd(std::size_t line_end) const {
    if (line_end >= text_.size()) return text_.size();
    std::size_t next = line_end + 1;
    if (next < text_.size()) {
        const bool takes_next = line_ends_ == LineEnds::Single ? text_[line_end] == '\r' && text_[next] == '\n' : IsLineBreak(text_[next]);
        if (takes_next) ++next;
    }
    return next;
}

void TFileParser::SkipLine() {
    RequireByte();
    position_ = PastLineEnd(LineEnd(position_));
}

std::string TFileParser::ReadLine(bool advance, bool skip_current) {
    const std::size_t remembered = position_;
    if (skip_current) SkipLine();
    RequireByte();
    const std::size_t line_end = LineEnd(position_);
    std::string line = TrimAndCollapse(std::string_view(text_).substr(position_, line_end - position_));
    position_ = advance ? PastLineEnd(line_end) : remembered;
    return line;
}

const std::string& TFileParser::ReadUntil(std::string_view terminators, bool include_terminator) {
    const ByteSet terminator(terminators);
    RequireByte();
    while (!terminator.Contains(text_[position_]) && (text_[position_] == '\t' || IsWordGap(text_[position_]))) {
        ++position_;
        RequireByte();
    }
    const std::size_t start = position_;
    const std::size_t end = terminators.size() == 1 ? FindByte(terminators[0], start) : terminator.FindIn(text_, start);
    const bool terminated = end < text_.size();
    position_ = terminated ? end + 1 : end;
    TrimAndCollapseInto(current_word_, std::string_view(text_).substr(start, position_ - start - (terminated && !include_terminator)), true);
    return current_word_;
}

bool TFileParser::FindText(std::string_view text) {
    const std::size_t found = FindLinear(text_, position_, text);
    if (found == std::string_view::npos) {
        position_ = text_.size();
        return false;
    }
    position_ = found;
    return true;
}

bool TFileParser::FindWord(std::string_view word) {
    do {
        ReadWord(true);
    } while (current_word_ != word && !current_word_.empty());
    return current_word_ == word;
}

bool TFileParser::FindWordBefore(std::string_view word, std::size_t limit) {
    std::size_t from = position_;
    for (;;) {
        const WordSpan found = ScanWord(from);
        if (found.start >= limit || found.start == found.end) return false;
        from = found.end;
        if (std::string_view(text_).substr(found.start, found.end - found.start) == word) {
            position_ = found.end;
            current_word_.assign(word);
            return true;
        }
    }
}

void TFileParser::SkipBlankLines() {
    while (position_ < text_.size() && IsBlankFrom(position_)) position_ = NextLineStart(position_);
}

std::string_view TFileParser::FirstWordOfLine(std::size_t line_start) const {
    std::size_t start = line_start;
    while (start < text_.size() && text_[start] == ' ') ++start;
    if (start >= text_.size() || IsLineBreak(text_[start])) return {};
    const WordSpan word = ScanWord(start);
    return std::string_view(text_).substr(word.start, word.end - word.start);
}

std::string_view TFileParser::ScanWordFrom(std::size_t& from) const {
    const WordSpan found = ScanWord(from);
    from = found.end;
    return std::string_view(text_).substr(found.start, found.end - found.start);
}

std::size_t TFileParser::NextLineStart(std::size_t from) const {
    const std::size_t line_end = LineEnd(from);
    if (line_end >= text_.size()) return text_.size();
    return text_[line_end] == '\r' && line_end + 1 < text_.size() && text_[line_end + 1] == '\n' ? line_end + 2 : line_end + 1;
}

std::size_t TFileParser::FindFirstOf(std::string_view bytes, std::size_t from) const {
    return ByteSet(bytes).FindIn(text_, from);
}

std::size_t TFileParser::FindByte(char byte, std::size_t from) const {
    if (from >= text_.size()) return text_.size();
    const void* found = std::memchr(text_.data() + from, byte, text_.size() - from);
    return found == nullptr ? text_.size() : static_cast<std::size_t>(static_cast<const char*>(found) - text_.data());
}

bool TFileParser::IsBlankFrom(std::size_t from) const {
    for (std::size_t i = from; i < text_.size() && !IsLineBreak(text_[i]); ++i) {
        if (static_cast<unsigned char>(text_[i]) > 32) return false;
    }
    return true;
}

bool TFileParser::IsBlankLine() const {
    return IsBlankFrom(position_);
}

bool TFileParser::IsNextLineBlank() const {
    return IsBlankFrom(PastLineEnd(LineEnd(position_)));
}

}  // namespace hexwarden
