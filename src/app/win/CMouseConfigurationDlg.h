#pragma once

#include "app/ButtonAssignment.h"
#include "app/DeviceStatus.h"
#include "app/MainWindowModel.h"
#include "app/MainWindowPlan.h"
#include "app/ProgramUploads.h"
#include "app/SettingsDispatch.h"
#include "app/win/AssignmentDialogs.h"
#include "app/win/CTrayIcon.h"
#include "app/win/DecodeAheadPump.h"
#include "app/win/DeviceEventHandler.h"
#include "app/win/ForegroundSwitcher.h"
#include "app/win/LiftOffHelpTip.h"
#include "app/win/MacroManagerHost.h"
#include "app/win/MainWindowCanvas.h"
#include "app/win/MainWindowControls.h"
#include "app/win/MainWindowFeedback.h"
#include "app/win/MainWindowFrame.h"
#include "app/win/MainWindowMessages.h"
#include "app/win/MainWindowStartup.h"
#include "app/win/ProgramServices.h"
#include "app/win/UploadProgressView.h"
#include "framework/CDialog.h"
#include "pages/win/SettingsPanelHost.h"
#include "profile/IProfileWindow.h"
#include "profile/win/ProfileManagerHost.h"
#include "sim/win/VirtualMouseWindow.h"
#include "skin/win/AccessibleWindow.h"

#include <memory>
#include <optional>
#include <string>

namespace corvalith {

// The main window: one borderless skinned window of fixed size that normally stays hidden behind its
// notification-area icon. It creates its parts, passes its input and messages on to them and paints from
// the main window's plan: the window model says what a command changes, the settings dispatch where a
// change goes. Its controls, its painting, its menus, its start-up steps, its handling of the mouse's
// coming and going, its work while it waits in the tray and the windows it hosts (the settings panel, the
// profile and macro managers, the assignment dialogs) are objects of their own, which tests read directly.
class CMouseConfigurationDlg : public CDialog, private IProfileWindow {
public:
    // Messages of the program.
    using Message = MainWindowMessage;
    using enum MainWindowMessage;
    static constexpr UINT kIconId = CTrayIcon::kIconId;
    static constexpr UINT kTemplateId = 102;
    static constexpr int kXSliderId = MainWindowControls::kXSliderId;
    static constexpr int kYSliderId = MainWindowControls::kYSliderId;
    static constexpr int kLiftOffSliderId = MainWindowControls::kLiftOffSliderId;
    static constexpr const wchar_t* kWindowClass = L"HarloHCClass";
    // Where the profile manager sits in the window.
    static constexpr POINT kProfileManagerOrigin{12, 32};

    CMouseConfigurationDlg(const ProgramOptions& options, std::string programFolder);
    ~CMouseConfigurationDlg() override;

    // What the window is made of.
    ProgramServices& Services() { return *services_; }
    const MainWindowModel& Model() const { return *model_; }
    MainWindowControls& Controls() { return controls_; }
    const CTrayIcon& Tray() const { return tray_; }
    ForegroundSwitcher& Following() { return following_; }
    const ButtonAssignment& Assignment() const { return *assignment_; }
    SettingsPanelHost& Panel() { return *panel_; }
    ProfileManagerHost& Profiles() { return *profiles_; }
    DecodeAheadPump& TrayWait() { return *ahead_; }
    const LiftOffHelpTip& HelpTip() const { return *helpTip_; }
    const UploadProgressView& Progress() const { return *progress_; }

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
    // A left-button press at a client point: the lift-off switch zones.
    void PressAt(POINT point);
    // The tray's quick switch: the profile at the list position becomes the active one, as the profile
    // manager's choice would make it, and a balloon names it.
    void SwitchProfile(int position);
    // The same with the stored list already read.
    void SwitchProfile(ProfileList list, int position);

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
    // Sizes the window and creates its parts in a font face; every section collapsed and the top view.
    void Build(const std::wstring& fontFace);
    // The window, its controls, its canvas and the skin's art set at a scale.
    void ApplyScale(const DisplayScale& scale);
    // The art set and the canvas follow the new scale too.
    void OnDpiChanged(int dpi, const RECT& suggested) override;

    // IProfileWindow
    void ShowLoadedProfile() override;
    void CloseProfileManager() override;

    // Runs the macro manager; afterwards the buttons that play macros follow their macros by name and the
    // mouse gets the table built on OK.
    void RunMacroManager();
    void OnButtonClicked(UINT commandId);
    // Where a button is on the screen.
    RECT ScreenRectOf(const CPaintedButton& button) const;
    // Brings the controls and the pixels up to date with what a command of the model changed, repainting
    // each changed area once.
    void Apply(const MainWindowModel::Changes& changes);
    void SetDropDownCaptions();
    void SetSlidersFromProfile();
    void SetIcons();
    // Handles the program's messages that may come sent or posted; true when it was one of them.
    bool OnProgramMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnTray(WPARAM wParam, LPARAM lParam);
    // The icon's menu: the profiles, automatic switching, "Exit".
    void ShowIconMenu();
    void ShowLeftPanel();
    // What a screen reader finds of the controls the window draws, from the state it draws them in.
    std::vector<AccessibleItem> AccessibleItems();
    // The captions the boxes draw, slot by slot.
    MainWindowControls::Captions ShownCaptions();
    // Tells listening screen readers which boxes show another assignment than before.
    void NotifyChangedBoxes(const MainWindowControls::Captions& before);

    ForegroundSwitcher following_; // the program in front chooses the profile
    // How long the balloon naming the profile a switch made active stays.
    static constexpr UINT kSwitchBalloonMs = 3000;

    std::unique_ptr<MainWindowFeedback> feedback_; // declared before the services, which use it
    // Declared before the services: the device worker tells it its statuses until the services stop it.
    std::unique_ptr<UploadProgressView> progress_;
    std::unique_ptr<ProgramServices> services_;
    std::unique_ptr<ProgramUploads> uploads_;
    std::unique_ptr<SettingsDispatch> dispatch_;
    MainWindowControls controls_;
    std::unique_ptr<MainWindowCanvas> canvas_;
    std::unique_ptr<AssignmentDialogs> dialogs_;
    std::unique_ptr<ButtonAssignment> assignment_;
    std::optional<MainWindowModel> model_;
    CTrayIcon tray_;
    MainWindowFrame frame_{*this};
    bool showPending_ = false; // a show request came before the window was built
    bool iconsSet_ = false;

    std::unique_ptr<SettingsPanelHost> panel_;
    std::unique_ptr<ProfileManagerHost> profiles_;
    std::unique_ptr<MacroManagerHost> macros_;
    std::unique_ptr<LiftOffHelpTip> helpTip_;
    std::unique_ptr<DeviceEventHandler> devices_;
    std::unique_ptr<DecodeAheadPump> ahead_;
    std::unique_ptr<MainWindowStartup> startup_;
    AccessibleWindow accessible_{[this] { return AccessibleItems(); }};
};

} // namespace corvalith
