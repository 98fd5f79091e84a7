#include "assign/KeyCapture.h"

#include "assign/KeyTables.h"

namespace corvalith {

bool KeyCapture::OnKeyEvent(int hookCode, std::uint32_t virtualKey, std::uint32_t, std::uint32_t flags) {
    if (hookCode != kHookAction) {
        return false;
    }
    debug_->Write(kKeyEventLine);
    const std::uint32_t key = KeyTables::EffectiveVirtualKey(virtualKey, flags & KeyTables::kFlagMask);
    name_ = std::string(KeyTables::NameOfVirtualKey(key));
    captured_ = true;
    return true;
}

std::string KeyCapture::LabelText() const {
    if (!captured_ || name_.empty() || KeyTables::UsageOfName(name_) != 0) {
        return name_;
    }
    return name_ + std::string(kNotAssignableMark);
}

std::optional<std::string> KeyCapture::Choice() const {
    if (!captured_ || name_.empty()) {
        return std::nullopt;
    }
    return name_;
}

} // namespace corvalith
