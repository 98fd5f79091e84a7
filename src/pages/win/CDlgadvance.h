#pragma once

#include "framework/CDialog.h"
#include "pages/AdvancedPanelAccessibility.h"
#include "pages/AdvancedPanelLayout.h"
#include "pages/PanelScroll.h"
#include "pages/win/CDlgAngleSnap.h"
#include "pages/win/CDlgDPISetting.h"
#include "pages/win/CDlgDoubleClick.h"
#include "pages/win/CDlgLighting.h"
#include "pages/win/CDlgLightingPad.h"
#include "pages/win/CDlgMouseSpeed.h"
#include "pages/win/CDlgMouseWheelSpeed.h"
#include "pages/win/CDlgUSBReportRate.h"
#include "pages/win/PageContext.h"
#include "skin/SkinFileNames.h"
#include "skin/win/AccessibleWindow.h"
#include "skin/win/CPaintedButton.h"
#include "skin/win/CPaintedButtons.h"
#include "skin/win/SkinImage.h"

#include <array>
#include <optional>

namespace corvalith {

class CSkinScrollWnd;

// The advanced panel: the right-hand column of the main window, eight collapsible sections (a header and
// a page each) that scroll inside a skinned scroll frame. A header click opens or closes its section and
// moves the sections below; header and background clicks clear the main window's selection. The layout
// and the scrolling are AdvancedPanelLayout's and PanelScroll's.
class CDlgadvance : public CDialog {
public:
    static constexpr UINT kTemplateId = 130;
    static constexpr RECT kPlace{735, 32, 735 + 260, 32 + 561};
    static constexpr int kScrollSkinBitmap = 129;
    static constexpr int kSharpScrollSkinBitmap = 130; // the same skin at twice the pixels
    // Command ids of the headers, section 1 first; the panel draws its headers itself.
    enum HeaderCommand : UINT { kFirstHeaderCommand = 0x1200 };
    static constexpr std::string_view kBackground = SkinFileNames::kInSkins<SkinFileNames::kMainRight>;
    static constexpr std::string_view kHeaderImage = SkinFileNames::kInSkins<SkinFileNames::kItemBk>;
    // The skin files the panel draws with every section collapsed, as it first shows.
    static constexpr std::array<std::string_view, 2> kShownImages = {kBackground, kHeaderImage};

    explicit CDlgadvance(PageContext context);
    ~CDlgadvance() override;

    // Creates the panel as a child of parent at its place in the main window.
    bool CreatePanel(CWnd* parent);
    // Wraps the panel in the skinned scroll frame (bitmap 129).
    bool AttachScrollFrame();
    // Whether the mouse-pad section takes part in the layout; the headers move to their collapsed places.
    void SetPadSection(bool on);
    void LayOutHeaders();
    void UpdateScrollBars();
    void CollapseAll();
    // Every page shown again from the working profile.
    void RefreshPages();
    // Opens (collapse false) or closes a section, as its header does.
    void ToggleSection(int section, bool collapse);

    const AdvancedPanelLayout& Layout() const { return *layout_; }
    const PanelScroll& Scroll() const { return scroll_; }
    CPaintedButton& Header(int section) { return headers_[static_cast<std::size_t>(section - 1)]; }
    CDialog& Page(int section);
    CDlgDPISetting& Dpi() { return dpi_; }
    CDlgLighting& Lighting() { return lighting_; }
    CDlgLightingPad& PadLighting() { return pad_; }
    CDlgUSBReportRate& PollingRate() { return polling_; }
    CDlgMouseSpeed& MouseSpeed() { return speed_; }
    CDlgDoubleClick& DoubleClick() { return doubleClick_; }
    CDlgMouseWheelSpeed& WheelSpeed() { return wheel_; }
    CDlgAngleSnap& AngleSnap() { return angle_; }
    CSkinScrollWnd* Frame() const { return frame_; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint() override;
    BOOL OnEraseBkgnd(HDC dc) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnVScroll(UINT code, UINT position, HWND bar) override;
    BOOL OnMouseWheel(UINT flags, short delta, POINT point) override;
    void OnLButtonDown(UINT flags, POINT point) override;
    void OnLButtonUp(UINT flags, POINT point) override;
    void OnMouseMove(UINT flags, POINT point) override;
    void OnMouseLeave() override;
    void OnCaptureChanged(HWND newCapture) override;

private:
    void ClearSelection();
    // Headers and open pages to their places in the layout, shifted by the scroll position.
    void PlaceSections();
    // The headers alone, as after the pages have been moved with the panel's pixels.
    void PlaceHeaders();
    static void Place(CWnd& window, const Rect& rect);
    CSettingsPage& PageOf(int section);

    PageContext context_;
    std::optional<AdvancedPanelLayout> layout_;
    PanelScroll scroll_;
    // Set while a wheel notch sends its scroll steps: they move the sections without painting each.
    bool inWheel_ = false;
    std::array<CPaintedButton, AdvancedPanelLayout::kSections> headers_;
    CPaintedButtons headerButtons_;
    CDlgDPISetting dpi_;
    CDlgLighting lighting_;
    CDlgLightingPad pad_;
    CDlgUSBReportRate polling_;
    CDlgMouseSpeed speed_;
    CDlgDoubleClick doubleClick_;
    CDlgMouseWheelSpeed wheel_;
    CDlgAngleSnap angle_;
    HFONT captionFont_ = nullptr;
    HBITMAP scrollSkin_ = nullptr;
    HBITMAP sharpScrollSkin_ = nullptr;
    CSkinScrollWnd* frame_ = nullptr;
    // The headers as a screen reader finds them, where they stand now.
    AccessibleWindow accessible_{[this] {
        return layout_ ? AdvancedPanelAccessibility::Items(*layout_, scroll_.Position(), context_.Language,
                                                           kFirstHeaderCommand)
                       : std::vector<AccessibleItem>{};
    }};
};

} // namespace corvalith
