#include "pages/win/CDlgadvance.h"
#include "win/support/AccessibleChildren.h"
#include "win/support/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <vector>

namespace corvalith {
namespace {

using test::ClientObject;
using test::MainWindow;
using test::Pump;
using Child = ClientObject::Child;

TEST(SettingsPanelAccessibility, AScreenReaderFindsTheShownHeadersAndOpensOne) {
    MainWindow main;
    main.window->Restore();
    Pump();
    CDlgadvance& panel = *main.window->Panel().Panel();
    ClientObject object(panel.Hwnd());
    ASSERT_TRUE(object.Valid());
    std::vector<Child> expected = {
        {L"DPI Setting", ROLE_SYSTEM_COLUMNHEADER, L"", STATE_SYSTEM_COLLAPSED},
        {L"Lighting", ROLE_SYSTEM_COLUMNHEADER, L"", STATE_SYSTEM_COLLAPSED},
        {L"Polling Rate", ROLE_SYSTEM_COLUMNHEADER, L"", STATE_SYSTEM_COLLAPSED},
        {L"Mouse Speed", ROLE_SYSTEM_COLUMNHEADER, L"", STATE_SYSTEM_COLLAPSED},
        {L"Double-Click Speed", ROLE_SYSTEM_COLUMNHEADER, L"", STATE_SYSTEM_COLLAPSED},
        {L"Scroll Speed", ROLE_SYSTEM_COLUMNHEADER, L"", STATE_SYSTEM_COLLAPSED},
    };
    EXPECT_EQ(object.ReadFirst(6), expected);

    // The polling rate header's default action opens its section as a click does.
    EXPECT_EQ(object->accDoDefaultAction(ClientObject::Id(3)), S_OK);
    Pump();
    EXPECT_FALSE(panel.Layout().IsCollapsed(AdvancedPanelLayout::PollingRate));
    EXPECT_TRUE(panel.Page(AdvancedPanelLayout::PollingRate).GetStyle() & WS_VISIBLE);
    expected[2].State = STATE_SYSTEM_EXPANDED;
    EXPECT_EQ(object.ReadFirst(6), expected);
}

} // namespace
} // namespace corvalith
