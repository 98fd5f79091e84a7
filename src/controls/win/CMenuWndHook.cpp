#include "controls/win/CMenuWndHook.h"

#include <cstdint>
#include <cwchar>

namespace corvalith {

CMenuWndHook::Hooks* CMenuWndHook::hooks_ = nullptr;

namespace {

std::uintptr_t KeyOf(HWND window) {
    return reinterpret_cast<std::uintptr_t>(window);
}

void Outline(HDC dc, const RECT& rect, COLORREF colour) {
    const HBRUSH brush = ::CreateSolidBrush(colour);
    ::FrameRect(dc, &rect, brush);
    ::DeleteObject(brush);
}

} // namespace

bool CMenuWndHook::Install() {
    if (hooks_ != nullptr) {
        return true;
    }
    auto hooks = std::make_unique<Hooks>();
    hooks->hook =
        ::SetWindowsHookExW(WH_CALLWNDPROC, &CMenuWndHook::CallWndProc, nullptr, ::GetCurrentThreadId());
    if (hooks->hook == nullptr) {
        return false;
    }
    hooks_ = hooks.release();
    return true;
}

void CMenuWndHook::Uninstall() {
    if (hooks_ == nullptr) {
        return;
    }
    ::UnhookWindowsHookEx(hooks_->hook);
    for (const std::uintptr_t key : hooks_->table.Handles()) {
        Unsubclass(reinterpret_cast<HWND>(key));
    }
    delete hooks_;
    hooks_ = nullptr;
}

std::size_t CMenuWndHook::FramedCount() {
    return hooks_ != nullptr ? hooks_->table.Size() : 0;
}

bool CMenuWndHook::IsFramed(HWND window) {
    return hooks_ != nullptr && hooks_->table.Find(KeyOf(window)) != nullptr;
}

bool CMenuWndHook::IsPopupMenuWindow(HWND window) {
    wchar_t name[16] = {};
    const int length = ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    return length == 6 && std::wcscmp(name, kPopupMenuClass) == 0;
}

LRESULT CALLBACK CMenuWndHook::CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && hooks_ != nullptr) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call != nullptr && (call->message == WM_CREATE || call->message == kSizeWindowMessage) &&
            IsPopupMenuWindow(call->hwnd) && ::GetPropW(call->hwnd, kOldProcProperty) == nullptr) {
            Subclass(call->hwnd);
        }
    }
    return ::CallNextHookEx(hooks_ != nullptr ? hooks_->hook : nullptr, code, wParam, lParam);
}

void CMenuWndHook::Subclass(HWND window) {
    hooks_->table.FindOrAdd(KeyOf(window), [window] { return std::make_unique<CMenuWndHook>(window); });
    const LONG_PTR previous = ::GetWindowLongPtrW(window, GWLP_WNDPROC);
    ::SetPropW(window, kOldProcProperty, reinterpret_cast<HANDLE>(previous));
    ::SetLastError(0);
    const LONG_PTR replaced =
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CMenuWndHook::SubclassProc));
    if (replaced == 0 && ::GetLastError() != 0) {
        // The window keeps the system's frame; nothing of ours stays behind.
        ::RemovePropW(window, kOldProcProperty);
        hooks_->table.Erase(KeyOf(window));
    }
}

void CMenuWndHook::Unsubclass(HWND window) {
    if (const HANDLE previous = ::GetPropW(window, kOldProcProperty); previous != nullptr) {
        ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        ::RemovePropW(window, kOldProcProperty);
    }
    if (hooks_ != nullptr) {
        hooks_->table.Erase(KeyOf(window));
    }
}

void CMenuWndHook::DrawFrame(HWND window, HDC dc) {
    if (dc == nullptr) {
        return;
    }
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ::OffsetRect(&rect, -rect.left, -rect.top);
    Outline(dc, rect, kOuterFrame);
    ::InflateRect(&rect, -1, -1);
    Outline(dc, rect, kInnerFrame);
    ::InflateRect(&rect, -1, -1);
    Outline(dc, rect, kInnerFrame);
}

LRESULT CALLBACK CMenuWndHook::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto previous = reinterpret_cast<WNDPROC>(::GetPropW(window, kOldProcProperty));
    if (previous == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam == 0) {
            Unsubclass(window);
        }
        return ::CallWindowProcW(previous, window, message, wParam, lParam);
    case WM_NCDESTROY:
        Unsubclass(window);
        return ::CallWindowProcW(previous, window, message, wParam, lParam);
    case WM_NCPAINT: {
        if (const HDC dc = ::GetWindowDC(window); dc != nullptr) {
            DrawFrame(window, dc);
            ::ReleaseDC(window, dc);
        }
        return 0;
    }
    case WM_PAINT: {
        // Where the system draws the popup's border inside its client area, the frame goes on top.
        const LRESULT result = ::CallWindowProcW(previous, window, message, wParam, lParam);
        if (const HDC dc = ::GetWindowDC(window); dc != nullptr) {
            DrawFrame(window, dc);
            ::ReleaseDC(window, dc);
        }
        return result;
    }
    case WM_PRINT: {
        const LRESULT result = ::CallWindowProcW(previous, window, message, wParam, lParam);
        DrawFrame(window, reinterpret_cast<HDC>(wParam));
        return result;
    }
    default:
        // Non-client size calculation included: the previous procedure's answer stands.
        return ::CallWindowProcW(previous, window, message, wParam, lParam);
    }
}

} // namespace corvalith
