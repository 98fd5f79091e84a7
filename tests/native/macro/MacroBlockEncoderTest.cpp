#include "macro/MacroBlockEncoder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace corvalith {
namespace {

using Block = std::array<std::uint8_t, 130>;

// A block as the test writes it: the given leading bytes, zeros up to 128, then the two bytes the encoding
// never writes (the test seeds them with EE EF).
Block Expect(std::vector<std::uint8_t> leading) {
    Block block{};
    std::copy(leading.begin(), leading.end(), block.begin());
    block[128] = 0xEE;
    block[129] = 0xEF;
    return block;
}

Block Encode(const std::string& loops, const std::vector<std::string>& items, std::uint8_t firstType = 0x05) {
    Block block;
    block.fill(0x5A); // whatever the table held before
    block[128] = 0xEE;
    block[129] = 0xEF;
    MacroBlockEncoder::Encode(Macro{"m", loops, 0, items}, firstType, block);
    return block;
}

TEST(MacroBlockEncoder, ItemWalk) {
    struct Case {
        const char* what;
        std::string loops;
        std::vector<std::string> items;
        std::uint8_t firstType;
        Block expected;
    };
    const Case cases[] = {
        {"no items", "5", {}, 0x05, Expect({})},
        {"down and up, no delay item",
         "1",
         {"A   Dn", "A   Up"},
         0x05,
         Expect({0x00, 0x01, 0x05, 0x04, 0xFF, 0x04, 0x00, 0x32})},
        {"a delay of 5 ms becomes 10",
         "2",
         {"A   Dn", "5 ms", "A   Up"},
         0x05,
         Expect({0x00, 0x02, 0x05, 0x04, 0xFF, 0x04, 0x00, 0x0A})},
        {"a delay of 10 stays 10, 11 stays 11",
         "3",
         {"A   Dn", "10 ms", "B   Dn", "11 ms", "B   Up"},
         0x05,
         Expect({0x00, 0x03, 0x05, 0x04, 0x7F, 0x05, 0x00, 0x0A, 0xFF, 0x05, 0x00, 0x0B})},
        {"Shift+A with delays, big-endian",
         "65535",
         {"Shift   Dn", "300 ms", "A   Dn", "150 ms", "A   Up", "4660 ms", "Shift   Up"},
         0x05,
         Expect({0xFF, 0xFF, 0x05, 0xE1, 0x7F, 0x04, 0x01, 0x2C, 0xFF, 0x04, 0x00, 0x96, 0xFF, 0xE1, 0x12,
                 0x34})},
        {"delays above 65535 are held at 65535",
         "1",
         {"A   Dn", "70000 ms", "A   Up"},
         0x05,
         Expect({0x00, 0x01, 0x05, 0x04, 0xFF, 0x04, 0xFF, 0xFF})},
        {"two delays in a row: only the second counts",
         "1",
         {"A   Dn", "100 ms", "200 ms", "A   Up"},
         0x05,
         Expect({0x00, 0x01, 0x05, 0x04, 0xFF, 0x04, 0x00, 0xC8})},
        {"a delay that is not a number or negative becomes 10",
         "1",
         {"A   Dn", "abc ms", "A   Up", "-5 ms", "B   Dn"},
         0x05,
         Expect({0x00, 0x01, 0x05, 0x04, 0xFF, 0x04, 0x00, 0x0A, 0x7F, 0x05, 0x00, 0x0A})},
        {"other items are skipped and hide the delay before them",
         "1",
         {"A   Dn", "80 ms", "junk", "A   Up"},
         0x05,
         Expect({0x00, 0x01, 0x05, 0x04, 0xFF, 0x04, 0x00, 0x32})},
        {"a trailing delay encodes nothing",
         "1",
         {"A   Dn", "90 ms"},
         0x05,
         Expect({0x00, 0x01, 0x05, 0x04})},
        {"mouse buttons and macro-only names",
         "1",
         {"L-Button   Dn", "R-Button   Dn", "M-Button   Up", "App   Dn", "Left GUI   Up", "Application   Dn",
          "Left Windows   Up"},
         0x05,
         Expect({0x00, 0x01, 0x05, 0xF0, 0x7F, 0xF1, 0x00, 0x32, 0xFF, 0xF2, 0x00, 0x32, 0x7F, 0x65,
                 0x00, 0x32, 0xFF, 0xE3, 0x00, 0x32, 0x7F, 0x65, 0x00, 0x32, 0xFF, 0xE3, 0x00, 0x32})},
        {"unknown names encode as usage 0",
         "1",
         {"Foo   Dn", "Select   Up"},
         0x05,
         Expect({0x00, 0x01, 0x05, 0x00, 0xFF, 0x00, 0x00, 0x32})},
        {"built on the manager's OK",
         "1",
         {"Z   Dn", "Z   Up"},
         0x32,
         Expect({0x00, 0x01, 0x32, 0x1D, 0xFF, 0x1D, 0x00, 0x32})},
        {"item 0 not a key down: the macro starts at its first key down",
         "1",
         {"100 ms", "A   Up", "B   Dn", "30 ms", "B   Up"},
         0x05,
         Expect({0x00, 0x01, 0x05, 0x05, 0xFF, 0x05, 0x00, 0x1E})},
        {"no key down at all: nothing to play", "4", {"A   Up", "100 ms", "junk"}, 0x05, Expect({})},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Encode(c.loops, c.items, c.firstType), c.expected) << c.what;
    }
}

