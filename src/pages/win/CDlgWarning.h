#pragma once

#include "framework/CDialog.h"
#include "pages/WarningChoice.h"
#include "skin/win/CBitmapBtn.h"
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
    // Used when the background image cannot be loaded, so that the notice can still be seen and
    // answered; it holds every control. The window is filled with kFallbackColour then.
    static constexpr SIZE kFallbackSize{320, 160};
    static constexpr COLORREF kFallbackColour = RGB(111, 41, 41);
    static constexpr COLORREF kTextColour = RGB(255, 255, 255);

    static constexpr POINT kTitlePosition{10, 5};
    static constexpr RECT kMessageRect{56, 39, 296, 124};
    static constexpr RECT kOnRect{56, 85, 68, 97};
    static constexpr POINT kOnCaption{76, 85};
    static constexpr RECT kOffRect{56, 103, 68, 115};
    static constexpr POINT kOffCaption{76, 103};
    static constexpr RECT kOkRect{197, 128, 250, 150};
    static constexpr RECT kCancelRect{255, 128, 308, 150};
    static constexpr RECT kCloseRect{300, 5, 314, 18};

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
    void Choose(WarningChoice::Option option);

    const SkinImages& skins_;
    const LanguageTable& texts_;
    SkinImage background_;
    HFONT font_ = nullptr;
    WarningChoice choice_;
    CBitmapBtn ok_;
    CBitmapBtn cancel_;
    CBitmapBtn close_;
    CBitmapBtn on_;
    CBitmapBtn off_;
};

} // namespace corvalith
