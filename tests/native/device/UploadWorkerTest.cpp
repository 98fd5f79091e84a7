#include "device/UploadWorker.h"
#include "device/DeviceLink.h"
#include "device/ProfileWriter.h"
#include "device/UploadQueue.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"
#include "support/ConnectedWriter.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <future>
#include <mutex>

namespace corvalith {
namespace {

using Lines = std::vector<std::string>;
using Kind = UploadKind;

// The mouse's waits go into the trace; the first wait holds the worker until the test lets it go, so that
// the test can queue operations while one is being sent.
class HeldClock : public IClock {
public:
    explicit HeldClock(TraceWriter& trace) : inner_(trace) {}
    std::uint32_t NowMilliseconds() override { return inner_.NowMilliseconds(); }
    void SleepMilliseconds(std::uint32_t milliseconds) override {
        inner_.SleepMilliseconds(milliseconds);
        std::unique_lock lock(mutex_);
        reached_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return !held_; });
    }
    void WaitUntilHeld() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return reached_; });
    }
    void Release() {
        std::lock_guard lock(mutex_);
        held_ = false;
        changed_.notify_all();
    }

private:
    SimulatedClock inner_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool held_ = true;
    bool reached_ = false;
};

template <typename Clock> using Rig = test::ConnectedWriter<Clock>;

// The n-th profile the user makes: each differs from the others in every group the test sends.
ProfileSettings Version(int n) {
    ProfileSettings p = ProfileSettings::FactoryDefaults();
    p.SensitivityX = static_cast<std::uint8_t>(n + 1);
    p.DpiValuesB[0] = static_cast<std::uint8_t>(n + 2);
    p.ReportRate = static_cast<std::uint8_t>(1 << (n % 4));
    p.MouseColorIndex = static_cast<std::uint8_t>(n % 8);
    p.MacroBlockTable[0][0] = static_cast<std::uint8_t>(n);
    return p;
}

struct Submitted {
    Kind kind;
    int version;
};

// What the mouse receives when the operations are sent one after another as they are named.
Lines SentInOrder(const std::vector<Submitted>& operations) {
    Rig<SimulatedClock> rig;
    for (const Submitted& s : operations) {
        rig.writer.Run(s.kind, Version(s.version));
    }
    return rig.trace.Lines();
}

TEST(UploadQueue, LaterOperationsDropWhatTheyMakeObsolete) {
    struct Case {
        const char* name;
        std::vector<Submitted> pushed;
        std::vector<Submitted> waiting;
    };
    const Case cases[] = {
        {"two DPI changes send the later", {{Kind::Dpi, 1}, {Kind::Dpi, 2}}, {{Kind::Dpi, 2}}},
        {"other kinds keep their order",
         {{Kind::Dpi, 1}, {Kind::Lighting, 2}, {Kind::Sensitivity, 3}},
         {{Kind::Dpi, 1}, {Kind::Lighting, 2}, {Kind::Sensitivity, 3}}},
        {"a repeated kind moves behind the others",
         {{Kind::Dpi, 1}, {Kind::Lighting, 2}, {Kind::Dpi, 3}},
         {{Kind::Lighting, 2}, {Kind::Dpi, 3}}},
        {"a whole write drops everything before it",
         {{Kind::Dpi, 1}, {Kind::Buttons, 2}, {Kind::Whole, 3}, {Kind::LiftOff, 4}},
         {{Kind::Whole, 3}, {Kind::LiftOff, 4}}},
        {"a partial after a whole write waits behind it",
         {{Kind::Whole, 1}, {Kind::Dpi, 2}, {Kind::Dpi, 3}},
         {{Kind::Whole, 1}, {Kind::Dpi, 3}}},
    };
    const UploadQueue::Clock::time_point now{};
    for (const Case& c : cases) {
        UploadQueue queue;
        for (const Submitted& s : c.pushed) {
            queue.Push({s.kind, Version(s.version)}, now);
        }
        std::vector<Submitted> waiting;
        while (const auto operation = queue.Pop(now + std::chrono::seconds(1))) {
            waiting.push_back({operation->Kind, operation->Profile.SensitivityX - 1});
        }
        ASSERT_EQ(waiting.size(), c.waiting.size()) << c.name;
        for (std::size_t i = 0; i < waiting.size(); ++i) {
            EXPECT_EQ(waiting[i].kind, c.waiting[i].kind) << c.name << " " << i;
            EXPECT_EQ(waiting[i].version, c.waiting[i].version) << c.name << " " << i;
        }
    }
}

