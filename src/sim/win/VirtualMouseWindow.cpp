#include "sim/win/VirtualMouseWindow.h"

#include "platform/win/WideString.h"
#include "sim/FirmwareDescription.h"

namespace corvalith {

namespace {

constexpr UINT kFirstButton = 100;
const wchar_t* const kCaptions[5] = {L"Plug in", L"Unplug all", L"Unplug configuration interface",
                                     L"Unplug event interface", L"Press DPI button"};

} // namespace

bool VirtualMouseWindow::Create() {
    const RECT rect{40, 40, 40 + 560, 40 + 470};
    return CreateEx(0, nullptr, L"Corvalith virtual mouse",
                    WS_OVERLAPPED | WS_CAPTION | WS_MINIMIZEBOX | WS_VISIBLE, rect,
                    static_cast<HWND>(nullptr), 0);
}

int VirtualMouseWindow::OnCreate(CREATESTRUCTW* create) {
    font_ = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const int x = 10 + static_cast<int>(i % 3) * 180;
        const int y = 10 + static_cast<int>(i / 3) * 34;
        buttons_[i].CreateEx(0, L"BUTTON", kCaptions[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                             {x, y, x + 170, y + 28}, this, kFirstButton + static_cast<UINT>(i));
        buttons_[i].SetFont(font_);
    }
    state_.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"",
                    WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL,
                    {10, 84, 540, 430}, this, 200);
    state_.SetFont(static_cast<HFONT>(GetStockObject(ANSI_FIXED_FONT)));
    Refresh();
    return CWnd::OnCreate(create);
}

BOOL VirtualMouseWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case kFirstButton:
        mouse_.Plug();
        break;
    case kFirstButton + 1:
        mouse_.Unplug(VirtualMouse::Unplugged::All);
        break;
    case kFirstButton + 2:
        mouse_.Unplug(VirtualMouse::Unplugged::Configuration);
        break;
    case kFirstButton + 3:
        mouse_.Unplug(VirtualMouse::Unplugged::Event);
        break;
    case kFirstButton + 4:
        mouse_.PressDpiButton();
        break;
    default:
        return CWnd::OnCommand(wParam, lParam);
    }
    Refresh();
    return TRUE;
}

void VirtualMouseWindow::RequestRefresh() {
    if (Hwnd() != nullptr) {
        ::PostMessageW(Hwnd(), kRefresh, 0, 0);
    }
}

LRESULT VirtualMouseWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRefresh) {
        MSG pending;
        // One refresh for a burst of reports.
        while (PeekMessageW(&pending, Hwnd(), kRefresh, kRefresh, PM_REMOVE)) {
        }
        Refresh();
        return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void VirtualMouseWindow::Refresh() {
    const auto plugged = [this](VirtualMouse::Port port) { return mouse_.IsPlugged(port) ? "in" : "out"; };
    std::string text = std::string("Interfaces: mouse ") + plugged(VirtualMouse::Port::Mouse) +
                       ", configuration " + plugged(VirtualMouse::Port::Configuration) + ", events " +
                       plugged(VirtualMouse::Port::Event) + "\r\n\r\n";
    for (const std::string& line : FirmwareDescription::Lines(mouse_.State())) {
        text += line + "\r\n";
    }
    state_.SetWindowText(WideString::FromUtf8(text));
}

std::wstring VirtualMouseWindow::StateText() const {
    return state_.GetWindowText();
}

void VirtualMouseWindow::OnDestroy() {
    CWnd::OnDestroy();
}

} // namespace corvalith
