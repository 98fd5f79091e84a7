#include "profile/ProfileList.h"

#include "ini/IniFile.h"
#include "platform/TextNumber.h"

#include <algorithm>

namespace corvalith {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && ProfileList::EqualNoCase(text.substr(0, prefix.size()), prefix);
}

bool Contains(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& other) { return ProfileList::EqualNoCase(other, name); });
}

} // namespace

ProfileList::ProfileList(const std::vector<std::string>& names) {
    for (std::size_t i = 0; i < names.size() && i < kMaxProfiles; ++i) {
        entries_.push_back({names[i], static_cast<int>(i), false});
    }
}

void ProfileList::Select(int position) {
    selected_ = position >= 0 && static_cast<std::size_t>(position) < entries_.size() ? position : -1;
}

ProfileList::AddResult ProfileList::AddNew(std::string_view prefix) {
    if (Full()) {
        return AddResult::LimitReached;
    }
    const bool first = entries_.empty();
    std::string name = first ? std::string(prefix) + " 1" : NewName(Names(), prefix);
    if (!ini::IniFile::FitsName(name)) {
        return AddResult::NameTooLong;
    }
    entries_.push_back({std::move(name), first ? 0 : kNoFiles, !first});
    selected_ = static_cast<int>(entries_.size()) - 1;
    return AddResult::Added;
}

ProfileList::AddResult ProfileList::AddCopy(std::string_view copyCaption) {
    if (Full()) {
        return AddResult::LimitReached;
    }
    if (selected_ < 0) {
        return AddResult::Added; // nothing to copy
    }
    const std::string base = std::string(copyCaption) + " " + Name(static_cast<std::size_t>(selected_));
    std::string name = UniqueName(Names(), base);
    if (!ini::IniFile::FitsName(name)) {
        return AddResult::NameTooLong;
    }
    entries_.push_back({std::move(name), kNoFiles, false});
    return AddResult::Added;
}

bool ProfileList::DeleteSelected() {
    if (entries_.size() < 2 || selected_ < 0) {
        return false;
    }
    entries_.erase(entries_.begin() + selected_);
    selected_ = std::min(selected_, static_cast<int>(entries_.size()) - 1);
    return true;
}

void ProfileList::Rename(std::size_t position, std::string name) {
    if (position < entries_.size()) {
        entries_[position].Name = std::move(name);
    }
}

std::string ProfileList::NewName(const std::vector<std::string>& names, std::string_view prefix) {
    const std::string& last = names.back();
    const std::size_t space = last.find(' ');
    std::string stem;
    long long number;
    if (space == std::string::npos) {
        stem = "Profile";
        number = static_cast<long long>(names.size());
    } else {
        stem = std::string(prefix);
        number = TextNumber::ParseLeading(std::string_view(last).substr(space + 1)) + 1;
    }
    std::string name = stem + " " + std::to_string(number);
    while (Contains(names, name)) {
        name = stem + " " + std::to_string(++number);
    }
    return name;
}

std::string ProfileList::UniqueName(const std::vector<std::string>& names, const std::string& base) {
    std::string name = base;
    for (int number = 2; Contains(names, name); ++number) {
        name = base + " (" + std::to_string(number) + ")";
    }
    return name;
}

std::optional<std::size_t> ProfileList::FindCurrent(const std::vector<std::string>& names,
                                                    std::string_view current) {
    if (current.empty()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (EqualNoCase(names[i], current)) {
            return i;
        }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (StartsWithNoCase(names[i], current)) {
            return i;
        }
    }
    return std::nullopt;
}

bool ProfileList::EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

std::vector<std::string> ProfileList::Names() const {
    std::vector<std::string> names;
    for (const Entry& entry : entries_) {
        names.push_back(entry.Name);
    }
    return names;
}

} // namespace corvalith
