#include "SkinSet.h"

#include "DialogArt.h"
#include "MainWindowArt.h"
#include "PageArt.h"

#include <filesystem>

namespace skingen {

SkinFiles SkinSet::All() {
    SkinFiles files;
    MainWindowArt::Add(files);
    PageArt::Add(files);
    DialogArt::Add(files);
    return files;
}

int SkinSet::WriteAll(const std::string& folder) {
    int written = 0;
    for (const SkinFile& file : All()) {
        const std::filesystem::path path = std::filesystem::path(folder) / file.path;
        std::filesystem::create_directories(path.parent_path());
        const bool jpeg = path.extension() == ".jpg";
        Canvas canvas(file.width, file.height, file.alpha && !jpeg);
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
