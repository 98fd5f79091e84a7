#pragma once

#include "profile/ProfileSettings.h"

#include <cstdint>
#include <cstring>

namespace corvalith {

// What the device link keeps of the mouse between commands: the answers of the two queries, the kept
// part of the lighting block and the staging buffers of an upload. Cleared at every connection (at the
// first operation after it).
struct DeviceStateArea {
    static constexpr std::size_t kLightingKept = 24;
    static constexpr std::size_t kMacroCopySize = sizeof(ProfileSettings::MacroBlockTable) + 62;

    std::uint8_t PollingRate;
    std::uint8_t PollingExtra[3];
    std::uint8_t CurrentDpiStage;
    std::uint8_t LightingBlock[kLightingKept];
    // Staging: the button function table being built and the upload copy of the macro block table, which
    // carries 62 zero bytes past the last block so that every slot transfer has 192 bytes.
    std::uint8_t ButtonTable[128];
    std::uint8_t MacroCopy[kMacroCopySize];

    void Clear() { std::memset(this, 0, sizeof *this); }
    void ClearStaging() {
        std::memset(ButtonTable, 0, sizeof ButtonTable);
        std::memset(MacroCopy, 0, sizeof MacroCopy);
    }
};

} // namespace corvalith
