#include "controls/win/CLBEditorWnd.h"
#include "macro/LBEditorRules.h"
#include "win/framework/RecordingWindow.h"
#include "win/support/ModalScript.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith {
namespace {

// The rules the macro manager and the profile manager give the editor: names, and delays.
const CLBEditorWnd::Rule kNames = &LBEditorRules::Name;
const CLBEditorWnd::Rule kDelays = [](const std::vector<std::string>&, std::size_t, std::string_view text) {
    return std::optional<std::string>(LBEditorRules::Delay(text));
};

// Dispatches the waiting messages the way the program's loops do, keeping back the end-of-edit messages
// the list box receives.
std::vector<MSG> PumpCollectingEnds(HWND list) {
    std::vector<MSG> ends;
    MSG message{};
    for (int round = 0; round < 3; ++round) {
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.hwnd == list && message.message == CLBEditorWnd::kEndOfEditMessage) {
                ends.push_back(message);
                continue;
            }
            if (!CWnd::PreTranslateTree(&message)) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
        }
        ::Sleep(5);
    }
    return ends;
}

// A top-level window holding a list box and a button to take the focus to.
struct ListWindow {
    explicit ListWindow(const std::vector<std::wstring>& items) : window({}) {
        EXPECT_TRUE(window.CreateTopLevel(RECT{100, 100, 400, 400}));
        list = ::CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, 10, 10, 150, 200,
                                 window, reinterpret_cast<HMENU>(151), ::GetModuleHandleW(nullptr), nullptr);
        other = ::CreateWindowExW(0, L"BUTTON", L"other", WS_CHILD | WS_VISIBLE, 200, 10, 80, 24, window,
                                  reinterpret_cast<HMENU>(152), ::GetModuleHandleW(nullptr), nullptr);
        for (const std::wstring& item : items) {
            ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        ::SetForegroundWindow(window);
        ::SetFocus(list);
    }

    std::wstring Item(int index) const {
        wchar_t text[256] = {};
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
        return text;
    }
    int Count() const { return static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0)); }
    int Selection() const { return static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0)); }
    HWND Editor() const { return ::GetDlgItem(list, CLBEditorWnd::kEditorId); }

    test::RecordingWindow window;
    HWND list = nullptr;
    HWND other = nullptr;
};

enum class Trigger { Enter, Tab, Escape, FocusLost, ClickOutside };