TEST(UploadQueue, ABurstOfOneKindSendsItsFirstChangeAtOnceAndItsLastOnceSettled) {
    using std::chrono::milliseconds;
    struct Step {
        int at;                          // milliseconds
        std::optional<Submitted> pushed; // pushed at that time, or else a pop
        std::optional<Submitted> popped;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"ten DPI releases 100 ms apart send two uploads",
         {{0, Submitted{Kind::Dpi, 0}, {}},
          {0, {}, Submitted{Kind::Dpi, 0}},
          {100, Submitted{Kind::Dpi, 1}, {}},
          {100, {}, {}},
          {200, Submitted{Kind::Dpi, 2}, {}},
          {300, Submitted{Kind::Dpi, 3}, {}},
          {400, Submitted{Kind::Dpi, 4}, {}},
          {500, Submitted{Kind::Dpi, 5}, {}},
          {600, Submitted{Kind::Dpi, 6}, {}},
          {700, Submitted{Kind::Dpi, 7}, {}},
          {800, Submitted{Kind::Dpi, 8}, {}},
          {900, Submitted{Kind::Dpi, 9}, {}},
          {1149, {}, {}},
          {1150, {}, Submitted{Kind::Dpi, 9}},
          {5000, {}, {}}}},
        {"a change 250 ms after the last of its kind goes at once",
         {{0, Submitted{Kind::Dpi, 0}, {}},
          {0, {}, Submitted{Kind::Dpi, 0}},
          {250, Submitted{Kind::Dpi, 1}, {}},
          {250, {}, Submitted{Kind::Dpi, 1}}}},
        {"another kind passes a settling change",
         {{0, Submitted{Kind::Lighting, 0}, {}},
          {10, Submitted{Kind::Lighting, 1}, {}},
          {20, Submitted{Kind::Sensitivity, 2}, {}},
          {20, {}, Submitted{Kind::Sensitivity, 2}},
          {259, {}, {}},
          {260, {}, Submitted{Kind::Lighting, 1}}}},
        {"a whole write never waits and drops the settling change",
         {{0, Submitted{Kind::Whole, 0}, {}},
          {1, Submitted{Kind::Whole, 1}, {}},
          {1, {}, Submitted{Kind::Whole, 1}},
          {2, Submitted{Kind::LiftOff, 2}, {}},
          {3, Submitted{Kind::LiftOff, 3}, {}},
          {4, Submitted{Kind::Whole, 4}, {}},
          {4, {}, Submitted{Kind::Whole, 4}},
          {5000, {}, {}}}},
    };
    for (const Case& c : cases) {
        UploadQueue queue;
        const UploadQueue::Clock::time_point start{};
        for (const Step& step : c.steps) {
            const auto now = start + milliseconds(step.at);
            if (step.pushed) {
                queue.Push({step.pushed->kind, Version(step.pushed->version)}, now);
                continue;
            }
            const auto operation = queue.Pop(now);
            ASSERT_EQ(operation.has_value(), step.popped.has_value()) << c.name << " at " << step.at;
            if (operation) {
                EXPECT_EQ(operation->Kind, step.popped->kind) << c.name << " at " << step.at;
                EXPECT_EQ(operation->Profile.SensitivityX - 1, step.popped->version)
                    << c.name << " at " << step.at;
            }
        }
        EXPECT_TRUE(queue.Empty()) << c.name;
    }
}

