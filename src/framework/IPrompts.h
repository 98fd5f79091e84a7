#pragma once

#include "platform/Rgb.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvalith {

// The owning window of a prompt (a window handle on Windows), or null.
using PromptOwner = void*;

enum class PromptButtons { Ok, OkCancel, YesNo };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// A file dialog's setup. filter uses the program's "Name(*.ext)|*.ext||" form; flags are the dialog's
// option bits (for example 0x1006: hide read-only, prompt before overwriting, file must exist).
struct FileDialogRequest {
    std::string filter;
    std::string initialPath;
    std::string defaultExtension;
    std::uint32_t flags = 0;
};

// Everything that asks the user and waits for an answer: message boxes, the open and save file
// dialogs and the colour chooser. Windows run them through this interface so that tests can answer
// instead of the user, and no test ever waits for a window. Texts are UTF-8.
class IPrompts {
public:
    virtual ~IPrompts() = default;

    virtual PromptAnswer ShowMessage(PromptOwner owner, std::string_view text, std::string_view caption,
                                     PromptButtons buttons) = 0;
    // The chosen file, or nullopt when the user cancelled.
    virtual std::optional<std::string> ChooseFileToOpen(PromptOwner owner,
                                                        const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseFileToSave(PromptOwner owner,
                                                        const FileDialogRequest& request) = 0;
    // A colour picked with no preset colour, or nullopt when the user cancelled.
    virtual std::optional<Rgb> ChooseColour(PromptOwner owner) = 0;
};

} // namespace corvalith
