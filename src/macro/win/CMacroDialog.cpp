#include "macro/win/CMacroDialog.h"

#include "assign/KeyCaptureLayout.h"
#include "controls/win/WindowCentring.h"
#include "framework/CMemoryDC.h"
#include "framework/CPaintDC.h"
#include "framework/TextDrawing.h"
#include "framework/UiFont.h"
#include "framework/Win32Rect.h"
#include "macro/MacroDialogLayout.h"
#include "platform/win/WideString.h"
#include "skin/win/SkinImages.h"

namespace corvalith {

namespace {

using Layout = MacroDialogLayout;
using Button = DialogHover::Button;

constexpr COLORREF kTextColour = RGB(255, 255, 255);
constexpr COLORREF kListColour =
    RGB(Layout::kListBackground[0], Layout::kListBackground[1], Layout::kListBackground[2]);

// Each text is drawn in the font that fits it into its box.
void DrawCentred(HDC dc, FittedFonts& fonts, std::string_view text, const Rect& box,
                 UINT extra = DT_SINGLELINE) {
    const std::wstring wide = WideString::FromUtf8(text);
    RECT r = ToRect(box);
    fonts.Draw(dc, wide, r, DT_CENTER | DT_VCENTER | DT_NOPREFIX | extra);
}

// A run-mode text: left-aligned and word-wrapped, centred vertically by measuring it first.
void DrawRunModeText(HDC dc, FittedFonts& fonts, std::string_view text, const Rect& box) {
    constexpr UINT kFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
    const std::wstring wide = WideString::FromUtf8(text);
    RECT r = ToRect(box);
    const HGDIOBJ previous = ::SelectObject(dc, fonts.For(dc, wide, r, kFormat));
    RECT measured = r;
    ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &measured, kFormat | DT_CALCRECT);
    const int spare = (r.bottom - r.top) - (measured.bottom - measured.top);
    if (spare > 0) {
        r.top += spare / 2;
        r.bottom -= spare / 2;
    }
    TextDrawing::Draw(dc, wide, r, kFormat);
    ::SelectObject(dc, previous);
}

} // namespace

CMacroDialog::CMacroDialog(const SkinImages& skins, std::string languageCode, std::vector<std::string> names,
                           CWnd* parent)
    : CDialog(kTemplateId, parent), skins_(skins), code_(std::move(languageCode)), names_(std::move(names)) {}

CMacroDialog::~CMacroDialog() {
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(listBrush_)}) {
        if (object != nullptr) {
            ::DeleteObject(object);
        }
    }
}

BOOL CMacroDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(kTitle);
    const bool hasBackground = skins_.LoadBackground(hwnd_, Layout::kBackground, background_);
    if (!hasBackground) {
        SetWindowPos(nullptr, 0, 0, Layout::kFallbackWidth, Layout::kFallbackHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    WindowCentring::CentreOnScreen(hwnd_);
    if (!hasBackground) {
        return TRUE; // an empty window; the drawn buttons keep their click areas
    }
    const auto makeFont = [face = WideString::FromUtf8(Layout::FontFace(code_))](int height) {
        return CreateUiFont({.Face = face.c_str(),
                             .Height = height,
                             .Weight = Layout::kFontWeight,
                             .PitchAndFamily = FF_SWISS,
                             .CharSet = ANSI_CHARSET});
    };
    font_ = makeFont(Layout::kFontHeight);
    fitted_.Reset(font_, Layout::kFontHeight, makeFont);
    listBrush_ = ::CreateSolidBrush(kListColour);
    const RECT box = ToDevice(ToRect(Layout::kNameLabel));
    label_ = ::CreateWindowExW(
        0, L"STATIC", WideString::FromUtf8(choice_.ChosenName()).c_str(), WS_CHILD | WS_VISIBLE, box.left,
        box.top, box.right - box.left, box.bottom - box.top, hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kNameLabelId)), ::GetModuleHandleW(nullptr), nullptr);
    if (font_ != nullptr) {
        SetChildFont(label_, font_);
    }
    return TRUE;
}

std::wstring CMacroDialog::NameLabelText() const {
    if (label_ == nullptr) {
        return {};
    }
    wchar_t text[256] = {};
    ::GetWindowTextW(label_, text, 256);
    return text;
}

BOOL CMacroDialog::PreTranslateMessage(MSG* msg) {
    // Enter, Space, Escape and F1 neither confirm nor cancel the dialog.
    if (KeyCaptureLayout::DropsKeyMessage(msg->message, msg->wParam) &&
        msg->wParam != KeyCaptureLayout::kLeftWindows && msg->wParam != KeyCaptureLayout::kRightWindows) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CMacroDialog::OpenList() {
    const RECT box = ToDevice(ToRect(Layout::kList));
    list_ = ::CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOTIFY,
                              box.left, box.top, box.right - box.left, box.bottom - box.top, hwnd_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                              ::GetModuleHandleW(nullptr), nullptr);
    if (list_ == nullptr) {
        return;
    }
    if (font_ != nullptr) {
        SetChildFont(list_, font_);
    }
    for (const std::string& name : names_) {
        ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideString::FromUtf8(name).c_str()));
    }
    const int preselected = MacroChoice::Preselect(names_, choice_.ChosenName());
    if (preselected >= 0) {
        ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(preselected), 0);
    }
}

