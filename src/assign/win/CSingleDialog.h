#pragma once

#include "assign/KeyCapture.h"
#include "controls/DialogHover.h"
#include "controls/win/DialogHoverTracker.h"
#include "framework/CDialog.h"
#include "framework/IPrompts.h"
#include "platform/win/Win32KeyboardHook.h"
#include "skin/win/SkinImage.h"

#include <optional>
#include <string>

namespace corvalith {

class SkinImages;

// The key capture dialog: a small skinned modal window that catches the next key pressed anywhere in
// the system through a low-level keyboard hook and shows its name; OK takes that key. While it is open
// no program receives the keyboard; the hook goes with the window on every way out (OK, Cancel, the
// close button, the program ending), and with the dialog object.
//
//     CSingleDialog dialog(skins, "EN", debug, prompts, mainWindow);
//     dialog.SetKeyName("A");
//     if (dialog.DoModal() == IDOK) { if (auto key = dialog.Choice()) { ... } }
class CSingleDialog : public CDialog {
public:
    static constexpr UINT kTemplateId = 139;
    enum Message : UINT { kKeyMessage = 0x0B04 };
    enum Control : int { kKeyLabelId = 502 };
    // How long the pointer rests on a drawn button before it lights, in milliseconds.
    static constexpr DWORD kHoverTime = 1;
    static constexpr const wchar_t* kTitle = L"Corvalith single key";

    // skins, debug and prompts must outlive the dialog.
    CSingleDialog(const SkinImages& skins, std::string languageCode, IDebugOutput& debug, IPrompts& prompts,
                  CWnd* parent = nullptr);
    ~CSingleDialog() override;

    // The key shown when the dialog opens (set before DoModal).
    void SetKeyName(std::string name) { capture_ = KeyCapture(std::move(name), debug_); }
    const std::string& KeyName() const { return capture_.KeyName(); }
    // After OK: the key pressed while the dialog was open, nothing when none was.
    std::optional<std::string> Choice() const { return capture_.Choice(); }

    bool HookInstalled() const { return hook_.IsInstalled(); }
    std::wstring LabelText() const;
    const DialogHover& Hover() const { return hover_.Hover(); }
    HFONT Font() const { return font_; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnMouseHover(UINT flags, POINT point) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT controlType) override;
    void OnDestroy() override;

private:
    bool OnKeyEvent(int code, std::uint32_t virtualKey, std::uint32_t scanCode, std::uint32_t flags);
    void Draw(HDC dc);

    const SkinImages& skins_;
    std::string code_;
    IDebugOutput& debug_;
    IPrompts& prompts_;
    KeyCapture capture_;
    DialogHoverTracker hover_{kHoverTime};
    Win32KeyboardHook hook_;
    SkinImage background_;
    HFONT font_ = nullptr;
    HBRUSH labelBrush_ = nullptr;
    HWND label_ = nullptr;
};

} // namespace corvalith
