#include "pages/AdvancedPanelLayout.h"
#include "pages/PanelScroll.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvalith {
namespace {

using Layout = AdvancedPanelLayout;

// Page heights: DPI 232, lighting 192, pad 163, polling rate 135, the two gauges 112, scroll 72, angle 50.
Layout MakeLayout() {
    return Layout(
        {{{242, 232}, {242, 192}, {242, 163}, {242, 135}, {242, 112}, {242, 112}, {242, 72}, {242, 50}}});
}

TEST(AdvancedPanelLayoutTest, HeadersCascadeBelowOpenPages) {
    struct Case {
        const char* name;
        bool pad;
        std::vector<std::pair<int, bool>> toggles; // section, collapse
        std::vector<int> headerTops;               // sections 1..8
        int contentHeight;
        int range;
    };
    const Case cases[] = {
        {"all collapsed, pad off", false, {}, {2, 27, 52, 52, 77, 102, 127, 152}, 120, 563},
        {"all collapsed, pad on", true, {}, {2, 27, 52, 77, 102, 127, 152, 177}, 120, 563},
        {"DPI open", false, {{1, false}}, {2, 259, 284, 284, 309, 334, 359, 384}, 362, 563},
        {"DPI open and closed", false, {{1, false}, {1, true}}, {2, 27, 52, 52, 77, 102, 127, 152}, 120, 563},
        {"DPI and polling open",
         false,
         {{1, false}, {4, false}},
         {2, 259, 284, 284, 444, 469, 494, 519},
         507,
         563},
        {"polling stays under its header when DPI closes",
         false,
         {{1, false}, {4, false}, {1, true}},
         {2, 27, 52, 52, 212, 237, 262, 287},
         265,
         563},
        {"four open",
         false,
         {{1, false}, {2, false}, {4, false}, {5, false}},
         {2, 259, 476, 476, 636, 773, 798, 823},
         831,
         831},
        {"opening an open section again changes nothing",
         false,
         {{1, false}, {1, false}},
         {2, 259, 284, 284, 309, 334, 359, 384},
         362,
         563},
        {"pad section open with the pad on",
         true,
         {{3, false}},
         {2, 27, 52, 240, 265, 290, 315, 340},
         293,
         563},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Layout layout = MakeLayout();
        layout.SetPadSection(c.pad);
        for (const auto& [section, collapse] : c.toggles) {
            EXPECT_TRUE(layout.Toggle(section, collapse));
        }
        for (int section = 1; section <= Layout::kSections; ++section) {
            if (section == 3 && !c.pad) {
                continue; // takes no part in the layout
            }
            const Rect header = layout.Header(section);
            EXPECT_EQ(header, (Rect{0, c.headerTops[section - 1], 242, c.headerTops[section - 1] + 20}))
                << "section " << section;
            if (!layout.IsCollapsed(section)) {
                EXPECT_EQ(layout.Page(section).Top, header.Bottom) << "page " << section;
            }
        }
        EXPECT_EQ(layout.ContentHeight(), c.contentHeight);
        EXPECT_EQ(layout.ScrollRange(), c.range);
    }
}

TEST(AdvancedPanelLayoutTest, CollapseAllClosesEverySectionAndOutOfRangeSectionsAreRefused) {
    Layout layout = MakeLayout();
    layout.SetPadSection(false);
    for (const int section : {1, 2, 4, 7}) {
        layout.Toggle(section, false);
    }
    layout.CollapseAll();
    for (int section = 1; section <= Layout::kSections; ++section) {
        EXPECT_TRUE(layout.IsCollapsed(section));
    }
    EXPECT_EQ(layout.ContentHeight(), 120);
    EXPECT_EQ(layout.Header(8).Top, 152);
    EXPECT_FALSE(layout.Toggle(0, false));
    EXPECT_FALSE(layout.Toggle(9, false));
    EXPECT_EQ(layout.ContentHeight(), 120);
    EXPECT_FALSE(Layout::HeaderShown(3));
    EXPECT_FALSE(Layout::HeaderShown(8));
    EXPECT_TRUE(Layout::HeaderShown(4));
}

TEST(PanelScrollTest, BarFollowsTheVisibleHeightAndTheRange) {
    struct Case {
        const char* name;
        int oldPage, oldPosition;
        int visible, range, barPosition;
        PanelScroll::Bar expected;
    };
    const Case cases[] = {
        {"start-up", 0, 0, 561, 563, 0, {562, 561, 0, 0}},
        {"larger range keeps the position", 561, 200, 561, 831, 200, {830, 561, 200, 0}},
        {"smaller range pulls the position back", 561, 200, 561, 600, 200, {599, 561, 38, 162}},
        {"everything fits", 561, 38, 600, 563, 38, {0, 0, 0, 38}},
        {"smaller page rescales the position", 561, 100, 400, 831, 100, {830, 400, 71, 29}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PanelScroll scroll;
        scroll.Set(c.oldPage, c.oldPosition);
        EXPECT_EQ(scroll.Update(c.visible, c.range, c.barPosition), c.expected);
        EXPECT_EQ(scroll.Position(), c.expected.Position);
    }
}

TEST(PanelScrollTest, ScrollMessagesMoveWithinTheRange) {
    struct Case {
        const char* name;
        int position;
        int code, thumb;
        int change;
    };
    const Case cases[] = {
        {"line down", 0, PanelScroll::LineDown, 0, 60},
        {"line up at the top", 0, PanelScroll::LineUp, 0, 0},
        {"line up", 100, PanelScroll::LineUp, 0, -60},
        {"page down stops at range - page", 0, PanelScroll::PageDown, 0, 270},
        {"page up", 270, PanelScroll::PageUp, 0, -270},
        {"thumb", 60, PanelScroll::ThumbTrack, 100, 40},
        {"thumb position beyond the end", 0, PanelScroll::ThumbPosition, 900, 270},
        {"end of scroll is ignored", 60, 8, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PanelScroll scroll;
        scroll.Set(561, c.position);
        EXPECT_EQ(scroll.Scroll(c.code, c.thumb, 831), c.change);
        EXPECT_EQ(scroll.Position(), c.position + c.change);
    }
}

TEST(PanelScrollTest, WheelSendsLinesOrPages) {
    struct Case {
        int delta, lines;
        PanelScroll::WheelSteps expected;
    };
    const Case cases[] = {
        {120, 3, {PanelScroll::LineUp, 1}},     {-120, 3, {PanelScroll::LineDown, 1}},
        {-240, 3, {PanelScroll::LineDown, 2}},  {360, 3, {PanelScroll::LineUp, 3}},
        {-120, 10, {PanelScroll::LineDown, 3}}, {-120, -1, {PanelScroll::PageDown, 1}},
        {120, -1, {PanelScroll::PageUp, 1}},    {0, 3, {PanelScroll::LineDown, 1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PanelScroll::Wheel(c.delta, c.lines), c.expected) << c.delta << " " << c.lines;
    }
}

} // namespace
} // namespace corvalith
