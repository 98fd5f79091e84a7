#include "macro/win/MacroManagerCanvas.h"

#include "framework/CMemoryDC.h"
#include "framework/UiFont.h"
#include "framework/Win32Rect.h"
#include "macro/MacroManagerLayout.h"
#include "platform/win/WideString.h"
#include "skin/win/SkinImages.h"

namespace corvalith {

namespace {

using Layout = MacroManagerLayout;
using Button = DialogHover::Button;

constexpr COLORREF kTextColour = RGB(255, 255, 255);
constexpr COLORREF kListColour =
    RGB(Layout::kListBackground[0], Layout::kListBackground[1], Layout::kListBackground[2]);
constexpr COLORREF kLoopColour =
    RGB(Layout::kLoopBackground[0], Layout::kLoopBackground[1], Layout::kLoopBackground[2]);

HFONT CreateDialogFont(int height, std::string_view face) {
    const std::wstring wide = WideString::FromUtf8(face);
    return CreateUiFont(
        {.Face = wide.c_str(), .Height = height, .Weight = Layout::kFontWeight, .PitchAndFamily = FF_SWISS});
}

// Draws text in the font that fits it into box.
void DrawText(HDC dc, FittedFonts& fonts, std::string_view text, const Rect& box, UINT format) {
    const std::wstring wide = WideString::FromUtf8(text);
    RECT r = ToRect(box);
    fonts.Draw(dc, wide, r, format | DT_NOPREFIX);
}

} // namespace

void MacroManagerCanvas::Create(const std::string& languageCode) {
    Drop();
    code_ = languageCode;
    font_ = CreateDialogFont(Layout::kFontHeight, Layout::FontFace(code_));
    fitted_.Reset(font_, Layout::kFontHeight,
                  [face = Layout::FontFace(code_)](int height) { return CreateDialogFont(height, face); });
    loopFont_ = CreateDialogFont(Layout::kLoopFontHeight, "Arial");
    listBrush_ = ::CreateSolidBrush(kListColour);
    loopBrush_ = ::CreateSolidBrush(kLoopColour);
}

void MacroManagerCanvas::Drop() {
    const auto drop = [](auto& object) {
        if (object != nullptr) {
            ::DeleteObject(object);
            object = nullptr;
        }
    };
    fitted_.Reset(nullptr, 0, nullptr);
    drop(font_);
    drop(loopFont_);
    drop(listBrush_);
    drop(loopBrush_);
}

HBRUSH MacroManagerCanvas::Colour(HDC dc, bool loopBox) const {
    const HBRUSH brush = loopBox ? loopBrush_ : listBrush_;
    if (brush != nullptr) {
        ::SetTextColor(dc, kTextColour);
        ::SetBkColor(dc, loopBox ? kLoopColour : kListColour);
    }
    return brush;
}

void MacroManagerCanvas::Draw(HDC dc, const RECT& client, const State& state) const {
    CMemoryDC canvas(dc, client.right, client.bottom);
    if (!canvas.Valid() || state.Background == nullptr) {
        return;
    }
    SkinImages::DrawImage(canvas, *state.Background, 0, 0);
    const auto image = [&](std::string_view path, const Rect& at) {
        skins_.DrawImageFile(canvas, path, at.Left, at.Top);
    };
    const DialogHoverTracker& hover = state.Hover;
    image(hover.IsLit(Button::Close) ? Layout::kCloseOver : Layout::kCloseNormal, Layout::kClose);
    image(hover.IsLit(Button::Ok) ? Layout::kButtonOver : Layout::kButtonNormal, Layout::kOk);
    image(hover.IsLit(Button::Cancel) ? Layout::kButtonOver : Layout::kButtonNormal, Layout::kCancel);
    image(hover.IsLit(Button::New) ? Layout::kNewOver : Layout::kNewNormal, Layout::kNew);
    image(hover.IsLit(Button::Delete) ? Layout::kNewOver : Layout::kNewNormal, Layout::kDelete);
    image(state.LoopTicked ? Layout::kCheckTicked : Layout::kCheckClear, Layout::kLoopCheck);
    image(state.DelayTicked ? Layout::kCheckTicked : Layout::kCheckClear, Layout::kDelayCheck);

    const Layout::Texts texts = Layout::TextsFor(code_);
    const HGDIOBJ previousFont = font_ != nullptr ? ::SelectObject(canvas, font_) : nullptr;
    ::SetTextColor(canvas, kTextColour);
    ::SetBkMode(canvas, TRANSPARENT);
    constexpr UINT kCentred = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    DrawText(canvas, fitted_, texts.Ok, Layout::kOk, kCentred);
    DrawText(canvas, fitted_, texts.Cancel, Layout::kCancel, kCentred);
    DrawText(canvas, fitted_, texts.New, Layout::kNew, kCentred);
    DrawText(canvas, fitted_, texts.Delete, Layout::kDelete, kCentred);
    DrawText(canvas, fitted_, texts.Title, Layout::kTitle, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    DrawText(canvas, fitted_, texts.MacroHeader, Layout::kMacroHeader, kCentred);
    DrawText(canvas, fitted_, texts.EventHeader, Layout::kEventHeader, kCentred);
    DrawText(canvas, fitted_, texts.OptionsHeader, Layout::kOptionsHeader, kCentred);
    DrawText(canvas, fitted_, texts.Loop, Layout::kLoopText, DT_LEFT | DT_VCENTER | DT_WORDBREAK);
    DrawText(canvas, fitted_, texts.DelayRecording, Layout::kDelayText, DT_LEFT | DT_WORDBREAK);
    if (previousFont != nullptr) {
        ::SelectObject(canvas, previousFont);
    }
    canvas.CopyTo(dc);
}

} // namespace corvalith
