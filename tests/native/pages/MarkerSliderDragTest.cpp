#include "pages/MarkerSliderDrag.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvalith {
namespace {

TEST(MarkerSliderDragTest, OnlyTheReleaseOfAPressOnTheSliderReports) {
    enum class Event { Press, PressIgnored, Release, CaptureToOther, CaptureToSlider, FocusLost };
    struct Step {
        Event event;
        bool result; // drag started, release reports, drag ended
        bool dragging;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"press and release", {{Event::Press, true, true}, {Event::Release, true, false}}},
        // A double click's second press arrives as a double-click message, not as a press.
        {"double click",
         {{Event::Press, true, true}, {Event::Release, true, false}, {Event::Release, false, false}}},
        {"release alone", {{Event::Release, false, false}}},
        {"slider that ignores the mouse",
         {{Event::PressIgnored, false, false}, {Event::Release, false, false}}},
        {"capture lost to another window",
         {{Event::Press, true, true}, {Event::CaptureToOther, true, false}, {Event::Release, false, false}}},
        {"capture taken by the slider itself",
         {{Event::Press, true, true}, {Event::CaptureToSlider, false, true}, {Event::Release, true, false}}},
        {"capture lost while idle", {{Event::CaptureToOther, false, false}}},
        {"focus lost",
         {{Event::Press, true, true}, {Event::FocusLost, true, false}, {Event::Release, false, false}}},
        {"a new press after a lost capture",
         {{Event::Press, true, true},
          {Event::CaptureToOther, true, false},
          {Event::Press, true, true},
          {Event::Release, true, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MarkerSliderDrag drag;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            bool result = false;
            switch (step.event) {
            case Event::Press:
                result = drag.Press(true);
                break;
            case Event::PressIgnored:
                result = drag.Press(false);
                break;
            case Event::Release:
                result = drag.Release();
                break;
            case Event::CaptureToOther:
                result = drag.CaptureChanged(false);
                break;
            case Event::CaptureToSlider:
                result = drag.CaptureChanged(true);
                break;
            case Event::FocusLost:
                result = drag.FocusLost();
                break;
            }
            EXPECT_EQ(result, step.result) << "step " << i;
            EXPECT_EQ(drag.Dragging(), step.dragging) << "step " << i;
        }
    }
}

} // namespace
} // namespace corvalith
