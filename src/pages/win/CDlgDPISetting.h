#pragma once

#include "framework/CEdit.h"
#include "pages/DpiPageModel.h"
#include "pages/win/CDMarkerV.h"
#include "pages/win/CSettingsPage.h"
#include "skin/SkinFileNames.h"

#include <array>

namespace corvalith {

// The DPI page: for each of the seven stages a vertical slider of its code, its DPI value (a click opens
// an edit box to type it), an enable toggle and a colour swatch (drawn by the page). Every change goes into
// the working profile and is announced with the settings-changed notification (DPI); the decisions are
// DpiPageModel's.
class CDlgDPISetting : public CSettingsPage {
public:
    static constexpr UINT kTemplateId = 133;
    static inline const std::string kBackground = SkinFileNames::InSkins(SkinFileNames::kDpiPage);
    enum ControlId : int {
        kFirstSliderId = 2027, // 2027..2033
        kFirstEditId = 1148,   // 1148..1154
    };
    static constexpr int kStages = DpiPageModel::kStages;

    explicit CDlgDPISetting(PageContext context);
    ~CDlgDPISetting() override;

    // The sliders, labels and edit boxes from the working profile; the edit boxes close.
    void LoadFromProfile();
    void SetStepMode(DpiScale::StepMode mode);

    const DpiPageModel& Model() const { return model_; }
    CDMarkerV& Slider(int stage) { return sliders_[static_cast<std::size_t>(stage)]; }
    CEdit& Edit(int stage) { return edits_[static_cast<std::size_t>(stage)]; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void CreateControls() override;
    void Draw(HDC dc) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT controlType) override;

private:
    void OnSlider(int position, int controlId);
    std::string OpenEditorText() const;
    void HideEditors();
    // Sliders to the model's positions, the page repainted, the notifications posted.
    void Show(int notifications);
    int EditStage(HWND window) const;

    DpiPageModel model_;
    std::array<CDMarkerV, kStages> sliders_;
    std::array<CEdit, kStages> edits_;
    HBRUSH editBrush_ = nullptr;
};

} // namespace corvalith
