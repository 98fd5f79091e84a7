#include "DialogArt.h"

#include "skin/SkinFileNames.h"

#include "MouseArt.h"
#include "Widgets.h"

#include <cmath>

namespace skingen {

using corvalith::SkinFileNames;
using namespace palette;

namespace {

// A dialog's background: flat charcoal with the title band and a hairline frame.
void DialogSurface(const Canvas& c, double bandHeight) {
    c.Clear(surface::kWindow);
    cairo_rectangle(c.Cr(), 0, 0, c.Width(), bandHeight);
    c.Fill(surface::kTitleBand);
    c.PixelLine(0, bandHeight - 1.5, c.Width(), bandHeight - 1.5, kRedDeep);
    c.PixelLine(0, bandHeight - 0.5, c.Width(), bandHeight - 0.5, kRed);
    c.PixelFrame(0, 0, c.Width(), c.Height(), Colour::Rgb(64, 30, 30));
}

void Splash(const Canvas& c) {
    c.Clear(surface::kWindow);
    cairo_rectangle(c.Cr(), 0, 0, c.Width(), c.Height());
    c.FillRadial(Colour::Rgb(58, 24, 24), Colour::Rgb(16, 16, 18), 390, 190, 20, 420);
    // Diagonal light bands.
    cairo_t* cr = c.Cr();
    for (int i = 0; i < 5; ++i) {
        cairo_move_to(cr, 220 + 60 * i, c.Height());
        cairo_line_to(cr, 420 + 60 * i, 0);
        c.Stroke(kWhite.WithAlpha(0.025), 18);
    }
    // The mouse, turned and lit from behind, drawn in this picture's set.
    Canvas mouse(MouseArt::kTop.width, MouseArt::kTop.height, true, c.Set());
    MouseArt::DrawTop(mouse);
    cairo_save(cr);
    cairo_translate(cr, 390, 215);
    cairo_rotate(cr, 0.38);
    cairo_scale(cr, 0.95, 0.95);
    c.Circle(0, 0, 150);
    c.FillRadial(kRedGlow.WithAlpha(0.22), kRedGlow.WithAlpha(0.0), 0, 0, 20, 150);
    c.Paint(mouse, -MouseArt::kTop.width / 2.0, -MouseArt::kTop.height / 2.0);
    cairo_restore(cr);

    Widgets::Emblem(c, 62, 110, 30);
    c.Text("CORVALITH", 40, 172, 38, kWhite, true, TextAlign::Left, 2);
    const double width = c.TextWidth("CORVALITH", 38, true, 2);
    cairo_rectangle(cr, 42, 196, width, 3);
    c.FillHorizontal(kRedBright, kRed.WithAlpha(0.0), 42, 42 + width);
    c.Text("GAMING MOUSE CONFIGURATION", 42, 216, 11, kSilver, false, TextAlign::Left, 1.5);
    c.Text("Loading profiles", 42, 380, 10, kMuted);
    cairo_rectangle(cr, 42, 392, 160, 2);
    c.Fill(Colour::Rgb(50, 52, 57));
    cairo_rectangle(cr, 42, 392, 96, 2);
    c.FillHorizontal(kRed, kRedGlow, 42, 138);
    c.PixelFrame(0, 0, c.Width(), c.Height(), Colour::Rgb(90, 34, 34));
}

void WarningBackground(const Canvas& c) {
    DialogSurface(c, 24);
    // A warning sign beside the message.
    cairo_t* cr = c.Cr();
    cairo_move_to(cr, 29, 42);
    cairo_line_to(cr, 46, 72);
    cairo_line_to(cr, 12, 72);
    cairo_close_path(cr);
    c.FillVertical(kRedBright, kRed, 42, 72, true);
    c.Stroke(kRedGlow, 1.2);
    c.Text("!", 29, 62, 16, kWhite, true, TextAlign::Centre);
    // The rule above OK and Cancel, which sit 32 pixels above the bottom edge.
    c.PixelLine(10, c.Height() - 34.5, c.Width() - 10, c.Height() - 34.5, kLineSoft);
}

// A button image wider than the button that shows it: the button is drawn in the left visible part.
void WideButton(const Canvas& c, double visibleWidth, ButtonLook look, const Colour& behind) {
    c.Clear(behind);
    Widgets::Button(c, 0, 0, visibleWidth, c.Height(), look);
}

void SmallClose(const Canvas& c, bool down, const Colour& behind) {
    c.Clear(behind);
    if (down) {
        c.RoundedRect(0.5, 0.5, c.Width() - 1, c.Height() - 1, 3);
        c.FillVertical(kRedBright, kRed, 0, c.Height(), true);
        c.Stroke(kRedGlow, 1);
    }
    Widgets::CloseGlyph(c, c.Width() / 2.0, c.Height() / 2.0, 3, down ? kWhite : kSilver, 1.5);
}

void SmallOption(const Canvas& c, bool chosen) {
    c.Clear(surface::kWindow);
    cairo_save(c.Cr());
    cairo_translate(c.Cr(), 1, 0.5);
    Widgets::OptionMark(c, 12, chosen);
    cairo_restore(c.Cr());
}

void ProfileManager(const Canvas& c) {
    DialogSurface(c, 31);
    Widgets::Emblem(c, 100, 15.5, 7);
    cairo_rectangle(c.Cr(), 0, 31, c.Width(), 544);
    c.Fill(Colour::Rgb(40, 40, 40));
    cairo_rectangle(c.Cr(), 1, 575, c.Width() - 2, c.Height() - 576);
    c.FillVertical(Colour::Rgb(34, 35, 39), Colour::Rgb(24, 25, 28), 575, c.Height());
    c.PixelLine(0, 575.5, c.Width(), 575.5, kRed);
    c.PixelLine(105.5, 580, 105.5, 600, kLineSoft);
    c.PixelLine(235.5, 580, 235.5, 600, kLineSoft);
}

void RoundIcon(const Canvas& c, bool plus) {
    c.Circle(7, 7, 6.3);
    if (plus) {
        c.FillVertical(kRedBright, kRed, 0, 14, true);
        c.Stroke(kRedGlow, 1);
    } else {
        c.FillVertical(Colour::Rgb(96, 99, 106), Colour::Rgb(60, 62, 68), 0, 14, true);
        c.Stroke(Colour::Rgb(130, 134, 142), 1);
    }
    c.PixelLine(3.5, 7, 10.5, 7, kWhite, 1.6);
    if (plus) {
        c.PixelLine(7, 3.5, 7, 10.5, kWhite, 1.6);
    }
}

// A text field the program writes into: a well with a red edge.
void Field(const Canvas& c, double x, double y, double w, double h, const Colour& fill) {
    c.RoundedRect(x + 0.5, y + 0.5, w - 1, h - 1, 2);
    c.FillPreserve(fill);
    c.Stroke(kRedDeep, 1);
}

void KeyCapture(const Canvas& c) {
    DialogSurface(c, 30);
    Widgets::Emblem(c, 16, 15, 7);
    // A key cap above the prompt.
    cairo_t* cr = c.Cr();
    c.RoundedRect(101, 44, 50, 46, 7);
    c.FillVertical(Colour::Rgb(70, 73, 80), Colour::Rgb(36, 38, 42), 44, 90, true);
    c.Stroke(Colour::Rgb(100, 104, 112), 1.2);
    c.RoundedRect(107, 48, 38, 32, 5);
    c.FillVertical(Colour::Rgb(84, 87, 95), Colour::Rgb(56, 58, 64), 48, 80);
    c.Text("A", 126, 64, 16, kWhite, true, TextAlign::Centre);
    cairo_move_to(cr, 151, 67);
    cairo_line_to(cr, 170, 67);
    c.Stroke(kRedGlow, 1.5);
    // The white field of the key name (the label control inside it is white too).
    c.RoundedRect(70.5, 126.5, 84, 20, 3);
    c.FillPreserve(kWhite);
    c.Stroke(kRedBright, 1.2);
    // The keyboard, faint, on the right.
    for (int row = 0; row < 4; ++row) {
        for (int key = 0; key < 6 - (row == 3 ? 2 : 0); ++key) {
            const double x = 236 + key * 22 + row * 5;
            const double y = 70 + row * 22;
            c.RoundedRect(x, y, 18, 18, 3);
            c.FillPreserve(Colour::Rgb(40, 42, 46));
            c.Stroke(Colour::Rgb(58, 60, 66), 1);
        }
    }
    c.PixelLine(12, 236.5, c.Width() - 12, 236.5, kLineSoft);
}

void MacroAssignment(const Canvas& c) {
    DialogSurface(c, 30);
    Widgets::Emblem(c, 16, 15, 7);
    // The name field with its drop-down arrow; the program writes the name in white.
    Field(c, 40, 126, 113, 20, Colour::Rgb(18, 19, 21));
    c.PixelLine(136.5, 128, 136.5, 144, kRedDeep);
    Widgets::Chevron(c, 144, 136, 3, kRedGlow, true);
    // The run-mode column.
    Widgets::Panel(c, 210, 62, 172, 150);
    c.PixelLine(216, 111.5, 376, 111.5, kLineSoft);
    c.PixelLine(216, 161.5, 376, 161.5, kLineSoft);
    c.PixelLine(12, 236.5, c.Width() - 12, 236.5, kLineSoft);
}

void MacroManager(const Canvas& c) {
    DialogSurface(c, 50);
    // Column headers.
    for (const double left : {16.0, 148.0, 279.0}) {
        c.RoundedRect(left + 0.5, 60.5, 117, 17, 2);
        c.FillVertical(Colour::Rgb(122, 44, 44), kRedDeep, 60, 78, true);
        c.Stroke(Colour::Rgb(70, 24, 24), 1);
    }
    // The two lists' wells and the options column.
    Widgets::Well(c, 19, 80, 113, 275, Colour::Rgb(109, 109, 109));
    Widgets::Well(c, 151, 80, 113, 275, Colour::Rgb(109, 109, 109));
    Widgets::Panel(c, 279, 80, 118, 280);
    c.PixelLine(287, 126.5, 389, 126.5, kLineSoft);
    c.PixelLine(287, 290.5, 389, 290.5, kLineSoft);
    Field(c, 296, 331, 85, 16, Colour::Rgb(34, 24, 21));
    c.PixelLine(12, 360.5, 270, 360.5, kLineSoft);
}

void AlphaButton(const Canvas& c, bool over) {
    Widgets::Button(c, 0, 0, c.Width(), c.Height(), over ? ButtonLook::Hover : ButtonLook::Normal);
}

void MacroClose(const Canvas& c, bool over) {
    c.RoundedRect(0.5, 0.5, c.Width() - 1, c.Height() - 1, c.Height() / 2.0);
    if (over) {
        c.FillVertical(kRedBright, kRed, 0, c.Height(), true);
        c.Stroke(kRedGlow, 1);
    } else {
        c.FillPreserve(Colour::Rgb(40, 42, 46));
        c.Stroke(Colour::Rgb(72, 75, 82), 1);
    }
    Widgets::CloseGlyph(c, c.Width() / 2.0, c.Height() / 2.0, 4, over ? kWhite : kSilver, 1.8);
}

void RecordButton(const Canvas& c, bool over) {
    // The button shows 89 of the image's 122 pixels.
    c.Clear(Colour::Rgb(37, 39, 43));
    Widgets::Button(c, 0, 0, 89, c.Height(), over ? ButtonLook::Hover : ButtonLook::Pressed, 4);
}

} // namespace

void DialogArt::Add(SkinFiles& files) {
    files.push_back({std::string(SkinFileNames::kSplash), 537, 423, false, Splash});

    files.push_back({std::string(SkinFileNames::kWarning), 320, 200, false, WarningBackground});
    files.push_back({std::string(SkinFileNames::kWarningButtonNormal), 85, 22, false,
                     [](const Canvas& c) { WideButton(c, 53, ButtonLook::Normal, surface::kWindow); }});
    files.push_back({std::string(SkinFileNames::kWarningButtonDown), 85, 22, false,
                     [](const Canvas& c) { WideButton(c, 53, ButtonLook::Hover, surface::kWindow); }});
    files.push_back({std::string(SkinFileNames::kWarningCloseNormal), 14, 13, false,
                     [](const Canvas& c) { SmallClose(c, false, surface::kTitleBand); }});
    files.push_back({std::string(SkinFileNames::kWarningCloseDown), 14, 13, false,
                     [](const Canvas& c) { SmallClose(c, true, surface::kTitleBand); }});
    files.push_back({std::string(SkinFileNames::kWarningOptionNormal), 14, 13, false,
                     [](const Canvas& c) { SmallOption(c, false); }});
    files.push_back({std::string(SkinFileNames::kWarningOptionDown), 14, 13, false,
                     [](const Canvas& c) { SmallOption(c, true); }});

    files.push_back({std::string(SkinFileNames::kConfig), 264, 606, false, ProfileManager});
    files.push_back(
        {std::string(SkinFileNames::kNewConfig), 14, 14, true, [](const Canvas& c) { RoundIcon(c, true); }});
    files.push_back(
        {std::string(SkinFileNames::kDelConfig), 14, 14, true, [](const Canvas& c) { RoundIcon(c, false); }});

    files.push_back({std::string(SkinFileNames::kSingleKey), 384, 285, false, KeyCapture});
    files.push_back({std::string(SkinFileNames::kMacroKey), 390, 285, false, MacroAssignment});
    files.push_back({std::string(SkinFileNames::kPane), 16, 16, true,
                     [](const Canvas& c) { Widgets::CheckBox(c, 16, false); }});
    files.push_back({std::string(SkinFileNames::kPaneTick), 16, 16, true,
                     [](const Canvas& c) { Widgets::CheckBox(c, 16, true); }});
    files.push_back({std::string(SkinFileNames::kMacroCloseNormal), 51, 24, true,
                     [](const Canvas& c) { MacroClose(c, false); }});
    files.push_back({std::string(SkinFileNames::kMacroCloseOver), 51, 24, true,
                     [](const Canvas& c) { MacroClose(c, true); }});

    files.push_back({std::string(SkinFileNames::kMacroManagement), 490, 432, false, MacroManager});
    files.push_back({std::string(SkinFileNames::kRecordNormal), 122, 24, false,
                     [](const Canvas& c) { RecordButton(c, false); }});
    files.push_back({std::string(SkinFileNames::kRecordOver), 122, 24, false,
                     [](const Canvas& c) { RecordButton(c, true); }});
    files.push_back({std::string(SkinFileNames::kNewNormal), 58, 25, true,
                     [](const Canvas& c) { AlphaButton(c, false); }});
    files.push_back(
        {std::string(SkinFileNames::kNewOver), 58, 25, true, [](const Canvas& c) { AlphaButton(c, true); }});
    files.push_back({std::string(SkinFileNames::kMacroCancelNormal), 54, 26, true,
                     [](const Canvas& c) { AlphaButton(c, false); }});
    files.push_back({std::string(SkinFileNames::kMacroCancelOver), 54, 26, true,
                     [](const Canvas& c) { AlphaButton(c, true); }});
    files.push_back({std::string(SkinFileNames::kMacroPane), 14, 14, true,
                     [](const Canvas& c) { Widgets::CheckBox(c, 14, false); }});
    files.push_back({std::string(SkinFileNames::kMacroPaneTick), 14, 14, true,
                     [](const Canvas& c) { Widgets::CheckBox(c, 14, true); }});
}

} // namespace skingen
