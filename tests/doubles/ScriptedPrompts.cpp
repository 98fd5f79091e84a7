#include "doubles/ScriptedPrompts.h"

namespace corvalith::test {

namespace {

template <typename T> T Next(std::deque<T>& answers, T fallback) {
    if (answers.empty()) {
        return fallback;
    }
    T answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

} // namespace

PromptAnswer ScriptedPrompts::ShowMessage(PromptOwner owner, std::string_view text, std::string_view caption,
                                          PromptButtons buttons) {
    questions.push_back({Kind::Message, owner, std::string(text), std::string(caption), buttons, 0});
    return Next(messageAnswers, buttons == PromptButtons::YesNo ? PromptAnswer::Yes : PromptAnswer::Ok);
}

std::optional<std::string> ScriptedPrompts::ChooseFileToOpen(PromptOwner owner,
                                                             const FileDialogRequest& request) {
    questions.push_back(
        {Kind::OpenFile, owner, request.initialPath, request.filter, PromptButtons::Ok, request.flags});
    return Next<std::optional<std::string>>(fileAnswers, std::nullopt);
}

std::optional<std::string> ScriptedPrompts::ChooseFileToSave(PromptOwner owner,
                                                             const FileDialogRequest& request) {
    questions.push_back(
        {Kind::SaveFile, owner, request.initialPath, request.filter, PromptButtons::Ok, request.flags});
    return Next<std::optional<std::string>>(fileAnswers, std::nullopt);
}

std::optional<Rgb> ScriptedPrompts::ChooseColour(PromptOwner owner) {
    questions.push_back({Kind::Colour, owner, {}, {}, PromptButtons::Ok, 0});
    return Next<std::optional<Rgb>>(colourAnswers, std::nullopt);
}

} // namespace corvalith::test
