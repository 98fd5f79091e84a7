#include "ButtonSetup.h"

namespace corvalith::gallery {

void ButtonSetup::Images(CBitmapBtn& button, const SkinImages& images, int width, int height,
                         const std::string& normal, const std::string& hover, const std::string& pressed,
                         const std::string& disabled) {
    std::optional<SkinImage> loaded[4];
    const std::string* paths[4] = {&normal, &hover, &pressed, &disabled};
    HBITMAP bitmaps[4] = {};
    for (int i = 0; i < 4; ++i) {
        if (!paths[i]->empty()) {
            loaded[i] = images.LoadImage(*paths[i]);
            bitmaps[i] = loaded[i] ? loaded[i]->Bitmap() : nullptr;
        }
    }
    button.SetImages(RECT{0, 0, width, height}, bitmaps[0], bitmaps[1], bitmaps[2], bitmaps[3]);
}

void ButtonSetup::Caption(CBitmapBtn& button, const std::wstring& caption, int height, int alignment,
                          int indent) {
    button.SetCaption(caption);
    button.SetFontFace(L"Arial");
    button.SetFontHeight(height);
    button.SetAlignment(alignment);
    button.SetIndent(indent);
}

} // namespace corvalith::gallery
