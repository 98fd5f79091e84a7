#include "PageArt.h"

#include "skin/SkinFileNames.h"

#include "Widgets.h"

#include <cmath>
#include <string>

namespace skingen {

using corvalith::SkinFileNames;
using namespace palette;

namespace {

constexpr int kPageWidth = 242;

void PageSurface(const Canvas& c) {
    c.Clear(surface::kSection);
    c.PixelLine(0, c.Height() - 0.5, c.Width(), c.Height() - 0.5, kLineSoft);
}

void DpiPage(const Canvas& c) {
    PageSurface(c);
    // Guide lines behind the seven stage sliders (3..173).
    for (int k = 0; k <= 10; ++k) {
        const double y = 3 + 17 * k + 0.5;
        c.PixelLine(14, y, 226, y, kWhite.WithAlpha(k % 5 == 0 ? 0.07 : 0.035));
    }
    for (int stage = 0; stage < 7; ++stage) {
        const double x = 18 + 30 * stage;
        c.RoundedRect(x + 0.5, 0.5, 20, 228, 4);
        c.Stroke(kWhite.WithAlpha(0.04), 1);
        // The stage's index mark between value and toggle.
        cairo_rectangle(c.Cr(), x + 9, 198, 3, 2);
        c.Fill(kRed);
    }
}

void DpiValue(const Canvas& c) {
    c.RoundedRect(0.5, 0.5, c.Width() - 1, c.Height() - 1, 3);
    c.FillPreserve(Colour::Rgb(14, 15, 17));
    c.Stroke(kRedDeep, 1);
}

void VerticalTrack(const Canvas& c, bool filled) {
    c.Clear(surface::kSection);
    Widgets::Groove(c, 0, 0, c.Width(), c.Height(), filled, true);
    if (filled) {
        // The top rows mark the level; the fill image is drawn from its top row.
        cairo_rectangle(c.Cr(), 1, 0, c.Width() - 2, 2);
        c.Fill(Colour::Rgb(255, 170, 150));
    }
}

void LightingPage(const Canvas& c, int rows, double swatchTop) {
    PageSurface(c);
    for (int row = 1; row < rows; ++row) {
        const double y = 20 + 29 * row - 5.5;
        c.PixelLine(6, y, c.Width() - 6, y, kLineSoft);
    }
    // The swatch strip sits in a shallow well.
    Widgets::Well(c, 96, swatchTop - 4, 136, 25, Colour::Rgb(22, 23, 26));
}

void StageTrack(const Canvas& c, bool filled) {
    c.Clear(surface::kSection);
    Widgets::Groove(c, 1, 0, 128, 8, filled);
}

void PollingPage(const Canvas& c) {
    PageSurface(c);
    c.Circle(121, 66, 66);
    c.FillRadial(Colour::Rgb(0, 0, 0, 0.35), Colour::Rgb(0, 0, 0, 0.0), 121, 68, 50, 68);
}

// The polling-rate dial: a ring of four quarters around the centre 64, 61 (the page's 121, 66), the
// chosen quarter lit red, the rate in the middle.
void PollingDial(const Canvas& c, int chosenRate) {
    cairo_t* cr = c.Cr();
    const double cx = 64;
    const double cy = 61;
    const double inner = 37;
    const double outer = 60;
    struct Quarter {
        int rate;
        double start; // degrees, clockwise from the right in screen orientation
    };
    const Quarter quarters[] = {{1000, -90}, {500, 0}, {250, 90}, {125, 180}};
    for (const Quarter& q : quarters) {
        const bool chosen = q.rate == chosenRate;
        const double a0 = (q.start + 3) * M_PI / 180;
        const double a1 = (q.start + 87) * M_PI / 180;
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, outer, a0, a1);
        cairo_arc_negative(cr, cx, cy, inner, a1, a0);
        cairo_close_path(cr);
        if (chosen) {
            c.Glow(kRedGlow.WithAlpha(0.5), 3);
            c.FillRadial(Colour::Rgb(220, 64, 56), kRed, cx, cy, inner, outer, true);
            c.Stroke(Colour::Rgb(255, 130, 110), 1);
        } else {
            c.FillRadial(Colour::Rgb(46, 48, 53), Colour::Rgb(34, 36, 40), cx, cy, inner, outer, true);
            c.Stroke(Colour::Rgb(70, 73, 80), 1);
        }
        const double middle = (q.start + 45) * M_PI / 180;
        const double lx = cx + 48.5 * std::cos(middle);
        const double ly = cy + 48.5 * std::sin(middle);
        c.Text(std::to_string(q.rate), lx, ly, 9, chosen ? kWhite : kMuted, chosen, TextAlign::Centre);
    }
    c.Circle(cx, cy, 30);
    c.FillRadial(Colour::Rgb(40, 42, 47), Colour::Rgb(20, 21, 23), cx, cy - 10, 2, 32, true);
    c.Stroke(Colour::Rgb(66, 69, 76), 1);
    c.Text(std::to_string(chosenRate), cx, cy - 4, 15, kWhite, true, TextAlign::Centre);
    c.Text("Hz", cx, cy + 11, 9, kRedGlow, true, TextAlign::Centre);
}

void GaugePage(const Canvas& c) {
    PageSurface(c);
    cairo_save(c.Cr());
    cairo_translate(c.Cr(), 121, 91);
    cairo_scale(c.Cr(), 1, 0.22);
    c.Circle(0, 0, 76);
    c.FillRadial(Colour::Rgb(0, 0, 0, 0.4), Colour::Rgb(0, 0, 0, 0), 0, 0, 30, 76);
    cairo_restore(c.Cr());
}

// A half dial of eleven segments, lit from the left up to the level, the needle on the level.
void SpeedGauge(const Canvas& c, int level) {
    cairo_t* cr = c.Cr();
    const double cx = 71;
    const double cy = 71;
    const double inner = 45;
    const double outer = 69;
    const double step = 180.0 / 11;
    for (int segment = 1; segment <= 11; ++segment) {
        // Level 1 is at the left end, level 11 at the right; angles grow clockwise from the right.
        const double a0 = (180 + (segment - 1) * step + 1.2) * M_PI / 180;
        const double a1 = (180 + segment * step - 1.2) * M_PI / 180;
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, outer, a0, a1);
        cairo_arc_negative(cr, cx, cy, inner, a1, a0);
        cairo_close_path(cr);
        if (segment <= level) {
            const Colour lit = kRed.Mix(kRedGlow, static_cast<double>(segment) / 11);
            c.FillPreserve(lit);
            c.Stroke(lit.Lighter(0.2), 0.8);
        } else {
            c.FillPreserve(Colour::Rgb(42, 44, 49));
            c.Stroke(Colour::Rgb(62, 65, 71), 0.8);
        }
    }
    const double needle = (180 + (level - 0.5) * step) * M_PI / 180;
    // The needle stops short of the level's digit in the middle, which it would otherwise cross.
    const double needleFrom = inner - 6;
    cairo_move_to(cr, cx + needleFrom * std::cos(needle), cy + needleFrom * std::sin(needle));
    cairo_line_to(cr, cx + (outer + 1) * std::cos(needle), cy + (outer + 1) * std::sin(needle));
    c.Stroke(kWhite, 2);
    c.Circle(cx, cy, 9);
    c.FillVertical(Colour::Rgb(80, 83, 90), Colour::Rgb(30, 31, 34), cy - 9, cy + 9, true);
    c.Stroke(kRedGlow, 1.2);
    c.Text(std::to_string(level), cx, cy - 24, 16, kWhite, true, TextAlign::Centre);
}

