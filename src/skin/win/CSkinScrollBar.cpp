#include "skin/win/CSkinScrollBar.h"

#include "framework/CMemoryDC.h"
#include "framework/CSourceDC.h"
#include "framework/CWholePaintDC.h"
#include "framework/WorldScale.h"

#include <algorithm>

namespace corvalith {

namespace {

// Columns of the skin bitmap.
constexpr int kColumnUp = 0;
constexpr int kColumnDown = 1;
constexpr int kColumnVerticalThumb = 2;
constexpr int kColumnVerticalTrack = 3;
constexpr int kColumnLeft = 4;
constexpr int kColumnRight = 5;
constexpr int kColumnHorizontalThumb = 6;
constexpr int kColumnHorizontalTrack = 7;

constexpr int kRowNormal = 0;
constexpr int kRowHover = 1;
constexpr int kRowPressed = 2;

} // namespace

bool CSkinScrollBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    vertical_ = (style & SBS_VERT) != 0;
    length_ = vertical_ ? rect.bottom - rect.top : rect.right - rect.left;
    // The bar draws and answers everything itself, so it is a window of the framework's own class.
    return CreateEx(0, nullptr, L"", style & ~static_cast<DWORD>(SBS_VERT), rect, parent, id);
}

void CSkinScrollBar::SetBitmap(HBITMAP bitmap, HBITMAP sharp) {
    bitmap_ = bitmap;
    sharp_ = sharp;
    BITMAP info{};
    if (bitmap != nullptr && ::GetObjectW(bitmap, sizeof info, &info) == sizeof info) {
        cellWidth_ = info.bmWidth / 9;
        cellHeight_ = info.bmHeight / 3;
    } else {
        cellWidth_ = cellHeight_ = 0;
    }
    if (hwnd_ != nullptr) {
        const RECT rect = GetRectInParent();
        const int width = vertical_ ? cellWidth_ : rect.right - rect.left;
        const int height = vertical_ ? rect.bottom - rect.top : cellWidth_;
        SetWindowPos(nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Redraw();
    }
}

ScrollBarGeometry CSkinScrollBar::Geometry() const {
    return ScrollBarGeometry(length_, cellWidth_, range_, dragging_ ? trackPosition_ : range_.position);
}

LRESULT CSkinScrollBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case SBM_SETSCROLLINFO:
        if (lParam == 0) {
            return range_.position;
        }
        return SetInfo(*reinterpret_cast<const SCROLLINFO*>(lParam), wParam != FALSE);
    case SBM_GETSCROLLINFO:
        if (lParam == 0) {
            return FALSE;
        }
        GetInfo(reinterpret_cast<SCROLLINFO*>(lParam));
        return TRUE;
    case SBM_SETPOS: {
        SCROLLINFO info{};
        info.fMask = SIF_POS;
        info.nPos = static_cast<int>(wParam);
        const int previous = range_.position;
        SetInfo(info, lParam != FALSE);
        return previous;
    }
    case SBM_GETPOS:
        return range_.position;
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
        SCROLLINFO info{};
        info.fMask = SIF_RANGE;
        info.nMin = static_cast<int>(wParam);
        info.nMax = static_cast<int>(lParam);
        SetInfo(info, message == SBM_SETRANGEREDRAW);
        return range_.position;
    }
    case SBM_GETRANGE:
        if (wParam != 0) {
            *reinterpret_cast<int*>(wParam) = range_.minimum;
        }
        if (lParam != 0) {
            *reinterpret_cast<int*>(lParam) = range_.maximum;
        }
        return 0;
    case WM_ENABLE:
        Redraw();
        return 0;
    default:
        return CScrollBar::WindowProc(message, wParam, lParam);
    }
}

