#include "SkinSet.h"

#include "DialogArt.h"
#include "MainWindowArt.h"
#include "PageArt.h"

#include "skin/SkinFileNames.h"

#include <algorithm>

#include <filesystem>

namespace skingen {

SkinFiles SkinSet::All() {
    SkinFiles files;
    MainWindowArt::Add(files);
    PageArt::Add(files);
    DialogArt::Add(files);
    return files;
}

namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> DrawnPaths() {
    std::vector<std::string> paths;
    for (const SkinFile& file : SkinSet::All()) {
        paths.push_back(file.path);
    }
    return Sorted(std::move(paths));
}

std::vector<std::string> Missing(const std::vector<std::string>& from, const std::vector<std::string>& in) {
    std::vector<std::string> missing;
    std::set_difference(from.begin(), from.end(), in.begin(), in.end(), std::back_inserter(missing));
    return missing;
}

} // namespace

std::vector<std::string> SkinSet::Undrawn() {
    return Missing(Sorted(corvalith::SkinFileNames::All()), DrawnPaths());
}

std::vector<std::string> SkinSet::Unlisted() {
    return Missing(DrawnPaths(), Sorted(corvalith::SkinFileNames::All()));
}

int SkinSet::WriteAll(const std::string& folder, int set) {
    int written = 0;
    for (const SkinFile& file : All()) {
        const std::filesystem::path path = std::filesystem::path(folder) / file.path;
        std::filesystem::create_directories(path.parent_path());
        const bool jpeg = path.extension() == ".jpg";
        Canvas canvas(file.width, file.height, file.alpha && !jpeg, set);
        file.draw(canvas);
        if (jpeg) {
            canvas.WriteJpeg(path.string(), 92);
        } else {
            canvas.WritePng(path.string());
        }
        ++written;
    }
    return written;
}

} // namespace skingen
