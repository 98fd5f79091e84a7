#include "device/DeviceLink.h"
#include "device/ProfileWriter.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"
#include "support/ConnectedWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace corvalith {
namespace {

using Kind = UploadKind;

using Rig = test::ConnectedWriter<SimulatedClock>;

std::vector<int> Repeated(int code, int times) {
    return std::vector<int>(static_cast<std::size_t>(times), code);
}

TEST(ProfileSwitch, SendsOnlyTheGroupsThatDifferFromWhatTheMouseHolds) {
    const ProfileSettings base = ProfileSettings::FactoryDefaults();
    std::vector<int> everything = {0x81, 0x01, 0x0B, 0x0A, 0x87, 0x08, 0x07, 0x03};
    for (int code : Repeated(0x05, 12)) {
        everything.push_back(code);
    }
    for (int code : {0x8C, 0x0C, 0x06, 0x0D}) {
        everything.push_back(code);
    }
    struct Case {
        const char* name;
        std::function<void(ProfileSettings&)> change;
        std::vector<int> sent;
        std::function<void(Rig&)> before = nullptr; // what happened since the whole write
    };
    const Case cases[] = {
        {"the same profile", [](ProfileSettings&) {}, {}},
        {"polling rate", [](ProfileSettings& p) { p.ReportRate = 8; }, {0x81, 0x01}},
        {"sensitivity", [](ProfileSettings& p) { p.SensitivityY = 3; }, {0x0B}},
        {"a stage colour",
         [](ProfileSettings& p) { p.DpiStageColors[6].Blue ^= 1; },
         {0x0A, 0x87, 0x08, 0x07}},
        {"DPI A is never sent", [](ProfileSettings& p) { p.DpiValuesA[0] ^= 1; }, {}},
        {"a button",
         [](ProfileSettings& p) { p.ButtonAssignmentKind[0] = p.ButtonAssignmentKind[1]; },
         {0x03}},
        {"one byte of the last macro", [](ProfileSettings& p) { p.MacroBlockTable[11][129] ^= 1; },
         Repeated(0x05, 12)},
        {"the lighting colour in use",
         [](ProfileSettings& p) { p.MouseColors[p.MouseColorIndex].Red ^= 1; },
         {0x8C, 0x0C, 0x06}},
        {"an unused palette colour",
         [](ProfileSettings& p) { p.MouseColors[(p.MouseColorIndex + 1) % 8].Red ^= 1; },
         {}},
        {"lift-off", [](ProfileSettings& p) { p.LiftOffEnabled = 1 - p.LiftOffEnabled; }, {0x0D}},
        {"the mouse came again", [](ProfileSettings&) {}, everything,
         [](Rig& rig) { ASSERT_TRUE(rig.link.Connect()); }},
        {"the last DPI upload failed",
         [](ProfileSettings&) {},
         {0x0A, 0x87, 0x08, 0x07},
         [](Rig& rig) {
             rig.mouse.FailFeatureReports(true);
             rig.writer.Run(Kind::Dpi, ProfileSettings::FactoryDefaults());
             rig.mouse.FailFeatureReports(false);
         }},
    };
    for (const Case& c : cases) {
        Rig rig;
        rig.WriteWhole(base);
        if (c.before) {
            c.before(rig);
        }
        rig.trace.Clear();
        ProfileSettings target = base;
        c.change(target);
        rig.writer.Run(Kind::Switch, target);
        EXPECT_EQ(test::SentCodes(rig.trace.Lines()), c.sent) << c.name;
    }
}

TEST(ProfileSwitch, AfterAnySequenceOfSwitchesTheMouseHoldsWhatAWholeWriteLeaves) {
    std::mt19937 random(20261211);
    const auto pick = [&](int limit) {
        return static_cast<std::uint8_t>(random() % static_cast<unsigned>(limit));
    };
    // Four profiles; two share their macros, as profiles made by Copy do.
    std::vector<ProfileSettings> profiles(4, ProfileSettings::FactoryDefaults());
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        ProfileSettings& p = profiles[i];
        p.ReportRate = static_cast<std::uint8_t>(1u << pick(4));
        p.SensitivityX = pick(11) + 1;
        p.DpiValuesB[pick(7)] = pick(120) + 1;
        p.DpiStageEnabled[pick(7)] = 0;
        p.ButtonAssignmentKind[pick(7)] = p.ButtonAssignmentKind[pick(7)];
        p.MouseColorIndex = pick(8);
        p.MouseLightMode = pick(5);
        p.LiftOffEnabled = pick(2);
        p.LiftOffLevel = pick(7);
        if (i != 1) {
            p.MacroBlockTable[pick(12)][pick(130)] = pick(256);
        }
    }
    Rig rig;
    for (int step = 0; step < 40; ++step) {
        const ProfileSettings& active = profiles[pick(4)];
        // Now and then a single change goes between the switches, as a slider release would.
        if (step % 5 == 4) {
            ProfileSettings changed = active;
            changed.SensitivityY = pick(11) + 1;
            rig.writer.Run(Kind::Sensitivity, changed);
        }
        rig.writer.Run(Kind::Switch, active);

        Rig fresh;
        fresh.WriteWhole(active);
        ASSERT_EQ(rig.mouse.State(), fresh.mouse.State()) << "step " << step;
    }
}

} // namespace
} // namespace corvalith