void CMacroDialog::CloseList() {
    if (list_ != nullptr) {
        const HWND list = list_;
        list_ = nullptr;
        ::DestroyWindow(list);
    }
}

void CMacroDialog::ChooseItem(int position) {
    if (position < 0 || !choice_.ChooseItem(names_, static_cast<std::size_t>(position))) {
        return;
    }
    if (label_ != nullptr) {
        ::SetWindowTextW(label_, WideString::FromUtf8(choice_.ChosenName()).c_str());
    }
    CloseList();
    Invalidate(false);
}

BOOL CMacroDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == kListId && list_ != nullptr && reinterpret_cast<HWND>(lParam) == list_) {
        if (HIWORD(wParam) == LBN_SELCHANGE || HIWORD(wParam) == LBN_DBLCLK) {
            ChooseItem(static_cast<int>(::SendMessageW(list_, LB_GETCURSEL, 0, 0)));
        }
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CMacroDialog::OnLButtonDown(UINT, POINT point) {
    switch (Layout::TargetAt(point.x, point.y)) {
    case Layout::Target::NameField:
        if (list_ != nullptr) {
            CloseList();
        } else {
            OpenList();
        }
        return;
    case Layout::Target::RunMode0:
    case Layout::Target::RunMode1:
    case Layout::Target::RunMode2:
        CloseList();
        choice_.ChooseMode(static_cast<std::uint8_t>(static_cast<int>(Layout::TargetAt(point.x, point.y)) -
                                                     static_cast<int>(Layout::Target::RunMode0)));
        Invalidate(false);
        return;
    case Layout::Target::Ok:
        EndDialog(IDOK);
        return;
    case Layout::Target::Cancel:
    case Layout::Target::Close:
        EndDialog(IDCANCEL);
        return;
    case Layout::Target::None:
        CloseList();
        return;
    }
}

void CMacroDialog::OnMouseMove(UINT, POINT point) {
    hover_.Moved(hwnd_, Layout::ButtonAt(point.x, point.y));
}

void CMacroDialog::OnMouseHover(UINT, POINT point) {
    hover_.Rested(hwnd_, Layout::ButtonAt(point.x, point.y));
}

HBRUSH CMacroDialog::OnCtlColor(HDC dc, HWND control, UINT controlType) {
    if (control == list_ && listBrush_ != nullptr) {
        ::SetTextColor(dc, kTextColour);
        ::SetBkColor(dc, kListColour);
        return listBrush_;
    }
    if (control == label_) {
        ::SetTextColor(dc, kTextColour);
        ::SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }
    return CDialog::OnCtlColor(dc, control, controlType);
}

BOOL CMacroDialog::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CMacroDialog::OnPaint() {
    const CPaintDC dc(*this);
    Draw(dc);
}

void CMacroDialog::Draw(HDC dc) {
    const RECT client = GetClientRect();
    CMemoryDC canvas(dc, client.right, client.bottom);
    if (!canvas.Valid() || background_.Bitmap() == nullptr) {
        return;
    }
    SkinImages::DrawImage(canvas, background_, 0, 0);
    for (std::size_t mode = 0; mode < Layout::kRunModeMarks.size(); ++mode) {
        skins_.DrawImageFile(canvas, mode == choice_.Mode() ? Layout::kModeMarked : Layout::kModeUnmarked,
                             Layout::kRunModeMarks[mode].Left, Layout::kRunModeMarks[mode].Top);
    }
    skins_.DrawImageFile(canvas, hover_.IsLit(Button::Close) ? Layout::kCloseOver : Layout::kCloseNormal,
                         Layout::kClose.Left, Layout::kClose.Top);
    skins_.DrawImageFile(canvas, hover_.IsLit(Button::Ok) ? Layout::kButtonOver : Layout::kButtonNormal,
                         Layout::kOk.Left, Layout::kOk.Top);
    skins_.DrawImageFile(canvas, hover_.IsLit(Button::Cancel) ? Layout::kButtonOver : Layout::kButtonNormal,
                         Layout::kCancel.Left, Layout::kCancel.Top);

    const Layout::Texts texts = Layout::TextsFor(code_);
    const HGDIOBJ previousFont = font_ != nullptr ? ::SelectObject(canvas, font_) : nullptr;
    ::SetTextColor(canvas, kTextColour);
    ::SetBkMode(canvas, TRANSPARENT);
    DrawCentred(canvas, fitted_, texts.Ok, Layout::kOk);
    DrawCentred(canvas, fitted_, texts.Cancel, Layout::kCancel);
    DrawCentred(canvas, fitted_, texts.Prompt, Layout::kPrompt, DT_WORDBREAK);
    for (std::size_t mode = 0; mode < texts.RunModes.size(); ++mode) {
        DrawRunModeText(canvas, fitted_, texts.RunModes[mode], Layout::kRunModeTexts[mode]);
    }
    if (previousFont != nullptr) {
        ::SelectObject(canvas, previousFont);
    }
    canvas.CopyTo(dc);
}

} // namespace corvalith
