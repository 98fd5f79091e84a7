#include "ResourceImages.h"

#include "SkinFile.h"
#include "Widgets.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace skingen {

using namespace palette;

namespace {

constexpr int kCellWidth = 13;
constexpr int kCellHeight = 16;

void Put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, unsigned value) {
    Put16(out, value & 0xFFFF);
    Put16(out, (value >> 16) & 0xFFFF);
}

void WriteBytes(const std::vector<std::uint8_t>& bytes, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
        std::fprintf(stderr, "skingen: cannot write %s\n", path.c_str());
        std::exit(1);
    }
    std::fclose(file);
}

// One cell's look: 0 normal, 1 hover, 2 pressed.
Colour ThumbColour(int row) {
    switch (row) {
    case 1:
        return kRed;
    case 2:
        return kRedBright;
    default:
        return Colour::Rgb(78, 81, 88);
    }
}

// An arrow glyph in a square of size at x, y pointing up, down, left or right.
void Arrow(const Canvas& c, double x, double y, double size, int direction, int row) {
    c.RoundedRect(x + 0.5, y + 0.5, size - 1, size - 1, 2);
    if (row == 0) {
        c.FillPreserve(Colour::Rgb(30, 31, 34));
        c.Stroke(Colour::Rgb(52, 54, 59), 1);
    } else {
        c.FillVertical(row == 1 ? Colour::Rgb(150, 40, 38) : Colour::Rgb(200, 52, 48),
                       row == 1 ? kRedDeep : kRed, y, y + size, true);
        c.Stroke(kRedGlow, 1);
    }
    const double cx = x + size / 2;
    const double cy = y + size / 2;
    const double r = size * 0.22;
    cairo_t* cr = c.Cr();
    switch (direction) {
    case 0: // up
        cairo_move_to(cr, cx - r * 1.3, cy + r * 0.7);
        cairo_line_to(cr, cx, cy - r * 0.8);
        cairo_line_to(cr, cx + r * 1.3, cy + r * 0.7);
        break;
    case 1: // down
        cairo_move_to(cr, cx - r * 1.3, cy - r * 0.7);
        cairo_line_to(cr, cx, cy + r * 0.8);
        cairo_line_to(cr, cx + r * 1.3, cy - r * 0.7);
        break;
    case 2: // left
        cairo_move_to(cr, cx + r * 0.7, cy - r * 1.3);
        cairo_line_to(cr, cx - r * 0.8, cy);
        cairo_line_to(cr, cx + r * 0.7, cy + r * 1.3);
        break;
    default: // right
        cairo_move_to(cr, cx - r * 0.7, cy - r * 1.3);
        cairo_line_to(cr, cx + r * 0.8, cy);
        cairo_line_to(cr, cx - r * 0.7, cy + r * 1.3);
        break;
    }
    cairo_close_path(cr);
    c.Fill(row == 0 ? kSilver : kWhite);
}

} // namespace

