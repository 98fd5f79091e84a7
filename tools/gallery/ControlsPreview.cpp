#include "ControlsPreview.h"

#include "ButtonSetup.h"
#include "GalleryPaint.h"
#include "framework/CMemoryDC.h"
#include "skin/SkinFileNames.h"
#include "skin/win/CSkinScrollWnd.h"

#include <string>

namespace corvalith::gallery {

namespace {

constexpr COLORREF kLabel = RGB(196, 199, 204);
constexpr int kWidth = 1280;
constexpr int kHeight = 860;

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

struct ButtonKind {
    const wchar_t* name;
    int width;
    int height;
    // Skin file names, as SkinFileNames lists them.
    std::string_view normal;
    std::string_view hover;
    std::string_view pressed;
    std::string_view disabled;
    const wchar_t* caption;
    int alignment;
    int indent;
    bool wide = false; // shown in every other column only: its image is the same in every state anyway
};

using N = SkinFileNames;

const ButtonKind kButtonKinds[] = {
    {L"Reset", 57, 30, N::kCancelNormal, N::kCancelOver, N::kCancelLeave, N::kSaveLeave, L"Reset", 0, 0},
    {L"Config", 140, 30, N::kConfigNormal, N::kConfigOver, N::kConfigLeave, N::kConfigNormal, L"Config", 1,
     20},
    {L"View", 62, 29, N::kMouseNormal, N::kMouseOver, N::kMouseLeave, N::kMouseNormal, L"Top View", 0, 0},
    {L"Header", 242, 20, N::kItemBkLod, N::kItemBkLod, N::kItemBkLod, N::kItemBkLod, L"Lift off distance", 1,
     0, true},
    {L"Drop-down", 130, 16, N::kDropdownNormal, N::kDropdownOver, N::kDropdownOver, N::kDropdownNormal,
     L"Assign Keyboard Key-F12", 1, 0},
    {L"Record", 89, 24, N::kRecordNormal, N::kRecordOver, N::kRecordOver, N::kRecordNormal,
     L"Start Recording", 0, 0},
    {L"Warning", 53, 22, N::kWarningButtonNormal, N::kWarningButtonDown, N::kWarningButtonDown,
     N::kWarningButtonDown, L"OK", 0, 0},
    {L"Option", 14, 13, N::kWarningOptionNormal, N::kWarningOptionDown, N::kWarningOptionDown,
     N::kWarningOptionDown, L"", 0, 0},
    {L"Title close", 15, 15, N::kCloseNormal, N::kCloseOver, N::kCloseNormal, N::kCloseNormal, L"", 0, 0},
};

const wchar_t* const kStates[5] = {L"normal", L"hover", L"pressed", L"checked", L"disabled"};
constexpr int kStateLeft[5] = {110, 342, 574, 806, 1038};
constexpr int kButtonRowHeight = 38;

} // namespace

ControlsPreview::~ControlsPreview() {
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(font_), static_cast<HGDIOBJ>(small_),
                           static_cast<HGDIOBJ>(listBrush_), static_cast<HGDIOBJ>(scrollSkin_)}) {
        if (object != nullptr) {
            ::DeleteObject(object);
        }
    }
}

bool ControlsPreview::Create(int x, int y) {
    if (!CreateEx(0, nullptr, L"Corvalith gallery: controls", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN,
                  RECT{x, y, x + kWidth, y + kHeight}, static_cast<HWND>(nullptr), 0)) {
        return false;
    }
    font_ = GalleryPaint::Font(13, FW_BOLD);
    small_ = GalleryPaint::Font(12);
    listBrush_ = ::CreateSolidBrush(RGB(40, 40, 40));
    scrollSkin_ = ::LoadBitmapW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(129));
    AddButtons();
    AddSliders();
    AddScrollBars();
    return true;
}

void ControlsPreview::AddButtons() {
    int top = 40;
    for (const ButtonKind& kind : kButtonKinds) {
        for (int state = 0; state < 5; ++state) {
            if (kind.wide && state % 2 == 1) {
                continue;
            }
            CBitmapBtn& button = buttons_.emplace_back();
            button.Create(RECT{kStateLeft[state], top, kStateLeft[state] + kind.width, top + kind.height},
                          this);
            ButtonSetup::Images(button, images_, kind.width, kind.height, N::InSkins(kind.normal),
                                N::InSkins(kind.hover), N::InSkins(kind.pressed), N::InSkins(kind.disabled));
            ButtonSetup::Caption(button, kind.caption, 13, kind.alignment, kind.indent);
            switch (state) {
            case 1:
                button.SetHover(true);
                break;
            case 2:
                button.SetState(true);
                break;
            case 3:
                button.SetChecked(true);
                break;
            case 4:
                button.EnableWindow(false);
                break;
            default:
                break;
            }
        }
        top += kButtonRowHeight;
    }
}

