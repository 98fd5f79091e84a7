#include "device/DeviceLink.h"
#include "doubles/FakeClock.h"
#include "doubles/RecordingDebugOutput.h"
#include "doubles/ScriptedHidSystem.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using test::ScriptedHidSystem;
using Entry = ScriptedHidSystem::Entry;
using Lines = std::vector<std::string>;

const HidCaps kConfigurationCaps{1, 0xFF01, 65, 65, 9};
const HidCaps kEventCaps{1, 0xFF02, 9, 0, 0};

Entry Mouse(const std::string& path, HidCaps caps) {
    Entry entry;
    entry.path = path;
    entry.caps = caps;
    return entry;
}

struct Host {
    ScriptedHidSystem hid;
    test::FakeClock clock;
    test::RecordingDebugOutput debug;
    DeviceLink link{hid, clock, debug, [](std::uint8_t) {}};
};

TEST(Discovery, ConfigurationSearchDecisions) {
    struct Case {
        const char* name;
        std::vector<Entry> entries;
        int result;
        std::vector<std::string> opened;
    };
    Entry denied = Mouse("denied", kConfigurationCaps);
    denied.probeOpens = false;
    denied.probeError = 5;
    Entry broken = Mouse("broken", kConfigurationCaps);
    broken.probeOpens = false;
    broken.probeError = 31;
    Entry other = Mouse("keyboard", {6, 1, 9, 0, 0});
    other.attributes = {0x046D, 0xC31C, 0x6400};
    Entry swapped = Mouse("swapped", kConfigurationCaps);
    swapped.attributes = {0x1005, 0x260D, 0x0100}; // identity with the two numbers exchanged
    Entry longFeature = Mouse("long", {1, 0xFF01, 65, 65, 10});
    Entry noPreparsed5 = Mouse("nopre5", kConfigurationCaps);
    noPreparsed5.preparsedOk = false;
    noPreparsed5.probeError = 5;
    Entry noPreparsed = Mouse("nopre", kConfigurationCaps);
    noPreparsed.preparsedOk = false;
    Entry noCaps5 = Mouse("nocaps5", kConfigurationCaps);
    noCaps5.capsOk = false;
    noCaps5.probeError = 5;
    Entry noCaps = Mouse("nocaps", kConfigurationCaps);
    noCaps.capsOk = false;
    Entry locked = Mouse("locked", kConfigurationCaps);
    locked.opens = false;
    locked.openError = 5;
    const Entry good = Mouse("good", kConfigurationCaps);

    const Case cases[] = {
        {"access denied, then the mouse",
         {denied, good},
         1,
         {"probe denied", "probe good", "readwrite good"}},
        {"another error ends the search", {broken, good}, 0, {"probe broken"}},
        {"identity mismatch",
         {other, swapped, good},
         1,
         {"probe keyboard", "probe swapped", "probe good", "readwrite good"}},
        {"wrong feature length", {longFeature, good}, 1, {"probe long", "probe good", "readwrite good"}},
        {"event interface is not the configuration one", {Mouse("event", kEventCaps)}, 0, {"probe event"}},
        {"preparsed data fails after error 5",
         {noPreparsed5, good},
         1,
         {"probe nopre5", "probe good", "readwrite good"}},
        {"preparsed data fails", {noPreparsed, good}, 0, {"probe nopre"}},
        {"capabilities fail after error 5",
         {noCaps5, good},
         1,
         {"probe nocaps5", "probe good", "readwrite good"}},
        {"capabilities fail", {noCaps, good}, 0, {"probe nocaps"}},
        {"configuration open fails, even with error 5",
         {locked, good},
         0,
         {"probe locked", "readwrite locked"}},
        {"no interfaces", {}, 0, {}},
    };
    for (const Case& c : cases) {
        Host host;
        host.hid.entries = c.entries;
        EXPECT_EQ(host.link.EnumHidMouseHandle3360(), c.result) << c.name;
        EXPECT_EQ(host.hid.opened, c.opened) << c.name;
        EXPECT_EQ(host.link.IsConnected(), c.result == 1) << c.name;
        EXPECT_EQ(host.hid.enumerations, host.hid.endEnumerations) << c.name << ": the list is always freed";
    }
}

