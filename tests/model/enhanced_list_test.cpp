#include "model/enhanced_list.h"

#include <gtest/gtest.h>

#include <random>

namespace hexwarden {
namespace {

struct Entry {
    int key;
    int arrival;
};

int ByKey(const Entry* a, const Entry* b) {
    return a->key - b->key;
}

std::vector<int> Keys(const TEnhancedList<Entry>& list) {
    std::vector<int> keys;
    for (const auto& entry : list) keys.push_back(entry->key);
    return keys;
}

std::vector<int> Arrivals(const TEnhancedList<Entry>& list) {
    std::vector<int> arrivals;
    for (const auto& entry : list) arrivals.push_back(entry->arrival);
    return arrivals;
}

void AddAll(TEnhancedList<Entry>& list, std::initializer_list<int> keys) {
    int arrival = list.Count();
    for (int key : keys) list.Add(std::make_unique<Entry>(Entry{key, arrival++}));
}

TEST(EnhancedList, GetOutOfRangeGivesNullAndHolesAreAllowed) {
    TEnhancedList<Entry> list;
    EXPECT_EQ(list.Get(0), nullptr);
    AddAll(list, {7});
    EXPECT_EQ(list.Add(nullptr), 1);
    EXPECT_EQ(list.Get(-1), nullptr);
    EXPECT_EQ(list.Get(list.Count()), nullptr);
    EXPECT_EQ(list.Get(1), nullptr);
    EXPECT_EQ(list.Get(0)->key, 7);
    EXPECT_EQ(list.Remove(nullptr), -1);
    EXPECT_EQ(list.Remove(list.Get(0)), 0);
    EXPECT_EQ(list.Count(), 1);
}

TEST(EnhancedList, SortedWithoutComparisonAppendsInArrivalOrder) {
    TEnhancedList<Entry> list;
    list.SetSorted(true);
    AddAll(list, {3, 1, 2});
    EXPECT_EQ(Keys(list), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(list.FindInsertPos(list.Get(0)), -1);
    list.SetOnCompare(ByKey);  // a comparison arriving later sorts at once
    EXPECT_EQ(Keys(list), (std::vector<int>{1, 2, 3}));
}

TEST(EnhancedList, SortedAddPutsEqualItemsAfterTheExistingOnes) {
    TEnhancedList<Entry> list;
    list.SetOnCompare(ByKey);
    list.SetSorted(true);
    AddAll(list, {5, 1, 5, 9, 5, 0, 9});
    EXPECT_EQ(Keys(list), (std::vector<int>{0, 1, 5, 5, 5, 9, 9}));
    EXPECT_EQ(Arrivals(list), (std::vector<int>{5, 1, 0, 2, 4, 3, 6}));
}

TEST(EnhancedList, QuickSortOrdersAnyInput) {
    std::mt19937 random(42);
    for (int size : {1, 2, 3, 10, 257}) {
        for (int range : {1, 3, 1000}) {
            TEnhancedList<Entry> list;
            std::vector<int> expected;
            for (int i = 0; i < size; ++i) {
                const int key = static_cast<int>(random() % static_cast<unsigned>(range));
                list.Add(std::make_unique<Entry>(Entry{key, i}));
                expected.push_back(key);
            }
            list.SetOnCompare(ByKey);
            std::sort(expected.begin(), expected.end());
            EXPECT_EQ(Keys(list), expected) << "size " << size << " range " << range;
            list.Sort();  // already sorted input
            EXPECT_EQ(Keys(list), expected);
        }
    }
}

}  // namespace
}  // namespace hexwarden
