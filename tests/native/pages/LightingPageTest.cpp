#include "pages/LightingPageModel.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace corvalith {
namespace {

using Model = LightingPageModel;
using Target = Model::Target;

TEST(LightingPageModelTest, SwatchClicksPerMode) {
    // Mouse swatch k spans x 100 + 22k .. 118 + 22k, y 166 .. 183; a click at its left top corner.
    struct Case {
        int mode;
        std::vector<bool> selectable; // swatches 0..5
    };
    const Case cases[] = {
        {1, {true, true, true, true, true, false}},      {2, {true, true, true, true, true, true}},
        {3, {false, false, false, false, false, false}}, {4, {false, false, false, false, false, false}},
        {9, {false, false, false, false, false, false}},
    };
    for (const Case& c : cases) {
        for (int swatch = 0; swatch < Model::kSwatches; ++swatch) {
            SCOPED_TRACE(testing::Message() << "mode " << c.mode << " swatch " << swatch);
            ProfileSettings profile{};
            profile.MouseLightMode = static_cast<std::uint8_t>(c.mode);
            profile.MouseColorIndex = 7; // none of the six
            Model model(profile, Target::Mouse);
            const bool selectable = c.selectable[static_cast<std::size_t>(swatch)];
            EXPECT_EQ(model.Click(100 + 22 * swatch, 166), selectable ? 1 : 0);
            EXPECT_EQ(profile.MouseColorIndex, selectable ? swatch : 7);
            // Double clicks open the colour chooser on the five editable swatches of modes 1 and 2.
            const bool chooser = (c.mode == 1 || c.mode == 2) && swatch < 5;
            EXPECT_EQ(model.ColourSwatchAt(117 + 22 * swatch, 182),
                      chooser ? std::optional<int>(swatch) : std::nullopt);
            // The pad's swatches are 29 pixels higher and announce nothing.
            ProfileSettings pad{};
            pad.PadLightMode = static_cast<std::uint8_t>(c.mode);
            pad.PadColorIndex = 7;
            Model padModel(pad, Target::Pad);
            EXPECT_EQ(padModel.Click(100 + 22 * swatch, 137), 0);
            EXPECT_EQ(pad.PadColorIndex, selectable ? swatch : 7);
        }
    }
}

TEST(LightingPageModelTest, OptionsSelectModes) {
    struct Case {
        const char* name;
        Target target;
        int mode, index; // before
        int x, y;
        int modeAfter, indexAfter;
        int notifications;
    };
    const Case cases[] = {
        {"Standard moves a multi-colour choice to swatch 0", Target::Mouse, 2, 5, 10, 20, 1, 0, 1},
        {"Respiration keeps it", Target::Mouse, 1, 3, 10, 49, 2, 3, 1},
        {"Stream", Target::Mouse, 1, 3, 15, 110, 9, 3, 1},
        {"Finger tapping", Target::Mouse, 1, 3, 19, 144, 4, 3, 1},
        {"the current option again", Target::Mouse, 3, 3, 10, 78, 3, 3, 1},
        {"beside the options", Target::Mouse, 3, 3, 30, 78, 3, 3, 0},
        {"pad: Standard, nothing announced", Target::Pad, 2, 5, 10, 20, 1, 0, 0},
        {"pad: no Finger tapping row", Target::Pad, 2, 3, 10, 136, 2, 3, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileSettings profile{};
        Model model(profile, c.target);
        (c.target == Target::Mouse ? profile.MouseLightMode : profile.PadLightMode) =
            static_cast<std::uint8_t>(c.mode);
        (c.target == Target::Mouse ? profile.MouseColorIndex : profile.PadColorIndex) =
            static_cast<std::uint8_t>(c.index);
        profile.ReservedMouseLight = 9;
        EXPECT_EQ(model.Click(c.x, c.y), c.notifications);
        EXPECT_EQ(model.Mode(), c.modeAfter);
        EXPECT_EQ(model.ColourIndex(), c.indexAfter);
    }
}

TEST(LightingPageModelTest, SelectModeSlidersAndFrame) {
    ProfileSettings profile{};
    profile.MouseLightParams[1] = 4; // Respiration
    profile.MouseLightParams[2] = 0; // Neon: out of range, shows as 1
    profile.MouseLightParams[8] = 6; // Stream
    profile.MouseColorIndex = 5;
    profile.ReservedMouseLight = 9;
    Model model(profile, Target::Mouse);
    struct Case {
        int mode;
        int storedMode;
        std::optional<int> selectedRow;
        bool drawsOptions;
        std::optional<int> frame;
    };
    const Case cases[] = {
        {2, 2, 2, true, 5},
        {3, 3, 3, true, 5},
        {8, 8, 4, true, 5},
        {6, 6, std::nullopt, true, 5},
        {0, 6, std::nullopt, true, 5},
        {1, 1, 1, true, 0},
        {12, 1, 1, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(model.SelectMode(c.mode), 1);
        EXPECT_EQ(profile.ReservedMouseLight, 0);
        profile.ReservedMouseLight = 9;
        EXPECT_EQ(model.Mode(), c.storedMode);
        EXPECT_EQ(model.SelectedRowMode(), c.selectedRow);
        EXPECT_EQ(model.DrawsOptions(), c.drawsOptions);
        EXPECT_EQ(model.FramedSwatch(), c.frame);
        for (const Model::Row& row : Model::Rows(Target::Mouse)) {
            EXPECT_EQ(model.SliderEnabled(row.Mode), row.Mode == c.storedMode) << row.Mode;
        }
    }
    EXPECT_EQ(model.SliderLevel(2), 4);
    EXPECT_EQ(model.SliderLevel(3), 1);
    EXPECT_EQ(model.SliderLevel(9), 6);
    EXPECT_EQ(model.SliderReleased(2045, 3), 1);
    EXPECT_EQ(profile.MouseLightParams[8], 3);
    EXPECT_EQ(model.SliderReleased(2046, 3), 0);
    EXPECT_EQ(model.SliderReleased(2036, 3), 0);
    EXPECT_EQ(model.ColourChosen(4, {9, 8, 7}), 1);
    EXPECT_EQ(profile.MouseColors[4], (Rgb{9, 8, 7}));
    EXPECT_EQ(model.ColourChosen(5, {9, 8, 7}), 0);
}

} // namespace
} // namespace corvalith
