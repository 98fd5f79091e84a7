#include "app/ForegroundFollower.h"

namespace corvalith {

std::uint32_t ForegroundFollower::OnForeground(std::string program, bool ours, std::uint32_t now) {
    if (!pending_ || ours != ours_ || !ProgramRules::SameProgram(program, program_)) {
        since_ = now;
    }
    program_ = std::move(program);
    ours_ = ours;
    pending_ = true;
    return kSettleMs;
}

ForegroundFollower::Decision ForegroundFollower::OnTimer(std::uint32_t now, const ProgramRules& rules,
                                                         bool dialogOpen, std::string_view activeProfile) {
    if (!pending_) {
        return {};
    }
    // The tick count wraps like the system's; the difference does not.
    const std::uint32_t inFront = now - since_;
    if (inFront < kSettleMs) {
        return {std::nullopt, kSettleMs - inFront};
    }
    pending_ = false;
    if (ours_ || dialogOpen || !rules.Enabled() || program_.empty()) {
        return {};
    }
    std::optional<std::string> profile = rules.ProfileFor(program_);
    if (!profile || *profile == activeProfile) {
        return {};
    }
    return {std::move(profile), std::nullopt};
}

} // namespace corvalith
