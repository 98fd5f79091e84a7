#include "PanelPreview.h"

#include "ButtonSetup.h"
#include "framework/CMemoryDC.h"
#include "skin/SkinFileNames.h"
#include "skin/win/CSkinScrollWnd.h"

#include <algorithm>

namespace corvalith::gallery {

PanelPreview::PanelPreview(const SkinImages& images)
    : images_(images), dpi_(images, PagePreviews::Page::Dpi), lighting_(images, PagePreviews::Page::Lighting),
      polling_(images, PagePreviews::Page::Polling) {}

PanelPreview::~PanelPreview() {
    if (scrollSkin_ != nullptr) {
        ::DeleteObject(scrollSkin_);
    }
}

bool PanelPreview::Create(CWnd* parent, const RECT& rect) {
    if (!CreateEx(0, nullptr, L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN, rect, parent, 130)) {
        return false;
    }
    const wchar_t* captions[6] = {L"DPI Setting", L"Lighting",           L"Polling Rate",
                                  L"Mouse Speed", L"Double-Click Speed", L"Scroll Speed"};
    // Sections 1, 2 and 4 open: the headers cascade 5 pixels below each open page.
    int top = 2;
    for (int i = 0; i < 6; ++i) {
        headers_[i].Create(RECT{0, top, 242, top + 20}, this);
        ButtonSetup::Images(headers_[i], images_, 242, 20, SkinFileNames::InSkins(SkinFileNames::kItemBk),
                            SkinFileNames::InSkins(SkinFileNames::kItemBk),
                            SkinFileNames::InSkins(SkinFileNames::kItemBk),
                            SkinFileNames::InSkins(SkinFileNames::kItemBk));
        ButtonSetup::Caption(headers_[i], captions[i], 13, 1);
        top += 20;
        if (i == 0) {
            dpi_.Create(this, 0, top);
            top += dpi_.GetClientRect().bottom;
        } else if (i == 1) {
            lighting_.Create(this, 0, top);
            top += lighting_.GetClientRect().bottom;
        } else if (i == 2) {
            polling_.Create(this, 0, top);
            top += polling_.GetClientRect().bottom;
        }
        top += 5;
    }
    // Content: the six headers and three pages, each open page with 10 pixels to spare.
    const int pages = static_cast<int>(dpi_.GetClientRect().bottom + lighting_.GetClientRect().bottom +
                                       polling_.GetClientRect().bottom);
    range_ = std::max(120 + pages + 30, 563);
    page_ = static_cast<int>(rect.bottom - rect.top);
    SCROLLINFO info{sizeof info,
                    SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL,
                    0,
                    range_ - 1,
                    static_cast<UINT>(page_),
                    0,
                    0};
    ::SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);

    scrollSkin_ = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(129));
    CSkinScrollWnd::AttachFrame(hwnd_, scrollSkin_);
    return true;
}

BOOL PanelPreview::OnEraseBkgnd(HDC) {
    return TRUE;
}

void PanelPreview::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    const RECT client = GetClientRect();
    CMemoryDC canvas(dc, client.right, client.bottom);
    images_.DrawImageFile(canvas, SkinFileNames::InSkins(SkinFileNames::kMainRight), 0, 0);
    canvas.CopyTo(dc);
    ::EndPaint(hwnd_, &paint);
}

void PanelPreview::OnVScroll(UINT code, UINT position, HWND) {
    int change = 0;
    switch (code) {
    case SB_LINEUP:
        change = -60;
        break;
    case SB_LINEDOWN:
        change = 60;
        break;
    case SB_PAGEUP:
        change = -page_;
        break;
    case SB_PAGEDOWN:
        change = page_;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        change = static_cast<int>(position) - position_;
        break;
    default:
        return;
    }
    const int target = std::clamp(position_ + change, 0, range_ - page_);
    if (target == position_) {
        return;
    }
    const int delta = target - position_;
    position_ = target;
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, position_, 0};
    ::SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
    ::ScrollWindowEx(hwnd_, 0, -delta, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE);
    UpdateWindow();
}

} // namespace corvalith::gallery
