#include "device/DeviceLink.h"
#include "doubles/FakeClock.h"
#include "doubles/RecordingDebugOutput.h"
#include "platform/win/Win32HidSystem.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace corvalith {
namespace {

TEST(Win32HidSystem, EnumeratesWithoutErrorAndFindsNoMouseAmongTheSystemsDevices) {
    Win32HidSystem hid;
    ASSERT_TRUE(hid.BeginEnumeration());
    std::string path;
    std::size_t count = 0;
    while (count < 1000 && hid.InterfacePath(count, path)) {
        ++count;
    }
    hid.EndEnumeration();

    test::FakeClock clock;
    test::RecordingDebugOutput debug;
    DeviceLink link(hid, clock, debug, [](std::uint8_t) {});
    EXPECT_FALSE(link.Connect());
    EXPECT_FALSE(link.IsConnected());
    EXPECT_EQ(link.EnumHidMouseHandle3360(), 0);
    for (const std::string& line : debug.lines) {
        EXPECT_EQ(line.find("Find our hid device"), std::string::npos) << line;
    }
}

constexpr UINT kDeviceEvent = 0x07F2;

struct EventWindow {
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == kDeviceEvent) {
            auto* self = reinterpret_cast<EventWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
            self->received.emplace_back(wParam, lParam);
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    EventWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"CorvalithEventTestWindow";
        RegisterClassW(&windowClass);
        handle = CreateWindowExW(0, windowClass.lpszClassName, L"events", WS_OVERLAPPED, 0, 0, 10, 10,
                                 nullptr, nullptr, windowClass.hInstance, nullptr);
        SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~EventWindow() { DestroyWindow(handle); }

    // Pumps messages (the reader's sent messages are handled here) until `done` or about ten seconds.
    template <typename Done> void PumpUntil(Done done) {
        for (int round = 0; round < 1000 && !done(); ++round) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
        }
    }

    HWND handle = nullptr;
    std::vector<std::pair<WPARAM, LPARAM>> received;
};

TEST(EventReaderOnWindows, DeliversStageEventsToARealWindowAndStopsCleanly) {
    EventWindow window;
    ASSERT_NE(window.handle, nullptr) << GetLastError();
    TraceWriter trace;
    SimulatedClock clock(trace);
    VirtualMouse mouse(trace);
    test::RecordingDebugOutput debug;
    const HWND target = window.handle;
    DeviceLink link(mouse, clock, debug,
                    [target](std::uint8_t stage) { SendMessageW(target, kDeviceEvent, 1, stage); });
    link.Reader().Start();
    mouse.Plug();
    ASSERT_TRUE(link.Connect());

    mouse.PressDpiButton();
    mouse.SendEventReport({0x04, 0x02, 0x00, 0x05});
    mouse.PressDpiButton();
    window.PumpUntil([&] { return window.received.size() >= 2; });
    EXPECT_EQ(window.received, (std::vector<std::pair<WPARAM, LPARAM>>{{1, 2}, {1, 3}}));

    // A stop while the window keeps handling messages: the reader leaves, nothing blocks.
    link.Reader().RequestStop();
    bool exited = false;
    window.PumpUntil([&] { return exited = link.Reader().WaitForExit(0); });
    EXPECT_TRUE(exited);
    link.Shutdown();
}

} // namespace
} // namespace corvalith
