#pragma once

#include "profile/ProfileSettings.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace corvalith {

// A stored profile (config<n>.bin, config.bin, an exported .bin): one marker byte, then the record.
class ProfileFile {
public:
    static constexpr std::size_t kSize = 1 + ProfileSettings::kSize;
    static constexpr std::uint8_t kMarker = 1;

    struct ReadResult {
        int Marker;              // the stored marker byte, 0 for an empty file
        std::size_t RecordBytes; // record bytes copied, 0 to 1892
    };

    static std::vector<std::uint8_t> Encode(const ProfileSettings& profile);

    // Copies up to 1892 record bytes that follow the marker into the profile; a shorter file leaves the
    // rest of the record as it was, and bytes past the record are ignored.
    static ReadResult Decode(std::span<const std::uint8_t> file, ProfileSettings& profile);
};

} // namespace corvalith
