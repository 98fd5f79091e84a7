#include "pages/win/CDlgToolTip.h"

#include "framework/CPaintDC.h"
#include "framework/TextDrawing.h"
#include "framework/UiFont.h"
#include "lang/LanguageTable.h"
#include "pages/SmallWindowFonts.h"
#include "platform/win/WideString.h"

#include <algorithm>
#include <string>

namespace corvalith {

namespace {

constexpr UINT kNoteFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

} // namespace

CDlgToolTip::CDlgToolTip(const LanguageTable& texts, CWnd* parent)
    : CDialog(kTemplateId, parent), texts_(texts) {
    Template().SetStyle(WS_POPUP | WS_BORDER);
}

CDlgToolTip::~CDlgToolTip() {
    if (hwnd_ != nullptr) {
        DestroyWindow();
    }
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
}

bool CDlgToolTip::Create() {
    return CDialog::Create();
}

BOOL CDlgToolTip::OnInitDialog() {
    CDialog::OnInitDialog();
    const SmallWindowFonts::Font font = SmallWindowFonts::ToolTip(texts_.Code());
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
    const std::wstring face = WideString::FromUtf8(font.face);
    font_ = CreateUiFont({.Face = face.c_str(), .Height = font.height, .Weight = FW_DONTCARE});
    return FALSE; // the tip never takes the focus
}

void CDlgToolTip::ShowAt(POINT screenPoint) {
    if (hwnd_ == nullptr) {
        return;
    }
    SetWindowPos(nullptr, screenPoint.x + kOffsetX, screenPoint.y, kWidth, Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(SW_SHOW);
    ::SetForegroundWindow(hwnd_);
}

int CDlgToolTip::Height() const {
    // The note's lines in the client's width inside the margin (the border takes a pixel each side).
    const std::wstring note = WideString::FromUtf8(texts_.Text(TextEntry::LiftOffTip));
    constexpr int kBorders = 2;
    RECT measured{0, 0, kWidth - kBorders - 2 * kInset, 0};
    const HDC dc = ::GetDC(hwnd_);
    const HGDIOBJ previous = font_ != nullptr ? ::SelectObject(dc, font_) : nullptr;
    ::DrawTextW(dc, note.c_str(), static_cast<int>(note.size()), &measured, kNoteFormat | DT_CALCRECT);
    if (previous != nullptr) {
        ::SelectObject(dc, previous);
    }
    ::ReleaseDC(hwnd_, dc);
    return std::max<int>(kHeight, measured.bottom - measured.top + 2 * kInset + kBorders);
}

void CDlgToolTip::Draw(HDC dc, const RECT& client) const {
    const HBRUSH fill = ::CreateSolidBrush(kBackground);
    ::FillRect(dc, &client, fill);
    ::DeleteObject(fill);
    const HGDIOBJ previousFont = font_ != nullptr ? ::SelectObject(dc, font_) : nullptr;
    ::SetTextColor(dc, kTextColour);
    ::SetBkMode(dc, TRANSPARENT);
    const std::wstring note = WideString::FromUtf8(texts_.Text(TextEntry::LiftOffTip));
    RECT area{client.left + kInset, client.top + kInset, client.right - kInset, client.bottom - kInset};
    TextDrawing::Draw(dc, note, area, kNoteFormat);
    if (previousFont != nullptr) {
        ::SelectObject(dc, previousFont);
    }
}

void CDlgToolTip::OnPaint() {
    const CPaintDC dc(*this);
    Draw(dc, GetClientRect());
}

BOOL CDlgToolTip::OnEraseBkgnd(HDC) {
    return TRUE; // the paint fills the whole client area
}

HBRUSH CDlgToolTip::OnCtlColor(HDC dc, HWND, UINT controlType) {
    if (controlType != WM_CTLCOLORDLG) {
        return nullptr;
    }
    ::SetTextColor(dc, kTextColour);
    ::SetBkColor(dc, kBackground);
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
}

} // namespace corvalith
