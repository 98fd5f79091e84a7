#include "ini/FileInstallRecord.h"

#include "ini/IniFile.h"

#include <utility>

namespace corvalith {

namespace {
constexpr std::string_view kSection = "SOFTWARE\\Corvalith";
}

FileInstallRecord::FileInstallRecord(IFileSystem& files, std::string path)
    : files_(files), path_(std::move(path)) {}

bool FileInstallRecord::IsNewInstallation() {
    return !ini::IniFile(files_, path_).Load().HasSection(kSection);
}

void FileInstallRecord::RecordInstallation(std::string_view liftOffAnswer) {
    if (!IsNewInstallation()) {
        return;
    }
    if (const auto slash = path_.find_last_of("/\\"); slash != std::string::npos) {
        files_.CreateDirectories(path_.substr(0, slash + 1));
    }
    ini::IniFile record(files_, path_);
    record.WriteString(kSection, "IsNewInstalled", "N");
    record.WriteString(kSection, "LOD-Switcher", liftOffAnswer);
}

} // namespace corvalith
