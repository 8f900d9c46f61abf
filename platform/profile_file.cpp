#include "platform/profile_file.h"

#include <algorithm>

#include "platform/ascii_case.h"
#include "platform/number_text.h"
#include "platform/text_fields.h"
#include "platform/whole_file.h"

namespace hexwarden {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The line without its line end ("\r\n", "\r" or "\n").
std::string_view Content(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

std::string_view Ending(std::string_view line) {
    return line.substr(Content(line).size());
}

bool IsBlankLine(std::string_view line) {
    return TrimSpacesAndTabs(Content(line)).empty();
}

// Cuts the text into lines, each keeping its own line end so that writing gives back the same bytes.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = bytes.size();
        } else {
            end += (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end;
    }
    return lines;
}

// The name of a "[name]" line, or false when the line opens no section.
bool SectionNameOf(std::string_view line, std::string& name) {
    std::string_view text = TrimSpacesAndTabs(Content(line));
    if (text.empty() || text.front() != '[') return false;
    size_t close = text.find(']');
    if (close == std::string_view::npos) return false;
    name = std::string(TrimSpacesAndTabs(text.substr(1, close - 1)));
    return true;
}

// The key and value of a "key=value" line, or false for blank lines, comments and lines without a key.
bool EntryOf(std::string_view line, std::string_view& key, std::string_view& value) {
    std::string_view text = TrimSpacesAndTabs(Content(line));
    if (text.empty() || text.front() == ';') return false;
    size_t equals = text.find('=');
    if (equals == std::string_view::npos) return false;
    key = TrimSpacesAndTabs(text.substr(0, equals));
    value = TrimSpacesAndTabs(text.substr(equals + 1));
    return !key.empty();
}

// The entries of the lines that follow the header on line header_line.
std::vector<ProfileEntry> EntriesOf(const std::vector<std::string>& lines, size_t header_line) {
    std::vector<ProfileEntry> entries;
    std::string_view key, value;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (EntryOf(lines[i], key, value)) entries.push_back({std::string(key), std::string(value), header_line + 1 + i});
    }
    return entries;
}

void EnsureLineEnd(std::string& line) {
    if (Ending(line).empty()) line += kLineEnd;
}

}  // namespace

std::string ProfileOneLine(std::string_view text) {
    std::string line(text);
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return line;
}

std::string FindProfileValue(const std::vector<ProfileEntry>& entries, std::string_view key) {
    for (const ProfileEntry& entry : entries) {
        if (EqualsIgnoringCase(entry.Key, key)) return entry.Value;
    }
    return {};
}

ProfileFile ProfileFile::Parse(std::string_view bytes) {
    ProfileFile file;
    std::string name;
    size_t line_number = 0;
    for (std::string_view line : SplitLines(bytes)) {
        ++line_number;
        if (SectionNameOf(line, name)) {
            file.first_section_.try_emplace(LowerCaseAscii(name), file.sections_.size());
            file.sections_.emplace_back(name, std::string(line), line_number);
        } else if (file.sections_.empty()) {
            file.preamble_.emplace_back(line);
        } else {
            file.sections_.back().Lines.emplace_back(line);
        }
    }
    return file;
}

ProfileFile ProfileFile::Load(const std::filesystem::path& path) {
    return Parse(ReadWholeFile(path));
}

ProfileFile ProfileFile::LoadIfPresent(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return ProfileFile();
    return Load(path);
}

std::string ProfileFile::ToBytes() const {
    std::string bytes;
    for (const std::string& line : preamble_) bytes += line;
    for (const Section& section : sections_) {
        bytes += section.Header;
        for (const std::string& line : section.Lines) bytes += line;
    }
    return bytes;
}

void ProfileFile::Save(const std::filesystem::path& path) const {
    WriteWholeFile(path, ToBytes());
}

std::vector<std::string> ProfileFile::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& section : sections_) names.push_back(section.Name);
    return names;
}

