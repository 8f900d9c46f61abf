#include "model/faction.h"

#include <utility>

#include "model/record_stream.h"

namespace hexwarden {

namespace {
constexpr std::size_t kMinFactionBytes = 21;  // number, three empty texts, attitude, colour
}  // namespace

int AttitudeIndex(std::string_view name) {
    for (std::size_t i = 0; i < kAttitudeNames.size(); ++i)
        if (kAttitudeNames[i] == name) return static_cast<int>(i);
    return 0;
}

std::string_view AttitudeName(int attitude) {
    if (attitude < 0 || attitude >= static_cast<int>(kAttitudeNames.size())) return {};
    return kAttitudeNames[static_cast<std::size_t>(attitude)];
}

void TVelFaction::SaveToStream(TKvFileStream& stream) const {
    stream.WriteInt32(Number);
    stream.WriteString(Name);
    stream.WriteUInt8(Attitude);
    stream.WriteString(Email);
    stream.WriteString(Reserved);
    stream.WriteInt32(static_cast<int32_t>(Colour));
}

void TVelFaction::LoadFromStream(TKvFileStream& stream) {
    number_ = stream.ReadInt32();
    Name = stream.ReadString();
    Attitude = stream.ReadUInt8();
    Email = stream.ReadString();
    Reserved = stream.ReadString();
    Colour = static_cast<uint32_t>(stream.ReadInt32());
}

void TVelFactionList::Clear() {
    factions_.Clear();
    first_by_number_.clear();
}

int32_t TVelFactionList::IndexOfNumber(int32_t number) const {
    const auto found = first_by_number_.find(number);
    return found == first_by_number_.end() ? -1 : found->second;
}

TVelFaction* TVelFactionList::FindByNumber(int32_t number) const {
    return Get(IndexOfNumber(number));
}

TVelFaction* TVelFactionList::Append(std::unique_ptr<TVelFaction> faction) {
    const int32_t position = factions_.Add(std::move(faction));
    TVelFaction* appended = Get(position);
    first_by_number_.try_emplace(appended->Number, position);
    return appended;
}

TVelFaction* TVelFactionList::AddOrRename(std::string_view name, int32_t number) {
    if (TVelFaction* known = FindByNumber(number)) {
        known->Name = name;
        return known;
    }
    return Append(std::make_unique<TVelFaction>(number, std::string(name)));
}

TVelFaction* TVelFactionList::Merge(std::unique_ptr<TVelFaction> faction, bool with_attitude) {
    TVelFaction* known = FindByNumber(faction->Number);
    if (known == nullptr) return Append(std::move(faction));
    known->Name = std::move(faction->Name);
    if (with_attitude) known->Attitude = faction->Attitude;
    return known;
}

void TVelFactionList::SetNumber(int32_t position, int32_t number) {
    TVelFaction* faction = Get(position);
    if (faction == nullptr || faction->number_ == number) return;
    const int32_t old_number = std::exchange(faction->number_, number);
    // First match for both numbers: the old one may now be found further on, the new one may
    // already belong to an earlier faction.
    first_by_number_.erase(old_number);
    for (int32_t i = 0; i < Count(); ++i) {
        if (const TVelFaction* other = Get(i); other != nullptr && other->number_ == old_number) {
            first_by_number_.emplace(old_number, i);
            break;
        }
    }
    auto [entry, inserted] = first_by_number_.try_emplace(number, position);
    if (!inserted && entry->second > position) entry->second = position;
}

std::string TVelFactionList::FormatFaction(const TVelFaction& faction, int style) {
    const auto has = [style](int bits) { return (style & bits) == bits; };
    std::string number;
    if (!has(FactionSquareBrackets | FactionBareNumber)) {
        number = (faction.Number == 0 && has(FactionUnknownMark)) ? "???" : std::to_string(faction.Number);
        if (has(FactionSquareBrackets)) number = "[" + number + "]";
        else if (!has(FactionBareNumber)) number = "(" + number + ")";
    }
    if (has(FactionNameFirst | FactionNumberOnly)) return number;
    if (number.empty()) return faction.Name;
    const std::string separator = has(FactionCommaSeparator) ? ", " : " ";
    return has(FactionNameFirst) ? faction.Name + separator + number : number + separator + faction.Name;
}

void TVelFactionList::SaveToStream(TKvFileStream& stream) const {
    SaveRecords(stream, factions_);
}

void TVelFactionList::LoadFromStream(TKvFileStream& stream) {
    Clear();
    LoadRecords<TVelFaction>(stream, kMinFactionBytes, [this](auto faction) { Append(std::move(faction)); });
}

}  // namespace hexwarden
