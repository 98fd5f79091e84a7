#pragma once

#include "SkinFile.h"

namespace skingen {

// The files of the advanced panel's pages: DPI, lighting, polling rate, pointer speed, double click,
// scroll speed and angle snapping.
class PageArt {
public:
    static void Add(SkinFiles& files);
};

} // namespace skingen
