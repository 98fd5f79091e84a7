#pragma once

#include "controls/win/CBitmapBtn.h"
#include "skin/win/SkinImages.h"

#include <string>

namespace corvalith::gallery {

// Gives an image button its four state images from skin files (empty: that state keeps its image),
// cut to width x height from the top-left corner, and its caption in the program's face.
class ButtonSetup {
public:
    static void Images(CBitmapBtn& button, const SkinImages& images, int width, int height,
                       const std::string& normal, const std::string& hover, const std::string& pressed,
                       const std::string& disabled);
    static void Caption(CBitmapBtn& button, const std::wstring& caption, int height, int alignment,
                        int indent = 0);
};

} // namespace corvalith::gallery