void ControlsPreview::AddSliders() {
    const int top = 40 + kButtonRowHeight * static_cast<int>(std::size(kButtonKinds)) + 30;
    std::optional<SkinImage> stageTrack =
        images_.LoadImage(SkinFileNames::InSkins(SkinFileNames::kStageTrack));
    std::optional<SkinImage> stageFill =
        images_.LoadImage(SkinFileNames::InSkins(SkinFileNames::kStageTrackFilled));
    std::optional<SkinImage> axisTrack = images_.LoadImage(SkinFileNames::InSkins(SkinFileNames::kXYTrack));
    std::optional<SkinImage> axisFill =
        images_.LoadImage(SkinFileNames::InSkins(SkinFileNames::kXYTrackFilled));
    // Lighting sliders (range 1..6) at levels 1, 3, 5, 6 and disabled at 4.
    const int levels[5] = {1, 3, 5, 6, 4};
    for (int i = 0; i < 5; ++i) {
        CDMarker& slider = sliders_.emplace_back();
        slider.Create(RECT{130, top + 22 * i, 258, top + 22 * i + 8}, this, 2037 + i);
        slider.SetImages(RECT{1, 0, 128, 11}, stageTrack ? stageTrack->Bitmap() : nullptr,
                         stageFill ? stageFill->Bitmap() : nullptr);
        slider.SetRange(1, 6);
        slider.SetPosition(levels[i]);
        slider.EnableWindow(i < 4);
    }
    // Axis sliders (range 1..11) at 1, 6 and 11, and the lift-off slider (0..6) at 3.
    const int axis[4][3] = {{1, 11, 1}, {1, 11, 6}, {1, 11, 11}, {0, 6, 3}};
    for (int i = 0; i < 4; ++i) {
        CDMarker& slider = sliders_.emplace_back();
        slider.Create(RECT{340, top + 22 * i, 548, top + 22 * i + 9}, this, 2025 + i);
        slider.SetImages(RECT{0, 0, 208, 14}, axisTrack ? axisTrack->Bitmap() : nullptr,
                         axisFill ? axisFill->Bitmap() : nullptr);
        slider.SetRange(axis[i][0], axis[i][1]);
        slider.SetPosition(axis[i][2]);
    }
    // DPI stage sliders (range 1..120) from empty to full.
    std::optional<SkinImage> dpiTrack = images_.LoadImage(SkinFileNames::InSkins(SkinFileNames::kDpiTrack));
    std::optional<SkinImage> dpiFill =
        images_.LoadImage(SkinFileNames::InSkins(SkinFileNames::kDpiTrackFilled));
    const int codes[5] = {1, 30, 60, 100, 120};
    for (int i = 0; i < 5; ++i) {
        CDMarkerV& slider = verticals_.emplace_back();
        slider.Create(RECT{590 + 30 * i, top, 597 + 30 * i, top + 170}, this, 2027 + i);
        slider.SetImages(RECT{0, 0, 7, 169}, dpiTrack ? dpiTrack->Bitmap() : nullptr,
                         dpiFill ? dpiFill->Bitmap() : nullptr);
        slider.SetRange(1, 120);
        slider.SetPosition(codes[i]);
    }
}

