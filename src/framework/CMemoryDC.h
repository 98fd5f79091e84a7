#pragma once

#include "framework/CBitmapSurface.h"
#include "platform/DisplayScale.h"

#include <windows.h>

namespace corvalith {

// An off-screen drawing surface compatible with a target device context: the skinned windows draw
// into it and copy the result to the screen in one block transfer, so nothing flickers. A paint clips
// it to its update rectangle: drawing then touches only that part and only that part is copied.
// The surface is drawn on in logical pixels at the scale of the context it is made for (the window's
// paint context carries its window's scale): at a scale other than 100 % its bitmap has the monitor's
// pixels and its world transform turns the drawing into them, so text and images from the larger skin
// sets come out sharp. Surfaces are lent from one kept for the windows' thread (a nested surface, or one on
// another thread, is made for itself) and start black, as a new bitmap does.
class CMemoryDC {
public:
    // width x height in logical pixels.
    CMemoryDC(HDC target, int width, int height);
    // A surface for a paint: compatible with the paint's device context, width x height, clipped to
    // the paint's update rectangle.
    CMemoryDC(const PAINTSTRUCT& paint, int width, int height);
    CMemoryDC(const CMemoryDC&) = delete;
    CMemoryDC& operator=(const CMemoryDC&) = delete;
    ~CMemoryDC();

    HDC Dc() const { return dc_; }
    operator HDC() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Valid() const { return dc_ != nullptr; }

    // Clips all further drawing on the surface to area (surface coordinates, kept inside the surface),
    // and CopyTo to the same part. An empty area clips everything away.
    void ClipTo(const RECT& area);
    // The part CopyTo copies: the whole surface until ClipTo.
    const RECT& Area() const { return area_; }

    // Copies the area to the target pixel for pixel, the surface's top-left corner going to the logical
    // point x, y (the target is either the window's own context or a surface drawn at the same scale).
    bool CopyTo(HDC target, int x = 0, int y = 0) const;

private:
    HDC dc_ = nullptr; // the kept surface's or own_'s; null when neither could be had
    CBitmapSurface own_;
    // The kept surface's state before it was lent; 0 for a surface of its own.
    int savedState_ = 0;
    DisplayScale scale_;
    int width_;
    int height_;
    RECT area_;
};

} // namespace corvalith
