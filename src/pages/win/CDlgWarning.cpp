#include "pages/win/CDlgWarning.h"

#include "controls/win/WindowCentring.h"
#include "framework/CMemoryDC.h"
#include "framework/CPaintDC.h"
#include "framework/TextDrawing.h"
#include "framework/UiFont.h"
#include "framework/Win32Rect.h"
#include "lang/LanguageTable.h"
#include "pages/SmallWindowFonts.h"
#include "platform/win/WideString.h"
#include "skin/SkinFileNames.h"
#include "skin/win/SkinImages.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvalith {

namespace {

constexpr std::string_view kBackground = SkinFileNames::kInSkins<SkinFileNames::kWarning>;
constexpr std::string_view kButtonNormal = SkinFileNames::kInSkins<SkinFileNames::kWarningButtonNormal>;
constexpr std::string_view kButtonDown = SkinFileNames::kInSkins<SkinFileNames::kWarningButtonDown>;
constexpr std::string_view kCloseNormal = SkinFileNames::kInSkins<SkinFileNames::kWarningCloseNormal>;
constexpr std::string_view kCloseDown = SkinFileNames::kInSkins<SkinFileNames::kWarningCloseDown>;
constexpr std::string_view kOptionNormal = SkinFileNames::kInSkins<SkinFileNames::kWarningOptionNormal>;
constexpr std::string_view kOptionDown = SkinFileNames::kInSkins<SkinFileNames::kWarningOptionDown>;

// The part of each button image the buttons show.
constexpr RECT kButtonImage{0, 0, 85, 22};
constexpr RECT kSmallImage{0, 0, 14, 13};

// Gives a button its normal image and the "down" image for the hover, pressed and disabled states.
void SetStateImages(CBitmapBtn& button, const SkinImages& skins, const RECT& source,
                    std::string_view normalPath, std::string_view downPath) {
    const std::optional<SkinImage> normal = skins.LoadImage(normalPath);
    const std::optional<SkinImage> down = skins.LoadImage(downPath);
    const HBITMAP downBitmap = down ? down->Bitmap() : nullptr;
    button.SetImages(source, normal ? normal->Bitmap() : nullptr, downBitmap, downBitmap, downBitmap);
}

// Writes text from `at`; it may run up to `right` and down to `bottom` before it meets a neighbour.
void WriteText(HDC dc, Point at, int right, int bottom, const std::string& text) {
    TextDrawing::Write(dc, RECT{at.X, at.Y, right, bottom}, WideString::FromUtf8(text));
}

constexpr UINT kMessageFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

} // namespace

CDlgWarning::CDlgWarning(const SkinImages& skins, const LanguageTable& texts, CWnd* parent)
    : CDialog(kTemplateId, parent), skins_(skins), texts_(texts) {}

CDlgWarning::~CDlgWarning() {
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
}

BOOL CDlgWarning::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(kTitle);
    SIZE size = kFallbackSize;
    if (skins_.LoadBackground(hwnd_, kBackground, background_)) {
        size = SIZE{background_.LogicalWidth(), background_.LogicalHeight()};
    }

    const SmallWindowFonts::Font font = SmallWindowFonts::Warning(texts_.Code());
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
    const std::wstring face = WideString::FromUtf8(font.face);
    font_ = CreateUiFont({.Face = face.c_str(),
                          .Height = font.height,
                          .Weight = SmallWindowFonts::kWarningWeight,
                          .PitchAndFamily = SmallWindowFonts::kWarningPitchAndFamily});
    layout_ = WarningLayout(size.cx, size.cy, MessageHeight());
    CreateButtons();

    SetWindowPos(nullptr, 0, 0, layout_.Width(), layout_.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    WindowCentring::CentreOnScreen(hwnd_);

    choice_ = WarningChoice{};
    on_.SetChecked(false);
    off_.SetChecked(true);
    return TRUE;
}

int CDlgWarning::MessageHeight() const {
    const std::wstring message = WideString::FromUtf8(texts_.Text(TextEntry::LiftOffNote));
    const HDC dc = ::GetDC(hwnd_);
    const HGDIOBJ previous = font_ != nullptr ? ::SelectObject(dc, font_) : nullptr;
    RECT measured{0, 0, WarningLayout::kMessageWidth, 0};
    ::DrawTextW(dc, message.c_str(), static_cast<int>(message.size()), &measured,
                kMessageFormat | DT_CALCRECT);
    if (previous != nullptr) {
        ::SelectObject(dc, previous);
    }
    ::ReleaseDC(hwnd_, dc);
    return measured.bottom - measured.top;
}

