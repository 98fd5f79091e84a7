#include "profile/ProfileSettings.h"
#include "profile/AssignmentKind.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace corvalith {
namespace {

struct Run {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

// The factory-default record, byte by byte, as the settings table lists it. Bytes not named are 0.
const std::vector<Run> kDefaultRuns = {
    {1, {1, 1, 1, 1}},
    {5, {1, 2}},
    {7, {12, 24, 48, 72, 108, 144, 180, 0}},
    {15, {6, 12, 24, 36, 48, 72, 120, 0}},
    {23, {1, 1, 1, 1, 1, 1, 1, 0}},
    {31, {1, 1, 1, 1, 1, 1, 1, 0}},
    {39, {0xFF, 0,    0,    0,    0,    0xFF, 0,    0xFF, 0,    0xFF, 0xFF, 0,
          0,    0xFF, 0xFF, 0xFF, 0x80, 0,    0xFF, 0,    0xFF, 0,    0,    0}},
    {63, {3, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
    {88, {0xFF, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0xFF, 0, 0xFF, 0xFF}},
    {112, {1, 3, 3, 5, 5, 5, 5, 5, 5, 5, 5}},
    {136, {0xFF, 0, 0, 0xFF, 0xFF, 0, 0, 0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0xFF, 0, 0xFF, 0xFF}},
    {160, {1, 0xFF, 0, 6, 3, 6, 0, 0, 6, 5, 5}},
    {176, {3}},
    {177, {0, 1, 2, 4, 3, 6, 6, 13}},
    {185, {13, 13, 13, 13, 13, 1, 2, 0}},
    {193, {0, 2, 1, 0, 0, 0, 0, 0}},
};

std::vector<std::uint8_t> ImageOf(const std::vector<Run>& runs, std::uint8_t fill) {
    std::vector<std::uint8_t> image(ProfileSettings::kSize, fill);
    for (const Run& run : runs) {
        std::copy(run.bytes.begin(), run.bytes.end(), image.begin() + static_cast<long>(run.offset));
    }
    return image;
}

void ExpectBytes(const ProfileSettings& profile, const std::vector<std::uint8_t>& expected) {
    ASSERT_EQ(expected.size(), ProfileSettings::kSize);
    for (std::size_t i = 0; i < ProfileSettings::kSize; ++i) {
        EXPECT_EQ(profile.Bytes()[i], expected[i]) << "at offset " << i;
    }
}

TEST(ProfileSettings, FactoryDefaultsMatchTheTableByteForByte) {
    ExpectBytes(ProfileSettings::FactoryDefaults(), ImageOf(kDefaultRuns, 0));
}

TEST(ProfileSettings, ResetKeepsExactlyTheKeptBytesAndClearsTheButtonParameters) {
    ProfileSettings profile;
    std::memset(profile.Bytes(), 0xAA, ProfileSettings::kSize);
    profile.ResetToFactoryDefaults();

    std::vector<std::uint8_t> expected = ImageOf(kDefaultRuns, 0);
    // Profile index, eighth stage bytes, reserved gaps, palette entries 6 and 7, lift-off switch,
    // macro block table and the last three bytes keep what they held.
    const std::vector<std::pair<std::size_t, std::size_t>> kept = {
        {0, 1},    {14, 1},  {22, 1},  {30, 1},  {38, 1},     {74, 14}, {106, 6},
        {124, 12}, {154, 6}, {171, 1}, {172, 4}, {329, 1560}, {1889, 3}};
    for (const auto& [offset, count] : kept) {
        std::fill_n(expected.begin() + static_cast<long>(offset), count, 0xAA);
    }
    ExpectBytes(profile, expected);
}

// A value no page could have set, read from a file, is brought into its page's range before it reaches
// Windows or the mouse; every other byte stays, values past the palette and the fine DPI scale included.
TEST(ProfileSettings, ClampingBringsEveryValueIntoItsPagesRange) {
    struct Case {
        std::size_t offset;
        std::uint8_t stored;
        std::uint8_t kept;
    };
    const Case cases[] = {
        {163, 0, 1},   {163, 12, 11},  {163, 255, 11},  {163, 7, 7},    // pointer speed level
        {165, 14, 11}, {165, 0, 1},    {165, 11, 11},                   // double-click level
        {164, 0, 1},   {164, 101, 1},  {164, 100, 100},                 // scroll lines
        {5, 0, 2},     {5, 3, 2},      {5, 16, 2},      {5, 8, 8},      // polling interval
        {169, 0, 1},   {169, 12, 1},   {169, 11, 11},   {170, 200, 1},  // sensitivity X and Y
        {176, 7, 0},   {176, 6, 6},    {176, 0, 0},                     // lift-off level
        {15, 0, 1},    {15, 121, 120}, {21, 255, 120},  {21, 120, 120}, // sent DPI codes of stages 1 and 7
        {7, 0, 0},     {22, 0, 0},     {112, 200, 200}, {162, 7, 7},    // not clamped
    };
    for (const Case& c : cases) {
        ProfileSettings profile = ProfileSettings::FactoryDefaults();
        profile.Bytes()[c.offset] = c.stored;
        std::vector<std::uint8_t> expected = ImageOf(kDefaultRuns, 0);
        expected[c.offset] = c.kept;
        profile.ClampToPageRanges();
        SCOPED_TRACE("offset " + std::to_string(c.offset) + " holding " + std::to_string(c.stored));
        ExpectBytes(profile, expected);
    }
}

TEST(ProfileSettings, NamedFieldsReadTheirOffsets) {
    const ProfileSettings profile = ProfileSettings::FactoryDefaults();
    EXPECT_EQ(profile.DpiValuesB[6], 120);
    EXPECT_EQ(profile.DpiStageColors[5], (Rgb{0xFF, 0x80, 0x00}));
    EXPECT_EQ(profile.PadLightParams[0], 3);
    EXPECT_EQ(profile.EnhancePointerPrecision, 0xFF);
    EXPECT_EQ(profile.ButtonAssignmentKind[7], 13);
    EXPECT_EQ(profile.LiftOffEnabled, 0u);

    ProfileSettings record{};
    record.LiftOffEnabled = 0x04030201; // little-endian on disk
    EXPECT_EQ(record.Bytes()[172], 0x01);
    EXPECT_EQ(record.Bytes()[175], 0x04);
    record.MacroBlockTable[11][129] = 0x5A; // last byte of the last macro block
    EXPECT_EQ(record.Bytes()[329 + 11 * 130 + 129], 0x5A);
}

TEST(AssignmentKind, NamesAndGaps) {
    const std::vector<std::pair<int, const char*>> cases = {
        {0, "Click"},       {1, "Menu"},        {2, "Scroll"},   {3, "Forward"},      {4, "Back"},
        {5, "DoubleClick"}, {6, "DpiFunction"}, {7, "MediaKey"}, {8, "CtrlShortcut"}, {9, "SystemFunction"},
        {10, "SingleKey"},  {11, "Macro"},      {12, ""},        {13, "Deactivated"}, {14, ""},
        {15, "LeftTilt"},   {16, "RightTilt"},  {17, "Fn"},      {18, "Snipe"},       {19, ""},
        {255, ""}};
    for (const auto& [value, name] : cases) {
        EXPECT_EQ(AssignmentKindName(static_cast<std::uint8_t>(value)), name) << value;
        EXPECT_EQ(IsAssignmentKind(static_cast<std::uint8_t>(value)), name[0] != '\0') << value;
    }
    EXPECT_EQ(static_cast<int>(AssignmentKind::Snipe), 18);
    EXPECT_EQ(static_cast<int>(AssignmentKind::Deactivated), 13);
}

} // namespace
} // namespace corvalith
