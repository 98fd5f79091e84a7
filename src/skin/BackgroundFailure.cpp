#include "skin/BackgroundFailure.h"

namespace corvalith {

std::string_view BackgroundFailure::Caption(BackgroundDialog dialog) {
    switch (dialog) {
    case BackgroundDialog::ProfileManager:
        return "Config Dialog Load background image failed!!!";
    case BackgroundDialog::MacroManager:
        return "Macro Manager Dialog Load background image failed!!!";
    case BackgroundDialog::KeyCapture:
        return "Single Key Dialog Load background image failed!!!";
    }
    return {};
}

void BackgroundFailure::Report(IPrompts& prompts, PromptOwner owner, BackgroundDialog dialog) {
    prompts.ShowMessage(owner, kText, Caption(dialog), PromptButtons::Ok);
}

} // namespace corvalith
