#include "macro/MacroRecorder.h"

#include "assign/KeyTables.h"
#include "macro/MacroItem.h"

#include <utility>

namespace corvalith {

MacroRecorder::MacroRecorder(Services services, std::vector<std::string>& eventList)
    : services_(services), eventList_(eventList) {}

MacroRecorder::~MacroRecorder() {
    if (services_.Hook.IsInstalled()) {
        services_.Hook.Remove();
    }
}

std::string MacroRecorder::HookFailureMessage(int error) {
    return "JournalRecordHook Install error code :" + std::to_string(error) + "\n";
}

MacroRecorder::StartResult MacroRecorder::Start(const std::optional<std::string>& selectedMacro,
                                                std::string loopCountText) {
    if (!selectedMacro) {
        return StartResult::NoMacroSelected;
    }
    macroName_ = *selectedMacro;
    loopCountText_ = std::move(loopCountText);
    snapshot_ = {macroName_, std::to_string(delayRecording_ ? 1 : 0), loopCountText_};

    eventCounter_ = 0;
    if (services_.Hook.IsInstalled()) {
        services_.Hook.Remove();
    }
    pending_.clear();

    hookError_ = services_.Hook.Install();
    if (hookError_ != 0) {
        // Nothing is recorded, so the macro keeps its events: an emptied list would be saved by the next
        // OK or New, and a macro saved without events loses its section.
        return StartResult::HookFailed;
    }
    eventList_.clear();
    recording_ = true;
    firstKey_ = FirstKeyState::NothingRecorded;
    // A new recording suppresses repeats only of its own keys, and measures a key up that comes before any
    // key down from the start of the recording.
    lastVirtualKey_ = 0;
    lastFlags_ = 0;
    lastEventTime_ = services_.Clock.NowMilliseconds();
    return StartResult::Started;
}

MacroRecorder::HookAction MacroRecorder::OnHookEvent(int hookCode, std::uint32_t virtualKey,
                                                     std::uint32_t flags) {
    // Only action codes (0) carry an event; the others must be passed on untouched.
    if (hookCode != 0 || !recording_) {
        return HookAction::PassOn;
    }
    const std::uint32_t masked = flags & KeyTables::kFlagMask;
    const std::uint32_t key = KeyTables::EffectiveVirtualKey(virtualKey, masked);
    // A held key repeats its key down; the repeats reach the focused window and are recorded once. The
    // comparison uses the keypad Enter's own code, so a held keypad Enter is recorded once too.
    if (key == lastVirtualKey_ && masked == lastFlags_) {
        return HookAction::PassOn;
    }
    lastVirtualKey_ = key;
    lastFlags_ = masked;

    const bool keyUp = (masked & KeyTables::kFlagReleased) != 0;
    ++eventCounter_;
    pending_.push_back({std::string(KeyTables::NameOfVirtualKey(key)), keyUp, eventCounter_});
    return keyUp ? HookAction::PostKeyUp : HookAction::PostKeyDown;
}

MacroRecorder::KeyEventResult MacroRecorder::OnKeyEventMessage() {
    // Messages still queued when recording stopped add nothing.
    if (!recording_ || pending_.empty()) {
        return KeyEventResult::Ignored;
    }
    const PendingEvent event = std::move(pending_.front());
    pending_.pop_front();
    if (event.Number > kEventLimit) {
        Stop();
        return KeyEventResult::Stopped;
    }
    if (event.KeyName.empty()) {
        return KeyEventResult::Ignored; // swallowed, but a key without a name is not recorded
    }

    const std::uint32_t now = services_.Clock.NowMilliseconds();
    if (!event.KeyUp) {
        if (delayRecording_ && firstKey_ == FirstKeyState::KeyDownRecorded) {
            Add(MacroItem::Delay(now - lastEventTime_));
        }
        Add(MacroItem::KeyDown(event.KeyName));
        if (firstKey_ == FirstKeyState::NothingRecorded) {
            firstKey_ = FirstKeyState::KeyDownRecorded;
        }
    } else {
        if (delayRecording_) {
            Add(MacroItem::Delay(now - lastEventTime_));
        }
        Add(MacroItem::KeyUp(event.KeyName));
    }
    lastEventTime_ = now;
    return KeyEventResult::Added;
}

void MacroRecorder::Add(std::string item) {
    snapshot_.push_back(item);
    eventList_.push_back(std::move(item));
}

bool MacroRecorder::EndRecording() {
    if (!recording_ || !services_.Hook.IsInstalled()) {
        return false;
    }
    eventCounter_ = 0;
    services_.Hook.Remove();
    firstKey_ = FirstKeyState::Stopped;
    recording_ = false;
    pending_.clear();
    return true;
}

bool MacroRecorder::Stop() {
    if (!EndRecording()) {
        return false;
    }
    services_.File.WriteMacro(Macro{macroName_, loopCountText_, delayRecording_ ? 1 : 0, eventList_});
    return true;
}

bool MacroRecorder::StopForSelectionChange(const std::vector<std::string>& macroNames) {
    if (!EndRecording()) {
        return false;
    }
    services_.File.WriteList(macroNames);
    services_.File.WriteInterruptedRecording(snapshot_);
    return true;
}

} // namespace corvalith
