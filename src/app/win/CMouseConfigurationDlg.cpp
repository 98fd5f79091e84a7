#include "app/win/CMouseConfigurationDlg.h"

#include "app/win/MainWindowMenus.h"
#include "assign/AssignmentMenuPlan.h"
#include "assign/win/AssignmentMenuTracker.h"
#include "assign/win/CExMenu.h"
#include "framework/Win32Rect.h"
#include "lang/LanguageCode.h"
#include "pages/win/CDlgSplash.h"
#include "pages/win/CDlgWarning.h"
#include "platform/win32/WideString.h"

namespace corvalith {

namespace {

using Id = MainWindowPlan::Control;
using Changes = MainWindowModel::Changes;

} // namespace

CMouseConfigurationDlg::CMouseConfigurationDlg(const ProgramOptions& options, std::string programFolder)
    : CDialog(kTemplateId), options_(options) {
    Template().SetClassName(kWindowClass);
    Template().SetStyle(WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_SYSMENU);
    Template().SetExStyle(WS_EX_APPWINDOW);
    services_ = std::make_unique<ProgramServices>(
        options, std::move(programFolder), *this, [this](std::uint8_t stage) {
            // The reader thread waits until the window has shown the balloon.
            ::SendMessageW(Hwnd(), kDeviceEvent, static_cast<WPARAM>(DeviceStatus::Event::StageChanged),
                           stage);
        });
    ProgramServices& s = *services_;
    uploads_ = std::make_unique<ProgramUploads>(s.Uploader, s.Pointer, s.Session);
    dispatch_ = std::make_unique<SettingsDispatch>(s.Session.Working, *uploads_);
    canvas_ = std::make_unique<MainWindowCanvas>(s.Skins, s.Language, controls_.Painted());
    dialogs_ = std::make_unique<AssignmentDialogs>(s, *this, controls_);
    assignment_ = std::make_unique<ButtonAssignment>(s.Session, *uploads_, *dialogs_);
    ahead_ = std::make_unique<SkinDecodeQueue>(s.Skins);
    panel_ = std::make_unique<SettingsPanelHost>(
        PageContext{s.Session.Working, s.Session.AppliedSnapshot, s.Skins, s.Language, s.Prompts(), s.Debug});
    profiles_ = std::make_unique<ProfileManagerHost>(
        s.Skins, s.Session,
        ProfileOperations::Services{s.Storage, s.Files, s.Prompts(), s.Uploader, s.Pointer, s.Debug});
    macros_ = std::make_unique<MacroManagerHost>(s, *this);
    helpTip_ = std::make_unique<LiftOffHelpTip>(s.Language, *this);
}

CMouseConfigurationDlg::~CMouseConfigurationDlg() = default;

BOOL CMouseConfigurationDlg::OnInitDialog() {
    ProgramServices& s = *services_;
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconId));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    StayHiddenAfterInit();
    tray_.Attach(Hwnd());
    if (options_.ShowSplash) {
        CDlgSplash(s.Skins, this).DoModal();
    }
    SetWindowText(L"Corvalith");

    ProgramStartup::Run(
        {s.Link, s.Storage, s.Session, s.InstallRecord, s.DeviceNotifications, *uploads_, s.Debug}, *this,
        Hwnd(), UiLanguage());

    if (showPending_) {
        showPending_ = false;
        Restore();
    }
    // The window's images are decoded now, while it waits in the tray, so that its first show only draws.
    std::vector<std::string> ahead = MainWindowPlan::AllImagePaths();
    ahead.insert(ahead.end(), CDlgadvance::kShownImages.begin(), CDlgadvance::kShownImages.end());
    ahead_->Start(ahead);
    PostMessage(kDecodeAhead, 0, 0);
    return TRUE;
}

void CMouseConfigurationDlg::ShowVirtualMouse() {
    // The simulated mouse's window belongs to the simulation, not to the program: the icon does not wait
    // for it.
    ProgramServices& s = *services_;
    if (mouseWindow_ || s.Mouse() == nullptr) {
        return;
    }
    mouseWindow_ = std::make_unique<VirtualMouseWindow>(*s.Mouse());
    mouseWindow_->Create();
    s.SetReportObserver([window = mouseWindow_.get()] { window->RequestRefresh(); });
}

void CMouseConfigurationDlg::DecodeAhead() {
    // One file per message: a show request or a click waits for one decode at most. The first message
    // builds the settings panel (the slowest part of the window to build, and nothing of it is seen
    // before the show) and opens the virtual mouse's window. After the last file the window is drawn once,
    // unseen, so that its first show only draws.
    panel_->Build(*this, services_->Link.IsConnected());
    ShowVirtualMouse();
    switch (ahead_->DecodeNext()) {
    case SkinDecodeQueue::Step::More:
        PostMessage(kDecodeAhead, 0, 0);
        break;
    case SkinDecodeQueue::Step::Finished:
        canvas_->PaintUnseen(*model_, services_->Session.Working.LiftOffEnabled != 0);
        break;
    case SkinDecodeQueue::Step::Idle:
        break;
    }
}