void ScrollLinesFrame(const Canvas& c) {
    c.RoundedRect(0.5, 0.5, 35, 13, 2);
    c.Stroke(kRedDeep, 1);
    cairo_t* cr = c.Cr();
    cairo_move_to(cr, 40, 6);
    cairo_line_to(cr, 45, 0.5);
    cairo_line_to(cr, 50, 6);
    cairo_close_path(cr);
    c.Fill(kRedGlow);
    cairo_move_to(cr, 40, 8);
    cairo_line_to(cr, 45, 13.5);
    cairo_line_to(cr, 50, 8);
    cairo_close_path(cr);
    c.Fill(kRedGlow);
}

void SmallOption(const Canvas& c, bool chosen) {
    cairo_save(c.Cr());
    cairo_translate(c.Cr(), 0.5, 1);
    Widgets::OptionMark(c, 10, chosen);
    cairo_restore(c.Cr());
}

} // namespace

void PageArt::Add(SkinFiles& files) {
    files.push_back({std::string(SkinFileNames::kDpiPage), kPageWidth, 232, false, DpiPage});
    files.push_back({std::string(SkinFileNames::kDpiValue), 25, 11, true, DpiValue});
    files.push_back({std::string(SkinFileNames::kDpiTrack), 7, 170, false,
                     [](const Canvas& c) { VerticalTrack(c, false); }});
    files.push_back({std::string(SkinFileNames::kDpiTrackFilled), 7, 170, false,
                     [](const Canvas& c) { VerticalTrack(c, true); }});
    files.push_back({std::string(SkinFileNames::kLightingPage), kPageWidth, 192, false,
                     [](const Canvas& c) { LightingPage(c, 5, 166); }});
    files.push_back({std::string(SkinFileNames::kPadLightingPage), kPageWidth, 163, false,
                     [](const Canvas& c) { LightingPage(c, 4, 137); }});
    files.push_back({std::string(SkinFileNames::kStageTrack), 130, 11, false,
                     [](const Canvas& c) { StageTrack(c, false); }});
    files.push_back({std::string(SkinFileNames::kStageTrackFilled), 130, 11, false,
                     [](const Canvas& c) { StageTrack(c, true); }});
    files.push_back({std::string(SkinFileNames::kPollingPage), kPageWidth, 135, false, PollingPage});
    for (const int rate : {1000, 500, 250, 125}) {
        files.push_back({SkinFileNames::PollingRate(rate), 128, 124, true,
                         [rate](const Canvas& c) { PollingDial(c, rate); }});
    }
    files.push_back({std::string(SkinFileNames::kPointerPage), kPageWidth, 112, false, GaugePage});
    for (int level = 1; level <= 11; ++level) {
        files.push_back({SkinFileNames::PointerSpeed(level), 143, 76, true,
                         [level](const Canvas& c) { SpeedGauge(c, level); }});
    }
    files.push_back({std::string(SkinFileNames::kScrollPage), kPageWidth, 72, false, PageSurface});
    files.push_back({std::string(SkinFileNames::kScrollEnable), 11, 12, true,
                     [](const Canvas& c) { SmallOption(c, true); }});
    files.push_back({std::string(SkinFileNames::kScrollDisable), 11, 12, true,
                     [](const Canvas& c) { SmallOption(c, false); }});
    files.push_back({std::string(SkinFileNames::kScrollLines), 50, 14, true, ScrollLinesFrame});
    files.push_back({std::string(SkinFileNames::kAngleSnapPage), kPageWidth, 50, false, PageSurface});
}

} // namespace skingen