std::vector<ProfileEntry> ProfileFile::SectionEntriesAt(size_t index) const {
    if (index >= sections_.size()) return {};
    return EntriesOf(sections_[index].Lines, sections_[index].HeaderLine);
}

size_t ProfileFile::SectionLineAt(size_t index) const {
    return index < sections_.size() ? sections_[index].HeaderLine : 0;
}

std::vector<ProfileEntry> ProfileFile::SectionEntries(std::string_view section) const {
    const Section* found = FindSection(section);
    return found ? EntriesOf(found->Lines, found->HeaderLine) : std::vector<ProfileEntry>{};
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
    const Section* found = FindSection(section);
    size_t line = found ? FindKeyLine(*found, key) : kNoLine;
    std::string_view entry_key, value;
    if (line != kNoLine && EntryOf(found->Lines[line], entry_key, value) && !value.empty()) return std::string(value);
    return std::string(fallback);
}

int32_t ProfileFile::ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const {
    return StrToIntDef(ReadString(section, key), fallback);
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

void ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section& target = SectionForWriting(section);
    std::string_view entry_key, entry_value;
    if (size_t found = FindKeyLine(target, key); found != kNoLine) {
        std::string& line = target.Lines[found];
        EntryOf(line, entry_key, entry_value);
        // Keep the key as the file spells it and the line end the file uses.
        line = std::string(entry_key) + "=" + ProfileOneLine(value) + std::string(Ending(line));
        return;
    }
    // A new key goes after the section's last non-blank line, ahead of the blank lines that
    // separate it from the next section.
    size_t position = target.Lines.size();
    while (position > 0 && IsBlankLine(target.Lines[position - 1])) --position;
    EnsureLineEnd(position > 0 ? target.Lines[position - 1] : target.Header);
    std::string line = ProfileOneLine(TrimSpacesAndTabs(key)) + "=" + ProfileOneLine(value) + std::string(kLineEnd);
    target.Lines.insert(target.Lines.begin() + static_cast<std::ptrdiff_t>(position), std::move(line));
    target.KeyLinesBuilt = false;
    target.KeyLines.clear();
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
    WriteString(section, key, IntToStr(value));
}

void ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

const ProfileFile::Section* ProfileFile::FindSection(std::string_view name) const {
    auto found = first_section_.find(LowerCaseAscii(TrimSpacesAndTabs(name)));
    return found == first_section_.end() ? nullptr : &sections_[found->second];
}

size_t ProfileFile::FindKeyLine(const Section& section, std::string_view key) {
    if (!section.KeyLinesBuilt) {
        std::string_view entry_key, value;
        for (size_t i = 0; i < section.Lines.size(); ++i) {
            if (EntryOf(section.Lines[i], entry_key, value)) section.KeyLines.try_emplace(LowerCaseAscii(entry_key), i);
        }
        section.KeyLinesBuilt = true;
    }
    auto found = section.KeyLines.find(LowerCaseAscii(TrimSpacesAndTabs(key)));
    return found == section.KeyLines.end() ? kNoLine : found->second;
}

ProfileFile::Section& ProfileFile::SectionForWriting(std::string_view name) {
    if (const Section* found = FindSection(name)) return sections_[static_cast<size_t>(found - sections_.data())];
    std::vector<std::string>& previous = sections_.empty() ? preamble_ : sections_.back().Lines;
    if (!previous.empty() || !sections_.empty()) {
        if (!previous.empty()) EnsureLineEnd(previous.back());
        else EnsureLineEnd(sections_.back().Header);
        if (previous.empty() || !IsBlankLine(previous.back())) previous.emplace_back(kLineEnd);
    }
    std::string section_name = ProfileOneLine(TrimSpacesAndTabs(name));
    first_section_.try_emplace(LowerCaseAscii(section_name), sections_.size());
    // Line numbers are those of the file as read; a section written later has none.
    sections_.emplace_back(section_name, "[" + section_name + "]" + std::string(kLineEnd), 0);
    return sections_.back();
}

}  // namespace hexwarden
