#include "skin/ButtonPointer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalith {
namespace {

// Three buttons: A at (0,0)-(10,10), B at (20,0)-(30,10), and C lying over B's right half but hidden,
// then shown where the step says.
struct Step {
    std::string what;
    char event; // m move, d move with the left button held, p press, r release, l leave, x capture lost
    int x, y;
    bool cShown;
    int hovered, held;
    std::vector<int> changed;
    int clicked;
    bool take, release;
};

TEST(ButtonPointerTest, HoverPressAndClickFollowThePointer) {
    const std::vector<Step> steps = {
        {"onto A", 'm', 5, 5, false, 0, -1, {0}, -1, false, false},
        {"within A", 'm', 6, 6, false, 0, -1, {}, -1, false, false},
        {"right edge of A is outside", 'm', 10, 5, false, -1, -1, {0}, -1, false, false},
        {"onto B", 'm', 20, 9, false, 1, -1, {1}, -1, false, false},
        {"press B", 'p', 21, 1, false, 1, 1, {1}, -1, true, false},
        {"held off B", 'd', 5, 5, false, -1, 1, {1}, -1, false, false},
        {"held back onto B", 'd', 22, 2, false, 1, 1, {1}, -1, false, false},
        {"release on B clicks it", 'r', 22, 2, false, 1, -1, {1}, 1, false, true},
        {"press B again", 'p', 22, 2, false, 1, 1, {1}, -1, true, false},
        {"release over A: no click, A hovered", 'r', 5, 5, false, 0, -1, {1, 0}, -1, false, true},
        {"off A", 'm', 15, 5, false, -1, -1, {0}, -1, false, false},
        {"press outside every button", 'p', 15, 5, false, -1, -1, {}, -1, false, false},
        {"a press from elsewhere hovers nothing", 'd', 5, 5, false, -1, -1, {}, -1, false, false},
        {"release with nothing held", 'r', 5, 5, false, -1, -1, {}, -1, false, false},
        {"C on top of B takes the pointer", 'm', 28, 5, true, 2, -1, {2}, -1, false, false},
        {"hidden C leaves B under it", 'm', 28, 5, false, 1, -1, {2, 1}, -1, false, false},
        {"press B", 'p', 28, 5, false, 1, 1, {1}, -1, true, false},
        {"leaving the window keeps B held", 'l', 0, 0, false, -1, 1, {1}, -1, false, false},
        {"losing the mouse lets go", 'x', 0, 0, false, -1, -1, {}, -1, false, false},
    };
    ButtonPointer pointer;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        const ButtonPointer::Target targets[] = {
            {{0, 0, 10, 10}, true}, {{20, 0, 30, 10}, true}, {{25, 0, 30, 10}, s.cShown}};
        ButtonPointer::Outcome o;
        switch (s.event) {
        case 'm':
            o = pointer.Move(targets, s.x, s.y, false);
            break;
        case 'd':
            o = pointer.Move(targets, s.x, s.y, true);
            break;
        case 'p':
            o = pointer.Press(targets, s.x, s.y);
            break;
        case 'r':
            o = pointer.Release(targets, s.x, s.y);
            break;
        case 'l':
            o = pointer.Leave();
            break;
        default:
            o = pointer.Lose();
            break;
        }
        EXPECT_EQ(pointer.Hovered(), s.hovered);
        EXPECT_EQ(pointer.Held(), s.held);
        EXPECT_EQ(o.Changed, s.changed);
        EXPECT_EQ(o.Clicked, s.clicked);
        EXPECT_EQ(o.TakeCapture, s.take);
        EXPECT_EQ(o.ReleaseCapture, s.release);
    }
}

TEST(ButtonPointerTest, AHeldButtonLooksPressedOnlyUnderThePointer) {
    const ButtonPointer::Target targets[] = {{{0, 0, 10, 10}, true}};
    ButtonPointer pointer;
    pointer.Press(targets, 5, 5);
    EXPECT_TRUE(pointer.LookOf(0, false, true).pressed);
    pointer.Move(targets, 50, 5, true);
    const ImageButtonLook::State away = pointer.LookOf(0, true, false);
    EXPECT_FALSE(away.pressed);
    EXPECT_FALSE(away.hover);
    EXPECT_TRUE(away.checked);
    EXPECT_TRUE(away.disabled);
}

} // namespace
} // namespace corvalith
