#include "app/MainWindowLayout.h"
#include "app/DpiBalloonText.h"
#include "app/HotSpotPlan.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

// H1 = 160 (button-assignment panel), H2 = 120 (axis panel).
TEST(MainWindowLayout, SectionsMoveWhatLiesBelowThem) {
    MainWindowLayout layout(160, 120);
    // All collapsed, as after start-up.
    EXPECT_EQ(layout.Header(1), (Rect{20, 107, 262, 127}));
    EXPECT_EQ(layout.Header(2), (Rect{20, 132, 262, 152}));
    EXPECT_EQ(layout.Header(3), (Rect{20, 157, 262, 177}));
    EXPECT_EQ(layout.Header(4), (Rect{20, 182, 262, 202}));
    EXPECT_EQ(layout.LiftOffSlider(), (Rect{37, 243, 245, 252}));

    layout.Toggle(MainWindowLayout::AxisSensitivity, false);
    EXPECT_EQ(layout.XSlider(), (Rect{37, 202, 245, 211}));
    EXPECT_EQ(layout.YSlider(), (Rect{37, 262, 245, 271}));
    EXPECT_EQ(layout.Header(4), (Rect{20, 302, 262, 322}));

    // Opening the button assignment moves header 3, both sliders and header 4 down by H1.
    layout.Toggle(MainWindowLayout::ButtonAssignment, false);
    EXPECT_EQ(layout.Header(2), (Rect{20, 292, 262, 312}));
    EXPECT_EQ(layout.Header(3), (Rect{20, 317, 262, 337}));
    EXPECT_EQ(layout.XSlider(), (Rect{37, 362, 245, 371}));
    EXPECT_EQ(layout.YSlider(), (Rect{37, 422, 245, 431}));
    EXPECT_EQ(layout.Header(4), (Rect{20, 462, 262, 482}));
    EXPECT_EQ(layout.LiftOffSlider(), (Rect{37, 523, 245, 532}));
    EXPECT_EQ(layout.LiftOffOnZone(), (Rect{40, 496, 51, 547}));
    EXPECT_EQ(layout.LiftOffOffZone(), (Rect{178, 496, 189, 547}));

    layout.Toggle(MainWindowLayout::ButtonAssignment, true);
    EXPECT_EQ(layout.Header(3), (Rect{20, 157, 262, 177}));
    EXPECT_EQ(layout.XSlider(), (Rect{37, 202, 245, 211}));
    EXPECT_EQ(layout.Header(4), (Rect{20, 302, 262, 322}));

    layout.Toggle(MainWindowLayout::AxisSensitivity, true);
    EXPECT_EQ(layout.Header(4), (Rect{20, 182, 262, 202}));
    EXPECT_TRUE(layout.IsCollapsed(MainWindowLayout::AxisSensitivity));
    // The lift-off zones follow header 4 whether or not its section is open.
    EXPECT_TRUE(layout.IsCollapsed(MainWindowLayout::LiftOff));
    EXPECT_TRUE(layout.LiftOffOnZone().Contains(40, 216));
    EXPECT_FALSE(layout.LiftOffOnZone().Contains(51, 216));
    EXPECT_TRUE(layout.LiftOffOffZone().Contains(188, 266));
    EXPECT_FALSE(layout.LiftOffOffZone().Contains(188, 267));
}

TEST(MainWindowLayout, RowsShowSlotsFourAndThreeSwapped) {
    const int slots[] = {0, 1, 2, 4, 3, 5, 6};
    for (int row = 1; row <= 7; ++row) {
        EXPECT_EQ(MainWindowLayout::SlotOfRow(row), slots[row - 1]);
        EXPECT_EQ(MainWindowLayout::RowOfSlot(slots[row - 1]), row);
        EXPECT_EQ(MainWindowLayout::DropDown(slots[row - 1]).Top, 154 + 20 * (row - 1))
            << "rows go down in order";
    }
    EXPECT_EQ(MainWindowLayout::DropDown(3), (Rect{120, 234, 250, 250}));
    EXPECT_EQ(MainWindowLayout::SlotOfRow(0), -1);
    EXPECT_EQ(MainWindowLayout::DropDown(7), Rect{});
    EXPECT_EQ(MainWindowLayout::HelpZone({20, 300, 262, 320}), (Rect{220, 300, 239, 320}));
}

