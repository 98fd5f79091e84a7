#include "cli/ProgressLine.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

using Phase = UploadStatus::Phase;

TEST(ProgressLine, CountsDeliveredReportsAndNeverCallsFailedOnesDone) {
    const struct {
        UploadStatus status;
        const char* text;
    } cases[] = {
        {{Phase::Started, UploadKind::Whole, 0, 0, 66}, "\rWriting the mouse: 0 of 66 reports"},
        {{Phase::Report, UploadKind::Whole, 33, 0, 66}, "\rWriting the mouse: 33 of 66 reports"},
        {{Phase::Report, UploadKind::Whole, 30, 4, 66}, "\rWriting the mouse: 30 of 66 reports, 4 failed"},
        {{Phase::Ended, UploadKind::Whole, 66, 0, 66}, "\rWriting the mouse: 66 of 66 reports\n"},
        {{Phase::Ended, UploadKind::Dpi, 0, 5, 5}, "\rWriting the mouse: 0 of 5 reports, 5 failed\n"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgressLine::Text(c.status), c.text);
    }
}

} // namespace
} // namespace corvalith
