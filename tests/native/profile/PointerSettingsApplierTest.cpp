#include "profile/PointerSettingsApplier.h"
#include "doubles/RecordingDebugOutput.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

class RecordingMouseSettings : public ISystemMouseSettings {
public:
    bool SetMouse(int a, int b, int c) override {
        return Note("mouse " + std::to_string(a) + " " + std::to_string(b) + " " + std::to_string(c));
    }
    bool SetMouseSpeed(int speed) override { return Note("speed " + std::to_string(speed)); }
    bool SetWheelScrollLines(std::uint32_t lines) override { return Note("lines " + std::to_string(lines)); }
    bool SetDoubleClickTime(int ms) override { return Note("double-click " + std::to_string(ms)); }
    bool Note(const std::string& call) {
        calls.push_back(call);
        return !refuse;
    }
    std::vector<std::string> calls;
    bool refuse = false;
};

TEST(PointerSettingsApplier, HandsTheProfileToTheSystemInOrder) {
    struct Case {
        std::uint8_t precision, speed, oneScreen, lines, doubleClick;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {0xFF, 6, 0, 3, 6, {"mouse 0 0 0", "speed 10", "lines 3", "double-click 550"}},
        {1, 1, 0, 100, 1, {"mouse 6 10 1", "speed 1", "lines 100", "double-click 900"}},
        {0, 2, 1, 7, 11, {"mouse 0 0 0", "speed 2", "lines 4294967295", "double-click 200"}},
        {2, 11, 0, 1, 6, {"mouse 0 0 0", "speed 20", "lines 1", "double-click 550"}},
    };
    for (const Case& c : cases) {
        RecordingMouseSettings system;
        test::RecordingDebugOutput debug;
        ProfileSettings profile = ProfileSettings::FactoryDefaults();
        profile.EnhancePointerPrecision = c.precision;
        profile.PointerSpeed = c.speed;
        profile.ScrollOneScreen = c.oneScreen;
        profile.ScrollLines = c.lines;
        profile.DoubleClickSpeed = c.doubleClick;
        PointerSettingsApplier(system, debug).ApplyPointerSettings(profile);
        EXPECT_EQ(system.calls, c.calls);
        EXPECT_TRUE(debug.lines.empty());
    }
}

TEST(PointerSettingsApplier, EveryRefusalIsReportedAndTheNextCallStillRuns) {
    RecordingMouseSettings system;
    system.refuse = true;
    test::RecordingDebugOutput debug;
    PointerSettingsApplier(system, debug).ApplyPointerSettings(ProfileSettings::FactoryDefaults());
    EXPECT_EQ(system.calls.size(), 4u);
    EXPECT_EQ(debug.lines, (std::vector<std::string>{"SETMOUSE failed.\n", "SETMOUSESPEED failed.\n",
                                                     "SETWHEELSCROLLLINES failed.\n",
                                                     "SPI_SETDOUBLECLICKTIME failed.\n"}));
}

} // namespace
} // namespace corvalith
