#include "pages/win/CDlgadvance.h"

#include "framework/CMemoryDC.h"
#include "framework/CPaintDC.h"
#include "framework/UiFont.h"
#include "framework/Win32Rect.h"
#include "lang/LanguageCode.h"
#include "platform/win/WideString.h"
#include "skin/win/CSkinScrollWnd.h"

#include <algorithm>

namespace corvalith {

namespace {

constexpr int kCaptionHeight = 13;
constexpr int kCaptionWeight = 500;

} // namespace

CDlgadvance::CDlgadvance(PageContext context)
    : CDialog(kTemplateId), context_(context), dpi_(context), lighting_(context), pad_(context),
      polling_(context), speed_(context), doubleClick_(context), wheel_(context), angle_(context) {
    // Visible from the start, inside the main window that is still hidden: the scroll frame put around the
    // panel takes its visibility from the panel, and nothing shows the frame later.
    Template().SetStyle(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN);
}

CDlgadvance::~CDlgadvance() {
    if (captionFont_ != nullptr) {
        DeleteObject(captionFont_);
    }
    for (const HBITMAP skin : {scrollSkin_, sharpScrollSkin_}) {
        if (skin != nullptr) {
            DeleteObject(skin);
        }
    }
}

bool CDlgadvance::CreatePanel(CWnd* parent) {
    if (!Create(parent)) {
        return false;
    }
    MoveWindow(kPlace);
    return true;
}

CSettingsPage& CDlgadvance::PageOf(int section) {
    switch (section) {
    case AdvancedPanelLayout::Dpi:
        return dpi_;
    case AdvancedPanelLayout::Lighting:
        return lighting_;
    case AdvancedPanelLayout::PadLighting:
        return pad_;
    case AdvancedPanelLayout::PollingRate:
        return polling_;
    case AdvancedPanelLayout::MouseSpeed:
        return speed_;
    case AdvancedPanelLayout::DoubleClick:
        return doubleClick_;
    case AdvancedPanelLayout::ScrollSpeed:
        return wheel_;
    default:
        return angle_;
    }
}

CDialog& CDlgadvance::Page(int section) {
    return PageOf(section);
}

BOOL CDlgadvance::OnInitDialog() {
    const std::wstring face = WideString::FromUtf8(LanguageCode::FontFace(context_.Language.Code()));
    captionFont_ = CreateUiFont({.Face = face.c_str(),
                                 .Height = kCaptionHeight,
                                 .Weight = kCaptionWeight,
                                 .PitchAndFamily = FF_SWISS});

    std::array<AdvancedPanelLayout::Size, AdvancedPanelLayout::kSections> sizes{};
    for (int section = 1; section <= AdvancedPanelLayout::kSections; ++section) {
        const SIZE size = context_.Skins.SizeOf(AdvancedPanelLayout::PageImage(section));
        sizes[static_cast<std::size_t>(section - 1)] = {static_cast<int>(size.cx), static_cast<int>(size.cy)};
    }
    layout_.emplace(sizes);

    const RECT headerSource{0, 0, AdvancedPanelLayout::kHeaderWidth, AdvancedPanelLayout::kHeaderHeight};
    headerButtons_.SetParent(Hwnd());
    for (int section = 1; section <= AdvancedPanelLayout::kSections; ++section) {
        CPaintedButton& header = Header(section);
        headerButtons_.Add(header, ToRect(layout_->Header(section)),
                           kFirstHeaderCommand + static_cast<UINT>(section - 1));
        ImageButtonFace& look = header.Face();
        look.SetCaption(
            WideString::FromUtf8(context_.Language.Text(AdvancedPanelLayout::HeaderCaption(section))));
        look.SetFontFace(face);
        look.SetFontHeight(kCaptionHeight);
        look.SetSkinImages(context_.Skins, headerSource, kHeaderImage, kHeaderImage, kHeaderImage,
                           kHeaderImage);
        header.Show(AdvancedPanelLayout::HeaderShown(section));
    }
    // The DPI page first, then the others top to bottom, each hidden under its header.
    for (int section = 1; section <= AdvancedPanelLayout::kSections; ++section) {
        CSettingsPage& page = PageOf(section);
        page.CreatePage(this);
        page.MoveWindow(ToRect(layout_->Page(section)), false);
    }
    return FALSE;
}

bool CDlgadvance::AttachScrollFrame() {
    if (scrollSkin_ == nullptr) {
        scrollSkin_ = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kScrollSkinBitmap));
        sharpScrollSkin_ =
            ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kSharpScrollSkinBitmap));
    }
    frame_ = CSkinScrollWnd::AttachFrame(Hwnd(), scrollSkin_, sharpScrollSkin_);
    return frame_ != nullptr;
}

