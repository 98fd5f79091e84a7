#include "Widgets.h"

#include <cmath>

namespace skingen {

using namespace palette;

void Widgets::WindowSurface(const Canvas& c) {
    c.VerticalGradient(Colour::Rgb(36, 38, 42), Colour::Rgb(22, 23, 26));
    // A soft light from the upper left.
    cairo_rectangle(c.Cr(), 0, 0, c.Width(), c.Height());
    c.FillRadial(kWhite.WithAlpha(0.05), kWhite.WithAlpha(0.0), c.Width() * 0.25, 0, 0, c.Width() * 0.8);
    c.PixelFrame(0, 0, c.Width(), c.Height(), Colour::Rgb(64, 30, 30));
    c.PixelFrame(1, 1, c.Width() - 2, c.Height() - 2, Colour::Rgb(12, 12, 14));
}

void Widgets::TitleBand(const Canvas& c, double x, double width, double height) {
    cairo_rectangle(c.Cr(), x, 0, width, height);
    c.FillVertical(Colour::Rgb(28, 29, 32), Colour::Rgb(18, 19, 21), 0, height);
    c.PixelLine(x, height - 1.5, x + width, height - 1.5, kRedDeep, 1);
    c.PixelLine(x, height - 0.5, x + width, height - 0.5, kRed, 1);
}

void Widgets::Panel(const Canvas& c, double x, double y, double w, double h, double radius) {
    c.RoundedRect(x + 0.5, y + 0.5, w - 1, h - 1, radius);
    c.FillVertical(Colour::Rgb(40, 42, 46), Colour::Rgb(31, 33, 36), y, y + h, true);
    c.Stroke(kLineSoft, 1);
    c.PixelLine(x + radius, y + 1.5, x + w - radius, y + 1.5, kWhite.WithAlpha(0.05));
}

void Widgets::Well(const Canvas& c, double x, double y, double w, double h, const Colour& fill) {
    c.RoundedRect(x + 0.5, y + 0.5, w - 1, h - 1, 2);
    c.FillPreserve(fill);
    c.Stroke(kCharcoalDeep, 1);
    c.PixelLine(x + 2, y + h + 0.5, x + w - 2, y + h + 0.5, kWhite.WithAlpha(0.06));
}

void Widgets::Button(const Canvas& c, double x, double y, double w, double h, ButtonLook look,
                     double radius) {
    Colour top;
    Colour bottom;
    Colour edge;
    switch (look) {
    case ButtonLook::Normal:
        top = Colour::Rgb(58, 60, 66);
        bottom = Colour::Rgb(38, 40, 44);
        edge = kRedDeep;
        break;
    case ButtonLook::Hover:
        top = Colour::Rgb(178, 46, 44);
        bottom = kRed;
        edge = kRedGlow;
        break;
    case ButtonLook::Pressed:
        top = Colour::Rgb(96, 26, 26);
        bottom = Colour::Rgb(128, 30, 30);
        edge = Colour::Rgb(70, 20, 20);
        break;
    case ButtonLook::Disabled:
        top = Colour::Rgb(48, 49, 52);
        bottom = Colour::Rgb(42, 43, 46);
        edge = Colour::Rgb(58, 60, 64);
        break;
    }
    c.RoundedRect(x + 0.5, y + 0.5, w - 1, h - 1, radius);
    c.FillVertical(top, bottom, y, y + h, true);
    c.Stroke(edge, 1);
    if (look != ButtonLook::Pressed && look != ButtonLook::Disabled) {
        c.PixelLine(x + radius, y + 1.5, x + w - radius, y + 1.5,
                    kWhite.WithAlpha(look == ButtonLook::Hover ? 0.25 : 0.1));
    } else if (look == ButtonLook::Pressed) {
        c.PixelLine(x + radius, y + 1.5, x + w - radius, y + 1.5, Colour::Rgb(0, 0, 0, 0.35));
    }
}

void Widgets::HeaderBar(const Canvas& c, double w, double h) {
    c.RoundedRect(0.5, 0.5, w - 1, h - 1, 2);
    c.FillVertical(Colour::Rgb(122, 44, 44), kRedDeep, 0, h, true);
    c.Stroke(Colour::Rgb(70, 24, 24), 1);
    c.PixelLine(2, 1.5, w - 2, 1.5, kWhite.WithAlpha(0.18));
    // A bright accent at the left end.
    cairo_rectangle(c.Cr(), 1, 2, 2, h - 4);
    c.Fill(kRedGlow);
}

void Widgets::OptionMark(const Canvas& c, double size, bool chosen) {
    const double centre = size / 2;
    const double radius = size / 2 - 0.75;
    c.Circle(centre, centre, radius);
    c.FillPreserve(kGroove);
    c.Stroke(chosen ? kRedGlow : Colour::Rgb(120, 123, 130), 1.2);
    if (chosen) {
        c.Circle(centre, centre, radius * 0.5);
        c.FillRadial(Colour::Rgb(255, 140, 120), kRedBright, centre - radius * 0.2, centre - radius * 0.2, 0,
                     radius * 0.6);
    }
}

void Widgets::CheckBox(const Canvas& c, double size, bool ticked) {
    c.RoundedRect(0.5, 0.5, size - 1, size - 1, 2);
    c.FillPreserve(ticked ? kRed : kGroove);
    c.Stroke(ticked ? kRedGlow : Colour::Rgb(120, 123, 130), 1);
    if (ticked) {
        cairo_t* cr = c.Cr();
        cairo_move_to(cr, size * 0.22, size * 0.52);
        cairo_line_to(cr, size * 0.43, size * 0.72);
        cairo_line_to(cr, size * 0.8, size * 0.28);
        c.Stroke(kWhite, std::max(1.5, size / 8));
    }
}

void Widgets::CloseGlyph(const Canvas& c, double cx, double cy, double half, const Colour& colour,
                         double width) {
    cairo_t* cr = c.Cr();
    cairo_move_to(cr, cx - half, cy - half);
    cairo_line_to(cr, cx + half, cy + half);
    cairo_move_to(cr, cx + half, cy - half);
    cairo_line_to(cr, cx - half, cy + half);
    c.Stroke(colour, width);
}

void Widgets::MinimiseGlyph(const Canvas& c, double cx, double cy, double half, const Colour& colour) {
    c.PixelLine(cx - half, cy + 0.5, cx + half, cy + 0.5, colour, 1.6);
}

void Widgets::HelpGlyph(const Canvas& c, double cx, double cy, double size, const Colour& colour) {
    c.Text("?", cx, cy, size, colour, true, TextAlign::Centre);
}

void Widgets::Chevron(const Canvas& c, double cx, double cy, double size, const Colour& colour, bool down) {
    cairo_t* cr = c.Cr();
    if (down) {
        cairo_move_to(cr, cx - size, cy - size / 2);
        cairo_line_to(cr, cx, cy + size / 2);
        cairo_line_to(cr, cx + size, cy - size / 2);
    } else {
        cairo_move_to(cr, cx - size / 2, cy - size);
        cairo_line_to(cr, cx + size / 2, cy);
        cairo_line_to(cr, cx - size / 2, cy + size);
    }
    c.Stroke(colour, 1.5);
}

void Widgets::Gear(const Canvas& c, double cx, double cy, double radius, const Colour& colour) {
    cairo_t* cr = c.Cr();
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double angle = M_PI * i / teeth;
        const double r = (i % 2 == 0) ? radius : radius * 0.74;
        const double a0 = angle - M_PI / teeth / 2;
        const double a1 = angle + M_PI / teeth / 2;
        if (i == 0) {
            cairo_move_to(cr, cx + r * std::cos(a0), cy + r * std::sin(a0));
        } else {
            cairo_line_to(cr, cx + r * std::cos(a0), cy + r * std::sin(a0));
        }
        cairo_line_to(cr, cx + r * std::cos(a1), cy + r * std::sin(a1));
    }
    cairo_close_path(cr);
    c.Circle(cx, cy, radius * 0.34);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    c.Fill(colour);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void Widgets::Emblem(const Canvas& c, double cx, double cy, double radius, bool monochrome) {
    cairo_t* cr = c.Cr();
    for (int i = 0; i < 6; ++i) {
        const double angle = M_PI / 3 * i - M_PI / 2;
        const double x = cx + radius * std::cos(angle);
        const double y = cy + radius * std::sin(angle);
        i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    if (monochrome) {
        c.FillPreserve(Colour::Rgb(70, 72, 78));
        c.Stroke(Colour::Rgb(96, 99, 106), 1);
    } else {
        c.FillVertical(kRedBright, Colour::Rgb(96, 24, 24), cy - radius, cy + radius, true);
        c.Stroke(Colour::Rgb(230, 90, 80), 1);
    }
    // The C: an open ring with a cut at the right, and a pointer-like notch.
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, radius * 0.5, M_PI * 0.28, M_PI * 1.72);
    c.Stroke(monochrome ? Colour::Rgb(150, 153, 160) : kWhite, radius * 0.2);
    c.Circle(cx + radius * 0.42, cy, radius * 0.11);
    c.Fill(monochrome ? Colour::Rgb(150, 153, 160) : kWhite);
}

void Widgets::Groove(const Canvas& c, double x, double y, double w, double h, bool filled, bool vertical) {
    const double radius = std::min(w, h) / 2;
    c.RoundedRect(x + 0.5, y + 0.5, w - 1, h - 1, radius);
    if (!filled) {
        c.FillPreserve(kGroove);
        c.Stroke(Colour::Rgb(58, 60, 66), 1);
        return;
    }
    if (vertical) {
        c.FillHorizontal(Colour::Rgb(232, 74, 64), Colour::Rgb(120, 28, 28), x, x + w, true);
    } else {
        c.FillVertical(Colour::Rgb(232, 74, 64), Colour::Rgb(120, 28, 28), y, y + h, true);
    }
    c.Stroke(Colour::Rgb(90, 22, 22), 1);
}

} // namespace skingen
