#pragma once

#include "profile/ProfileList.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// Which profile follows which program: while a program is in front, the profile given it is active; when
// no rule matches, the profile marked as the one to return to (none unless the user marks one: then
// nothing switches back). Profiles are named as the list names them; the rules follow the list when the
// profile manager renames, deletes or moves its entries. Automatic switching can be turned off as a whole.
class ProgramRules {
public:
    struct Rule {
        std::string Program; // the full path of an .exe
        std::string Profile; // the name of a profile of the list
        friend bool operator==(const Rule&, const Rule&) = default;
    };

    const std::vector<Rule>& Rules() const { return rules_; }
    // The programs of a profile, in the order they were given.
    std::vector<std::string> ProgramsOf(std::string_view profile) const;
    // Gives a program to a profile; a program belongs to one profile at a time. False for an empty path.
    bool Add(std::string_view profile, std::string_view program);
    void Remove(std::string_view profile, std::string_view program);

    const std::optional<std::string>& Fallback() const { return fallback_; }
    void SetFallback(std::optional<std::string> profile) { fallback_ = std::move(profile); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // The profile for the program in front: its rule's profile (paths compared without case and with
    // either separator), else the fallback, else nothing.
    std::optional<std::string> ProfileFor(std::string_view program) const;

    // The profile manager closed: `before` are the names the list had when it was read; every entry of
    // `after` that came from one of them carries its rules (and the fallback mark) under its present name,
    // and the rules of entries deleted go.
    void FollowList(const std::vector<std::string>& before, const ProfileList& after);
    // The name the rules know an entry of the manager's list by until it closes: the name it was read
    // under, or its present name when it was added since.
    static std::string RuleName(const std::vector<std::string>& before, const ProfileList& list,
                                std::size_t position);

    // Two paths naming the same program: without case, '/' and '\' alike.
    static bool SameProgram(std::string_view a, std::string_view b);

    friend bool operator==(const ProgramRules&, const ProgramRules&) = default;

private:
    std::vector<Rule> rules_;
    std::optional<std::string> fallback_;
    bool enabled_ = true;
};

} // namespace corvalith
