#include "framework/CWnd.h"

#include "framework/Win32Rect.h"

#include <algorithm>

namespace corvalith {

namespace {

// The window property that carries a window's framework object.
constexpr wchar_t kObjectProperty[] = L"Corvalith.CWnd";
// The framework's own window class.
constexpr wchar_t kWindowClass[] = L"CorvalithWindow";

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

} // namespace

CWnd::~CWnd() {
    ReleaseFonts();
    if (hwnd_ != nullptr) {
        // The derived parts are gone; the window must not reach them while it is destroyed.
        const HWND hwnd = hwnd_;
        Detach();
        ::DestroyWindow(hwnd);
    }
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (hwnd == nullptr) {
        return nullptr;
    }
    return static_cast<CWnd*>(::GetPropW(hwnd, kObjectProperty));
}

bool CWnd::RegisterFrameworkClass() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(instance, kWindowClass, &existing)) {
        return true;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = StandardWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kWindowClass;
    return ::RegisterClassExW(&windowClass) != 0;
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const std::wstring& title, DWORD style,
                    const RECT& rect, HWND parentHwnd, UINT id) {
    if (hwnd_ != nullptr) {
        return false;
    }
    const HMENU menu = (style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    // The rectangle is logical: a child's in its parent's client, a top-level window's size.
    if (const CWnd* container = FromHandle(parentHwnd); container != nullptr) {
        scale_ = container->scale_;
    }
    const RECT place = DevicePlace(rect, (style & WS_CHILD) != 0);
    if (className == nullptr) {
        if (!RegisterFrameworkClass()) {
            return false;
        }
        // Attached when WM_NCCREATE arrives with this object as the creation parameter.
        const HWND hwnd = ::CreateWindowExW(exStyle, kWindowClass, title.c_str(), style, place.left,
                                            place.top, place.right - place.left, place.bottom - place.top,
                                            parentHwnd, menu, ::GetModuleHandleW(nullptr), this);
        return hwnd != nullptr && hwnd_ == hwnd;
    }
    const HWND hwnd = ::CreateWindowExW(exStyle, className, title.c_str(), style, place.left, place.top,
                                        place.right - place.left, place.bottom - place.top, parentHwnd, menu,
                                        ::GetModuleHandleW(nullptr), nullptr);
    if (hwnd == nullptr) {
        return false;
    }
    if (!SubclassWindow(hwnd)) {
        ::DestroyWindow(hwnd);
        return false;
    }
    return true;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (hwnd == nullptr || hwnd_ != nullptr || FromHandle(hwnd) != nullptr) {
        return false;
    }
    const auto previous = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StandardWindowProc)));
    Attach(hwnd, previous);
    return true;
}

HWND CWnd::UnsubclassWindow() {
    const HWND hwnd = hwnd_;
    Detach();
    return hwnd;
}

void CWnd::Attach(HWND hwnd, WNDPROC previous) {
    hwnd_ = hwnd;
    previous_ = previous;
    // A window is shown at the scale of the window it lives in or belongs to.
    const HWND parent = ::GetParent(hwnd);
    const HWND above = parent != nullptr ? parent : ::GetWindow(hwnd, GW_OWNER);
    if (const CWnd* container = FromHandle(above); container != nullptr) {
        scale_ = container->scale_;
    }
    ::SetPropW(hwnd, kObjectProperty, this);
}

void CWnd::Detach() {
    if (hwnd_ == nullptr) {
        return;
    }
    // Another procedure may have been put on top of ours since; then it keeps calling ours, which
    // passes everything on once the object is gone.
    if (previous_ != nullptr &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd_, GWLP_WNDPROC)) == &CWnd::StandardWindowProc) {
        ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    }
    ::RemovePropW(hwnd_, kObjectProperty);
    hwnd_ = nullptr;
}

bool CWnd::DestroyWindow() {
    if (hwnd_ == nullptr) {
        return false;
    }
    return ::DestroyWindow(hwnd_) != FALSE;
}

