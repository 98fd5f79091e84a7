#include "skin/win/AccessibleWindow.h"

#include "skin/win/OleAccLibrary.h"

namespace corvalith {

AccessibleWindow::~AccessibleWindow() {
    Disconnect();
}

std::optional<LRESULT> AccessibleWindow::OnGetObject(HWND window, WPARAM flags, LPARAM objectId) {
    // Compared as 32-bit values: a 64-bit lParam may carry the id sign-extended.
    if (static_cast<DWORD>(objectId) != static_cast<DWORD>(OBJID_CLIENT)) {
        return std::nullopt;
    }
    if (object_ == nullptr) {
        // The answer is marshalled to the screen reader's process through COM, which the window's thread
        // then needs; the thread stays a single-threaded apartment for the program's life (nothing else in
        // it asks for another kind).
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        object_ = CAccessibleItems::Create(window, items_);
        if (object_ == nullptr) {
            return std::nullopt;
        }
    }
    return OleAccLibrary::Get().LresultFromObject(__uuidof(IAccessible), flags, object_);
}

void AccessibleWindow::NotifyItem(HWND window, DWORD event, unsigned command) const {
    if (object_ == nullptr) {
        return;
    }
    const std::vector<AccessibleItem> items = items_();
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (items[index].Command == command) {
            ::NotifyWinEvent(event, window, OBJID_CLIENT, static_cast<LONG>(index + 1));
        }
    }
}

void AccessibleWindow::NotifyReorder(HWND window) const {
    if (object_ != nullptr) {
        ::NotifyWinEvent(EVENT_OBJECT_REORDER, window, OBJID_CLIENT, CHILDID_SELF);
    }
}

void AccessibleWindow::Disconnect() {
    if (object_ != nullptr) {
        object_->Disconnect();
        object_->Release();
        object_ = nullptr;
    }
}

} // namespace corvalith
