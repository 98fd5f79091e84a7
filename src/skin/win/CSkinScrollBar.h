#pragma once

#include "framework/CScrollBar.h"
#include "skin/ScrollBarAutoRepeat.h"
#include "skin/ScrollBarGeometry.h"

namespace corvalith {

// A scroll bar drawn from a skin bitmap of 9 x 3 equal cells (columns: up, down, vertical thumb,
// vertical track, left, right, horizontal thumb, horizontal track, corner; rows: normal, hover,
// pressed). It answers the scroll-bar control messages itself and sends the usual scroll
// notifications to its parent: the code in the low word of wParam, the position in the high word and
// the bar's window as lParam. No end-scroll notification is sent and double clicks are ignored.
class CSkinScrollBar : public CScrollBar {
public:
    static constexpr UINT_PTR kRepeatTimer = 1;
    static constexpr int kThumbEnd = 6; // pixels at each end of the thumb copied from the cell's ends

    // style: SBS_VERT or SBS_HORZ plus the window styles.
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Uses bitmap (not owned) from now on; the bar's thickness becomes one cell width. sharp (not owned,
    // may be null) is the same skin at twice the pixels, drawn above 100 %.
    void SetBitmap(HBITMAP bitmap, HBITMAP sharp = nullptr);

    bool IsVertical() const { return vertical_; }
    int CellWidth() const { return cellWidth_; }
    int CellHeight() const { return cellHeight_; }
    const ScrollBarRange& Range() const { return range_; }
    int TrackPosition() const { return trackPosition_; }
    bool Dragging() const { return dragging_; }
    ScrollBarPart HoverPart() const { return hoverPart_; }
    ScrollBarPart PressedPart() const { return repeat_.PressedPart(); }
    ScrollBarGeometry Geometry() const;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    void OnLButtonDblClk(UINT flags, POINT point) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnMouseLeave() override;
    void OnTimer(UINT_PTR id) override;

private:
    // The row (0 normal, 1 hover, 2 pressed) each drawn part shows.
    struct Rows {
        int lineUp = 0;
        int lineDown = 0;
        int thumb = 0;
    };

    LRESULT SetInfo(const SCROLLINFO& info, bool redraw);
    void GetInfo(SCROLLINFO* info) const;
    int Along(POINT point) const { return vertical_ ? point.y : point.x; }
    void Notify(ScrollBarPart part, int position);
    void SetRow(ScrollBarPart part, int row);
    void Apply(const ScrollBarAutoRepeat::Step& step);
    // Draws the bar into a surface clipped to update and copies that part to dc.
    void Draw(HDC dc, const RECT& update);
    // The skin being drawn from: its context and how many of its pixels make one of the 1x skin's.
    struct Cells {
        HDC dc;
        int factor;
    };
    // Copies the 1x skin's rectangle x, y, width, height from cells onto the rectangle to.
    static void Copy(HDC dc, const RECT& to, const Cells& cells, int x, int y, int width, int height);
    void CopyCell(HDC dc, const Cells& cells, int column, int row, const RECT& target, bool wholeCell) const;
    void DrawThumb(HDC dc, const Cells& cells, int row, int start, int length) const;
    void FillTrack(HDC dc, const Cells& cells, int start, int end) const;
    void Redraw();

    HBITMAP bitmap_ = nullptr;
    HBITMAP sharp_ = nullptr;
    int cellWidth_ = 0;
    int cellHeight_ = 0;
    bool vertical_ = true;
    int length_ = 0;
    ScrollBarRange range_;
    int trackPosition_ = -1;
    bool dragging_ = false;
    int dragStartAlong_ = 0;
    int dragStartPosition_ = 0;
    int lastAlong_ = 0;
    ScrollBarAutoRepeat repeat_;
    ScrollBarPart hoverPart_ = ScrollBarPart::None;
    bool trackingLeave_ = false;
    Rows rows_;
};

} // namespace corvalith
