#include "app/ForegroundFollower.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

TEST(ForegroundFollower, SwitchesOnceTheSameProgramStaysInFrontForHalfASecond) {
    ProgramRules rules;
    rules.Add("Doom", "C:\\Games\\doom.exe");
    rules.Add("Work", "C:\\Tools\\editor.exe");
    rules.SetFallback("Desk");
    struct Step {
        std::uint32_t at;
        const char* program; // nullptr: the timer fires
        bool ours = false;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        std::optional<std::string> switchTo; // what the last timer decides
        bool dialogOpen = false;
        bool enabled = true;
        const char* active = "Desk";
    };
    const Case cases[] = {
        {"a game stays in front", {{0, "C:\\Games\\doom.exe"}, {500, nullptr}}, "Doom"},
        {"alt-tab through windows, then stay",
         {{0, "C:\\Games\\doom.exe"}, {200, "C:\\Tools\\editor.exe"}, {500, nullptr}, {700, nullptr}},
         "Work"},
        {"too early",
         {{0, "C:\\Games\\doom.exe"}, {200, "C:\\Tools\\editor.exe"}, {500, nullptr}},
         std::nullopt},
        {"another window of the same program",
         {{0, "C:\\Games\\doom.exe"}, {300, "c:\\games\\DOOM.exe"}, {500, nullptr}},
         "Doom"},
        {"a program without a rule returns to the fallback",
         {{0, "C:\\Windows\\explorer.exe"}, {500, nullptr}},
         "Desk",
         false,
         true,
         "Doom"},
        {"the active profile already", {{0, "C:\\Windows\\explorer.exe"}, {500, nullptr}}, std::nullopt},
        {"our own window",
         {{0, "Z:\\Corvalith\\Corvalith.exe", true}, {500, nullptr}},
         std::nullopt,
         false,
         true,
         "Doom"},
        {"one of our dialogs is open", {{0, "C:\\Games\\doom.exe"}, {500, nullptr}}, std::nullopt, true},
        {"switching turned off", {{0, "C:\\Games\\doom.exe"}, {500, nullptr}}, std::nullopt, false, false},
        {"the tick count wraps", {{0xFFFFFF00u, "C:\\Games\\doom.exe"}, {0x100, nullptr}}, "Doom"},
    };
    for (const Case& c : cases) {
        rules.SetEnabled(c.enabled);
        ForegroundFollower follower;
        ForegroundFollower::Decision decision;
        for (const Step& step : c.steps) {
            if (step.program != nullptr) {
                EXPECT_EQ(follower.OnForeground(step.program, step.ours, step.at),
                          ForegroundFollower::kSettleMs);
            } else {
                decision = follower.OnTimer(step.at, rules, c.dialogOpen, c.active);
            }
        }
        EXPECT_EQ(decision.SwitchTo, c.switchTo) << c.name;
    }

    // Asked too early, it names the rest of the half second; a decision is made once.
    ForegroundFollower follower;
    follower.OnForeground("C:\\Games\\doom.exe", false, 1000);
    EXPECT_EQ(follower.OnTimer(1300, rules, false, "Desk").AskAgain, 200u);
    EXPECT_EQ(follower.OnTimer(1500, rules, false, "Desk").SwitchTo, "Doom");
    EXPECT_EQ(follower.OnTimer(1600, rules, false, "Desk").SwitchTo, std::nullopt);
}

} // namespace
} // namespace corvalith
