#include "pages/DpiPageModel.h"

#include <algorithm>

namespace corvalith {

void DpiPageModel::SetStepMode(StepMode mode) {
    mode_ = mode;
    LoadFromProfile();
}

void DpiPageModel::LoadFromProfile() {
    CloseEditor();
    for (std::string& text : lastAccepted_) {
        text.clear();
    }
}

std::uint8_t* DpiPageModel::Codes(ProfileSettings& profile) const {
    return mode_ == StepMode::Fine ? profile.DpiValuesA : profile.DpiValuesB;
}

const std::uint8_t* DpiPageModel::Codes(const ProfileSettings& profile) const {
    return mode_ == StepMode::Fine ? profile.DpiValuesA : profile.DpiValuesB;
}

int DpiPageModel::Code(int stage) const {
    return ValidStage(stage) ? Codes(working_)[stage] : 0;
}

int DpiPageModel::SliderPosition(int stage) const {
    return std::clamp(Code(stage), 1, DpiScale::MaximumCode(mode_));
}

std::string DpiPageModel::ValueText(int stage) const {
    return DpiScale::DpiText(mode_, Code(stage));
}

bool DpiPageModel::Enabled(int stage) const {
    return ValidStage(stage) && working_.DpiStageEnabled[stage] != 0;
}

Rgb DpiPageModel::Colour(int stage) const {
    return ValidStage(stage) ? working_.DpiStageColors[stage] : Rgb{0, 0, 0};
}

DpiPageModel::Outcome DpiPageModel::Click(int x, int y, std::string_view openText) {
    Outcome outcome;
    if (openEditor_ != kNoEditor) {
        outcome.Notifications += Commit(openEditor_, openText);
    }
    for (int stage = 0; stage < kStages; ++stage) {
        if (ToggleRect(stage).Contains(x, y)) {
            std::uint8_t& enabled = working_.DpiStageEnabled[stage];
            enabled = enabled == 0 ? 1 : 0;
            ++outcome.Notifications;
        }
    }
    for (int stage = 0; stage < kStages; ++stage) {
        if (SwatchRect(stage).Contains(x, y) && working_.DpiStageEnabled[stage] == 1) {
            outcome.ColourStage = stage;
        }
    }
    for (int stage = 0; stage < kStages; ++stage) {
        if (ValueLabelRect(stage).Contains(x, y)) {
            // The box starts with what the mouse has; that text is the stage's accepted one.
            outcome.OpenedEditor = stage;
            outcome.EditorText = DpiScale::DpiText(mode_, Codes(applied_)[stage]);
            lastAccepted_[static_cast<std::size_t>(stage)] = outcome.EditorText;
            openEditor_ = stage;
        }
    }
    return outcome;
}

int DpiPageModel::ColourChosen(int stage, Rgb colour) {
    if (!ValidStage(stage)) {
        return 0;
    }
    working_.DpiStageColors[stage] = colour;
    return 1;
}

int DpiPageModel::Commit(int stage, std::string_view text) {
    if (!ValidStage(stage)) {
        return 0;
    }
    CloseEditor();
    std::string& last = lastAccepted_[static_cast<std::size_t>(stage)];
    if (text == last) {
        return 0;
    }
    last = std::string(text);
    Codes(working_)[stage] = static_cast<std::uint8_t>(DpiScale::CodeOfText(mode_, text));
    return 1;
}

int DpiPageModel::SliderReleased(int stage, int position, std::string_view openText) {
    if (!ValidStage(stage)) {
        return 0;
    }
    int notifications = 0;
    if (openEditor_ == stage) {
        CloseEditor(); // the slider's value is newer than the typed text
    } else if (openEditor_ != kNoEditor) {
        notifications += Commit(openEditor_, openText);
    }
    Codes(working_)[stage] = static_cast<std::uint8_t>(std::clamp(position, 1, DpiScale::MaximumCode(mode_)));
    lastAccepted_[static_cast<std::size_t>(stage)].clear();
    if (working_.DpiStageEnabled[stage] == 0) {
        working_.DpiStageEnabled[stage] = 1;
    }
    return notifications + 1;
}

} // namespace corvalith