LRESULT CSkinScrollBar::SetInfo(const SCROLLINFO& info, bool redraw) {
    if ((info.fMask & SIF_RANGE) != 0) {
        range_.minimum = info.nMin;
        range_.maximum = info.nMax;
    }
    if ((info.fMask & SIF_PAGE) != 0) {
        range_.page = static_cast<int>(std::min<UINT>(info.nPage, 0x7FFFFFFF));
    }
    if ((info.fMask & SIF_POS) != 0) {
        range_.position = info.nPos;
    }
    if (redraw) {
        Redraw();
    }
    return range_.position;
}

void CSkinScrollBar::GetInfo(SCROLLINFO* info) const {
    if ((info->fMask & SIF_RANGE) != 0) {
        info->nMin = range_.minimum;
        info->nMax = range_.maximum;
    }
    if ((info->fMask & SIF_PAGE) != 0) {
        info->nPage = static_cast<UINT>(std::max(range_.page, 0));
    }
    if ((info->fMask & SIF_POS) != 0) {
        info->nPos = range_.position;
    }
    if ((info->fMask & SIF_TRACKPOS) != 0) {
        info->nTrackPos = dragging_ ? trackPosition_ : range_.position;
    }
}

void CSkinScrollBar::Notify(ScrollBarPart part, int position) {
    const HWND parent = GetParentHwnd();
    if (parent == nullptr) {
        return;
    }
    ::SendMessageW(parent, vertical_ ? WM_VSCROLL : WM_HSCROLL,
                   MAKEWPARAM(static_cast<WORD>(part), static_cast<WORD>(position)),
                   reinterpret_cast<LPARAM>(hwnd_));
}

void CSkinScrollBar::SetRow(ScrollBarPart part, int row) {
    int* slot = nullptr;
    switch (part) {
    case ScrollBarPart::LineUp:
        slot = &rows_.lineUp;
        break;
    case ScrollBarPart::LineDown:
        slot = &rows_.lineDown;
        break;
    case ScrollBarPart::Thumb:
        slot = &rows_.thumb;
        break;
    default:
        return; // the track has no hover or pressed look
    }
    if (*slot != row) {
        *slot = row;
        Redraw();
    }
}

void CSkinScrollBar::Apply(const ScrollBarAutoRepeat::Step& step) {
    switch (step.timer) {
    case ScrollBarAutoRepeat::TimerChange::Start:
        SetTimer(kRepeatTimer, ScrollBarAutoRepeat::kFirstDelayMs);
        break;
    case ScrollBarAutoRepeat::TimerChange::SwitchToRepeat:
        SetTimer(kRepeatTimer, ScrollBarAutoRepeat::kRepeatDelayMs);
        break;
    case ScrollBarAutoRepeat::TimerChange::Stop:
        KillTimer(kRepeatTimer);
        break;
    case ScrollBarAutoRepeat::TimerChange::None:
        break;
    }
    if (step.notify) {
        Notify(repeat_.PressedPart(), range_.position);
    }
}

void CSkinScrollBar::OnLButtonDown(UINT, POINT point) {
    SetCapture();
    const int along = Along(point);
    lastAlong_ = along;
    const ScrollBarPart part = Geometry().HitTest(along);
    if (part == ScrollBarPart::Thumb) {
        dragging_ = true;
        dragStartAlong_ = along;
        dragStartPosition_ = range_.position;
        trackPosition_ = range_.position;
        return;
    }
    if (part == ScrollBarPart::None) {
        return;
    }
    const ScrollBarAutoRepeat::Step step = repeat_.Press(part);
    SetRow(part, kRowPressed);
    Apply(step);
}

