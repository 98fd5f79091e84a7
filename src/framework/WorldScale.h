#pragma once

#include "platform/DisplayScale.h"

#include <windows.h>

namespace corvalith {

// Draws on a device context in logical pixels for the life of this object: the context's world transform
// is set to the display scale, and what it had before is put back at the end. At 100 % the context is
// left as it is, so that drawing stays exactly as it always was; a context that already has a transform
// is given the scale's own (identity at 100 %), which is how a copy in device pixels is made.
class WorldScale {
public:
    WorldScale(HDC dc, const DisplayScale& scale);
    WorldScale(const WorldScale&) = delete;
    WorldScale& operator=(const WorldScale&) = delete;
    ~WorldScale();

    // Sets the scale on a context for good (a surface made for one window's drawing), and takes it off
    // again before the context goes back to the system; neither does anything at 100 %.
    static void Apply(HDC dc, const DisplayScale& scale);
    static void Remove(HDC dc, const DisplayScale& scale);
    // The scale a context draws at: 100 % unless its world transform scales it.
    static DisplayScale Of(HDC dc);

private:
    HDC dc_;
    bool changed_ = false;
    int mode_ = GM_COMPATIBLE;
    XFORM saved_{};
};

} // namespace corvalith
