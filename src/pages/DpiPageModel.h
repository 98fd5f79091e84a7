#pragma once

#include "pages/DpiScale.h"
#include "platform/Rect.h"
#include "platform/Rgb.h"
#include "profile/ProfileSettings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace corvalith {

// What the DPI page decides: its geometry, the stage codes of the current step mode, the enable
// toggles, which swatch opens the colour chooser, and the edit boxes with their commit rules. Every
// change is written into the working profile at once; each returns how many settings-changed
// notifications (DPI) the page posts, one per change.
//
// Typed text is remembered per stage as the last accepted text, so the same value typed for two stages
// is taken for both; an entry that repeats a stage's last accepted text changes nothing. A commit closes
// the edit box, so nothing is committed twice, and a slider move on a stage drops that stage's typed text
// (the slider's value is the newer one).
class DpiPageModel {
public:
    using StepMode = DpiScale::StepMode;
    static constexpr int kStages = 7;
    static constexpr int kStageSpacing = 30;
    static constexpr int kNoEditor = -1;

    // Stage geometry (stage 0; the others 30 pixels further right each).
    static Rect SliderRect(int stage) { return Shifted({25, 3, 32, 173}, stage); }
    static Rect ValueLabelRect(int stage) { return Shifted({20, 182, 45, 193}, stage); }
    static Rect EditRect(int stage) { return Shifted({20, 179, 45, 196}, stage); }
    static Rect ToggleRect(int stage) { return Shifted({25, 202, 35, 211}, stage); }
    static Rect SwatchRect(int stage) { return Shifted({25, 215, 35, 225}, stage); }

    // What a click asks of the window besides the notifications.
    struct Outcome {
        int Notifications = 0;
        std::optional<int> ColourStage;  // open the colour chooser for this stage
        std::optional<int> OpenedEditor; // show this stage's edit box with EditorText
        std::string EditorText;
        friend bool operator==(const Outcome&, const Outcome&) = default;
    };

    DpiPageModel(ProfileSettings& working, const ProfileSettings& applied)
        : working_(working), applied_(applied) {}

    StepMode Mode() const { return mode_; }
    // Switches the scale and loads the page from the profile again; stored codes are not converted.
    void SetStepMode(StepMode mode);
    // Closes the edit box without committing and forgets typed text: the profile's values are shown.
    void LoadFromProfile();

    // The stored code of a stage in the current step mode (0 for a stage out of range).
    int Code(int stage) const;
    // Where the stage's slider stands: the code clamped to 1..MaximumCode.
    int SliderPosition(int stage) const;
    // The value label's text: the stored code's DPI, unclamped.
    std::string ValueText(int stage) const;
    bool Enabled(int stage) const;
    Rgb Colour(int stage) const;
    int OpenEditor() const { return openEditor_; }

    // A left click on the page at x, y. openText is the text of the open edit box, committed first.
    Outcome Click(int x, int y, std::string_view openText);
    // The colour chooser of ColourStage was confirmed.
    int ColourChosen(int stage, Rgb colour);
    // Enter in a stage's edit box: commits text.
    int Commit(int stage, std::string_view text);
    // A stage's slider was released at position; openText is the open edit box's text.
    int SliderReleased(int stage, int position, std::string_view openText);

private:
    static bool ValidStage(int stage) { return stage >= 0 && stage < kStages; }
    static Rect Shifted(Rect rect, int stage) { return rect.Offset(kStageSpacing * stage, 0); }
    std::uint8_t* Codes(ProfileSettings& profile) const;
    const std::uint8_t* Codes(const ProfileSettings& profile) const;
    void CloseEditor() { openEditor_ = kNoEditor; }

    ProfileSettings& working_;
    const ProfileSettings& applied_;
    StepMode mode_ = StepMode::Fine;
    int openEditor_ = kNoEditor;
    std::array<std::string, kStages> lastAccepted_{};
};

} // namespace corvalith