LRESULT CALLBACK CWnd::StandardWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* window = FromHandle(hwnd);
    if (window == nullptr) {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            window = static_cast<CWnd*>(create->lpCreateParams);
            if (window != nullptr && window->hwnd_ == nullptr) {
                window->Attach(hwnd, nullptr);
            } else {
                window = nullptr;
            }
        }
        if (window == nullptr) {
            // A window whose object was detached while another procedure still calls this one.
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
        }
    }

    const Message saved = window->current_;
    window->current_ = Message{message, wParam, lParam, true};
    ++window->dispatchDepth_;
    const LRESULT result = window->WindowProc(message, wParam, lParam);
    --window->dispatchDepth_;
    if (message == WM_NCDESTROY) {
        window->ReleaseFonts();
        window->Detach();
        window->current_ = Message{};
        // A window destroyed from one of its own handlers is still in use by the frames below this one: the
        // outermost of them finishes the destruction.
        window->destroyPending_ = true;
    } else {
        window->current_ = saved;
    }
    if (window->destroyPending_ && window->dispatchDepth_ == 0) {
        window->destroyPending_ = false;
        window->PostNcDestroy(); // may delete the object
    }
    return result;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (previous_ != nullptr) {
        return ::CallWindowProcW(previous_, hwnd_, message, wParam, lParam);
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (!current_.valid || hwnd_ == nullptr) {
        return 0;
    }
    return DefWindowProc(current_.message, current_.wParam, current_.lParam);
}

bool CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HWND child = nullptr;
    switch (message) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU) {
            child = item->hwndItem;
        }
        break;
    }
    case WM_MEASUREITEM: {
        const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_MENU && item->CtlID != 0) {
            child = ::GetDlgItem(hwnd_, static_cast<int>(item->CtlID));
        }
        break;
    }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
        break;
    default:
        return false;
    }
    if (child == nullptr || child == hwnd_) {
        return false;
    }
    CWnd* control = FromHandle(child);
    return control != nullptr && control->OnChildNotify(message, wParam, lParam, result);
}

