#pragma once

#include "macro/MacroFile.h"
#include "platform/IClock.h"
#include "platform/IKeyboardHook.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace corvalith {

// Records key presses and releases into the selected macro. While recording, a system-wide keyboard hook
// hands every key event to OnHookEvent, which swallows it and asks for a key event message (0x926) to be
// posted to the macro manager; the manager's handler calls OnKeyEventMessage, which appends the items to
// the event list. Recording ends with Stop (saving the event list) or StopForSelectionChange (saving what
// was recorded under the macro it was made for), and by itself after 62 events.
//
// Events reach the handler through a queue filled by the hook, so each message is handled with the key
// it was posted for even when several hook calls run before the first message is handled.
class MacroRecorder {
public:
    static constexpr std::uint32_t kEventLimit = 62;
    static constexpr std::uint32_t kKeyEventMessage = 0x0926;

    struct Services {
        IKeyboardHook& Hook;
        IClock& Clock;
        MacroFile& File;
    };

    enum class FirstKeyState : std::uint8_t { NothingRecorded = 0, KeyDownRecorded = 1, Stopped = 2 };

    // What the hook procedure does with an event: pass it on (return 0), or swallow it (return 1) and post
    // the key event message with wParam 0 (down) or 1 (up).
    enum class HookAction { PassOn, PostKeyDown, PostKeyUp };

    enum class StartResult { Started, NoMacroSelected, HookFailed };
    enum class KeyEventResult { Ignored, Added, Stopped };

    // `eventList` is the macro manager's event list: emptied when recording starts, appended to while it
    // runs, saved when it stops.
    MacroRecorder(Services services, std::vector<std::string>& eventList);
    ~MacroRecorder();
    MacroRecorder(const MacroRecorder&) = delete;
    MacroRecorder& operator=(const MacroRecorder&) = delete;

    // The selected macro's delay-recording flag ("Record delay between keystrokes"); may change while
    // recording and is saved with the macro.
    void SetDelayRecording(bool on) { delayRecording_ = on; }
    bool DelayRecording() const { return delayRecording_; }
    // The text of the loop-count box, saved with the macro when recording stops.
    void SetLoopCountText(std::string text) { loopCountText_ = std::move(text); }
    const std::string& LoopCountText() const { return loopCountText_; }

    // Starts recording into `selectedMacro` (nullopt: no macro selected, nothing happens). The event list is
    // emptied once the hook is installed; when it cannot be, the list is kept and HookError() gives the
    // system's error code.
    StartResult Start(const std::optional<std::string>& selectedMacro, std::string loopCountText);
    int HookError() const { return hookError_; }
    // "JournalRecordHook Install error code :<error>\n"
    static std::string HookFailureMessage(int error);

    HookAction OnHookEvent(int hookCode, std::uint32_t virtualKey, std::uint32_t flags);
    KeyEventResult OnKeyEventMessage();

    // Both return false and do nothing unless recording with the hook installed.
    // Stop: removes the hook and saves the event list as the macro (full save).
    bool Stop();
    // Stop for a change of the selected macro: removes the hook, rewrites the list section from
    // `macroNames` and saves the recording snapshot under the macro it was made for.
    bool StopForSelectionChange(const std::vector<std::string>& macroNames);

    bool IsRecording() const { return recording_; }
    FirstKeyState FirstKey() const { return firstKey_; }
    std::uint32_t EventCounter() const { return eventCounter_; }
    const std::string& MacroName() const { return macroName_; }
    // [0] macro name, [1] delay-recording flag, [2] loop-count text, then every recorded item.
    const std::vector<std::string>& Snapshot() const { return snapshot_; }

private:
    struct PendingEvent {
        std::string KeyName;
        bool KeyUp;
        std::uint32_t Number; // the event counter after this event
    };

    void Add(std::string item);
    // The state changes shared by both stops; false when not recording.
    bool EndRecording();

    Services services_;
    std::vector<std::string>& eventList_;
    bool recording_ = false;
    FirstKeyState firstKey_ = FirstKeyState::NothingRecorded;
    std::uint32_t eventCounter_ = 0;
    std::uint32_t lastVirtualKey_ = 0;
    std::uint32_t lastFlags_ = 0;
    std::uint32_t lastEventTime_ = 0;
    bool delayRecording_ = false;
    int hookError_ = 0;
    std::string macroName_;
    std::string loopCountText_;
    std::vector<std::string> snapshot_;
    std::deque<PendingEvent> pending_;
};

} // namespace corvalith