TEST(MainWindowLayout, SwitchZonesActOnlyWhileTheirSectionIsOpen) {
    using Press = MainWindowLayout::SwitchPress;
    MainWindowLayout layout(160, 120); // header 4 at 182..202: on zone 40..51 x 216..267, off 178..189
    struct Case {
        bool open;
        int x, y;
        Press expected;
    };
    const Case cases[] = {
        {false, 40, 216, Press::None}, {false, 188, 266, Press::None}, // collapsed: the empty panel
        {true, 40, 216, Press::On},    {true, 50, 266, Press::On},     {true, 51, 216, Press::None},
        {true, 178, 216, Press::Off},  {true, 188, 266, Press::Off},   {true, 188, 267, Press::None},
        {true, 100, 230, Press::None},
    };
    for (const Case& c : cases) {
        layout.Toggle(MainWindowLayout::LiftOff, !c.open);
        EXPECT_EQ(layout.SwitchAt(c.x, c.y), c.expected) << c.open << " " << c.x << "," << c.y;
    }
}

std::string Drawn(int view, int selection) {
    std::string text;
    for (const HotSpotPlan::Image& image : HotSpotPlan::For(view, selection)) {
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(image.Number);
        if (image.Over) {
            text += '*';
        }
    }
    return text;
}

TEST(HotSpotPlan, SelectedButtonFirstThenTheListedNormalOnes) {
    struct Case {
        int selection;
        const char* front;
        const char* side;
    };
    const Case cases[] = {
        {1, "1* 2 3 4 5 6 7", "1* 2 3 4 5 6 7"},
        {2, "2* 1 3 4 5 6 7", "2* 1 3 4 5 6 7"},
        {3, "3* 1 2 4 5 6 7", "3* 1 2 4 5 6 7"},
        {4, "5* 1 2 3 4 6", "5* 1 2 3 4 6"},
        {5, "4* 1 2 3 5 6 7", "4* 1 2 3 5 6"},
        {6, "6* 1 2 3 4 5", "6* 1 2 3 4 5"},
        {7, "7* 1 2 3 4 5", "7* 1 2 3 4 5"},
        {255, "1 2 3 4 5 6", "1 2 3 4 5 6"},
        {0, "", ""},
        {8, "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Drawn(1, c.selection), c.front) << c.selection;
        EXPECT_EQ(Drawn(2, c.selection), c.side) << c.selection;
    }
    EXPECT_EQ(Drawn(3, 1), "");

    // Row "Button 4" is slot 4, selection 5: F-4 over at its place.
    const HotSpotPlan::Image first = HotSpotPlan::For(1, MainWindowLayout::SlotOfRow(4) + 1).front();
    EXPECT_EQ(first.Path, "Skins/Mouse/Front/F-4-over.png");
    EXPECT_EQ(first.X, 350);
    EXPECT_EQ(first.Y, 247);
    const HotSpotPlan::Image side = HotSpotPlan::For(2, 255).back();
    EXPECT_EQ(side.Path, "Skins/Mouse/Side/S-6-normal.png");
    EXPECT_EQ(side.X, 460);
    EXPECT_EQ(side.Y, 158);
}

TEST(DpiBalloonText, StageTextAndTheDpiTheMouseHolds) {
    DpiBalloonText balloon;
    DpiBalloonText::StageTexts texts;
    const char* ordinals[] = {"first", "second", "third", "fourth", "fifth", "sixth", "seven", "eight"};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = std::string("Switch DPI into the ") + ordinals[i] + " stage ";
    }
    ProfileSettings snapshot = ProfileSettings::FactoryDefaults();
    snapshot.DpiValuesB[1] = 32; // stage 2 edited to 3200

    EXPECT_EQ(balloon.ForStage(1, texts, snapshot), "Switch DPI into the second stage (3200)");
    EXPECT_EQ(balloon.ForStage(7, texts, snapshot), "Switch DPI into the eight stage (0)");
    EXPECT_EQ(balloon.ForStage(8, texts, snapshot), "Switch DPI into the eight stage (0)") << "previous text";
    EXPECT_EQ(balloon.ForStage(0, texts, snapshot), "Switch DPI into the first stage (600)");
    EXPECT_EQ(DpiBalloonText().ForStage(9, texts, snapshot), "");
}

} // namespace
} // namespace corvalith
