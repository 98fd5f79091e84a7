#include "skin/win/CAccessibleItems.h"

#include "framework/CWnd.h"

#include "framework/Win32Rect.h"
#include "platform/win/WideString.h"
#include "skin/win/OleAccLibrary.h"

namespace corvalith {

namespace {

VARIANT ChildId(long id) {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

long RoleOf(AccessibleItem::Role role) {
    switch (role) {
    case AccessibleItem::Role::DropDown:
        return ROLE_SYSTEM_COMBOBOX;
    case AccessibleItem::Role::SectionHeader:
        return ROLE_SYSTEM_COLUMNHEADER;
    case AccessibleItem::Role::PushButton:
        break;
    }
    return ROLE_SYSTEM_PUSHBUTTON;
}

} // namespace

CAccessibleItems* CAccessibleItems::Create(HWND window, ItemSource items) {
    const OleAccLibrary& library = OleAccLibrary::Get();
    if (!library.Loaded()) {
        return nullptr;
    }
    IAccessible* standard = nullptr;
    if (FAILED(library.CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void**>(&standard))) ||
        standard == nullptr) {
        return nullptr;
    }
    return new CAccessibleItems(window, std::move(items), standard);
}

CAccessibleItems::CAccessibleItems(HWND window, ItemSource items, IAccessible* standard)
    : window_(window), items_(std::move(items)), standard_(standard) {}

CAccessibleItems::~CAccessibleItems() {
    Disconnect();
}

void CAccessibleItems::Disconnect() {
    if (standard_ != nullptr) {
        standard_->Release();
        standard_ = nullptr;
    }
    items_ = nullptr;
    window_ = nullptr;
}

STDMETHODIMP CAccessibleItems::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CAccessibleItems::AddRef() {
    return static_cast<ULONG>(::InterlockedIncrement(&references_));
}

STDMETHODIMP_(ULONG) CAccessibleItems::Release() {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

STDMETHODIMP CAccessibleItems::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

STDMETHODIMP CAccessibleItems::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

STDMETHODIMP CAccessibleItems::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

STDMETHODIMP CAccessibleItems::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

CAccessibleItems::Target CAccessibleItems::Resolve(const VARIANT& child) const {
    Target target;
    if (standard_ == nullptr) {
        target.Is = Target::Kind::Gone;
        return target;
    }
    if (child.vt != VT_I4 || child.lVal < 0) {
        return target;
    }
    const std::vector<AccessibleItem> items = items_ ? items_() : std::vector<AccessibleItem>{};
    target.Count = items.size();
    const long id = child.lVal;
    if (id == CHILDID_SELF) {
        target.Is = Target::Kind::Self;
    } else if (static_cast<std::size_t>(id) <= items.size()) {
        target.Is = Target::Kind::Item;
        target.Index = static_cast<int>(id - 1);
        target.Item = items[static_cast<std::size_t>(id - 1)];
    } else {
        target.Is = Target::Kind::Standard;
        target.StandardId = id - static_cast<long>(items.size());
    }
    return target;
}

RECT CAccessibleItems::ToScreen(const Rect& area) const {
    // The items are in the window's logical pixels; the screen has the monitor's.
    RECT rect = ToRect(Scale().ToDevice(area));
    ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT CAccessibleItems::ToClient(long x, long y) const {
    POINT point{x, y};
    ::ScreenToClient(window_, &point);
    const DisplayScale scale = Scale();
    return POINT{scale.ToLogical(static_cast<int>(point.x)), scale.ToLogical(static_cast<int>(point.y))};
}

DisplayScale CAccessibleItems::Scale() const {
    const CWnd* window = CWnd::FromHandle(window_);
    return window != nullptr ? window->Scale() : DisplayScale();
}

HRESULT CAccessibleItems::Text(const std::string& text, BSTR* out) const {
    *out = nullptr;
    if (text.empty()) {
        return S_FALSE;
    }
    *out = OleAccLibrary::Get().SysAllocString(WideString::FromUtf8(text).c_str());
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

template <typename Standard, typename Item, typename Unknown>
HRESULT CAccessibleItems::Answer(const VARIANT& child, Standard standard, Item item, Unknown unknown) const {
    const Target target = Resolve(child);
    switch (target.Is) {
    case Target::Kind::Gone:
        return RPC_E_DISCONNECTED;
    case Target::Kind::Self:
        return standard(child);
    case Target::Kind::Standard:
        return standard(ChildId(target.StandardId));
    case Target::Kind::Item:
        return item(target.Item);
    default:
        unknown();
        return E_INVALIDARG;
    }
}

STDMETHODIMP CAccessibleItems::get_accParent(IDispatch** parent) {
    if (standard_ == nullptr) {
        return RPC_E_DISCONNECTED;
    }
    return standard_->get_accParent(parent);
}

STDMETHODIMP CAccessibleItems::get_accChildCount(long* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    const Target self = Resolve(ChildId(CHILDID_SELF));
    if (self.Is == Target::Kind::Gone) {
        return RPC_E_DISCONNECTED;
    }
    long windows = 0;
    if (FAILED(standard_->get_accChildCount(&windows))) {
        windows = 0;
    }
    *count = static_cast<long>(self.Count) + windows;
    return S_OK;
}

STDMETHODIMP CAccessibleItems::get_accChild(VARIANT child, IDispatch** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    const Target target = Resolve(child);
    switch (target.Is) {
    case Target::Kind::Gone:
        return RPC_E_DISCONNECTED;
    case Target::Kind::Item:
        return S_FALSE; // a simple child: the window's object answers for it
    case Target::Kind::Standard:
        return standard_->get_accChild(ChildId(target.StandardId), object);
    default:
        return E_INVALIDARG;
    }
}

STDMETHODIMP CAccessibleItems::get_accName(VARIANT child, BSTR* name) {
    if (name == nullptr) {
        return E_POINTER;
    }
    return Answer(
        child, [&](VARIANT id) { return standard_->get_accName(id, name); },
        [&](const AccessibleItem& item) { return Text(item.Name, name); }, [&] { *name = nullptr; });
}

STDMETHODIMP CAccessibleItems::get_accValue(VARIANT child, BSTR* value) {
    if (value == nullptr) {
        return E_POINTER;
    }
    return Answer(
        child, [&](VARIANT id) { return standard_->get_accValue(id, value); },
        [&](const AccessibleItem& item) { return Text(item.Value, value); }, [&] { *value = nullptr; });
}

STDMETHODIMP CAccessibleItems::get_accDescription(VARIANT child, BSTR* description) {
    if (description == nullptr) {
        return E_POINTER;
    }
    const auto none = [&] { *description = nullptr; };
    return Answer(
        child, [&](VARIANT id) { return standard_->get_accDescription(id, description); },
        [&](const AccessibleItem&) { return none(), S_FALSE; }, none);
}

STDMETHODIMP CAccessibleItems::get_accRole(VARIANT child, VARIANT* role) {
    if (role == nullptr) {
        return E_POINTER;
    }
    return Answer(
        child, [&](VARIANT id) { return standard_->get_accRole(id, role); },
        [&](const AccessibleItem& item) {
            *role = ChildId(RoleOf(item.Kind));
            return S_OK;
        },
        [&] { role->vt = VT_EMPTY; });
}

STDMETHODIMP CAccessibleItems::get_accState(VARIANT child, VARIANT* state) {
    if (state == nullptr) {
        return E_POINTER;
    }
    return Answer(
        child, [&](VARIANT id) { return standard_->get_accState(id, state); },
        [&](const AccessibleItem& item) {
            long flags = 0;
            if (item.Pressed) {
                flags |= STATE_SYSTEM_PRESSED;
            }
            if (item.Expanded) {
                flags |= *item.Expanded ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
            }
            if (item.Kind == AccessibleItem::Role::DropDown) {
                flags |= STATE_SYSTEM_HASPOPUP;
            }
            // The window's own state reaches what it draws: hidden in the tray, or disabled under a dialog.
            if (!::IsWindowVisible(window_)) {
                flags |= STATE_SYSTEM_INVISIBLE;
            }
            if (!::IsWindowEnabled(window_)) {
                flags |= STATE_SYSTEM_UNAVAILABLE;
            }
            *state = ChildId(flags);
            return S_OK;
        },
        [&] { state->vt = VT_EMPTY; });
}

STDMETHODIMP CAccessibleItems::get_accHelp(VARIANT child, BSTR* help) {
    if (help == nullptr) {
        return E_POINTER;
    }
    const auto none = [&] { *help = nullptr; };
    return Answer(
        child, [&](VARIANT id) { return standard_->get_accHelp(id, help); },
        [&](const AccessibleItem&) { return none(), S_FALSE; }, none);
}

STDMETHODIMP CAccessibleItems::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    if (file == nullptr || topic == nullptr) {
        return E_POINTER;
    }
    return Answer(
        child, [&](VARIANT id) { return standard_->get_accHelpTopic(file, id, topic); },
        [&](const AccessibleItem&) {
            *file = nullptr;
            *topic = -1;
            return S_FALSE;
        },
        [&] { *file = nullptr; });
}

STDMETHODIMP CAccessibleItems::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    if (shortcut == nullptr) {
        return E_POINTER;
    }
    const auto none = [&] { *shortcut = nullptr; };
    return Answer(
        child, [&](VARIANT id) { return standard_->get_accKeyboardShortcut(id, shortcut); },
        [&](const AccessibleItem&) { return none(), S_FALSE; }, none);
}

STDMETHODIMP CAccessibleItems::get_accFocus(VARIANT* child) {
    if (standard_ == nullptr) {
        return RPC_E_DISCONNECTED;
    }
    return standard_->get_accFocus(child);
}

STDMETHODIMP CAccessibleItems::get_accSelection(VARIANT* children) {
    if (standard_ == nullptr) {
        return RPC_E_DISCONNECTED;
    }
    return standard_->get_accSelection(children);
}

STDMETHODIMP CAccessibleItems::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (action == nullptr) {
        return E_POINTER;
    }
    const auto none = [&] { *action = nullptr; };
    return Answer(
        child, [&](VARIANT id) { return standard_->get_accDefaultAction(id, action); },
        [&](const AccessibleItem&) { return none(), S_FALSE; }, none);
}

STDMETHODIMP CAccessibleItems::accSelect(long flags, VARIANT child) {
    return Answer(
        child, [&](VARIANT id) { return standard_->accSelect(flags, id); },
        // The drawn controls take no focus or selection.
        [](const AccessibleItem&) { return DISP_E_MEMBERNOTFOUND; }, [] {});
}

STDMETHODIMP CAccessibleItems::accLocation(long* left, long* top, long* width, long* height, VARIANT child) {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
        return E_POINTER;
    }
    return Answer(
        child, [&](VARIANT id) { return standard_->accLocation(left, top, width, height, id); },
        [&](const AccessibleItem& item) {
            const RECT screen = ToScreen(item.Area);
            *left = screen.left;
            *top = screen.top;
            *width = screen.right - screen.left;
            *height = screen.bottom - screen.top;
            return S_OK;
        },
        [] {});
}

