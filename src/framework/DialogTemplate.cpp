#include "framework/DialogTemplate.h"

#include <cstring>

namespace corvalith {

void DialogTemplate::SetBounds(short x, short y, short cx, short cy) {
    x_ = x;
    y_ = y;
    cx_ = cx;
    cy_ = cy;
}

void DialogTemplate::AppendText(const std::wstring& text) {
    for (wchar_t c : text) {
        words_.push_back(static_cast<WORD>(c));
    }
    words_.push_back(0);
}

const DLGTEMPLATE* DialogTemplate::Build() {
    DLGTEMPLATE header{};
    header.style = style_ & ~static_cast<DWORD>(DS_SETFONT); // there is no font entry
    header.dwExtendedStyle = exStyle_;
    header.cdit = 0;
    header.x = x_;
    header.y = y_;
    header.cx = cx_;
    header.cy = cy_;

    words_.assign(sizeof header / sizeof(WORD), 0);
    std::memcpy(words_.data(), &header, sizeof header);
    words_.push_back(0); // no menu
    if (className_.empty()) {
        words_.push_back(0); // the system's dialog class
    } else {
        AppendText(className_);
    }
    AppendText(title_);

    storage_.assign((words_.size() * sizeof(WORD) + sizeof(DWORD) - 1) / sizeof(DWORD), 0);
    std::memcpy(storage_.data(), words_.data(), words_.size() * sizeof(WORD));
    return reinterpret_cast<const DLGTEMPLATE*>(storage_.data());
}

} // namespace corvalith
