#pragma once

#include "platform/IHidDevice.h"

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

namespace corvalith::test {

// An event interface whose reads answer from a script, one entry per read: a report, or a failure.
// A read with nothing scripted waits until an entry is added or the read is cancelled.
class ScriptedEventDevice : public IHidDevice {
public:
    using Report = std::vector<std::uint8_t>;

    // Queues the answers of the next reads; nullopt is a failed read.
    void Script(const std::vector<std::optional<Report>>& answers);
    // Waits (bounded, as a guard against a hang) until at least `count` reads have returned.
    bool AwaitReads(int count);
    int Reads() const;

    bool GetAttributes(HidAttributes&) override { return true; }
    bool GetPreparsedData() override { return true; }
    bool GetCaps(HidCaps&) override { return true; }
    void Close() override { CancelRead(); }
    bool SetFeature(std::span<const std::uint8_t>) override { return false; }
    bool GetFeature(std::span<std::uint8_t>) override { return false; }
    bool WriteOutput(std::span<const std::uint8_t>) override { return false; }
    std::size_t ReadInput(std::span<std::uint8_t> report) override;
    void CancelRead() override;

private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::optional<Report>> script_;
    bool cancelled_ = false;
    int reads_ = 0;
};

} // namespace corvalith::test
