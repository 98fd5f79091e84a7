#include "macro/win/MacroManagerView.h"

#include "controls/win/CBitmapBtn.h"
#include "macro/MacroManagerLayout.h"
#include "platform/win/WideString.h"

namespace corvalith {

void MacroManagerView::Attach(HWND dialog, HWND macroList, HWND eventList, HWND loopCount,
                              std::string languageCode) {
    dialog_ = dialog;
    names_ = MacroListBox(macroList);
    events_ = MacroListBox(eventList);
    loopCount_ = loopCount;
    code_ = std::move(languageCode);
}

std::string MacroManagerView::LoopText() const {
    if (loopCount_ == nullptr) {
        return {};
    }
    const int length = ::GetWindowTextLengthW(loopCount_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(loopCount_, text.data(), length + 1)));
    return WideString::ToUtf8(text);
}

void MacroManagerView::SetLoopText(const std::string& text) {
    ::SetWindowTextW(loopCount_, WideString::FromUtf8(text).c_str());
}

void MacroManagerView::EnableLoopCount(bool on) {
    ::EnableWindow(loopCount_, on ? TRUE : FALSE);
}

void MacroManagerView::ShowRecordState(bool recording) {
    if (record_.Hwnd() == nullptr) {
        return;
    }
    const MacroManagerLayout::Texts texts = MacroManagerLayout::TextsFor(code_);
    record_.SetCaption(WideString::FromUtf8(recording ? texts.RecordRunning : texts.RecordIdle));
    record_.SetChecked(recording);
    record_.RedrawWindow(nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void MacroManagerView::Repaint() {
    ::InvalidateRect(dialog_, nullptr, FALSE);
}

} // namespace corvalith
