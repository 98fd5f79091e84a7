#pragma once

#include "skin/win/CAccessibleItems.h"

#include <windows.h>

#include <optional>

namespace corvalith {

// A window's side of its accessible object (CAccessibleItems): made at the first WM_GETOBJECT that asks for
// the window's client, kept for the later ones, and disconnected when the window goes, so that a screen
// reader still holding it gets answers for an object that is gone instead of reaching a dead window.
class AccessibleWindow {
public:
    explicit AccessibleWindow(CAccessibleItems::ItemSource items) : items_(std::move(items)) {}
    ~AccessibleWindow();
    AccessibleWindow(const AccessibleWindow&) = delete;
    AccessibleWindow& operator=(const AccessibleWindow&) = delete;

    // WM_GETOBJECT: the answer for the window's client object; nullopt for every other object, which the
    // window's default handling answers.
    std::optional<LRESULT> OnGetObject(HWND window, WPARAM flags, LPARAM objectId);
    // The window is being destroyed.
    void Disconnect();

    // Tells listening screen readers that an item changed (event: an EVENT_OBJECT_... of the window's
    // client); the item is found by the command a click on it sends. Nothing is told before a screen reader
    // has asked for the window's object.
    void NotifyItem(HWND window, DWORD event, unsigned command) const;
    // The window's list of items changed (a section opened or closed).
    void NotifyReorder(HWND window) const;

private:
    CAccessibleItems::ItemSource items_;
    CAccessibleItems* object_ = nullptr;
};

} // namespace corvalith
