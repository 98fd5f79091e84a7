#include "cli/ProgressLine.h"

namespace corvalith {

std::string ProgressLine::Text(const UploadStatus& status) {
    if (status.Stage == UploadStatus::Phase::Idle) {
        return {};
    }
    std::string text = "\rWriting the mouse: " + std::to_string(status.Delivered) + " of " +
                       std::to_string(status.Total) + " reports";
    if (status.Failed != 0) {
        text += ", " + std::to_string(status.Failed) + " failed";
    }
    if (status.Stage == UploadStatus::Phase::Ended) {
        text += "\n";
    }
    return text;
}

void ProgressLine::OnUploadStatus(const UploadStatus& status) {
    out_ << Text(status) << std::flush;
}

} // namespace corvalith