void ResourceImages::DrawScrollBarSkin(const Canvas& c) {
    c.Clear(Colour::Rgb(16, 17, 19));
    cairo_t* cr = c.Cr();
    for (int row = 0; row < 3; ++row) {
        const double top = row * kCellHeight;
        // Arrows. The normal row's arrows are drawn in the top square of the cell, which the bar uses
        // for its normal look; hover and pressed arrows fill the whole cell, which the bar squeezes
        // into the arrow's square.
        const int directions[4] = {0, 1, 2, 3};
        const int columns[4] = {0, 1, 4, 5};
        for (int i = 0; i < 4; ++i) {
            const double left = columns[i] * kCellWidth;
            if (row == 0) {
                Arrow(c, left, top, kCellWidth, directions[i], row);
                cairo_rectangle(cr, left, top + kCellWidth, kCellWidth, kCellHeight - kCellWidth);
                c.Fill(Colour::Rgb(30, 31, 34));
            } else {
                cairo_save(cr);
                cairo_translate(cr, left, top);
                cairo_scale(cr, 1.0, static_cast<double>(kCellHeight) / kCellWidth);
                Arrow(c, 0, 0, kCellWidth, directions[i], row);
                cairo_restore(cr);
            }
        }
        // Vertical thumb (column 2): rounded ends in the first and last six rows.
        const double thumbLeft = 2 * kCellWidth;
        cairo_rectangle(cr, thumbLeft, top, kCellWidth, kCellHeight);
        c.Fill(Colour::Rgb(16, 17, 19));
        c.RoundedRect(thumbLeft + 2.5, top + 0.5, kCellWidth - 5, kCellHeight - 1, 4);
        c.FillHorizontal(ThumbColour(row).Lighter(0.15), ThumbColour(row).Darker(0.2), thumbLeft + 2,
                         thumbLeft + kCellWidth - 2, true);
        c.Stroke(ThumbColour(row).Lighter(0.3), 1);
        // Vertical track (column 3).
        const double trackLeft = 3 * kCellWidth;
        cairo_rectangle(cr, trackLeft, top, kCellWidth, kCellHeight);
        c.Fill(Colour::Rgb(16, 17, 19));
        c.PixelLine(trackLeft + 6.5, top, trackLeft + 6.5, top + kCellHeight, Colour::Rgb(36, 38, 42));
        // Horizontal thumb (column 6): drawn across 13 x 13, stretched to the cell's height.
        cairo_save(cr);
        cairo_translate(cr, 6 * kCellWidth, top);
        cairo_scale(cr, 1.0, static_cast<double>(kCellHeight) / kCellWidth);
        cairo_rectangle(cr, 0, 0, kCellWidth, kCellWidth);
        c.Fill(Colour::Rgb(16, 17, 19));
        c.RoundedRect(0.5, 2.5, kCellWidth - 1, kCellWidth - 5, 4);
        c.FillVertical(ThumbColour(row).Lighter(0.15), ThumbColour(row).Darker(0.2), 2, kCellWidth - 2, true);
        c.Stroke(ThumbColour(row).Lighter(0.3), 1);
        cairo_restore(cr);
        // Horizontal track (column 7).
        const double hTrackLeft = 7 * kCellWidth;
        cairo_rectangle(cr, hTrackLeft, top, kCellWidth, kCellHeight);
        c.Fill(Colour::Rgb(16, 17, 19));
        c.PixelLine(hTrackLeft, top + 8.5, hTrackLeft + kCellWidth, top + 8.5, Colour::Rgb(36, 38, 42));
    }
    // Corner column: the right-hand corner in the top square, the left-hand one a cell width lower.
    const double cornerLeft = 8 * kCellWidth;
    cairo_rectangle(cr, cornerLeft, 0, kCellWidth, c.Height());
    c.Fill(Colour::Rgb(16, 17, 19));
    for (int i = 0; i < 2; ++i) {
        const double top = i * kCellWidth;
        for (int dot = 0; dot < 3; ++dot) {
            const double x = i == 0 ? cornerLeft + 10 - dot * 3 : cornerLeft + 3 + dot * 3;
            c.Circle(x, top + 10, 0.9);
            c.Fill(kMuted);
        }
    }
}

void ResourceImages::DrawColourWheel(const Canvas& c) {
    c.Clear(surface::kSection);
    const double cx = c.Width() / 2.0;
    const double cy = c.Height() / 2.0;
    const double radius = 7.2;
    cairo_t* cr = c.Cr();
    const int steps = 36;
    for (int i = 0; i < steps; ++i) {
        const double a0 = 2 * M_PI * i / steps - M_PI / 2;
        const double a1 = 2 * M_PI * (i + 1) / steps - M_PI / 2 + 0.02;
        // Hue around the wheel.
        const double h = static_cast<double>(i) / steps * 6;
        const double x = 1 - std::fabs(std::fmod(h, 2) - 1);
        double r = 0, g = 0, b = 0;
        switch (static_cast<int>(h)) {
        case 0:
            r = 1;
            g = x;
            break;
        case 1:
            r = x;
            g = 1;
            break;
        case 2:
            g = 1;
            b = x;
            break;
        case 3:
            g = x;
            b = 1;
            break;
        case 4:
            r = x;
            b = 1;
            break;
        default:
            r = 1;
            b = x;
            break;
        }
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, radius, a0, a1);
        cairo_close_path(cr);
        c.Fill({r, g, b, 1});
    }
    c.Circle(cx, cy, radius);
    c.FillRadial(kWhite.WithAlpha(0.9), kWhite.WithAlpha(0.0), cx, cy, 0, radius);
    c.Circle(cx, cy, radius);
    c.Stroke(Colour::Rgb(20, 20, 22), 1);
}

void ResourceImages::DrawIcon(const Canvas& c) {
    const double size = c.Width();
    cairo_t* cr = c.Cr();
    cairo_save(cr);
    cairo_scale(cr, size / 64.0, size / 64.0);
    c.RoundedRect(2, 2, 60, 60, 12);
    c.FillVertical(Colour::Rgb(44, 46, 51), Colour::Rgb(18, 19, 21), 2, 62, true);
    c.Stroke(kRed, 2);
    Widgets::Emblem(c, 32, 32, 22);
    cairo_restore(cr);
}

