#include "controls/CMenuItemList.h"
#include "controls/MenuWindowTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace corvalith {
namespace {

TEST(MenuItemListTest, LooksUpTheFirstEntryOfAnIdAndShowsZeroForAMissingOne) {
    CMenuItemList list;
    list.Append(2001, "Click");
    list.Append(0x000100A2, "DPI Setting +"); // an item opening a submenu, by the submenu's handle
    list.Append(2013, "Deactivated");
    list.Append(2001, "second Click");
    list.Append(1003, "");

    struct Case {
        std::uintptr_t id;
        const char* expected;
    };
    const Case cases[] = {
        {2001, "Click"}, // the first of two entries with the id
        {0x000100A2, "DPI Setting +"},
        {2013, "Deactivated"},
        {1003, ""},  // an entry whose text is empty shows empty
        {2002, "0"}, // no entry
        {0, "0"},
        {0x100000000ull + 2001, "0"}, // ids are compared whole
    };
    for (const Case& c : cases) {
        EXPECT_EQ(list.TextOf(c.id), c.expected) << c.id;
    }
    ASSERT_EQ(list.Size(), 5u);
    EXPECT_EQ(list.Entries()[3].text, "second Click");
    EXPECT_EQ(list.Entries()[0].firstFlag, -1);
    EXPECT_EQ(list.Entries()[0].secondFlag, 0);
    EXPECT_EQ(CMenuItemList().TextOf(2001), "0");
}

TEST(MenuWindowTableTest, PutsAHandleInTheBucketOfTheMinimalStandardGenerator) {
    // ((16807 * h) mod (2^31 - 1)) mod 1000, worked out by hand.
    struct Case {
        std::uint64_t handle;
        std::size_t bucket;
    };
    const Case cases[] = {
        {0, 0},
        {1, 807},                     // 16807
        {65536, 552},                 // 1 101 463 552
        {65698, 286},                 // 1 104 186 286
        {200000, 353},                // 3 361 400 000 - 2 147 483 647 = 1 213 916 353
        {2147483647, 0},              // the modulus itself
        {2147483648, 807},            // one above: as 1
        {4294967296, 614},            // 2^32 = 2 (mod 2^31 - 1), 33 614
        {0xFFFFFFFFFFFFFFFFull, 421}, // 2^64 - 1 = 4 - 1 (mod 2^31 - 1), 50 421
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MenuWindowTable<int>::BucketOf(static_cast<std::uintptr_t>(c.handle), 1000), c.bucket)
            << c.handle;
    }
    EXPECT_EQ(MenuWindowTable<int>().BucketCount(), 1000u);
}

TEST(MenuWindowTableTest, KeepsHandlesThatShareABucketApart) {
    MenuWindowTable<std::unique_ptr<int>> table;
    const std::uintptr_t first = 1;
    const std::uintptr_t sameBucket = 2147483648u; // bucket 807 as well
    const std::uintptr_t other = 65536;

    table.FindOrAdd(first, [] { return std::make_unique<int>(10); });
    table.FindOrAdd(sameBucket, [] { return std::make_unique<int>(20); });
    table.FindOrAdd(other, [] { return std::make_unique<int>(30); });
    // A second add of a stored handle finds the value that is there.
    EXPECT_EQ(*table.FindOrAdd(first, [] { return std::make_unique<int>(99); }), 10);

    EXPECT_EQ(table.Size(), 3u);
    EXPECT_EQ(table.EntriesInBucket(807), 2u);
    EXPECT_EQ(table.EntriesInBucket(552), 1u);
    ASSERT_NE(table.Find(sameBucket), nullptr);
    EXPECT_EQ(**table.Find(sameBucket), 20);

    EXPECT_TRUE(table.Erase(first));
    EXPECT_FALSE(table.Erase(first));
    EXPECT_EQ(table.Find(first), nullptr);
    ASSERT_NE(table.Find(sameBucket), nullptr);
    EXPECT_EQ(**table.Find(sameBucket), 20);
    EXPECT_EQ(table.Size(), 2u);
    EXPECT_EQ(table.EntriesInBucket(807), 1u);
}

} // namespace
} // namespace corvalith
