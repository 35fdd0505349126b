#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "app/StoredList.h"

namespace varnolt {
namespace {

TEST(StoredListLength, HonoursTheCountWhileItemsAreNearby) {
    std::set<int> stored{1, 2, 4};  // 1-based numbering, item 3 missing
    auto isStored = [&](int i) { return stored.count(i) != 0; };
    EXPECT_EQ(StoredListLength(4, 1, isStored), 4);  // a gap takes defaults
    EXPECT_EQ(StoredListLength(6, 1, isStored), 6);  // a small overshoot too
    EXPECT_EQ(StoredListLength(2, 1, isStored), 2);  // items above the count are ignored
    EXPECT_EQ(StoredListLength(0, 1, isStored), 0);
    EXPECT_EQ(StoredListLength(-5, 1, isStored), 0);
}

TEST(StoredListLength, AHugeCountStopsAtTheLastStoredItem) {
    std::set<int> stored{0, 1, 2};  // 0-based numbering
    int probes = 0;
    auto isStored = [&](int i) {
        ++probes;
        return stored.count(i) != 0;
    };
    EXPECT_EQ(StoredListLength(INT_MAX, 0, isStored), 3);
    EXPECT_LE(probes, 3 + kMissingRunLimit);
    probes = 0;
    EXPECT_EQ(StoredListLength(INT_MAX, 1, [&](int) { return ++probes, false; }), 0);
    EXPECT_LE(probes, kMissingRunLimit);
}

}  // namespace
}  // namespace varnolt
