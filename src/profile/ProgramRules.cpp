#include "profile/ProgramRules.h"

#include <algorithm>

namespace corvalith {

namespace {

char Folded(char c) {
    if (c == '/') {
        return '\\';
    }
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool ProgramRules::SameProgram(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Folded(x) == Folded(y); });
}

std::vector<std::string> ProgramRules::ProgramsOf(std::string_view profile) const {
    std::vector<std::string> programs;
    for (const Rule& rule : rules_) {
        if (rule.Profile == profile) {
            programs.push_back(rule.Program);
        }
    }
    return programs;
}

bool ProgramRules::Add(std::string_view profile, std::string_view program) {
    if (program.empty()) {
        return false;
    }
    std::erase_if(rules_, [&](const Rule& rule) { return SameProgram(rule.Program, program); });
    rules_.push_back({std::string(program), std::string(profile)});
    return true;
}

void ProgramRules::Remove(std::string_view profile, std::string_view program) {
    std::erase_if(rules_, [&](const Rule& rule) {
        return rule.Profile == profile && SameProgram(rule.Program, program);
    });
}

std::optional<std::string> ProgramRules::ProfileFor(std::string_view program) const {
    for (const Rule& rule : rules_) {
        if (SameProgram(rule.Program, program)) {
            return rule.Profile;
        }
    }
    return fallback_;
}

std::string ProgramRules::RuleName(const std::vector<std::string>& before, const ProfileList& list,
                                   std::size_t position) {
    const ProfileList::Entry& entry = list.Entries().at(position);
    const bool read = entry.Files >= 0 && static_cast<std::size_t>(entry.Files) < before.size();
    return read ? before[static_cast<std::size_t>(entry.Files)] : entry.Name;
}

void ProgramRules::FollowList(const std::vector<std::string>& before, const ProfileList& after) {
    // The present name of each name the list had, or nothing for an entry deleted. An entry added since
    // the list was read is known by its present name.
    const auto presentName = [&](const std::string& old) -> std::optional<std::string> {
        for (const ProfileList::Entry& entry : after.Entries()) {
            const bool read = entry.Files >= 0 && static_cast<std::size_t>(entry.Files) < before.size();
            if (read ? before[static_cast<std::size_t>(entry.Files)] == old : entry.Name == old) {
                return entry.Name;
            }
        }
        return std::nullopt;
    };
    std::vector<Rule> followed;
    for (const Rule& rule : rules_) {
        if (const auto name = presentName(rule.Profile)) {
            followed.push_back({rule.Program, *name});
        }
    }
    rules_ = std::move(followed);
    if (fallback_) {
        fallback_ = presentName(*fallback_);
    }
}

} // namespace corvalith
