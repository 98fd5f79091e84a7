#include "skin/SkinPixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvalith {
namespace {

TEST(SkinPixelsTest, PremultipliesEachColourByAlphaTruncatingAndKeepsAlpha) {
    struct Case {
        std::vector<std::uint8_t> before; // blue, green, red, alpha
        std::vector<std::uint8_t> after;
    };
    const Case cases[] = {
        {{255, 255, 255, 128}, {128, 128, 128, 128}}, // half-transparent white
        {{10, 20, 30, 0}, {0, 0, 0, 0}},              // fully transparent leaves the surface unchanged
        {{41, 41, 111, 255}, {41, 41, 111, 255}},     // opaque stays as it is
        {{200, 100, 50, 51}, {40, 20, 10, 51}},
        {{255, 1, 254, 254}, {254, 0, 253, 254}}, // 254 * 254 / 255 = 253.0 truncated; 1 * 254 / 255 = 0
        {{32, 32, 143, 1}, {0, 0, 0, 1}},
        // Two pixels, then three stray bytes that are not a whole pixel.
        {{255, 255, 255, 128, 100, 0, 200, 255, 9, 9, 9}, {128, 128, 128, 128, 100, 0, 200, 255, 9, 9, 9}},
        {{}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> pixels = c.before;
        SkinPixels::Premultiply(pixels);
        EXPECT_EQ(pixels, c.after) << testing::PrintToString(c.before);
    }
}

} // namespace
} // namespace corvalith
