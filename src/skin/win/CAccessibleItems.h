#pragma once

#include "skin/AccessibleItem.h"

#include "platform/DisplayScale.h"

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <vector>

namespace corvalith {

// The accessible object of a window that draws its own controls: it answers a screen reader's questions
// about the window's items (AccessibleItem, listed by the window in reading order) as simple children
// with the ids 1 to n, and passes every question about the window itself, and about its child windows,
// which follow the items as children n+1 onwards, to the system's own object of the window. Doing an
// item's default action posts the window the command a click on the item sends. The window's items are
// asked for at each question, so the answers follow the window's state.
class CAccessibleItems final : public IAccessible {
public:
    using ItemSource = std::function<std::vector<AccessibleItem>()>;

    // The object with one reference, or null when the system's accessibility library is missing.
    static CAccessibleItems* Create(HWND window, ItemSource items);
    // The window is going: every later question is answered as one to an object that is gone.
    void Disconnect();

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IDispatch: no type information; screen readers call IAccessible directly.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                        VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;
    // IAccessible
    STDMETHODIMP get_accParent(IDispatch** parent) override;
    STDMETHODIMP get_accChildCount(long* count) override;
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override;
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override;
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override;
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override;
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override;
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override;
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override;
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    STDMETHODIMP get_accFocus(VARIANT* child) override;
    STDMETHODIMP get_accSelection(VARIANT* children) override;
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override;
    STDMETHODIMP accSelect(long flags, VARIANT child) override;
    STDMETHODIMP accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override;
    STDMETHODIMP accHitTest(long x, long y, VARIANT* child) override;
    STDMETHODIMP accDoDefaultAction(VARIANT child) override;
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override;
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override;

private:
    // What a child id names: the window itself, one of its items or one of the system object's children.
    struct Target {
        enum class Kind { Gone, None, Self, Item, Standard } Is = Kind::None;
        AccessibleItem Item;
        int Index = -1;        // Item: its place in the window's list
        long StandardId = 0;   // Standard: the id the system object knows the child by
        std::size_t Count = 0; // the window's items
    };

    CAccessibleItems(HWND window, ItemSource items, IAccessible* standard);
    ~CAccessibleItems();

    Target Resolve(const VARIANT& child) const;
    // Answers a question about a child: the system object answers for the window itself and its child
    // windows (standard, given the child id it knows), item for a drawn item; unknown clears the answer
    // of a child id that names nothing.
    template <typename Standard, typename Item, typename Unknown>
    HRESULT Answer(const VARIANT& child, Standard standard, Item item, Unknown unknown) const;
    // The one place where the items' client coordinates meet the screen's.
    RECT ToScreen(const Rect& area) const;
    POINT ToClient(long x, long y) const;
    // The window's scale.
    DisplayScale Scale() const;
    HRESULT Text(const std::string& text, BSTR* out) const;

    LONG references_ = 1;
    HWND window_;
    ItemSource items_;
    IAccessible* standard_;
};

} // namespace corvalith
