#include "controls/win/CLBEditorWnd.h"

#include "platform/win/WideString.h"

#include <string>
#include <utility>
#include <vector>

namespace corvalith {

namespace {

std::wstring ItemText(HWND list, int index) {
    const LRESULT length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length < 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR || copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return text;
}

} // namespace

bool CLBEditorWnd::Open(int index, bool digitsOnly) {
    const LRESULT count = list_ != nullptr ? ::SendMessageW(list_, LB_GETCOUNT, 0, 0) : 0;
    RECT rect{};
    if (index < 0 || index >= count ||
        ::SendMessageW(list_, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) ==
            LB_ERR) {
        delete this;
        return false;
    }
    index_ = index;
    ::InflateRect(&rect, 1, 1);
    // Long names scroll inside the box rather than stopping at its right edge.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_WANTRETURN | ES_AUTOHSCROLL;
    if (digitsOnly) {
        style |= ES_NUMBER;
    }
    if (!CreateEx(0, L"EDIT", ItemText(list_, index), style, rect, list_, kEditorId)) {
        delete this;
        return false;
    }
    // The list's font is already at the list's scale.
    SendMessage(WM_SETFONT, static_cast<WPARAM>(::SendMessageW(list_, WM_GETFONT, 0, 0)), FALSE);
    SetCapture();
    ::SetFocus(hwnd_);
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    return true;
}

void CLBEditorWnd::End(bool commit) {
    if (ending_ || hwnd_ == nullptr) {
        return;
    }
    ending_ = true;
    if (HasCapture()) {
        ::ReleaseCapture();
    }
    if (commit) {
        Commit();
    }
    const HWND editor = hwnd_;
    // A pending paint is not a queued message: it would come back from every peek until the window is valid.
    ::ValidateRect(editor, nullptr);
    MSG queued{};
    while (::PeekMessageW(&queued, editor, 0, 0, PM_REMOVE)) {
        if (queued.message == WM_PAINT) {
            ::ValidateRect(editor, nullptr);
            continue;
        }
        if (queued.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(queued.wParam));
            break;
        }
    }
    ::PostMessageW(list_, kEndOfEditMessage, static_cast<WPARAM>(kEditorId), static_cast<LPARAM>(index_));
    if (::GetFocus() == editor) {
        ::SetFocus(list_); // the keyboard stays with the list rather than with no window at all
    }
    ::DestroyWindow(editor); // deletes this object
}

void CLBEditorWnd::Commit() {
    const LRESULT count = ::SendMessageW(list_, LB_GETCOUNT, 0, 0);
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) {
        items.push_back(WideString::ToUtf8(ItemText(list_, i)));
    }
    const auto text =
        rule_ ? rule_(items, static_cast<std::size_t>(index_), WideString::ToUtf8(GetWindowText()))
              : std::nullopt;
    if (text && index_ < count) {
        ::SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(index_), 0);
        ::SendMessageW(list_, LB_INSERTSTRING, static_cast<WPARAM>(index_),
                       reinterpret_cast<LPARAM>(WideString::FromUtf8(*text).c_str()));
    }
    ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index_), 0);
}

bool CLBEditorWnd::EndOnKey(WPARAM key) {
    switch (key) {
    case VK_RETURN:
    case VK_TAB:
        End(true);
        return true;
    case VK_ESCAPE:
        End(false);
        return true;
    default:
        return false;
    }
}

BOOL CLBEditorWnd::PreTranslateMessage(MSG* msg) {
    // Taken before the dialog around the list sees them, which would drop Enter and Escape.
    if (msg->hwnd == hwnd_ && msg->message == WM_KEYDOWN && EndOnKey(msg->wParam)) {
        return TRUE;
    }
    return CEdit::PreTranslateMessage(msg);
}

LRESULT CLBEditorWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return Default() | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (EndOnKey(wParam)) {
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L'\r' || wParam == L'\t' || wParam == 0x1B) {
            return 0; // the key down has ended the edit
        }
        break;
    case WM_KILLFOCUS: {
        const LRESULT result = Default();
        End(true);
        return result;
    }
    case WM_LBUTTONDOWN: {
        const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const RECT client = GetClientRect();
        if (HasCapture() && !::PtInRect(&client, point)) {
            End(true);
            return 0;
        }
        break;
    }
    case WM_LBUTTONUP: {
        // The edit control releases the mouse after a click inside it; take it back so that the next click
        // outside still ends the edit.
        const LRESULT result = Default();
        if (!ending_ && ::GetCapture() == nullptr) {
            SetCapture();
        }
        return result;
    }
    default:
        break;
    }
    return CEdit::WindowProc(message, wParam, lParam);
}

} // namespace corvalith