void CSkinScrollBar::OnMouseMove(UINT, POINT point) {
    const int along = Along(point);
    const int across = vertical_ ? point.x : point.y;
    lastAlong_ = along;
    if (dragging_) {
        const int position = Geometry().DragPosition(dragStartPosition_, along - dragStartAlong_);
        if (position != trackPosition_) {
            trackPosition_ = position;
            rows_.thumb = kRowPressed;
            Redraw();
            Notify(ScrollBarPart::Thumb, position);
        }
        return;
    }
    const ScrollBarPart pressed = repeat_.PressedPart();
    if (pressed != ScrollBarPart::None) {
        const bool inside =
            Geometry().PartSpan(pressed).Contains(along) && across >= 0 && across < cellWidth_;
        if (repeat_.Move(inside)) {
            SetRow(pressed, inside ? kRowPressed : kRowNormal);
        }
        return;
    }
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof track;
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = hwnd_;
        trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
    }
    const ScrollBarPart part =
        (across >= 0 && across < cellWidth_) ? Geometry().HitTest(along) : ScrollBarPart::None;
    if (part != hoverPart_) {
        SetRow(hoverPart_, kRowNormal);
        SetRow(part, kRowHover);
        hoverPart_ = part;
    }
}

void CSkinScrollBar::OnMouseLeave() {
    trackingLeave_ = false;
    SetRow(hoverPart_, kRowNormal);
    hoverPart_ = ScrollBarPart::None;
}

void CSkinScrollBar::OnLButtonUp(UINT, POINT point) {
    if (HasCapture()) {
        ::ReleaseCapture();
    }
    if (dragging_) {
        Notify(static_cast<ScrollBarPart>(SB_THUMBPOSITION), trackPosition_);
        dragging_ = false;
        trackPosition_ = -1;
        rows_.thumb = Geometry().HitTest(Along(point)) == ScrollBarPart::Thumb ? kRowHover : kRowNormal;
        Redraw();
        return;
    }
    const ScrollBarPart pressed = repeat_.PressedPart();
    if (pressed != ScrollBarPart::None) {
        Apply(repeat_.Release());
        SetRow(pressed, kRowNormal);
    }
}

void CSkinScrollBar::OnLButtonDblClk(UINT, POINT) {
    // Ignored: a double click is not two presses here.
}

void CSkinScrollBar::OnTimer(UINT_PTR id) {
    if (id != kRepeatTimer) {
        CScrollBar::OnTimer(id);
        return;
    }
    Apply(repeat_.Tick(Geometry(), lastAlong_, range_));
}

void CSkinScrollBar::OnSize(UINT, int cx, int cy) {
    length_ = vertical_ ? cy : cx;
    Invalidate(false);
}

BOOL CSkinScrollBar::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CSkinScrollBar::OnPaint() {
    const CWholePaintDC dc(*this);
    if (dc.Dc() != nullptr) {
        Draw(dc, dc.Client());
    }
}

void CSkinScrollBar::Redraw() {
    if (hwnd_ != nullptr) {
        ::InvalidateRect(hwnd_, nullptr, FALSE);
        ::UpdateWindow(hwnd_);
    }
}

void CSkinScrollBar::Copy(HDC dc, const RECT& to, const Cells& cells, int x, int y, int width, int height) {
    const int f = cells.factor;
    const int toWidth = to.right - to.left;
    const int toHeight = to.bottom - to.top;
    if (f == 1 && toWidth == width && toHeight == height) {
        ::BitBlt(dc, to.left, to.top, width, height, cells.dc, x, y, SRCCOPY);
    } else {
        ::StretchBlt(dc, to.left, to.top, toWidth, toHeight, cells.dc, x * f, y * f, width * f, height * f,
                     SRCCOPY);
    }
}

void CSkinScrollBar::CopyCell(HDC dc, const Cells& cells, int column, int row, const RECT& target,
                              bool wholeCell) const {
    // The normal look of an arrow is the top-left square of its cell; hover and pressed use the cell.
    const int sourceHeight = wholeCell ? cellHeight_ : std::min(cellWidth_, cellHeight_);
    if (target.right <= target.left || target.bottom <= target.top) {
        return;
    }
    Copy(dc, target, cells, column * cellWidth_, row * cellHeight_, cellWidth_, sourceHeight);
}

