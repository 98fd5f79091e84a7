#pragma once

#include "platform/IKeyboardHook.h"

namespace corvalith::test {

// A keyboard hook that only records whether it is installed; it can be told to fail with an error code.
class FakeKeyboardHook : public IKeyboardHook {
public:
    int Install() override {
        if (installError != 0) {
            return installError;
        }
        installed = true;
        ++installs;
        return 0;
    }
    void Remove() override {
        installed = false;
        ++removals;
    }
    bool IsInstalled() const override { return installed; }

    int installError = 0;
    bool installed = false;
    int installs = 0;
    int removals = 0;
};

} // namespace corvalith::test
