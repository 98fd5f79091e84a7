#pragma once

#include "skin/ImageButtonLook.h"
#include "skin/win/ImagePart.h"

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

namespace corvalith {

class SkinImages;

// What an image button draws: its four state images (normal, hover, pressed, disabled) and an optional
// caption over them, in the caption font, colour and alignment of the state. The caption font is made at
// the first draw with a caption and kept until the face or height changes.
class ImageButtonFace {
public:
    ImageButtonFace() = default;
    ImageButtonFace(const ImageButtonFace&) = delete;
    ImageButtonFace& operator=(const ImageButtonFace&) = delete;
    ~ImageButtonFace();

    // Cuts each given source to the rectangle; a null source leaves that state's image as it was.
    void SetImages(const RECT& source, HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled);
    // The state images are the source rectangle of four skin files, taken at the first draw. An empty
    // path leaves that state's image as it was. skins must outlive the face.
    void SetSkinImages(const SkinImages& skins, const RECT& source, std::string_view normal,
                       std::string_view hover, std::string_view pressed, std::string_view disabled);

    void SetCaption(const std::wstring& caption) { caption_ = caption; }
    const std::wstring& Caption() const { return caption_; }
    void SetFontFace(const std::wstring& face);
    void SetFontHeight(int height);
    // 0 centred, 1 left, 2 right, other values right-aligned without clipping.
    void SetAlignment(int alignment) { alignment_ = alignment; }
    void SetIndent(int indent) { indent_ = indent; }
    void SetWrap(bool wrap) { wrap_ = wrap; }
    void SetTextColours(COLORREF normal, COLORREF hover, COLORREF disabled, COLORREF pressed);

    HBITMAP Image(ImageButtonLook::Image which) const {
        return images_[static_cast<std::size_t>(which)].Bitmap();
    }
    HFONT CaptionFont() const { return font_; }
    // The font height the last one-line caption was drawn in: the caption font's, or a smaller one's when
    // the caption did not fit its place.
    int DrawnCaptionHeight() const { return drawnHeight_; }
    void DropFont();

    // Draws the state's look over the box of dc. A caption is written over the image on a lent memory
    // surface unless the target is one already (onSurface).
    void Draw(HDC dc, const RECT& box, const ImageButtonLook::State& state, bool onSurface);

private:
    void DrawCaption(HDC dc, const RECT& box, const ImageButtonLook::State& state);
    // The caption font, or a smaller one of the same face when the one-line caption is wider than its place
    // (the caption font selected into dc); the smaller one is kept for the caption and width it was made for.
    HFONT FittedFont(HDC dc, int available);
    HFONT MakeFont(int height) const;

    std::array<ImagePart, 4> images_;
    HFONT font_ = nullptr;
    HFONT fitted_ = nullptr; // the smaller font of a caption too wide for its place
    std::wstring fittedCaption_;
    int fittedWidth_ = -1;
    int fittedDpi_ = 0; // the scale it was measured at
    int fittedHeight_ = 0;
    int drawnHeight_ = 0;
    std::wstring caption_;
    std::wstring fontFace_;
    int fontHeight_ = 14;
    int alignment_ = 1;
    int indent_ = 0;
    bool wrap_ = false;
    std::array<COLORREF, 4> textColours_{RGB(253, 253, 253), RGB(253, 253, 253), RGB(253, 253, 253),
                                         RGB(253, 253, 253)};
};

} // namespace corvalith
