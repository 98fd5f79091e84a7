#pragma once

#include "device/DeviceLink.h"
#include "device/ProfileWriter.h"
#include "doubles/RecordingDebugOutput.h"
#include "sim/VirtualMouse.h"

#include <gtest/gtest.h>

#include <future>
#include <string>
#include <vector>

namespace corvalith::test {

// The command code of every frame the host sent in a trace, in order.
inline std::vector<int> SentCodes(const std::vector<std::string>& lines) {
    std::vector<int> codes;
    for (const std::string& line : lines) {
        if (line.rfind("set-feature 00 ", 0) == 0) {
            codes.push_back(std::stoi(line.substr(15, 2), nullptr, 16));
        }
    }
    return codes;
}

// A connected virtual mouse and the writer of its uploads, its waits on the given clock (one made from the
// trace). The first DPI-stage event the reader thread hands over is kept.
template <typename Clock> struct ConnectedWriter {
    ConnectedWriter() {
        mouse.Plug();
        EXPECT_TRUE(link.Connect());
        trace.Clear();
    }
    // What a profile manager's select leaves: the whole profile, then the lift-off command.
    void WriteWhole(const ProfileSettings& profile) {
        writer.Run(UploadKind::Whole, profile);
        writer.Run(UploadKind::LiftOff, profile);
    }

    TraceWriter trace;
    Clock clock{trace};
    VirtualMouse mouse{trace};
    RecordingDebugOutput debug;
    std::promise<std::uint8_t> stageEvent;
    DeviceLink link{mouse, clock, debug, [this](std::uint8_t stage) {
                        try {
                            stageEvent.set_value(stage);
                        } catch (const std::future_error&) {
                        }
                    }};
    ProfileWriter writer{link, debug};
};

} // namespace corvalith::test
