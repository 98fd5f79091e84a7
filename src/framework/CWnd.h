#pragma once

#include "platform/DisplayScale.h"

#include <windows.h>

#include <string>
#include <vector>

namespace corvalith {

// A window of the program: a thin object over one HWND whose window procedure dispatches to typed
// OnXxx handlers. Windows of the framework's own class are attached while they are created; windows of
// the system classes (buttons, edits, list boxes, scroll bars, dialogs) are subclassed. A handler that
// does not want the message's default handling simply does not call Default().
//
// A window lays itself out and draws in logical pixels, those of 100 %: its scale (Scale) turns them into
// the monitor's pixels. The typed handlers get logical points and sizes, and the wrappers below take and
// give logical coordinates inside the window and its parent; only positions on the screen (a top-level
// window's place, GetWindowRect, the wheel and context-menu points) are the screen's own pixels. A window
// takes its parent's or owner's scale when it is created.
//
// Notifications a control sends to its parent (owner drawing, control colours, commands, scroll
// messages) are offered to the control's own object first (OnChildNotify), so a control class can
// draw and colour itself; the parent's handlers see them only when the control leaves them.
class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND Hwnd() const { return hwnd_; }
    operator HWND() const { return hwnd_; }

    // The framework object attached to a window, or null.
    static CWnd* FromHandle(HWND hwnd);

    // Creates the window. className null: the framework's own window class (double clicks, arrow cursor,
    // no background brush). A system class is created and then subclassed.
    bool CreateEx(DWORD exStyle, const wchar_t* className, const std::wstring& title, DWORD style,
                  const RECT& rect, HWND parent, UINT id);
    bool CreateEx(DWORD exStyle, const wchar_t* className, const std::wstring& title, DWORD style,
                  const RECT& rect, CWnd* parent, UINT id) {
        return CreateEx(exStyle, className, title, style, rect, parent != nullptr ? parent->hwnd_ : nullptr,
                        id);
    }

    // Attaches this object to an existing window by replacing its window procedure.
    bool SubclassWindow(HWND hwnd);
    // Gives the window its previous procedure back and detaches this object.
    HWND UnsubclassWindow();

    bool DestroyWindow();

    // Offers a message to the framework windows from its target up to the target's top-level window,
    // innermost first; true when one of them consumed it. Every message loop of the program calls it.
    static bool PreTranslateTree(MSG* msg);

    // Runs a message loop until EndModalLoop; returns the value passed to it. A WM_QUIT ends the loop
    // and is posted again for the loop outside.
    int RunModalLoop();
    void EndModalLoop(int result);
    bool InModalLoop() const { return modalContinue_; }

    // The scale the window is shown at; 100 % until set or taken from the parent or owner.
    const DisplayScale& Scale() const { return scale_; }
    // Sets the scale of this window and of the windows inside it, each moved to its logical place at the
    // new scale. The window's own size is its owner's to set (a top-level window's place is on the screen).
    void SetScale(const DisplayScale& scale);

    // Thin wrappers of the window calls. A child's rectangle is logical, in its parent's client; a
    // top-level window's position is in screen pixels and its size logical.
    bool ShowWindow(int command) { return ::ShowWindow(hwnd_, command) != FALSE; }
    bool MoveWindow(int x, int y, int width, int height, bool repaint = true);
    bool MoveWindow(const RECT& rect, bool repaint = true);
    bool SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    // The client in logical pixels, from 0, 0.
    RECT GetClientRect() const;
    // The window's rectangle on the screen, in screen pixels.
    RECT GetWindowRect() const;
    // Whether the window has a non-client part (a border, caption or scroll bar) around its client.
    bool HasFrame() const;
    // The window's rectangle in its parent's logical client coordinates (screen pixels for a top-level one).
    RECT GetRectInParent() const;
    void Invalidate(bool erase = true) { ::InvalidateRect(hwnd_, nullptr, erase); }
    void InvalidateRect(const RECT& rect, bool erase = true);
    void UpdateWindow() { ::UpdateWindow(hwnd_); }
    bool RedrawWindow(const RECT* rect = nullptr, UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    bool EnableWindow(bool enable) { return ::EnableWindow(hwnd_, enable) != FALSE; }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(hwnd_) != FALSE; }
    bool IsWindowVisible() const { return ::IsWindowVisible(hwnd_) != FALSE; }
    void SetWindowText(const std::wstring& text) { ::SetWindowTextW(hwnd_, text.c_str()); }
    std::wstring GetWindowText() const;
    HWND GetParentHwnd() const { return ::GetParent(hwnd_); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(hwnd_); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs) { return ::SetTimer(hwnd_, id, elapseMs, nullptr); }
    bool KillTimer(UINT_PTR id) { return ::KillTimer(hwnd_, id) != FALSE; }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(hwnd_, message, wParam, lParam);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::PostMessageW(hwnd_, message, wParam, lParam) != FALSE;
    }
    // A logical client point to screen pixels and back.
    void ClientToScreen(POINT& point) const;
    void ScreenToClient(POINT& point) const;
    // Logical client coordinates to the window's own pixels, and the pixels to the logical rectangle
    // that covers them.
    RECT ToDevice(const RECT& logical) const;
    RECT ToLogical(const RECT& device) const;
    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_STYLE)); }
    DWORD GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)); }
    // Removes and adds style bits; with frame flags given, the frame is recalculated.
    bool ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
    bool ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags = 0);
    // The font the window draws its text with when the system draws it (an edit, a list, a static): at
    // 100 % the font itself, at another scale a copy in the monitor's pixels that this object owns and
    // makes again when the scale changes. font is the caller's, as at 100 %.
    void SetFont(HFONT font, bool redraw = true);
    // The same for a child window the system draws that has no object of its own.
    void SetChildFont(HWND child, HFONT font, bool redraw = false);
    void SetRedraw(bool redraw) { SendMessage(WM_SETREDRAW, redraw ? TRUE : FALSE); }
    HWND SetCapture() { return ::SetCapture(hwnd_); }
    bool HasCapture() const { return hwnd_ != nullptr && ::GetCapture() == hwnd_; }

    // Called for every message on its way to this window or one of its children before it is
    // dispatched; true consumes it.
    virtual BOOL PreTranslateMessage(MSG* msg);

