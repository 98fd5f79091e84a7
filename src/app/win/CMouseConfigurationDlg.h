#pragma once

#include "app/DpiBalloonText.h"
#include "app/MainWindowLayout.h"
#include "app/win/ProgramServices.h"
#include "assign/win/CExMenu.h"
#include "device/IUploadFeedback.h"
#include "framework/CDialog.h"
#include "pages/win/CDMarker.h"
#include "pages/win/CDlgToolTip.h"
#include "sim/win/VirtualMouseWindow.h"
#include "skin/win/CBitmapBtn.h"
#include "skin/win/SkinImage.h"

#include <array>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include <shellapi.h>

namespace corvalith {

// The main window: one borderless skinned window of fixed size that normally stays hidden behind its
// notification-area icon. It owns the program's services, builds its controls in code, paints the mouse
// views and the left panel's sections, and answers the buttons, the icon, the mouse's events and its
// arrival and removal.
class CMouseConfigurationDlg : public CDialog, public IUploadFeedback {
public:
    // Messages of the program.
    static constexpr UINT kTrayNotification = 0x07F1;
    static constexpr UINT kDeviceEvent = 0x07F2;
    static constexpr UINT kClearSelection = 0x07F4;
    static constexpr UINT kSettingsChanged = 0x07FF;
    static constexpr UINT kShowRequest = 0x0313;
    static constexpr UINT kProfileOperation = 0x0B03;
    static constexpr UINT kIconId = 128;
    static constexpr UINT kTemplateId = 102;
    // Control identifiers of the three sliders.
    static constexpr int kXSliderId = 2025;
    static constexpr int kYSliderId = 2026;
    static constexpr int kLiftOffSliderId = 2046;
    static constexpr const wchar_t* kWindowClass = L"HarloHCClass";

    CMouseConfigurationDlg(const ProgramOptions& options, std::string programFolder);
    ~CMouseConfigurationDlg() override;

    ProgramServices& Services() { return *services_; }

    // IUploadFeedback
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void EnableLiftOffSlider(bool enabled) override;

    // State the tests read.
    int CurrentView() const { return view_; }
    int SelectedSlot() const { return selectedSlot_; }
    const MainWindowLayout& Layout() const { return *layout_; }
    bool IconShown() const { return iconShown_; }
    // Whether the icon was there to carry the last balloon.
    bool LastBalloonHadIcon() const { return balloonHadIcon_; }
    bool ToolTipShown() const { return toolTip_ != nullptr; }
    const std::wstring& LastBalloonText() const { return balloonText_; }
    const std::wstring& LastBalloonTitle() const { return balloonTitle_; }
    CDMarker& XSlider() { return xSlider_; }
    CDMarker& YSlider() { return ySlider_; }
    CDMarker& LiftOffSlider() { return liftOffSlider_; }
    CBitmapBtn& DropDown(int slot) { return dropDowns_[static_cast<std::size_t>(slot)]; }
    CBitmapBtn& Header(int number) { return headers_[static_cast<std::size_t>(number - 1)]; }
    CBitmapBtn& ViewButton(int view) { return view == 1 ? topView_ : sideView_; }
    VirtualMouseWindow* MouseWindow() { return mouseWindow_.get(); }

    // The commands of the window, callable as the buttons call them.
    void SelectView(int view);
    void ToggleSection(MainWindowLayout::Section section, bool collapse);
    void CollapseAll();
    void ClearSelection();
    void SelectRow(int row);
    void Restore();
    void HideToTray();
    void Reset();
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
    void OnMeasureItem(int id, MEASUREITEMSTRUCT* item) override;
    void OnDrawItem(int id, DRAWITEMSTRUCT* item) override;
    void OnDestroy() override;
    void OnTimer(UINT_PTR id) override;
    void OnCancel() override;
    void OnOK() override;

private:
    void BuildSizeAndFonts();
    void BuildControls();
    void InitialiseButton(CBitmapBtn& button, const RECT& rect, const char* const (&images)[4],
                          const std::string& caption);
    void PlaceSections();
    void SetDropDownCaptions();
    void SetSlidersFromProfile();
    void AddIcon();
    void RemoveIcon();
    void RemoveIconAfterBalloon();
    void CancelIconRemoval();
    std::uint16_t UiLanguage() const;
    void ShowBalloon(const std::string& title, const std::string& text, UINT timeout);
    void OnTray(WPARAM wParam, LPARAM lParam);
    void OnDeviceEvent(WPARAM code, LPARAM value);
    void OnDeviceChange(WPARAM event, LPARAM data);
    void OnSettingsChanged(LPARAM code);
    void ShowHelpMenu();
    void StartFirmwareUpdater();
    void ShowIconMenu();
    void Paint(HDC dc);
    void PaintAxisSection(HDC dc);
    void PaintLiftOffSection(HDC dc);
    void DrawText(HDC dc, const std::string& text, RECT rect, UINT format);
    void RepaintMiddle();
    void AnnounceSimulatedChange(DeviceChangeEvent event, const std::string& path);
    void DeliverSimulatedChanges();
    void AskLiftOffAtFirstStart();

    ProgramOptions options_;
    std::unique_ptr<ProgramServices> services_;
    std::optional<MainWindowLayout> layout_;
    SkinImage background_;
    HFONT mainFont_ = nullptr;
    HFONT labelFont_ = nullptr;
    std::wstring fontFace_ = L"Arial";
    int width_ = 0;
    int height_ = 0;
    int view_ = 1;
    int selectedSlot_ = -1;
    int startHidden_ = 2;
    bool showPending_ = false; // a show request came before the window was built
    int waitDepth_ = 0;
    HCURSOR previousCursor_ = nullptr;

    CBitmapBtn reset_, close_, minimize_, help_, config_, topView_, sideView_;
    std::array<CBitmapBtn, 4> headers_;
    std::array<CBitmapBtn, MainWindowLayout::kSlots> dropDowns_;
    CDMarker xSlider_, ySlider_, liftOffSlider_;

    NOTIFYICONDATAW icon_{};
    bool iconShown_ = false;
    bool iconRemovalPending_ = false;
    bool balloonHadIcon_ = false;
    std::wstring balloonTitle_;
    std::wstring balloonText_;
    DpiBalloonText dpiBalloon_;

    std::unique_ptr<VirtualMouseWindow> mouseWindow_;
    std::unique_ptr<CDlgToolTip> toolTip_;

    // Plugs and unplugs of the virtual mouse waiting to reach the window as WM_DEVICECHANGE broadcasts.
    static constexpr UINT kSimulatedDeviceChange = WM_APP + 0x50;
    std::mutex simulatedMutex_;
    std::deque<std::pair<DeviceChangeEvent, std::string>> simulatedChanges_;
};

} // namespace corvalith
