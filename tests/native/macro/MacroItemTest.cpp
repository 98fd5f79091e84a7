#include "macro/MacroItem.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Kind = MacroItem::Kind;

TEST(MacroItem, ItemsAreClassifiedByWhatTheyContain) {
    struct Case {
        const char* item;
        Kind kind;
        const char* keyName;
    };
    const Case cases[] = {
        {"A   Dn", Kind::KeyDown, "A"},
        {"Num Enter   Up", Kind::KeyUp, "Num Enter"},
        {"L-Button   Dn", Kind::KeyDown, "L-Button"},
        {"   Dn", Kind::KeyDown, ""},
        {"A  Dn", Kind::Other, ""},     // two spaces are no marker
        {"A   dn", Kind::Other, ""},    // markers are case-sensitive
        {"ms   Up", Kind::KeyUp, "ms"}, // a key item even though it contains "ms"
        {"X   Up   Dn", Kind::KeyDown, "X   Up"},
        {"50 ms", Kind::Delay, ""},
        {"abc ms", Kind::Delay, ""},
        {"5ms", Kind::Delay, ""},
        {"50 MS", Kind::Other, ""},
        {"", Kind::Other, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroItem::Classify(c.item), c.kind) << '"' << c.item << '"';
        EXPECT_EQ(MacroItem::KeyName(c.item), c.keyName) << '"' << c.item << '"';
    }
}

TEST(MacroItem, DelayValuesReadLikeTheRuntimesIntegerParser) {
    struct Case {
        const char* item;
        long long value;
    };
    const Case cases[] = {
        {"50 ms", 50},
        {"0 ms", 0},
        {" 120 ms", 120},
        {"+7 ms", 7},
        {"-5 ms", -5},
        {"abc ms", 0},
        {"12abc ms", 12},
        {"65536 ms", 65536},
        {"5ms", 5},
        {" ms", 0},
        {"1 ms00", 100}, // every " ms" is removed before reading
        {"99999999999999999999 ms", 1'000'000'000'000LL},
        {"-99999999999999999999 ms", -1'000'000'000'000LL},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroItem::DelayValue(c.item), c.value) << '"' << c.item << '"';
    }
}

TEST(MacroItem, NewItemsUseTheMarkersAndTheDelayFormat) {
    EXPECT_EQ(MacroItem::KeyDown("Shift"), "Shift   Dn");
    EXPECT_EQ(MacroItem::KeyUp("Shift"), "Shift   Up");
    EXPECT_EQ(MacroItem::Delay(50), "50 ms");
    EXPECT_EQ(MacroItem::Delay(0), "0 ms");
    EXPECT_EQ(MacroItem::Delay(4294967295u), "4294967295 ms");
}

} // namespace
} // namespace corvalith
