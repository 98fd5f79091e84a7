#pragma once

#include "framework/CWnd.h"
#include "skin/win/CScrollClipWnd.h"
#include "skin/win/CSkinScrollBar.h"

namespace corvalith {

// A frame put around an existing scrollable window: it takes the window's place, hides the window's
// own scroll bars by clipping them away inside a child window ("LIMIT"), shows skinned bars in their
// place and keeps both in step. The framed window handles its scroll messages as usual and does not
// know it is framed. The frame belongs to the framed window: it is destroyed and deleted with it.
class CSkinScrollWnd : public CWnd {
public:
    static constexpr UINT kRelayoutMessage = 0x464; // wParam 1: vertical bar shown; lParam 1: on the left
    static constexpr UINT kHorizontalBarId = 100;
    static constexpr UINT kVerticalBarId = 101;
    static constexpr UINT kClipId = 200;
    static constexpr UINT_PTR kSyncTimer = 1;
    static constexpr UINT kSyncPeriodMs = 500;

    enum class Corner { None = 0, LowerLeft = 1, LowerRight = 2 };

    // Builds a frame around window with the skin bitmap and, where given, the same skin at twice the
    // pixels for scales above 100 % (neither owned; they must outlive the frame). Returns the frame, or
    // null when the window cannot be framed.
    static CSkinScrollWnd* AttachFrame(HWND window, HBITMAP bitmap, HBITMAP sharp = nullptr);

    // The frame around a window, or null.
    static CSkinScrollWnd* FrameOf(HWND window);

    // Brings the shown skinned bars to the framed window's range and position at once, as the frame's
    // timer otherwise does.
    void SyncBars();

    CSkinScrollBar& VerticalBar() { return vertical_; }
    CSkinScrollBar& HorizontalBar() { return horizontal_; }
    HWND ClipWindow() const { return clip_.Hwnd(); }
    HWND FramedWindow() const { return framed_; }
    Corner CornerMode() const { return corner_; }
    int CellWidth() const { return cellWidth_; }
    // The resynchronisation timer runs only while the framed window can be seen.
    bool SyncTimerRunning() const { return syncTimerRunning_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnTimer(UINT_PTR id) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnVScroll(UINT code, UINT position, HWND bar) override;
    void OnHScroll(UINT code, UINT position, HWND bar) override;
    void OnDestroy() override;
    void PostNcDestroy() override;

private:
    CSkinScrollWnd() = default;

    static LRESULT CALLBACK FramedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Build(HWND window, HBITMAP bitmap, HBITMAP sharp);
    void Relayout(bool verticalShown, bool leftHand);
    void AdjustClientArea(RECT& client);
    void Forward(UINT message, UINT code, UINT position, CSkinScrollBar& bar);
    // Copies the framed window's scroll information into the bar when it differs; true if it did.
    bool Sync(CSkinScrollBar& bar, int which, bool setEnabled);
    void DetachFromWindow(bool giveBack);
    void StartSyncTimer();

    CSkinScrollBar horizontal_;
    CSkinScrollBar vertical_;
    CScrollClipWnd clip_;
    HBITMAP bitmap_ = nullptr;
    HBITMAP sharp_ = nullptr;
    int cellWidth_ = 0;
    HWND framed_ = nullptr;
    HWND framedParent_ = nullptr;
    LONG_PTR framedUserData_ = 0;
    WNDPROC previousProc_ = nullptr;
    Corner corner_ = Corner::None;
    bool forwarding_ = false;
    bool destroying_ = false;
    bool syncTimerRunning_ = false;
};

} // namespace corvalith
