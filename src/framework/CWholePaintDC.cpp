#include "framework/CWholePaintDC.h"

#include "framework/WorldScale.h"

namespace corvalith {

CWholePaintDC::CWholePaintDC(const CWnd& window) : window_(window.Hwnd()), scale_(window.Scale()) {
    // Validated first: anything the drawing itself invalidates is painted by the next WM_PAINT.
    ::ValidateRect(window_, nullptr);
    client_ = window.GetClientRect();
    dc_ = ::GetDC(window_);
    // The control draws in logical pixels on its own pixels.
    WorldScale::Apply(dc_, scale_);
}

CWholePaintDC::~CWholePaintDC() {
    if (dc_ != nullptr) {
        WorldScale::Remove(dc_, scale_);
        ::ReleaseDC(window_, dc_);
    }
}

} // namespace corvalith
