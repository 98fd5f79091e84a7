#pragma once

#include "platform/IFileSystem.h"
#include "platform/IInstallRecord.h"

#include <string>

namespace corvalith {

// The installation record in a file (native builds, and sandboxed runs of the Windows program): section
// "SOFTWARE\Corvalith" of a small text file, holding the same two values the Windows program keeps in the
// registry.
class FileInstallRecord : public IInstallRecord {
public:
    FileInstallRecord(IFileSystem& files, std::string path);

    bool IsNewInstallation() override;
    void RecordInstallation(std::string_view liftOffAnswer) override;

private:
    IFileSystem& files_;
    std::string path_;
};

} // namespace corvalith