void ResourceImages::WriteBmp(const Canvas& c, const std::string& path) {
    const std::vector<std::uint8_t> pixels = c.StraightBgra();
    const int width = c.PixelWidth();
    const int height = c.PixelHeight();
    const int pitch = ((width * 3) + 3) / 4 * 4;
    std::vector<std::uint8_t> out;
    const unsigned dataSize = static_cast<unsigned>(pitch * height);
    // File header, then the information header: 24 bits per pixel, rows bottom-up.
    out.push_back('B');
    out.push_back('M');
    Put32(out, 14 + 40 + dataSize);
    Put32(out, 0);
    Put32(out, 14 + 40);
    Put32(out, 40);
    Put32(out, static_cast<unsigned>(width));
    Put32(out, static_cast<unsigned>(height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, dataSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = pixels.data() + (static_cast<std::size_t>(y) * width + x) * 4;
            out.insert(out.end(), {p[0], p[1], p[2]});
        }
        out.insert(out.end(), static_cast<std::size_t>(pitch - width * 3), 0);
    }
    WriteBytes(out, path);
}

void ResourceImages::WriteIco(const std::vector<const Canvas*>& images, const std::string& path) {
    std::vector<std::vector<std::uint8_t>> entries;
    for (const Canvas* image : images) {
        const int size = image->Width();
        const std::vector<std::uint8_t> pixels = image->StraightBgra();
        std::vector<std::uint8_t> entry;
        // Information header with twice the height (colour rows, then the mask rows).
        Put32(entry, 40);
        Put32(entry, static_cast<unsigned>(size));
        Put32(entry, static_cast<unsigned>(size * 2));
        Put16(entry, 1);
        Put16(entry, 32);
        Put32(entry, 0);
        Put32(entry, 0);
        Put32(entry, 0);
        Put32(entry, 0);
        Put32(entry, 0);
        Put32(entry, 0);
        for (int y = size - 1; y >= 0; --y) {
            const std::uint8_t* row = pixels.data() + static_cast<std::size_t>(y) * size * 4;
            entry.insert(entry.end(), row, row + static_cast<std::size_t>(size) * 4);
        }
        const int maskPitch = ((size + 31) / 32) * 4;
        for (int y = size - 1; y >= 0; --y) {
            std::vector<std::uint8_t> mask(static_cast<std::size_t>(maskPitch), 0);
            for (int x = 0; x < size; ++x) {
                if (pixels[(static_cast<std::size_t>(y) * size + x) * 4 + 3] == 0) {
                    mask[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
                }
            }
            entry.insert(entry.end(), mask.begin(), mask.end());
        }
        entries.push_back(std::move(entry));
    }
    std::vector<std::uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(entries.size()));
    unsigned offset = 6 + 16 * static_cast<unsigned>(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int size = images[i]->Width();
        out.push_back(static_cast<std::uint8_t>(size >= 256 ? 0 : size));
        out.push_back(static_cast<std::uint8_t>(size >= 256 ? 0 : size));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<unsigned>(entries[i].size()));
        Put32(out, offset);
        offset += static_cast<unsigned>(entries[i].size());
    }
    for (const auto& entry : entries) {
        out.insert(out.end(), entry.begin(), entry.end());
    }
    WriteBytes(out, path);
}

void ResourceImages::WriteAll(const std::string& folder) {
    Canvas scrollBar(9 * kCellWidth, 3 * kCellHeight, false);
    DrawScrollBarSkin(scrollBar);
    WriteBmp(scrollBar, folder + "/ScrollBar.bmp");
    // The scroll-bar skin and the colour wheel for displays above 100 %, twice the pixels.
    Canvas sharpScrollBar(9 * kCellWidth, 3 * kCellHeight, false, 200);
    DrawScrollBarSkin(sharpScrollBar);
    WriteBmp(sharpScrollBar, folder + "/ScrollBar200.bmp");

    Canvas wheel(18, 16, false);
    DrawColourWheel(wheel);
    WriteBmp(wheel, folder + "/ColourWheel.bmp");
    Canvas sharpWheel(18, 16, false, 200);
    DrawColourWheel(sharpWheel);
    WriteBmp(sharpWheel, folder + "/ColourWheel200.bmp");

    std::vector<std::unique_ptr<Canvas>> icons;
    std::vector<const Canvas*> views;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        icons.push_back(std::make_unique<Canvas>(size, size));
        DrawIcon(*icons.back());
        views.push_back(icons.back().get());
    }
    WriteIco(views, folder + "/Corvalith.ico");
}

} // namespace skingen
