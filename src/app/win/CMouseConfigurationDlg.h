#pragma once

#include "app/ButtonAssignment.h"
#include "app/DeviceStatus.h"
#include "app/IAssignmentWindow.h"
#include "app/MainWindowModel.h"
#include "app/MainWindowPlan.h"
#include "app/ProgramStartup.h"
#include "app/ProgramUploads.h"
#include "app/SettingsDispatch.h"
#include "app/win/CTrayIcon.h"
#include "app/win/MacroManagerHost.h"
#include "app/win/ProgramServices.h"
#include "device/IUploadFeedback.h"
#include "framework/CDialog.h"
#include "pages/win/CDMarker.h"
#include "pages/win/CDlgToolTip.h"
#include "pages/win/CDlgadvance.h"
#include "profile/IProfileWindow.h"
#include "profile/win/ProfileManagerHost.h"
#include "sim/win/VirtualMouseWindow.h"
#include "skin/win/CPaintedButton.h"
#include "skin/win/CPaintedButtons.h"
#include "skin/win/SkinDecodeQueue.h"
#include "skin/win/SkinImage.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace corvalith {

// The main window: one borderless skinned window of fixed size that normally stays hidden behind its
// notification-area icon. It takes input, paints from the main window's plan and calls into the core:
// the window model says what a command changes, the device status what the mouse's coming and going
// does, the settings dispatch where a change goes, and the program's start-up runs the steps in order.
class CMouseConfigurationDlg : public CDialog,
                               public IUploadFeedback,
                               private IStartupWindow,
                               private IAssignmentWindow,
                               private IProfileWindow {
public:
    // Messages of the program.
    enum Message : UINT {
        kTrayNotification = CTrayIcon::kCallbackMessage,
        kDeviceEvent = 0x07F2,
        kClearSelection = 0x07F4,
        kSettingsChanged = 0x07FF,
        kShowRequest = 0x0313,
        kProfileOperation = 0x0B03,
        kDecodeAhead = WM_APP + 0x60,  // decodes the next skin image while the window waits in the tray
        kRefreshPages = WM_APP + 0x61, // the settings pages take the profile a show has reloaded
    };
    // Command ids of the image buttons: the window's own buttons in plan order, then the drop-down boxes
    // by slot.
    enum ButtonCommand : UINT { kFirstControlCommand = 0x1100, kFirstDropDownCommand = 0x1120 };
    static constexpr UINT kIconId = CTrayIcon::kIconId;
    static constexpr UINT kTemplateId = 102;
    // Control identifiers of the three sliders.
    static constexpr int kXSliderId = static_cast<int>(SettingsDispatch::Slider::X);
    static constexpr int kYSliderId = static_cast<int>(SettingsDispatch::Slider::Y);
    static constexpr int kLiftOffSliderId = static_cast<int>(SettingsDispatch::Slider::LiftOff);
    static constexpr const wchar_t* kWindowClass = L"HarloHCClass";

    CMouseConfigurationDlg(const ProgramOptions& options, std::string programFolder);
    ~CMouseConfigurationDlg() override;

    ProgramServices& Services() { return *services_; }

    // IUploadFeedback
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void EnableLiftOffSlider(bool enabled) override;

    // State the tests read.
    int CurrentView() const { return static_cast<int>(model_->CurrentView()); }
    int SelectedSlot() const { return model_->SelectedSlot(); }
    // The button slot of the last assignment menu, -1 before the first.
    int MenuSlot() const { return assignment_ ? assignment_->MenuSlot() : -1; }
    const MainWindowLayout& Layout() const { return model_->Layout(); }
    bool IconShown() const { return tray_.Shown(); }
    // Whether the icon was there to carry the last balloon.
    bool LastBalloonHadIcon() const { return tray_.LastBalloonHadIcon(); }
    bool ToolTipShown() const { return toolTip_ != nullptr; }
    const std::wstring& LastBalloonText() const { return tray_.LastBalloonText(); }
    const std::wstring& LastBalloonTitle() const { return tray_.LastBalloonTitle(); }
    CDMarker& XSlider() { return xSlider_; }
    CDMarker& YSlider() { return ySlider_; }
    CDMarker& LiftOffSlider() { return liftOffSlider_; }
    CPaintedButton& DropDown(int slot) { return dropDowns_[static_cast<std::size_t>(slot)]; }
    CPaintedButton& ButtonOf(MainWindowPlan::Control id) { return controls_[static_cast<std::size_t>(id)]; }
    CPaintedButton& Header(int number) {
        return ButtonOf(static_cast<MainWindowPlan::Control>(
            static_cast<int>(MainWindowPlan::Control::Header1) + number - 1));
    }
    CPaintedButton& ViewButton(int view) {
        return ButtonOf(view == 1 ? MainWindowPlan::Control::TopView : MainWindowPlan::Control::SideView);
    }
    VirtualMouseWindow* MouseWindow() { return mouseWindow_.get(); }
    CDlgadvance* Advance() { return advance_.get(); }
    ProfileManagerHost& Profiles() { return *profiles_; }
    MacroManagerHost& Macros() { return *macros_; }
    // Where the profile manager sits in the window.
    static constexpr POINT kProfileManagerOrigin{12, 32};

    // The commands of the window, callable as the buttons call them.
    void SelectView(int view);
    void ToggleSection(MainWindowLayout::Section section, bool collapse);
    void CollapseAll();
    void ClearSelection();
    void SelectRow(int row);
    // A click on row 1..7's drop-down box: the row is selected and its assignment menu opens beside the
    // box (unless the click guard refuses); the menu's command arrives later as a window command.
    void OpenAssignmentMenu(int row);
    void Restore();
    void HideToTray();
    void Reset();
    // The Config button: opens the profile manager over the left panel, unless it is open.
    void OpenProfileManager();
    void OnSliderNotification(int position, int controlId);
    // A left-button press at a client point: the lift-off switch zones.
    void PressAt(POINT point);

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    void OnMouseLeave() override;
    void OnCaptureChanged(HWND newCapture) override;
    void OnMeasureItem(int id, MEASUREITEMSTRUCT* item) override;
    void OnDrawItem(int id, DRAWITEMSTRUCT* item) override;
    void OnDestroy() override;
    void OnTimer(UINT_PTR id) override;
    void OnCancel() override;
    void OnOK() override;

private:
    // IStartupWindow
    std::string SetLanguage(std::string_view code) override;
    bool AskLiftOff() override;
    void Build() override;
    void AddIcon() override;
    void RemoveIcon() override;
    void ShowProfile() override;
    void LocaliseCatalogue() override;
    void GreetCompanion() override;

    // IAssignmentWindow
    std::optional<std::string> ChooseKey(const std::string& initialName) override;
    std::optional<MacroResult>
    ChooseMacro(const std::optional<AssignmentCatalogue::MacroPreset>& preset) override;
    void ShowCaption(std::size_t slot) override;

    // IProfileWindow
    void ShowLoadedProfile() override;
    void CloseProfileManager() override;

    // Runs the macro manager; afterwards the buttons that play macros follow their macros by name and the
    // mouse gets the table built on OK.
    void RunMacroManager();
    // Draws the window once, unseen, so that its first show only draws.
    void PaintUnseen();

    void BuildSizeAndFonts();
    // Centres the window on the screen.
    void PlaceCentred();
    void BuildControls();
    void InitialiseButton(CPaintedButton& button, const RECT& rect, UINT commandId,
                          const std::array<std::string_view, 4>& images, const std::string& caption);
    void OnButtonClicked(UINT commandId);
    // Where a button is on the screen.
    RECT ScreenRectOf(const CPaintedButton& button) const;
    // Brings the controls and the pixels up to date with what a command of the model changed, repainting
    // each changed area once.
    void Apply(const MainWindowModel::Changes& changes);
    void PlaceSections();
    void SetDropDownCaptions();
    void SetSlidersFromProfile();
    void BuildAdvancedPanel();
    // The advanced panel closed and its pages shown from the working profile again.
    void ReloadAdvancedPanel();
    // The settings panel once its window exists, else null.
    CDlgadvance* BuiltPanel() { return advance_ && advance_->Hwnd() != nullptr ? advance_.get() : nullptr; }
    void DecodeAhead();
    void ShowVirtualMouse();
    std::uint16_t UiLanguage() const;
    // Handles the program's messages that may come sent or posted; true when it was one of them.
    bool OnProgramMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnTray(WPARAM wParam, LPARAM lParam);
    void OnDeviceEvent(WPARAM code, LPARAM value);
    void OnDeviceChange(WPARAM event, LPARAM data);
    void OnSettingsChanged(LPARAM code);
    void ShowLeftPanel();
    void ShowHelpMenu();
    void StartFirmwareUpdater();
    void ShowIconMenu();
    void Paint(HDC dc);

    ProgramOptions options_;
    std::unique_ptr<ProgramServices> services_;
    std::unique_ptr<ProgramUploads> uploads_;
    std::unique_ptr<SettingsDispatch> dispatch_;
    std::unique_ptr<ButtonAssignment> assignment_;
    std::optional<MainWindowModel> model_;
    DeviceStatus deviceStatus_;
    CTrayIcon tray_;
    HFONT mainFont_ = nullptr;
    HFONT labelFont_ = nullptr;
    std::wstring fontFace_ = L"Arial";
    int width_ = 0;
    int height_ = 0;
    int startHidden_ = 2;
    bool showPending_ = false;               // a show request came before the window was built
    std::unique_ptr<SkinDecodeQueue> ahead_; // the images decoded while the window waits in the tray
    int waitDepth_ = 0;
    HCURSOR previousCursor_ = nullptr;

    std::array<CPaintedButton, MainWindowPlan::kControls> controls_;
    std::array<CPaintedButton, MainWindowLayout::kSlots> dropDowns_;
    CPaintedButtons buttons_;
    CDMarker xSlider_, ySlider_, liftOffSlider_;

    std::unique_ptr<CDlgadvance> advance_;
    std::unique_ptr<MacroManagerHost> macros_;
    std::unique_ptr<VirtualMouseWindow> mouseWindow_;
    std::unique_ptr<CDlgToolTip> toolTip_;
    std::unique_ptr<ProfileManagerHost> profiles_;
};

} // namespace corvalith
