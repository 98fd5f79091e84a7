#include "win/support/AccessibleChildren.h"
#include "win/support/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <oleacc.h>

#include <tuple>
#include <vector>

namespace corvalith {
namespace {

using test::ClientObject;
using test::MainWindow;
using test::Pump;
using Child = ClientObject::Child;

constexpr long kBox = STATE_SYSTEM_COLLAPSED | STATE_SYSTEM_HASPOPUP;

// The events the program tells listening screen readers: event, window, object, child.
std::vector<std::tuple<DWORD, HWND, LONG, LONG>> told;

void CALLBACK Listen(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    told.emplace_back(event, window, object, child);
}

// The window shown with its button rows open, over a profile whose captions are the installation's
// defaults for the seven buttons (slots 3 and 4 show on rows 5 and 4).
TEST(MainWindowAccessibility, AScreenReaderFindsTheDrawnControlsAndTheirAssignments) {
    MainWindow::Setup setup;
    setup.listText = "[Skins]\r\nLan=EN\r\n[Setting-EN]\r\nItem1=Click\r\nItem2=Menu\r\nItem3=\"Scroll \"\r\n"
                     "Item4=Back\r\nItem5=Forward\r\nItem6=DPI +\r\nItem7=DPI -\r\n";
    MainWindow main(setup);
    CMouseConfigurationDlg& window = *main.window;
    window.Restore();
    window.ToggleSection(MainWindowLayout::ButtonAssignment, false);
    Pump();
    ClientObject object(window.Hwnd());
    ASSERT_TRUE(object.Valid());

    const std::vector<Child> expected = {
        {L"Help", ROLE_SYSTEM_PUSHBUTTON, L"", 0},
        {L"Minimize", ROLE_SYSTEM_PUSHBUTTON, L"", 0},
        {L"Close", ROLE_SYSTEM_PUSHBUTTON, L"", 0},
        {L"Button Assignment", ROLE_SYSTEM_COLUMNHEADER, L"", STATE_SYSTEM_EXPANDED},
        {L"Button 1", ROLE_SYSTEM_COMBOBOX, L"Click", kBox},
        {L"Button 2", ROLE_SYSTEM_COMBOBOX, L"Menu", kBox},
        {L"Button 3", ROLE_SYSTEM_COMBOBOX, L"Scroll ", kBox},
        {L"Button 4", ROLE_SYSTEM_COMBOBOX, L"Forward", kBox},
        {L"Button 5", ROLE_SYSTEM_COMBOBOX, L"Back", kBox},
        {L"Button 6", ROLE_SYSTEM_COMBOBOX, L"DPI +", kBox},
        {L"Button 7", ROLE_SYSTEM_COMBOBOX, L"DPI -", kBox},
        {L"Macro Manager", ROLE_SYSTEM_PUSHBUTTON, L"", 0},
        {L"Axis Sensitivity", ROLE_SYSTEM_COLUMNHEADER, L"", STATE_SYSTEM_COLLAPSED},
        {L"Lift off distance", ROLE_SYSTEM_COLUMNHEADER, L"", STATE_SYSTEM_COLLAPSED},
        {L"Top View", ROLE_SYSTEM_PUSHBUTTON, L"", STATE_SYSTEM_PRESSED},
        {L"Side View", ROLE_SYSTEM_PUSHBUTTON, L"", 0},
        {L"Config", ROLE_SYSTEM_PUSHBUTTON, L"", 0},
        {L"Reset", ROLE_SYSTEM_PUSHBUTTON, L"", 0},
    };
    const long items = static_cast<long>(expected.size());
    // The child windows (the sliders, the settings panel's frame) follow the drawn controls.
    const long windows = object.ChildCount() - items;
    EXPECT_GE(windows, 4);
    EXPECT_EQ(object.ReadFirst(items), expected);

    // Where the close button stands on the screen, and the Config button found under a point of it.
    POINT origin{0, 0};
    ::ClientToScreen(window.Hwnd(), &origin);
    long left = 0, top = 0, width = 0, height = 0;
    EXPECT_EQ(object->accLocation(&left, &top, &width, &height, ClientObject::Id(3)), S_OK);
    EXPECT_EQ(std::vector<long>({left, top, width, height}),
              std::vector<long>({origin.x + 979, origin.y + 5, 15, 15}));
    VARIANT hit{};
    EXPECT_EQ(object->accHitTest(origin.x + 30, origin.y + 620, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(hit.lVal, 17);

    // The header's default action closes the section as a click does: the boxes leave the list, and
    // listening screen readers are told.
    const HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_REORDER, nullptr, &Listen,
                                                 ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    told.clear();
    EXPECT_EQ(object->accDoDefaultAction(ClientObject::Id(4)), S_OK);
    Pump();
    ::UnhookWinEvent(hook);
    EXPECT_EQ(told, (std::vector<std::tuple<DWORD, HWND, LONG, LONG>>{
                        {EVENT_OBJECT_REORDER, window.Hwnd(), OBJID_CLIENT, CHILDID_SELF}}));
    EXPECT_TRUE(window.Model().Layout().IsCollapsed(MainWindowLayout::ButtonAssignment));
    EXPECT_FALSE(window.Controls().DropDown(0).IsShown());
    EXPECT_EQ(object.ChildCount(), items - 7 + windows);
    EXPECT_EQ(object.Read(4),
              (Child{L"Button Assignment", ROLE_SYSTEM_COLUMNHEADER, L"", STATE_SYSTEM_COLLAPSED}));
    EXPECT_EQ(object.Read(5).Name, L"Macro Manager");
}

} // namespace
} // namespace corvalith