TEST(Discovery, EventSearchWantsInputReports) {
    Entry silent = Mouse("silent", {1, 0xFF02, 0, 0, 0});
    Entry lockedEvent = Mouse("locked", kEventCaps);
    lockedEvent.opens = false;
    lockedEvent.openError = 5;
    Entry brokenEvent = Mouse("broken", kEventCaps);
    brokenEvent.opens = false;
    brokenEvent.openError = 32;
    const struct {
        const char* name;
        std::vector<Entry> entries;
        int result;
        std::vector<std::string> opened;
    } cases[] = {
        {"input length 0 is skipped",
         {silent, Mouse("event", kEventCaps)},
         1,
         {"probe silent", "probe event", "async event"}},
        {"open denied goes on",
         {lockedEvent, Mouse("event", kEventCaps)},
         1,
         {"probe locked", "async locked", "probe event", "async event"}},
        {"other open error ends",
         {brokenEvent, Mouse("event", kEventCaps)},
         0,
         {"probe broken", "async broken"}},
    };
    for (const auto& c : cases) {
        Host host;
        host.hid.entries = c.entries;
        EXPECT_EQ(host.link.EnumHidMouseVender3360(), c.result) << c.name;
        EXPECT_EQ(host.hid.opened, c.opened) << c.name;
        EXPECT_FALSE(host.link.IsConnected()) << "the event interface alone is no connection";
    }
}

TEST(Discovery, DebugLinesOfOneSearch) {
    Host host;
    Entry denied = Mouse("denied", kConfigurationCaps);
    denied.probeOpens = false;
    denied.probeError = 5;
    host.hid.entries = {denied, Mouse("good", kConfigurationCaps)};
    host.link.EnumHidMouseHandle3360();
    EXPECT_EQ(
        host.debug.lines,
        (Lines{"EnumHidMouseHandle3360 ReadWriteInfo GetLastError dwErrorCode = 5\n",
               "EnumHidMouseHandle3360 ReadWriteInfo GetLastError dwErrorCode = 0\n",
               "EnumHidMouseHandle3360 PID:1005,VID:260d,VersionNumber:0100\n",
               "EnumHidMouseHandle3360 Find our hid device.Success\n",
               "EnumHidMouseHandle3360 DevicePath:good,Usage:0x0001,UsagePage:0xff01,"
               "FeatureReportByteLength:0x0009,InputReportByteLength:0x41,OutputReportByteLength:0x41\n",
               "Handler OK"}));

    Host event;
    event.hid.entries = {Mouse("ev", kEventCaps)};
    event.link.EnumHidMouseVender3360();
    event.link.EnumHidMouseVender3360();
    event.hid.entries.clear();
    event.link.EnumHidMouseVender3360();
    EXPECT_EQ(event.debug.lines[2], "nEnumHidMouseVender3360 Find our hid device.Success\n");
    EXPECT_EQ(event.debug.lines[3],
              "nEnumHidMouseVender 3360 DevicePath:ev,Usage:0x0001,UsagePage:0xff02,"
              "FeatureReportByteLength:0x0000,InputReportByteLength:0x9,OutputReportByteLength:0x0\n");
    EXPECT_EQ(event.debug.lines[4], "Vender OK");
    EXPECT_EQ(event.debug.lines.back(), "SetupDiEnumDeviceInterfaces failed.\n");
}

