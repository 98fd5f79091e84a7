#include "app/win/CMouseConfigurationDlg.h"

#include "app/ProgramVersion.h"
#include "assign/AssignmentMenuPlan.h"
#include "assign/win/CExMenu.h"
#include "assign/win/CSingleDialog.h"
#include "framework/CMemoryDC.h"
#include "lang/LanguageCode.h"
#include "macro/MacroFile.h"
#include "macro/win/CMacroDialog.h"
#include "pages/win/CDlgSplash.h"
#include "pages/win/CDlgWarning.h"
#include "platform/win32/WideString.h"

#include <dbt.h>

#include <algorithm>

namespace corvalith {

namespace {

enum HelpCommand : UINT { kHelpOpenSite = 1001, kHelpUpdate = 1002, kHelpVersion = 1003 };
constexpr UINT kIconMenuExit = IDCANCEL; // the cancel command ends the main window's modal loop

using Id = MainWindowPlan::Control;
using Changes = MainWindowModel::Changes;

// The window's fill where no background image could be loaded.
constexpr COLORREF kFallbackBackground = RGB(40, 12, 12);

RECT ToRect(const MainWindowLayout::Rect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

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
    uploads_ = std::make_unique<ProgramUploads>(services_->Uploader, services_->Pointer, services_->Session);
    dispatch_ = std::make_unique<SettingsDispatch>(services_->Session.Working, *uploads_);
    assignment_ = std::make_unique<ButtonAssignment>(services_->Session, *uploads_,
                                                     static_cast<IAssignmentWindow&>(*this));
    ProgramServices& s = *services_;
    profiles_ = std::make_unique<ProfileManagerHost>(
        s.Skins, s.Session,
        ProfileOperations::Services{s.Storage, s.Files, s.Prompts(), s.Uploader, s.Pointer, s.Debug});
    macros_ = std::make_unique<MacroManagerHost>(s, *this);
    ahead_ = std::make_unique<SkinDecodeQueue>(s.Skins);
}

CMouseConfigurationDlg::~CMouseConfigurationDlg() {
    for (HFONT font : {mainFont_, labelFont_}) {
        if (font != nullptr) {
            DeleteObject(font);
        }
    }
}

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
    // builds the settings panel and opens the virtual mouse's window.
    BuildAdvancedPanel();
    ShowVirtualMouse();
    switch (ahead_->DecodeNext()) {
    case SkinDecodeQueue::Step::More:
        PostMessage(kDecodeAhead, 0, 0);
        break;
    case SkinDecodeQueue::Step::Finished:
        PaintUnseen();
        break;
    case SkinDecodeQueue::Step::Idle:
        break;
    }
}

void CMouseConfigurationDlg::PaintUnseen() {
    // The window is drawn once on its paint surface (the largest the program draws on): the surface is
    // made, and so are the letters of its texts.
    const HDC screen = ::GetDC(nullptr);
    {
        CMemoryDC memory(screen, width_, height_);
        if (memory.Valid()) {
            Paint(memory);
        }
    }
    ::ReleaseDC(nullptr, screen);
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
    BuildSizeAndFonts();
    BuildControls();
    // The window starts with every section collapsed and the top view.
    PlaceSections();
    ButtonOf(Id::TopView).SetChecked(true);
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

void CMouseConfigurationDlg::BuildSizeAndFonts() {
    ProgramServices& s = *services_;
    // The window takes the background's size from the file's header; the image itself is decoded at
    // the first paint, so a window that starts hidden decodes nothing.
    const SIZE background = s.Skins.SizeOf(MainWindowPlan::kBackground);
    if (background.cx > 0 && background.cy > 0) {
        width_ = background.cx;
        height_ = background.cy;
    } else {
        width_ = MainWindowLayout::kFallbackWidth;
        height_ = MainWindowLayout::kFallbackHeight;
    }
    PlaceCentred();
    const auto font = [this](int weight) {
        return CreateFontW(13, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x20, fontFace_.c_str());
    };
    mainFont_ = font(400);
    labelFont_ = font(0);
    model_.emplace(s.Skins.SizeOf(MainWindowPlan::kButtonPanel).cy,
                   s.Skins.SizeOf(MainWindowPlan::kAxisPanel).cy);
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

void CMouseConfigurationDlg::InitialiseButton(CPaintedButton& button, const RECT& rect, UINT commandId,
                                              const std::array<std::string_view, 4>& images,
                                              const std::string& caption) {
    buttons_.Add(button, rect, commandId);
    ImageButtonFace& face = button.Face();
    face.SetCaption(WideString::FromUtf8(caption));
    face.SetFontFace(fontFace_);
    face.SetFontHeight(13);
    const RECT source{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    face.SetSkinImages(services_->Skins, source, images[0], images[1], images[2], images[3]);
}

void CMouseConfigurationDlg::BuildControls() {
    const LanguageTable& t = services_->Language;
    buttons_.SetParent(Hwnd());
    for (const MainWindowPlan::Button& plan : MainWindowPlan::Buttons()) {
        CPaintedButton& button = ButtonOf(plan.Id);
        InitialiseButton(button, ToRect(plan.Box), kFirstControlCommand + static_cast<UINT>(plan.Id),
                         plan.Images, plan.Caption ? t.Text(*plan.Caption) : "");
        if (plan.Alignment >= 0) {
            button.Face().SetAlignment(plan.Alignment);
        }
        if (plan.Indent != 0) {
            button.Face().SetIndent(plan.Indent);
        }
    }
    for (int row = 1; row <= MainWindowLayout::kSlots; ++row) {
        const int slot = MainWindowLayout::SlotOfRow(row);
        InitialiseButton(dropDowns_[static_cast<std::size_t>(slot)], ToRect(MainWindowLayout::DropDown(slot)),
                         kFirstDropDownCommand + static_cast<UINT>(slot), MainWindowPlan::kDropDownImages,
                         services_->Session.Captions[static_cast<std::size_t>(slot)]);
    }

    const std::pair<CDMarker*, int> sliders[] = {
        {&xSlider_, kXSliderId}, {&ySlider_, kYSliderId}, {&liftOffSlider_, kLiftOffSliderId}};
    for (const auto& [slider, id] : sliders) {
        slider->Create(RECT{}, this, id);
        slider->SetSkinImages(services_->Skins, ToRect(MainWindowPlan::kSliderImage),
                              MainWindowPlan::kSliderTrack, MainWindowPlan::kSliderFill);
        slider->SetAcceptsMouse(true);
    }
    xSlider_.SetRange(1, 11);
    ySlider_.SetRange(1, 11);
    liftOffSlider_.SetRange(0, 6);
    // The settings panel is built after start-up, by the first message of the tray wait (or by an earlier
    // show): it is the slowest part of the window to build, and nothing of it is seen before the show.
}

void CMouseConfigurationDlg::BuildAdvancedPanel() {
    if (advance_) {
        return;
    }
    ProgramServices& s = *services_;
    advance_ = std::make_unique<CDlgadvance>(
        PageContext{s.Session.Working, s.Session.AppliedSnapshot, s.Skins, s.Language, s.Prompts(), s.Debug});
    if (!advance_->CreatePanel(this)) {
        return;
    }
    advance_->SetPadSection(false); // no mouse pad is ever found
    advance_->AttachScrollFrame();
    advance_->LayOutHeaders();
    advance_->UpdateScrollBars();
    // The DPI page edits the mouse's own scale once the mouse has been opened.
    if (s.Link.IsConnected()) {
        advance_->Dpi().SetStepMode(DpiScale::StepMode::Coarse);
    }
}

void CMouseConfigurationDlg::ReloadAdvancedPanel() {
    if (CDlgadvance* panel = BuiltPanel()) {
        panel->CollapseAll();
        panel->RefreshPages();
    }
}

void CMouseConfigurationDlg::Apply(const Changes& changes) {
    if (!changes.Any() || Hwnd() == nullptr) {
        return;
    }
    if (changes.Sections) {
        PlaceSections();
    }
    if (changes.RowChecks) {
        for (std::size_t slot = 0; slot < dropDowns_.size(); ++slot) {
            const bool checked = static_cast<int>(slot) == model_->SelectedSlot();
            if (dropDowns_[slot].IsChecked() != checked) {
                dropDowns_[slot].SetChecked(checked);
                dropDowns_[slot].Invalidate();
            }
        }
    }
    if (changes.ViewButtons) {
        const bool top = model_->CurrentView() == MainWindowPlan::View::Top;
        ButtonOf(Id::TopView).SetChecked(top);
        ButtonOf(Id::SideView).SetChecked(!top);
        ButtonOf(Id::TopView).Invalidate();
        ButtonOf(Id::SideView).Invalidate();
    }
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

void CMouseConfigurationDlg::PlaceSections() {
    const MainWindowLayout& l = model_->Layout();
    for (int number = 2; number <= 4; ++number) {
        Header(number).Move(ToRect(l.Header(number)));
    }
    const bool buttons = !l.IsCollapsed(MainWindowLayout::ButtonAssignment);
    const bool axes = !l.IsCollapsed(MainWindowLayout::AxisSensitivity);
    const bool liftOff = !l.IsCollapsed(MainWindowLayout::LiftOff);
    for (CPaintedButton& dropDown : dropDowns_) {
        dropDown.Show(buttons);
    }
    xSlider_.Place(ToRect(l.XSlider()));
    ySlider_.Place(ToRect(l.YSlider()));
    liftOffSlider_.Place(ToRect(l.LiftOffSlider()));
    xSlider_.ShowWindow(axes ? SW_SHOW : SW_HIDE);
    ySlider_.ShowWindow(axes ? SW_SHOW : SW_HIDE);
    liftOffSlider_.ShowWindow(liftOff ? SW_SHOW : SW_HIDE);
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
    const RECT box = ScreenRectOf(dropDowns_[static_cast<std::size_t>(slot)]);
    const AssignmentMenuPlan plan(catalogue);
    {
        // The submenus draw their own items, so they live as long as the main menu is shown.
        std::array<CExMenu, AssignmentMenuPlan::kSubmenus> submenus;
        CExMenu menu(mainFont_);
        menu.CreatePopupMenu();
        menu.SetItemWidth(plan.Main().ItemWidth);
        for (const AssignmentMenuPlan::Item& item : plan.Main().Items) {
            if (item.Submenu < 0) {
                menu.AppendItem(static_cast<UINT>(item.CommandId), item.Text);
                continue;
            }
            const AssignmentMenuPlan::Menu& content = plan.Submenus()[static_cast<std::size_t>(item.Submenu)];
            CExMenu& submenu = submenus[static_cast<std::size_t>(item.Submenu)];
            submenu.SetFont(mainFont_);
            submenu.CreatePopupMenu();
            submenu.SetItemWidth(content.ItemWidth);
            for (const AssignmentMenuPlan::Item& entry : content.Items) {
                submenu.AppendItem(static_cast<UINT>(entry.CommandId), entry.Text);
            }
            menu.AppendSubmenu(item.Text, submenu);
        }
        const AssignmentMenuPlan::Point origin = AssignmentMenuPlan::Origin(box.right, box.top);
        menu.Track(origin.X, origin.Y, Hwnd());
        // The menu's own loop has ended; an empty message makes the window's loop look at its queue.
        PostMessage(WM_NULL);
    }
    ClearSelection();
    assignment_->MenuClosed(slot);
}

std::optional<std::string> CMouseConfigurationDlg::ChooseKey(const std::string& initialName) {
    ProgramServices& s = *services_;
    CSingleDialog dialog(s.Skins, s.Language.Code(), s.Debug, s.Prompts(), this);
    dialog.SetKeyName(initialName);
    if (dialog.DoModal() != IDOK) {
        return std::nullopt;
    }
    return dialog.Choice();
}

std::optional<IAssignmentWindow::MacroResult>
CMouseConfigurationDlg::ChooseMacro(const std::optional<AssignmentCatalogue::MacroPreset>& preset) {
    ProgramServices& s = *services_;
    const MacroFile macros(s.Files, s.Storage.DataFolder() + "record.ini");
    CMacroDialog dialog(s.Skins, s.Language.Code(), macros.ReadList(), this);
    if (preset) {
        dialog.SetCurrent(preset->Name, preset->Index, preset->Mode);
    }
    if (dialog.DoModal() != IDOK) {
        return std::nullopt;
    }
    const std::optional<MacroChoice::Result> chosen = dialog.Choice();
    if (!chosen) {
        return std::nullopt;
    }
    return MacroResult{chosen->Index, chosen->Mode, chosen->Name};
}

void CMouseConfigurationDlg::RunMacroManager() {
    if (macros_->Run()) {
        SetDropDownCaptions();
        uploads_->ApplyButtons();
    }
}

void CMouseConfigurationDlg::ShowCaption(std::size_t slot) {
    if (slot >= dropDowns_.size()) {
        return;
    }
    CPaintedButton& box = dropDowns_[slot];
    box.SetCaption(WideString::FromUtf8(services_->Session.Captions[slot]));
    box.Invalidate();
    UpdateWindow();
}

void CMouseConfigurationDlg::SetDropDownCaptions() {
    for (std::size_t slot = 0; slot < dropDowns_.size(); ++slot) {
        dropDowns_[slot].SetCaption(WideString::FromUtf8(services_->Session.Captions[slot]));
        dropDowns_[slot].Invalidate();
    }
    UpdateWindow();
}

void CMouseConfigurationDlg::SetSlidersFromProfile() {
    const ProfileSettings& p = services_->Session.Working;
    xSlider_.SetPosition(p.SensitivityX);
    ySlider_.SetPosition(p.SensitivityY);
    liftOffSlider_.SetPosition(p.LiftOffLevel);
    liftOffSlider_.EnableWindow(p.LiftOffEnabled != 0);
}

BOOL CMouseConfigurationDlg::OnEraseBkgnd(HDC) {
    return TRUE;
}

void CMouseConfigurationDlg::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    const RECT client = GetClientRect();
    CMemoryDC memory(dc, client.right, client.bottom);
    if (memory.Valid()) {
        // Only what the update rectangle touches is drawn and copied to the screen.
        const RECT& area = paint.rcPaint;
        IntersectClipRect(memory, area.left, area.top, area.right, area.bottom);
        Paint(memory);
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, area.left,
               area.top, SRCCOPY);
    }
    EndPaint(Hwnd(), &paint);
}

void CMouseConfigurationDlg::Paint(HDC dc) {
    const SkinImages& skins = services_->Skins;
    if (!skins.DrawImageFile(dc, MainWindowPlan::kBackground, 0, 0)) {
        const RECT client{0, 0, width_, height_};
        const HBRUSH fill = CreateSolidBrush(kFallbackBackground);
        FillRect(dc, &client, fill);
        DeleteObject(fill);
    }
    const MainWindowPlan::State state{model_->CurrentView(), model_->SelectedSlot(),
                                      services_->Session.Working.LiftOffEnabled != 0};
    for (const MainWindowPlan::Image& image : MainWindowPlan::Images(model_->Layout(), state)) {
        skins.DrawImageFile(dc, image.Path, image.X, image.Y);
    }

    const HGDIOBJ previousFont = SelectObject(dc, mainFont_);
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    for (const MainWindowPlan::Text& text : MainWindowPlan::Texts(model_->Layout(), services_->Language)) {
        SelectObject(dc, text.Face == MainWindowPlan::Font::Label ? labelFont_ : mainFont_);
        const std::wstring words = WideString::FromUtf8(text.Words);
        RECT box = ToRect(text.Box);
        switch (text.Place) {
        case MainWindowPlan::Placement::Line:
            ::DrawTextW(dc, words.c_str(), static_cast<int>(words.size()), &box,
                        DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
            break;
        case MainWindowPlan::Placement::CentredLine:
            ::DrawTextW(dc, words.c_str(), static_cast<int>(words.size()), &box,
                        DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            break;
        case MainWindowPlan::Placement::FromPoint:
            TextOutW(dc, box.left, box.top, words.c_str(), static_cast<int>(words.size()));
            break;
        }
    }
    SelectObject(dc, previousFont);
    RECT area;
    GetClipBox(dc, &area);
    buttons_.Draw(dc, area);
}

BOOL CMouseConfigurationDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0) {
        const UINT id = LOWORD(wParam);
        const bool control =
            id >= kFirstControlCommand && id < kFirstControlCommand + MainWindowPlan::kControls;
        const bool dropDown =
            id >= kFirstDropDownCommand && id < kFirstDropDownCommand + MainWindowLayout::kSlots;
        if (control || dropDown) {
            OnButtonClicked(id);
            return TRUE;
        }
        switch (id) {
        case kHelpOpenSite:
            services_->Shell.OpenWebPage(services_->Language.Text(TextEntry::MakerAddress));
            return TRUE;
        case kHelpUpdate:
            StartFirmwareUpdater();
            return TRUE;
        case kHelpVersion:
            return TRUE;
        default:
            if (ButtonAssignment::IsAssignmentCommand(LOWORD(wParam))) {
                assignment_->Choose(services_->Catalogue(), LOWORD(wParam));
                return TRUE;
            }
            return CDialog::OnCommand(wParam, lParam);
        }
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CMouseConfigurationDlg::OnButtonClicked(UINT commandId) {
    if (commandId >= kFirstDropDownCommand && commandId < kFirstDropDownCommand + MainWindowLayout::kSlots) {
        OpenAssignmentMenu(MainWindowLayout::RowOfSlot(static_cast<int>(commandId - kFirstDropDownCommand)));
        return;
    }
    switch (static_cast<Id>(commandId - kFirstControlCommand)) {
    case Id::Reset:
        Reset();
        break;
    case Id::Close:
        ClearSelection();
        HideToTray();
        break;
    case Id::Minimize:
        ClearSelection();
        SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        break;
    case Id::Help:
        ClearSelection();
        ShowHelpMenu();
        break;
    case Id::Config:
        ClearSelection();
        OpenProfileManager();
        break;
    case Id::Header2:
        ClearSelection();
        RunMacroManager();
        break;
    case Id::TopView:
        SelectView(1);
        break;
    case Id::SideView:
        SelectView(2);
        break;
    case Id::Header1:
        ClearSelection();
        ToggleSection(MainWindowLayout::ButtonAssignment,
                      !Layout().IsCollapsed(MainWindowLayout::ButtonAssignment));
        break;
    case Id::Header3:
        ClearSelection();
        ToggleSection(MainWindowLayout::AxisSensitivity,
                      !Layout().IsCollapsed(MainWindowLayout::AxisSensitivity));
        break;
    case Id::Header4:
        ToggleSection(MainWindowLayout::LiftOff, !Layout().IsCollapsed(MainWindowLayout::LiftOff));
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
    BuildAdvancedPanel();
    if (CDlgadvance* panel = BuiltPanel()) {
        panel->CollapseAll();
    }
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
    ReloadAdvancedPanel();
    s.Storage.SaveCaptions(s.CaptionSection());
    if (profiles_->IsOpen()) {
        CloseProfileManager();
    }
    EndWaitCursor();
}

void CMouseConfigurationDlg::OpenProfileManager() {
    if (!profiles_->Open(services_->Language.Code(), *this, kProfileManagerOrigin)) {
        return;
    }
    for (int number = 1; number <= 4; ++number) {
        Header(number).Show(false);
    }
    for (CDMarker* slider : {&xSlider_, &ySlider_, &liftOffSlider_}) {
        slider->ShowWindow(SW_HIDE);
    }
    if (!Layout().IsCollapsed(MainWindowLayout::ButtonAssignment)) {
        for (CPaintedButton& box : dropDowns_) {
            box.Show(false);
        }
    }
}

void CMouseConfigurationDlg::ShowLoadedProfile() {
    SetSlidersFromProfile();
    ReloadAdvancedPanel();
    SetDropDownCaptions();
}

void CMouseConfigurationDlg::CloseProfileManager() {
    profiles_->Close();
    ShowLeftPanel();
}

void CMouseConfigurationDlg::OnSliderNotification(int position, int controlId) {
    dispatch_->OnSlider(controlId, position);
}

void CMouseConfigurationDlg::PressAt(POINT point) {
    const MainWindowLayout::SwitchPress press = Layout().SwitchAt(point.x, point.y);
    if (press == MainWindowLayout::SwitchPress::None) {
        return;
    }
    dispatch_->OnSwitch(press);
    InvalidateRect(ToRect(Layout().LiftOffOnZone()));
    InvalidateRect(ToRect(Layout().LiftOffOffZone()));
}

void CMouseConfigurationDlg::OnLButtonDown(UINT, POINT point) {
    if (buttons_.OnLButtonDown(point)) {
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
    if (liftOffSlider_.Hwnd() != nullptr) {
        liftOffSlider_.EnableWindow(enabled);
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
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (header == nullptr) {
        return;
    }
    std::string path;
    if (header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
        path =
            WideString::ToUtf8(reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header)->dbcc_name);
    }
    ProgramServices& s = *services_;
    const DeviceStatus::Reaction reaction = DeviceStatus::For(
        s.Link.OnDeviceChange(static_cast<std::uint32_t>(event), header->dbch_devicetype, path));
    // The event is posted before the icon changes, so its balloon comes after the icon's change.
    if (reaction.Post) {
        PostMessage(kDeviceEvent, static_cast<WPARAM>(*reaction.Post), 0);
    }
    if (reaction.ReloadProfile) {
        s.Session.Working.ProfileIndex = 0;
        s.Storage.LoadProfile();
        s.Storage.LoadCaptions(s.CaptionSection());
        s.Session.TakeSnapshot();
    }
    if (reaction.HideWindow) {
        ShowWindow(SW_HIDE);
    }
    if (reaction.CloseMacroManager) {
        macros_->Close();
    }
    switch (reaction.IconChange) {
    case DeviceStatus::Icon::Keep:
        break;
    case DeviceStatus::Icon::Add:
        AddIcon();
        // The mouse is open: the DPI page edits its scale.
        if (CDlgadvance* panel = BuiltPanel(); panel != nullptr && s.Link.IsConnected()) {
            panel->Dpi().SetStepMode(DpiScale::StepMode::Coarse);
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
    switch (lParam) {
    case WM_LBUTTONDBLCLK:
        Restore();
        break;
    case WM_RBUTTONUP:
        ShowIconMenu();
        break;
    default:
        break;
    }
}

void CMouseConfigurationDlg::ShowIconMenu() {
    SetForegroundWindow(Hwnd());
    CExMenu menu(mainFont_);
    menu.CreatePopupMenu();
    menu.SetItemWidth(100);
    menu.AppendItem(kIconMenuExit, services_->Language.Text(TextEntry::Exit));
    POINT cursor;
    GetCursorPos(&cursor);
    if (menu.TrackForCommand(cursor.x, cursor.y, Hwnd()) == kIconMenuExit) {
        EndDialog(IDCANCEL);
    }
}

void CMouseConfigurationDlg::ShowHelpMenu() {
    const LanguageTable& t = services_->Language;
    CExMenu menu(mainFont_);
    menu.CreatePopupMenu();
    menu.SetItemWidth(100);
    menu.AppendItem(kHelpOpenSite, t.Text(TextEntry::MakerAddress));
    menu.AppendItem(kHelpUpdate, t.Text(TextEntry::Update));
    menu.AppendItem(kHelpVersion, ProgramVersion::MenuItem());
    POINT cursor;
    GetCursorPos(&cursor);
    if (const UINT chosen = menu.TrackForCommand(cursor.x, cursor.y, Hwnd()); chosen != 0) {
        SendMessage(WM_COMMAND, chosen, 0);
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
    if (!buttons_.OnLButtonUp(point)) {
        CDialog::OnLButtonUp(flags, point);
    }
}

void CMouseConfigurationDlg::OnMouseLeave() {
    buttons_.OnMouseLeave();
    CDialog::OnMouseLeave();
}

void CMouseConfigurationDlg::OnCaptureChanged(HWND newCapture) {
    buttons_.OnCaptureChanged(newCapture);
    CDialog::OnCaptureChanged(newCapture);
}

void CMouseConfigurationDlg::OnMouseMove(UINT flags, POINT point) {
    if (!model_) {
        return;
    }
    buttons_.OnMouseMove(flags, point);
    // The lift-off help shows while the pointer rests on the right part of the lift-off header.
    POINT onScreen = point;
    ClientToScreen(onScreen);
    const MainWindowLayout::Point screen{onScreen.x, onScreen.y};
    const RECT header = ScreenRectOf(Header(4));
    const MainWindowLayout::Rect zone =
        MainWindowLayout::HelpZone({header.left, header.top, header.right, header.bottom});
    const bool inside = zone.Contains(screen.X, screen.Y);
    if (inside && !toolTip_) {
        toolTip_ = std::make_unique<CDlgToolTip>(services_->Language, this);
        toolTip_->Create();
        toolTip_->ShowAt({screen.X, screen.Y});
    } else if (!inside && toolTip_) {
        toolTip_->DestroyWindow();
        toolTip_.reset();
    }
}

void CMouseConfigurationDlg::StartFirmwareUpdater() {
    if (FindWindowW(nullptr, L"Programmer") != nullptr) {
        return;
    }
    if (services_->Link.IsConnected()) {
        services_->Shell.StartProgram(services_->Skins.ProgramFolder() + "Update\\3360\\FWUpdate.exe");
    }
    PostQuitMessage(0);
}

void CMouseConfigurationDlg::OnSettingsChanged(LPARAM code) {
    if (dispatch_->OnSettingsChanged(static_cast<std::intptr_t>(code))) {
        ShowLeftPanel();
    }
}

void CMouseConfigurationDlg::ShowLeftPanel() {
    for (int number = 1; number <= 4; ++number) {
        Header(number).Show(true);
    }
    PlaceSections();
}

bool CMouseConfigurationDlg::OnProgramMessage(UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
    case kClearSelection:
        ClearSelection();
        return true;
    case kSettingsChanged:
        OnSettingsChanged(lParam);
        return true;
    case kShowRequest:
        Restore();
        return true;
    case kDecodeAhead:
        DecodeAhead();
        return true;
    case kRefreshPages:
        if (CDlgadvance* panel = BuiltPanel()) {
            panel->RefreshPages();
        }
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
    // The reader hands events over with a blocking send: keep handling messages until it has left.
    s.Link.Reader().RequestStop();
    for (int round = 0; round < 500 && !s.Link.Reader().WaitForExit(10);) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE | PM_QS_SENDMESSAGE)) {
        }
        ++round;
    }
    s.Link.Shutdown();
    s.SetReportObserver(nullptr);
    if (toolTip_) {
        toolTip_->DestroyWindow();
        toolTip_.reset();
    }
    if (mouseWindow_) {
        mouseWindow_->DestroyWindow();
    }
    macros_->Destroy();
    s.DeviceNotifications.Unregister();
    RemoveIcon();
    CDialog::OnDestroy();
}

} // namespace corvalith
