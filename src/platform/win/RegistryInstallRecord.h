#pragma once

#include "platform/IInstallRecord.h"

#include <string>
#include <utility>

namespace corvalith {

// The installation record in HKEY_CURRENT_USER\SOFTWARE\Corvalith\: two REG_SZ values written once.
// Another key under the current user can be given (the tests use their own).
class RegistryInstallRecord : public IInstallRecord {
public:
    static constexpr const wchar_t* kProductKey = L"SOFTWARE\\Corvalith\\";

    explicit RegistryInstallRecord(std::wstring key = kProductKey) : key_(std::move(key)) {}

    bool IsNewInstallation() override;
    void RecordInstallation(std::string_view liftOffAnswer) override;

private:
    std::wstring key_;
};

} // namespace corvalith