struct RecordedProgress : IUploadProgress {
    void OnUploadStatus(const UploadStatus& status) override {
        std::lock_guard lock(mutex);
        statuses.push_back(status);
    }
    std::mutex mutex;
    std::vector<UploadStatus> statuses;
};

TEST(ProfileWriter, ProgressCountsEveryReportAndOnlyCallsAnUploadDoneWhenAllWentThrough) {
    // Reports by hand: a command 1, a query 2, a written block of n chunks 1 + n, a read block 2 + n.
    struct Case {
        Kind kind;
        std::uint16_t reports;
    };
    const Case cases[] = {
        {Kind::Whole, 3 + 1 + 6 + 50 + 6}, // polling, sensitivity, DPI, buttons and macros, lighting
        {Kind::Buttons, 2 + 12 * 4},       {Kind::Dpi, 2 + 2 + 1 + 1}, {Kind::PollingRate, 2 + 1},
        {Kind::Lighting, 3 + 2 + 1},       {Kind::Sensitivity, 1},     {Kind::LiftOff, 1},
    };
    for (const Case& c : cases) {
        Rig<SimulatedClock> rig;
        RecordedProgress progress;
        EXPECT_TRUE(rig.writer.Run(c.kind, Version(0), &progress));
        const Lines lines = rig.trace.Lines();
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                                [](const std::string& l) { return l.rfind("sleep", 0) != 0; }),
                  c.reports)
            << static_cast<int>(c.kind);
        ASSERT_EQ(progress.statuses.size(), c.reports + 2u);
        EXPECT_EQ(progress.statuses.front(),
                  (UploadStatus{UploadStatus::Phase::Started, c.kind, 0, 0, c.reports}));
        EXPECT_EQ(progress.statuses.back(),
                  (UploadStatus{UploadStatus::Phase::Ended, c.kind, c.reports, 0, c.reports}));
    }

    Rig<SimulatedClock> rig;
    rig.mouse.FailFeatureReports(true);
    RecordedProgress progress;
    EXPECT_FALSE(rig.writer.Run(Kind::Dpi, Version(0), &progress)) << "the query's answer was not read";
    EXPECT_FALSE(progress.statuses.back().Complete());
}

TEST(UploadWorker, SendsInOrderWithoutWhatLaterChangesMadeObsolete) {
    struct Case {
        const char* name;
        Submitted running;
        std::vector<Submitted> queued;
        std::vector<Submitted> sent;
    };
    const Case cases[] = {
        {"DPI drag during a DPI upload",
         {Kind::Dpi, 0},
         {{Kind::Sensitivity, 1}, {Kind::Dpi, 2}, {Kind::Dpi, 3}, {Kind::Dpi, 4}},
         {{Kind::Dpi, 0}, {Kind::Sensitivity, 1}, {Kind::Dpi, 4}}},
        {"a whole write supersedes the partial ones queued before it",
         {Kind::Buttons, 0},
         {{Kind::Sensitivity, 1}, {Kind::Lighting, 2}, {Kind::Whole, 3}, {Kind::LiftOff, 3}},
         {{Kind::Buttons, 0}, {Kind::Whole, 3}, {Kind::LiftOff, 3}}},
    };
    for (const Case& c : cases) {
        Rig<HeldClock> rig;
        UploadWorker worker(rig.writer, rig.link);
        worker.Submit(c.running.kind, Version(c.running.version));
        rig.clock.WaitUntilHeld();
        for (const Submitted& s : c.queued) {
            worker.Submit(s.kind, Version(s.version));
        }
        rig.clock.Release();
        ASSERT_TRUE(worker.WaitUntilIdle(std::chrono::seconds(10))) << c.name;
        EXPECT_EQ(rig.trace.Lines(), SentInOrder(c.sent)) << c.name;
    }
}