TEST(MacroBlockEncoder, LoopCounts) {
    struct Case {
        const char* text;
        std::uint8_t high;
        std::uint8_t low;
    };
    const Case cases[] = {
        {"0", 0x00, 0x01},
        {"1", 0x00, 0x01},
        {"2", 0x00, 0x02},
        {"300", 0x01, 0x2C},
        {"65535", 0xFF, 0xFF},
        {"65536", 0x00, 0x01},
        {"70000", 0x00, 0x01},
        {"abc", 0x00, 0x01},
        {"", 0x00, 0x01},
        {"-3", 0x00, 0x01},
        {" 7", 0x00, 0x07},
        {"12abc", 0x00, 0x0C},
        {"99999999999999999999", 0x00, 0x01},
    };
    for (const Case& c : cases) {
        const Block block = Encode(c.text, {"A   Dn"});
        EXPECT_EQ(block[0], c.high) << '"' << c.text << '"';
        EXPECT_EQ(block[1], c.low) << '"' << c.text << '"';
    }
}

// n letters pressed and released one after the other, starting at "A" (usage 4).
std::vector<std::string> Taps(int count, std::vector<std::string> items = {}) {
    for (int i = 0; i < count; ++i) {
        const std::string key(1, static_cast<char>('A' + i));
        items.push_back(key + "   Dn");
        items.push_back(key + "   Up");
    }
    return items;
}

TEST(MacroBlockEncoder, MoreThan32EventsStayInsideTheBlock) {
    // Twenty taps are 40 events; the first 16 taps fill the 32 events exactly and release everything.
    {
        std::vector<std::uint8_t> expected = {0x00, 0x01, 0x05, 0x04, 0xFF, 0x04, 0x00, 0x32};
        for (std::uint8_t usage = 5; usage <= 19; ++usage) {
            const std::vector<std::uint8_t> tap = {0x7F, usage, 0x00, 0x32, 0xFF, usage, 0x00, 0x32};
            expected.insert(expected.end(), tap.begin(), tap.end());
        }
        ASSERT_EQ(expected.size(), 128u);
        EXPECT_EQ(Encode("1", Taps(20)), Expect(expected));
    }
    // Exactly 32 events ending with two keys still held: the block holds them all and adds no key up.
    {
        std::vector<std::uint8_t> expected = {0x00, 0x01, 0x05, 0x04, 0xFF, 0x04, 0x00, 0x32};
        for (std::uint8_t usage = 5; usage <= 18; ++usage) {
            const std::vector<std::uint8_t> tap = {0x7F, usage, 0x00, 0x32, 0xFF, usage, 0x00, 0x32};
            expected.insert(expected.end(), tap.begin(), tap.end());
        }
        const std::vector<std::uint8_t> held = {0x7F, 0x13, 0x00, 0x32, 0x7F, 0x14, 0x00, 0x32};
        expected.insert(expected.end(), held.begin(), held.end());
        ASSERT_EQ(expected.size(), 128u);
        std::vector<std::string> items = Taps(15);
        items.push_back("P   Dn");
        items.push_back("Q   Dn");
        EXPECT_EQ(Encode("1", items), Expect(expected));
    }
    // Ctrl held over twenty taps: the cut after event 31 would leave Ctrl and P pressed, so the block keeps
    // Ctrl and the first 15 taps and ends with Ctrl released.
    {
        std::vector<std::uint8_t> expected = {0x00, 0x01, 0x05, 0xE0};
        for (std::uint8_t usage = 4; usage <= 18; ++usage) {
            const std::vector<std::uint8_t> tap = {0x7F, usage, 0x00, 0x32, 0xFF, usage, 0x00, 0x32};
            expected.insert(expected.end(), tap.begin(), tap.end());
        }
        const std::vector<std::uint8_t> release = {0xFF, 0xE0, 0x00, 0x32};
        expected.insert(expected.end(), release.begin(), release.end());
        ASSERT_EQ(expected.size(), 128u);
        std::vector<std::string> items = Taps(20, {"Ctrl   Dn"});
        items.push_back("Ctrl   Up");
        EXPECT_EQ(Encode("1", items), Expect(expected));
    }
    // 40 key downs of different keys and no ups: keeps 16 downs and releases them, last pressed first.
    {
        std::vector<std::string> items;
        for (int i = 0; i < 40; ++i) {
            items.push_back(std::string(1, static_cast<char>('A' + i % 26)) + (i < 26 ? "" : "x") + "   Dn");
        }
        std::vector<std::uint8_t> expected = {0x00, 0x01, 0x05, 0x04};
        for (std::uint8_t usage = 5; usage <= 19; ++usage) {
            const std::vector<std::uint8_t> down = {0x7F, usage, 0x00, 0x32};
            expected.insert(expected.end(), down.begin(), down.end());
        }
        for (std::uint8_t usage = 19; usage >= 4; --usage) {
            const std::vector<std::uint8_t> up = {0xFF, usage, 0x00, 0x32};
            expected.insert(expected.end(), up.begin(), up.end());
        }
        ASSERT_EQ(expected.size(), 128u);
        EXPECT_EQ(Encode("1", items), Expect(expected));
    }
}

TEST(MacroBlockEncoder, TheTableBuildsNeverTouchTheLastTwoBytes) {
    for (const auto& items : {std::vector<std::string>{}, Taps(40), Taps(3)}) {
        const Block block = Encode("9", items);
        EXPECT_EQ(block[128], 0xEE);
        EXPECT_EQ(block[129], 0xEF);
    }
}

} // namespace
} // namespace corvalith
