#pragma once

#include "macro/IMacroManagerView.h"
#include "macro/win/MacroListBox.h"

#include <windows.h>

#include <string>
#include <vector>

namespace corvalith {

class CBitmapBtn;

// The macro manager's controls as its session sees them: the two list boxes, the loop-count box and the
// record button, whose caption follows the recording in the manager's language. The controls belong to
// the dialog; before they exist every list is empty and the loop-count box's text too.
class MacroManagerView : public IMacroManagerView {
public:
    explicit MacroManagerView(CBitmapBtn& record) : record_(record) {}

    // At each opening, once the controls exist (nullptr before); the record button shows `languageCode`.
    void Attach(HWND dialog, HWND macroList, HWND eventList, HWND loopCount, std::string languageCode);
    HWND MacroList() const { return names_.Hwnd(); }
    HWND EventList() const { return events_.Hwnd(); }
    HWND LoopCountBox() const { return loopCount_; }
    int EventSelection() const override { return events_.Selection(); }
    std::string EventText(int index) const { return events_.Text(index); }

    std::vector<std::string> Names() const override { return names_.Items(); }
    std::string Name(int index) const override { return names_.Text(index); }
    int NameSelection() const override { return names_.Selection(); }
    void SelectName(int index) override { names_.Select(index); }
    int AddName(const std::string& name) override { return names_.Add(name); }
    void RemoveName(int index) override { names_.Remove(index); }
    void FillNames(const std::vector<std::string>& names) override { names_.Fill(names); }
    int FindName(const std::string& name) const override { return names_.Find(name); }
    std::vector<std::string> Events() const override { return events_.Items(); }
    void ShowEvents(const std::vector<std::string>& items, int selection) override {
        events_.Show(items, selection);
    }
    std::string LoopText() const override;
    void SetLoopText(const std::string& text) override;
    void EnableLoopCount(bool on) override;
    void ShowRecordState(bool recording) override;
    void Repaint() override;

private:
    CBitmapBtn& record_;
    HWND dialog_ = nullptr;
    MacroListBox names_;
    MacroListBox events_;
    HWND loopCount_ = nullptr;
    std::string code_;
};

} // namespace corvalith
