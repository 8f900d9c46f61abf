#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/enhanced_list.h"

namespace hexwarden {

class TKvFileStream;

// One entry of an index table: a code with its display names and a small value (a colour for
// terrains, races and items). Code, Name and Plural are what the table looks records up by, so
// they are read-only here and change only through the table (TVelIndexList::SetName and the like).
class TVelIndexRecord {
public:
    TVelIndexRecord() = default;
    // Name and plural are stored capitalised, the code as given.
    TVelIndexRecord(std::string_view name, int32_t value, std::string code, std::string_view plural);
    // Records live in their list, which alone may change their keys; the public references below
    // would point into the source of a copy.
    TVelIndexRecord(const TVelIndexRecord&) = delete;
    TVelIndexRecord& operator=(const TVelIndexRecord&) = delete;

private:
    friend class TVelIndexList;
    std::string name_;
    std::string plural_;
    std::string code_;

public:
    const std::string& Name = name_;
    const std::string& Plural = plural_;
    const std::string& Code = code_;
    int32_t Value = 0;

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);
};

// The singular for exactly one, else the plural; each falls back on the other when empty.
std::string NameFor(const TVelIndexRecord& record, int32_t count);

// Code -> names table. Records are only ever appended (positions are stored elsewhere), and a
// known code is never overwritten, only its blank names filled in. Lookups are first-match and
// hashed.
class TVelIndexList {
public:
    int32_t Count() const { return records_.Count(); }
    TVelIndexRecord* Get(int32_t index) const { return records_.Get(index); }
    void Clear();

    // First record whose Name or Plural is exactly the text.
    TVelIndexRecord* FindByName(std::string_view text) const;
    TVelIndexRecord* FindByCode(std::string_view code) const;
    // -1 for an empty text or an unknown one.
    int32_t IndexOfName(std::string_view text) const;
    int32_t IndexOfCode(std::string_view code) const;

    // Appends a record of a new code and returns its position; for a known code fills in the
    // stored record's blank names, drops the new one and returns -1.
    int32_t Add(std::unique_ptr<TVelIndexRecord> record);
    // The position of the code's record, new or old.
    int32_t AddOrUpdate(std::string_view name, std::string_view plural, int32_t value, std::string_view code);
    // Change a record's names or code, keeping the lookups right (the plural of a skill record holds
    // its report texts). Nothing happens for a position outside the table; a code that another
    // record already has is refused (false), since codes are unique.
    void SetName(int32_t position, std::string name);
    void SetPlural(int32_t position, std::string plural);
    bool SetCode(int32_t position, std::string code);

    auto begin() const { return records_.begin(); }
    auto end() const { return records_.end(); }

    void SaveToStream(TKvFileStream& stream) const;
    void LoadFromStream(TKvFileStream& stream);

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    using TextIndex = std::unordered_map<std::string, int32_t, TextHash, std::equal_to<>>;

    void IndexName(const std::string& text, int32_t position);
    // Puts text in place of the record's Name or Plural (field), moving the name lookup along.
    void ReplaceName(int32_t position, std::string TVelIndexRecord::*field, std::string text);
    // The text no longer names the record at the position: the lookup moves to the next record
    // that has it, if any.
    void UnindexName(const std::string& text, int32_t position);
    static int32_t Lookup(const TextIndex& index, std::string_view text);

    TEnhancedList<TVelIndexRecord> records_;
    TextIndex by_code_;
    TextIndex by_name_;  // Name and Plural both, each to its first record
};

}  // namespace hexwarden
