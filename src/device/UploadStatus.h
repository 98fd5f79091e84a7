#pragma once

#include "device/UploadKind.h"

#include <cstdint>

namespace corvalith {

// Where the device worker stands, as the window shows it: an operation starting, each report of it, its
// end, and the queue running empty.
struct UploadStatus {
    enum class Phase : std::uint8_t { Started, Report, Ended, Idle };

    Phase Stage = Phase::Idle;
    UploadKind Kind = UploadKind::Whole;
    std::uint16_t Delivered = 0; // reports of the operation that went through
    std::uint16_t Failed = 0;    // reports that did not
    std::uint16_t Total = 0;     // reports the operation sends

    // An operation counts as done only when every one of its reports went through.
    bool Complete() const { return Failed == 0 && Delivered == Total; }
    friend bool operator==(const UploadStatus&, const UploadStatus&) = default;
};

// Told on the device worker's thread; an implementation hands it on to the window.
class IUploadProgress {
public:
    virtual ~IUploadProgress() = default;
    virtual void OnUploadStatus(const UploadStatus& status) = 0;
};

} // namespace corvalith
