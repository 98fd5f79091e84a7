#include "app/win/CMouseConfigurationDlg.h"

#include "app/MainWindowAccessibility.h"
#include "app/win/MainWindowMenus.h"
#include "app/win/ProgramIcon.h"
#include "assign/AssignmentMenuPlan.h"
#include "assign/win/AssignmentMenuTracker.h"
#include "controls/win/CExMenu.h"
#include "framework/Win32Rect.h"
#include "macro/LBEditorRules.h"
#include "pages/win/CDlgSplash.h"
#include "platform/win/WideString.h"
#include "skin/SkinArtSet.h"

#include <algorithm>

namespace corvalith {

namespace {

using Id = MainWindowPlan::Control;
using Changes = MainWindowModel::Changes;

} // namespace

CMouseConfigurationDlg::CMouseConfigurationDlg(const ProgramOptions& options, std::string programFolder)
    : CDialog(kTemplateId), feedback_(std::make_unique<MainWindowFeedback>(controls_)) {
    Template().SetClassName(kWindowClass);
    Template().SetStyle(WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_SYSMENU);
    Template().SetExStyle(WS_EX_APPWINDOW);
    services_ = std::make_unique<ProgramServices>(
        options, std::move(programFolder), *feedback_, [this](std::uint8_t stage) {
            // The reader thread waits until the window has shown the balloon.
            ::SendMessageW(Hwnd(), kDeviceEvent, static_cast<WPARAM>(DeviceStatus::Event::StageChanged),
                           stage);
        });
    ProgramServices& s = *services_;
    progress_ = std::make_unique<UploadProgressView>(tray_, s.Language);
    uploads_ = std::make_unique<ProgramUploads>(s.Uploader, s.Pointer, s.Session);
    dispatch_ = std::make_unique<SettingsDispatch>(s.Session.Working, *uploads_);
    canvas_ = std::make_unique<MainWindowCanvas>(s.Skins, s.Language, controls_.Painted());
    dialogs_ = std::make_unique<AssignmentDialogs>(s, *this, controls_);
    assignment_ = std::make_unique<ButtonAssignment>(s.Session, *uploads_, *dialogs_);
    panel_ = std::make_unique<SettingsPanelHost>(
        PageContext{s.Session.Working, s.Session.AppliedSnapshot, s.Skins, s.Language, s.Prompts(), s.Debug});
    profiles_ = std::make_unique<ProfileManagerHost>(
        s.Skins, s.Session,
        ProfileOperations::Services{s.Storage, s.Files, s.Prompts(), s.Uploader, s.Pointer, s.Debug},
        &LBEditorRules::Name, [&s]() -> ProgramRules& { return s.Rules(); }, [&s] { s.SaveRules(); });
    macros_ = std::make_unique<MacroManagerHost>(s, *this);
    helpTip_ = std::make_unique<LiftOffHelpTip>(s.Language, *this);
    devices_ =
        std::make_unique<DeviceEventHandler>(DeviceEventHandler::Parts{s, tray_, *panel_, *macros_, *this});
    ahead_ = std::make_unique<DecodeAheadPump>(DecodeAheadPump::Parts{s, *panel_, *canvas_, *this});
    startup_ = std::make_unique<MainWindowStartup>(
        MainWindowStartup::Parts{s, *uploads_, *devices_, *this},
        [this](const std::wstring& fontFace) { Build(fontFace); },
        [this] {
            SetDropDownCaptions();
            SetSlidersFromProfile();
        });
}

CMouseConfigurationDlg::~CMouseConfigurationDlg() = default;

BOOL CMouseConfigurationDlg::OnInitDialog() {
    ProgramServices& s = *services_;
    StayHiddenAfterInit();
    // Laid out for the monitor's scale before anything is built or shown.
    const int dpi = s.Options().Dpi > 0 ? s.Options().Dpi : static_cast<int>(::GetDpiForWindow(Hwnd()));
    ApplyScale(DisplayScale(dpi));
    tray_.Attach(Hwnd());
    // The worker's statuses reach the window from the first upload on: start-up sends the lift-off command.
    progress_->Attach(Hwnd());
    s.Worker.SetProgress(progress_.get());
    if (s.Options().ShowSplash) {
        CDlgSplash(s.Skins, this).DoModal();
    }
    SetWindowText(L"Corvalith");
    startup_->Run();

    if (showPending_) {
        showPending_ = false;
        Restore();
    }
    // The window's images are decoded now, while it waits in the tray, so that its first show only draws.
    ahead_->Start();
    // The program in front chooses the profile, where the user gave it one.
    following_.Start(Hwnd(), {[&s]() -> ProgramRules& { return s.Rules(); },
                              [this] { return !IsWindowEnabled() || profiles_->IsOpen(); },
                              [this] {
                                  const ProfileList list = profiles_->StoredList();
                                  return list.Selected() >= 0
                                             ? list.Name(static_cast<std::size_t>(list.Selected()))
                                             : std::string();
                              },
                              [this](const std::string& profile) {
                                  ProfileList list = profiles_->StoredList();
                                  const std::vector<std::string> names = list.Names();
                                  const auto found = std::find(names.begin(), names.end(), profile);
                                  if (found != names.end()) {
                                      SwitchProfile(std::move(list), static_cast<int>(found - names.begin()));
                                  }
                              }});
    // The window waits hidden in the tray: no control takes the focus now (under Wine that activates the
    // hidden window, which costs the start-up several milliseconds); the show activates it.
    return FALSE;
}

void CMouseConfigurationDlg::SetIcons() {
    // The window's own icons are set while it waits in the tray, or at a show that comes first: under
    // Wine each one costs the start-up a few milliseconds, and a hidden window shows neither.
    if (iconsSet_) {
        return;
    }
    iconsSet_ = true;
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon::Large()));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon::Small()));
}