void CDlgadvance::SetPadSection(bool on) {
    layout_->SetPadSection(on);
}

void CDlgadvance::LayOutHeaders() {
    SetRedraw(false);
    PlaceSections();
    SetRedraw(true);
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CDlgadvance::Place(CWnd& window, const Rect& rect) {
    // Every caller repaints the panel afterwards: the window's old pixels are not copied along.
    ::SetWindowPos(window.Hwnd(), nullptr, rect.Left, rect.Top, rect.Right - rect.Left,
                   rect.Bottom - rect.Top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
}

void CDlgadvance::PlaceHeaders() {
    const int offset = -scroll_.Position();
    for (int section = 1; section <= AdvancedPanelLayout::kSections; ++section) {
        if (layout_->TakesPart(section)) {
            const Rect rect = layout_->Header(section).Offset(0, offset);
            Header(section).Move(ToRect(rect));
        }
    }
}

void CDlgadvance::PlaceSections() {
    PlaceHeaders();
    const int offset = -scroll_.Position();
    for (int section = 1; section <= AdvancedPanelLayout::kSections; ++section) {
        if (!layout_->TakesPart(section)) {
            continue;
        }
        CSettingsPage& page = PageOf(section);
        if (!layout_->IsCollapsed(section)) {
            Place(page, layout_->Page(section).Offset(0, offset));
            page.ShowWindow(SW_SHOW);
        } else {
            page.ShowWindow(SW_HIDE);
        }
    }
}

void CDlgadvance::UpdateScrollBars() {
    if (!layout_) {
        return;
    }
    const RECT client = GetClientRect();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    ::GetScrollInfo(Hwnd(), SB_VERT, &info);
    const PanelScroll::Bar bar =
        scroll_.Update(client.bottom - client.top, layout_->ScrollRange(), info.nPos);
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = bar.Maximum;
    info.nPage = static_cast<UINT>(bar.Page);
    info.nPos = bar.Position;
    ::SetScrollInfo(Hwnd(), SB_VERT, &info, TRUE);
    if (bar.Delta != 0) {
        PlaceSections();
        RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void CDlgadvance::ToggleSection(int section, bool collapse) {
    if (!layout_ || !layout_->Toggle(section, collapse)) {
        return;
    }
    // The column moves in one go: no paint until every section stands in its new place.
    SetRedraw(false);
    UpdateScrollBars();
    PlaceSections();
    SetRedraw(true);
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    accessible_.NotifyItem(Hwnd(), EVENT_OBJECT_STATECHANGE,
                           kFirstHeaderCommand + static_cast<UINT>(section - 1));
}

void CDlgadvance::CollapseAll() {
    for (const int section : AdvancedPanelLayout::kCollapseOrder) {
        if (!layout_->IsCollapsed(section)) {
            ToggleSection(section, true);
        }
    }
}

void CDlgadvance::RefreshPages() {
    dpi_.LoadFromProfile();
    lighting_.SelectMode(context_.Working.MouseLightMode);
    speed_.RedrawWindow();
    doubleClick_.RedrawWindow();
    polling_.RedrawWindow();
    wheel_.LoadFromProfile();
    angle_.RedrawWindow();
    pad_.SelectMode(context_.Working.PadLightMode);
}

void CDlgadvance::ClearSelection() {
    ::PostMessageW(::GetAncestor(Hwnd(), GA_ROOT), kClearSelectionMessage, 0, 0);
}

BOOL CDlgadvance::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (lParam == 0 && id >= kFirstHeaderCommand &&
        id < kFirstHeaderCommand + AdvancedPanelLayout::kSections) {
        if (HIWORD(wParam) == BN_CLICKED && layout_) {
            const int section = static_cast<int>(id - kFirstHeaderCommand) + 1;
            ClearSelection();
            ToggleSection(section, !layout_->IsCollapsed(section));
        }
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

LRESULT CDlgadvance::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETOBJECT) {
        if (const std::optional<LRESULT> answer = accessible_.OnGetObject(Hwnd(), wParam, lParam)) {
            return *answer;
        }
    } else if (message == WM_DESTROY) {
        accessible_.Disconnect();
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

BOOL CDlgadvance::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CDlgadvance::OnPaint() {
    const CPaintDC dc(*this);
    const RECT client = GetClientRect();
    // Only what the update rectangle touches is drawn and copied to the screen.
    CMemoryDC memory(dc.Paint(), client.right, client.bottom);
    if (memory.Valid()) {
        if (const SkinImage* canvas = context_.Skins.Image(kBackground)) {
            SkinImages::DrawImage(memory, *canvas, 0, 0);
        }
        headerButtons_.Draw(memory, memory.Area());
        memory.CopyTo(dc);
    }
}

void CDlgadvance::OnSize(UINT type, int cx, int cy) {
    CDialog::OnSize(type, cx, cy);
    UpdateScrollBars();
}

void CDlgadvance::OnVScroll(UINT code, UINT position, HWND) {
    if (!layout_) {
        return;
    }
    const int change =
        scroll_.Scroll(static_cast<int>(code), static_cast<int>(position), layout_->ScrollRange());
    if (change == 0) {
        return;
    }
    ::SetScrollPos(Hwnd(), SB_VERT, scroll_.Position(), TRUE);
    if (inWheel_) {
        return; // the notch places and paints the sections once, where it ends
    }
    // The sections move by the change: placed from the layout, so that a hidden panel keeps them right too.
    PlaceSections();
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

BOOL CDlgadvance::OnMouseWheel(UINT flags, short delta, POINT point) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE;
    ::GetScrollInfo(Hwnd(), SB_VERT, &info);
    if (info.nMax <= info.nMin) {
        return CDialog::OnMouseWheel(flags, delta, point); // nothing to scroll
    }
    UINT lines = 3;
    ::SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const PanelScroll::WheelSteps steps = PanelScroll::Wheel(delta, static_cast<int>(lines));
    // A notch scrolls by several steps and moves the sections once, where it ends. Their pixels move
    // with them: only the strip that comes into view is painted, and the panel's own background, which
    // stays in place, between them.
    const int before = scroll_.Position();
    inWheel_ = true;
    for (int i = 0; i < steps.Count; ++i) {
        SendMessage(WM_VSCROLL, MAKEWPARAM(steps.Request, 0), 0);
    }
    inWheel_ = false;
    if (scroll_.Position() == before) {
        return TRUE;
    }
    // Only the part of the panel that shows beside the skinned bar is moved: the bar stands over the rest.
    RECT shown = GetClientRect();
    if (frame_ != nullptr && frame_->VerticalBar().IsWindowVisible()) {
        shown.right = std::min(shown.right, frame_->VerticalBar().GetRectInParent().left);
    }
    if (!IsWindowVisible() ||
        ::ScrollWindowEx(Hwnd(), 0, before - scroll_.Position(), nullptr, &shown, nullptr, nullptr,
                         SW_SCROLLCHILDREN | SW_INVALIDATE) == ERROR) {
        // Nothing on screen to move (a hidden panel): the sections are placed from the layout.
        PlaceSections();
        RedrawWindow(nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return TRUE;
    }
    // The headers are drawn by the panel: they take their new places and are drawn there with the rest.
    PlaceHeaders();
    RedrawWindow(nullptr, RDW_INVALIDATE | RDW_NOCHILDREN);
    RedrawWindow(nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (frame_ != nullptr) {
        frame_->SyncBars();
    }
    return TRUE;
}

void CDlgadvance::OnLButtonDown(UINT, POINT point) {
    if (!headerButtons_.OnLButtonDown(point)) {
        ClearSelection();
    }
}

void CDlgadvance::OnLButtonUp(UINT flags, POINT point) {
    if (!headerButtons_.OnLButtonUp(point)) {
        CDialog::OnLButtonUp(flags, point);
    }
}

void CDlgadvance::OnMouseMove(UINT flags, POINT point) {
    headerButtons_.OnMouseMove(flags, point);
    CDialog::OnMouseMove(flags, point);
}

void CDlgadvance::OnMouseLeave() {
    headerButtons_.OnMouseLeave();
    CDialog::OnMouseLeave();
}

void CDlgadvance::OnCaptureChanged(HWND newCapture) {
    headerButtons_.OnCaptureChanged(newCapture);
    CDialog::OnCaptureChanged(newCapture);
}

} // namespace corvalith
