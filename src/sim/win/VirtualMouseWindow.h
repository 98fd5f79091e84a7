#pragma once

#include "framework/CWnd.h"
#include "sim/VirtualMouse.h"

#include <array>
#include <memory>

namespace corvalith {

// A plain window, "Corvalith virtual mouse", that stands in for the hand on the mouse while the program
// runs against the virtual mouse: plug it in, unplug it (all interfaces or one), press its DPI button,
// and see what it now holds. It refreshes after every report.
class VirtualMouseWindow : public CWnd {
public:
    static constexpr UINT kRefresh = WM_APP + 0x51;

    explicit VirtualMouseWindow(VirtualMouse& mouse) : mouse_(mouse) {}

    bool Create();
    // Thread-safe: asks the window to show the mouse's state again.
    void RequestRefresh();
    // The text shown, for tests.
    std::wstring StateText() const;

protected:
    int OnCreate(CREATESTRUCTW* create) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy() override;

private:
    void Refresh();

    VirtualMouse& mouse_;
    std::array<CWnd, 5> buttons_;
    CWnd state_;
    HFONT font_ = nullptr;
};

} // namespace corvalith
