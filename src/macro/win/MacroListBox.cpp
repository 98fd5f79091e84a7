#include "macro/win/MacroListBox.h"

#include "platform/win/WideString.h"

namespace corvalith {

int MacroListBox::Count() const {
    return static_cast<int>(::SendMessageW(list_, LB_GETCOUNT, 0, 0));
}

int MacroListBox::Selection() const {
    return list_ != nullptr ? static_cast<int>(::SendMessageW(list_, LB_GETCURSEL, 0, 0)) : -1;
}

void MacroListBox::Select(int index) {
    ::SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string MacroListBox::Text(int index) const {
    const LRESULT length = ::SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length < 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        ::SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
    return WideString::ToUtf8(text);
}

std::vector<std::string> MacroListBox::Items() const {
    std::vector<std::string> items;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        items.push_back(Text(i));
    }
    return items;
}

int MacroListBox::Add(const std::string& text) {
    return static_cast<int>(
        ::SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideString::FromUtf8(text).c_str())));
}

void MacroListBox::Remove(int index) {
    ::SendMessageW(list_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

int MacroListBox::Find(const std::string& text) const {
    const LRESULT found = ::SendMessageW(list_, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(WideString::FromUtf8(text).c_str()));
    return found == LB_ERR ? -1 : static_cast<int>(found);
}

void MacroListBox::Fill(const std::vector<std::string>& items) {
    ::SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items) {
        Add(item);
    }
}

void MacroListBox::Show(const std::vector<std::string>& items, int selection) {
    ::SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    Fill(items);
    Select(selection);
    ::SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list_, nullptr, TRUE);
}

} // namespace corvalith