void Fire(Trigger trigger, const ListWindow& w) {
    const HWND editor = w.Editor();
    switch (trigger) {
    case Trigger::Enter:
    case Trigger::Tab:
    case Trigger::Escape: {
        const WPARAM key = trigger == Trigger::Enter ? VK_RETURN
                           : trigger == Trigger::Tab ? VK_TAB
                                                     : VK_ESCAPE;
        ::PostMessageW(editor, WM_KEYDOWN, key, 1);
        ::PostMessageW(editor, WM_KEYUP, key, 0xC0000001);
        return;
    }
    case Trigger::FocusLost:
        ::SetFocus(w.other);
        return;
    case Trigger::ClickOutside: {
        // The editor holds the mouse, so the press over another item reaches it, in its own coordinates.
        RECT item{};
        ::SendMessageW(w.list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
        POINT point{item.left + 5, item.top + 3};
        ::MapWindowPoints(w.list, editor, &point, 1);
        ::PostMessageW(editor, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
        return;
    }
    }
}

TEST(LBEditorTest, EveryTriggerEndsTheEditOnceAndTellsTheList) {
    struct Case {
        CLBEditorWnd::Rule rule;
        std::vector<std::wstring> items;
        bool digitsOnly;
        const wchar_t* typed;
        Trigger trigger;
        const wchar_t* result;
    };
    const std::vector<std::wstring> names{L"Macro_1", L"Macro_2", L"Fire"};
    const std::vector<std::wstring> events{L"A   Dn", L"50 ms", L"A   Up"};
    const Case cases[] = {
        {kNames, names, false, L"Jump", Trigger::Enter, L"Jump"},
        {kNames, names, false, L"Jump", Trigger::Tab, L"Jump"},
        {kNames, names, false, L"Jump", Trigger::Escape, L"Macro_2"},
        {kNames, names, false, L"Jump", Trigger::FocusLost, L"Jump"},
        {kNames, names, false, L"Jump", Trigger::ClickOutside, L"Jump"},
        {kNames, names, false, L"macro_1", Trigger::Enter, L"Macro_2"},
        {kNames, names, false, L"FIRE", Trigger::ClickOutside, L"Macro_2"},
        {kNames, names, false, L"", Trigger::Enter, L"Macro_2"},
        {kNames, names, false, L"a]b", Trigger::Enter, L"Macro_2"},
        {kNames, names, false, L"  Sniper ", Trigger::Enter, L"Sniper"},
        {kDelays, events, true, L"70000", Trigger::Enter, L"65535 ms"},
        {kDelays, events, true, L"", Trigger::FocusLost, L"0 ms"},
        {kDelays, events, true, L"120", Trigger::Escape, L"50 ms"},
    };
    for (const Case& c : cases) {
        const std::wstring label =
            std::wstring(c.typed) + L" / " + std::to_wstring(static_cast<int>(c.trigger));
        SCOPED_TRACE(std::string(label.begin(), label.end()));
        ListWindow w(c.items);
        ::SendMessageW(w.list, LB_SETCURSEL, 1, 0); // the double click that opens an editor selects its item
        auto* editor = new CLBEditorWnd(w.list, c.rule);
        ASSERT_TRUE(editor->Open(1, c.digitsOnly));
        const HWND edit = w.Editor();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(::GetFocus(), edit);
        EXPECT_EQ(::GetCapture(), edit);
        EXPECT_EQ((::GetWindowLongW(edit, GWL_STYLE) & ES_NUMBER) != 0, c.digitsOnly);
        DWORD start = 1;
        DWORD end = 0;
        ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, c.items[1].size()) << "the whole text is selected";

        ::SetWindowTextW(edit, c.typed);
        Fire(c.trigger, w);
        const std::vector<MSG> ends = PumpCollectingEnds(w.list);

        EXPECT_FALSE(::IsWindow(edit));
        EXPECT_EQ(::GetCapture(), nullptr);
        ASSERT_EQ(ends.size(), 1u);
        EXPECT_EQ(ends[0].wParam, 1u);
        EXPECT_EQ(ends[0].lParam, 1);
        ASSERT_EQ(w.Count(), 3);
        EXPECT_EQ(w.Item(0), c.items[0]);
        EXPECT_EQ(w.Item(1), c.result);
        EXPECT_EQ(w.Item(2), c.items[2]);
        EXPECT_EQ(w.Selection(), 1);
    }
}

TEST(LBEditorTest, AClickInsideKeepsEditingAndAnIndexOutsideTheListOpensNothing) {
    ListWindow w({L"Macro_1", L"Macro_2"});
    for (int index : {-1, 2}) {
        auto* refused = new CLBEditorWnd(w.list, kNames);
        EXPECT_FALSE(refused->Open(index, false));
        EXPECT_EQ(w.Editor(), nullptr);
    }

    auto* editor = new CLBEditorWnd(w.list, kNames);
    ASSERT_TRUE(editor->Open(0, false));
    const HWND edit = w.Editor();
    test::ClickAt(edit, 3, 3);
    EXPECT_TRUE(PumpCollectingEnds(w.list).empty());
    ASSERT_TRUE(::IsWindow(edit));
    EXPECT_EQ(::GetCapture(), edit) << "the next click outside must still end the edit";

    ::SetWindowTextW(edit, L"Renamed");
    ::InvalidateRect(edit, nullptr, TRUE); // a paint still due when the edit ends
    editor->End(true);
    EXPECT_EQ(PumpCollectingEnds(w.list).size(), 1u);
    EXPECT_EQ(w.Item(0), L"Renamed");
}

} // namespace
} // namespace corvalith
