#include "profile/ProfileFile.h"

#include <algorithm>
#include <cstring>

namespace corvalith {

std::vector<std::uint8_t> ProfileFile::Encode(const ProfileSettings& profile) {
    std::vector<std::uint8_t> file(kSize);
    file[0] = kMarker;
    std::memcpy(file.data() + 1, profile.Bytes(), ProfileSettings::kSize);
    return file;
}

ProfileFile::ReadResult ProfileFile::Decode(std::span<const std::uint8_t> file, ProfileSettings& profile) {
    if (file.empty()) {
        return {0, 0};
    }
    const std::size_t count = std::min(file.size() - 1, ProfileSettings::kSize);
    std::memcpy(profile.Bytes(), file.data() + 1, count);
    return {file[0], count};
}

} // namespace corvalith