std::string CMouseConfigurationDlg::SetLanguage(std::string_view code) {
    ProgramServices& s = *services_;
    s.SetLanguage(code);
    fontFace_ = WideString::FromUtf8(std::string(LanguageCode::FontFace(s.Language.Code())));
    return s.CaptionSection();
}

bool CMouseConfigurationDlg::AskLiftOff() {
    CDlgWarning warning(services_->Skins, services_->Language, this);
    warning.DoModal();
    return warning.TurnsLiftOffOn();
}

void CMouseConfigurationDlg::Build() {
    ProgramServices& s = *services_;
    // The window takes the background's size from the file's header; the image itself is decoded at
    // the first paint, so a window that starts hidden decodes nothing.
    const SIZE background = s.Skins.SizeOf(MainWindowPlan::kBackground);
    const bool sized = background.cx > 0 && background.cy > 0;
    width_ = sized ? background.cx : MainWindowLayout::kFallbackWidth;
    height_ = sized ? background.cy : MainWindowLayout::kFallbackHeight;
    PlaceCentred();
    canvas_->Build(fontFace_, width_, height_);
    model_.emplace(s.Skins.SizeOf(MainWindowPlan::kButtonPanel).cy,
                   s.Skins.SizeOf(MainWindowPlan::kAxisPanel).cy);
    controls_.Build(*this, s.Skins, s.Language, fontFace_, s.Session.Captions);
    // The window starts with every section collapsed and the top view.
    controls_.PlaceSections(model_->Layout());
}

void CMouseConfigurationDlg::ShowProfile() {
    SetDropDownCaptions();
    SetSlidersFromProfile();
}

void CMouseConfigurationDlg::LocaliseCatalogue() {
    services_->Catalogue().ApplyDpiNames(services_->Language);
}

void CMouseConfigurationDlg::GreetCompanion() {
    if (HWND companion = FindWindowW(nullptr, L"Corvalith ACCE")) {
        ::PostMessageW(companion, kShowRequest, 1, 1);
    }
}

std::uint16_t CMouseConfigurationDlg::UiLanguage() const {
    return options_.UiLanguage != 0 ? options_.UiLanguage : GetUserDefaultUILanguage();
}

