#pragma once

#include "framework/CWinApp.h"
#include "skin/win/SkinImages.h"

#include <memory>
#include <string>

namespace corvalith::gallery {

// The gallery program: shows one page, named on the command line (main, side, controls, dialogs,
// files-1, files-2), until the window is closed or, with a time limit in milliseconds as the second
// argument, until that time has passed.
class GalleryApp : public CWinApp {
public:
    using CWinApp::CWinApp;
    ~GalleryApp() override;

    BOOL InitInstance() override;

private:
    std::unique_ptr<SkinImages> images_;
    std::unique_ptr<CWnd> page_;
};

} // namespace corvalith::gallery