STDMETHODIMP CAccessibleItems::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (end == nullptr) {
        return E_POINTER;
    }
    end->vt = VT_EMPTY;
    const Target target = Resolve(start);
    int from = -1;
    AccessibleItem::Step step = AccessibleItem::Step::Next;
    switch (target.Is) {
    case Target::Kind::Gone:
        return RPC_E_DISCONNECTED;
    case Target::Kind::Self:
        if (direction != NAVDIR_FIRSTCHILD && direction != NAVDIR_LASTCHILD) {
            return standard_->accNavigate(direction, start, end); // the window among its siblings
        }
        step = direction == NAVDIR_FIRSTCHILD ? AccessibleItem::Step::First : AccessibleItem::Step::Last;
        break;
    case Target::Kind::Item:
        if (direction != NAVDIR_NEXT && direction != NAVDIR_PREVIOUS) {
            return S_FALSE;
        }
        from = target.Index;
        step = direction == NAVDIR_NEXT ? AccessibleItem::Step::Next : AccessibleItem::Step::Previous;
        break;
    case Target::Kind::Standard:
        return standard_->accNavigate(direction, ChildId(target.StandardId), end);
    default:
        return E_INVALIDARG;
    }
    const int to = AccessibleItem::Navigate(target.Count, from, step);
    if (to < 0) {
        return S_FALSE;
    }
    *end = ChildId(to + 1);
    return S_OK;
}