void CMouseConfigurationDlg::PlaceCentred() {
    // The window is placed when it is built, hidden, and a show moves it only when the screen has changed
    // since: under Wine even a move to the same place costs the show about 2 ms.
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width_) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height_) / 2;
    const RECT now = GetWindowRect();
    if (now.left != x || now.top != y || now.right - now.left != width_ || now.bottom - now.top != height_) {
        SetWindowPos(nullptr, x, y, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CMouseConfigurationDlg::Apply(const Changes& changes) {
    if (!changes.Any() || Hwnd() == nullptr) {
        return;
    }
    if (changes.Sections) {
        controls_.PlaceSections(model_->Layout());
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
    controls_.SetCaptions(services_->Session.Captions);
    UpdateWindow();
}

void CMouseConfigurationDlg::SetSlidersFromProfile() {
    controls_.SetSliders(services_->Session.Working);
}

BOOL CMouseConfigurationDlg::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CMouseConfigurationDlg::OnPaint() {
    canvas_->PaintWindow(Hwnd(), *model_, services_->Session.Working.LiftOffEnabled != 0);
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
        assignment_->Choose(services_->Catalogue(), id);
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
    RECT rect = button.Rect();
    ::MapWindowPoints(Hwnd(), nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void CMouseConfigurationDlg::HideToTray() {
    ShowWindow(SW_HIDE);
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
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
    // A window minimised with its minimise button comes back as it was before.
    if (IsIconic(Hwnd())) {
        ::ShowWindow(Hwnd(), SW_RESTORE);
    }
    PlaceCentred();
    Apply(model_->Restore());
    SetSlidersFromProfile();
    SetDropDownCaptions();
    panel_->Build(*this, s.Link.IsConnected());
    panel_->CollapseAll();
    // The collapsed pages take the reloaded profile after the first paint.
    PostMessage(kRefreshPages, 0, 0);
    // A restore is an explicit show: the start-up hiding of the first frame paints no longer applies.
    startHidden_ = 0;
    ModifyStyleEx(WS_EX_TOOLWINDOW, WS_EX_APPWINDOW);
    ShowWindow(SW_SHOW);
    SetForegroundWindow(Hwnd());
    // The window and its controls are painted before the uploads the refreshed pages have posted (the
    // lighting upload alone takes a quarter of a second of the mouse's waits).
    ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CMouseConfigurationDlg::Reset() {
    ProgramServices& s = *services_;
    const LanguageTable& t = s.Language;
    if (s.Prompts().ShowMessage(Hwnd(), t.Text(TextEntry::ResetQuestion), t.Text(TextEntry::Attention),
                                PromptButtons::OkCancel) != PromptAnswer::Ok) {
        return;
    }
    BeginWaitCursor();
    s.Storage.FactoryReset(s.CaptionSection());
    Apply(model_->Reset());
    SetSlidersFromProfile();
    SetDropDownCaptions();
    panel_->Reload();
    s.Storage.SaveCaptions(s.CaptionSection());
    if (profiles_->IsOpen()) {
        CloseProfileManager();
    }
    EndWaitCursor();
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

void CMouseConfigurationDlg::OnSliderNotification(int position, int controlId) {
    dispatch_->OnSlider(controlId, position);
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

void CMouseConfigurationDlg::BeginWaitCursor() {
    if (waitDepth_++ == 0) {
        previousCursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    }
}

void CMouseConfigurationDlg::EndWaitCursor() {
    if (waitDepth_ > 0 && --waitDepth_ == 0) {
        SetCursor(previousCursor_ != nullptr ? previousCursor_ : LoadCursorW(nullptr, IDC_ARROW));
    }
}

void CMouseConfigurationDlg::EnableLiftOffSlider(bool enabled) {
    if (controls_.LiftOffSlider().Hwnd() != nullptr) {
        controls_.LiftOffSlider().EnableWindow(enabled);
    }
}

void CMouseConfigurationDlg::AddIcon() {
    tray_.Add(WideString::FromUtf8(services_->Language.Text(TextEntry::ProductTitle)));
}

void CMouseConfigurationDlg::RemoveIcon() {
    tray_.Remove();
}

void CMouseConfigurationDlg::OnTimer(UINT_PTR id) {
    if (!tray_.OnTimer(id)) {
        CDialog::OnTimer(id);
    }
}

void CMouseConfigurationDlg::OnDeviceEvent(WPARAM code, LPARAM value) {
    if (const auto balloon =
            deviceStatus_.BalloonFor(static_cast<int>(code), static_cast<unsigned>(value),
                                     services_->Language, services_->Session.AppliedSnapshot)) {
        tray_.ShowBalloon(WideString::FromUtf8(balloon->Title), WideString::FromUtf8(balloon->Text),
                          balloon->TimeoutMs);
    }
}

void CMouseConfigurationDlg::OnDeviceChange(WPARAM event, LPARAM data) {
    ProgramServices& s = *services_;
    const std::optional<DeviceStatus::Reaction> reaction = s.OnDeviceChange(event, data);
    if (!reaction) {
        return;
    }
    // The event is posted before the icon changes, so its balloon comes after the icon's change.
    if (reaction->Post) {
        PostMessage(kDeviceEvent, static_cast<WPARAM>(*reaction->Post), 0);
    }
    if (reaction->ReloadProfile) {
        s.LoadFirstProfile();
    }
    if (reaction->HideWindow) {
        ShowWindow(SW_HIDE);
    }
    if (reaction->CloseMacroManager) {
        macros_->Close();
    }
    switch (reaction->IconChange) {
    case DeviceStatus::Icon::Keep:
        break;
    case DeviceStatus::Icon::Add:
        AddIcon();
        // The mouse is open: the DPI page edits its scale.
        if (s.Link.IsConnected()) {
            panel_->MouseOpened();
        }
        break;
    case DeviceStatus::Icon::Remove:
        RemoveIcon();
        break;
    case DeviceStatus::Icon::RemoveAfterBalloon:
        tray_.RemoveAfterBalloon();
        break;
    }
}

void CMouseConfigurationDlg::OnTray(WPARAM wParam, LPARAM lParam) {
    if (wParam != kIconId || tray_.OnNotification(lParam)) {
        return;
    }
    if (lParam == WM_LBUTTONDBLCLK) {
        Restore();
    } else if (lParam == WM_RBUTTONUP &&
               MainWindowMenus::ShowIconMenu(canvas_->MainFont(), services_->Language, Hwnd())) {
        EndDialog(IDCANCEL);
    }
}

void CMouseConfigurationDlg::OnMeasureItem(int id, MEASUREITEMSTRUCT* item) {
    if (!CExMenu::HandleMeasureItem(item)) {
        CDialog::OnMeasureItem(id, item);
    }
}

void CMouseConfigurationDlg::OnDrawItem(int id, DRAWITEMSTRUCT* item) {
    if (!CExMenu::HandleDrawItem(item)) {
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

bool CMouseConfigurationDlg::OnProgramMessage(UINT message, WPARAM, LPARAM lParam) {
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
        DecodeAhead();
        return true;
    case kRefreshPages:
        panel_->Refresh();
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
        if (startHidden_ > 0) {
            --startHidden_;
            ::ShowWindow(Hwnd(), SW_HIDE);
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
        OnDeviceEvent(wParam, lParam);
        return 0;
    case CMarkerSlider::kNotification:
        OnSliderNotification(static_cast<int>(wParam), static_cast<int>(lParam));
        return 0;
    case WM_DEVICECHANGE:
        OnDeviceChange(wParam, lParam);
        return TRUE;
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
    s.StopDeviceLink();
    s.SetReportObserver(nullptr);
    helpTip_->Hide();
    if (mouseWindow_) {
        mouseWindow_->DestroyWindow();
    }
    macros_->Destroy();
    s.DeviceNotifications.Unregister();
    RemoveIcon();
    CDialog::OnDestroy();
}

} // namespace corvalith
