#pragma once

#include "framework/IPrompts.h"
#include "lang/LanguageTable.h"
#include "platform/IDebugOutput.h"
#include "profile/ProfileSettings.h"
#include "skin/win/SkinImages.h"

namespace corvalith {

// What the advanced panel and its pages work with, all owned by the running program: the working
// profile they edit, the copy last written to the mouse, the skin images, the texts, the prompts (the
// colour chooser) and the debug output.
struct PageContext {
    ProfileSettings& Working;
    const ProfileSettings& Applied;
    const SkinImages& Skins;
    const LanguageTable& Language;
    IPrompts& Prompts;
    IDebugOutput& Debug;
};

} // namespace corvalith
