#include "skin/SkinArtSet.h"

#include "skin/SkinFileNames.h"
#include "skin/SkinPathResolver.h"

#include <vector>

namespace corvalith {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// The Skins folder's name without its separator.
constexpr std::string_view kSkins = SkinFileNames::kFolder.substr(0, SkinFileNames::kFolder.size() - 1);

} // namespace

int SkinArtSet::Nearest(int scalePercent) {
    int nearest = kSets.front();
    for (const int set : kSets) {
        // Twice the scale against the sum of two neighbours: the half-way point goes to the larger.
        if (2 * scalePercent >= nearest + set) {
            nearest = set;
        }
    }
    return nearest;
}

std::string_view SkinArtSet::Folder(int set) {
    switch (set) {
    case 100:
        return kSkins;
    case 150:
        return "Skins150";
    case 200:
        return "Skins200";
    default:
        return {};
    }
}

std::optional<std::string> SkinArtSet::PathIn(std::string_view skinPath, int set) {
    const std::string_view folder = Folder(set);
    if (folder.empty()) {
        return std::nullopt;
    }
    // The first name of the path, past leading separators and "." steps.
    std::size_t start = 0;
    std::size_t end = 0;
    while (true) {
        while (start < skinPath.size() && IsSeparator(skinPath[start])) {
            ++start;
        }
        end = start;
        while (end < skinPath.size() && !IsSeparator(skinPath[end])) {
            ++end;
        }
        if (skinPath.substr(start, end - start) != ".") {
            break;
        }
        start = end;
    }
    if (!SkinPathResolver::SameNameIgnoringCase(skinPath.substr(start, end - start), kSkins)) {
        return std::nullopt;
    }
    // A file inside the folder: some name other than "." follows.
    const std::vector<std::string> rest = SkinPathResolver::SplitNames(skinPath.substr(end));
    if (rest.empty()) {
        return std::nullopt;
    }
    if (set == kSets.front()) {
        return std::string(skinPath);
    }
    std::string path(skinPath.substr(0, start));
    path += folder;
    path += skinPath.substr(end);
    return path;
}

int SkinArtSet::Scaled(int length, int set) {
    return static_cast<int>((static_cast<long long>(length) * set + 50) / 100);
}

} // namespace corvalith
