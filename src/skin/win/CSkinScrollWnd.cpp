#include "skin/win/CSkinScrollWnd.h"

#include "framework/CPaintDC.h"
#include "framework/CSourceDC.h"
#include "framework/Win32Rect.h"

namespace corvalith {

namespace {

// Column of the corner cells in the skin bitmap.
constexpr int kColumnCorner = 8;

} // namespace

CSkinScrollWnd* CSkinScrollWnd::AttachFrame(HWND window, HBITMAP bitmap, HBITMAP sharp) {
    if (window == nullptr || !::IsWindow(window) || FrameOf(window) != nullptr ||
        (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0) {
        return nullptr;
    }
    auto* frame = new CSkinScrollWnd();
    if (!frame->Build(window, bitmap, sharp)) {
        // Deleted by its own destruction when the window exists, else here.
        if (frame->Hwnd() != nullptr) {
            frame->DestroyWindow();
        } else {
            delete frame;
        }
        return nullptr;
    }
    return frame;
}

CSkinScrollWnd* CSkinScrollWnd::FrameOf(HWND window) {
    if (window == nullptr || reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window, GWLP_WNDPROC)) !=
                                 &CSkinScrollWnd::FramedWindowProc) {
        return nullptr;
    }
    return reinterpret_cast<CSkinScrollWnd*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

bool CSkinScrollWnd::Build(HWND window, HBITMAP bitmap, HBITMAP sharp) {
    bitmap_ = bitmap;
    sharp_ = sharp;
    BITMAP info{};
    if (bitmap == nullptr || ::GetObjectW(bitmap, sizeof info, &info) != sizeof info || info.bmWidth < 9) {
        return false;
    }
    cellWidth_ = info.bmWidth / 9;

    const HWND parent = ::GetParent(window);
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    // The frame is laid out in the logical pixels of the parent's scale.
    const CWnd* container = CWnd::FromHandle(parent);
    const DisplayScale scale = container != nullptr ? container->Scale() : DisplayScale();
    rect = ToRect(scale.ToLogical(FromRect(rect)));
    const UINT id = static_cast<UINT>(::GetDlgCtrlID(window));
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrW(window, GWL_EXSTYLE));

    // The frame takes the window's place; a border or client edge moves from the window to the frame.
    DWORD frameStyle = WS_CHILD | WS_CLIPCHILDREN | (style & WS_VISIBLE);
    DWORD frameExStyle = 0;
    int innerWidth = rect.right - rect.left;
    int innerHeight = rect.bottom - rect.top;
    if ((style & WS_BORDER) != 0) {
        frameStyle |= WS_BORDER;
        ::SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(style & ~static_cast<DWORD>(WS_BORDER)));
        innerWidth -= 2 * ::GetSystemMetrics(SM_CXBORDER);
        innerHeight -= 2 * ::GetSystemMetrics(SM_CYBORDER);
    }
    if ((exStyle & WS_EX_CLIENTEDGE) != 0) {
        frameExStyle |= WS_EX_CLIENTEDGE;
        ::SetWindowLongPtrW(window, GWL_EXSTYLE,
                            static_cast<LONG_PTR>(exStyle & ~static_cast<DWORD>(WS_EX_CLIENTEDGE)));
        innerWidth -= 2 * ::GetSystemMetrics(SM_CXEDGE);
        innerHeight -= 2 * ::GetSystemMetrics(SM_CYEDGE);
    }
    if (!CreateEx(frameExStyle, nullptr, L"SkinScrollBarFrame", frameStyle, rect, parent, id)) {
        return false;
    }
    const RECT inner{0, 0, innerWidth, innerHeight};
    if (!clip_.CreateEx(0, nullptr, L"LIMIT", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, inner, this,
                        kClipId) ||
        !horizontal_.Create(WS_CHILD | SBS_HORZ, RECT{0, innerHeight - cellWidth_, innerWidth, innerHeight},
                            this, kHorizontalBarId) ||
        !vertical_.Create(WS_CHILD | SBS_VERT, RECT{innerWidth - cellWidth_, 0, innerWidth, innerHeight},
                          this, kVerticalBarId)) {
        return false;
    }
    horizontal_.SetBitmap(bitmap, sharp);
    vertical_.SetBitmap(bitmap, sharp);

    framedParent_ = parent;
    clip_.ForwardTo(parent);
    framed_ = window;
    ::SetParent(window, clip_.Hwnd());
    framedUserData_ = ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    previousProc_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSkinScrollWnd::FramedWindowProc)));

    // Moving the window recalculates its client area, which places the bars and lays the frame out.
    ::SetWindowPos(window, nullptr, 0, 0, scale.ToDevice(innerWidth), scale.ToDevice(innerHeight),
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if ((style & WS_VSCROLL) != 0) {
        Sync(vertical_, SB_VERT, true);
    }
    if ((style & WS_HSCROLL) != 0) {
        Sync(horizontal_, SB_HORZ, true);
    }
    StartSyncTimer();
    return true;
}

