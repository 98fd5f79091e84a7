#include "Canvas.h"

#include "skin/SkinArtSet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace skingen {

namespace {

constexpr const char* kFace = "DejaVu Sans";

void Fail(const std::string& what) {
    std::fprintf(stderr, "skingen: %s\n", what.c_str());
    std::exit(1);
}

// The pixel edge nearest to a coordinate in device pixels; halves go up, and a hair below a half counts
// as the half, since a 1x edge at a half pixel may come out of the transformation a rounding error short.
double NearestEdge(double device) {
    return std::floor(device + 0.5 + 1e-9);
}

} // namespace

Canvas::Canvas(int width, int height, bool alpha, int set)
    : width_(width), height_(height), alpha_(alpha), set_(set),
      pixelWidth_(corvalith::SkinArtSet::Scaled(width, set)),
      pixelHeight_(corvalith::SkinArtSet::Scaled(height, set)) {
    surface_ = cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, pixelWidth_,
                                          pixelHeight_);
    cr_ = cairo_create(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        Fail("cannot make a " + std::to_string(pixelWidth_) + "x" + std::to_string(pixelHeight_) +
             " surface");
    }
    if (set_ != 100 && width_ > 0 && height_ > 0) {
        cairo_scale(cr_, static_cast<double>(pixelWidth_) / width_,
                    static_cast<double>(pixelHeight_) / height_);
    }
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::SetColour(const Colour& c) const {
    cairo_set_source_rgba(cr_, c.r, c.g, c.b, c.a);
}

void Canvas::RoundedRect(double x, double y, double w, double h, double radius) const {
    const double r = std::min({radius, w / 2, h / 2});
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr_, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr_, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr_, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr_);
}

void Canvas::Circle(double cx, double cy, double radius) const {
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, cx, cy, radius, 0, 2 * M_PI);
    cairo_close_path(cr_);
}

void Canvas::Fill(const Colour& colour) const {
    SetColour(colour);
    cairo_fill(cr_);
}

void Canvas::FillPreserve(const Colour& colour) const {
    SetColour(colour);
    cairo_fill_preserve(cr_);
}

void Canvas::Stroke(const Colour& colour, double width) const {
    SetColour(colour);
    cairo_set_line_width(cr_, width);
    cairo_stroke(cr_);
}

void Canvas::StrokePreserve(const Colour& colour, double width) const {
    SetColour(colour);
    cairo_set_line_width(cr_, width);
    cairo_stroke_preserve(cr_);
}

