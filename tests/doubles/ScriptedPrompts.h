#pragma once

#include "framework/IPrompts.h"

#include <deque>
#include <string>
#include <vector>

namespace corvalith::test {

// Answers prompts from scripts instead of the user and records every question. Without a scripted
// answer a message box answers Ok (or Yes) and the dialogs are cancelled, so nothing ever waits.
class ScriptedPrompts : public IPrompts {
public:
    enum class Kind { Message, OpenFile, SaveFile, Colour };

    struct Question {
        Kind kind;
        PromptOwner owner;
        std::string text;    // the message, or the file dialog's initial path
        std::string caption; // the message's caption, or the file dialog's filter
        PromptButtons buttons = PromptButtons::Ok;
        std::uint32_t flags = 0;
    };

    PromptAnswer ShowMessage(PromptOwner owner, std::string_view text, std::string_view caption,
                             PromptButtons buttons) override;
    std::optional<std::string> ChooseFileToOpen(PromptOwner owner, const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFileToSave(PromptOwner owner, const FileDialogRequest& request) override;
    std::optional<Rgb> ChooseColour(PromptOwner owner) override;

    std::deque<PromptAnswer> messageAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<std::optional<Rgb>> colourAnswers;
    std::vector<Question> questions;
};

} // namespace corvalith::test
