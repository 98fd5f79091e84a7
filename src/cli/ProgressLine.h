#pragma once

#include "device/UploadStatus.h"

#include <ostream>
#include <string>

namespace corvalith {

// The line corvalith-cli keeps rewriting on a terminal while it writes the mouse: how many of the
// operation's reports went through, and how many did not (those are never counted as done).
class ProgressLine : public IUploadProgress {
public:
    explicit ProgressLine(std::ostream& out) : out_(out) {}

    // The line for a status: a carriage return first, so that it replaces the one before, and a newline
    // once the operation has ended. Nothing for the queue running empty.
    static std::string Text(const UploadStatus& status);

    void OnUploadStatus(const UploadStatus& status) override;

private:
    std::ostream& out_;
};

} // namespace corvalith
