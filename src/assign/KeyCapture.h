#pragma once

#include "platform/IDebugOutput.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvalith {

// The key capture dialog's state: the key it shows and what the system-wide keyboard hook does with each
// key event while the dialog is open. Every event, pressed or released, replaces the shown key and is
// swallowed, so no program receives the keyboard until the dialog closes.
class KeyCapture {
public:
    // Written for every key event. It says that an event came, never which key: any program reading
    // the debug output would otherwise see what the user types anywhere in the system.
    static constexpr std::string_view kKeyEventLine = "Single key hook: key event\n";
    // Added to the label after a key that the mouse cannot be given.
    static constexpr std::string_view kNotAssignableMark = " (N/A)";
    // The hook's code for an event to act on.
    static constexpr int kHookAction = 0;

    KeyCapture(std::string initialName, IDebugOutput& debug)
        : name_(std::move(initialName)), debug_(&debug) {}

    // A key event from the hook, with the event's flags as the system gives them. True when the event is
    // swallowed (the dialog then posts itself the key message).
    bool OnKeyEvent(int hookCode, std::uint32_t virtualKey, std::uint32_t scanCode, std::uint32_t flags);

    // The key shown: the initial one until a key is pressed, then the last key's name ("" for a key
    // without a name).
    const std::string& KeyName() const { return name_; }
    bool Captured() const { return captured_; }
    // The label's text: the key's name, marked when a pressed key has no usage code for the mouse.
    std::string LabelText() const;
    // What OK assigns: the name of a key pressed while the dialog was open; nothing when no key was
    // pressed, or the last key has no name.
    std::optional<std::string> Choice() const;

private:
    std::string name_;
    IDebugOutput* debug_;
    bool captured_ = false;
};

} // namespace corvalith
