#include "framework/CDialog.h"
#include "framework/CEdit.h"
#include "win/framework/RecordingWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvalith {
namespace {

constexpr UINT kFinish = WM_APP + 1;
constexpr UINT kKeyScript = WM_APP + 2;

// An edit box that keeps the key messages it receives.
class KeyRecorder : public CEdit {
public:
    std::vector<std::pair<UINT, WPARAM>> keys;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
            message == WM_SYSKEYUP) {
            keys.emplace_back(message, wParam);
        }
        return CEdit::WindowProc(message, wParam, lParam);
    }
};

// A dialog from an empty template with one edit box. When it starts it posts itself a script: the key
// messages of the test, addressed to the edit box, then a message that ends the run with 42.
class ScriptedDialog : public CDialog {
public:
    struct Key {
        UINT message;
        WPARAM key;
    };

    ScriptedDialog(CWnd* owner, std::vector<Key> keys) : CDialog(999, owner), keys_(std::move(keys)) {}

    KeyRecorder edit;
    bool ownerWasDisabled = false;
    int sizeWidth = 0;

protected:
    BOOL OnInitDialog() override {
        ::SetWindowPos(hwnd_, nullptr, 200, 200, 240, 120, SWP_NOZORDER);
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{10, 10, 200, 32}, this, 1001);
        PostMessage(kKeyScript);
        return TRUE;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kKeyScript) {
            HWND owner = ::GetWindow(hwnd_, GW_OWNER);
            ownerWasDisabled = owner != nullptr && !::IsWindowEnabled(owner);
            sizeWidth = GetWindowRect().right - GetWindowRect().left;
            for (const Key& key : keys_) {
                ::PostMessageW(edit.Hwnd(), key.message, key.key, 1);
            }
            PostMessage(kFinish);
            return 0;
        }
        if (message == kFinish) {
            EndDialog(42);
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }

private:
    std::vector<Key> keys_;
};

TEST(DialogTest, AnEmptyTemplateRunsModallyWithItsOwnerDisabledAndEnds) {
    test::RecordingWindow owner({});
    ASSERT_TRUE(owner.CreateTopLevel(RECT{50, 50, 450, 350}));
    ScriptedDialog dialog(&owner, {});

    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_TRUE(dialog.ownerWasDisabled);
    EXPECT_EQ(dialog.sizeWidth, 240);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(dialog.Hwnd(), nullptr); // the window is gone with the run
    // A second run of the same object works as the first.
    EXPECT_EQ(dialog.DoModal(), 42);
}

TEST(DialogTest, EnterEscapeSpaceAndF1AreSwallowedBeforeAnyControlSeesThem) {
    struct Case {
        ScriptedDialog::Key key;
        bool reachesTheControl;
    };
    const Case cases[] = {
        {{WM_KEYDOWN, VK_RETURN}, false},  {{WM_KEYUP, VK_RETURN}, false},
        {{WM_KEYDOWN, VK_ESCAPE}, false},  {{WM_KEYUP, VK_ESCAPE}, false},
        {{WM_KEYDOWN, VK_SPACE}, false},   {{WM_KEYUP, VK_SPACE}, false},
        {{WM_KEYDOWN, VK_F1}, false},      {{WM_SYSKEYDOWN, VK_F1}, false},
        {{WM_SYSKEYUP, VK_RETURN}, false}, {{WM_SYSKEYDOWN, VK_ESCAPE}, false},
        {{WM_KEYDOWN, 'A'}, true},         {{WM_KEYUP, 'A'}, true},
        {{WM_KEYDOWN, VK_F2}, true},       {{WM_KEYDOWN, VK_BACK}, true},
    };
    std::vector<ScriptedDialog::Key> keys;
    std::vector<std::pair<UINT, WPARAM>> expected;
    for (const Case& c : cases) {
        keys.push_back(c.key);
        if (c.reachesTheControl) {
            expected.emplace_back(c.key.message, c.key.key);
        }
    }
    test::RecordingWindow owner({});
    ASSERT_TRUE(owner.CreateTopLevel(RECT{50, 50, 450, 350}));
    ScriptedDialog dialog(&owner, keys);

    // Escape and Enter would end an ordinary dialog with Cancel or OK; this one ends only by its script.
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(dialog.edit.keys, expected);
}

// A page: a modeless child dialog that notes the messages its pre-translation sees.
class PageDialog : public CDialog {
public:
    explicit PageDialog(CWnd* parent) : CDialog(133, parent) {
        Template().SetStyle(WS_CHILD | WS_CLIPCHILDREN);
    }

    KeyRecorder edit;
    std::vector<HWND> probesSeen;

protected:
    BOOL OnInitDialog() override {
        ::SetWindowPos(hwnd_, nullptr, 10, 20, 242, 232, SWP_NOZORDER);
        edit.Create(WS_CHILD | WS_VISIBLE, RECT{20, 179, 45, 196}, this, 1148);
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == kFinish) {
            probesSeen.push_back(msg->hwnd);
        }
        return CDialog::PreTranslateMessage(msg);
    }
};

TEST(DialogTest, AModelessChildPageSeesWhatIsPostedToItsControlsAndSwallowsTheSameKeys) {
    test::RecordingWindow owner({});
    ASSERT_TRUE(owner.CreateTopLevel(RECT{50, 50, 450, 350}));
    PageDialog page(&owner);
    ASSERT_TRUE(page.Create());
    EXPECT_EQ(page.GetParentHwnd(), owner.Hwnd());
    EXPECT_FALSE(page.IsWindowVisible()); // created hidden; the panel shows a page when its section opens
    EXPECT_EQ(page.GetRectInParent().left, 10);

    ::PostMessageW(page.edit.Hwnd(), kFinish, 0, 0);
    ::PostMessageW(page.Hwnd(), kFinish, 0, 0);
    ::PostMessageW(page.edit.Hwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    ::PostMessageW(page.edit.Hwnd(), WM_KEYDOWN, '7', 1);
    test::PumpMessages();
    EXPECT_EQ(page.probesSeen, (std::vector<HWND>{page.edit.Hwnd(), page.Hwnd()}));
    EXPECT_EQ(page.edit.keys, (std::vector<std::pair<UINT, WPARAM>>{{WM_KEYDOWN, '7'}}));

    page.ShowWindow(SW_SHOW);
    page.EndDialog(IDOK); // a modeless dialog only hides
    EXPECT_FALSE(page.IsWindowVisible());
    EXPECT_NE(page.Hwnd(), nullptr);
}

TEST(DialogTest, KeyFilterNamesExactlyTheFourKeysInTheFourKeyMessages) {
    struct Case {
        UINT message;
        WPARAM key;
        bool swallowed;
    };
    const Case cases[] = {
        {WM_KEYDOWN, VK_RETURN, true}, {WM_KEYUP, VK_ESCAPE, true},        {WM_SYSKEYDOWN, VK_SPACE, true},
        {WM_SYSKEYUP, VK_F1, true},    {WM_CHAR, VK_RETURN, false},        {WM_KEYDOWN, VK_TAB, false},
        {WM_KEYDOWN, VK_F12, false},   {WM_LBUTTONDOWN, VK_RETURN, false}, {WM_KEYDOWN, VK_LWIN, false},
    };
    for (const Case& c : cases) {
        MSG msg{};
        msg.message = c.message;
        msg.wParam = c.key;
        EXPECT_EQ(CDialog::IsSkinnedWindowKey(msg), c.swallowed) << c.message << " " << c.key;
    }
}

} // namespace
} // namespace corvalith
