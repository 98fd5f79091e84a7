#include "app/HotSpotPlan.h"

#include "skin/SkinFileNames.h"

#include <array>

namespace corvalith {

namespace {

struct Selection {
    int over;                   // 0: nothing drawn "over"
    std::array<bool, 8> normal; // index 1..7: drawn in its normal state
};

// Per selection 1..7 and 255 (index 0), for each view. The rows' slot order makes selection 4 light
// button 5 and selection 5 light button 4.
constexpr Selection Row(int over, std::initializer_list<int> normals) {
    Selection selection{over, {}};
    for (const int n : normals) {
        selection.normal[static_cast<std::size_t>(n)] = true;
    }
    return selection;
}

const std::array<Selection, 8> kFront = {
    Row(0, {1, 2, 3, 4, 5, 6}), Row(1, {2, 3, 4, 5, 6, 7}), Row(2, {1, 3, 4, 5, 6, 7}),
    Row(3, {1, 2, 4, 5, 6, 7}), Row(5, {1, 2, 3, 4, 6}),    Row(4, {1, 2, 3, 5, 6, 7}),
    Row(6, {1, 2, 3, 4, 5}),    Row(7, {1, 2, 3, 4, 5}),
};
const std::array<Selection, 8> kSide = {
    Row(0, {1, 2, 3, 4, 5, 6}), Row(1, {2, 3, 4, 5, 6, 7}), Row(2, {1, 3, 4, 5, 6, 7}),
    Row(3, {1, 2, 4, 5, 6, 7}), Row(5, {1, 2, 3, 4, 6}),    Row(4, {1, 2, 3, 5, 6}),
    Row(6, {1, 2, 3, 4, 5}),    Row(7, {1, 2, 3, 4, 5}),
};

constexpr int kFrontPosition[8][2] = {{0, 0},     {350, 102}, {550, 102}, {498, 190},
                                      {350, 247}, {350, 315}, {498, 255}, {498, 285}};
constexpr int kSidePosition[8][2] = {{0, 0},     {400, 155}, {335, 155}, {410, 248},
                                     {490, 270}, {545, 265}, {460, 158}, {487, 158}};

} // namespace

std::vector<HotSpotPlan::Image> HotSpotPlan::For(int view, int selection) {
    if (view != 1 && view != 2) {
        return {};
    }
    const std::size_t row = selection == 255                   ? 0
                            : selection >= 1 && selection <= 7 ? static_cast<std::size_t>(selection)
                                                               : 8;
    if (row == 8) {
        return {};
    }
    const bool front = view == 1;
    const Selection& plan = (front ? kFront : kSide)[row];
    const auto image = [front](int number, bool over) {
        const int(&position)[2] = (front ? kFrontPosition : kSidePosition)[number];
        const auto side = front ? SkinFileNames::MouseView::Front : SkinFileNames::MouseView::Side;
        return Image{number, over, position[0], position[1],
                     SkinFileNames::InSkins(SkinFileNames::MouseButton(side, number, over))};
    };
    std::vector<Image> images;
    if (plan.over != 0) {
        images.push_back(image(plan.over, true));
    }
    for (int number = 1; number <= 7; ++number) {
        if (plan.normal[static_cast<std::size_t>(number)]) {
            images.push_back(image(number, false));
        }
    }
    return images;
}

} // namespace corvalith
