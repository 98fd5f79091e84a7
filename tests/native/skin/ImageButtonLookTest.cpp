#include "skin/ImageButtonLook.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Look = ImageButtonLook;

TEST(ImageButtonLookTest, ImageAndCaptionColourFollowTheState) {
    struct Case {
        const char* name;
        Look::State state; // disabled, checked, pressed, hover
        Look::Image image;
        Look::TextColour colour;
    };
    const Case cases[] = {
        {"idle", {false, false, false, false}, Look::Image::Normal, Look::TextColour::Normal},
        {"hover", {false, false, false, true}, Look::Image::Hover, Look::TextColour::Hover},
        {"pressed", {false, false, true, false}, Look::Image::Pressed, Look::TextColour::Pressed},
        {"pressed under the pointer",
         {false, false, true, true},
         Look::Image::Pressed,
         Look::TextColour::Hover},
        {"checked elsewhere", {false, true, false, false}, Look::Image::Pressed, Look::TextColour::Pressed},
        {"checked under the pointer",
         {false, true, false, true},
         Look::Image::Pressed,
         Look::TextColour::Hover},
        {"disabled", {true, false, false, false}, Look::Image::Disabled, Look::TextColour::Disabled},
        {"disabled and checked",
         {true, true, false, false},
         Look::Image::Disabled,
         Look::TextColour::Disabled},
        {"disabled, checked, pressed",
         {true, true, true, false},
         Look::Image::Disabled,
         Look::TextColour::Disabled},
        // A hover left over from before the button was disabled still colours the caption.
        {"disabled with hover", {true, false, false, true}, Look::Image::Disabled, Look::TextColour::Hover},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Look::ChooseImage(c.state), c.image);
        EXPECT_EQ(Look::ChooseTextColour(c.state), c.colour);
    }
}

TEST(ImageButtonLookTest, CaptionBoxKeepsAFiveMarginAndIndentsOnlyLeftAlignedCaptions) {
    const Rect client{0, 0, 140, 30};
    struct Case {
        int alignment;
        int indent;
        Rect box;
        Look::Alignment kind;
    };
    const Case cases[] = {
        {0, 0, {5, 0, 140, 30}, Look::Alignment::Centre},
        {0, 20, {5, 0, 140, 30}, Look::Alignment::Centre},
        {1, 0, {5, 0, 140, 30}, Look::Alignment::Left},
        {1, 20, {25, 0, 140, 30}, Look::Alignment::Left}, // the main window's configuration button
        {1, -3, {5, 0, 140, 30}, Look::Alignment::Left},
        {2, 20, {5, 0, 140, 30}, Look::Alignment::Right},
        {3, 20, {5, 0, 140, 30}, Look::Alignment::RightUnclipped},
        {-1, 0, {5, 0, 140, 30}, Look::Alignment::RightUnclipped},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.alignment << " / " << c.indent);
        EXPECT_EQ(Look::CaptionBox(client, c.alignment, c.indent), c.box);
        EXPECT_EQ(Look::AlignmentOf(c.alignment), c.kind);
    }
}

} // namespace
} // namespace corvalith
