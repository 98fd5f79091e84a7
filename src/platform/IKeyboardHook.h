#pragma once

namespace corvalith {

// A system-wide source of key events (a low-level keyboard hook on Windows). While it is installed every
// key event anywhere in the system is handed to its owner first, which may swallow it.
class IKeyboardHook {
public:
    virtual ~IKeyboardHook() = default;
    // Returns 0, or the system's error code when the hook cannot be installed.
    virtual int Install() = 0;
    virtual void Remove() = 0;
    virtual bool IsInstalled() const = 0;
};

} // namespace corvalith
