#pragma once

#include "SkinFile.h"

namespace skingen {

// The main window's files: its backgrounds, logos, buttons, section panels, slider tracks and the
// mouse in its views with the hot spots.
class MainWindowArt {
public:
    static void Add(SkinFiles& files);
};

} // namespace skingen
