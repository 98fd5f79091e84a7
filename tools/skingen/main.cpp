// skingen: draws the skin artwork of the Corvalith configuration program.
//
//   skingen --skins <folder> [--resources <folder>]
//
// writes every file of the Skins folder under the first folder and, when asked, the images of the
// program's built-in resources (icon, scroll-bar skin, colour wheel) under the second.

#include "ResourceImages.h"
#include "SkinSet.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    std::string skins;
    std::string resources;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--skins" && i + 1 < argc) {
            skins = argv[++i];
        } else if (argument == "--resources" && i + 1 < argc) {
            resources = argv[++i];
        } else {
            std::fprintf(stderr, "usage: skingen --skins <folder> [--resources <folder>]\n");
            return 2;
        }
    }
    if (skins.empty()) {
        std::fprintf(stderr, "usage: skingen --skins <folder> [--resources <folder>]\n");
        return 2;
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
    const int written = skingen::SkinSet::WriteAll(skins);
    if (!resources.empty()) {
        std::filesystem::create_directories(resources);
        skingen::ResourceImages::WriteAll(resources);
    }
    std::printf("skingen: %d skin files in %s\n", written, skins.c_str());
    return 0;
}
