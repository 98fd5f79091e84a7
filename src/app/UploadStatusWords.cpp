#include "app/UploadStatusWords.h"

namespace corvalith {

UploadStatusWords::Words UploadStatusWords::Pack(const UploadStatus& status) {
    return {static_cast<std::uint32_t>(static_cast<std::uint32_t>(status.Stage) |
                                       static_cast<std::uint32_t>(status.Kind) << 8 |
                                       static_cast<std::uint32_t>(status.Total) << 16),
            static_cast<std::uint32_t>(status.Delivered | static_cast<std::uint32_t>(status.Failed) << 16)};
}

std::optional<UploadStatus> UploadStatusWords::Unpack(std::uint64_t first, std::uint64_t second) {
    if (first > 0xFFFFFFFFu || second > 0xFFFFFFFFu) {
        return std::nullopt;
    }
    const std::uint32_t stage = first & 0xFFu;
    const std::uint32_t kind = (first >> 8) & 0xFFu;
    if (stage > static_cast<std::uint32_t>(UploadStatus::Phase::Idle) ||
        kind > static_cast<std::uint32_t>(UploadKind::LiftOff)) {
        return std::nullopt;
    }
    UploadStatus status;
    status.Stage = static_cast<UploadStatus::Phase>(stage);
    status.Kind = static_cast<UploadKind>(kind);
    status.Total = static_cast<std::uint16_t>(first >> 16);
    status.Delivered = static_cast<std::uint16_t>(second & 0xFFFFu);
    status.Failed = static_cast<std::uint16_t>(second >> 16);
    if (status.Delivered + status.Failed > status.Total) {
        return std::nullopt;
    }
    return status;
}

} // namespace corvalith
