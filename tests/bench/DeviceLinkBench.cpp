// Benchmarks of the device link against the virtual mouse on the real clock.
//   FullUpload: wall time of WriteProfileToMouse and its overhead over the waits the protocol asks for.
//   IdleReader: CPU time the process uses while the reader thread waits for events that do not come.
//   ProfileSwitch: wall time of a switch between two profiles that share their macros and differ in every
//   other group, against a whole write of the same profile.
#include "cli/DiscardingFileSystem.h"
#include "cli/QuietHost.h"
#include "device/DeviceLink.h"
#include "device/ProfileUploader.h"
#include "device/ProfileWriter.h"
#include "platform/SteadyClock.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <thread>

namespace corvalith {
namespace {

// Everything around the upload that the benchmark does not measure.
struct Quiet : QuietHost, DiscardingFileSystem {};

// The virtual mouse, plugged in and connected, its waits passing for real.
struct ConnectedMouse {
    ConnectedMouse() {
        mouse.Plug();
        link.Connect();
    }
    TraceWriter trace;
    SteadyClock real;
    SimulatedClock clock{trace, &real};
    VirtualMouse mouse{trace};
    Quiet quiet;
    DeviceLink link{mouse, clock, quiet, [](std::uint8_t) {}};
};

void FullUpload(benchmark::State& state) {
    ConnectedMouse connected;
    TraceWriter& trace = connected.trace;
    Quiet& quiet = connected.quiet;
    DeviceLink& link = connected.link;
    ProfileSession session;
    session.Working = ProfileSettings::FactoryDefaults();
    ProfileStorage storage(session,
                           {static_cast<DiscardingFileSystem&>(quiet), quiet, quiet, quiet, quiet, quiet});
    ProfileUploader uploader(link, session, storage, quiet, quiet);

    double waited = 0;
    double elapsed = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        uploader.WriteProfileToMouse();
        elapsed +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        waited += 40 * 100 + 17 * 10; // the waits of one full upload
        trace.Clear();
    }
    state.counters["waits_ms"] = waited / static_cast<double>(state.iterations());
    state.counters["elapsed_ms"] = elapsed / static_cast<double>(state.iterations());
    state.counters["overhead_pct"] = 100.0 * (elapsed - waited) / waited;
}
BENCHMARK(FullUpload)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void ProfileSwitch(benchmark::State& state) {
    ConnectedMouse connected;
    TraceWriter& trace = connected.trace;
    ProfileWriter writer(connected.link, connected.quiet);

    ProfileSettings profiles[2] = {ProfileSettings::FactoryDefaults(), ProfileSettings::FactoryDefaults()};
    ProfileSettings& other = profiles[1];
    other.ReportRate = 8;
    other.SensitivityX = 7;
    other.DpiValuesB[0] = 20;
    other.ButtonAssignmentKind[0] = other.ButtonAssignmentKind[1];
    other.MouseColorIndex =
        static_cast<std::uint8_t>((other.MouseColorIndex + 1) % ProfileSettings::kPaletteSize);
    other.LiftOffEnabled = 1 - other.LiftOffEnabled;
    writer.Run(UploadKind::Whole, profiles[0]);
    writer.Run(UploadKind::LiftOff, profiles[0]);

    const auto timed = [](auto&& send) {
        const auto start = std::chrono::steady_clock::now();
        send();
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    double switched = 0;
    double whole = 0;
    int next = 1;
    for (auto _ : state) {
        switched += timed([&] { writer.Run(UploadKind::Switch, profiles[next]); });
        next = 1 - next;
        trace.Clear();
    }
    whole = timed([&] {
        writer.Run(UploadKind::Whole, profiles[next]);
        writer.Run(UploadKind::LiftOff, profiles[next]);
    });
    state.counters["switch_ms"] = switched / static_cast<double>(state.iterations());
    state.counters["whole_write_ms"] = whole;
    state.counters["target_switch_ms"] = 500;
}
BENCHMARK(ProfileSwitch)->Iterations(4)->Unit(benchmark::kMillisecond)->UseRealTime();

void IdleReader(benchmark::State& state) {
    TraceWriter trace;
    SteadyClock real;
    VirtualMouse mouse(trace);
    mouse.Plug();
    Quiet quiet;
    DeviceLink link(mouse, real, quiet, [](std::uint8_t) {});
    link.Connect();
    link.Reader().Start();
    double cpu = 0;
    for (auto _ : state) {
        const std::clock_t before = std::clock();
        std::this_thread::sleep_for(std::chrono::seconds(2));
        cpu += 1000.0 * static_cast<double>(std::clock() - before) / CLOCKS_PER_SEC;
    }
    state.counters["process_cpu_ms_per_2s_idle"] = cpu / static_cast<double>(state.iterations());
    link.Shutdown();
}
BENCHMARK(IdleReader)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace corvalith

BENCHMARK_MAIN();
