#pragma once

#include <windows.h>

namespace corvalith {

// A device context with one bitmap selected, to copy or blend from, for the object's lifetime. One DC is
// kept for the windows' thread and lent in turn: making one for every copy cost more than most of the
// copies. A copy made while it is lent, or on another thread, gets a DC of its own.
class CSourceDC {
public:
    explicit CSourceDC(HBITMAP bitmap);
    CSourceDC(const CSourceDC&) = delete;
    CSourceDC& operator=(const CSourceDC&) = delete;
    ~CSourceDC();

    HDC Dc() const { return dc_; }
    operator HDC() const { return dc_; }
    // False when no DC could be made or the bitmap could not be selected.
    bool Valid() const { return dc_ != nullptr && previous_ != nullptr; }

private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    bool borrowed_ = false;
};

} // namespace corvalith
