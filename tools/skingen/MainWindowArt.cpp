#include "MainWindowArt.h"

#include "skin/SkinFileNames.h"

#include "MouseArt.h"
#include "Widgets.h"

#include <cmath>

namespace skingen {

using corvalith::SkinFileNames;
using namespace palette;

namespace {

// The main window's client area and the fixed places of its parts.
constexpr int kWidth = 1000;
constexpr int kHeight = 645;
constexpr int kTitleHeight = 28;
constexpr int kFooterTop = 598;

void TitleBar(const Canvas& c, double x, double width) {
    cairo_rectangle(c.Cr(), x, 0, width, kTitleHeight);
    c.Fill(surface::kTitleBand);
    c.PixelLine(x, kTitleHeight - 1.5, x + width, kTitleHeight - 1.5, kRedDeep);
    c.PixelLine(x, kTitleHeight - 0.5, x + width, kTitleHeight - 0.5, kRed);
}

void MainBackground(const Canvas& c) {
    Widgets::WindowSurface(c);
    TitleBar(c, 0, kWidth);
    Widgets::Emblem(c, 13, 14, 6.5);
    c.Text("CORVALITH", 26, 14, 10.5, kSilver, true, TextAlign::Left, 1.2);
    c.Text("Mouse Configuration", 112, 14, 10.5, kMuted);

    // The stage below the middle area, where the two view buttons stand.
    cairo_rectangle(c.Cr(), 262, 500, 472, 96);
    c.Fill(surface::kStage);
    c.PixelLine(262, 500.5, 734, 500.5, kLineSoft);

    // Frames of the left and right columns.
    c.PixelFrame(19, 106, 244, 490, kLine);
    c.PixelFrame(734, 31, 262, 563, kLine);

    // Footer.
    cairo_rectangle(c.Cr(), 2, kFooterTop, kWidth - 4, kHeight - kFooterTop - 2);
    c.Fill(surface::kFooter);
    c.PixelLine(2, kFooterTop + 0.5, kWidth - 2, kFooterTop + 0.5, kRed);
    c.PixelLine(2, kFooterTop + 1.5, kWidth - 2, kFooterTop + 1.5, kRedDeep.WithAlpha(0.6));
    c.PixelFrame(0, 0, kWidth, kHeight, Colour::Rgb(64, 30, 30));
}

void MiddleBackground(const Canvas& c) {
    // Spans 262, 2 to 734, 500 of the window: the title bar continues across its top.
    cairo_rectangle(c.Cr(), 0, 0, c.Width(), c.Height());
    c.Fill(surface::kStage);
    cairo_rectangle(c.Cr(), 0, 26, c.Width(), c.Height() - 26);
    c.FillRadial(Colour::Rgb(50, 52, 58), surface::kStage, 236, 250, 20, 300);
    // A fine dotted grid fading toward the edges.
    for (int y = 40; y < c.Height() - 4; y += 16) {
        for (int x = 12; x < c.Width() - 4; x += 16) {
            const double distance = std::hypot(x - 236.0, y - 250.0) / 300.0;
            c.Circle(x + 0.5, y + 0.5, 0.8);
            c.Fill(kWhite.WithAlpha(std::max(0.0, 0.07 * (1 - distance))));
        }
    }
    // A red glow on the floor where the mouse stands.
    cairo_save(c.Cr());
    cairo_translate(c.Cr(), 236, 470);
    cairo_scale(c.Cr(), 3.2, 0.35);
    c.Circle(0, 0, 70);
    c.FillRadial(kRed.WithAlpha(0.35), kRed.WithAlpha(0.0), 0, 0, 0, 70);
    cairo_restore(c.Cr());
    TitleBar(c, 0, c.Width());
    c.PixelLine(0.5, 26, 0.5, c.Height(), kLineSoft);
    c.PixelLine(c.Width() - 0.5, 26, c.Width() - 0.5, c.Height(), kLineSoft);
}

void ColumnBackground(const Canvas& c) {
    cairo_rectangle(c.Cr(), 0, 0, c.Width(), c.Height());
    c.Fill(surface::kPanel);
    cairo_rectangle(c.Cr(), 0, c.Height() - 160, c.Width(), 160);
    c.FillVertical(surface::kPanel, Colour::Rgb(31, 33, 36), c.Height() - 160, c.Height());
}

void RightBackground(const Canvas& c) {
    ColumnBackground(c);
    // The strip of the panel's scroll bar.
    cairo_rectangle(c.Cr(), 247, 0, 13, c.Height());
    c.Fill(kGroove);
}

void Logo(const Canvas& c) {
    Widgets::Emblem(c, 28, 34, 24);
    c.Text("CORVALITH", 62, 27, 25, kWhite, true, TextAlign::Left, 1.5);
    const double width = c.TextWidth("CORVALITH", 25, true, 1.5);
    cairo_rectangle(c.Cr(), 63, 44, width, 2);
    c.FillHorizontal(kRedBright, kRed.WithAlpha(0.0), 63, 63 + width);
    c.Text("GAMING MOUSE CONFIGURATION", 63, 56, 8.5, kMuted, false, TextAlign::Left, 0.8);
}

void SmallLogo(const Canvas& c) {
    Widgets::Emblem(c, 17, 24, 13, true);
    c.Text("CORVALITH", 38, 24, 15, Colour::Rgb(92, 95, 102), true, TextAlign::Left, 1.5);
}

void Header(const Canvas& c, bool help) {
    c.Clear(surface::kPanel);
    Widgets::HeaderBar(c, c.Width(), c.Height());
    if (help) {
        c.Circle(209.5, 10, 7);
        c.FillPreserve(Colour::Rgb(70, 22, 22));
        c.Stroke(kWhite.WithAlpha(0.8), 1);
        Widgets::HelpGlyph(c, 209.5, 10, 10, kWhite);
    }
    Widgets::Chevron(c, 231, 10, 3.5, kWhite.WithAlpha(0.85), false);
}

// A 15 x 15 title-bar button: the glyph on the band, or white on red under the pointer.
void TitleButton(const Canvas& c, bool over, void (*glyph)(const Canvas&, const Colour&)) {
    c.Clear(surface::kTitleBand);
    if (over) {
        c.RoundedRect(0.5, 0.5, 14, 14, 3);
        c.FillVertical(kRedBright, kRed, 0, 15, true);
        c.Stroke(kRedGlow, 1);
    }
    glyph(c, over ? kWhite : kSilver);
}

void FooterButton(const Canvas& c, ButtonLook look, const Colour& behind) {
    c.Clear(behind);
    Widgets::Button(c, 0, 0, c.Width(), c.Height(), look);
}

void ConfigButton(const Canvas& c, ButtonLook look) {
    FooterButton(c, look, surface::kFooter);
    Widgets::Gear(c, 14, 15, 7, look == ButtonLook::Normal ? kSilver : kWhite);
}

void ButtonAssignmentPanel(const Canvas& c) {
    c.Clear(surface::kSection);
    for (int row = 0; row < 7; ++row) {
        const double top = 25 + 20 * row;
        if (row % 2 == 0) {
            cairo_rectangle(c.Cr(), 1, top, c.Width() - 2, 20);
            c.Fill(kWhite.WithAlpha(0.025));
        }
        cairo_rectangle(c.Cr(), 4, top + 6, 2, 8);
        c.Fill(kRed);
    }
    c.PixelLine(0, c.Height() - 0.5, c.Width(), c.Height() - 0.5, kLineSoft);
}

void DropdownBox(const Canvas& c, bool over) {
    c.Clear(surface::kSection);
    c.RoundedRect(0.5, 0.5, c.Width() - 1, c.Height() - 1, 2);
    if (over) {
        c.FillVertical(Colour::Rgb(96, 30, 30), Colour::Rgb(64, 22, 22), 0, c.Height(), true);
        c.Stroke(kRedGlow, 1);
    } else {
        c.FillPreserve(Colour::Rgb(18, 19, 21));
        c.Stroke(Colour::Rgb(72, 75, 82), 1);
    }
    c.PixelLine(113.5, 3, 113.5, c.Height() - 3, over ? kRedGlow : kLine);
    Widgets::Chevron(c, 122, 8, 3, over ? kWhite : kRedGlow, true);
}

void ScaleTicks(const Canvas& c, const int* xs, int count, double y) {
    for (int i = 0; i < count; ++i) {
        cairo_rectangle(c.Cr(), xs[i], y, 1, 3);
        c.Fill(kMuted.WithAlpha(0.7));
    }
}

void AxisPanel(const Canvas& c) {
    c.Clear(surface::kSection);
    int xs[10];
    for (int k = 1; k <= 10; ++k) {
        xs[k - 1] = 24 + 21 * (k - 1) + 3;
    }
    ScaleTicks(c, xs, 10, 35);
    ScaleTicks(c, xs, 10, 95);
    c.PixelLine(10, 62.5, c.Width() - 10, 62.5, kLineSoft);
    c.PixelLine(0, c.Height() - 0.5, c.Width(), c.Height() - 0.5, kLineSoft);
}

void LiftOffPanel(const Canvas& c) {
    c.Clear(surface::kSection);
    const int xs[6] = {27, 58, 100, 139, 183, 221};
    ScaleTicks(c, xs, 6, 51);
    c.PixelLine(10, 33.5, c.Width() - 10, 33.5, kLineSoft);
    c.PixelLine(0, c.Height() - 0.5, c.Width(), c.Height() - 0.5, kLineSoft);
}

// The axis and lift-off slider images: the track in the top 9 rows of 208 x 14, on the section colour.
void AxisTrack(const Canvas& c, bool filled) {
    c.Clear(surface::kSection);
    Widgets::Groove(c, 0, 0, c.Width(), 9, filled);
}

void AddHotSpots(SkinFiles& files, SkinFileNames::MouseView view,
                 const std::vector<MouseArt::HotSpot>& spots) {
    for (const MouseArt::HotSpot& spot : spots) {
        for (const bool over : {false, true}) {
            files.push_back(
                {SkinFileNames::MouseButton(view, spot.number, over), spot.Width(), spot.Height(), true,
                 [spot, over](const Canvas& c) { MouseArt::DrawHotSpot(c, spot, over, spot.x, spot.y); }});
        }
    }
}

} // namespace

void MainWindowArt::Add(SkinFiles& files) {
    files.push_back({std::string(SkinFileNames::kMain), kWidth, kHeight, false, MainBackground});
    files.push_back({std::string(SkinFileNames::kMainMid), 472, 498, false, MiddleBackground});
    files.push_back({std::string(SkinFileNames::kMainLeft), 242, 488, false, ColumnBackground});
    files.push_back({std::string(SkinFileNames::kMainRight), 260, 563, false, RightBackground});
    files.push_back({std::string(SkinFileNames::kLogo), 242, 70, true, Logo});
    files.push_back({std::string(SkinFileNames::kMLogo), 180, 48, true, SmallLogo});
    files.push_back(
        {std::string(SkinFileNames::kItemBk), 242, 20, false, [](const Canvas& c) { Header(c, false); }});
    files.push_back(
        {std::string(SkinFileNames::kItemBkLod), 242, 20, false, [](const Canvas& c) { Header(c, true); }});
    files.push_back({std::string(SkinFileNames::kLodHelp), 20, 20, true, [](const Canvas& c) {
                         c.Circle(10, 10, 8.5);
                         c.FillVertical(kRedBright, kRed, 1, 19, true);
                         c.Stroke(kRedGlow, 1);
                         Widgets::HelpGlyph(c, 10, 10, 12, kWhite);
                     }});
    files.push_back({std::string(SkinFileNames::kEnable), 10, 10, true,
                     [](const Canvas& c) { Widgets::OptionMark(c, 10, true); }});
    files.push_back({std::string(SkinFileNames::kDisable), 10, 10, true,
                     [](const Canvas& c) { Widgets::OptionMark(c, 10, false); }});

    files.push_back({std::string(SkinFileNames::kCancelNormal), 57, 30, false,
                     [](const Canvas& c) { FooterButton(c, ButtonLook::Normal, surface::kFooter); }});
    files.push_back({std::string(SkinFileNames::kCancelOver), 57, 30, false,
                     [](const Canvas& c) { FooterButton(c, ButtonLook::Hover, surface::kFooter); }});
    files.push_back({std::string(SkinFileNames::kCancelLeave), 57, 30, false,
                     [](const Canvas& c) { FooterButton(c, ButtonLook::Pressed, surface::kFooter); }});
    files.push_back({std::string(SkinFileNames::kSaveLeave), 57, 30, false,
                     [](const Canvas& c) { FooterButton(c, ButtonLook::Disabled, surface::kFooter); }});

    auto close = [](const Canvas& c, const Colour& colour) {
        Widgets::CloseGlyph(c, 7.5, 7.5, 3.5, colour, 1.6);
    };
    auto minimise = [](const Canvas& c, const Colour& colour) {
        Widgets::MinimiseGlyph(c, 7.5, 9.5, 4, colour);
    };
    auto help = [](const Canvas& c, const Colour& colour) { Widgets::HelpGlyph(c, 7.5, 7.5, 11, colour); };
    files.push_back({std::string(SkinFileNames::kCloseNormal), 15, 15, false,
                     [close](const Canvas& c) { TitleButton(c, false, close); }});
    files.push_back({std::string(SkinFileNames::kCloseOver), 15, 15, false,
                     [close](const Canvas& c) { TitleButton(c, true, close); }});
    files.push_back({std::string(SkinFileNames::kMinNormal), 15, 15, false,
                     [minimise](const Canvas& c) { TitleButton(c, false, minimise); }});
    files.push_back({std::string(SkinFileNames::kMinOver), 15, 15, false,
                     [minimise](const Canvas& c) { TitleButton(c, true, minimise); }});
    files.push_back({std::string(SkinFileNames::kHelpNormal), 15, 15, false,
                     [help](const Canvas& c) { TitleButton(c, false, help); }});
    files.push_back({std::string(SkinFileNames::kHelpOver), 15, 15, false,
                     [help](const Canvas& c) { TitleButton(c, true, help); }});

    files.push_back({std::string(SkinFileNames::kConfigNormal), 140, 30, false,
                     [](const Canvas& c) { ConfigButton(c, ButtonLook::Normal); }});
    files.push_back({std::string(SkinFileNames::kConfigOver), 140, 30, false,
                     [](const Canvas& c) { ConfigButton(c, ButtonLook::Hover); }});
    files.push_back({std::string(SkinFileNames::kConfigLeave), 140, 30, false,
                     [](const Canvas& c) { ConfigButton(c, ButtonLook::Pressed); }});
    files.push_back({std::string(SkinFileNames::kMouseNormal), 62, 29, false,
                     [](const Canvas& c) { FooterButton(c, ButtonLook::Normal, surface::kStage); }});
    files.push_back({std::string(SkinFileNames::kMouseOver), 62, 29, false,
                     [](const Canvas& c) { FooterButton(c, ButtonLook::Hover, surface::kStage); }});
    files.push_back({std::string(SkinFileNames::kMouseLeave), 62, 29, false,
                     [](const Canvas& c) { FooterButton(c, ButtonLook::Pressed, surface::kStage); }});

    files.push_back({std::string(SkinFileNames::kButtonAssignment), 242, 170, false, ButtonAssignmentPanel});
    files.push_back({std::string(SkinFileNames::kDropdownNormal), 130, 16, false,
                     [](const Canvas& c) { DropdownBox(c, false); }});
    files.push_back({std::string(SkinFileNames::kDropdownOver), 130, 16, false,
                     [](const Canvas& c) { DropdownBox(c, true); }});
    files.push_back({std::string(SkinFileNames::kXYSensitivity), 242, 125, false, AxisPanel});
    files.push_back(
        {std::string(SkinFileNames::kXYTrack), 208, 14, false, [](const Canvas& c) { AxisTrack(c, false); }});
    files.push_back({std::string(SkinFileNames::kXYTrackFilled), 208, 14, false,
                     [](const Canvas& c) { AxisTrack(c, true); }});
    files.push_back({std::string(SkinFileNames::kLiftOff), 242, 75, false, LiftOffPanel});

    files.push_back({std::string(SkinFileNames::kMouseFront), MouseArt::kTop.width, MouseArt::kTop.height,
                     true, MouseArt::DrawTop});
    files.push_back({std::string(SkinFileNames::kMouseSide), MouseArt::kSide.width, MouseArt::kSide.height,
                     true, MouseArt::DrawSide});
    files.push_back({std::string(SkinFileNames::kMouseBack), MouseArt::kBack.width, MouseArt::kBack.height,
                     true, MouseArt::DrawBack});
    AddHotSpots(files, SkinFileNames::MouseView::Front, MouseArt::FrontHotSpots());
    AddHotSpots(files, SkinFileNames::MouseView::Side, MouseArt::SideHotSpots());
    AddHotSpots(files, SkinFileNames::MouseView::Back, MouseArt::BackHotSpots());
}

} // namespace skingen
