#include "doubles/ScriptedEventDevice.h"

#include <algorithm>
#include <chrono>

namespace corvalith::test {

void ScriptedEventDevice::Script(const std::vector<std::optional<Report>>& answers) {
    {
        std::lock_guard lock(mutex_);
        script_.insert(script_.end(), answers.begin(), answers.end());
    }
    changed_.notify_all();
}

bool ScriptedEventDevice::AwaitReads(int count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return reads_ >= count; });
}

int ScriptedEventDevice::Reads() const {
    std::lock_guard lock(mutex_);
    return reads_;
}

std::size_t ScriptedEventDevice::ReadInput(std::span<std::uint8_t> report) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return cancelled_ || !script_.empty(); });
    std::size_t received = 0;
    if (!cancelled_) {
        const std::optional<Report> answer = script_.front();
        script_.pop_front();
        if (answer) {
            received = std::min(answer->size(), report.size());
            std::copy_n(answer->begin(), received, report.begin());
        }
    }
    ++reads_;
    changed_.notify_all();
    return received;
}

void ScriptedEventDevice::CancelRead() {
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    changed_.notify_all();
}

} // namespace corvalith::test
