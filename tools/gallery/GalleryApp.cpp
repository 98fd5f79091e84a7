#include "GalleryApp.h"

#include "ControlsPreview.h"
#include "DialogsPreview.h"
#include "ImageSheet.h"
#include "MainPreview.h"
#include "platform/win/WideString.h"

#include <shellapi.h>

#include <vector>

namespace corvalith::gallery {

namespace {

constexpr std::size_t kFilesPerSheet = 64;

std::vector<std::wstring> Arguments() {
    int count = 0;
    LPWSTR* list = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; i < count; ++i) {
        arguments.emplace_back(list[i]);
    }
    ::LocalFree(list);
    return arguments;
}

std::string ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return WideString::ToUtf8(folder);
}

// Ends the program after the time limit; no window involved.
void CALLBACK Quit(HWND, UINT, UINT_PTR, DWORD) {
    ::PostQuitMessage(0);
}

} // namespace

GalleryApp::~GalleryApp() = default;

BOOL GalleryApp::InitInstance() {
    const std::vector<std::wstring> arguments = Arguments();
    const std::wstring page = arguments.empty() ? L"main" : arguments[0];
    images_ = std::make_unique<SkinImages>(ProgramFolder());

    bool created = false;
    if (page == L"main" || page == L"side") {
        auto preview =
            std::make_unique<MainPreview>(*images_, page == L"main" ? 1 : 2, page == L"main" ? 0 : 4);
        created = preview->Create(0, 0);
        page_ = std::move(preview);
    } else if (page == L"controls") {
        auto preview = std::make_unique<ControlsPreview>(*images_);
        created = preview->Create(0, 0);
        page_ = std::move(preview);
    } else if (page == L"dialogs") {
        auto preview = std::make_unique<DialogsPreview>(*images_);
        created = preview->Create(0, 0);
        page_ = std::move(preview);
    } else if (page.rfind(L"files-", 0) == 0) {
        const std::size_t sheet = static_cast<std::size_t>(std::max(1, _wtoi(page.c_str() + 6)));
        auto preview = std::make_unique<ImageSheet>(*images_, (sheet - 1) * kFilesPerSheet, kFilesPerSheet);
        created = preview->Create(0, 0);
        page_ = std::move(preview);
    }
    if (!created) {
        return FALSE;
    }
    SetMainWindow(page_.get());
    if (arguments.size() > 1) {
        ::SetTimer(nullptr, 0, static_cast<UINT>(_wtoi(arguments[1].c_str())), &Quit);
    }
    return TRUE;
}

} // namespace corvalith::gallery
