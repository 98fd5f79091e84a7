#pragma once

#include "platform/Rect.h"

#include <windows.h>

namespace corvalith {

// The core's rectangles to and from the window system's.
inline RECT ToRect(const Rect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

inline Rect FromRect(const RECT& r) {
    return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
            static_cast<int>(r.bottom)};
}

} // namespace corvalith
