#pragma once

#include <algorithm>
#include <cstdint>
#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

namespace hexwarden {

// Walks a list's records as pointers to const, for containers whose records carry the keys of
// their lookups: only the container may change those.
template <typename T>
class ConstRecordIterator {
public:
    using Base = typename std::vector<std::unique_ptr<T>>::const_iterator;
    using iterator_category = std::forward_iterator_tag;
    using value_type = const T*;
    using difference_type = std::ptrdiff_t;
    using pointer = const T* const*;
    using reference = const T*;

    ConstRecordIterator() = default;
    explicit ConstRecordIterator(Base base) : base_(base) {}
    const T* operator*() const { return base_->get(); }
    ConstRecordIterator& operator++() {
        ++base_;
        return *this;
    }
    ConstRecordIterator operator++(int) {
        ConstRecordIterator before = *this;
        ++base_;
        return before;
    }
    bool operator==(const ConstRecordIterator&) const = default;

private:
    Base base_;
};

// The owning list every container of the database builds on. Entries may be null (holes). With
// Sorted on and a comparison set, Add inserts at the ordered position, after equal items.
// Lists of references to records owned elsewhere are separate, non-owning types.
template <typename T>
class TEnhancedList {
public:
    using CompareFunction = std::function<int(const T* a, const T* b)>;
    using Storage = std::vector<std::unique_ptr<T>>;

    TEnhancedList() = default;
    virtual ~TEnhancedList() = default;
    TEnhancedList(const TEnhancedList&) = delete;
    TEnhancedList& operator=(const TEnhancedList&) = delete;
    TEnhancedList(TEnhancedList&&) noexcept = default;
    TEnhancedList& operator=(TEnhancedList&&) noexcept = default;

    int32_t Count() const { return static_cast<int32_t>(items_.size()); }

    // Null for an index out of range instead of failing.
    T* Get(int32_t index) const {
        if (index < 0 || index >= Count()) return nullptr;
        return items_[static_cast<std::size_t>(index)].get();
    }

    int32_t Add(std::unique_ptr<T> item) {
        if (sorted_) {
            const int32_t position = FindInsertPos(item.get());
            if (position >= 0 && position < Count()) {
                Insert(position, std::move(item));
                return position;
            }
        }
        items_.push_back(std::move(item));
        return Count() - 1;
    }

    // index is clamped into 0 .. Count.
    void Insert(int32_t index, std::unique_ptr<T> item) {
        index = std::max(0, std::min(index, Count()));
        items_.insert(items_.begin() + index, std::move(item));
    }

    int32_t IndexOf(const T* item) const {
        for (std::size_t i = 0; i < items_.size(); ++i)
            if (items_[i].get() == item) return static_cast<int32_t>(i);
        return -1;
    }

    // Frees the item; the former index, or -1 for a null item or one not in the list.
    int32_t Remove(const T* item) {
        if (item == nullptr) return -1;
        const int32_t index = IndexOf(item);
        if (index >= 0) items_.erase(items_.begin() + index);
        return index;
    }

    // Takes the entry at index out of the list without freeing it (null when out of range).
    std::unique_ptr<T> ExtractAt(int32_t index) {
        if (index < 0 || index >= Count()) return nullptr;
        std::unique_ptr<T> item = std::move(items_[static_cast<std::size_t>(index)]);
        items_.erase(items_.begin() + index);
        return item;
    }

    // Puts item at index and hands back what was there.
    std::unique_ptr<T> Exchange(int32_t index, std::unique_ptr<T> item) {
        return std::exchange(items_.at(static_cast<std::size_t>(index)), std::move(item));
    }

    // Takes every entry the predicate selects out of the list in one pass, keeping the order of
    // both the rest and the taken entries.
    template <typename Predicate>
    std::vector<std::unique_ptr<T>> ExtractIf(Predicate selects) {
        std::vector<std::unique_ptr<T>> taken;
        Storage kept;
        kept.reserve(items_.size());
        for (auto& item : items_) {
            if (selects(item.get())) taken.push_back(std::move(item));
            else kept.push_back(std::move(item));
        }
        items_ = std::move(kept);
        return taken;
    }

    void Clear() { items_.clear(); }
    void Reserve(std::size_t count) { items_.reserve(count); }

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted) {
        if (sorted == sorted_) return;
        sorted_ = sorted;
        if (sorted_) Sort();
    }
    void SetOnCompare(CompareFunction compare) {
        on_compare_ = compare ? std::make_unique<CompareFunction>(std::move(compare)) : nullptr;
        Sort();
    }

    virtual int Compare(const T* a, const T* b) const { return on_compare_ ? (*on_compare_)(a, b) : 0; }

    // Where Add puts the item in a sorted list: after every equal item (a binary search that
    // stops at the first equal item it meets would not guarantee that); Count means append. -1
    // unless the list is sorted, not empty and has a comparison.
    int32_t FindInsertPos(const T* item) const {
        if (!sorted_ || items_.empty() || !on_compare_) return -1;
        int32_t low = 0;
        int32_t high = Count() - 1;
        while (low <= high) {
            const int32_t middle = (low + high) / 2;
            if (Compare(items_[static_cast<std::size_t>(middle)].get(), item) <= 0) low = middle + 1;
            else high = middle - 1;
        }
        return low;
    }

    void Sort() {
        if (items_.empty() || !on_compare_) return;
        QuickSort(0, Count() - 1);
        sorted_ = true;
    }

    // Takes over the source's items, leaving it empty (a copy for a source about to be freed).
    void TakeItems(TEnhancedList& source) {
        if (&source == this) return;
        items_ = std::move(source.items_);
        source.items_.clear();
    }

    typename Storage::const_iterator begin() const { return items_.begin(); }
    typename Storage::const_iterator end() const { return items_.end(); }

private:
    // Middle pivot, scanning from both ends. The smaller part is handled by recursion and the
    // larger one by the loop, so the stack stays shallow; the parts are disjoint, so the result
    // is the same as recursing into both.
    void QuickSort(int32_t low, int32_t high) {
        while (low < high) {
            int32_t i = low;
            int32_t j = high;
            const T* pivot = items_[static_cast<std::size_t>((low + high) / 2)].get();
            do {
                while (Compare(items_[static_cast<std::size_t>(i)].get(), pivot) < 0) ++i;
                while (Compare(items_[static_cast<std::size_t>(j)].get(), pivot) > 0) --j;
                if (i <= j) {
                    std::swap(items_[static_cast<std::size_t>(i)], items_[static_cast<std::size_t>(j)]);
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (j - low < high - i) {
                QuickSort(low, j);
                low = i;
            } else {
                QuickSort(i, high);
                high = j;
            }
        }
    }

    Storage items_;
    bool sorted_ = false;
    // Few lists are ever sorted; those that are not should not pay for a comparison's room.
    std::unique_ptr<CompareFunction> on_compare_;
};

}  // namespace hexwarden
