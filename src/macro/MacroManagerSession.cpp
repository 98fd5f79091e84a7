#include "macro/MacroManagerSession.h"

#include "macro/MacroEventMenu.h"
#include "macro/MacroList.h"
#include "macro/MacroManagerLayout.h"

namespace corvalith {

namespace {

constexpr char kCaption[] = "Corvalith";

} // namespace

void MacroManagerSession::Open(std::string languageCode, std::vector<std::string> buttonLabels,
                               PromptOwner owner) {
    code_ = std::move(languageCode);
    labels_ = std::move(buttonLabels);
    owner_ = owner;
    current_ = -1;
    delayFlag_ = false;
    loopFlag_ = false;
    renames_.clear();
    renaming_.clear();
}

// ---- recording ------------------------------------------------------------------------------------

void MacroManagerSession::OnKeyEvent() {
    s_.Recorder.SetDelayRecording(delayFlag_);
    switch (s_.Recorder.OnKeyEventMessage()) {
    case MacroRecorder::KeyEventResult::Added:
        s_.View.ShowEvents(s_.Recorded, static_cast<int>(s_.Recorded.size()) - 1);
        break;
    case MacroRecorder::KeyEventResult::Stopped:
        s_.View.EnableLoopCount(loopFlag_);
        ShowRecordState();
        break;
    case MacroRecorder::KeyEventResult::Ignored:
        break;
    }
}

void MacroManagerSession::ToggleRecording() {
    if (s_.Recorder.IsRecording()) {
        StopRecording();
        return;
    }
    const std::optional<std::string> selected =
        current_ >= 0 ? std::optional<std::string>(CurrentName()) : std::nullopt;
    s_.Recorder.SetDelayRecording(delayFlag_);
    const MacroRecorder::StartResult result = s_.Recorder.Start(selected, s_.View.LoopText());
    if (result == MacroRecorder::StartResult::NoMacroSelected) {
        return;
    }
    if (result == MacroRecorder::StartResult::HookFailed) {
        // The event list keeps the macro's events: nothing was recorded.
        s_.Prompts.ShowMessage(owner_, MacroRecorder::HookFailureMessage(s_.Recorder.HookError()), kCaption,
                               PromptButtons::Ok);
        return;
    }
    s_.View.ShowEvents(s_.Recorded, -1);
    s_.View.EnableLoopCount(loopFlag_);
    ShowRecordState();
}

void MacroManagerSession::StopRecording() {
    s_.Recorder.SetDelayRecording(delayFlag_);
    s_.Recorder.SetLoopCountText(s_.View.LoopText());
    if (!s_.Recorder.Stop()) {
        return;
    }
    s_.View.EnableLoopCount(loopFlag_);
    ShowRecordState();
}

void MacroManagerSession::ShowRecordState() {
    s_.View.ShowRecordState(s_.Recorder.IsRecording());
}

// ---- the macro list -------------------------------------------------------------------------------

void MacroManagerSession::LoadList() {
    s_.View.FillNames(s_.File.ReadList());
    if (!s_.View.Names().empty()) {
        s_.View.SelectName(0);
        SelectMacro();
    }
}

void MacroManagerSession::SelectMacro() {
    current_ = s_.View.NameSelection();
    if (s_.Recorder.IsRecording()) {
        // The interrupted recording is saved under the macro it was made for.
        s_.Recorder.SetDelayRecording(delayFlag_);
        s_.Recorder.StopForSelectionChange(s_.View.Names());
        ShowRecordState();
    }
    if (current_ < 0) {
        return;
    }
    const Macro macro = s_.File.ReadMacro(CurrentName());
    s_.View.SetLoopText(macro.LoopCountText); // checked at once (LoopCountChanged)
    s_.View.ShowEvents(macro.Items, -1);
    delayFlag_ = MacroList::DelayRecording(macro.DelayRecording, delayFlag_);
    loopFlag_ = MacroList::Loops(s_.View.LoopText());
    s_.View.EnableLoopCount(loopFlag_);
    s_.View.Repaint();
}

void MacroManagerSession::NewMacro() {
    std::vector<std::string> names = s_.View.Names();
    const MacroManagerLayout::Texts texts = MacroManagerLayout::TextsFor(code_);
    const std::optional<std::string> name = MacroList::NewName(names, texts.NameBase);
    if (!name) {
        s_.Prompts.ShowMessage(owner_, texts.LimitMessage, texts.LimitCaption, PromptButtons::Ok);
        return;
    }
    current_ = s_.View.AddName(*name);
    s_.View.SelectName(current_);
    s_.View.ShowEvents({}, -1);
    s_.View.SetLoopText("1"); // writes the loop count, which creates the file when it is missing
    // The list names the new macro at once: a macro left out of the list would be lost to every later
    // opening and to the block table.
    names.push_back(*name);
    s_.File.WriteList(names);
    if (Written()) {
        SelectMacro();
    }
}

void MacroManagerSession::DeleteMacro() {
    const int selected = s_.View.NameSelection();
    if (selected < 0) {
        return;
    }
    const std::string name = s_.View.Name(selected);
    if (!MacroList::MayDelete(name, labels_)) {
        return; // a button plays it
    }
    s_.View.RemoveName(selected);
    s_.View.ShowEvents({}, -1);
    s_.View.SelectName(MacroList::SelectionAfterDelete(selected, static_cast<int>(s_.View.Names().size())));
    s_.File.WriteList(s_.View.Names());
    if (!Written()) {
        return; // the macro is listed again and keeps its section
    }
    s_.File.DeleteMacroSection(name);
    Written();
    SelectMacro();
}

bool MacroManagerSession::BeginRename(int index) {
    if (index < 0) {
        return false;
    }
    StopRecording(); // a recording keeps the name it started with
    renaming_ = s_.View.Name(index);
    return true;
}

void MacroManagerSession::EndOfEdit(bool macroList) {
    if (!macroList) {
        SaveCurrent(); // a delay was edited
        return;
    }
    const std::string from = std::move(renaming_);
    renaming_.clear();
    const std::string to = s_.View.Name(s_.View.NameSelection());
    if (from.empty() || to.empty() || to == from) {
        return; // refused or cancelled: the file stays as it was
    }
    if (s_.File.RenameMacro(s_.View.Names(), from, to)) {
        renames_.emplace_back(from, to);
        labels_ = MacroList::RenamedLabels(std::move(labels_), from, to);
    } else {
        Written(); // a failed rename shows the old name again
    }
}

void MacroManagerSession::LoopCountChanged() {
    if (settingLoopText_) {
        return;
    }
    const std::optional<long> count = MacroList::LoopCount(s_.View.LoopText());
    if (!count) {
        settingLoopText_ = true;
        s_.View.SetLoopText("1");
        settingLoopText_ = false;
    }
    s_.Recorder.SetLoopCountText(s_.View.LoopText());
    if (current_ >= 0) {
        s_.File.WriteLoopCount(CurrentName(), count.value_or(1));
    }
}

void MacroManagerSession::ToggleDelay() {
    delayFlag_ = !delayFlag_;
    s_.Recorder.SetDelayRecording(delayFlag_);
}

void MacroManagerSession::ToggleLoop() {
    loopFlag_ = !loopFlag_;
    s_.View.EnableLoopCount(loopFlag_);
}

// ---- the event list -------------------------------------------------------------------------------

void MacroManagerSession::RunEventCommand(unsigned command) {
    StopRecording();
    const MacroList::Events result = MacroEventMenu::Run(command, s_.View.Events(), s_.View.EventSelection());
    if (!result.Changed) {
        return;
    }
    s_.View.ShowEvents(result.Items, result.Selection);
    SaveCurrent();
}

void MacroManagerSession::SaveCurrent() {
    if (current_ < 0) {
        return;
    }
    s_.File.WriteMacro(Macro{CurrentName(), s_.View.LoopText(), delayFlag_ ? 1 : 0, s_.View.Events()});
    Written();
}

bool MacroManagerSession::Written() {
    const int error = s_.File.LastError();
    if (error == 0) {
        return true;
    }
    s_.Prompts.ShowMessage(owner_, MacroFile::WriteFailureMessage(error), kCaption, PromptButtons::Ok);
    // The lists show again what the file holds, with the same macro selected while it is listed.
    const std::string selected = CurrentName();
    LoadList();
    if (s_.View.Names().empty()) {
        current_ = -1;
        s_.View.ShowEvents({}, -1);
    }
    const int found = s_.View.FindName(selected);
    if (!selected.empty() && found >= 0 && found != s_.View.NameSelection()) {
        s_.View.SelectName(found);
        SelectMacro();
    }
    return false;
}

std::string MacroManagerSession::CurrentName() const {
    return current_ >= 0 ? s_.View.Name(current_) : std::string();
}

} // namespace corvalith
