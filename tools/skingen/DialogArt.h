#pragma once

#include "SkinFile.h"

namespace skingen {

// The files of the program's dialogs: splash, warning, profile manager, key capture, macro manager
// and macro assignment.
class DialogArt {
public:
    static void Add(SkinFiles& files);
};

} // namespace skingen
