#pragma once

#include "Canvas.h"

#include <string>
#include <vector>

namespace skingen {

// The images built into the program: the icon (resource 128), the scroll-bar skin of nine by three
// cells (129) and the colour wheel of the multi-colour swatch (148), written as .ico and .bmp files
// for the resource compiler.
class ResourceImages {
public:
    static void WriteAll(const std::string& folder);

    static void DrawScrollBarSkin(const Canvas& c);
    static void DrawColourWheel(const Canvas& c);
    static void DrawIcon(const Canvas& c);

    // A 24-bit bottom-up bitmap file of an opaque canvas.
    static void WriteBmp(const Canvas& c, const std::string& path);
    // An icon file holding one 32-bit image per canvas (each at most 256 pixels square).
    static void WriteIco(const std::vector<const Canvas*>& images, const std::string& path);
};

} // namespace skingen
