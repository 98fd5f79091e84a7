// skingen: draws the skin artwork of the Corvalith configuration program.
//
//   skingen --skins <folder> [--set <percent>] [--resources <folder>]
//
// writes every file of the Skins folder under the first folder, in the art set of that percent (100, the
// 1x art, unless given; 150 and 200 for the folders Skins150 and Skins200), and, when asked, the images
// of the program's built-in resources (icon, scroll-bar skin, colour wheel) under the second.

#include "ResourceImages.h"
#include "SkinSet.h"

#include "skin/SkinArtSet.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr, "usage: skingen --skins <folder> [--set 100|150|200] [--resources <folder>]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string skins;
    std::string resources;
    int set = 100;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--skins" && i + 1 < argc) {
            skins = argv[++i];
        } else if (argument == "--resources" && i + 1 < argc) {
            resources = argv[++i];
        } else if (argument == "--set" && i + 1 < argc) {
            const std::string percent = argv[++i];
            const auto& sets = corvalith::SkinArtSet::kSets;
            const auto known =
                std::find_if(sets.begin(), sets.end(), [&](int s) { return std::to_string(s) == percent; });
            if (known == sets.end()) {
                return Usage();
            }
            set = *known;
        } else {
            return Usage();
        }
    }
    if (skins.empty()) {
        return Usage();
    }
    // The Skins folder holds exactly the files the program names.
    const auto undrawn = skingen::SkinSet::Undrawn();
    const auto unlisted = skingen::SkinSet::Unlisted();
    for (const std::string& path : undrawn) {
        std::fprintf(stderr, "skingen: no artwork for the skin file %s\n", path.c_str());
    }
    for (const std::string& path : unlisted) {
        std::fprintf(stderr, "skingen: artwork for %s, a file the program does not name\n", path.c_str());
    }
    if (!undrawn.empty() || !unlisted.empty()) {
        return 1;
    }
    const int written = skingen::SkinSet::WriteAll(skins, set);
    if (!resources.empty()) {
        std::filesystem::create_directories(resources);
        skingen::ResourceImages::WriteAll(resources);
    }
    std::printf("skingen: %d skin files in %s\n", written, skins.c_str());
    return 0;
}
