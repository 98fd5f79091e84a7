#include "framework/CWholePaintDC.h"

namespace corvalith {

CWholePaintDC::CWholePaintDC(HWND window) : window_(window) {
    // Validated first: anything the drawing itself invalidates is painted by the next WM_PAINT.
    ::ValidateRect(window_, nullptr);
    ::GetClientRect(window_, &client_);
    dc_ = ::GetDC(window_);
}

CWholePaintDC::~CWholePaintDC() {
    if (dc_ != nullptr) {
        ::ReleaseDC(window_, dc_);
    }
}

} // namespace corvalith
