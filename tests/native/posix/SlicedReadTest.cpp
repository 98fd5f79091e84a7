#include "platform/posix/SlicedRead.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvalith {
namespace {

// One read of the backend: what each slice brings (bytes, 0 for nothing, negative for a failure; slices
// past the script bring nothing), when the read is cancelled, and what it must do.
struct Case {
    const char* name;
    std::vector<int> slices;
    int limitMs;
    int cancelAfterSlice; // 0: never
    int expectedBytes;
    std::vector<int> expectedWaits;
};

TEST(SlicedRead, WaitsForTheReplyUpToItsLimitAndNeverTakesSilenceForAReport) {
    const int reply = SlicedRead::kReplyTimeoutMs;
    ASSERT_EQ(reply, 2000);
    ASSERT_EQ(SlicedRead::kSliceMs, 250);
    const Case cases[] = {
        {"reply in the first slice", {64}, reply, 0, 64, {250}},
        {"slow reply after 750 ms", {0, 0, 0, 64}, reply, 0, 64, {250, 250, 250, 250}},
        {"reply in the last slice",
         {0, 0, 0, 0, 0, 0, 0, 64},
         reply,
         0,
         64,
         {250, 250, 250, 250, 250, 250, 250, 250}},
        {"no reply: time-out after 2000 ms", {}, reply, 0, 0, {250, 250, 250, 250, 250, 250, 250, 250}},
        {"a limit that is no whole number of slices", {}, 600, 0, 0, {250, 250, 100}},
        {"a failed slice ends the read", {0, -1, 64}, reply, 0, 0, {250, 250}},
        {"a cancel request ends the read", {0, 0, 0}, reply, 2, 0, {250, 250}},
        {"a report that arrives with the cancel request is dropped", {0, 9}, reply, 2, 0, {250, 250}},
        {"the event interface waits beyond the reply time-out",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9},
         SlicedRead::kNoLimit,
         0,
         9,
         std::vector<int>(13, 250)},
    };
    for (const Case& c : cases) {
        std::vector<int> waits;
        const std::vector<int>& slices = c.slices;
        const int got = SlicedRead::Run(
            [&](int ms) {
                waits.push_back(ms);
                return waits.size() <= slices.size() ? slices[waits.size() - 1] : 0;
            },
            [&] { return c.cancelAfterSlice != 0 && static_cast<int>(waits.size()) >= c.cancelAfterSlice; },
            c.limitMs);
        EXPECT_EQ(got, c.expectedBytes) << c.name;
        EXPECT_EQ(waits, c.expectedWaits) << c.name;
    }
}

} // namespace
} // namespace corvalith