TEST(Discovery, ConnectListsTheInterfacesOnceForBothSearches) {
    const Entry event = Mouse("ev", kEventCaps);
    const Entry configuration = Mouse("cfg", kConfigurationCaps);
    const std::string eventCaps =
        "DevicePath:ev,Usage:0x0001,UsagePage:0xff02,FeatureReportByteLength:0x0000,"
        "InputReportByteLength:0x9,OutputReportByteLength:0x0\n";
    const std::string configurationCaps = "DevicePath:cfg,Usage:0x0001,UsagePage:0xff01,"
                                          "FeatureReportByteLength:0x0009,InputReportByteLength:0x41,"
                                          "OutputReportByteLength:0x41\n";
    struct Case {
        const char* name;
        std::vector<Entry> entries;
        bool listable;
        bool connected;
        std::vector<std::string> opened;
        Lines lines;
        int freed; // lists freed: one when it could be taken
    };
    const Case cases[] = {
        {"the mouse: the configuration search starts again at the top of the same list",
         {event, configuration},
         true,
         true,
         {"probe ev", "async ev", "probe ev", "probe cfg", "readwrite cfg"},
         {"EnumHidMouseVender3360 ReadWriteInfo GetLastError dwErrorCode = 0\n",
          "EnumHidMouseVender3360 PID:1005,VID:260d,VersionNumber:0100\n",
          "nEnumHidMouseVender3360 Find our hid device.Success\n", "nEnumHidMouseVender 3360 " + eventCaps,
          "Vender OK", "EnumHidMouseHandle3360 ReadWriteInfo GetLastError dwErrorCode = 0\n",
          "EnumHidMouseHandle3360 PID:1005,VID:260d,VersionNumber:0100\n",
          "EnumHidMouseHandle3360 Find our hid device.Success\n", "EnumHidMouseHandle3360 " + eventCaps,
          "EnumHidMouseHandle3360 ReadWriteInfo GetLastError dwErrorCode = 0\n",
          "EnumHidMouseHandle3360 PID:1005,VID:260d,VersionNumber:0100\n",
          "EnumHidMouseHandle3360 Find our hid device.Success\n",
          "EnumHidMouseHandle3360 " + configurationCaps, "Handler OK"},
         1},
        {"no event interface: the configuration search does not run",
         {configuration},
         true,
         false,
         {"probe cfg"},
         {"EnumHidMouseVender3360 ReadWriteInfo GetLastError dwErrorCode = 0\n",
          "EnumHidMouseVender3360 PID:1005,VID:260d,VersionNumber:0100\n",
          "nEnumHidMouseVender3360 Find our hid device.Success\n",
          "nEnumHidMouseVender 3360 " + configurationCaps, "SetupDiEnumDeviceInterfaces failed.\n"},
         1},
        {"no interfaces", {}, true, false, {}, {"SetupDiEnumDeviceInterfaces failed.\n"}, 1},
        {"the system cannot list them", {event, configuration}, false, false, {}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Host host;
        host.hid.entries = c.entries;
        host.hid.listable = c.listable;

        EXPECT_EQ(host.link.Connect(), c.connected);

        EXPECT_EQ(host.hid.enumerations, 1);
        EXPECT_EQ(host.hid.endEnumerations, c.freed);
        EXPECT_EQ(host.link.IsConnected(), c.connected);
        EXPECT_EQ(host.hid.opened, c.opened);
        EXPECT_EQ(host.debug.lines, c.lines);
    }
}

TEST(Discovery, DeviceChangeConcernsOnlyTheTwoPathForms) {
    struct Case {
        std::uint32_t event;
        std::uint32_t type;
        const char* path;
        DeviceChangeOutcome outcome;
    };
    const Case cases[] = {
        {0x8000, 5, R"(\\?\HID#VID_260D&PID_1005&MI_01#x)", DeviceChangeOutcome::ArrivalFailed},
        {0x8000, 5, R"(\\?\hid#Vid_260d&Pid_1005&mi_01#x)", DeviceChangeOutcome::ArrivalFailed},
        {0x8000, 5, R"(\\?\hid#vid_260d&pid_1005&mi_01#x)", DeviceChangeOutcome::Ignored},
        {0x8000, 5, R"(\\?\HID#VID_260d&PID_1005#x)", DeviceChangeOutcome::Ignored},
        {0x8000, 3, R"(\\?\HID#VID_260D&PID_1005#x)", DeviceChangeOutcome::Ignored},
        {0x8004, 5, R"(\\?\HID#VID_260D&PID_1005#x)", DeviceChangeOutcome::Removed},
        {0x0007, 5, R"(\\?\HID#VID_260D&PID_1005#x)", DeviceChangeOutcome::Ignored},
    };
    for (const Case& c : cases) {
        Host host; // no interfaces at all: every connection fails
        EXPECT_EQ(host.link.OnDeviceChange(c.event, c.type, c.path), c.outcome) << c.path;
        EXPECT_EQ(host.hid.enumerations > 0, c.outcome != DeviceChangeOutcome::Ignored) << c.path;
    }
}

} // namespace
} // namespace corvalith
