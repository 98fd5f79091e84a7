#pragma once

#include "device/UploadStatus.h"

#include <cstdint>
#include <optional>

namespace corvalith {

// An upload status packed into the two words of a posted window message, so that the device worker can
// hand it to the window's thread without sharing memory. First: the phase (bits 0-7), the kind (8-15) and
// the operation's report count (16-31); second: the delivered (0-15) and failed (16-31) reports.
class UploadStatusWords {
public:
    struct Words {
        std::uint32_t First = 0;
        std::uint32_t Second = 0;
        friend bool operator==(const Words&, const Words&) = default;
    };

    static Words Pack(const UploadStatus& status);
    // Nothing for words no status packs into: an unknown phase or kind, more reports counted than the
    // operation has, or bits beyond the 32 a word uses.
    static std::optional<UploadStatus> Unpack(std::uint64_t first, std::uint64_t second);
};

} // namespace corvalith
