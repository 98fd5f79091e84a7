#include "device/DeviceLink.h"
#include "doubles/RecordingDebugOutput.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

namespace corvalith {
namespace {

// The main window's side: device-change broadcasts queue up as the message loop would deliver them, and
// stage events from the reader thread are collected.
struct Program {
    Program() {
        mouse.SetDeviceChangeListener([this](DeviceChangeEvent event, const std::string& path) {
            broadcasts.emplace_back(event, path);
        });
        link.Reader().Start();
    }
    ~Program() { link.Shutdown(); }

    // Hands every queued broadcast to the device link; returns the last outcome that was not ignored.
    DeviceChangeOutcome DeliverBroadcasts() {
        DeviceChangeOutcome last = DeviceChangeOutcome::Ignored;
        while (!broadcasts.empty()) {
            const auto [event, path] = broadcasts.front();
            broadcasts.pop_front();
            const DeviceChangeOutcome outcome =
                link.OnDeviceChange(static_cast<std::uint32_t>(event), 5, path);
            if (outcome != DeviceChangeOutcome::Ignored) {
                last = outcome;
            }
        }
        return last;
    }

    // Waits (bounded, as a guard against a hang) until `count` events arrived.
    std::vector<std::uint8_t> AwaitStages(std::size_t count) {
        std::unique_lock lock(mutex);
        arrived.wait_for(lock, std::chrono::seconds(10), [&] { return stages.size() >= count; });
        return stages;
    }

    TraceWriter trace;
    SimulatedClock clock{trace};
    VirtualMouse mouse{trace};
    test::RecordingDebugOutput debug;
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<std::uint8_t> stages;
    std::deque<std::pair<DeviceChangeEvent, std::string>> broadcasts;
    DeviceLink link{mouse, clock, debug, [this](std::uint8_t stage) {
                        std::lock_guard lock(mutex);
                        stages.push_back(stage);
                        arrived.notify_all();
                    }};
};

TEST(HotPlug, StartWithoutTheMouseThenPlugIt) {
    Program program;
    EXPECT_FALSE(program.link.Connect());
    EXPECT_FALSE(program.link.IsConnected());

    program.mouse.Plug();
    EXPECT_EQ(program.DeliverBroadcasts(), DeviceChangeOutcome::Arrived);
    EXPECT_TRUE(program.link.IsConnected());

    program.mouse.PressDpiButton(); // stage 1 -> 2
    program.mouse.PressDpiButton(); // -> 3
    EXPECT_EQ(program.AwaitStages(2), (std::vector<std::uint8_t>{2, 3}));
}

TEST(HotPlug, RemovingOneInterfaceKeepsTheMouseRemovingAllDoesNot) {
    Program program;
    program.mouse.Plug();
    program.broadcasts.clear();
    ASSERT_TRUE(program.link.Connect());

    program.mouse.Unplug(VirtualMouse::Unplugged::Mouse);
    EXPECT_EQ(program.DeliverBroadcasts(), DeviceChangeOutcome::StillConnected);
    EXPECT_TRUE(program.link.IsConnected());
    program.mouse.PressDpiButton();
    EXPECT_EQ(program.AwaitStages(1), (std::vector<std::uint8_t>{2}));

    program.mouse.Unplug(VirtualMouse::Unplugged::All);
    EXPECT_EQ(program.DeliverBroadcasts(), DeviceChangeOutcome::Removed);
    EXPECT_FALSE(program.link.IsConnected());
    EXPECT_EQ(program.debug.lines.back(), "The system did not detect the Corvalith.");
}

TEST(HotPlug, EventsKeepArrivingOverManyPlugCycles) {
    Program program;
    for (int cycle = 0; cycle < 200; ++cycle) {
        program.mouse.Plug();
        ASSERT_EQ(program.DeliverBroadcasts(), DeviceChangeOutcome::Arrived) << cycle;
        program.mouse.Unplug();
        ASSERT_EQ(program.DeliverBroadcasts(), DeviceChangeOutcome::Removed) << cycle;
    }
    program.mouse.Plug();
    ASSERT_EQ(program.DeliverBroadcasts(), DeviceChangeOutcome::Arrived);
    program.mouse.PressDpiButton();
    EXPECT_EQ(program.AwaitStages(1), (std::vector<std::uint8_t>{2}));
}

TEST(HotPlug, GarbageAndShortEventReportsProduceNothing) {
    Program program;
    program.mouse.Plug();
    ASSERT_TRUE(program.link.Connect());
    program.mouse.SendEventReport({0x04, 0x01});
    program.mouse.SendEventReport({0x04, 0x02, 0x00, 0x03});
    program.mouse.SendEventReport({0x05, 0x01, 0x00, 0x03});
    program.mouse.SendEventReport({0x04, 0x01, 0x00, 0xC8});
    program.mouse.SendEventReport({0x04});
    program.mouse.SendEventReport({0x04, 0x01, 0x00, 0x06, 0x00});
    EXPECT_EQ(program.AwaitStages(1), (std::vector<std::uint8_t>{6}));
}

TEST(HotPlug, ShutdownEndsAWaitingReader) {
    for (const bool plugged : {true, false}) {
        Program program;
        if (plugged) {
            program.mouse.Plug();
            ASSERT_TRUE(program.link.Connect());
        }
        program.link.Reader().RequestStop();
        EXPECT_TRUE(program.link.Reader().WaitForExit(10000)) << plugged;
    }
}

} // namespace
} // namespace corvalith
