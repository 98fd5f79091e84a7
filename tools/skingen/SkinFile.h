#pragma once

#include "Canvas.h"

#include <functional>
#include <string>
#include <vector>

namespace skingen {

// One file of the Skins folder: its path (with "/" as separator), its size, whether it carries alpha,
// and how it is drawn. JPEG files are written opaque.
struct SkinFile {
    std::string path;
    int width;
    int height;
    bool alpha;
    std::function<void(const Canvas&)> draw;
};

using SkinFiles = std::vector<SkinFile>;

// Flat surfaces on which opaque button images sit, so that their corners match what is behind them.
namespace surface {
constexpr Colour kTitleBand = Colour::Rgb(22, 23, 26);
constexpr Colour kFooter = Colour::Rgb(24, 25, 28);
constexpr Colour kWindow = Colour::Rgb(30, 31, 34);
constexpr Colour kPanel = Colour::Rgb(37, 39, 43);
constexpr Colour kSection = Colour::Rgb(30, 32, 35);
constexpr Colour kStage = Colour::Rgb(27, 28, 31);
} // namespace surface

} // namespace skingen
