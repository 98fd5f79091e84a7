#include "app/win/CMouseConfigurationDlg.h"

#include "app/HotSpotPlan.h"
#include "framework/CMemoryDC.h"
#include "lang/LanguageCode.h"
#include "pages/win/CDlgSplash.h"
#include "pages/win/CDlgWarning.h"
#include "platform/win32/WideString.h"

#include <dbt.h>

namespace corvalith {

namespace {

enum HelpCommand : UINT { kHelpOpenSite = 1001, kHelpUpdate = 1002, kHelpVersion = 1003 };
constexpr UINT kIconMenuExit = IDCANCEL; // the cancel command ends the main window's modal loop

enum DeviceEventCode : WPARAM { kStageChanged = 1, kMouseFound = 14, kMouseGone = 15 };

enum Timer : UINT_PTR {
    kIconRemovalTimer = 1, // removes the icon once the "did not detect" balloon has been seen
};
// How long the icon stays for the "did not detect" balloon when the shell does not say that the balloon
// has gone.
constexpr UINT kIconRemovalDelayMs = 6000;

// The window's fill where no background image could be loaded.
constexpr COLORREF kFallbackBackground = RGB(40, 12, 12);

const GUID kHidInterfaceClass = {
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

std::wstring Wide(const std::string& text) {
    return WideString::FromUtf8(text);
}

RECT ToRect(const MainWindowLayout::Rect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

// The four state images of each image button, as the button takes them: normal, hover, pressed, disabled.
const char* const kResetImages[4] = {"\\skins\\button-cancel-normal.png", "\\skins\\button-cancel-over.png",
                                     "\\skins\\button-cancel-leave.png", "\\skins\\button-save-leave.png"};
const char* const kCloseImages[4] = {"\\skins\\button-close-normal.png", "\\skins\\button-close-over.png",
                                     "\\skins\\button-close-normal.png", "\\skins\\button-close-normal.png"};
const char* const kMinimizeImages[4] = {"\\skins\\button-min-normal.png", "\\skins\\button-min-over.png",
                                        "\\skins\\button-min-normal.png", "\\skins\\button-min-normal.png"};
const char* const kHelpImages[4] = {"\\skins\\button-help-normal.png", "\\skins\\button-help-over.png",
                                    "\\skins\\button-help-normal.png", "\\skins\\button-help-normal.png"};
const char* const kConfigImages[4] = {"\\skins\\button-config-normal.png", "\\skins\\button-config-over.png",
                                      "\\skins\\button-config-normal.png",
                                      "\\skins\\button-config-normal.png"};
const char* const kViewImages[4] = {"\\skins\\button-mouse-normal.png", "\\skins\\button-mouse-over.png",
                                    "\\skins\\button-mouse-leave.png", "\\skins\\button-mouse-normal.png"};
const char* const kHeaderImages[4] = {"\\skins\\ItemBK.png", "\\skins\\ItemBK.png", "\\skins\\ItemBK.png",
                                      "\\skins\\ItemBK.png"};
const char* const kLiftOffHeaderImages[4] = {"\\skins\\ItemBK-LOD.png", "\\skins\\ItemBK-LOD.png",
                                             "\\skins\\ItemBK-LOD.png", "\\skins\\ItemBK-LOD.png"};
const char* const kDropDownImages[4] = {
    "\\skins\\ButtonAssignment\\DropdownBox-normal.png", "\\skins\\ButtonAssignment\\DropdownBox-over.png",
    "\\skins\\ButtonAssignment\\DropdownBox-over.png", "\\skins\\ButtonAssignment\\DropdownBox-normal.png"};

} // namespace

CMouseConfigurationDlg::CMouseConfigurationDlg(const ProgramOptions& options, std::string programFolder)
    : CDialog(kTemplateId), options_(options) {
    Template().SetClassName(kWindowClass);
    Template().SetStyle(WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_SYSMENU);
    Template().SetExStyle(WS_EX_APPWINDOW);
    services_ = std::make_unique<ProgramServices>(
        options, std::move(programFolder), *this, [this](std::uint8_t stage) {
            // The reader thread waits until the window has shown
            // the balloon.
            ::SendMessageW(Hwnd(), kDeviceEvent, kStageChanged, stage);
        });
    if (services_->Mouse() != nullptr) {
        services_->Mouse()->SetDeviceChangeListener([this](DeviceChangeEvent event, const std::string& path) {
            AnnounceSimulatedChange(event, path);
        });
    }
}

CMouseConfigurationDlg::~CMouseConfigurationDlg() {
    if (services_ && services_->Mouse() != nullptr) {
        services_->Mouse()->SetDeviceChangeListener(nullptr);
    }
    for (HFONT font : {mainFont_, labelFont_}) {
        if (font != nullptr) {
            DeleteObject(font);
        }
    }
}

BOOL CMouseConfigurationDlg::OnInitDialog() {
    ProgramServices& s = *services_;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HICON icon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    StayHiddenAfterInit();
    if (options_.ShowSplash) {
        CDlgSplash(s.Skins, this).DoModal();
    }

    SetWindowText(L"Corvalith");

    if (s.Link.Connect()) {
        s.Session.Working.ProfileIndex = 0;
    }
    // Without its reader the program still configures the mouse; only the DPI balloons stay away.
    if (!s.Link.Reader().Start()) {
        s.Debug.Write("CreateEvent 3360 failed.");
    }
    // Without hot-plug notifications the program goes on with the mouse it found: stopping here would
    // leave an instance with no icon and no "Exit" that holds the single-instance mutex.
    if (!s.DeviceNotifications.Register(Hwnd())) {
        s.Debug.Write("RegisterDeviceNotification failed!!!");
    }

    s.Storage.LoadProfile();
    s.Session.TakeSnapshot();
    // A data folder without a usable language code still gets words: the Windows display language
    // chooses them. The choice is not written back, so a later installation's code still counts.
    s.SetLanguage(LanguageCode::Choose(s.Storage.ReadLanguageCode(), UiLanguage()));
    fontFace_ = Wide(std::string(LanguageCode::FontFace(s.Language.Code())));
    s.Storage.LoadCaptions(s.CaptionSection());
    s.Storage.InitialiseIfNew();
    // A first start has just filled the profile with the factory defaults: the DPI balloon reads them,
    // not the empty record loaded before.
    s.Session.TakeSnapshot();
    AskLiftOffAtFirstStart();

    BuildSizeAndFonts();
    BuildControls();
    CollapseAll();
    SelectView(1);

    AddIcon();
    if (s.Link.IsConnected()) {
        SetDropDownCaptions();
        SetSlidersFromProfile();
    } else {
        RemoveIcon();
    }
    s.Catalogue().ApplyDpiNames(s.Language);
    s.Pointer.ApplyPointerSettings(s.Session.Working);
    if (s.Mouse() != nullptr) {
        mouseWindow_ = std::make_unique<VirtualMouseWindow>(*s.Mouse());
        mouseWindow_->Create();
        s.SetReportObserver([window = mouseWindow_.get()] { window->RequestRefresh(); });
    }
    if (HWND companion = FindWindowW(nullptr, L"Corvalith ACCE")) {
        ::PostMessageW(companion, kShowRequest, 1, 1);
    }
    if (showPending_) {
        showPending_ = false;
        Restore();
    }
    return TRUE;
}

void CMouseConfigurationDlg::AskLiftOffAtFirstStart() {
    ProgramServices& s = *services_;
    if (!s.InstallRecord.IsNewInstallation()) {
        return;
    }
    // The first start after installation asks whether the lift-off function should be on.
    CDlgWarning warning(s.Skins, s.Language, this);
    warning.DoModal();
    ProfileSettings& p = s.Session.Working;
    const bool on = warning.TurnsLiftOffOn();
    p.LiftOffEnabled = on ? 1 : 0;
    if (on) {
        p.LiftOffLevel = 3;
    }
    s.InstallRecord.RecordInstallation(on ? "ON" : "OFF");
    s.Uploader.ApplyLiftOff();
}

std::uint16_t CMouseConfigurationDlg::UiLanguage() const {
    return options_.UiLanguage != 0 ? options_.UiLanguage : GetUserDefaultUILanguage();
}

void CMouseConfigurationDlg::BuildSizeAndFonts() {
    ProgramServices& s = *services_;
    if (s.Skins.LoadBackground(Hwnd(), "/skins/main.png", background_)) {
        width_ = background_.Width();
        height_ = background_.Height();
    } else {
        width_ = MainWindowLayout::kFallbackWidth;
        height_ = MainWindowLayout::kFallbackHeight;
        SetWindowPos(nullptr, 0, 0, width_, height_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const auto font = [this](int weight) {
        return CreateFontW(13, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x20, fontFace_.c_str());
    };
    mainFont_ = font(400);
    labelFont_ = font(0);
    layout_.emplace(s.Skins.ImageSize("/skins/ButtonAssignment/BK_ButtonAssignment.png").cy,
                    s.Skins.ImageSize("/skins/XYSensitivity/BK_XYSensSetting.png").cy);
}

void CMouseConfigurationDlg::InitialiseButton(CBitmapBtn& button, const RECT& rect,
                                              const char* const (&images)[4], const std::string& caption) {
    button.Create(rect, this, 0, Wide(caption));
    button.SetFontFace(fontFace_);
    button.SetFontHeight(13);
    std::array<std::optional<SkinImage>, 4> loaded;
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        loaded[i] = services_->Skins.LoadImage(images[i]);
    }
    const RECT source{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    const auto bitmap = [&](std::size_t i) { return loaded[i] ? loaded[i]->Bitmap() : nullptr; };
    button.SetImages(source, bitmap(0), bitmap(1), bitmap(2), bitmap(3));
}

void CMouseConfigurationDlg::BuildControls() {
    const LanguageTable& t = services_->Language;
    InitialiseButton(reset_, {923, 604, 980, 634}, kResetImages, t.Text(TextEntry::Reset));
    reset_.SetAlignment(0);
    InitialiseButton(close_, {979, 5, 994, 20}, kCloseImages, "");
    InitialiseButton(minimize_, {958, 5, 973, 20}, kMinimizeImages, "");
    InitialiseButton(help_, {937, 5, 952, 20}, kHelpImages, "");
    InitialiseButton(config_, {18, 604, 158, 634}, kConfigImages, t.Text(TextEntry::Config));
    config_.SetAlignment(1);
    config_.SetIndent(20);
    InitialiseButton(topView_, {435, 527, 497, 556}, kViewImages, t.Text(TextEntry::TopView));
    topView_.SetAlignment(0);
    InitialiseButton(sideView_, {505, 527, 567, 556}, kViewImages, t.Text(TextEntry::SideView));
    sideView_.SetAlignment(0);

    const TextEntry headerTexts[4] = {TextEntry::ButtonAssignment, TextEntry::MacroManager,
                                      TextEntry::AxisSensitivity, TextEntry::LiftOffDistance};
    for (int number = 1; number <= 4; ++number) {
        InitialiseButton(headers_[static_cast<std::size_t>(number - 1)], ToRect(layout_->Header(number)),
                         number == 4 ? kLiftOffHeaderImages : kHeaderImages, t.Text(headerTexts[number - 1]));
    }
    for (int row = 1; row <= MainWindowLayout::kSlots; ++row) {
        const int slot = MainWindowLayout::SlotOfRow(row);
        InitialiseButton(dropDowns_[static_cast<std::size_t>(slot)], ToRect(MainWindowLayout::DropDown(slot)),
                         kDropDownImages, services_->Session.Captions[static_cast<std::size_t>(slot)]);
    }

    std::optional<SkinImage> track = services_->Skins.LoadImage("\\skins\\XYSensitivity\\1.png");
    std::optional<SkinImage> fill = services_->Skins.LoadImage("\\skins\\XYSensitivity\\2.png");
    const std::pair<CDMarker*, int> sliders[] = {
        {&xSlider_, kXSliderId}, {&ySlider_, kYSliderId}, {&liftOffSlider_, kLiftOffSliderId}};
    for (const auto& [slider, id] : sliders) {
        slider->Create(RECT{}, this, id);
        slider->SetImages({0, 0, MainWindowLayout::kSliderWidth, 14}, track ? track->Bitmap() : nullptr,
                          fill ? fill->Bitmap() : nullptr);
        slider->SetAcceptsMouse(true);
    }
    xSlider_.SetRange(1, 11);
    ySlider_.SetRange(1, 11);
    liftOffSlider_.SetRange(0, 6);
}

void CMouseConfigurationDlg::CollapseAll() {
    for (const auto section :
         {MainWindowLayout::ButtonAssignment, MainWindowLayout::AxisSensitivity, MainWindowLayout::LiftOff}) {
        ToggleSection(section, true);
    }
}

void CMouseConfigurationDlg::ToggleSection(MainWindowLayout::Section section, bool collapse) {
    layout_->Toggle(section, collapse);
    PlaceSections();
    const RECT repaint =
        ToRect(section == MainWindowLayout::AxisSensitivity ? MainWindowLayout::kPanelRepaintAxis
                                                            : MainWindowLayout::kPanelRepaint);
    RedrawWindow(&repaint, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CMouseConfigurationDlg::PlaceSections() {
    const MainWindowLayout& l = *layout_;
    for (int number = 2; number <= 4; ++number) {
        headers_[static_cast<std::size_t>(number - 1)].MoveWindow(ToRect(l.Header(number)));
    }
    const bool buttons = !l.IsCollapsed(MainWindowLayout::ButtonAssignment);
    const bool axes = !l.IsCollapsed(MainWindowLayout::AxisSensitivity);
    const bool liftOff = !l.IsCollapsed(MainWindowLayout::LiftOff);
    for (CBitmapBtn& dropDown : dropDowns_) {
        dropDown.ShowWindow(buttons ? SW_SHOW : SW_HIDE);
    }
    xSlider_.Place(ToRect(l.XSlider()));
    ySlider_.Place(ToRect(l.YSlider()));
    liftOffSlider_.Place(ToRect(l.LiftOffSlider()));
    xSlider_.ShowWindow(axes ? SW_SHOW : SW_HIDE);
    ySlider_.ShowWindow(axes ? SW_SHOW : SW_HIDE);
    liftOffSlider_.ShowWindow(liftOff ? SW_SHOW : SW_HIDE);
}

void CMouseConfigurationDlg::SelectView(int view) {
    ClearSelection();
    topView_.SetChecked(view == 1);
    sideView_.SetChecked(view == 2);
    topView_.Invalidate();
    sideView_.Invalidate();
    view_ = view;
    RepaintMiddle();
}

void CMouseConfigurationDlg::ClearSelection() {
    for (CBitmapBtn& dropDown : dropDowns_) {
        if (dropDown.IsChecked()) {
            dropDown.SetChecked(false);
            dropDown.Invalidate();
        }
    }
    selectedSlot_ = -1;
    RepaintMiddle();
}

void CMouseConfigurationDlg::SelectRow(int row) {
    const int slot = MainWindowLayout::SlotOfRow(row);
    if (slot < 0) {
        return;
    }
    for (std::size_t i = 0; i < dropDowns_.size(); ++i) {
        dropDowns_[i].SetChecked(static_cast<int>(i) == slot);
        dropDowns_[i].Invalidate();
    }
    selectedSlot_ = slot;
    RepaintMiddle();
}

void CMouseConfigurationDlg::RepaintMiddle() {
    if (Hwnd() != nullptr) {
        const RECT middle{262, 2, 734, 500};
        RedrawWindow(&middle, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

void CMouseConfigurationDlg::SetDropDownCaptions() {
    for (std::size_t slot = 0; slot < dropDowns_.size(); ++slot) {
        dropDowns_[slot].SetCaption(Wide(services_->Session.Captions[slot]));
        dropDowns_[slot].RedrawWindow();
    }
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
        Paint(memory);
        memory.CopyTo(dc);
    }
    EndPaint(Hwnd(), &paint);
}

void CMouseConfigurationDlg::DrawText(HDC dc, const std::string& text, RECT rect, UINT format) {
    const std::wstring wide = Wide(text);
    ::DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, format);
}

void CMouseConfigurationDlg::Paint(HDC dc) {
    const SkinImages& skins = services_->Skins;
    const LanguageTable& t = services_->Language;
    if (background_.Bitmap() != nullptr) {
        SkinImages::DrawImage(dc, background_, 0, 0);
    } else {
        const RECT client{0, 0, width_, height_};
        const HBRUSH fill = CreateSolidBrush(kFallbackBackground);
        FillRect(dc, &client, fill);
        DeleteObject(fill);
    }
    skins.DrawImageFile(dc, "Skins\\Logo.png", 20, 32);
    skins.DrawImageFile(dc, "Skins\\BK_MainMid.png", 262, 2);
    if (view_ == 1) {
        skins.DrawImageFile(dc, "Skins\\Mouse\\Front\\MouseFront.png", 395, 85);
    } else if (view_ == 2) {
        skins.DrawImageFile(dc, "Skins\\Mouse\\Side\\MouseSide.png", 300, 226);
    }
    for (const HotSpotPlan::Image& image :
         HotSpotPlan::For(view_, selectedSlot_ >= 0 ? selectedSlot_ + 1 : 255)) {
        skins.DrawImageFile(dc, image.Path, image.X, image.Y);
    }

    HGDIOBJ previousFont = SelectObject(dc, mainFont_);
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    skins.DrawImageFile(dc, "/Skins/BK_MainLeft.png", 20, 107);
    skins.DrawImageFile(dc, "Skins\\MLogo.png", 40, 525);
    if (!layout_->IsCollapsed(MainWindowLayout::ButtonAssignment)) {
        skins.DrawImageFile(dc, "/Skins/ButtonAssignment/BK_ButtonAssignment.png", 20, 127);
        for (int k = 0; k < MainWindowLayout::kSlots; ++k) {
            const std::string& label =
                t.Entry(static_cast<std::size_t>(TextEntry::Button1) + static_cast<std::size_t>(k));
            DrawText(dc, label, {31, 156 + 20 * k, 115, 170 + 20 * k}, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
        }
    }
    if (!layout_->IsCollapsed(MainWindowLayout::AxisSensitivity)) {
        PaintAxisSection(dc);
    }
    if (!layout_->IsCollapsed(MainWindowLayout::LiftOff)) {
        PaintLiftOffSection(dc);
    }
    const std::wstring note = Wide(t.Text(TextEntry::ColourNote));
    TextOutW(dc, 194, 612, note.c_str(), static_cast<int>(note.size()));
    SelectObject(dc, previousFont);
}

void CMouseConfigurationDlg::PaintAxisSection(HDC dc) {
    const MainWindowLayout::Rect h = layout_->Header(3);
    const int l = h.Left, r = h.Right, b = h.Bottom;
    services_->Skins.DrawImageFile(dc, "/Skins/XYSensitivity/BK_XYSensSetting.png", l, b);
    HGDIOBJ previous = SelectObject(dc, labelFont_);
    const UINT line = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    DrawText(dc, services_->Language.Text(TextEntry::XAxis), {l + 17, b + 5, r, b + 25}, line);
    DrawText(dc, services_->Language.Text(TextEntry::YAxis), {l + 17, b + 65, r, b + 85}, line);
    for (int k = 1; k <= 10; ++k) {
        const int x = l + 24 + 21 * (k - 1);
        DrawText(dc, std::to_string(k), {x, b + 37, r, b + 57}, line);
        DrawText(dc, std::to_string(k), {x, b + 97, r, b + 117}, line);
    }
    SelectObject(dc, previous);
}

void CMouseConfigurationDlg::PaintLiftOffSection(HDC dc) {
    const MainWindowLayout::Rect h = layout_->Header(4);
    const int l = h.Left, r = h.Right, b = h.Bottom;
    const SkinImages& skins = services_->Skins;
    skins.DrawImageFile(dc, "/Skins/SilentHeihgt/sh-bk.png", l, b);
    const bool on = services_->Session.Working.LiftOffEnabled != 0;
    skins.DrawImageFile(dc, on ? "Skins\\Enable.png" : "Skins\\Disable.png", l + 20, b + 14);
    skins.DrawImageFile(dc, on ? "Skins\\Disable.png" : "Skins\\Enable.png", l + 158, b + 14);
    const UINT line = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    DrawText(dc, services_->Language.Text(TextEntry::On), {l + 36, b + 14, r, b + 25}, line);
    DrawText(dc, services_->Language.Text(TextEntry::Off), {l + 176, b + 14, r, b + 25}, line);
    const int scale[6] = {24, 55, 97, 136, 180, 218};
    for (int k = 0; k < 6; ++k) {
        DrawText(dc, std::to_string(k + 1), {l + scale[k], b + 54, r, b + 65}, line);
    }
}

BOOL CMouseConfigurationDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const HWND from = reinterpret_cast<HWND>(lParam);
    if (from == nullptr) {
        switch (LOWORD(wParam)) {
        case kHelpOpenSite:
            services_->Shell.OpenWebPage(services_->Language.Text(TextEntry::MakerAddress));
            return TRUE;
        case kHelpUpdate:
            StartFirmwareUpdater();
            return TRUE;
        case kHelpVersion:
            return TRUE;
        default:
            return CDialog::OnCommand(wParam, lParam);
        }
    }
    if (HIWORD(wParam) != BN_CLICKED) {
        // Image buttons also report double clicks; a double click is not a second click.
        return TRUE;
    }
    if (from == reset_.Hwnd()) {
        Reset();
    } else if (from == close_.Hwnd()) {
        ClearSelection();
        HideToTray();
    } else if (from == minimize_.Hwnd()) {
        ClearSelection();
        SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
    } else if (from == help_.Hwnd()) {
        ClearSelection();
        ShowHelpMenu();
    } else if (from == config_.Hwnd()) {
        ClearSelection(); // the profile manager arrives with its own window
    } else if (from == topView_.Hwnd()) {
        SelectView(1);
    } else if (from == sideView_.Hwnd()) {
        SelectView(2);
    } else if (from == headers_[0].Hwnd()) {
        ClearSelection();
        ToggleSection(MainWindowLayout::ButtonAssignment,
                      !layout_->IsCollapsed(MainWindowLayout::ButtonAssignment));
    } else if (from == headers_[1].Hwnd()) {
        ClearSelection(); // the macro manager arrives with its own window
    } else if (from == headers_[2].Hwnd()) {
        ClearSelection();
        ToggleSection(MainWindowLayout::AxisSensitivity,
                      !layout_->IsCollapsed(MainWindowLayout::AxisSensitivity));
    } else if (from == headers_[3].Hwnd()) {
        ToggleSection(MainWindowLayout::LiftOff, !layout_->IsCollapsed(MainWindowLayout::LiftOff));
    } else {
        for (int row = 1; row <= MainWindowLayout::kSlots; ++row) {
            if (from == dropDowns_[static_cast<std::size_t>(MainWindowLayout::SlotOfRow(row))].Hwnd()) {
                SelectRow(row); // the assignment menu of the row arrives with the menus
                return TRUE;
            }
        }
        return CDialog::OnCommand(wParam, lParam);
    }
    return TRUE;
}

void CMouseConfigurationDlg::HideToTray() {
    ShowWindow(SW_HIDE);
    ModifyStyleEx(WS_EX_APPWINDOW, WS_EX_TOOLWINDOW);
}

void CMouseConfigurationDlg::Restore() {
    ProgramServices& s = *services_;
    if (!layout_) {
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
    MoveWindow(0, 0, width_, height_);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    MoveWindow((screenWidth - width_) / 2, (screenHeight - height_) / 2, width_, height_);
    SetSlidersFromProfile();
    SetDropDownCaptions();
    ToggleSection(MainWindowLayout::ButtonAssignment, true);
    SetDropDownCaptions();
    LockWindowUpdate(Hwnd());
    for (CBitmapBtn& dropDown : dropDowns_) {
        dropDown.ShowWindow(SW_HIDE);
    }
    LockWindowUpdate(nullptr);
    ToggleSection(MainWindowLayout::AxisSensitivity, true);
    SetSlidersFromProfile();
    // A restore is an explicit show: the start-up hiding of the first frame paints no longer applies.
    startHidden_ = 0;
    ModifyStyleEx(WS_EX_TOOLWINDOW, WS_EX_APPWINDOW);
    ShowWindow(SW_SHOW);
    SetForegroundWindow(Hwnd());
}

void CMouseConfigurationDlg::Reset() {
    ProgramServices& s = *services_;
    const LanguageTable& t = s.Language;
    if (s.Prompts().ShowMessage(Hwnd(), t.Text(TextEntry::ResetQuestion), t.Text(TextEntry::Attention),
                                PromptButtons::OkCancel) != PromptAnswer::Ok) {
        return;
    }
    BeginWaitCursor();
    ClearSelection();
    s.Storage.FactoryReset(s.CaptionSection());
    CollapseAll();
    SetSlidersFromProfile();
    SelectView(1);
    SetSlidersFromProfile();
    SetDropDownCaptions();
    s.Storage.SaveCaptions(s.CaptionSection());
    EndWaitCursor();
}

void CMouseConfigurationDlg::OnSliderNotification(int position, int controlId) {
    ProfileSettings& p = services_->Session.Working;
    switch (controlId) {
    case kXSliderId:
        p.SensitivityX = static_cast<std::uint8_t>(position);
        services_->Uploader.ApplySensitivity();
        break;
    case kYSliderId:
        p.SensitivityY = static_cast<std::uint8_t>(position);
        services_->Uploader.ApplySensitivity();
        break;
    case kLiftOffSliderId:
        p.LiftOffLevel = static_cast<std::uint8_t>(position);
        services_->Uploader.ApplyLiftOff();
        break;
    default:
        break;
    }
}

void CMouseConfigurationDlg::PressAt(POINT point) {
    const MainWindowLayout::SwitchPress press = layout_->SwitchAt(point.x, point.y);
    if (press == MainWindowLayout::SwitchPress::None) {
        return;
    }
    services_->Session.Working.LiftOffEnabled = press == MainWindowLayout::SwitchPress::On ? 1 : 0;
    services_->Uploader.ApplyLiftOff();
    InvalidateRect(ToRect(layout_->LiftOffOnZone()));
    InvalidateRect(ToRect(layout_->LiftOffOffZone()));
}

void CMouseConfigurationDlg::OnLButtonDown(UINT, POINT point) {
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
    CancelIconRemoval();
    if (iconShown_) {
        return; // still there from before the mouse left
    }
    icon_ = {};
    icon_.cbSize = sizeof icon_;
    icon_.hWnd = Hwnd();
    icon_.uID = kIconId;
    icon_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon_.uCallbackMessage = kTrayNotification;
    icon_.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kIconId));
    if (icon_.hIcon == nullptr) {
        icon_.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    }
    lstrcpynW(icon_.szTip, Wide(services_->Language.Text(TextEntry::ProductTitle)).c_str(),
              ARRAYSIZE(icon_.szTip));
    Shell_NotifyIconW(NIM_ADD, &icon_);
    iconShown_ = true;
}

void CMouseConfigurationDlg::RemoveIcon() {
    CancelIconRemoval();
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = Hwnd();
    data.uID = kIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
    iconShown_ = false;
}

void CMouseConfigurationDlg::RemoveIconAfterBalloon() {
    iconRemovalPending_ = true;
    SetTimer(kIconRemovalTimer, kIconRemovalDelayMs);
}

void CMouseConfigurationDlg::CancelIconRemoval() {
    if (iconRemovalPending_) {
        iconRemovalPending_ = false;
        KillTimer(kIconRemovalTimer);
    }
}

void CMouseConfigurationDlg::OnTimer(UINT_PTR id) {
    if (id == kIconRemovalTimer) {
        RemoveIcon();
        return;
    }
    CDialog::OnTimer(id);
}

void CMouseConfigurationDlg::ShowBalloon(const std::string& title, const std::string& text, UINT timeout) {
    balloonTitle_ = Wide(title);
    balloonText_ = Wide(text);
    balloonHadIcon_ = iconShown_;
    NOTIFYICONDATAW data = icon_;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    data.dwInfoFlags = NIIF_INFO;
    data.uTimeout = timeout;
    lstrcpynW(data.szInfoTitle, balloonTitle_.c_str(), ARRAYSIZE(data.szInfoTitle));
    lstrcpynW(data.szInfo, balloonText_.c_str(), ARRAYSIZE(data.szInfo));
    Shell_NotifyIconW(NIM_MODIFY, &data);
}

void CMouseConfigurationDlg::OnDeviceEvent(WPARAM code, LPARAM value) {
    const LanguageTable& t = services_->Language;
    switch (code) {
    case kStageChanged: {
        DpiBalloonText::StageTexts texts;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            texts[i] = t.Entry(static_cast<std::size_t>(TextEntry::DpiStage1) + i);
        }
        ShowBalloon(
            "Info",
            dpiBalloon_.ForStage(static_cast<unsigned>(value), texts, services_->Session.AppliedSnapshot),
            5000);
        break;
    }
    case kMouseFound:
        ShowBalloon("Info", t.Text(TextEntry::DeviceDetected), 100);
        break;
    case kMouseGone:
        ShowBalloon("Warning", t.Text(TextEntry::DeviceNotDetected), 100);
        break;
    default:
        break;
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
    switch (s.Link.OnDeviceChange(static_cast<std::uint32_t>(event), header->dbch_devicetype, path)) {
    case DeviceChangeOutcome::Arrived:
        PostMessage(kDeviceEvent, kMouseFound, 0);
        s.Session.Working.ProfileIndex = 0;
        s.Storage.LoadProfile();
        s.Storage.LoadCaptions(s.CaptionSection());
        s.Session.TakeSnapshot();
        AddIcon();
        break;
    case DeviceChangeOutcome::ArrivalFailed:
        ShowWindow(SW_HIDE);
        RemoveIcon();
        break;
    case DeviceChangeOutcome::StillConnected:
        AddIcon();
        break;
    case DeviceChangeOutcome::Removed:
        PostMessage(kDeviceEvent, kMouseGone, 0);
        ShowWindow(SW_HIDE);
        // The balloon that says so needs the icon: it leaves once the balloon has been seen.
        RemoveIconAfterBalloon();
        break;
    case DeviceChangeOutcome::Ignored:
        break;
    }
}

void CMouseConfigurationDlg::AnnounceSimulatedChange(DeviceChangeEvent event, const std::string& path) {
    {
        std::lock_guard lock(simulatedMutex_);
        simulatedChanges_.emplace_back(event, path);
    }
    // Posted: a plug or unplug in the middle of an upload is handled after it, as a real one would be.
    ::PostMessageW(Hwnd(), kSimulatedDeviceChange, 0, 0);
}

void CMouseConfigurationDlg::DeliverSimulatedChanges() {
    for (;;) {
        std::pair<DeviceChangeEvent, std::string> change;
        {
            std::lock_guard lock(simulatedMutex_);
            if (simulatedChanges_.empty()) {
                return;
            }
            change = std::move(simulatedChanges_.front());
            simulatedChanges_.pop_front();
        }
        // The broadcast block the device stack sends for an interface: header, class and the path. A
        // broadcast carries a pointer, so it can only be sent, not posted.
        const std::wstring name = Wide(change.second);
        std::vector<std::uint8_t> bytes(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) +
                                        name.size() * sizeof(wchar_t));
        auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(bytes.data());
        broadcast->dbcc_size = static_cast<DWORD>(bytes.size());
        broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        broadcast->dbcc_classguid = kHidInterfaceClass;
        std::copy(name.begin(), name.end(), broadcast->dbcc_name);
        SendMessage(WM_DEVICECHANGE, static_cast<WPARAM>(change.first),
                    reinterpret_cast<LPARAM>(bytes.data()));
    }
}

void CMouseConfigurationDlg::OnTray(WPARAM wParam, LPARAM lParam) {
    if (wParam != kIconId) {
        return;
    }
    switch (lParam) {
    case WM_LBUTTONDBLCLK:
        Restore();
        break;
    case WM_RBUTTONUP:
        ShowIconMenu();
        break;
    case NIN_BALLOONTIMEOUT:
    case NIN_BALLOONHIDE:
    case NIN_BALLOONUSERCLICK:
        if (iconRemovalPending_) {
            RemoveIcon();
        }
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
    menu.AppendItem(kHelpVersion, "Version:1.0");
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

void CMouseConfigurationDlg::OnMouseMove(UINT, POINT point) {
    // The lift-off help shows while the pointer rests on the right part of the lift-off header. Image
    // buttons pass their moves on in screen coordinates, the window's own moves are in client ones.
    if (headers_[3].Hwnd() == nullptr) {
        return;
    }
    POINT origin{0, 0};
    ClientToScreen(origin);
    const DWORD messagePos = GetMessagePos();
    const MainWindowLayout::Point screen = MainWindowLayout::MoveOnScreen(
        {point.x, point.y}, {origin.x, origin.y},
        {static_cast<short>(LOWORD(messagePos)), static_cast<short>(HIWORD(messagePos))});
    const RECT header = headers_[3].GetWindowRect();
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
    ProgramServices& s = *services_;
    switch (code) {
    case 0:
        for (CBitmapBtn& header : headers_) {
            header.ShowWindow(SW_SHOW);
        }
        PlaceSections();
        break;
    case 1:
    case 2:
    case 3:
        s.Pointer.ApplyPointerSettings(s.Session.Working);
        break;
    case 4:
        s.Uploader.ApplyDpi();
        break;
    case 5:
        s.Uploader.ApplyPollingRate();
        break;
    case 6:
        s.Uploader.ApplyLighting();
        break;
    default:
        break;
    }
}

BOOL CMouseConfigurationDlg::PreTranslateMessage(MSG* msg) {
    const bool ours = msg->hwnd == Hwnd() || ::IsChild(Hwnd(), msg->hwnd);
    if (ours) {
        switch (msg->message) {
        case kClearSelection:
            ClearSelection();
            return TRUE;
        case kSettingsChanged:
            OnSettingsChanged(msg->lParam);
            return TRUE;
        case kShowRequest:
            Restore();
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

LRESULT CMouseConfigurationDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
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
    case kSimulatedDeviceChange:
        DeliverSimulatedChanges();
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
    s.DeviceNotifications.Unregister();
    RemoveIcon();
    CDialog::OnDestroy();
}

} // namespace corvalith
