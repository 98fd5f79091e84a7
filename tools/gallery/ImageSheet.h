#pragma once

#include "framework/CWnd.h"
#include "skin/win/SkinImages.h"

#include <string>
#include <vector>

namespace corvalith::gallery {

// A contact sheet of skin files: every file of the Skins folder (in path order) from first to last,
// each fitted into a cell over a checkered ground with its path and size under it.
class ImageSheet : public CWnd {
public:
    ImageSheet(const SkinImages& images, std::size_t first, std::size_t count);
    ~ImageSheet() override;

    bool Create(int x, int y);

    // Every file under the Skins folder, relative to it, "/" separated, sorted.
    static std::vector<std::string> SkinFiles(const std::string& programFolder);

protected:
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;

private:
    const SkinImages& images_;
    std::vector<std::string> files_;
    HFONT font_ = nullptr;
};

} // namespace corvalith::gallery
