#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace corvalith {

// One of the macro manager's list boxes (the macros or the selected macro's events), read and filled in
// UTF-8. Indexes are the control's own (-1 for none); the control belongs to the dialog.
class MacroListBox {
public:
    MacroListBox() = default;
    explicit MacroListBox(HWND list) : list_(list) {}

    HWND Hwnd() const { return list_; }
    int Count() const;
    int Selection() const;
    void Select(int index);
    // The item's text; empty for an index outside the list.
    std::string Text(int index) const;
    std::vector<std::string> Items() const;
    int Add(const std::string& text);
    void Remove(int index);
    // The first item equal to `text` as the list compares (case ignored), or -1.
    int Find(const std::string& text) const;
    // The list holds `items` only.
    void Fill(const std::vector<std::string>& items);
    // The list holds `items` only, `selection` selected, redrawn once.
    void Show(const std::vector<std::string>& items, int selection);

private:
    HWND list_ = nullptr;
};

} // namespace corvalith
