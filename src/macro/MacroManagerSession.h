#pragma once

#include "framework/IPrompts.h"
#include "macro/IMacroManagerView.h"
#include "macro/MacroFile.h"
#include "macro/MacroRecorder.h"

#include <string>
#include <utility>
#include <vector>

namespace corvalith {

// What the macro manager does with its lists and the macros file: selecting, creating, deleting and
// renaming macros, editing the selected macro's events and loop count, recording, and what a failed write
// shows. Every change is written to the file at once; when a write fails the user is told and the lists
// show again what the file holds. The window only passes its input here and shows the view.
class MacroManagerSession {
public:
    using Rename = std::pair<std::string, std::string>;

    struct Services {
        IMacroManagerView& View;
        MacroFile& File;
        MacroRecorder& Recorder;
        std::vector<std::string>& Recorded; // the recorder's event list
        IPrompts& Prompts;
    };

    explicit MacroManagerSession(Services services) : s_(services) {}

    // At each opening: the language, the captions of the assignable buttons and the prompts' owner.
    void Open(std::string languageCode, std::vector<std::string> buttonLabels, PromptOwner owner);
    // Fills the macro list from the file and selects the first macro.
    void LoadList();

    void SelectMacro();
    void NewMacro();
    void DeleteMacro();
    // Stops recording and remembers the name of item `index` before the in-place editor opens; false for
    // no item.
    bool BeginRename(int index);
    void CancelRename() { renaming_.clear(); }
    // The in-place editor closed over the macro list (a rename) or the event list (a delay).
    void EndOfEdit(bool macroList);
    void LoopCountChanged();
    void RunEventCommand(unsigned command);
    void ToggleDelay();
    void ToggleLoop();

    void ToggleRecording();
    void StopRecording();
    void OnKeyEvent();

    // The full save of the selected macro: flag, loop count and the event list.
    void SaveCurrent();
    // True when the last write of the macros file went through.
    bool Written();

    bool DelayTicked() const { return delayFlag_; }
    bool LoopTicked() const { return loopFlag_; }
    // The renames committed while the manager was last open, old name then new name, in order.
    const std::vector<Rename>& Renames() const { return renames_; }

private:
    std::string CurrentName() const;
    void ShowRecordState();

    Services s_;
    std::string code_;
    std::vector<std::string> labels_;
    PromptOwner owner_ = nullptr;
    std::vector<Rename> renames_;
    int current_ = -1;
    bool delayFlag_ = false;
    bool loopFlag_ = false;
    bool settingLoopText_ = false;
    std::string renaming_; // the name being edited in place, empty when none
};

} // namespace corvalith
