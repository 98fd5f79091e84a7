#include "assign/win/CSingleDialog.h"

#include "assign/KeyCaptureLayout.h"
#include "controls/win/WindowCentring.h"
#include "framework/CMemoryDC.h"
#include "framework/CPaintDC.h"
#include "framework/TextDrawing.h"
#include "framework/UiFont.h"
#include "framework/Win32Rect.h"
#include "platform/TextFormat.h"
#include "platform/win/WideString.h"
#include "skin/win/SkinImages.h"

namespace corvalith {

namespace {

using Layout = KeyCaptureLayout;
using Button = DialogHover::Button;

constexpr char kBackgroundError[] = "error";
constexpr char kBackgroundErrorCaption[] = "Single Key Dialog Load background image failed!!!";
constexpr char kHookErrorFormat[] = "JournalRecordHook Install error code :%d\n";
// The window's size when its background cannot be loaded, so that its buttons can still be reached.
constexpr SIZE kFallbackSize{384, 290};
constexpr COLORREF kFallbackColour = RGB(40, 12, 12);

void DrawCentred(HDC dc, std::string_view text, const Rect& box) {
    const std::wstring wide = WideString::FromUtf8(text);
    RECT r = ToRect(box);
    TextDrawing::Draw(dc, wide, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// The system's version as programs without a compatibility manifest see it.
OSVERSIONINFOW SystemVersion() {
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ::GetVersionExW(&version);
#pragma GCC diagnostic pop
    return version;
}

} // namespace

CSingleDialog::CSingleDialog(const SkinImages& skins, std::string languageCode, IDebugOutput& debug,
                             IPrompts& prompts, CWnd* parent)
    : CDialog(kTemplateId, parent), skins_(skins), code_(std::move(languageCode)), debug_(debug),
      prompts_(prompts), capture_({}, debug),
      hook_([this](int code, std::uint32_t key, std::uint32_t scan, std::uint32_t flags) {
          return OnKeyEvent(code, key, scan, flags);
      }) {}

CSingleDialog::~CSingleDialog() {
    hook_.Remove();
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(labelBrush_)}) {
        if (object != nullptr) {
            ::DeleteObject(object);
        }
    }
}

BOOL CSingleDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(kTitle);
    const bool hasBackground = skins_.LoadBackground(hwnd_, Layout::kBackground, background_);
    if (!hasBackground) {
        SetWindowPos(nullptr, 0, 0, kFallbackSize.cx, kFallbackSize.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    WindowCentring::CentreOnScreen(hwnd_);
    if (!hasBackground) {
        prompts_.ShowMessage(hwnd_, kBackgroundError, kBackgroundErrorCaption, PromptButtons::Ok);
        return TRUE;
    }

    const OSVERSIONINFOW version = SystemVersion();
    const Layout::Font font = Layout::FontFor(code_, version.dwMajorVersion, version.dwMinorVersion);
    const std::wstring face = WideString::FromUtf8(font.Face);
    font_ = CreateUiFont({.Face = face.c_str(),
                          .Height = font.Height,
                          .Weight = Layout::kFontWeight,
                          .PitchAndFamily = Layout::kPitchAndFamily});
    labelBrush_ = ::CreateSolidBrush(RGB(255, 255, 255));

    const RECT box = ToDevice(ToRect(Layout::kKeyLabel));
    label_ = ::CreateWindowExW(0, L"STATIC", WideString::FromUtf8(capture_.KeyName()).c_str(),
                               WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, box.left, box.top,
                               box.right - box.left, box.bottom - box.top, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kKeyLabelId)),
                               ::GetModuleHandleW(nullptr), nullptr);
    if (font_ != nullptr) {
        SetChildFont(label_, font_);
    }

    if (const int error = hook_.Install(); error != 0) {
        prompts_.ShowMessage(hwnd_, TextFormat::Printf(kHookErrorFormat, error), "", PromptButtons::Ok);
        return TRUE;
    }
    ::SetWindowTextW(label_, WideString::FromUtf8(capture_.LabelText()).c_str());
    return TRUE;
}

