#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace hexwarden {

// One "key=value" line of a section, with the blanks around key and value removed.
struct ProfileEntry {
    std::string Key;
    std::string Value;
    size_t Line = 0;  // its line number in the file, from 1
};

// The value of the first entry whose key matches regardless of letter case; empty when there is
// none. An empty value therefore reads the same as a missing key.
std::string FindProfileValue(const std::vector<ProfileEntry>& entries, std::string_view key);

// The text with its line breaks turned into blanks: a key or value must stay on its line, or the
// file would change shape.
std::string ProfileOneLine(std::string_view text);

// An INI ("profile") file held in memory: sections opened by "[name]" lines, each holding
// "key=value" lines. Section names and keys are found regardless of letter case; the first of
// several equal names wins. Lines starting with ";" are comments. Writing changes only the line of
// the key written (or adds one), so every other byte of the file stays as it was.
class ProfileFile {
public:
    ProfileFile() = default;

    static ProfileFile Parse(std::string_view bytes);
    // Throws Error when the file cannot be read.
    static ProfileFile Load(const std::filesystem::path& path);
    // A missing file reads as an empty one, as settings files do before their first save.
    static ProfileFile LoadIfPresent(const std::filesystem::path& path);

    std::string ToBytes() const;
    void Save(const std::filesystem::path& path) const;

    // Every section name in file order, repeated names included.
    std::vector<std::string> SectionNames() const;
    // The entries of the section at that position of SectionNames, or of the first section of that name.
    std::vector<ProfileEntry> SectionEntriesAt(size_t index) const;
    std::vector<ProfileEntry> SectionEntries(std::string_view section) const;
    // The line number of the "[name]" line of the section at that position, from 1.
    size_t SectionLineAt(size_t index) const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
    // Decimal, or hexadecimal after "0x"; anything else gives the fallback.
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
    // Read as an integer: anything but 0 is true.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

private:
    struct Section {
        Section(std::string name, std::string header, size_t header_line)
            : Name(std::move(name)), Header(std::move(header)), HeaderLine(header_line) {}

        std::string Name;
        std::string Header;               // the "[name]" line as read, with its line end
        size_t HeaderLine;                // its line number in the file as read, from 1
        std::vector<std::string> Lines;   // every following line as read, with its line end
        // Lower-case key -> position of its first line, built on the first lookup so that reading
        // every key of a large section stays linear.
        mutable std::unordered_map<std::string, size_t> KeyLines;
        mutable bool KeyLinesBuilt = false;
    };

    static constexpr size_t kNoLine = static_cast<size_t>(-1);

    const Section* FindSection(std::string_view name) const;
    Section& SectionForWriting(std::string_view name);
    static size_t FindKeyLine(const Section& section, std::string_view key);

    std::vector<std::string> preamble_;  // lines before the first section, kept for writing
    std::vector<Section> sections_;
    std::unordered_map<std::string, size_t> first_section_;  // lower-case name -> position
};

}  // namespace hexwarden
