// libFuzzer target: any bytes as str.ini, the file that holds the profile list ("ItemCount", "Item<n>",
// "CurProfileName") and the file moves a list stored after a delete still announces ("File<n>"). Six
// profiles are stored beside it. Reading the list (which finishes announced moves), loading the current
// profile from it, and closing the profile manager after a New must never crash. A profile file is only
// ever replaced by another stored profile as a whole, never mixed or cut; the current profile index stays
// within the six; and the list stored on close reads back with as many entries as were stored.
#include "FuzzFolder.h"
#include "cli/QuietHost.h"
#include "platform/FixedDataFolderLocator.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileListStore.h"
#include "profile/ProfileStorage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace corvalith;

const std::string kFolder = "/d/";

std::string Numbered(const char* stem, int number, const char* extension) {
    return kFolder + stem + std::to_string(number) + extension;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzFolder folder;
    std::set<std::vector<std::uint8_t>> stored;
    for (int i = 0; i < static_cast<int>(ProfileList::kMaxProfiles); ++i) {
        ProfileSettings profile = ProfileSettings::FactoryDefaults();
        profile.ProfileIndex = static_cast<std::uint8_t>(i);
        profile.PointerSpeed = static_cast<std::uint8_t>(i + 1);
        folder.files[Numbered("config", i, ".bin")] = ProfileFile::Encode(profile);
        stored.insert(folder.files[Numbered("config", i, ".bin")]);
        const std::string text = "[Setting-EN]\r\nItem1=Button " + std::to_string(i) + "\r\n";
        folder.files[Numbered("str", i, ".ini")].assign(text.begin(), text.end());
    }
    folder.files[kFolder + "str.ini"].assign(data, data + size);
    const auto check = [&] {
        for (int i = 0; i < static_cast<int>(ProfileList::kMaxProfiles); ++i) {
            const auto found = folder.files.find(Numbered("config", i, ".bin"));
            if (found != folder.files.end() && !stored.contains(found->second)) {
                std::abort();
            }
        }
    };

    QuietHost quiet;
    FixedDataFolderLocator locator(kFolder);
    ProfileSession session;
    ProfileStorage storage(session, {folder, quiet, locator, quiet, quiet, quiet});
    storage.LoadProfile();
    check();
    if (session.CurrentProfileIndex >= ProfileList::kMaxProfiles) {
        std::abort();
    }

    ProfileListStore store(folder, kFolder);
    ProfileList list = store.Read(session);
    check();
    if (list.Count() > ProfileList::kMaxProfiles) {
        std::abort();
    }
    list.AddNew("Profile");
    if (list.Count() >= 2) {
        list.Select(0);
        list.DeleteSelected();
    }
    const std::size_t count = list.Count();
    store.Save(list, session);
    check();
    if (session.CurrentProfileIndex >= ProfileList::kMaxProfiles ||
        (count != 0 && store.Read(session).Count() != count)) {
        std::abort();
    }
    check();
    return 0;
}