bool CSingleDialog::OnKeyEvent(int code, std::uint32_t virtualKey, std::uint32_t scanCode,
                               std::uint32_t flags) {
    if (!capture_.OnKeyEvent(code, virtualKey, scanCode, flags)) {
        return false;
    }
    PostMessage(kKeyMessage, 0, 0);
    return true;
}

std::wstring CSingleDialog::LabelText() const {
    if (label_ == nullptr) {
        return {};
    }
    wchar_t text[128] = {};
    ::GetWindowTextW(label_, text, 128);
    return text;
}

BOOL CSingleDialog::PreTranslateMessage(MSG* msg) {
    if (Layout::DropsKeyMessage(msg->message, msg->wParam)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CSingleDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kKeyMessage) {
        if (label_ != nullptr) {
            ::SetWindowTextW(label_, WideString::FromUtf8(capture_.LabelText()).c_str());
            ::InvalidateRect(label_, nullptr, TRUE);
            ::UpdateWindow(label_);
        }
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CSingleDialog::OnDestroy() {
    // The keyboard comes back however the window goes.
    hook_.Remove();
    CDialog::OnDestroy();
}

HBRUSH CSingleDialog::OnCtlColor(HDC dc, HWND control, UINT controlType) {
    if (control == label_ && labelBrush_ != nullptr) {
        ::SetTextColor(dc, RGB(0, 0, 0));
        ::SetBkColor(dc, RGB(255, 255, 255));
        return labelBrush_;
    }
    return CDialog::OnCtlColor(dc, control, controlType);
}

void CSingleDialog::OnMouseMove(UINT, POINT point) {
    hover_.Moved(hwnd_, Layout::ButtonAt(point.x, point.y));
}

void CSingleDialog::OnMouseHover(UINT, POINT point) {
    hover_.Rested(hwnd_, Layout::ButtonAt(point.x, point.y));
}

void CSingleDialog::OnLButtonDown(UINT, POINT point) {
    switch (Layout::ButtonAt(point.x, point.y)) {
    case Button::Ok:
        EndDialog(IDOK);
        return;
    case Button::Cancel:
    case Button::Close:
        EndDialog(IDCANCEL);
        return;
    case Button::None:
    case Button::New: // the macro manager's own buttons
    case Button::Delete:
        break;
    }
    POINT screen = point;
    ClientToScreen(screen);
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
}

BOOL CSingleDialog::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CSingleDialog::OnPaint() {
    const CPaintDC dc(*this);
    Draw(dc);
}

void CSingleDialog::Draw(HDC dc) {
    const RECT client = GetClientRect();
    CMemoryDC canvas(dc, client.right, client.bottom);
    if (!canvas.Valid()) {
        return;
    }
    if (background_.Bitmap() != nullptr) {
        SkinImages::DrawImage(canvas, background_, 0, 0);
    } else {
        const HBRUSH fill = ::CreateSolidBrush(kFallbackColour);
        ::FillRect(canvas, &client, fill);
        ::DeleteObject(fill);
    }
    const Layout::Texts texts = Layout::TextsFor(code_);
    const HGDIOBJ previousFont = font_ != nullptr ? ::SelectObject(canvas, font_) : nullptr;
    ::SetTextColor(canvas, RGB(255, 255, 255));
    ::SetBkMode(canvas, TRANSPARENT);
    DrawCentred(canvas, texts.Prompt, Layout::kPrompt);
    skins_.DrawImageFile(canvas, hover_.IsLit(Button::Close) ? Layout::kCloseOver : Layout::kCloseNormal,
                         Layout::kClose.Left, Layout::kClose.Top);
    skins_.DrawImageFile(canvas, hover_.IsLit(Button::Ok) ? Layout::kButtonOver : Layout::kButtonNormal,
                         Layout::kOk.Left, Layout::kOk.Top);
    DrawCentred(canvas, texts.Ok, Layout::kOk);
    skins_.DrawImageFile(canvas, hover_.IsLit(Button::Cancel) ? Layout::kButtonOver : Layout::kButtonNormal,
                         Layout::kCancel.Left, Layout::kCancel.Top);
    DrawCentred(canvas, texts.Cancel, Layout::kCancel);
    if (previousFont != nullptr) {
        ::SelectObject(canvas, previousFont);
    }
    canvas.CopyTo(dc);
}

} // namespace corvalith