TEST(UploadWorker, RemovalAndExitEndTheUploadAtTheReportInProgress) {
    // A whole write held at its first wait: the polling query and command, the sensitivity and the header
    // of the DPI colours have gone out.
    Lines sentBeforeTheWait = SentInOrder({{Kind::Whole, 0}});
    sentBeforeTheWait.resize(6);
    ASSERT_EQ(sentBeforeTheWait.back(), "sleep 10");

    for (const bool exit : {false, true}) {
        Rig<HeldClock> rig;
        RecordedProgress progress;
        auto worker = std::make_unique<UploadWorker>(rig.writer, rig.link);
        worker->SetProgress(&progress);
        worker->Submit(Kind::Whole, Version(0));
        rig.clock.WaitUntilHeld();
        worker->Submit(Kind::Dpi, Version(1));
        if (exit) {
            worker->RequestStop();
            rig.clock.Release();
            worker->Stop();
        } else {
            rig.mouse.Unplug();
            rig.link.OnDeviceChange(static_cast<std::uint32_t>(DeviceChangeEvent::RemoveComplete),
                                    DeviceLink::kDeviceTypeInterface,
                                    VirtualMouse::PathOf(VirtualMouse::Port::Configuration));
            worker->DropQueue();
            rig.clock.Release();
            ASSERT_TRUE(worker->WaitUntilIdle(std::chrono::seconds(10)));
        }
        EXPECT_EQ(rig.trace.Lines(), sentBeforeTheWait) << exit;
        std::lock_guard lock(progress.mutex);
        const auto ended =
            std::find_if(progress.statuses.begin(), progress.statuses.end(),
                         [](const UploadStatus& s) { return s.Stage == UploadStatus::Phase::Ended; });
        ASSERT_NE(ended, progress.statuses.end()) << exit;
        EXPECT_FALSE(ended->Complete()) << "an upload cut short is not done";
    }

    // After the mouse comes back the worker sends again.
    Rig<SimulatedClock> rig;
    UploadWorker worker(rig.writer, rig.link);
    rig.mouse.Unplug();
    rig.link.OnDeviceChange(static_cast<std::uint32_t>(DeviceChangeEvent::RemoveComplete),
                            DeviceLink::kDeviceTypeInterface,
                            VirtualMouse::PathOf(VirtualMouse::Port::Configuration));
    worker.Submit(Kind::Dpi, Version(1));
    ASSERT_TRUE(worker.WaitUntilIdle(std::chrono::seconds(10)));
    EXPECT_TRUE(rig.trace.Lines().empty()) << "nothing is sent without a mouse";
    rig.mouse.Plug();
    ASSERT_TRUE(rig.link.Connect());
    worker.Submit(Kind::Sensitivity, Version(2));
    ASSERT_TRUE(worker.WaitUntilIdle(std::chrono::seconds(10)));
    EXPECT_EQ(rig.mouse.State().SensitivityX, 3 * 20);
}

TEST(UploadWorker, StageEventsReachTheWindowDuringAnUploadAndTheQueryAnswersTheUpload) {
    Rig<HeldClock> rig;
    ASSERT_TRUE(rig.link.Reader().Start());
    rig.link.Reader().Wake();
    UploadWorker worker(rig.writer, rig.link);
    worker.Submit(Kind::Dpi, Version(0));
    rig.clock.WaitUntilHeld();  // the stage colours' header has gone out; the stage query has not
    rig.mouse.PressDpiButton(); // stage 1 to stage 2, all stages enabled
    std::future<std::uint8_t> event = rig.stageEvent.get_future();
    ASSERT_EQ(event.wait_for(std::chrono::seconds(10)), std::future_status::ready)
        << "not held up by the upload";
    EXPECT_EQ(event.get(), 2);
    EXPECT_TRUE(worker.Busy());
    rig.clock.Release();
    ASSERT_TRUE(worker.WaitUntilIdle(std::chrono::seconds(10)));
    // The query after the press answered stage 2, and command 0x07 wrote it back.
    EXPECT_EQ(rig.mouse.State().CurrentStage, 2);
    rig.link.Shutdown();
}

} // namespace
} // namespace corvalith
