#include "pages/win/CDlgMouseWheelSpeed.h"

#include "framework/Win32Rect.h"
#include "pages/ScrollSpeedModel.h"
#include "platform/win/WideString.h"
#include "skin/SkinFileNames.h"

namespace corvalith {

namespace {

const std::string kSelected = SkinFileNames::InSkins(SkinFileNames::kScrollEnable);
const std::string kUnselected = SkinFileNames::InSkins(SkinFileNames::kScrollDisable);
const std::string kLinesFrame = SkinFileNames::InSkins(SkinFileNames::kScrollLines);

} // namespace

void CDlgMouseWheelSpeed::CreateControls() {
    const Rect& box = ScrollSpeedModel::kLinesBox;
    linesBox_.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_CENTER, ToRect(box), this,
                     kLinesBoxId);
    linesBox_.SetFont(Font(), false);
    LoadFromProfile();
}

void CDlgMouseWheelSpeed::SetBoxText(const std::string& text) {
    linesBox_.SetWindowText(WideString::FromUtf8(text));
}

void CDlgMouseWheelSpeed::LoadFromProfile() {
    const ScrollSpeedModel::Box box = ScrollSpeedModel::BoxFor(context_.Working);
    linesBox_.EnableWindow(box.Enabled);
    SetBoxText(box.Text);
    RepaintNow();
}

void CDlgMouseWheelSpeed::OnLButtonDown(UINT, POINT point) {
    const ScrollSpeedModel::BoxChange change = ScrollSpeedModel::Click(context_.Working, point.x, point.y);
    if (change.Enable) {
        linesBox_.EnableWindow(*change.Enable);
    }
    if (change.Text) {
        SetBoxText(*change.Text);
    }
    RepaintNow();
    PostChange(SettingsChange::Scroll);
}

BOOL CDlgMouseWheelSpeed::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == kLinesBoxId && HIWORD(wParam) == EN_CHANGE) {
        const std::string text = WideString::ToUtf8(linesBox_.GetWindowText());
        if (const auto replacement = ScrollSpeedModel::TextChanged(context_.Working, text)) {
            SetBoxText(*replacement);
        }
        linesBox_.Invalidate();
        return TRUE;
    }
    return CSettingsPage::OnCommand(wParam, lParam);
}

void CDlgMouseWheelSpeed::Draw(HDC dc) {
    const bool oneScreen = ScrollSpeedModel::OneScreen(context_.Working);
    DrawSkin(dc, oneScreen ? kUnselected : kSelected, ScrollSpeedModel::kRowsToggle.Left,
             ScrollSpeedModel::kRowsToggle.Top);
    DrawSkin(dc, oneScreen ? kSelected : kUnselected, ScrollSpeedModel::kScreenToggle.Left,
             ScrollSpeedModel::kScreenToggle.Top);
    DrawSkin(dc, kLinesFrame, ScrollSpeedModel::kLinesBox.Left, ScrollSpeedModel::kLinesBox.Top);
    const LanguageTable& t = context_.Language;
    DrawText(dc, t.Text(TextEntry::NumberOfRows), ScrollSpeedModel::kRowsCaption,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    DrawText(dc, t.Text(TextEntry::ScrollOneScreen), ScrollSpeedModel::kScreenCaption,
             DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

} // namespace corvalith