void Canvas::FillVertical(const Colour& top, const Colour& bottom, double y0, double y1,
                          bool preserve) const {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(pattern, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(pattern, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr_, pattern);
    preserve ? cairo_fill_preserve(cr_) : cairo_fill(cr_);
    cairo_pattern_destroy(pattern);
}

void Canvas::FillHorizontal(const Colour& left, const Colour& right, double x0, double x1,
                            bool preserve) const {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(x0, 0, x1, 0);
    cairo_pattern_add_color_stop_rgba(pattern, 0, left.r, left.g, left.b, left.a);
    cairo_pattern_add_color_stop_rgba(pattern, 1, right.r, right.g, right.b, right.a);
    cairo_set_source(cr_, pattern);
    preserve ? cairo_fill_preserve(cr_) : cairo_fill(cr_);
    cairo_pattern_destroy(pattern);
}

void Canvas::FillRadial(const Colour& inner, const Colour& outer, double cx, double cy, double r0, double r1,
                        bool preserve) const {
    cairo_pattern_t* pattern = cairo_pattern_create_radial(cx, cy, r0, cx, cy, r1);
    cairo_pattern_add_color_stop_rgba(pattern, 0, inner.r, inner.g, inner.b, inner.a);
    cairo_pattern_add_color_stop_rgba(pattern, 1, outer.r, outer.g, outer.b, outer.a);
    cairo_set_source(cr_, pattern);
    preserve ? cairo_fill_preserve(cr_) : cairo_fill(cr_);
    cairo_pattern_destroy(pattern);
}

void Canvas::Clear(const Colour& colour) const {
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    SetColour(colour);
    cairo_paint(cr_);
    cairo_restore(cr_);
}

void Canvas::VerticalGradient(const Colour& top, const Colour& bottom) const {
    cairo_rectangle(cr_, 0, 0, width_, height_);
    FillVertical(top, bottom, 0, height_);
}

void Canvas::FillSnapped(double x0, double y0, double x1, double y1, const Colour& colour,
                         const double* inner) const {
    // Both rectangles in device pixels, edges on the pixel grid.
    auto snap = [this](double ux0, double uy0, double ux1, double uy1, double* box) {
        cairo_user_to_device(cr_, &ux0, &uy0);
        cairo_user_to_device(cr_, &ux1, &uy1);
        box[0] = NearestEdge(std::min(ux0, ux1));
        box[1] = NearestEdge(std::min(uy0, uy1));
        box[2] = std::max(NearestEdge(std::max(ux0, ux1)), box[0] + 1);
        box[3] = std::max(NearestEdge(std::max(uy0, uy1)), box[1] + 1);
    };
    double outer[4];
    snap(x0, y0, x1, y1, outer);
    double hole[4] = {};
    if (inner != nullptr) {
        snap(inner[0], inner[1], inner[2], inner[3], hole);
        // The edge keeps at least one pixel on each side.
        hole[0] = std::max(hole[0], outer[0] + 1);
        hole[1] = std::max(hole[1], outer[1] + 1);
        hole[2] = std::min(hole[2], outer[2] - 1);
        hole[3] = std::min(hole[3], outer[3] - 1);
    }
    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, outer[0], outer[1], outer[2] - outer[0], outer[3] - outer[1]);
    if (hole[2] > hole[0] && hole[3] > hole[1]) {
        cairo_rectangle(cr_, hole[0], hole[1], hole[2] - hole[0], hole[3] - hole[1]);
        cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    }
    Fill(colour);
    cairo_restore(cr_);
}

void Canvas::PixelFrame(int x, int y, int w, int h, const Colour& colour) const {
    if (set_ != 100) {
        const double inner[4] = {x + 1.0, y + 1.0, x + w - 1.0, y + h - 1.0};
        FillSnapped(x, y, x + w, y + h, colour, inner);
        return;
    }
    cairo_rectangle(cr_, x + 0.5, y + 0.5, w - 1, h - 1);
    cairo_save(cr_);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
    Stroke(colour, 1);
    cairo_restore(cr_);
}

void Canvas::PixelLine(double x0, double y0, double x1, double y1, const Colour& colour, double width) const {
    if (set_ != 100 && (x0 == x1 || y0 == y1)) {
        const double half = width / 2;
        if (y0 == y1) {
            FillSnapped(x0, y0 - half, x1, y0 + half, colour);
        } else {
            FillSnapped(x0 - half, y0, x0 + half, y1, colour);
        }
        return;
    }
    cairo_save(cr_);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    cairo_move_to(cr_, x0, y0);
    cairo_line_to(cr_, x1, y1);
    Stroke(colour, width);
    cairo_restore(cr_);
}

double Canvas::TextWidth(const std::string& text, double size, bool bold, double spacing) const {
    cairo_select_font_face(cr_, kFace, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr_, text.c_str(), &extents);
    return extents.x_advance + spacing * (text.empty() ? 0 : static_cast<double>(text.size() - 1));
}

