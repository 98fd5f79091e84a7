// libFuzzer target: any bytes, of any length, as a stored profile file (config<n>.bin, config.bin, an
// exported .bin). Decoding it, listing its fields, loading it as the current profile, applying its pointer
// settings and writing it to a freshly plugged virtual mouse must never crash. A file decodes into exactly
// its record bytes (a short one leaves the rest of the record as it was), a decoded profile saved and
// decoded again is the same record, a loaded one is the decoded record brought into its pages' ranges and
// hands Windows only settings a page could set, and every frame the upload sends carries a valid checksum.
#include "FuzzFolder.h"
#include "cli/ProfileFields.h"
#include "cli/QuietHost.h"
#include "device/DeviceLink.h"
#include "device/ProfileUploader.h"
#include "platform/FixedDataFolderLocator.h"
#include "platform/RecordingMouseSettings.h"
#include "profile/PointerSettingsApplier.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileStorage.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::uint8_t kUntouched = 0x5A;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvalith;
    const std::span<const std::uint8_t> file(data, size);

    ProfileSettings profile;
    std::memset(profile.Bytes(), kUntouched, ProfileSettings::kSize);
    const ProfileFile::ReadResult read = ProfileFile::Decode(file, profile);
    const std::size_t expected = size == 0 ? 0 : std::min(size - 1, ProfileSettings::kSize);
    if (read.RecordBytes != expected || read.Marker != (size == 0 ? 0 : data[0]) ||
        (expected != 0 && std::memcmp(profile.Bytes(), data + 1, expected) != 0) ||
        std::any_of(profile.Bytes() + expected, profile.Bytes() + ProfileSettings::kSize,
                    [](std::uint8_t b) { return b != kUntouched; })) {
        std::abort();
    }
    const std::vector<std::uint8_t> saved = ProfileFile::Encode(profile);
    ProfileSettings again{};
    if (saved.size() != ProfileFile::kSize || saved[0] != ProfileFile::kMarker ||
        ProfileFile::Decode(saved, again).RecordBytes != ProfileSettings::kSize ||
        std::memcmp(again.Bytes(), profile.Bytes(), ProfileSettings::kSize) != 0) {
        std::abort();
    }
    (void)ProfileFields::Lines(profile);

    // The file as the current profile of a data folder without a profile list.
    QuietHost quiet;
    fuzz::FuzzFolder folder;
    folder.files["/d/config0.bin"].assign(data, data + size);
    FixedDataFolderLocator locator("/d/");
    ProfileSession session;
    std::memset(session.Working.Bytes(), kUntouched, ProfileSettings::kSize);
    ProfileStorage storage(session, {folder, quiet, locator, quiet, quiet, quiet});
    storage.LoadProfile();
    ProfileSettings clamped = profile;
    clamped.ClampToPageRanges();
    if (std::memcmp(session.Working.Bytes(), clamped.Bytes(), ProfileSettings::kSize) != 0) {
        std::abort();
    }

    // Whatever the file holds, Windows receives only settings a page could have set.
    RecordingMouseSettings system;
    PointerSettingsApplier(system, quiet).ApplyPointerSettings(session.Working);
    const std::uint32_t lines = system.LastWheelScrollLines();
    if (system.LastSpeed() < 1 || system.LastSpeed() > 20 || system.LastDoubleClickTime() < 200 ||
        system.LastDoubleClickTime() > 900 || ((lines < 1 || lines > 100) && lines != 0xFFFFFFFFu)) {
        std::abort();
    }

    TraceWriter trace;
    SimulatedClock clock(trace);
    VirtualMouse mouse(trace);
    mouse.Plug();
    DeviceLink link(mouse, clock, quiet, [](std::uint8_t) {});
    if (!link.Connect()) {
        std::abort();
    }
    ProfileUploader uploader(link, session, storage, quiet, quiet);
    uploader.WriteProfileToMouse();
    if (mouse.State().RejectedFrames != 0) {
        std::abort();
    }
    return 0;
}
