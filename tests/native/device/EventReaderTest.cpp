#include "device/EventReader.h"
#include "doubles/ScriptedEventDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <vector>

namespace corvalith {
namespace {

using test::ScriptedEventDevice;
using Report = ScriptedEventDevice::Report;
using namespace std::chrono_literals;

const std::optional<Report> kFailure;

std::optional<Report> StageEvent(std::uint8_t stage) {
    return Report{0x04, 0x01, 0x00, stage};
}

// A reader over a scripted event interface, collecting the stages it hands on.
struct Program {
    explicit Program(std::chrono::milliseconds pause)
        : reader(
              [this](std::uint8_t stage) {
                  std::lock_guard lock(mutex);
                  stages.push_back(stage);
                  arrived.notify_all();
              },
              {3, pause}) {}

    bool Run(const std::shared_ptr<ScriptedEventDevice>& device) {
        reader.SetDevice(device, 65);
        reader.SetConnected(true);
        return reader.Start();
    }

    // Waits (bounded, as a guard against a hang) until `count` events arrived.
    std::vector<std::uint8_t> AwaitStages(std::size_t count) {
        std::unique_lock lock(mutex);
        arrived.wait_for(lock, 10s, [&] { return stages.size() >= count; });
        return stages;
    }

    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<std::uint8_t> stages;
    EventReader reader; // last: stopped before the rest goes
};

TEST(EventReader, ReadErrorsAreTriedAgainBeforeWaitingForTheNextConnection) {
    const std::optional<Report> one = StageEvent(1);
    const std::optional<Report> two = StageEvent(2);
    struct Case {
        const char* name;
        std::vector<std::optional<Report>> script;
        int wakeAfterReads; // 0: nobody wakes the reader
        std::vector<std::uint8_t> stages;
    };
    const Case cases[] = {
        {"one failure", {kFailure, two}, 0, {2}},
        {"three failures", {kFailure, kFailure, kFailure, two}, 0, {2}},
        {"an event starts the count again",
         {kFailure, kFailure, one, kFailure, kFailure, kFailure, two},
         0,
         {1, 2}},
        // The fourth failure in a row gives up until the next connection wakes the reader.
        {"four failures", {kFailure, kFailure, kFailure, kFailure, two}, 4, {2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program program(1ms);
        const auto device = std::make_shared<ScriptedEventDevice>();
        device->Script(c.script);
        ASSERT_TRUE(program.Run(device));
        if (c.wakeAfterReads > 0) {
            ASSERT_TRUE(device->AwaitReads(c.wakeAfterReads));
            program.reader.Wake();
        }
        EXPECT_EQ(program.AwaitStages(c.stages.size()), c.stages);
    }
}

TEST(EventReader, AStopOrANewDeviceEndsThePauseAtOnce) {
    for (const bool stop : {true, false}) {
        SCOPED_TRACE(stop ? "stop" : "new device");
        Program program(1h);
        const auto failing = std::make_shared<ScriptedEventDevice>();
        failing->Script({kFailure});
        ASSERT_TRUE(program.Run(failing));
        ASSERT_TRUE(failing->AwaitReads(1));
        if (stop) {
            program.reader.RequestStop();
            EXPECT_TRUE(program.reader.WaitForExit(10000));
        } else {
            const auto replacement = std::make_shared<ScriptedEventDevice>();
            replacement->Script({StageEvent(6)});
            program.reader.SetDevice(replacement, 65);
            EXPECT_EQ(program.AwaitStages(1), std::vector<std::uint8_t>{6});
        }
    }
}

TEST(EventReader, StartReportsAThreadThatCannotBeMade) {
    Program program(1ms);
    program.reader.SetThreadStarter([](std::function<void()>) -> std::thread {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    });
    const auto device = std::make_shared<ScriptedEventDevice>();
    device->Script({StageEvent(3)});
    EXPECT_FALSE(program.Run(device));

    // A later start that gets its thread reads as usual.
    program.reader.SetThreadStarter([](std::function<void()> body) { return std::thread(std::move(body)); });
    EXPECT_TRUE(program.reader.Start());
    EXPECT_EQ(program.AwaitStages(1), std::vector<std::uint8_t>{3});
}

} // namespace
} // namespace corvalith
