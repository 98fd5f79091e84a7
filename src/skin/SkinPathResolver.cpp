#include "skin/SkinPathResolver.h"

#include <algorithm>

namespace corvalith {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

SkinPathResolver::SkinPathResolver(std::string programFolder, const IDirectoryListing* listing)
    : programFolder_(std::move(programFolder)), separator_('\\'), listing_(listing) {
    if (!programFolder_.empty() && programFolder_.back() == '/') {
        separator_ = '/';
    }
}

std::vector<std::string> SkinPathResolver::SplitNames(std::string_view relative) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = start;
        while (end < relative.size() && !IsSeparator(relative[end])) {
            ++end;
        }
        const std::string_view name = relative.substr(start, end - start);
        if (!name.empty() && name != ".") {
            names.emplace_back(name);
        }
        start = end + 1;
    }
    return names;
}

bool SkinPathResolver::SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

std::string SkinPathResolver::MatchInFolder(const std::string& folder, const std::string& name) const {
    if (listing_ == nullptr) {
        return name;
    }
    const auto entries = listing_->ListNames(folder);
    if (!entries) {
        return name;
    }
    // The exact spelling wins; otherwise the first name in sorted order that differs only in case, so
    // that "Skins" and "skins" side by side always give the same answer.
    std::string best;
    bool found = false;
    for (const std::string& entry : *entries) {
        if (entry == name) {
            return entry;
        }
        if (SameNameIgnoringCase(entry, name) && (!found || entry < best)) {
            best = entry;
            found = true;
        }
    }
    return found ? best : name;
}

std::string SkinPathResolver::Resolve(std::string_view relative) const {
    std::string path = programFolder_;
    bool first = true;
    for (const std::string& name : SplitNames(relative)) {
        if (!first) {
            path.push_back(separator_);
        }
        path += MatchInFolder(path, name);
        first = false;
    }
    return path;
}

} // namespace corvalith
