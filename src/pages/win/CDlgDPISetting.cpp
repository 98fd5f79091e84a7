#include "pages/win/CDlgDPISetting.h"

#include "framework/Win32Rect.h"
#include "platform/win/WideString.h"
#include "skin/SkinFileNames.h"

namespace corvalith {

namespace {

const std::string kTrack = SkinFileNames::InSkins(SkinFileNames::kDpiTrack);
const std::string kFill = SkinFileNames::InSkins(SkinFileNames::kDpiTrackFilled);
const std::string kValueBack = SkinFileNames::InSkins(SkinFileNames::kDpiValue);
const std::string kEnabled = SkinFileNames::InSkins(SkinFileNames::kEnable);
const std::string kDisabled = SkinFileNames::InSkins(SkinFileNames::kDisable);
constexpr RECT kTrackSource{0, 0, 7, 169};
constexpr COLORREF kEditBackground = RGB(40, 40, 40);

} // namespace

CDlgDPISetting::CDlgDPISetting(PageContext context)
    : CSettingsPage(kTemplateId, context, kBackground, 10), model_(context.Working, context.Applied) {}

CDlgDPISetting::~CDlgDPISetting() {
    if (editBrush_ != nullptr) {
        DeleteObject(editBrush_);
    }
}

void CDlgDPISetting::CreateControls() {
    editBrush_ = CreateSolidBrush(kEditBackground);
    const int maximum = DpiScale::MaximumCode(model_.Mode());
    for (int stage = 0; stage < kStages; ++stage) {
        CDMarkerV& slider = Slider(stage);
        slider.Create(ToRect(DpiPageModel::SliderRect(stage)), this, kFirstSliderId + stage);
        slider.SetSkinImages(context_.Skins, kTrackSource, kTrack, kFill);
        slider.SetRange(1, maximum);
    }
    for (int stage = 0; stage < kStages; ++stage) {
        CEdit& edit = Edit(stage);
        edit.Create(WS_CHILD | ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER, ToRect(DpiPageModel::EditRect(stage)),
                    this, static_cast<UINT>(kFirstEditId + stage));
        edit.SetLimitText(5);
        edit.SetFont(Font(), false);
    }
    LoadFromProfile();
}

void CDlgDPISetting::LoadFromProfile() {
    model_.LoadFromProfile();
    HideEditors();
    Show(0);
}

void CDlgDPISetting::SetStepMode(DpiScale::StepMode mode) {
    model_.SetStepMode(mode);
    for (CDMarkerV& slider : sliders_) {
        slider.SetRange(1, DpiScale::MaximumCode(mode));
    }
    LoadFromProfile();
}

void CDlgDPISetting::HideEditors() {
    for (CEdit& edit : edits_) {
        if (edit.Hwnd() != nullptr) {
            edit.ShowWindow(SW_HIDE);
        }
    }
}

std::string CDlgDPISetting::OpenEditorText() const {
    const int stage = model_.OpenEditor();
    if (stage < 0 || stage >= kStages) {
        return {};
    }
    return WideString::ToUtf8(edits_[static_cast<std::size_t>(stage)].GetWindowText());
}

void CDlgDPISetting::Show(int notifications) {
    for (int stage = 0; stage < kStages; ++stage) {
        CDMarkerV& slider = Slider(stage);
        if (slider.Hwnd() != nullptr && slider.Position() != model_.SliderPosition(stage)) {
            slider.SetPosition(model_.SliderPosition(stage));
        }
    }
    Invalidate(false);
    PostChange(SettingsChange::Dpi, notifications);
}

void CDlgDPISetting::OnSlider(int position, int controlId) {
    const int stage = controlId - kFirstSliderId;
    if (stage < 0 || stage >= kStages) {
        return;
    }
    const int notifications = model_.SliderReleased(stage, position, OpenEditorText());
    HideEditors();
    Show(notifications);
}

void CDlgDPISetting::OnLButtonDown(UINT, POINT point) {
    const DpiPageModel::Outcome outcome = model_.Click(point.x, point.y, OpenEditorText());
    HideEditors();
    int notifications = outcome.Notifications;
    if (outcome.ColourStage) {
        if (const std::optional<Rgb> colour = context_.Prompts.ChooseColour(Hwnd())) {
            notifications += model_.ColourChosen(*outcome.ColourStage, *colour);
        }
    }
    if (outcome.OpenedEditor) {
        CEdit& edit = Edit(*outcome.OpenedEditor);
        edit.SetWindowText(WideString::FromUtf8(outcome.EditorText));
        edit.ShowWindow(SW_SHOW);
        ::SetFocus(edit.Hwnd());
        edit.SetSel(0, -1);
    }
    Show(notifications);
}

int CDlgDPISetting::EditStage(HWND window) const {
    for (int stage = 0; stage < kStages; ++stage) {
        if (window != nullptr && edits_[static_cast<std::size_t>(stage)].Hwnd() == window) {
            return stage;
        }
    }
    return -1;
}

BOOL CDlgDPISetting::PreTranslateMessage(MSG* msg) {
    if (!IsSkinnedWindowKey(*msg)) {
        return CSettingsPage::PreTranslateMessage(msg);
    }
    // Enter commits the edit box that has the focus (the key's window) once: on its key-down, not again
    // on its key-up.
    const int stage = EditStage(msg->hwnd);
    if (msg->wParam == VK_RETURN && msg->message == WM_KEYDOWN && stage >= 0) {
        const std::string text = WideString::ToUtf8(Edit(stage).GetWindowText());
        const int notifications = model_.Commit(stage, text);
        if (notifications > 0) {
            Edit(stage).SetWindowText(WideString::FromUtf8(model_.ValueText(stage)));
        }
        HideEditors();
        Show(notifications);
    }
    return TRUE;
}

LRESULT CDlgDPISetting::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == CMarkerSlider::kNotification) {
        OnSlider(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    }
    return CSettingsPage::WindowProc(message, wParam, lParam);
}

HBRUSH CDlgDPISetting::OnCtlColor(HDC dc, HWND control, UINT controlType) {
    if (EditStage(control) >= 0) {
        SetTextColor(dc, RGB(255, 255, 255));
        SetBkColor(dc, RGB(0, 0, 0));
        SelectObject(dc, Font());
        return editBrush_;
    }
    return CSettingsPage::OnCtlColor(dc, control, controlType);
}

void CDlgDPISetting::Draw(HDC dc) {
    for (int stage = 0; stage < kStages; ++stage) {
        const Rect label = DpiPageModel::ValueLabelRect(stage);
        DrawSkin(dc, kValueBack, label.Left, label.Top);
        DrawText(dc, model_.ValueText(stage), label, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        const Rect toggle = DpiPageModel::ToggleRect(stage);
        DrawSkin(dc, model_.Enabled(stage) ? kEnabled : kDisabled, toggle.Left, toggle.Top);
        FillSwatch(dc, DpiPageModel::SwatchRect(stage), model_.Colour(stage));
    }
}

} // namespace corvalith
