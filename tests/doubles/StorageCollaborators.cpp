#include "doubles/StorageCollaborators.h"

#include <cstring>

namespace corvalith::test {

void StorageCollaborators::RebuildMacroBlockTable(const std::string& macrosFilePath,
                                                  ProfileSettings& profile) {
    log.push_back("macros " + macrosFilePath);
    if (macroFill != 0) {
        std::memset(profile.MacroBlockTable, macroFill, sizeof profile.MacroBlockTable);
    }
}

void StorageCollaborators::WriteProfileToMouse() {
    Note("upload");
}

void StorageCollaborators::SwitchMouseToProfile() {
    Note("switch");
}

void StorageCollaborators::Note(std::string entry) {
    if (watched != nullptr) {
        entry += " index=" + std::to_string(watched->ProfileIndex) +
                 " liftoff=" + std::to_string(watched->LiftOffEnabled);
    }
    log.push_back(entry);
}

void StorageCollaborators::ApplyPointerSettings(const ProfileSettings& profile) {
    log.push_back("pointer speed=" + std::to_string(profile.PointerSpeed));
}

} // namespace corvalith::test
