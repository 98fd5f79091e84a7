#include "app/UploadProgressDisplay.h"
#include "app/UploadStatusWords.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Phase = UploadStatus::Phase;
using Steps = UploadProgressDisplay::Steps;

// One display through two uploads: a long one, shown after 300 ms with its share delivered of a
// 100-pixel bar, and a quick one that never shows; a timer that comes early waits for the rest.
TEST(UploadProgressDisplay, ShowsLongUploadsAfterTheirFirst300Ms) {
    enum class Event { Status, Timer };
    struct Row {
        const char* what;
        Event event;
        std::int64_t nowMs;
        UploadStatus status;
        Steps steps;
        bool shown;
        int filled;
    };
    const Row rows[] = {
        {"a whole write starts",
         Event::Status,
         1000,
         {Phase::Started, UploadKind::Whole, 0, 0, 66},
         {.TimerMs = 300},
         false,
         0},
        {"a report before 300 ms",
         Event::Status,
         1100,
         {Phase::Report, UploadKind::Whole, 10, 0, 66},
         {},
         false,
         0},
        {"the timer 10 ms early", Event::Timer, 1290, {}, {.TimerMs = 10}, false, 0},
        {"300 ms busy",
         Event::Timer,
         1300,
         {},
         {.RepaintBar = true, .TipChanged = true, .StopTimer = true},
         true,
         15},
        {"half delivered",
         Event::Status,
         1400,
         {Phase::Report, UploadKind::Whole, 33, 0, 66},
         {.RepaintBar = true},
         true,
         50},
        {"one report failed",
         Event::Status,
         1500,
         {Phase::Report, UploadKind::Whole, 65, 1, 66},
         {.RepaintBar = true},
         true,
         98},
        {"ended with a failure: not full",
         Event::Status,
         1500,
         {Phase::Ended, UploadKind::Whole, 65, 1, 66},
         {.RepaintBar = true},
         true,
         98},
        {"the next operation starts empty",
         Event::Status,
         1600,
         {Phase::Started, UploadKind::Dpi, 0, 0, 4},
         {.RepaintBar = true},
         true,
         0},
        {"it ends complete",
         Event::Status,
         1650,
         {Phase::Ended, UploadKind::Dpi, 4, 0, 4},
         {.RepaintBar = true},
         true,
         100},
        {"the queue runs empty",
         Event::Status,
         1700,
         {},
         {.RepaintBar = true, .TipChanged = true, .StopTimer = true},
         false,
         0},
        {"a quick upload starts",
         Event::Status,
         5000,
         {Phase::Started, UploadKind::Buttons, 0, 0, 20},
         {.TimerMs = 300},
         false,
         0},
        {"it ends", Event::Status, 5100, {Phase::Ended, UploadKind::Buttons, 20, 0, 20}, {}, false, 0},
        {"idle before 300 ms", Event::Status, 5101, {}, {.StopTimer = true}, false, 0},
        {"a timer left in the queue", Event::Timer, 5400, {}, {.StopTimer = true}, false, 0},
    };
    UploadProgressDisplay display;
    for (const Row& row : rows) {
        const Steps steps =
            row.event == Event::Timer ? display.OnTimer(row.nowMs) : display.OnStatus(row.status, row.nowMs);
        EXPECT_EQ(steps, row.steps) << row.what;
        EXPECT_EQ(display.BarShown(), row.shown) << row.what;
        EXPECT_EQ(display.Writing(), row.shown) << row.what;
        EXPECT_EQ(display.FilledWidth(100), row.filled) << row.what;
    }
}

TEST(UploadStatusWords, PacksAStatusIntoTwoMessageWords) {
    struct Row {
        UploadStatus status;
        UploadStatusWords::Words words;
    };
    const Row rows[] = {
        {{Phase::Report, UploadKind::Whole, 3, 1, 66}, {0x00420001, 0x00010003}},
        {{Phase::Ended, UploadKind::LiftOff, 1, 0, 1}, {0x00010602, 0x00000001}},
        {{}, {0x00000003, 0x00000000}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(UploadStatusWords::Pack(row.status), row.words);
        EXPECT_EQ(UploadStatusWords::Unpack(row.words.First, row.words.Second), row.status);
    }
    const std::uint64_t refused[][2] = {
        {0x00000004, 0},          // no such phase
        {0x00000701, 0},          // no such kind
        {0x00020001, 0x00010002}, // three reports counted of two
        {0x100000001, 0},         // beyond a word's 32 bits
    };
    for (const auto& words : refused) {
        EXPECT_EQ(UploadStatusWords::Unpack(words[0], words[1]), std::nullopt) << std::hex << words[0];
    }
}

} // namespace
} // namespace corvalith