void CDlgWarning::CreateButtons() {
    const SmallWindowFonts::Font captionFont = SmallWindowFonts::WarningButton(texts_.Code());
    const std::wstring captionFace = WideString::FromUtf8(std::string(captionFont.face));

    ok_.Create(ToRect(layout_.Ok()), this, 0, WideString::FromUtf8(texts_.Text(TextEntry::Ok)));
    SetStateImages(ok_, skins_, kButtonImage, kButtonNormal, kButtonDown);
    cancel_.Create(ToRect(layout_.Cancel()), this, 0, WideString::FromUtf8(texts_.Text(TextEntry::Cancel)));
    SetStateImages(cancel_, skins_, kButtonImage, kButtonNormal, kButtonDown);
    for (CBitmapBtn* button : {&ok_, &cancel_}) {
        button->SetFontHeight(captionFont.height);
        button->SetFontFace(captionFace);
    }
    close_.Create(ToRect(WarningLayout::Close()), this, 0);
    SetStateImages(close_, skins_, kSmallImage, kCloseNormal, kCloseDown);
    on_.Create(ToRect(layout_.OnOption()), this, 0);
    SetStateImages(on_, skins_, kSmallImage, kOptionNormal, kOptionDown);
    off_.Create(ToRect(layout_.OffOption()), this, 0);
    SetStateImages(off_, skins_, kSmallImage, kOptionNormal, kOptionDown);
}

BOOL CDlgWarning::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        const auto from = reinterpret_cast<HWND>(lParam);
        if (from == ok_.Hwnd()) {
            OnOK();
            return TRUE;
        }
        if (from == cancel_.Hwnd() || from == close_.Hwnd()) {
            OnCancel();
            return TRUE;
        }
        if (from == on_.Hwnd()) {
            Choose(WarningChoice::Option::On);
            return TRUE;
        }
        if (from == off_.Hwnd()) {
            Choose(WarningChoice::Option::Off);
            return TRUE;
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CDlgWarning::Choose(WarningChoice::Option option) {
    const WarningChoice::Changed changed = choice_.Choose(option);
    on_.SetChecked(choice_.IsMarked(WarningChoice::Option::On));
    off_.SetChecked(choice_.IsMarked(WarningChoice::Option::Off));
    if (changed.on) {
        on_.Invalidate(false);
        on_.UpdateWindow();
    }
    if (changed.off) {
        off_.Invalidate(false);
        off_.UpdateWindow();
    }
}

void CDlgWarning::OnOK() {
    choice_.Close(true);
    EndDialog(IDOK);
}

void CDlgWarning::OnCancel() {
    choice_.Close(false);
    EndDialog(IDCANCEL);
}

void CDlgWarning::Draw(HDC dc) {
    const RECT client = GetClientRect();
    CMemoryDC canvas(dc, client.right, client.bottom);
    if (!canvas.Valid()) {
        return;
    }
    if (background_.Bitmap() == nullptr || background_.LogicalHeight() < client.bottom) {
        const HBRUSH fill = ::CreateSolidBrush(kFallbackColour);
        ::FillRect(canvas, &client, fill);
        ::DeleteObject(fill);
    }
    if (background_.Bitmap() != nullptr) {
        SkinImages::DrawImage(canvas, background_, 0, 0);
    }

    const HGDIOBJ previousFont = font_ != nullptr ? ::SelectObject(canvas, font_) : nullptr;
    ::SetTextColor(canvas, kTextColour);
    ::SetBkMode(canvas, TRANSPARENT);
    // The title runs up to the close button and down to the message; an option's caption up to the
    // message's right edge and down to the next option.
    WriteText(canvas, WarningLayout::kTitle, WarningLayout::Close().Left, WarningLayout::kMessageTop,
              texts_.Text(TextEntry::Note));
    const std::wstring message = WideString::FromUtf8(texts_.Text(TextEntry::LiftOffNote));
    RECT messageRect = ToRect(layout_.Message());
    TextDrawing::Draw(canvas, message, messageRect, kMessageFormat);
    const int captionRight = layout_.Message().Right;
    WriteText(canvas, layout_.OnCaption(), captionRight, layout_.OffOption().Top, texts_.Text(TextEntry::On));
    WriteText(canvas, layout_.OffCaption(), captionRight,
              layout_.OffCaption().Y + WarningLayout::kOptionPitch, texts_.Text(TextEntry::Off));
    if (previousFont != nullptr) {
        ::SelectObject(canvas, previousFont);
    }
    canvas.CopyTo(dc);
}

void CDlgWarning::OnPaint() {
    const CPaintDC dc(*this);
    Draw(dc);
}

BOOL CDlgWarning::OnEraseBkgnd(HDC) {
    return TRUE; // the paint covers the whole window
}

} // namespace corvalith
