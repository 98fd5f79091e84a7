#include "sim/TraceWriter.h"

namespace corvalith {

std::string TraceWriter::Hex(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const std::uint8_t byte : bytes) {
        if (!text.empty()) {
            text.push_back(' ');
        }
        text.push_back(kDigits[byte >> 4]);
        text.push_back(kDigits[byte & 0x0F]);
    }
    return text;
}

void TraceWriter::SetSink(Sink sink) {
    std::lock_guard lock(mutex_);
    sink_ = std::move(sink);
}

void TraceWriter::Record(std::string_view operation, std::span<const std::uint8_t> bytes) {
    Add(std::string(operation) + " " + Hex(bytes));
}

void TraceWriter::RecordSleep(std::uint32_t milliseconds) {
    Add("sleep " + std::to_string(milliseconds));
}

void TraceWriter::Add(std::string line) {
    std::lock_guard lock(mutex_);
    if (sink_) {
        sink_(line);
    }
    lines_.push_back(std::move(line));
}

std::vector<std::string> TraceWriter::Lines() const {
    std::lock_guard lock(mutex_);
    return lines_;
}

void TraceWriter::Clear() {
    std::lock_guard lock(mutex_);
    lines_.clear();
}

} // namespace corvalith