void CSkinScrollWnd::StartSyncTimer() {
    syncTimerRunning_ = SetTimer(kSyncTimer, kSyncPeriodMs) != 0;
}

LRESULT CALLBACK CSkinScrollWnd::FramedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* frame = reinterpret_cast<CSkinScrollWnd*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (frame == nullptr || frame->framed_ != hwnd) {
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    const WNDPROC previous = frame->previousProc_;
    if (message == WM_DESTROY) {
        // The window goes back where it was before its own handling runs; the frame goes with this.
        frame->DetachFromWindow(!frame->destroying_);
        return ::CallWindowProcW(previous, hwnd, message, wParam, lParam);
    }
    if (message == WM_NCPAINT && (::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CAPTION) == 0) {
        // Without a caption the window's frame is only its own scroll bars, which lie outside the clip
        // window and are never seen: the frame draws the skinned ones. Painting them would cost more than
        // the whole window's contents.
        return 0;
    }
    const LRESULT result = ::CallWindowProcW(previous, hwnd, message, wParam, lParam);
    if (message == WM_PAINT && !frame->syncTimerRunning_) {
        frame->StartSyncTimer(); // seen again: the bars follow the window once more
    }
    if (frame->forwarding_) {
        return result;
    }
    switch (message) {
    case WM_ERASEBKGND: {
        const auto style = static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_STYLE));
        if ((style & WS_VSCROLL) != 0) {
            frame->Sync(frame->vertical_, SB_VERT, true);
        }
        if ((style & WS_HSCROLL) != 0) {
            frame->Sync(frame->horizontal_, SB_HORZ, true);
        }
        break;
    }
    case WM_NCCALCSIZE:
        if (lParam != 0) {
            RECT& client = wParam != FALSE ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                           : *reinterpret_cast<RECT*>(lParam);
            frame->AdjustClientArea(client);
        }
        break;
    default:
        break;
    }
    return result;
}

void CSkinScrollWnd::AdjustClientArea(RECT& client) {
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(framed_, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(framed_, GWL_EXSTYLE));
    const bool verticalShown = (style & WS_VSCROLL) != 0;
    const bool horizontalShown = (style & WS_HSCROLL) != 0;
    const bool leftHand = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    const int cell = cellWidth_;

    // The client area grows over the native bars, leaving exactly one cell for them: that strip is
    // outside the clip window and never seen. The client is in the framed window's own pixels.
    const int deviceCell = Scale().ToDevice(cell);
    if (verticalShown) {
        const int widen = ::GetSystemMetrics(SM_CXVSCROLL) - deviceCell;
        if (leftHand) {
            client.left -= widen;
        } else {
            client.right += widen;
        }
    }
    if (horizontalShown) {
        client.bottom += ::GetSystemMetrics(SM_CYHSCROLL) - deviceCell;
    }

    const RECT frame = GetClientRect();
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (verticalShown) {
        vertical_.SetWindowPos(nullptr, leftHand ? 0 : frame.right - cell, 0, cell,
                               frame.bottom - (horizontalShown ? cell : 0), flags | SWP_SHOWWINDOW);
    } else {
        vertical_.ShowWindow(SW_HIDE);
    }
    if (horizontalShown) {
        horizontal_.SetWindowPos(nullptr, (verticalShown && leftHand) ? cell : 0, frame.bottom - cell,
                                 frame.right - (verticalShown ? cell : 0), cell, flags | SWP_SHOWWINDOW);
    } else {
        horizontal_.ShowWindow(SW_HIDE);
    }
    if (verticalShown && horizontalShown) {
        corner_ = leftHand ? Corner::LowerLeft : Corner::LowerRight;
    } else {
        corner_ = Corner::None;
    }
    PostMessage(kRelayoutMessage, verticalShown ? 1 : 0, leftHand ? 1 : 0);
}

