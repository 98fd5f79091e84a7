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
        object_ = CAccessibleItems::Create(window, items_);
        if (object_ == nullptr) {
            return std::nullopt;
        }
    }
    return OleAccLibrary::Get().LresultFromObject(__uuidof(IAccessible), flags, object_);
}

void AccessibleWindow::Disconnect() {
    if (object_ != nullptr) {
        object_->Disconnect();
        object_->Release();
        object_ = nullptr;
    }
}

} // namespace corvalith
