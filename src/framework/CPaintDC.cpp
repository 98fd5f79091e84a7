#include "framework/CPaintDC.h"

#include "framework/WorldScale.h"

namespace corvalith {

CPaintDC::CPaintDC(const CWnd& window) : window_(window) {
    ::BeginPaint(window_.Hwnd(), &paint_);
    WorldScale::Apply(paint_.hdc, window_.Scale());
}

CPaintDC::~CPaintDC() {
    if (paint_.hdc != nullptr && !window_.Scale().IsIdentity()) {
        ::ModifyWorldTransform(paint_.hdc, nullptr, MWT_IDENTITY);
        ::SetGraphicsMode(paint_.hdc, GM_COMPATIBLE);
    }
    ::EndPaint(window_.Hwnd(), &paint_);
}

RECT CPaintDC::Update() const {
    return window_.ToLogical(paint_.rcPaint);
}

} // namespace corvalith
