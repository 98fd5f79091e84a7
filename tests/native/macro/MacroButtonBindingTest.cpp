#include "macro/MacroButtonBinding.h"
#include "macro/MacroList.h"
#include "profile/AssignmentKind.h"

#include <gtest/gtest.h>

namespace corvalith {
namespace {

constexpr auto kMacro = static_cast<std::uint8_t>(AssignmentKind::Macro);
constexpr auto kClick = static_cast<std::uint8_t>(AssignmentKind::Click);

// Button 1 plays Fire (block 2), button 3 plays Jump (block 1), button 5 is a click whose caption merely
// looks like a macro's.
ProfileSession Session() {
    ProfileSession session;
    session.Working.ButtonAssignmentKind[1] = kMacro;
    session.Working.ButtonMacroIndex[1] = 2;
    session.Captions[1] = "Macro:Fire";
    session.Working.ButtonAssignmentKind[3] = kMacro;
    session.Working.ButtonMacroIndex[3] = 1;
    session.Captions[3] = "Makro:Jump";
    session.Working.ButtonAssignmentKind[5] = kClick;
    session.Working.ButtonMacroIndex[5] = 0;
    session.Captions[5] = "Left:Fire";
    return session;
}

TEST(MacroButtonBinding, ButtonsFollowTheirMacroByNameWhenTheListChanges) {
    using Names = std::vector<std::string>;
    struct Case {
        const char* what;
        Names names;
        bool changed;
        std::uint8_t fireIndex;
        std::uint8_t jumpIndex;
    };
    const Case cases[] = {
        {"unchanged list", {"Macro_1", "Jump", "Fire"}, false, 2, 1},
        {"the first macro deleted", {"Jump", "Fire"}, true, 1, 0},
        {"names in another case", {"FIRE", "jump"}, true, 0, 1},
        {"Jump gone: its button keeps its block", {"Macro_1", "Fire"}, true, 1, 1},
        {"Fire past the twelfth",
         {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "Jump", "Fire"},
         true,
         2,
         11},
    };
    for (const Case& c : cases) {
        ProfileSession session = Session();
        EXPECT_EQ(MacroButtonBinding::Rebind(session, c.names), c.changed) << c.what;
        EXPECT_EQ(session.Working.ButtonMacroIndex[1], c.fireIndex) << c.what;
        EXPECT_EQ(session.Working.ButtonMacroIndex[3], c.jumpIndex) << c.what;
        EXPECT_EQ(session.Working.ButtonMacroIndex[5], 0) << c.what << ": not a macro button";
    }
}

TEST(MacroButtonBinding, ARenameReachesTheCaptionsOfTheButtonsThatPlayTheMacro) {
    struct Case {
        const char* oldName;
        const char* newName;
        bool changed;
        const char* fireCaption;
        const char* jumpCaption;
    };
    const Case cases[] = {
        {"Fire", "Blast", true, "Macro:Blast", "Makro:Jump"},
        {"fire", "Fire2", true, "Macro:Fire2", "Makro:Jump"},
        {"Jump", "Hop", true, "Macro:Fire", "Makro:Hop"},
        {"Macro_1", "Other", false, "Macro:Fire", "Makro:Jump"},
    };
    for (const Case& c : cases) {
        ProfileSession session = Session();
        EXPECT_EQ(MacroButtonBinding::Rename(session, c.oldName, c.newName), c.changed) << c.oldName;
        EXPECT_EQ(session.Captions[1], c.fireCaption);
        EXPECT_EQ(session.Captions[3], c.jumpCaption);
        EXPECT_EQ(session.Captions[5], "Left:Fire") << "a click keeps its caption";
    }
}

// A name holding ":" is a name of its own: a button that plays "Game:Jump" is neither rebound to "Jump" nor
// lets "Game:Jump" be deleted, and the other way round.
TEST(MacroButtonBinding, AColonInAMacroNameBelongsToTheName) {
    struct Case {
        const char* caption;
        std::uint8_t index; // block index after the rebinding
        bool jumpDeletable;
        bool gameJumpDeletable;
    };
    const Case cases[] = {
        {"Macro:Game:Jump", 1, true, false},
        {"Makro:Jump", 0, false, true},
        {"Macro:Other:Game:Jump", 7, true, true},
    };
    const std::vector<std::string> names = {"Jump", "Game:Jump"};
    for (const Case& c : cases) {
        ProfileSession session;
        session.Working.ButtonAssignmentKind[2] = kMacro;
        session.Working.ButtonMacroIndex[2] = 7;
        session.Captions[2] = c.caption;
        MacroButtonBinding::Rebind(session, names);
        EXPECT_EQ(session.Working.ButtonMacroIndex[2], c.index) << c.caption;
        const std::vector<std::string> labels(session.Captions.begin(), session.Captions.begin() + 7);
        EXPECT_EQ(MacroList::MayDelete("Jump", labels), c.jumpDeletable) << c.caption;
        EXPECT_EQ(MacroList::MayDelete("Game:Jump", labels), c.gameJumpDeletable) << c.caption;
    }
}

} // namespace
} // namespace corvalith