void Canvas::Text(const std::string& text, double x, double y, double size, const Colour& colour, bool bold,
                  TextAlign align, double spacing) const {
    cairo_select_font_face(cr_, kFace, CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, size);
    cairo_font_extents_t font;
    cairo_font_extents(cr_, &font);
    const double width = TextWidth(text, size, bold, spacing);
    double left = x;
    if (align == TextAlign::Centre) {
        left = x - width / 2;
    } else if (align == TextAlign::Right) {
        left = x - width;
    }
    const double baseline = y + (font.ascent - font.descent) / 2;
    SetColour(colour);
    if (spacing == 0) {
        cairo_move_to(cr_, left, baseline);
        cairo_show_text(cr_, text.c_str());
        return;
    }
    double pen = left;
    for (char c : text) {
        const std::string one(1, c);
        cairo_move_to(cr_, pen, baseline);
        cairo_show_text(cr_, one.c_str());
        cairo_text_extents_t extents;
        cairo_text_extents(cr_, one.c_str(), &extents);
        pen += extents.x_advance + spacing;
    }
}

void Canvas::Paint(const Canvas& other, double x, double y, double alpha) const {
    cairo_surface_flush(other.surface_);
    if (other.set_ == 100) {
        cairo_set_source_surface(cr_, other.surface_, x, y);
        cairo_paint_with_alpha(cr_, alpha);
        return;
    }
    // The other canvas's pixels brought back to its 1x size.
    cairo_save(cr_);
    cairo_translate(cr_, x, y);
    cairo_scale(cr_, static_cast<double>(other.width_) / other.pixelWidth_,
                static_cast<double>(other.height_) / other.pixelHeight_);
    cairo_set_source_surface(cr_, other.surface_, 0, 0);
    cairo_paint_with_alpha(cr_, alpha);
    cairo_restore(cr_);
}

void Canvas::Glow(const Colour& colour, double spread) const {
    cairo_path_t* path = cairo_copy_path(cr_);
    const int steps = 6;
    for (int i = steps; i >= 1; --i) {
        cairo_new_path(cr_);
        cairo_append_path(cr_, path);
        SetColour(colour.WithAlpha(colour.a / steps));
        cairo_set_line_width(cr_, spread * 2 * i / steps);
        cairo_stroke(cr_);
    }
    cairo_new_path(cr_);
    cairo_append_path(cr_, path);
    cairo_path_destroy(path);
}

void Canvas::WritePng(const std::string& path) const {
    cairo_surface_flush(surface_);
    if (cairo_surface_write_to_png(surface_, path.c_str()) != CAIRO_STATUS_SUCCESS) {
        Fail("cannot write " + path);
    }
}

std::vector<std::uint8_t> Canvas::StraightBgra() const {
    cairo_surface_flush(surface_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(pixelWidth_) * pixelHeight_ * 4);
    for (int y = 0; y < pixelHeight_; ++y) {
        for (int x = 0; x < pixelWidth_; ++x) {
            // cairo keeps premultiplied ARGB in native (little-endian) order: blue, green, red, alpha.
            const unsigned char* p =
                data + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 4;
            std::uint8_t* q = pixels.data() + (static_cast<std::size_t>(y) * pixelWidth_ + x) * 4;
            const unsigned alpha = alpha_ ? p[3] : 255;
            for (int c = 0; c < 3; ++c) {
                q[c] = alpha == 0
                           ? 0
                           : static_cast<std::uint8_t>(std::min(255u, (p[c] * 255u + alpha / 2) / alpha));
            }
            q[3] = static_cast<std::uint8_t>(alpha);
        }
    }
    return pixels;
}

void Canvas::WriteJpeg(const std::string& path, int quality) const {
    const std::vector<std::uint8_t> bgra = StraightBgra();
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        Fail("cannot write " + path);
    }
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(pixelWidth_);
    info.image_height = static_cast<JDIMENSION>(pixelHeight_);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(pixelWidth_) * 3);
    for (int y = 0; y < pixelHeight_; ++y) {
        for (int x = 0; x < pixelWidth_; ++x) {
            const std::uint8_t* p = bgra.data() + (static_cast<std::size_t>(y) * pixelWidth_ + x) * 4;
            row[static_cast<std::size_t>(x) * 3 + 0] = p[2];
            row[static_cast<std::size_t>(x) * 3 + 1] = p[1];
            row[static_cast<std::size_t>(x) * 3 + 2] = p[0];
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

} // namespace skingen
