#pragma once

#include "framework/IPrompts.h"

#include <windows.h>

#include <array>

namespace corvalith {

// The prompts as the system shows them: MessageBoxW, GetOpenFileNameW and GetSaveFileNameW, and
// ChooseColorW (whose sixteen custom colours are kept between calls).
class Win32Prompts : public IPrompts {
public:
    PromptAnswer ShowMessage(PromptOwner owner, std::string_view text, std::string_view caption,
                             PromptButtons buttons) override;
    std::optional<std::string> ChooseFileToOpen(PromptOwner owner, const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFileToSave(PromptOwner owner, const FileDialogRequest& request) override;
    std::optional<Rgb> ChooseColour(PromptOwner owner) override;

    // "Name(*.ext)|*.ext||" as the file dialog wants it: each "|" a terminating zero, ending with two.
    static std::wstring FilterForDialog(std::string_view filter);

private:
    std::optional<std::string> ChooseFile(PromptOwner owner, const FileDialogRequest& request, bool save);

    std::array<COLORREF, 16> customColours_{};
};

} // namespace corvalith
