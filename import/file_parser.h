#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace hexwarden {

// The scanning layer under the report parser: the whole report held in memory as bytes, a read
// position, and the word, line and phrase reads that the report grammar is written in.
//
// A word is a run of bytes up to one of the delimiters (CR, LF, space and the punctuation in
// IsWordDelimiter), or a single delimiter on its own. Blanks between words are spaces, CRs and LFs;
// tabs are part of words. A line ends at CR or LF, and a second CR or LF right behind it belongs to
// the same line end.
class TFileParser {
public:
    // What SkipLine and ReadLine take as one line end.
    enum class LineEnds {
        // A CR or LF together with one further CR or LF right behind it, so that in a file of bare
        // LFs an empty line goes with the line end before it.
        TakeFollowingBreak,
        // A CR LF pair, a lone LF or a lone CR: every empty line is seen, whatever the mail system
        // did to the line ends.
        Single,
    };

    TFileParser() = default;
    explicit TFileParser(LineEnds line_ends) : line_ends_(line_ends) {}
    virtual ~TFileParser() = default;
    TFileParser(const TFileParser&) = default;
    TFileParser(TFileParser&&) = default;
    TFileParser& operator=(const TFileParser&) = default;
    TFileParser& operator=(TFileParser&&) = default;

    // Reads the whole file; Position 0. Throws Error when the file cannot be read.
    void LoadFromFile(const std::filesystem::path& file_name);
    void LoadFromString(std::string text);

    std::string_view Text() const { return text_; }
    std::size_t Size() const { return text_.size(); }
    std::size_t Position() const { return position_; }
    void SetPosition(std::size_t position);
    bool AtEnd() const { return position_ >= text_.size(); }

    // The last word or phrase produced by ReadWord, GetWord or ReadUntil.
    const std::string& CurrentWord() const { return current_word_; }

    // The byte before Position; NUL at the start.
    char PrevChar() const;
    // The byte at Position + offset; NUL outside the text.
    char PeekChar(std::ptrdiff_t offset = 0) const;

    // The next word, or the empty word at the end. Sets CurrentWord; moves past the word only when
    // advance is true.
    const std::string& ReadWord(bool advance = true);
    // Reads count words and returns the last; below 1 returns CurrentWord and reads nothing.
    const std::string& GetWord(int count);
    // The word GetWord(count) would return, with Position and CurrentWord left as they are. The
    // view stays valid until CurrentWord next changes.
    std::string_view PeekWord(int count);

    // Moves past the next line end, or to the end of the text. Throws StreamReadError at the end.
    void SkipLine();
    // The rest of the line (after skipping the current one when asked), trimmed and with inner
    // spaces collapsed. Throws StreamReadError when there is nothing left to read.
    std::string ReadLine(bool advance = true, bool skip_current = false);
    // The phrase up to the first byte of terminators, across lines (line ends dropped), trimmed and
    // collapsed; the terminator is consumed. Sets CurrentWord. Throws StreamReadError when only
    // blanks remain.
    const std::string& ReadUntil(std::string_view terminators, bool include_terminator = false);
    // Moves to the first byte of the next occurrence of text (true), or to the end (false).
    bool FindText(std::string_view text);
    // Reads words until one equals word (true, positioned behind it) or the end is reached (false).
    bool FindWord(std::string_view word);
    // Like FindWord, but only among words that start before limit. When none matches, Position
    // and CurrentWord stay as they were.
    bool FindWordBefore(std::string_view word, std::size_t limit);
    // True at the end or when the rest of the current line holds no printable byte.
    bool IsBlankLine() const;
    // True when the line after the current one is blank or there is none.
    bool IsNextLineBlank() const;

    // Moves to the start of the next line that is not blank (or to the end) when the rest of the
    // current line is blank. Loops that test the words ahead line by line call it first, so that a
    // long run of empty lines is crossed once rather than once per line.
    void SkipBlankLines();
    // The first word of the line starting at line_start when it begins on that line, else empty.
    std::string_view FirstWordOfLine(std::size_t line_start) const;

    // Lookahead that leaves the reader alone: the word at or after from, with from moved behind it.
    std::string_view ScanWordFrom(std::size_t& from) const;
    // Start of the line after the one holding from (a line end here is a single CR, LF or CR LF),
    // or Size().
    std::size_t NextLineStart(std::size_t from) const;
    // Index of the first byte of any in bytes at or after from, or Size().
    std::size_t FindFirstOf(std::string_view bytes, std::size_t from) const;
    std::size_t FindByte(char byte, std::size_t from) const;
    // The next count words, as PeekWord(1) to PeekWord(count) would give them, in one scan.
    template <std::size_t count>
    std::array<std::string_view, count> PeekWords() const {
        std::array<std::string_view, count> words;
        std::size_t cursor = position_;
        for (std::string_view& word : words) word = ScanWordFrom(cursor);
        return words;
    }

    static bool IsWordDelimiter(char c);

private:
    struct WordSpan {
        std::size_t start;
        std::size_t end;
    };
    // The word starting at or after from, without moving; start == end at the end of the text.
    WordSpan ScanWord(std::size_t from) const;
    // Index of the first CR or LF at or after from, or Size().
    std::size_t LineEnd(std::size_t from) const;
    // Index behind the line end that starts at line_end.
    std::size_t PastLineEnd(std::size_t line_end) const;
    void RequireByte() const;
    // No printable byte between from and the end of its line.
    bool IsBlankFrom(std::size_t from) const;

    LineEnds line_ends_ = LineEnds::TakeFollowingBreak;
    std::string text_;
    std::size_t position_ = 0;
    std::string current_word_;
};

}  // namespace hexwarden