bool CWnd::HasFrame() const {
    RECT window{};
    RECT client{};
    if (hwnd_ == nullptr || !::GetWindowRect(hwnd_, &window) || !::GetClientRect(hwnd_, &client)) {
        return true;
    }
    return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

bool CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) {
    return false;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    if (ReflectToChild(message, wParam, lParam, &reflected)) {
        return reflected;
    }
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_NCPAINT:
        // A window whose client fills it has no frame to paint. The default painting would still make a
        // DC of the whole window for each of the many skinned controls at every show.
        if (!HasFrame()) {
            return 0;
        }
        return DefWindowProc(message, wParam, lParam);
    case WM_ERASEBKGND:
        return OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), scale_.ToLogical(LOWORD(lParam)), scale_.ToLogical(HIWORD(lParam)));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(static_cast<UINT>(wParam), LogicalPoint(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(static_cast<UINT>(wParam), LogicalPoint(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(static_cast<UINT>(wParam), LogicalPoint(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(static_cast<UINT>(wParam), LogicalPoint(lParam));
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(static_cast<UINT>(wParam), LogicalPoint(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wParam), LogicalPoint(lParam));
        return 0;
    case WM_MOUSELEAVE:
        OnMouseLeave();
        return 0;
    case WM_MOUSEHOVER:
        OnMouseHover(static_cast<UINT>(wParam), LogicalPoint(lParam));
        return 0;
    case WM_MOUSEWHEEL:
        return OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam), PointOf(lParam));
    case WM_CAPTURECHANGED:
        OnCaptureChanged(reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_SETFOCUS:
        OnSetFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_KEYUP:
        OnKeyUp(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_TIMER:
        OnTimer(static_cast<UINT_PTR>(wParam));
        return 0;
    case WM_HSCROLL:
        OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_VSCROLL:
        OnVScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) {
            return 0;
        }
        return Default();
    case WM_DRAWITEM:
        OnDrawItem(static_cast<int>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        OnMeasureItem(static_cast<int>(wParam), reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORMSGBOX: {
        const HBRUSH brush =
            OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message);
        return brush != nullptr ? reinterpret_cast<LRESULT>(brush) : Default();
    }
    case WM_SETCURSOR:
        return OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_CONTEXTMENU:
        OnContextMenu(reinterpret_cast<HWND>(wParam), PointOf(lParam));
        return 0;
    case WM_SHOWWINDOW:
        OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        return 0;
    case WM_DPICHANGED:
        if (lParam != 0) {
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        }
        return 0;
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

int CWnd::OnCreate(CREATESTRUCTW*) {
    return static_cast<int>(Default());
}
void CWnd::OnDpiChanged(int dpi, const RECT& suggested) {
    SetScale(DisplayScale(dpi));
    ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
}
void CWnd::OnDestroy() {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
BOOL CWnd::OnEraseBkgnd(HDC) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnSize(UINT, int, int) {
    Default();
}
void CWnd::OnLButtonDown(UINT, POINT) {
    Default();
}
void CWnd::OnLButtonUp(UINT, POINT) {
    Default();
}
void CWnd::OnLButtonDblClk(UINT, POINT) {
    Default();
}
void CWnd::OnRButtonDown(UINT, POINT) {
    Default();
}
void CWnd::OnRButtonUp(UINT, POINT) {
    Default();
}
void CWnd::OnMouseMove(UINT, POINT) {
    Default();
}
void CWnd::OnMouseLeave() {
    Default();
}
void CWnd::OnMouseHover(UINT, POINT) {
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, POINT) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnCaptureChanged(HWND) {
    Default();
}
void CWnd::OnSetFocus(HWND) {
    Default();
}
void CWnd::OnKillFocus(HWND) {
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT) {
    Default();
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnHScroll(UINT, UINT, HWND) {
    Default();
}
void CWnd::OnVScroll(UINT, UINT, HWND) {
    Default();
}
BOOL CWnd::OnCommand(WPARAM, LPARAM) {
    return FALSE;
}
void CWnd::OnDrawItem(int, DRAWITEMSTRUCT*) {
    Default();
}
void CWnd::OnMeasureItem(int, MEASUREITEMSTRUCT*) {
    Default();
}
HBRUSH CWnd::OnCtlColor(HDC, HWND, UINT) {
    return nullptr;
}
BOOL CWnd::OnSetCursor(HWND, UINT, UINT) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnContextMenu(HWND, POINT) {
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT) {
    Default();
}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

bool CWnd::PreTranslateTree(MSG* msg) {
    for (HWND hwnd = msg->hwnd; hwnd != nullptr;) {
        if (CWnd* window = FromHandle(hwnd); window != nullptr && window->PreTranslateMessage(msg)) {
            return true;
        }
        if ((::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) == 0) {
            break; // the top-level window was the last to see it
        }
        hwnd = ::GetParent(hwnd);
    }
    return false;
}

int CWnd::RunModalLoop() {
    MSG msg{};
    while (modalContinue_) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) {
            break;
        }
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            modalContinue_ = false;
            break;
        }
        if (!PreTranslateTree(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return modalResult_;
}

void CWnd::EndModalLoop(int result) {
    modalResult_ = result;
    modalContinue_ = false;
    // Wakes the loop should it be waiting for a message.
    ::PostThreadMessageW(::GetCurrentThreadId(), WM_NULL, 0, 0);
}

POINT CWnd::LogicalPoint(LPARAM lParam) const {
    const POINT device = PointOf(lParam);
    return POINT{scale_.ToLogical(device.x), scale_.ToLogical(device.y)};
}

bool CWnd::IsChild() const {
    return (GetStyle() & WS_CHILD) != 0;
}

namespace {

// Gives the windows inside a window the new scale and moves each to its logical place at that scale.
void RescaleChildren(HWND parent, const DisplayScale& before, const DisplayScale& after) {
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        RECT place{};
        ::GetWindowRect(child, &place);
        ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
        const Rect moved = after.ToDevice(before.ToLogical(FromRect(place)));
        ::SetWindowPos(child, nullptr, moved.Left, moved.Top, moved.Width(), moved.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
        if (CWnd* window = CWnd::FromHandle(child); window != nullptr) {
            window->SetScale(after);
        } else {
            RescaleChildren(child, before, after);
        }
    }
}

} // namespace

void CWnd::SetScale(const DisplayScale& scale) {
    const DisplayScale before = scale_;
    scale_ = scale;
    if (hwnd_ != nullptr && before != scale) {
        RescaleChildren(hwnd_, before, scale);
        for (GivenFont& font : fonts_) {
            SendFont(font, true);
        }
    }
}

void CWnd::SendFont(GivenFont& font, bool redraw) {
    HFONT sent = font.Given;
    HFONT scaled = nullptr;
    LOGFONTW description{};
    if (!scale_.IsIdentity() && font.Given != nullptr &&
        ::GetObjectW(font.Given, sizeof description, &description) == sizeof description) {
        description.lfHeight = scale_.ToDevice(description.lfHeight);
        description.lfWidth = scale_.ToDevice(description.lfWidth);
        scaled = ::CreateFontIndirectW(&description);
        if (scaled != nullptr) {
            sent = scaled;
        }
    }
    ::SendMessageW(font.Window, WM_SETFONT, reinterpret_cast<WPARAM>(sent), redraw ? TRUE : FALSE);
    if (font.Scaled != nullptr) {
        ::DeleteObject(font.Scaled);
    }
    font.Scaled = scaled;
}

void CWnd::SetFont(HFONT font, bool redraw) {
    SetChildFont(hwnd_, font, redraw);
}

void CWnd::SetChildFont(HWND child, HFONT font, bool redraw) {
    if (child == nullptr) {
        return;
    }
    auto found =
        std::find_if(fonts_.begin(), fonts_.end(), [child](const GivenFont& f) { return f.Window == child; });
    if (found == fonts_.end()) {
        fonts_.push_back(GivenFont{child, font, nullptr});
        found = fonts_.end() - 1;
    }
    found->Given = font;
    SendFont(*found, redraw);
}

void CWnd::ReleaseFonts() {
    for (const GivenFont& font : fonts_) {
        if (font.Scaled != nullptr) {
            ::DeleteObject(font.Scaled);
        }
    }
    fonts_.clear();
}

RECT CWnd::ToDevice(const RECT& logical) const {
    return ToRect(scale_.ToDevice(FromRect(logical)));
}

RECT CWnd::ToLogical(const RECT& device) const {
    return ToRect(scale_.ToLogical(FromRect(device)));
}

RECT CWnd::DevicePlace(const RECT& logical, bool child) const {
    if (child) {
        return ToDevice(logical);
    }
    return RECT{logical.left, logical.top, logical.left + scale_.ToDevice(logical.right - logical.left),
                logical.top + scale_.ToDevice(logical.bottom - logical.top)};
}

bool CWnd::MoveWindow(int x, int y, int width, int height, bool repaint) {
    const RECT place = DevicePlace(RECT{x, y, x + width, y + height}, IsChild());
    return ::MoveWindow(hwnd_, place.left, place.top, place.right - place.left, place.bottom - place.top,
                        repaint) != FALSE;
}

bool CWnd::MoveWindow(const RECT& rect, bool repaint) {
    return MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

bool CWnd::SetWindowPos(HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    const RECT place = DevicePlace(RECT{x, y, x + cx, y + cy}, IsChild());
    return ::SetWindowPos(hwnd_, insertAfter, place.left, place.top, place.right - place.left,
                          place.bottom - place.top, flags) != FALSE;
}

RECT CWnd::GetClientRect() const {
    RECT rect{};
    ::GetClientRect(hwnd_, &rect);
    return ToLogical(rect);
}

RECT CWnd::GetWindowRect() const {
    RECT rect{};
    ::GetWindowRect(hwnd_, &rect);
    return rect;
}

RECT CWnd::GetRectInParent() const {
    RECT rect = GetWindowRect();
    if (IsChild()) {
        const HWND parent = ::GetParent(hwnd_);
        ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
        rect = ToLogical(rect);
    }
    return rect;
}

void CWnd::InvalidateRect(const RECT& rect, bool erase) {
    const RECT device = ToDevice(rect);
    ::InvalidateRect(hwnd_, &device, erase);
}

void CWnd::ClientToScreen(POINT& point) const {
    point = POINT{scale_.ToDevice(point.x), scale_.ToDevice(point.y)};
    ::ClientToScreen(hwnd_, &point);
}

void CWnd::ScreenToClient(POINT& point) const {
    ::ScreenToClient(hwnd_, &point);
    point = POINT{scale_.ToLogical(point.x), scale_.ToLogical(point.y)};
}

bool CWnd::RedrawWindow(const RECT* rect, UINT flags) {
    return ::RedrawWindow(hwnd_, rect, nullptr, flags) != FALSE;
}

std::wstring CWnd::GetWindowText() const {
    const int length = ::GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

bool CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
    const DWORD style = GetStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) {
        return false;
    }
    ::SetWindowLongPtrW(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (swpFlags != 0) {
        ::SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    }
    return true;
}

bool CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT swpFlags) {
    const DWORD style = GetExStyle();
    const DWORD changed = (style & ~remove) | add;
    if (changed == style) {
        return false;
    }
    ::SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(changed));
    if (swpFlags != 0) {
        ::SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    }
    return true;
}

} // namespace corvalith
