#include "MouseArt.h"

#include "Widgets.h"

#include <algorithm>
#include <cmath>

namespace skingen {

using namespace palette;

namespace {

constexpr double kBadgeRadius = 10;
constexpr double kDotRadius = 3;
constexpr double kMargin = 3; // room for the glow around a badge or dot

const Colour kShell = Colour::Rgb(52, 55, 61);
const Colour kShellDark = Colour::Rgb(24, 25, 28);
const Colour kEdge = Colour::Rgb(88, 92, 100);
const Colour kSeam = Colour::Rgb(12, 12, 14);

void TopBodyPath(cairo_t* cr) {
    cairo_move_to(cr, 495, 94);
    cairo_curve_to(cr, 530, 93, 565, 98, 575, 122);
    cairo_curve_to(cr, 584, 150, 586, 215, 585, 270);
    cairo_curve_to(cr, 584, 330, 578, 375, 556, 402);
    cairo_curve_to(cr, 538, 420, 515, 424, 495, 424);
    cairo_curve_to(cr, 475, 424, 452, 420, 434, 402);
    cairo_curve_to(cr, 412, 375, 406, 330, 405, 270);
    cairo_curve_to(cr, 404, 215, 406, 150, 415, 122);
    cairo_curve_to(cr, 425, 98, 460, 93, 495, 94);
    cairo_close_path(cr);
}

void SideBodyPath(cairo_t* cr) {
    cairo_move_to(cr, 318, 352);
    cairo_curve_to(cr, 306, 345, 304, 325, 310, 308);
    cairo_curve_to(cr, 322, 284, 365, 262, 425, 250);
    cairo_curve_to(cr, 480, 238, 545, 236, 590, 252);
    cairo_curve_to(cr, 622, 265, 640, 295, 638, 325);
    cairo_curve_to(cr, 637, 342, 630, 352, 618, 354);
    cairo_line_to(cr, 326, 355);
    cairo_close_path(cr);
}

void Pill(const Canvas& c, double x, double y, double w, double h, const Colour& fill) {
    c.RoundedRect(x, y, w, h, std::min(w, h) / 2);
    c.FillVertical(fill.Lighter(0.12), fill.Darker(0.25), y, y + h, true);
    c.Stroke(kEdge, 1);
}

void Shadow(const Canvas& c, void (*path)(cairo_t*)) {
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_translate(cr, 0, 4);
    path(cr);
    c.Glow(Colour::Rgb(0, 0, 0, 0.55), 7);
    cairo_new_path(cr);
    cairo_restore(cr);
}

} // namespace

int MouseArt::HotSpot::Width() const {
    const double right = std::max(badgeX + kBadgeRadius + kMargin, dotX + kDotRadius + 2 * kMargin);
    return static_cast<int>(std::ceil(right)) - x;
}

int MouseArt::HotSpot::Height() const {
    const double bottom = std::max(badgeY + kBadgeRadius + kMargin, dotY + kDotRadius + 2 * kMargin);
    return static_cast<int>(std::ceil(bottom)) - y;
}

std::vector<MouseArt::HotSpot> MouseArt::FrontHotSpots() {
    // Badges stand in a column left (x 362) and right (x 630) of the mouse, leaders end on the buttons.
    return {
        {350, 102, 435, 150, 362, 114, 1}, // left button
        {550, 102, 556, 150, 630, 114, 2}, // right button
        {498, 190, 503, 195, 630, 202, 3}, // wheel
        {350, 247, 407, 259, 362, 259, 4}, // forward thumb button
        {350, 315, 407, 327, 362, 327, 5}, // back thumb button
        {498, 255, 503, 260, 630, 267, 6}, // DPI up
        {498, 285, 503, 290, 630, 297, 7}, // DPI down
    };
}

std::vector<MouseArt::HotSpot> MouseArt::SideHotSpots() {
    // Badges above the mouse for the buttons on its top, below it for the wheel and thumb buttons.
    return {
        {400, 155, 405, 262, 412, 170, 1}, // left button (near side)
        {335, 155, 345, 274, 347, 170, 2}, // right button (far side, its edge)
        {410, 248, 428, 253, 424, 392, 3}, // wheel
        {490, 270, 498, 283, 505, 392, 4}, // forward thumb button
        {545, 265, 553, 281, 561, 392, 5}, // back thumb button
        {460, 158, 471, 239, 472, 170, 6}, // DPI up
        {487, 158, 497, 238, 499, 170, 7}, // DPI down
    };
}

std::vector<MouseArt::HotSpot> MouseArt::BackHotSpots() {
    return {
        {380, 305, 434, 318, 393, 318, 4},
        {380, 333, 434, 343, 393, 346, 5},
    };
}

void MouseArt::DrawTop(const Canvas& c) {
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_translate(cr, -kTop.originX, -kTop.originY);

    // Cable.
    c.PixelLine(495, 84, 495, 96, Colour::Rgb(44, 45, 49), 4);
    Shadow(c, TopBodyPath);

    // Thumb buttons stand out of the left edge.
    Pill(c, 401, 237, 11, 44, Colour::Rgb(50, 52, 58));
    Pill(c, 401, 305, 11, 44, Colour::Rgb(50, 52, 58));

    TopBodyPath(cr);
    c.FillRadial(Colour::Rgb(66, 69, 76), kShellDark, 480, 230, 10, 200, true);
    cairo_save(cr);
    cairo_clip(cr);
    // The buttons catch the light at the front.
    cairo_rectangle(cr, 400, 90, 190, 140);
    c.FillVertical(kWhite.WithAlpha(0.10), kWhite.WithAlpha(0.0), 94, 228);
    // Red light strips along both flanks and around the back.
    cairo_move_to(cr, 418, 300);
    cairo_curve_to(cr, 420, 350, 432, 385, 452, 405);
    cairo_move_to(cr, 572, 300);
    cairo_curve_to(cr, 570, 350, 558, 385, 538, 405);
    c.Glow(kRedGlow.WithAlpha(0.8), 4);
    c.Stroke(Colour::Rgb(255, 120, 100), 1.2);
    cairo_restore(cr);
    TopBodyPath(cr);
    c.Stroke(kEdge, 1.5);

    // The seam behind the buttons and the groove between them.
    cairo_move_to(cr, 408, 236);
    cairo_curve_to(cr, 440, 226, 470, 222, 495, 222);
    cairo_curve_to(cr, 520, 222, 550, 226, 582, 236);
    c.Stroke(kSeam, 2);
    cairo_move_to(cr, 409, 238);
    cairo_curve_to(cr, 440, 228.5, 470, 224.5, 495, 224.5);
    cairo_curve_to(cr, 520, 224.5, 550, 228.5, 581, 238);
    c.Stroke(kWhite.WithAlpha(0.08), 1);
    c.PixelLine(495, 96, 495, 133, kSeam, 2);
    c.PixelLine(495, 203, 495, 222, kSeam, 2);

    // The wheel in its slot.
    c.RoundedRect(486, 133, 20, 70, 7);
    c.Fill(Colour::Rgb(10, 10, 11));
    c.RoundedRect(489, 137, 14, 62, 6);
    c.FillHorizontal(Colour::Rgb(60, 62, 68), Colour::Rgb(120, 124, 132), 489, 503, true);
    cairo_new_path(cr);
    for (double y = 141; y < 197; y += 4) {
        c.PixelLine(490, y + 0.5, 502, y + 0.5, Colour::Rgb(30, 31, 34, 0.8));
    }
    c.RoundedRect(489, 137, 14, 62, 6);
    c.Stroke(Colour::Rgb(20, 20, 22), 1);

    // DPI buttons behind the wheel.
    for (int i = 0; i < 2; ++i) {
        const double y = 249 + 28 * i;
        c.RoundedRect(488.5, y + 0.5, 17, 17, 4);
        c.FillVertical(Colour::Rgb(62, 64, 70), Colour::Rgb(36, 38, 42), y, y + 18, true);
        c.Stroke(Colour::Rgb(100, 104, 112), 1);
        c.PixelLine(493, y + 9, 501, y + 9, kSilver, 1.5);
        if (i == 0) {
            c.PixelLine(497, y + 5, 497, y + 13, kSilver, 1.5);
        }
    }

    // The emblem on the palm.
    Widgets::Emblem(c, 495, 362, 12);
    cairo_restore(cr);
}

void MouseArt::DrawSide(const Canvas& c) {
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_translate(cr, -kSide.originX, -kSide.originY);

    Shadow(c, SideBodyPath);

    // The wheel stands out of the top between the buttons.
    c.Circle(432, 251, 12);
    c.FillRadial(Colour::Rgb(130, 134, 142), Colour::Rgb(40, 42, 46), 428, 245, 2, 13, true);
    c.Stroke(Colour::Rgb(20, 20, 22), 1);

    // The far (right) button's edge just above the near one.
    cairo_move_to(cr, 311, 304);
    cairo_curve_to(cr, 322, 280.5, 365, 258.5, 425, 246.5);
    cairo_curve_to(cr, 445, 243.5, 455, 242, 462, 241.5);
    c.Stroke(Colour::Rgb(96, 100, 108), 4);

    SideBodyPath(cr);
    c.FillVertical(Colour::Rgb(82, 85, 93), Colour::Rgb(26, 27, 30), 236, 356, true);
    cairo_save(cr);
    cairo_clip(cr);
    // The light catches the top edge.
    cairo_save(cr);
    cairo_translate(cr, 0, 2.5);
    SideBodyPath(cr);
    c.Stroke(kWhite.WithAlpha(0.10), 2);
    cairo_restore(cr);
    // Base plate and the light strip above it.
    cairo_rectangle(cr, 300, 346, 345, 14);
    c.Fill(Colour::Rgb(14, 14, 16));
    cairo_move_to(cr, 340, 342);
    cairo_curve_to(cr, 420, 340.5, 520, 340, 612, 338);
    c.Glow(kRedGlow.WithAlpha(0.8), 4);
    c.Stroke(Colour::Rgb(255, 120, 100), 1.2);
    // The near button's side edge and the seam behind it.
    cairo_move_to(cr, 311, 314);
    cairo_curve_to(cr, 350, 291, 410, 273, 464, 267);
    cairo_line_to(cr, 468, 243);
    c.Stroke(kSeam, 1.6);
    // The wheel seen through its slot.
    c.RoundedRect(417, 245, 30, 15, 5);
    c.Fill(Colour::Rgb(10, 10, 11));
    c.RoundedRect(417, 245, 30, 15, 5);
    cairo_clip(cr);
    c.Circle(432, 251, 12);
    c.FillRadial(Colour::Rgb(130, 134, 142), Colour::Rgb(40, 42, 46), 428, 245, 2, 13);
    cairo_restore(cr);
    SideBodyPath(cr);
    c.Stroke(kEdge, 1.5);

    // DPI buttons on top behind the wheel.
    for (const double x : {465.0, 490.0}) {
        c.RoundedRect(x, x == 465.0 ? 236 : 235, 14, 8, 3);
        c.FillVertical(Colour::Rgb(96, 100, 108), Colour::Rgb(44, 46, 50), 235, 244, true);
        c.Stroke(Colour::Rgb(20, 20, 22), 1);
    }

    // Thumb buttons.
    Pill(c, 489, 274, 52, 18, Colour::Rgb(58, 61, 67));
    Pill(c, 547, 272, 52, 18, Colour::Rgb(58, 61, 67));
    c.PixelLine(496, 276.5, 534, 276.5, kWhite.WithAlpha(0.15));
    c.PixelLine(554, 274.5, 592, 274.5, kWhite.WithAlpha(0.15));

    Widgets::Emblem(c, 590, 312, 9);
    cairo_restore(cr);
}

void MouseArt::DrawBack(const Canvas& c) {
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_translate(cr, -kBack.originX, -kBack.originY);
    auto dome = [](cairo_t* path) {
        cairo_move_to(path, 440, 385);
        cairo_curve_to(path, 430, 340, 440, 290, 505, 282);
        cairo_curve_to(path, 570, 290, 580, 340, 570, 385);
        cairo_close_path(path);
    };
    Shadow(c, dome);
    Pill(c, 430, 308, 9, 20, Colour::Rgb(58, 61, 67));
    Pill(c, 430, 333, 9, 20, Colour::Rgb(58, 61, 67));
    dome(cr);
    c.FillRadial(Colour::Rgb(70, 73, 80), kShellDark, 500, 300, 5, 100, true);
    c.Stroke(kEdge, 1.5);
    cairo_move_to(cr, 446, 372);
    cairo_curve_to(cr, 480, 378, 530, 378, 564, 372);
    c.Glow(kRedGlow.WithAlpha(0.8), 4);
    c.Stroke(Colour::Rgb(255, 120, 100), 1.2);
    Widgets::Emblem(c, 505, 330, 14);
    cairo_restore(cr);
}

void MouseArt::DrawHotSpot(const Canvas& c, const HotSpot& spot, bool over, double originX, double originY) {
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_translate(cr, -originX, -originY);

    // The leader runs from the badge's rim to the dot.
    const double dx = spot.dotX - spot.badgeX;
    const double dy = spot.dotY - spot.badgeY;
    const double length = std::hypot(dx, dy);
    const double startX = spot.badgeX + dx / length * kBadgeRadius;
    const double startY = spot.badgeY + dy / length * kBadgeRadius;
    cairo_move_to(cr, startX, startY);
    cairo_line_to(cr, spot.dotX, spot.dotY);
    if (over) {
        c.Glow(kRedGlow.WithAlpha(0.5), 2);
        c.Stroke(Colour::Rgb(240, 90, 76), 1.6);
    } else {
        c.Stroke(Colour::Rgb(150, 154, 162, 0.75), 1.1);
    }

    // The dot on the button.
    if (over) {
        c.Circle(spot.dotX, spot.dotY, kDotRadius + 2.5);
        c.Fill(kRedGlow.WithAlpha(0.35));
        c.Circle(spot.dotX, spot.dotY, kDotRadius);
        c.FillPreserve(kRedBright);
        c.Stroke(kWhite, 1.2);
    } else {
        c.Circle(spot.dotX, spot.dotY, kDotRadius - 0.5);
        c.FillPreserve(Colour::Rgb(40, 42, 46));
        c.Stroke(Colour::Rgb(170, 174, 182), 1.1);
    }

    // The numbered badge.
    c.Circle(spot.badgeX, spot.badgeY, kBadgeRadius);
    if (over) {
        c.Glow(kRedGlow.WithAlpha(0.6), 2.5);
        c.FillVertical(Colour::Rgb(210, 58, 52), kRed, spot.badgeY - kBadgeRadius, spot.badgeY + kBadgeRadius,
                       true);
        c.Stroke(Colour::Rgb(255, 150, 130), 1.2);
    } else {
        c.FillPreserve(Colour::Rgb(34, 36, 40, 0.95));
        c.Stroke(Colour::Rgb(110, 114, 122), 1.2);
    }
    c.Text(std::to_string(spot.number), spot.badgeX, spot.badgeY, 11, over ? kWhite : kSilver, true,
           TextAlign::Centre);
    cairo_restore(cr);
}

} // namespace skingen