STDMETHODIMP CAccessibleItems::accHitTest(long x, long y, VARIANT* child) {
    if (child == nullptr) {
        return E_POINTER;
    }
    child->vt = VT_EMPTY;
    if (standard_ == nullptr) {
        return RPC_E_DISCONNECTED;
    }
    const POINT point = ToClient(x, y);
    RECT client{};
    ::GetClientRect(window_, &client);
    client = ToRect(Scale().ToLogical(FromRect(client)));
    const std::vector<AccessibleItem> items = items_ ? items_() : std::vector<AccessibleItem>{};
    if (::PtInRect(&client, point)) {
        const int index =
            AccessibleItem::HitTest(items, static_cast<int>(point.x), static_cast<int>(point.y));
        if (index >= 0) {
            *child = ChildId(index + 1);
            return S_OK;
        }
    }
    // Not over an item: the window itself, one of its child windows or nothing.
    const HRESULT result = standard_->accHitTest(x, y, child);
    if (child->vt == VT_I4 && child->lVal != CHILDID_SELF) {
        child->lVal += static_cast<long>(items.size());
    }
    return result;
}

STDMETHODIMP CAccessibleItems::accDoDefaultAction(VARIANT child) {
    return Answer(
        child, [&](VARIANT id) { return standard_->accDoDefaultAction(id); },
        [&](const AccessibleItem& item) -> HRESULT {
            if (!::IsWindowEnabled(window_)) {
                return DISP_E_MEMBERNOTFOUND; // the mouse cannot click it either
            }
            // Posted, not sent: a click may open a dialog or a menu, and the screen reader waits for no
            // dialog.
            return ::PostMessageW(window_, WM_COMMAND, MAKEWPARAM(item.Command, BN_CLICKED), 0) ? S_OK
                                                                                                : E_FAIL;
        },
        [] {});
}

STDMETHODIMP CAccessibleItems::put_accName(VARIANT, BSTR) {
    return DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP CAccessibleItems::put_accValue(VARIANT, BSTR) {
    return DISP_E_MEMBERNOTFOUND;
}

} // namespace corvalith
