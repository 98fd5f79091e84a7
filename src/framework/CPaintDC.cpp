#include "framework/CPaintDC.h"

#include "framework/WorldScale.h"

namespace corvalith {

CPaintDC::CPaintDC(const CWnd& window) : window_(window) {
    ::BeginPaint(window_.Hwnd(), &paint_);
    WorldScale::Apply(paint_.hdc, window_.Scale());
}

CPaintDC::~CPaintDC() {
    WorldScale::Remove(paint_.hdc, window_.Scale());
    ::EndPaint(window_.Hwnd(), &paint_);
}

RECT CPaintDC::Update() const {
    return window_.ToLogical(paint_.rcPaint);
}

} // namespace corvalith
