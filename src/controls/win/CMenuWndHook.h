#pragma once

#include "controls/MenuWindowTable.h"

#include <windows.h>

#include <cstddef>
#include <memory>

namespace corvalith {

// Frames the system's popup-menu windows in the dark red skin. A thread hook (WH_CALLWNDPROC) sees
// every popup-menu window ("#32768") of the user-interface thread when it is created or sized and
// replaces its window procedure; the replacement draws a three-pixel frame (an outline in
// RGB(143, 32, 32), then two in RGB(111, 41, 41)) instead of the system's, and gives the window its
// procedure back when the window is hidden or destroyed. The previous procedure is kept in the
// window property "CoolMenu_oldProc".
//
// One object per framed window; the objects live in one table owned by the installed hook, which the
// hook and subclass procedures reach through the one pointer set by Install.
class CMenuWndHook {
public:
    static constexpr wchar_t kOldProcProperty[] = L"CoolMenu_oldProc";
    static constexpr wchar_t kPopupMenuClass[] = L"#32768";
    // Sent to popup-menu windows when they are sized.
    static constexpr UINT kSizeWindowMessage = 0x01E2;
    static constexpr COLORREF kOuterFrame = RGB(143, 32, 32);
    static constexpr COLORREF kInnerFrame = RGB(111, 41, 41);

    explicit CMenuWndHook(HWND window) : window_(window) {}
    CMenuWndHook(const CMenuWndHook&) = delete;
    CMenuWndHook& operator=(const CMenuWndHook&) = delete;

    HWND Window() const { return window_; }

    // Installs the hook for the calling (user-interface) thread, once per process; true when it is
    // installed (also when it already was).
    static bool Install();
    // Removes the hook and gives every window still framed its own procedure back.
    static void Uninstall();
    static bool IsInstalled() { return hooks_ != nullptr; }

    // The number of windows framed now, and whether a window is among them.
    static std::size_t FramedCount();
    static bool IsFramed(HWND window);

    // Draws the frame over the outer three pixels of the window's rectangle on dc, whose origin is the
    // window's top-left corner.
    static void DrawFrame(HWND window, HDC dc);

private:
    struct Hooks {
        HHOOK hook = nullptr;
        MenuWindowTable<std::unique_ptr<CMenuWndHook>> table;
    };

    static LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static bool IsPopupMenuWindow(HWND window);
    static void Subclass(HWND window);
    static void Unsubclass(HWND window);

    static Hooks* hooks_;

    HWND window_;
};

} // namespace corvalith
