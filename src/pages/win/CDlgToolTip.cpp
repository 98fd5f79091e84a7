#include "pages/win/CDlgToolTip.h"

#include "framework/CPaintDC.h"
#include "framework/UiFont.h"
#include "lang/LanguageTable.h"
#include "pages/SmallWindowFonts.h"
#include "platform/win/WideString.h"

#include <string>

namespace corvalith {

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
    SetWindowPos(nullptr, screenPoint.x + kOffsetX, screenPoint.y, kWidth, kHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(SW_SHOW);
    ::SetForegroundWindow(hwnd_);
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
    ::DrawTextW(dc, note.c_str(), static_cast<int>(note.size()), &area, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
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