void CMouseConfigurationDlg::ApplyScale(const DisplayScale& scale) {
    ProgramServices& s = *services_;
    s.Skins.SetArtSet(SkinArtSet::Nearest(scale.Percent()));
    canvas_->SetScale(scale);
    SetScale(scale);
}

void CMouseConfigurationDlg::OnDpiChanged(int dpi, const RECT& suggested) {
    ApplyScale(DisplayScale(dpi));
    CDialog::OnDpiChanged(dpi, suggested);
}

void CMouseConfigurationDlg::Build(const std::wstring& fontFace) {
    ProgramServices& s = *services_;
    frame_.Build(s.Skins);
    canvas_->Build(fontFace, frame_.Width(), frame_.Height());
    model_.emplace(s.Skins.SizeOf(MainWindowPlan::kButtonPanel).cy,
                   s.Skins.SizeOf(MainWindowPlan::kAxisPanel).cy);
    controls_.Build(*this, s.Skins, s.Language, fontFace, s.Session.Captions);
    // The window starts with every section collapsed and the top view.
    controls_.PlaceSections(model_->Layout());
}

void CMouseConfigurationDlg::Apply(const Changes& changes) {
    if (!changes.Any() || Hwnd() == nullptr) {
        return;
    }
    if (changes.Sections) {
        controls_.PlaceSections(model_->Layout());
        accessible_.NotifyReorder(Hwnd());
    }
    controls_.ApplyChecks(changes, *model_);
    // Every changed area is marked first and painted once.
    if (changes.Middle) {
        const RECT middle = ToRect(MainWindowPlan::kMiddle);
        RedrawWindow(&middle, RDW_INVALIDATE);
    }
    if (changes.Panel) {
        const RECT panel = ToRect(changes.PanelBelowAxis ? MainWindowLayout::kPanelRepaintAxis
                                                         : MainWindowLayout::kPanelRepaint);
        RedrawWindow(&panel, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    RedrawWindow(nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CMouseConfigurationDlg::CollapseAll() {
    Apply(model_->CollapseAll());
}

void CMouseConfigurationDlg::ToggleSection(MainWindowLayout::Section section, bool collapse) {
    Apply(model_->Toggle(section, collapse));
}

void CMouseConfigurationDlg::SelectView(int view) {
    Apply(model_->SelectView(view == 2 ? MainWindowPlan::View::Side : MainWindowPlan::View::Top));
}

void CMouseConfigurationDlg::ClearSelection() {
    if (model_) {
        Apply(model_->ClearSelection());
    }
}

void CMouseConfigurationDlg::SelectRow(int row) {
    Apply(model_->SelectRow(row));
}

void CMouseConfigurationDlg::OpenAssignmentMenu(int row) {
    const int slot = MainWindowLayout::SlotOfRow(row);
    if (slot < 0 || slot >= MainWindowLayout::kSlots) {
        return;
    }
    SelectRow(row);
    ProgramServices& s = *services_;
    const AssignmentCatalogue& catalogue = s.Catalogue();
    if (!assignment_->MenuMayOpen(static_cast<std::size_t>(slot))) {
        s.Prompts().ShowMessage(Hwnd(), catalogue.ClickGuardMessage(), catalogue.ClickGuardCaption(),
                                PromptButtons::Ok);
        ClearSelection();
        return;
    }
    const RECT box = ScreenRectOf(controls_.DropDown(slot));
    AssignmentMenuTracker::Track(AssignmentMenuPlan(catalogue), canvas_->MainFont(), box.right, box.top,
                                 Hwnd());
    ClearSelection();
    assignment_->MenuClosed(slot);
}

void CMouseConfigurationDlg::RunMacroManager() {
    if (macros_->Run()) {
        SetDropDownCaptions();
        uploads_->ApplyButtons();
    }
}

void CMouseConfigurationDlg::SetDropDownCaptions() {
    const MainWindowControls::Captions before = ShownCaptions();
    controls_.SetCaptions(services_->Session.Captions);
    UpdateWindow();
    NotifyChangedBoxes(before);
}

void CMouseConfigurationDlg::SetSlidersFromProfile() {
    controls_.SetSliders(services_->Session.Working);
}

BOOL CMouseConfigurationDlg::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CMouseConfigurationDlg::OnPaint() {
    canvas_->PaintWindow(*this, *model_, services_->Session.Working.LiftOffEnabled != 0,
                         progress_->Display());
}

BOOL CMouseConfigurationDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (lParam != 0) {
        return CDialog::OnCommand(wParam, lParam);
    }
    if (MainWindowControls::IsControlCommand(id) || MainWindowControls::IsDropDownCommand(id)) {
        OnButtonClicked(id);
        return TRUE;
    }
    if (MainWindowMenus::IsHelpCommand(id)) {
        MainWindowMenus::RunHelpCommand(id, *services_);
        return TRUE;
    }
    if (ButtonAssignment::IsAssignmentCommand(id)) {
        const MainWindowControls::Captions before = ShownCaptions();
        assignment_->Choose(services_->Catalogue(), id);
        NotifyChangedBoxes(before);
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CMouseConfigurationDlg::OnButtonClicked(UINT commandId) {
    if (MainWindowControls::IsDropDownCommand(commandId)) {
        OpenAssignmentMenu(MainWindowLayout::RowOfSlot(
            static_cast<int>(commandId - MainWindowControls::kFirstDropDownCommand)));
        return;
    }
    const MainWindowPlan::Click click =
        MainWindowPlan::ClickOf(static_cast<Id>(commandId - MainWindowControls::kFirstControlCommand));
    if (click.ClearsSelection) {
        ClearSelection();
    }
    switch (click.Does) {
    case MainWindowPlan::Action::Reset:
        Reset();
        break;
    case MainWindowPlan::Action::HideToTray:
        HideToTray();
        break;
    case MainWindowPlan::Action::Minimize:
        SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        break;
    case MainWindowPlan::Action::HelpMenu:
        MainWindowMenus::ShowHelpMenu(canvas_->MainFont(), services_->Language, Hwnd());
        break;
    case MainWindowPlan::Action::ProfileManager:
        OpenProfileManager();
        break;
    case MainWindowPlan::Action::MacroManager:
        RunMacroManager();
        break;
    case MainWindowPlan::Action::SelectView:
        Apply(model_->SelectView(click.Shows));
        break;
    case MainWindowPlan::Action::Toggle:
        ToggleSection(click.Section, !model_->Layout().IsCollapsed(click.Section));
        break;
    }
}

RECT CMouseConfigurationDlg::ScreenRectOf(const CPaintedButton& button) const {
    RECT rect = ToDevice(button.Rect());
    ::MapWindowPoints(Hwnd(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CMouseConfigurationDlg::HideToTray() {
    frame_.HideToTray();
}

void CMouseConfigurationDlg::Restore() {
    ProgramServices& s = *services_;
    if (!model_) {
        // A show request during the splash or the first-start question: the window is not built yet. It
        // is shown once start-up has ended.
        showPending_ = true;
        return;
    }
    if (!s.Link.IsConnected()) {
        return;
    }
    s.Storage.LoadProfile();
    s.Storage.LoadCaptions(s.CaptionSection());
    frame_.PlaceCentred();
    Apply(model_->Restore());
    SetSlidersFromProfile();
    SetDropDownCaptions();
    panel_->Build(*this, s.Link.IsConnected());
    panel_->CollapseAll();
    // The collapsed pages take the reloaded profile after the first paint.
    PostMessage(kRefreshPages, 0, 0);
    SetIcons();
    frame_.Show();
}

void CMouseConfigurationDlg::Reset() {
    ProgramServices& s = *services_;
    const LanguageTable& t = s.Language;
    if (s.Prompts().ShowMessage(Hwnd(), t.Text(TextEntry::ResetQuestion), t.Text(TextEntry::Attention),
                                PromptButtons::OkCancel) != PromptAnswer::Ok) {
        return;
    }
    s.Storage.FactoryReset(s.CaptionSection());
    Apply(model_->Reset());
    SetSlidersFromProfile();
    SetDropDownCaptions();
    panel_->Reload();
    s.Storage.SaveCaptions(s.CaptionSection());
    if (profiles_->IsOpen()) {
        CloseProfileManager();
    }
}

void CMouseConfigurationDlg::OpenProfileManager() {
    if (profiles_->Open(services_->Language.Code(), *this, kProfileManagerOrigin)) {
        controls_.HideUnderProfileManager(!model_->Layout().IsCollapsed(MainWindowLayout::ButtonAssignment));
    }
}

void CMouseConfigurationDlg::ShowLoadedProfile() {
    SetSlidersFromProfile();
    panel_->Reload();
    SetDropDownCaptions();
}

void CMouseConfigurationDlg::CloseProfileManager() {
    profiles_->Close();
    ShowLeftPanel();
}

void CMouseConfigurationDlg::ShowLeftPanel() {
    controls_.ShowLeftPanel(model_->Layout());
}

std::vector<AccessibleItem> CMouseConfigurationDlg::AccessibleItems() {
    if (!model_) {
        return {};
    }
    // The boxes' values are the captions they draw.
    return MainWindowAccessibility::Items(
        *model_, services_->Language, ShownCaptions(), profiles_->IsOpen(),
        {MainWindowControls::kFirstControlCommand, MainWindowControls::kFirstDropDownCommand});
}

MainWindowControls::Captions CMouseConfigurationDlg::ShownCaptions() {
    MainWindowControls::Captions captions;
    if (model_) {
        for (int slot = 0; slot < MainWindowLayout::kSlots; ++slot) {
            captions[static_cast<std::size_t>(slot)] =
                WideString::ToUtf8(controls_.DropDown(slot).GetCaption());
        }
    }
    return captions;
}

void CMouseConfigurationDlg::NotifyChangedBoxes(const MainWindowControls::Captions& before) {
    const MainWindowControls::Captions now = ShownCaptions();
    for (int slot = 0; slot < MainWindowLayout::kSlots; ++slot) {
        if (now[static_cast<std::size_t>(slot)] != before[static_cast<std::size_t>(slot)]) {
            accessible_.NotifyItem(Hwnd(), EVENT_OBJECT_VALUECHANGE,
                                   MainWindowControls::kFirstDropDownCommand + static_cast<unsigned>(slot));
        }
    }
}

void CMouseConfigurationDlg::PressAt(POINT point) {
    const MainWindowLayout& layout = model_->Layout();
    const MainWindowLayout::SwitchPress press = layout.SwitchAt(point.x, point.y);
    if (press == MainWindowLayout::SwitchPress::None) {
        return;
    }
    dispatch_->OnSwitch(press);
    InvalidateRect(ToRect(layout.LiftOffOnZone()));
    InvalidateRect(ToRect(layout.LiftOffOffZone()));
}

void CMouseConfigurationDlg::OnLButtonDown(UINT, POINT point) {
    if (controls_.Painted().OnLButtonDown(point)) {
        return;
    }
    ClearSelection();
    POINT screen = point;
    ClientToScreen(screen);
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(screen.x, screen.y));
    PressAt(point);
}

void CMouseConfigurationDlg::OnTimer(UINT_PTR id) {
    if (!tray_.OnTimer(id) && !progress_->OnTimer(id) && !following_.OnTimer(id)) {
        CDialog::OnTimer(id);
    }
}

void CMouseConfigurationDlg::OnTray(WPARAM wParam, LPARAM lParam) {
    if (wParam != kIconId || tray_.OnNotification(lParam)) {
        return;
    }
    if (lParam == WM_LBUTTONDBLCLK) {
        Restore();
    } else if (lParam == WM_RBUTTONUP) {
        ShowIconMenu();
    }
}

void CMouseConfigurationDlg::ShowIconMenu() {
    ProgramServices& s = *services_;
    const LanguageTable& t = s.Language;
    ProfileList list = profiles_->StoredList();
    const std::vector<std::string> names = list.Names();
    const UINT chosen = MainWindowMenus::ShowIconMenu(
        canvas_->MainFont(),
        TrayMenuPlan::For(names, list.Selected(), s.Rules().Enabled(), t.Text(TextEntry::AutomaticSwitching),
                          t.Text(TextEntry::Exit)),
        Hwnd());
    if (chosen == TrayMenuPlan::kExit) {
        EndDialog(IDCANCEL);
    } else if (chosen == TrayMenuPlan::kAutomaticSwitching) {
        s.Rules().SetEnabled(!s.Rules().Enabled());
        s.SaveRules();
    } else if (const int position = TrayMenuPlan::ProfileOf(chosen, names.size()); position >= 0) {
        SwitchProfile(std::move(list), position);
    }
}

void CMouseConfigurationDlg::SwitchProfile(int position) {
    SwitchProfile(profiles_->StoredList(), position);
}

void CMouseConfigurationDlg::SwitchProfile(ProfileList list, int position) {
    ProgramServices& s = *services_;
    if (const std::optional<std::string> name =
            profiles_->SwitchTo(std::move(list), position, s.CaptionSection(), *this)) {
        tray_.ShowBalloon(L"Info", WideString::FromUtf8(s.Language.Text(TextEntry::ActiveProfile) + *name),
                          kSwitchBalloonMs);
    }
}

void CMouseConfigurationDlg::OnMeasureItem(int id, MEASUREITEMSTRUCT* item) {
    if (!CExMenu::HandleMeasureItem(item, Scale())) {
        CDialog::OnMeasureItem(id, item);
    }
}

void CMouseConfigurationDlg::OnDrawItem(int id, DRAWITEMSTRUCT* item) {
    if (!CExMenu::HandleDrawItem(item, Scale())) {
        CDialog::OnDrawItem(id, item);
    }
}

void CMouseConfigurationDlg::OnLButtonUp(UINT flags, POINT point) {
    if (!controls_.Painted().OnLButtonUp(point)) {
        CDialog::OnLButtonUp(flags, point);
    }
}

void CMouseConfigurationDlg::OnMouseLeave() {
    controls_.Painted().OnMouseLeave();
    CDialog::OnMouseLeave();
}

void CMouseConfigurationDlg::OnCaptureChanged(HWND newCapture) {
    controls_.Painted().OnCaptureChanged(newCapture);
    CDialog::OnCaptureChanged(newCapture);
}

void CMouseConfigurationDlg::OnMouseMove(UINT flags, POINT point) {
    if (!model_) {
        return;
    }
    controls_.Painted().OnMouseMove(flags, point);
    POINT onScreen = point;
    ClientToScreen(onScreen);
    helpTip_->Follow(onScreen, ScreenRectOf(controls_.Header(4)));
}

bool CMouseConfigurationDlg::OnProgramMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kClearSelection:
        ClearSelection();
        return true;
    case kSettingsChanged:
        if (dispatch_->OnSettingsChanged(static_cast<std::intptr_t>(lParam))) {
            ShowLeftPanel();
        }
        return true;
    case kShowRequest:
        Restore();
        return true;
    case kDecodeAhead:
        SetIcons();
        if (model_) {
            ahead_->Step(*model_);
        }
        return true;
    case kRefreshPages:
        panel_->Refresh();
        return true;
    case kUploadStatus:
        progress_->OnMessage(wParam, lParam);
        return true;
    default:
        return false;
    }
}

BOOL CMouseConfigurationDlg::PreTranslateMessage(MSG* msg) {
    // Posted to the window or to any of its children (a page posts to its own window).
    const bool ours = msg->hwnd == Hwnd() || ::IsChild(Hwnd(), msg->hwnd);
    if (ours && OnProgramMessage(msg->message, msg->wParam, msg->lParam)) {
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CMouseConfigurationDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // Sent to the window: the same as when posted. Not the show request: the shell itself sends its
    // number when the taskbar button is right-clicked, so only a posted one asks to show the window.
    if (message != kShowRequest && OnProgramMessage(message, wParam, lParam)) {
        return 0;
    }
    switch (message) {
    case WM_NCPAINT:
        // The window comes up hidden: the first frame paints hide it instead.
        if (frame_.HidesStartFrame()) {
            return 0;
        }
        break;
    case kTrayNotification:
        OnTray(wParam, lParam);
        return 0;
    case kProfileOperation:
        // From the profile manager: import, export, select or create a profile.
        profiles_->RunOperation(wParam, lParam, services_->CaptionSection(), Hwnd(), *this);
        return 0;
    case kDeviceEvent:
        devices_->OnDeviceEvent(wParam, lParam);
        return 0;
    case CMarkerSlider::kNotification:
        // A slider released: its position and its control.
        dispatch_->OnSlider(static_cast<int>(lParam), static_cast<int>(wParam));
        return 0;
    case WM_DEVICECHANGE:
        devices_->OnDeviceChange(wParam, lParam);
        return TRUE;
    case WM_GETOBJECT:
        if (const std::optional<LRESULT> answer = accessible_.OnGetObject(Hwnd(), wParam, lParam)) {
            return *answer;
        }
        break;
    case WM_CLOSE:
        // Alt+F4 and the taskbar's close hide the window to the tray like its close button; only "Exit"
        // and the firmware updater end the program.
        ClearSelection();
        HideToTray();
        return 0;
    default:
        break;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void CMouseConfigurationDlg::OnOK() {}

void CMouseConfigurationDlg::OnCancel() {
    EndDialog(IDCANCEL);
}

void CMouseConfigurationDlg::OnDestroy() {
    ProgramServices& s = *services_;
    following_.Stop();
    accessible_.Disconnect();
    s.StopDeviceLink();
    // The worker has stopped: nothing more is posted, and the bar and its timer go with the window.
    s.Worker.SetProgress(nullptr);
    progress_->Reset();
    progress_->Attach(nullptr);
    ahead_->Destroy();
    helpTip_->Hide();
    macros_->Destroy();
    s.DeviceNotifications.Unregister();
    devices_->RemoveIcon();
    CDialog::OnDestroy();
}

} // namespace corvalith