LRESULT CSkinScrollWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRelayoutMessage) {
        Relayout(wParam != 0, lParam != 0);
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CSkinScrollWnd::Relayout(bool verticalShown, bool leftHand) {
    if (framed_ == nullptr) {
        return;
    }
    const int cell = cellWidth_;
    RECT clip = GetClientRect();
    if (verticalShown) {
        if (leftHand) {
            clip.left += cell;
        } else {
            clip.right -= cell;
        }
    }
    if (horizontal_.IsWindowVisible()) {
        clip.bottom -= cell;
    }
    clip_.MoveWindow(clip, true);
    ::SetWindowPos(framed_, nullptr, (verticalShown && leftHand) ? -Scale().ToDevice(cell) : 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Invalidate(false);
}

void CSkinScrollWnd::OnSize(UINT, int cx, int cy) {
    if (framed_ != nullptr) {
        ::SetWindowPos(framed_, nullptr, 0, 0, Scale().ToDevice(cx), Scale().ToDevice(cy),
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CSkinScrollWnd::Forward(UINT message, UINT code, UINT position, CSkinScrollBar& bar) {
    if (framed_ == nullptr) {
        return;
    }
    forwarding_ = true;
    ::SendMessageW(framed_, message, MAKEWPARAM(code, position), 0);
    forwarding_ = false;
    if (code != SB_THUMBTRACK && framed_ != nullptr) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_ALL;
        if (::GetScrollInfo(framed_, message == WM_VSCROLL ? SB_VERT : SB_HORZ, &info)) {
            info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            bar.SetScrollInfo(info, true);
        }
    }
}

void CSkinScrollWnd::OnVScroll(UINT code, UINT position, HWND bar) {
    if (bar == vertical_.Hwnd()) {
        Forward(WM_VSCROLL, code, position, vertical_);
        return;
    }
    CWnd::OnVScroll(code, position, bar);
}

void CSkinScrollWnd::OnHScroll(UINT code, UINT position, HWND bar) {
    if (bar == horizontal_.Hwnd()) {
        Forward(WM_HSCROLL, code, position, horizontal_);
        return;
    }
    CWnd::OnHScroll(code, position, bar);
}

bool CSkinScrollWnd::Sync(CSkinScrollBar& bar, int which, bool setEnabled) {
    if (framed_ == nullptr || bar.Hwnd() == nullptr) {
        return false;
    }
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    if (!::GetScrollInfo(framed_, which, &info)) {
        return false;
    }
    const ScrollBarRange now{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
    if (now == bar.Range()) {
        return false;
    }
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    bar.SetScrollInfo(info, true);
    if (setEnabled) {
        bar.EnableWindow(info.nMax >= static_cast<int>(info.nPage));
    }
    return true;
}

void CSkinScrollWnd::OnTimer(UINT_PTR id) {
    if (id != kSyncTimer) {
        CWnd::OnTimer(id);
        return;
    }
    // Hidden (in the tray) the window can neither scroll nor be seen: the timer stops, so that the hidden
    // program costs nothing, and its next paint starts it again.
    if (!::IsWindowVisible(framed_)) {
        KillTimer(kSyncTimer);
        syncTimerRunning_ = false;
        return;
    }
    // Keeps the bars right when the window changes its range without repainting.
    SyncBars();
}

void CSkinScrollWnd::SyncBars() {
    if (vertical_.IsWindowVisible() && !vertical_.Dragging()) {
        Sync(vertical_, SB_VERT, false);
    }
    if (horizontal_.IsWindowVisible() && !horizontal_.Dragging()) {
        Sync(horizontal_, SB_HORZ, false);
    }
}

BOOL CSkinScrollWnd::OnEraseBkgnd(HDC) {
    return TRUE; // the clip window and the bars cover the frame; the corner is painted
}

void CSkinScrollWnd::OnPaint() {
    const CPaintDC dc(*this);
    if (corner_ != Corner::None && bitmap_ != nullptr) {
        const RECT client = GetClientRect();
        const int cell = cellWidth_;
        const int sourceY = corner_ == Corner::LowerRight ? 0 : cell;
        const int x = corner_ == Corner::LowerRight ? client.right - cell : 0;
        if (sharp_ != nullptr && !Scale().IsIdentity()) {
            // The skin of twice the pixels, onto the corner's 1x size.
            const CSourceDC cells(sharp_);
            ::StretchBlt(dc, x, client.bottom - cell, cell, cell, cells, 2 * kColumnCorner * cell,
                         2 * sourceY, 2 * cell, 2 * cell, SRCCOPY);
        } else {
            const CSourceDC cells(bitmap_);
            ::BitBlt(dc, x, client.bottom - cell, cell, cell, cells, kColumnCorner * cell, sourceY, SRCCOPY);
        }
    }
}

void CSkinScrollWnd::DetachFromWindow(bool giveBack) {
    if (framed_ == nullptr) {
        return;
    }
    const HWND window = framed_;
    framed_ = nullptr;
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    ::SetWindowLongPtrW(window, GWLP_USERDATA, framedUserData_);
    if (!giveBack) {
        return;
    }
    const RECT rect = ToDevice(GetRectInParent());
    ::SetParent(window, framedParent_);
    ::SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    DestroyWindow(); // deletes this frame
}

void CSkinScrollWnd::OnDestroy() {
    destroying_ = true;
    KillTimer(kSyncTimer);
    syncTimerRunning_ = false;
    CWnd::OnDestroy();
}

void CSkinScrollWnd::PostNcDestroy() {
    delete this;
}

} // namespace corvalith