void ControlsPreview::AddScrollBars() {
    const int top = 40 + kButtonRowHeight * static_cast<int>(std::size(kButtonKinds)) + 30;
    // Vertical bars: idle, hover on the up arrow, pressed down arrow, dragged thumb, hover on the thumb,
    // disabled.
    for (int i = 0; i < 6; ++i) {
        CSkinScrollBar& bar = bars_.emplace_back();
        bar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, RECT{780 + 28 * i, top, 793 + 28 * i, top + 170}, this,
                   static_cast<UINT>(300 + i));
        bar.SetBitmap(scrollSkin_);
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 25, 30, 0};
        bar.SetScrollInfo(info);
    }
    bars_[1].SendMessage(WM_MOUSEMOVE, 0, At(6, 5));
    bars_[2].SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(6, 165));
    bars_[2].KillTimer(CSkinScrollBar::kRepeatTimer);
    bars_[3].SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(6, 70));
    bars_[3].SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(6, 90));
    bars_[4].SendMessage(WM_MOUSEMOVE, 0, At(6, 70));
    bars_[5].EnableWindow(false);
    ::ReleaseCapture();

    // Horizontal bars: idle and hover on the right arrow.
    for (int i = 0; i < 2; ++i) {
        CSkinScrollBar& bar = bars_.emplace_back();
        bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, RECT{130, top + 190 + 24 * i, 548, top + 203 + 24 * i},
                   this, static_cast<UINT>(310 + i));
        bar.SetBitmap(scrollSkin_);
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 199, 40, 60, 0};
        bar.SetScrollInfo(info);
    }
    bars_.back().SendMessage(WM_MOUSEMOVE, 0, At(412, 6));

    // Scroll frames around real controls: a list box, and an edit box with both bars (corner).
    list_.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | WS_BORDER,
                 RECT{130, top + 250, 330, top + 380}, this, 400);
    list_.SetFont(small_, false);
    for (int i = 1; i <= 24; ++i) {
        list_.AddString(L"Macro " + std::to_wstring(i));
    }
    list_.SetTopIndex(5);
    CSkinScrollWnd::AttachFrame(list_.Hwnd(), scrollSkin_);

    edit_.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOHSCROLL |
                     ES_AUTOVSCROLL,
                 RECT{350, top + 250, 600, top + 380}, this, 401);
    edit_.SetFont(small_, false);
    std::wstring text;
    for (int i = 1; i <= 16; ++i) {
        text += L"Key down A, delay 20 ms, key up A, delay 35 ms, line " + std::to_wstring(i) + L"\r\n";
    }
    edit_.SetWindowText(text);
    CSkinScrollWnd::AttachFrame(edit_.Hwnd(), scrollSkin_);
}

HBRUSH ControlsPreview::OnCtlColor(HDC dc, HWND, UINT type) {
    if (type == WM_CTLCOLORLISTBOX || type == WM_CTLCOLOREDIT) {
        ::SetTextColor(dc, RGB(250, 250, 250));
        ::SetBkColor(dc, RGB(40, 40, 40));
        return listBrush_;
    }
    return nullptr;
}

BOOL ControlsPreview::OnEraseBkgnd(HDC) {
    return TRUE;
}

void ControlsPreview::OnPaint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(hwnd_, &paint);
    CMemoryDC canvas(dc, kWidth, kHeight);
    GalleryPaint::Fill(canvas, RECT{0, 0, kWidth, kHeight}, RGB(30, 31, 34));
    GalleryPaint::Text(canvas, L"Image buttons", RECT{12, 8, 200, 30}, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                       kLabel, font_);
    for (int state = 0; state < 5; ++state) {
        GalleryPaint::Text(canvas, kStates[state], RECT{kStateLeft[state], 8, kStateLeft[state] + 200, 30},
                           DT_LEFT | DT_VCENTER | DT_SINGLELINE, kLabel, font_);
    }
    int top = 40;
    for (const ButtonKind& kind : kButtonKinds) {
        GalleryPaint::Text(canvas, kind.name, RECT{12, top, 120, top + 30},
                           DT_LEFT | DT_VCENTER | DT_SINGLELINE, kLabel, small_);
        top += kButtonRowHeight;
    }
    const int lower = 40 + kButtonRowHeight * static_cast<int>(std::size(kButtonKinds)) + 30;
    GalleryPaint::Text(
        canvas, L"Marker sliders: lighting 1, 3, 5, 6, disabled; axis 1, 6, 11, lift-off 3; DPI",
        RECT{12, lower - 26, 760, lower - 6}, DT_LEFT | DT_VCENTER | DT_SINGLELINE, kLabel, font_);
    GalleryPaint::Text(canvas, L"Scroll bars: idle, hover, pressed, dragged, thumb hover, disabled",
                       RECT{780, lower - 26, 1180, lower - 6}, DT_LEFT | DT_VCENTER | DT_SINGLELINE, kLabel,
                       font_);
    GalleryPaint::Text(canvas, L"Horizontal bars: idle, hover; scroll frames around a list and an edit box",
                       RECT{12, lower + 170, 760, lower + 188}, DT_LEFT | DT_VCENTER | DT_SINGLELINE, kLabel,
                       font_);
    canvas.CopyTo(dc);
    ::EndPaint(hwnd_, &paint);
}

} // namespace corvalith::gallery
