#pragma once

#include "framework/CDialog.h"

namespace corvalith {

class SkinImages;

// The picture shown while the program starts: a modal 537 x 423 window in the middle of the screen
// that closes itself when its timer fires (after three seconds), whatever the user clicks or presses
// meanwhile. DoModal returns IDCANCEL.
class CDlgSplash : public CDialog {
public:
    static constexpr UINT kTemplateId = 147;
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kDefaultPeriodMs = 3000;
    static constexpr int kWidth = 537;
    static constexpr int kHeight = 423;

    // skins must outlive the window; periodMs is how long the picture stays.
    explicit CDlgSplash(const SkinImages& skins, CWnd* parent = nullptr, UINT periodMs = kDefaultPeriodMs);
    ~CDlgSplash() override;

    UINT PeriodMs() const { return periodMs_; }
    // Whether the picture was loaded; without it the window shows black.
    bool HasPicture() const { return hasPicture_; }

    // Paints the picture onto dc.
    void Draw(HDC dc) const;

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnTimer(UINT_PTR id) override;
    // Only the timer closes the picture.
    void OnOK() override {}
    void OnCancel() override {}

private:
    static bool IsSwallowedInput(UINT message);
    void ReleaseCanvas();

    const SkinImages& skins_;
    UINT periodMs_;
    HBITMAP canvas_ = nullptr;
    bool hasPicture_ = false;
};

} // namespace corvalith
