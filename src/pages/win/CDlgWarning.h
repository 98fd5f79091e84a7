#pragma once

#include "controls/win/CBitmapBtn.h"
#include "framework/CDialog.h"
#include "pages/WarningChoice.h"
#include "pages/WarningLayout.h"
#include "skin/win/SkinImage.h"

namespace corvalith {

class LanguageTable;
class SkinImages;

// The lift-off notice shown once, at the first start after installation: a skinned modal window with
// the note, the options "ON" and "OFF" ("OFF" marked when it opens), OK, Cancel and a close button.
// Run it with DoModal, then ask TurnsLiftOffOn: only OK with "ON" marked turns the function on.
class CDlgWarning : public CDialog {
public:
    static constexpr UINT kTemplateId = 151;
    // The window's title: never shown (the notice has no caption bar), it names the notice among the
    // desktop's windows.
    static constexpr const wchar_t* kTitle = L"Corvalith lift-off notice";
    // Used when the background image cannot be loaded, so that the notice can still be seen and
    // answered; it holds every control. The window is filled with kFallbackColour then, and also below
    // the background where a long message makes the notice taller than its image.
    static constexpr SIZE kFallbackSize{320, 200};
    static constexpr COLORREF kFallbackColour = RGB(111, 41, 41);
    static constexpr COLORREF kTextColour = RGB(255, 255, 255);

    // skins and texts must outlive the window.
    CDlgWarning(const SkinImages& skins, const LanguageTable& texts, CWnd* parent = nullptr);
    ~CDlgWarning() override;

    // 1 while "ON" is marked, 0 while "OFF" is.
    int Choice() const { return choice_.Choice(); }
    // After the run: OK with "ON" marked.
    bool TurnsLiftOffOn() const { return choice_.TurnsLiftOffOn(); }
    const WarningChoice& Answer() const { return choice_; }

    CBitmapBtn& OkButton() { return ok_; }
    CBitmapBtn& CancelButton() { return cancel_; }
    CBitmapBtn& CloseButton() { return close_; }
    CBitmapBtn& OnButton() { return on_; }
    CBitmapBtn& OffButton() { return off_; }
    HFONT Font() const { return font_; }
    bool HasBackground() const { return background_.Bitmap() != nullptr; }
    // Where the texts and controls are, after the message has been measured in the notice's font.
    const WarningLayout& Layout() const { return layout_; }

    // Paints the window's client area onto dc: the background, then the texts in white.
    void Draw(HDC dc);

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;
    void OnCancel() override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;

private:
    void CreateButtons();
    int MessageHeight() const;
    void Choose(WarningChoice::Option option);

    const SkinImages& skins_;
    const LanguageTable& texts_;
    SkinImage background_;
    HFONT font_ = nullptr;
    WarningChoice choice_;
    WarningLayout layout_{kFallbackSize.cx, kFallbackSize.cy, 0};
    CBitmapBtn ok_;
    CBitmapBtn cancel_;
    CBitmapBtn close_;
    CBitmapBtn on_;
    CBitmapBtn off_;
};

} // namespace corvalith
