#include "macro/MacroManagerClick.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(MacroManagerClick, EachTargetStopsSavesAndActsAsPlanned) {
    using Target = MacroManagerLayout::Target;
    using Action = MacroManagerClick::Action;
    struct Case {
        Target target;
        bool stops, saves;
        Action action;
    };
    const Case cases[] = {
        {Target::Ok, true, true, Action::Accept},
        {Target::Cancel, true, false, Action::Cancel},
        {Target::Close, true, false, Action::Cancel},
        {Target::New, true, true, Action::NewMacro},
        {Target::Delete, true, false, Action::DeleteMacro},
        {Target::DelayCheck, false, false, Action::ToggleDelay},
        {Target::LoopCheck, true, false, Action::ToggleLoop},
        {Target::None, false, false, Action::Drag},
    };
    for (const Case& c : cases) {
        const MacroManagerClick::Plan plan = MacroManagerClick::For(c.target);
        EXPECT_EQ(plan.StopsRecording, c.stops) << static_cast<int>(c.target);
        EXPECT_EQ(plan.SavesFirst, c.saves) << static_cast<int>(c.target);
        EXPECT_EQ(plan.Do, c.action) << static_cast<int>(c.target);
    }
}

} // namespace
} // namespace corvalith
