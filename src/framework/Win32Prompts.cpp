#include "framework/Win32Prompts.h"

#include "platform/win/WideString.h"

#include <commdlg.h>

#include <algorithm>

#include <vector>

namespace corvalith {

namespace {

HWND OwnerWindow(PromptOwner owner) {
    return static_cast<HWND>(owner);
}

// Long enough for any path the file dialog can return.
constexpr std::size_t kPathCharacters = 32768;

} // namespace

PromptAnswer Win32Prompts::ShowMessage(PromptOwner owner, std::string_view text, std::string_view caption,
                                       PromptButtons buttons) {
    UINT type = MB_OK;
    if (buttons == PromptButtons::OkCancel) {
        type = MB_OKCANCEL;
    } else if (buttons == PromptButtons::YesNo) {
        type = MB_YESNO;
    }
    const int answer = ::MessageBoxW(OwnerWindow(owner), WideString::FromUtf8(text).c_str(),
                                     WideString::FromUtf8(caption).c_str(), type);
    switch (answer) {
    case IDOK:
        return PromptAnswer::Ok;
    case IDYES:
        return PromptAnswer::Yes;
    case IDNO:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Cancel;
    }
}

std::wstring Win32Prompts::FilterForDialog(std::string_view filter) {
    std::wstring wide = WideString::FromUtf8(filter);
    for (wchar_t& c : wide) {
        if (c == L'|') {
            c = L'\0';
        }
    }
    // The list ends with two zeros whatever the text ended with.
    wide.push_back(L'\0');
    wide.push_back(L'\0');
    return wide;
}

std::optional<std::string> Win32Prompts::ChooseFile(PromptOwner owner, const FileDialogRequest& request,
                                                    bool save) {
    const std::wstring filter = FilterForDialog(request.filter);
    const std::wstring extension = WideString::FromUtf8(request.defaultExtension);
    std::vector<wchar_t> path(kPathCharacters, L'\0');
    const std::wstring initial = WideString::FromUtf8(request.initialPath);
    // An initial path too long for the buffer is left out rather than cut.
    if (initial.size() < path.size()) {
        std::copy(initial.begin(), initial.end(), path.begin());
    }

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = OwnerWindow(owner);
    dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = request.flags | OFN_EXPLORER;
    const BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
    if (!chosen) {
        return std::nullopt;
    }
    return WideString::ToUtf8(path.data());
}

std::optional<std::string> Win32Prompts::ChooseFileToOpen(PromptOwner owner,
                                                          const FileDialogRequest& request) {
    return ChooseFile(owner, request, false);
}

std::optional<std::string> Win32Prompts::ChooseFileToSave(PromptOwner owner,
                                                          const FileDialogRequest& request) {
    return ChooseFile(owner, request, true);
}

std::optional<Rgb> Win32Prompts::ChooseColour(PromptOwner owner) {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = OwnerWindow(owner);
    dialog.lpCustColors = customColours_.data();
    dialog.Flags = CC_ANYCOLOR | CC_FULLOPEN;
    if (!::ChooseColorW(&dialog)) {
        return std::nullopt;
    }
    return Rgb{GetRValue(dialog.rgbResult), GetGValue(dialog.rgbResult), GetBValue(dialog.rgbResult)};
}

} // namespace corvalith
