#include "model/index_table.h"

#include <utility>

#include "model/text_rules.h"
#include "model/record_stream.h"

namespace hexwarden {

namespace {
constexpr std::size_t kMinRecordBytes = 16;  // three empty texts and the value
}  // namespace

TVelIndexRecord::TVelIndexRecord(std::string_view name, int32_t value, std::string code, std::string_view plural)
    : name_(Capitalise(name)), plural_(Capitalise(plural)), code_(std::move(code)), Value(value) {}

void TVelIndexRecord::SaveToStream(TKvFileStream& stream) const {
    stream.WriteString(Name);
    stream.WriteString(Plural);
    stream.WriteString(Code);
    stream.WriteInt32(Value);
}

void TVelIndexRecord::LoadFromStream(TKvFileStream& stream) {
    name_ = stream.ReadString();
    plural_ = stream.ReadString();
    code_ = stream.ReadString();
    Value = stream.ReadInt32();
}

std::string NameFor(const TVelIndexRecord& record, int32_t count) {
    if (count == 1) return record.Name.empty() ? record.Plural : record.Name;
    return record.Plural.empty() ? record.Name : record.Plural;
}

void TVelIndexList::Clear() {
    records_.Clear();
    by_code_.clear();
    by_name_.clear();
}

int32_t TVelIndexList::Lookup(const TextIndex& index, std::string_view text) {
    const auto found = index.find(text);
    return found == index.end() ? -1 : found->second;
}

// Blank names change as they are filled in, so they are not hashed; asking for one is rare.
TVelIndexRecord* TVelIndexList::FindByName(std::string_view text) const {
    if (!text.empty()) return Get(Lookup(by_name_, text));
    for (const auto& record : records_)
        if (record->Name.empty() || record->Plural.empty()) return record.get();
    return nullptr;
}

TVelIndexRecord* TVelIndexList::FindByCode(std::string_view code) const {
    return Get(IndexOfCode(code));
}

int32_t TVelIndexList::IndexOfName(std::string_view text) const {
    if (text.empty()) return -1;
    return Lookup(by_name_, text);
}

int32_t TVelIndexList::IndexOfCode(std::string_view code) const {
    return Lookup(by_code_, code);
}

// A name filled in later may already belong to a later record; the earlier record wins.
void TVelIndexList::IndexName(const std::string& text, int32_t position) {
    if (text.empty()) return;
    auto [entry, inserted] = by_name_.try_emplace(text, position);
    if (!inserted && entry->second > position) entry->second = position;
}

void TVelIndexList::UnindexName(const std::string& text, int32_t position) {
    const auto entry = by_name_.find(text);
    if (entry == by_name_.end() || entry->second != position) return;
    by_name_.erase(entry);
    for (int32_t later = position + 1; later < Count(); ++later) {
        const TVelIndexRecord& record = *Get(later);
        if (record.Name == text || record.Plural == text) {
            by_name_.emplace(text, later);
            return;
        }
    }
}

void TVelIndexList::ReplaceName(int32_t position, std::string TVelIndexRecord::*field, std::string text) {
    TVelIndexRecord* record = Get(position);
    if (record == nullptr) return;
    const std::string old_text = std::exchange(record->*field, std::move(text));
    if (old_text != record->name_ && old_text != record->plural_) UnindexName(old_text, position);
    IndexName(record->*field, position);
}

void TVelIndexList::SetName(int32_t position, std::string name) {
    ReplaceName(position, &TVelIndexRecord::name_, std::move(name));
}

void TVelIndexList::SetPlural(int32_t position, std::string plural) {
    ReplaceName(position, &TVelIndexRecord::plural_, std::move(plural));
}

bool TVelIndexList::SetCode(int32_t position, std::string code) {
    TVelIndexRecord* record = Get(position);
    if (record == nullptr) return false;
    if (record->code_ == code) return true;
    if (IndexOfCode(code) >= 0) return false;
    by_code_.erase(record->code_);
    record->code_ = std::move(code);
    by_code_.emplace(record->code_, position);
    return true;
}

int32_t TVelIndexList::Add(std::unique_ptr<TVelIndexRecord> record) {
    const int32_t existing = IndexOfCode(record->Code);
    if (existing >= 0) {
        TVelIndexRecord& stored = *Get(existing);
        for (auto [stored_text, new_text] : {std::pair{&stored.name_, &record->name_}, std::pair{&stored.plural_, &record->plural_}}) {
            if (stored_text->empty() && !new_text->empty()) {
                *stored_text = Capitalise(*new_text);
                IndexName(*stored_text, existing);
            }
        }
        return -1;
    }
    const int32_t position = records_.Add(std::move(record));
    const TVelIndexRecord& added = *Get(position);
    by_code_.try_emplace(added.Code, position);
    IndexName(added.Name, position);
    IndexName(added.Plural, position);
    return position;
}

int32_t TVelIndexList::AddOrUpdate(std::string_view name, std::string_view plural, int32_t value, std::string_view code) {
    const int32_t existing = IndexOfCode(code);
    const int32_t added = Add(std::make_unique<TVelIndexRecord>(name, value, std::string(code), plural));
    return existing >= 0 ? existing : added;
}

void TVelIndexList::SaveToStream(TKvFileStream& stream) const {
    SaveRecords(stream, records_);
}

void TVelIndexList::LoadFromStream(TKvFileStream& stream) {
    Clear();
    LoadRecords<TVelIndexRecord>(stream, kMinRecordBytes, [this](auto record) { Add(std::move(record)); });
}

}  // namespace hexwarden
