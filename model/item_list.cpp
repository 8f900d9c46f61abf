#include "model/item_list.h"

#include "model/index_table.h"
#include "model/wrapping_math.h"
#include "model/record_stream.h"

namespace hexwarden {

namespace {
constexpr std::size_t kMinItemBytes = 13;  // empty code, price, count, illusion
constexpr int32_t kIndexedLength = 32;      // below this a scan is as quick
}  // namespace

TVelItem::TVelItem(std::string code, int32_t price, int32_t count, bool illusion)
    : Code(std::move(code)), Price(price), Count(count), Illusion(illusion) {}

void TVelItem::SaveToStream(TKvFileStream& stream) const {
    stream.WriteString(Code);
    stream.WriteInt32(Price);
    stream.WriteInt32(Count);
    stream.WriteBool(Illusion);
}

void TVelItem::LoadFromStream(TKvFileStream& stream) {
    Code = stream.ReadString();
    Price = stream.ReadInt32();
    Count = stream.ReadInt32();
    Illusion = stream.ReadBool();
}

const TVelItem* TVelItemList::FindByCode(std::string_view code) const {
    for (const auto& item : items_)
        if (item && item->Code == code) return item.get();
    return nullptr;
}

void TVelItemList::SetCodeAndPrice(int32_t index, std::string code, int32_t price) {
    TVelItem* item = items_.Get(index);
    if (item == nullptr) return;
    item->Code = std::move(code);
    item->Price = price;
    merge_index_.reset();  // rebuilt when next needed
}

void TVelItemList::SetCount(int32_t index, int32_t count) {
    if (TVelItem* item = items_.Get(index)) item->Count = count;
}

void TVelItemList::SetIllusion(int32_t index, bool illusion) {
    if (TVelItem* item = items_.Get(index)) item->Illusion = illusion;
}

bool TVelItemList::HasStock(std::string_view code) const {
    const TVelItem* item = FindByCode(code);
    return item != nullptr && item->Count > 0;
}

void TVelItemList::Clear() {
    items_.Clear();
    merge_index_.reset();
}

int32_t TVelItemList::IndexOfSameCodeAndPrice(const TVelItem& item) {
    if (Count() < kIndexedLength) {
        for (int32_t i = 0; i < Count(); ++i)
            if (Get(i)->Code == item.Code && Get(i)->Price == item.Price) return i;
        return -1;
    }
    if (!merge_index_) {
        merge_index_ = std::make_unique<std::unordered_map<CodeAndPrice, int32_t, CodeAndPriceHash>>();
        for (int32_t i = 0; i < Count(); ++i) merge_index_->try_emplace(CodeAndPrice{Get(i)->Code, Get(i)->Price}, i);
    }
    const auto found = merge_index_->find(CodeAndPrice{item.Code, item.Price});
    return found == merge_index_->end() ? -1 : found->second;
}

int32_t TVelItemList::Add(std::unique_ptr<TVelItem> item) {
    const int32_t same = IndexOfSameCodeAndPrice(*item);
    if (same >= 0) {
        TVelItem& stored = *items_.Get(same);
        // An unlimited amount stays unlimited whatever is added to it.
        constexpr int32_t kUnlimited = -1;
        const bool unlimited = stored.Count == kUnlimited || item->Count == kUnlimited;
        stored.Count = unlimited ? kUnlimited : WrappingAdd(stored.Count, item->Count);
        return same;
    }
    item->Owner = this;
    if (merge_index_) merge_index_->try_emplace(CodeAndPrice{item->Code, item->Price}, Count());
    items_.Add(std::move(item));
    return -1;
}

int32_t TVelItemList::AddNew(std::string_view code, int32_t price, int32_t count) {
    return Add(std::make_unique<TVelItem>(std::string(code), price, count));
}

std::string TVelItemList::DisplayName(const TVelItem& item) const {
    const TVelIndexRecord* record = NameIndex->FindByCode(item.Code);
    if (record == nullptr) return "<UNKNOWN>";
    std::string name = NameFor(*record, item.Count);
    if (item.Illusion) name += " (illusion)";
    return name;
}

void TVelItemList::SaveToStream(TKvFileStream& stream) const {
    SaveRecords(stream, items_);
}

void TVelItemList::LoadFromStream(TKvFileStream& stream) {
    Clear();
    LoadRecords<TVelItem>(
        stream, kMinItemBytes, [this](auto item) { Add(std::move(item)); },
        [this](int32_t count) { items_.Reserve(static_cast<std::size_t>(count)); });
}

}  // namespace hexwarden