protected:
    // The message dispatcher. Override to handle messages that have no typed handler, and call the base
    // for everything else.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling: the subclassed window's previous procedure, else DefWindowProcW.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default handling of the message being dispatched now.
    LRESULT Default();

    // A notification this window sent to its parent, offered back to it; true when handled, with the
    // parent's answer in result.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // After the last message (WM_NCDESTROY); the object is detached. Self-owned windows delete
    // themselves here.
    virtual void PostNcDestroy() {}

    virtual int OnCreate(CREATESTRUCTW* create);
    virtual void OnDestroy();
    virtual void OnPaint();
    virtual BOOL OnEraseBkgnd(HDC dc);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnLButtonDown(UINT flags, POINT point);
    virtual void OnLButtonUp(UINT flags, POINT point);
    virtual void OnLButtonDblClk(UINT flags, POINT point);
    virtual void OnRButtonDown(UINT flags, POINT point);
    virtual void OnRButtonUp(UINT flags, POINT point);
    virtual void OnMouseMove(UINT flags, POINT point);
    virtual void OnMouseLeave();
    virtual void OnMouseHover(UINT flags, POINT point);
    // point in screen coordinates; the result is the message's answer (the default handling passes the
    // wheel on to the parent).
    virtual BOOL OnMouseWheel(UINT flags, short delta, POINT point);
    virtual void OnCaptureChanged(HWND newCapture);
    virtual void OnSetFocus(HWND oldFocus);
    virtual void OnKillFocus(HWND newFocus);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT key, UINT repeat, UINT flags);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnHScroll(UINT code, UINT position, HWND bar);
    virtual void OnVScroll(UINT code, UINT position, HWND bar);
    // Return TRUE when the command was handled; FALSE passes it to the default handling.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnDrawItem(int id, DRAWITEMSTRUCT* item);
    virtual void OnMeasureItem(int id, MEASUREITEMSTRUCT* item);
    // Return a brush to colour the control, or null for the default colours. controlType is the message
    // (WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT ...), not a CTLCOLOR_ index.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT controlType);
    virtual BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);
    virtual void OnContextMenu(HWND window, POINT point);
    virtual void OnShowWindow(BOOL show, UINT status);
    // WM_DPICHANGED, which only a top-level window gets: moved to a monitor of another scale (or the scale
    // changed). The window and its children are laid out and drawn again at the new scale, in the
    // rectangle Windows suggests (screen pixels), which keeps it under the pointer on the new monitor.
    virtual void OnDpiChanged(int dpi, const RECT& suggested);

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK StandardWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static bool RegisterFrameworkClass();
    void Attach(HWND hwnd, WNDPROC previous);
    void Detach();
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    struct Message {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        bool valid = false;
    };

    // A point of a mouse message in logical client coordinates.
    POINT LogicalPoint(LPARAM lParam) const;
    // A logical window rectangle in the pixels the system takes: a child's in its parent's client, every
    // edge scaled; a top-level window's on the screen, where only its size scales.
    RECT DevicePlace(const RECT& logical, bool child) const;
    bool IsChild() const;

    // A font given to this window or a child, and the copy at the window's scale that was sent.
    struct GivenFont {
        HWND Window = nullptr;
        HFONT Given = nullptr;
        HFONT Scaled = nullptr;
    };
    void SendFont(GivenFont& font, bool redraw);
    void ReleaseFonts();

    WNDPROC previous_ = nullptr;
    DisplayScale scale_;
    std::vector<GivenFont> fonts_;
    Message current_;
    int dispatchDepth_ = 0;
    bool destroyPending_ = false;
    bool modalContinue_ = false;
    int modalResult_ = 0;

    friend class CDialog;
};

} // namespace corvalith
