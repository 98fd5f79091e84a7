#pragma once

#include "Colour.h"

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace skingen {

enum class TextAlign { Left, Centre, Right };

// One image being drawn: a cairo surface with alpha (or opaque) and the drawing helpers the skin uses.
//
// A canvas of an art set other than 100 % has SkinArtSet::Scaled pixels for its width and height, and
// everything is drawn in the 1x coordinates: each axis is stretched by its pixel count over its 1x
// length (the set's factor exactly, except for an odd length at 150 %, where it is a little more), so
// the far edges land on the image's edges and every 1x edge e on pixel Scaled(e). Width and Height stay
// the 1x lengths the art is laid out in.
class Canvas {
public:
    Canvas(int width, int height, bool alpha = true, int set = 100);
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    ~Canvas();

    cairo_t* Cr() const { return cr_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool HasAlpha() const { return alpha_; }
    int Set() const { return set_; }
    // The surface's size in pixels.
    int PixelWidth() const { return pixelWidth_; }
    int PixelHeight() const { return pixelHeight_; }

    void SetColour(const Colour& colour) const;
    // Paths.
    void RoundedRect(double x, double y, double w, double h, double radius) const;
    void Circle(double cx, double cy, double radius) const;
    // Fills and strokes of the current path (the path is kept with Preserve variants).
    void Fill(const Colour& colour) const;
    void FillPreserve(const Colour& colour) const;
    void Stroke(const Colour& colour, double width) const;
    void StrokePreserve(const Colour& colour, double width) const;
    void FillVertical(const Colour& top, const Colour& bottom, double y0, double y1,
                      bool preserve = false) const;
    void FillHorizontal(const Colour& left, const Colour& right, double x0, double x1,
                        bool preserve = false) const;
    void FillRadial(const Colour& inner, const Colour& outer, double cx, double cy, double r0, double r1,
                    bool preserve = false) const;
    // Whole-image fills.
    void Clear(const Colour& colour) const;
    void VerticalGradient(const Colour& top, const Colour& bottom) const;
    // A rectangle edged with a one-pixel line, aligned to the pixel grid. In a larger set the line runs
    // between the pixel edges nearest to its 1x edges, at least one pixel wide.
    void PixelFrame(int x, int y, int w, int h, const Colour& colour) const;
    // A line with square ends; a level or upright one in a larger set covers whole pixels from the pixel
    // edge nearest to each of its 1x edges, at least one pixel wide, so that it stays crisp and lines
    // that touch at 1x touch without overlapping.
    void PixelLine(double x0, double y0, double x1, double y1, const Colour& colour, double width = 1) const;
    // Text in the skin's face; y is the centre line of the text box.
    void Text(const std::string& text, double x, double y, double size, const Colour& colour,
              bool bold = false, TextAlign align = TextAlign::Left, double spacing = 0) const;
    double TextWidth(const std::string& text, double size, bool bold = false, double spacing = 0) const;
    // Draws another canvas (of any set) at x, y, at its 1x size.
    void Paint(const Canvas& other, double x, double y, double alpha = 1.0) const;
    // Soft shadow under a shape: the current path filled several times, growing and fading.
    void Glow(const Colour& colour, double spread) const;

    void WritePng(const std::string& path) const;
    void WriteJpeg(const std::string& path, int quality) const;
    // Straight-alpha pixels as rows of blue, green, red, alpha (PixelWidth by PixelHeight).
    std::vector<std::uint8_t> StraightBgra() const;

private:
    // Fills the pixels from the nearest pixel edges of the user-space corners x0, y0 and x1, y1, at least
    // one pixel each way; with inner, the pixels of that second rectangle are left out.
    void FillSnapped(double x0, double y0, double x1, double y1, const Colour& colour,
                     const double* inner = nullptr) const;

    int width_;
    int height_;
    bool alpha_;
    int set_;
    int pixelWidth_;
    int pixelHeight_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

} // namespace skingen
