#include "app/win/MainWindowCanvas.h"

#include "app/MainWindowPlan.h"
#include "framework/CMemoryDC.h"
#include "framework/CPaintDC.h"
#include "framework/TextDrawing.h"
#include "framework/UiFont.h"
#include "framework/WorldScale.h"
#include "platform/win/WideString.h"
#include "skin/win/SkinImages.h"

#include <utility>

namespace corvalith {

namespace {

// The window's fill where no background image could be loaded.
constexpr COLORREF kFallbackBackground = RGB(40, 12, 12);
// The skin's colours of the line along the bottom bar's top edge: the bright red of the line itself for
// the progress bar's filled part, the dark red under it for its track.
constexpr COLORREF kUploadBarFill = RGB(143, 32, 32);
constexpr COLORREF kUploadBarTrack = RGB(76, 34, 35);

} // namespace

MainWindowCanvas::~MainWindowCanvas() {
    for (HFONT font : {mainFont_, labelFont_}) {
        if (font != nullptr) {
            DeleteObject(font);
        }
    }
}

void MainWindowCanvas::Build(const std::wstring& fontFace, int width, int height) {
    width_ = width;
    height_ = height;
    const auto font = [&fontFace](int weight) {
        return CreateUiFont(
            {.Face = fontFace.c_str(), .Height = 13, .Weight = weight, .PitchAndFamily = FF_SWISS});
    };
    mainFont_ = font(400);
    labelFont_ = font(0);
}

void MainWindowCanvas::SetScale(const DisplayScale& scale) {
    if (scale == scale_) {
        return;
    }
    scale_ = scale;
    layer_.Surface.Release();
    layer_.Composed = false;
}

void MainWindowCanvas::DrawLayer(HDC dc, const std::vector<MainWindowPlan::Image>& images,
                                 const std::vector<MainWindowPlan::Text>& texts) const {
    const SkinImages& skins = skins_;
    if (!skins.DrawImageFile(dc, MainWindowPlan::kBackground, 0, 0)) {
        const RECT client{0, 0, width_, height_};
        const HBRUSH fill = CreateSolidBrush(kFallbackBackground);
        FillRect(dc, &client, fill);
        DeleteObject(fill);
    }
    for (const MainWindowPlan::Image& image : images) {
        skins.DrawImageFile(dc, image.Path, image.X, image.Y);
    }

    const HGDIOBJ previousFont = SelectObject(dc, mainFont_);
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    for (const MainWindowPlan::Text& text : texts) {
        SelectObject(dc, text.Face == MainWindowPlan::Font::Label ? labelFont_ : mainFont_);
        const std::wstring words = WideString::FromUtf8(text.Words);
        RECT box{text.Box.Left, text.Box.Top, text.Box.Right, text.Box.Bottom};
        switch (text.Place) {
        case MainWindowPlan::Placement::Line:
            TextDrawing::Draw(dc, words, box, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
            break;
        case MainWindowPlan::Placement::CentredLine:
            TextDrawing::Draw(dc, words, box, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            break;
        case MainWindowPlan::Placement::FromPoint:
            TextDrawing::Write(dc, box, words);
            break;
        }
    }
    SelectObject(dc, previousFont);
}

HDC MainWindowCanvas::ComposedLayer(const std::vector<MainWindowPlan::Image>& images,
                                    const std::vector<MainWindowPlan::Text>& texts) const {
    if (layer_.Surface.Dc() == nullptr) {
        if (width_ <= 0 || height_ <= 0 ||
            !layer_.Surface.Create(scale_.ToDevice(width_), scale_.ToDevice(height_))) {
            return nullptr;
        }
        WorldScale::Apply(layer_.Surface.Dc(), scale_);
    }
    if (!layer_.Composed || images != layer_.Images || texts != layer_.Texts) {
        DrawLayer(layer_.Surface.Dc(), images, texts);
        layer_.Images = images;
        layer_.Texts = texts;
        layer_.Composed = true;
    }
    return layer_.Surface.Dc();
}

void MainWindowCanvas::Paint(HDC dc, const MainWindowModel& model, bool liftOffEnabled) const {
    const MainWindowPlan::State state{model.CurrentView(), model.SelectedSlot(), liftOffEnabled};
    const std::vector<MainWindowPlan::Image> images = MainWindowPlan::Images(model.Layout(), state);
    const std::vector<MainWindowPlan::Text> texts = MainWindowPlan::Texts(model.Layout(), texts_);
    RECT area;
    GetClipBox(dc, &area);
    if (const HDC layer = ComposedLayer(images, texts); layer != nullptr) {
        const RECT window{0, 0, width_, height_};
        RECT copied;
        if (IntersectRect(&copied, &area, &window)) {
            BitBlt(dc, copied.left, copied.top, copied.right - copied.left, copied.bottom - copied.top, layer,
                   copied.left, copied.top, SRCCOPY);
        }
    } else {
        DrawLayer(dc, images, texts); // no surface for the layer: drawn as it is
    }
    buttons_.Draw(dc, area);
}

void MainWindowCanvas::DrawUploadBar(HDC dc, const UploadProgressDisplay& progress) {
    if (!progress.BarShown()) {
        return;
    }
    const Rect bar = MainWindowLayout::kUploadBar;
    const int filled = progress.FilledWidth(bar.Width());
    const RECT fill{bar.Left, bar.Top, bar.Left + filled, bar.Bottom};
    const RECT track{bar.Left + filled, bar.Top, bar.Right, bar.Bottom};
    for (const auto& [area, colour] : {std::pair{fill, kUploadBarFill}, std::pair{track, kUploadBarTrack}}) {
        if (area.right > area.left) {
            const HBRUSH brush = CreateSolidBrush(colour);
            FillRect(dc, &area, brush);
            DeleteObject(brush);
        }
    }
}

void MainWindowCanvas::PaintWindow(const CWnd& window, const MainWindowModel& model, bool liftOffEnabled,
                                   const UploadProgressDisplay& progress) const {
    const CPaintDC dc(window);
    const RECT client = window.GetClientRect();
    CMemoryDC memory(dc.Paint(), client.right, client.bottom);
    if (memory.Valid()) {
        Paint(memory, model, liftOffEnabled);
        DrawUploadBar(memory, progress);
        memory.CopyTo(dc);
    }
}

void MainWindowCanvas::PaintUnseen(const MainWindowModel& model, bool liftOffEnabled) const {
    const HDC screen = ::GetDC(nullptr);
    {
        const WorldScale scaled(screen, scale_);
        CMemoryDC memory(screen, width_, height_);
        if (memory.Valid()) {
            Paint(memory, model, liftOffEnabled);
        }
    }
    ::ReleaseDC(nullptr, screen);
}

} // namespace corvalith
