#include "pages/win/CSettingsPage.h"

#include "framework/CMemoryDC.h"
#include "framework/CWholePaintDC.h"
#include "framework/UiFont.h"
#include "framework/Win32Rect.h"
#include "lang/LanguageCode.h"
#include "platform/win/WideString.h"

namespace corvalith {

namespace {

constexpr const wchar_t* kPageClass = L"CorvalithPage";

// The pages' window class: the system's dialog class that also reports double clicks (the lighting
// swatches take them).
bool RegisterPageClass() {
    static const bool registered = [] {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        WNDCLASSW windowClass{};
        if (::GetClassInfoW(instance, kPageClass, &windowClass)) {
            return true;
        }
        constexpr ULONG_PTR kDialogClassAtom = 0x8002;
        if (!::GetClassInfoW(nullptr, reinterpret_cast<LPCWSTR>(kDialogClassAtom), &windowClass)) {
            return false;
        }
        windowClass.style |= CS_DBLCLKS;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kPageClass;
        return ::RegisterClassW(&windowClass) != 0;
    }();
    return registered;
}

} // namespace

CSettingsPage::CSettingsPage(UINT templateId, PageContext context, std::string_view background,
                             int fontHeight, int fontWeight)
    : CDialog(templateId), context_(context), background_(background), fontHeight_(fontHeight),
      fontWeight_(fontWeight) {
    Template().SetStyle(WS_CHILD | WS_CLIPCHILDREN);
    if (RegisterPageClass()) {
        Template().SetClassName(kPageClass);
    }
}

CSettingsPage::~CSettingsPage() {
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
}

bool CSettingsPage::CreatePage(CWnd* parent) {
    return Create(parent);
}

SIZE CSettingsPage::BackgroundSize(const SkinImages& skins, std::string_view background) {
    return skins.SizeOf(background);
}

BOOL CSettingsPage::OnInitDialog() {
    const auto makeFont = [face = WideString::FromUtf8(LanguageCode::FontFace(context_.Language.Code())),
                           weight = fontWeight_](int height) {
        return CreateUiFont({.Face = face.c_str(),
                             .Height = height,
                             .Weight = weight,
                             .PitchAndFamily = FF_SWISS,
                             .CharSet = ANSI_CHARSET});
    };
    font_ = makeFont(fontHeight_);
    fitted_.Reset(font_, fontHeight_, makeFont);
    CreateControls();
    return FALSE;
}

BOOL CSettingsPage::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CSettingsPage::OnPaint() {
    // A page draws all of itself at every paint.
    const CWholePaintDC dc(*this);
    if (dc.Dc() != nullptr) {
        PaintTo(dc);
    }
}

void CSettingsPage::PaintTo(HDC dc) {
    const RECT client = GetClientRect();
    CMemoryDC memory(dc, client.right, client.bottom);
    if (!memory.Valid()) {
        return;
    }
    // The background is decoded at the first paint and kept by the skin images.
    if (const SkinImage* canvas = context_.Skins.Image(background_)) {
        SkinImages::DrawImage(memory, *canvas, 0, 0);
    }
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, RGB(255, 255, 255));
    const HGDIOBJ previous = SelectObject(memory, font_);
    Draw(memory);
    SelectObject(memory, previous);
    memory.CopyTo(dc);
}

void CSettingsPage::FillSwatch(HDC dc, const Rect& box, Rgb colour) {
    const RECT area = ToRect(box);
    const COLORREF previous = ::SetDCBrushColor(dc, RGB(colour.Red, colour.Green, colour.Blue));
    ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    ::SetDCBrushColor(dc, previous);
}

void CSettingsPage::PostChange(SettingsChange change, int times) {
    for (int i = 0; i < times; ++i) {
        PostMessage(kSettingsChangedMessage, 0, static_cast<LPARAM>(change));
    }
}

void CSettingsPage::DrawSkin(HDC dc, std::string_view path, int x, int y) const {
    context_.Skins.DrawImageFile(dc, path, x, y);
}

void CSettingsPage::DrawText(HDC dc, std::string_view words, const Rect& box, UINT format) const {
    const std::wstring text = WideString::FromUtf8(std::string(words));
    RECT rect = ToRect(box);
    // A text too wide for its place is drawn in a smaller font of the page's face.
    fitted_.Draw(dc, text, rect, format | DT_NOPREFIX);
}

} // namespace corvalith
