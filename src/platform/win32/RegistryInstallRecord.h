#pragma once

#include "platform/IInstallRecord.h"

namespace corvalith {

// The installation record in HKEY_CURRENT_USER\SOFTWARE\Corvalith\: two REG_SZ values written once.
class RegistryInstallRecord : public IInstallRecord {
public:
    bool IsNewInstallation() override;
    void RecordInstallation(std::string_view liftOffAnswer) override;
};

} // namespace corvalith
