#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace corvalith {

// An empty dialog template built in memory: no controls, no font, size 0 x 0 unless given. Every
// window of the program starts from one and creates its controls in code.
class DialogTemplate {
public:
    DialogTemplate() = default;
    DialogTemplate(DWORD style, DWORD exStyle) : style_(style), exStyle_(exStyle) {}

    DWORD Style() const { return style_; }
    void SetStyle(DWORD style) { style_ = style; }
    DWORD ExStyle() const { return exStyle_; }
    void SetExStyle(DWORD exStyle) { exStyle_ = exStyle; }
    // A registered window class for the dialog (it needs DLGWINDOWEXTRA bytes and DefDlgProcW); empty
    // for the system's dialog class.
    void SetClassName(std::wstring name) { className_ = std::move(name); }
    void SetTitle(std::wstring title) { title_ = std::move(title); }
    // Position and size in dialog units.
    void SetBounds(short x, short y, short cx, short cy);

    // The template's bytes, DWORD-aligned as the dialog manager needs them.
    const DLGTEMPLATE* Build();

private:
    void AppendText(const std::wstring& text);

    DWORD style_ = WS_POPUP;
    DWORD exStyle_ = 0;
    short x_ = 0;
    short y_ = 0;
    short cx_ = 0;
    short cy_ = 0;
    std::wstring className_;
    std::wstring title_;
    std::vector<DWORD> storage_;
    std::vector<WORD> words_;
};

} // namespace corvalith
