#pragma once

#include "framework/IPrompts.h"

#include <string_view>

namespace corvalith {

// The three dialogs that tell the user when their background image cannot be loaded; every other
// window carries on without a background.
enum class BackgroundDialog { ProfileManager, MacroManager, KeyCapture };

// The failure message of those dialogs: the text "error" under a caption that names the dialog.
class BackgroundFailure {
public:
    static constexpr std::string_view kText = "error";

    static std::string_view Caption(BackgroundDialog dialog);
    static void Report(IPrompts& prompts, PromptOwner owner, BackgroundDialog dialog);
};

} // namespace corvalith
