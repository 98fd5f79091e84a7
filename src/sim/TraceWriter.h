#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {

// The report stream of the virtual mouse, one line per operation: "set-feature 00 0d ...", "get-feature",
// "write", "read", "event" with the bytes as two lowercase hex digits separated by single spaces, and
// "sleep N" for a wait the host asked for. Lines are kept and, when a sink is set, handed to it too.
class TraceWriter {
public:
    using Sink = std::function<void(const std::string& line)>;

    void SetSink(Sink sink);
    void Record(std::string_view operation, std::span<const std::uint8_t> bytes);
    void RecordSleep(std::uint32_t milliseconds);

    std::vector<std::string> Lines() const;
    void Clear();

    static std::string Hex(std::span<const std::uint8_t> bytes);

private:
    void Add(std::string line);

    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    Sink sink_;
};

} // namespace corvalith
