#include "pages/win/CDlgSplash.h"

#include "controls/win/WindowCentring.h"
#include "framework/CPaintDC.h"
#include "framework/WorldScale.h"
#include "skin/SkinFileNames.h"
#include "skin/win/SkinImages.h"

namespace corvalith {

namespace {

const std::string kPicture = SkinFileNames::InSkins(SkinFileNames::kSplash);

} // namespace

CDlgSplash::CDlgSplash(const SkinImages& skins, CWnd* parent, UINT periodMs)
    : CDialog(kTemplateId, parent), skins_(skins), periodMs_(periodMs) {}

CDlgSplash::~CDlgSplash() {
    ReleaseCanvas();
}

void CDlgSplash::ReleaseCanvas() {
    if (canvas_ != nullptr) {
        ::DeleteObject(canvas_);
        canvas_ = nullptr;
    }
    hasPicture_ = false;
}

BOOL CDlgSplash::OnInitDialog() {
    CDialog::OnInitDialog();
    // The canvas: the picture drawn with its alpha over black, at the window's size in the monitor's
    // pixels; the nearest art set's picture lands on it pixel for pixel.
    ReleaseCanvas();
    const HDC screen = ::GetDC(nullptr);
    canvas_ = ::CreateCompatibleBitmap(screen, Scale().ToDevice(kWidth), Scale().ToDevice(kHeight));
    if (canvas_ != nullptr) {
        const HDC dc = ::CreateCompatibleDC(screen);
        const HGDIOBJ previous = ::SelectObject(dc, canvas_);
        WorldScale::Apply(dc, Scale());
        const RECT all{0, 0, kWidth, kHeight};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        if (const SkinImage* picture = skins_.Image(kPicture)) {
            hasPicture_ = SkinImages::DrawImage(dc, *picture, 0, 0);
        }
        ::SelectObject(dc, previous);
        ::DeleteDC(dc);
    }
    ::ReleaseDC(nullptr, screen);

    SetWindowPos(nullptr, 0, 0, kWidth, kHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    WindowCentring::CentreOnScreen(hwnd_);
    SetTimer(kTimerId, periodMs_);
    return TRUE;
}

void CDlgSplash::Draw(HDC dc) const {
    if (canvas_ == nullptr) {
        const RECT all{0, 0, kWidth, kHeight};
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        return;
    }
    // The canvas is in the monitor's pixels: copied pixel for pixel.
    const WorldScale pixels(dc, DisplayScale());
    const HDC source = ::CreateCompatibleDC(dc);
    const HGDIOBJ previous = ::SelectObject(source, canvas_);
    ::BitBlt(dc, 0, 0, Scale().ToDevice(kWidth), Scale().ToDevice(kHeight), source, 0, 0, SRCCOPY);
    ::SelectObject(source, previous);
    ::DeleteDC(source);
}

void CDlgSplash::OnPaint() {
    const CPaintDC dc(*this);
    Draw(dc);
}

BOOL CDlgSplash::OnEraseBkgnd(HDC) {
    return TRUE; // the canvas covers the whole window
}

void CDlgSplash::OnTimer(UINT_PTR id) {
    if (id != kTimerId) {
        Default();
        return;
    }
    KillTimer(kTimerId);
    EndDialog(IDCANCEL);
}

bool CDlgSplash::IsSwallowedInput(UINT message) {
    switch (message) {
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        return true;
    default:
        return false;
    }
}

BOOL CDlgSplash::PreTranslateMessage(MSG* msg) {
    // Key presses never reach the dialog manager, which would close the window on Escape or Alt+F4.
    if (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CDlgSplash::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsSwallowedInput(message)) {
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

} // namespace corvalith