void CSkinScrollBar::DrawThumb(HDC dc, const Cells& cells, int row, int start, int length) const {
    const int column = vertical_ ? kColumnVerticalThumb : kColumnHorizontalThumb;
    const int cellAlong = vertical_ ? cellHeight_ : cellWidth_;
    const int cellAcross = vertical_ ? cellWidth_ : cellHeight_;
    const int originX = column * cellWidth_;
    const int originY = row * cellHeight_;
    const int end = std::min(kThumbEnd, length / 2);
    const int middle = cellAlong - 2 * kThumbEnd;
    // Copies a piece of the cell (from along, of count pixels) to the bar at position at.
    auto piece = [&](int from, int count, int at) {
        if (count <= 0) {
            return;
        }
        if (vertical_) {
            Copy(dc, RECT{0, at, cellWidth_, at + count}, cells, originX, originY + from, cellAcross, count);
        } else {
            Copy(dc, RECT{at, 0, at + count, cellWidth_}, cells, originX + from, originY, count, cellAcross);
        }
    };
    piece(0, end, start);
    piece(cellAlong - end, end, start + length - end);
    if (middle > 0) {
        for (int at = start + end; at < start + length - end; at += middle) {
            piece(kThumbEnd, std::min(middle, start + length - end - at), at);
        }
    }
}

void CSkinScrollBar::FillTrack(HDC dc, const Cells& cells, int start, int end) const {
    const int column = vertical_ ? kColumnVerticalTrack : kColumnHorizontalTrack;
    const int cellAlong = vertical_ ? cellHeight_ : cellWidth_;
    const int cellAcross = vertical_ ? cellWidth_ : cellHeight_;
    const int originX = column * cellWidth_;
    const int originY = kRowNormal * cellHeight_;
    for (int at = start; at < end && cellAlong > 0; at += cellAlong) {
        const int count = std::min(cellAlong, end - at);
        if (vertical_) {
            Copy(dc, RECT{0, at, cellWidth_, at + count}, cells, originX, originY, cellAcross, count);
        } else {
            Copy(dc, RECT{at, 0, at + count, cellWidth_}, cells, originX, originY, count, cellAcross);
        }
    }
}

void CSkinScrollBar::Draw(HDC target, const RECT& update) {
    const RECT client = GetClientRect();
    CMemoryDC canvas(target, client.right, client.bottom);
    canvas.ClipTo(update);
    if (bitmap_ == nullptr || cellWidth_ <= 0 || cellHeight_ <= 0) {
        ::FillRect(canvas, &client, static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH)));
        canvas.CopyTo(target);
        return;
    }
    // Above 100 % the skin of twice the pixels, averaged by the scaled surface where it is shrunk (pixel
    // for pixel at 200 %).
    const bool sharp = sharp_ != nullptr && !WorldScale::Of(canvas).IsIdentity();
    const CSourceDC source(sharp ? sharp_ : bitmap_);
    const Cells cells{source, sharp ? 2 : 1};
    if (!sharp) {
        ::SetStretchBltMode(canvas, COLORONCOLOR);
    }

    const ScrollBarGeometry bar = Geometry();
    const int arrow = bar.ArrowLength();
    const int thickness = cellWidth_;
    auto span = [&](int begin, int end) {
        return vertical_ ? RECT{0, begin, thickness, end} : RECT{begin, 0, end, thickness};
    };

    FillTrack(canvas, cells, arrow, length_ - arrow);
    if (bar.ThumbLength() > 0) {
        DrawThumb(canvas, cells, rows_.thumb, bar.ThumbStart(), bar.ThumbLength());
    }
    CopyCell(canvas, cells, vertical_ ? kColumnUp : kColumnLeft, rows_.lineUp, span(0, arrow),
             rows_.lineUp != kRowNormal);
    CopyCell(canvas, cells, vertical_ ? kColumnDown : kColumnRight, rows_.lineDown,
             span(length_ - arrow, length_), rows_.lineDown != kRowNormal);

    canvas.CopyTo(target);
}

} // namespace corvalith
