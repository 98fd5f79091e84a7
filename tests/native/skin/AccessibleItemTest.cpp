#include "skin/AccessibleItem.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvalith {
namespace {

using Step = AccessibleItem::Step;

TEST(AccessibleItemTest, PointsAndStepsFindTheirItems) {
    // Two items side by side and one below them.
    const std::vector<AccessibleItem> items = {
        {"A", AccessibleItem::Role::PushButton, "", {0, 0, 10, 10}},
        {"B", AccessibleItem::Role::PushButton, "", {10, 0, 20, 10}},
        {"C", AccessibleItem::Role::PushButton, "", {0, 20, 20, 30}},
    };
    struct Point {
        int x, y, item;
    };
    for (const Point& p : {Point{0, 0, 0}, Point{9, 9, 0}, Point{10, 0, 1}, Point{19, 9, 1}, Point{20, 5, -1},
                           Point{5, 10, -1}, Point{5, 29, 2}, Point{5, 30, -1}, Point{-1, 0, -1}}) {
        EXPECT_EQ(AccessibleItem::HitTest(items, p.x, p.y), p.item) << p.x << "," << p.y;
    }
    struct Move {
        std::size_t count;
        int from;
        Step step;
        int to;
    };
    for (const Move& m : {
             Move{3, 0, Step::Next, 1},
             Move{3, 2, Step::Next, -1},
             Move{3, -1, Step::Next, -1},
             Move{3, 1, Step::Previous, 0},
             Move{3, 0, Step::Previous, -1},
             Move{3, -1, Step::First, 0},
             Move{3, -1, Step::Last, 2},
             Move{3, 1, Step::First, -1},
             Move{0, -1, Step::First, -1},
             Move{0, -1, Step::Last, -1},
             Move{3, 3, Step::Previous, -1},
             Move{3, -2, Step::Next, -1},
         }) {
        EXPECT_EQ(AccessibleItem::Navigate(m.count, m.from, m.step), m.to)
            << m.count << " " << m.from << " " << static_cast<int>(m.step);
    }
}

} // namespace
} // namespace corvalith
