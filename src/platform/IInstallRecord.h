#pragma once

#include <string_view>

namespace corvalith {

// The record of the first installation: the registry key "SOFTWARE\Corvalith\" under the current user
// on Windows, a small file natively.
class IInstallRecord {
public:
    virtual ~IInstallRecord() = default;

    // True when the record cannot be opened for reading and writing, which means a first start.
    virtual bool IsNewInstallation() = 0;

    // Creates the record with "IsNewInstalled" = "N" and "LOD-Switcher" = the lift-off answer ("ON" or
    // "OFF"). An existing record is left alone.
    virtual void RecordInstallation(std::string_view liftOffAnswer) = 0;
};

} // namespace corvalith
