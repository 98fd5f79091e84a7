#include "framework/CDialog.h"

namespace corvalith {

CDialog::CDialog(UINT templateId, CWnd* parent)
    : templateId_(templateId), parent_(parent), template_(WS_POPUP | WS_CLIPCHILDREN, 0) {}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) {
        return FALSE; // everything else reaches the object through the subclassed window procedure
    }
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (dialog == nullptr || !dialog->SubclassWindow(hwnd)) {
        return TRUE;
    }
    const Message saved = dialog->current_;
    dialog->current_ = Message{message, 0, lParam, true};
    const BOOL result = dialog->OnInitDialog();
    dialog->current_ = saved;
    return result;
}

HWND CDialog::CreateFromTemplate(HWND parent) {
    const DLGTEMPLATE* dialogTemplate = template_.Build();
    return ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), dialogTemplate, parent,
                                        &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CDialog::DoModal() {
    if (hwnd_ != nullptr) {
        return -1;
    }
    HWND owner = parent_ != nullptr ? parent_->Hwnd() : ::GetActiveWindow();
    if (owner != nullptr) {
        owner = ::GetAncestor(owner, GA_ROOT);
    }
    const bool disableOwner = owner != nullptr && ::IsWindowEnabled(owner);
    if (disableOwner) {
        ::EnableWindow(owner, FALSE);
    }

    modal_ = true;
    showAfterInit_ = true;
    modalContinue_ = true;
    modalResult_ = -1;
    template_.SetStyle(template_.Style() & ~static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
    const HWND hwnd = CreateFromTemplate(owner);
    if (hwnd != nullptr && modalContinue_) {
        if (showAfterInit_) {
            ::ShowWindow(hwnd, SW_SHOWNORMAL);
        }
        RunModalLoop();
    }
    modalContinue_ = false;

    // The owner comes back first, so that activation returns to it rather than to another program.
    if (disableOwner) {
        ::EnableWindow(owner, TRUE);
    }
    if (hwnd_ != nullptr) {
        if (owner != nullptr && ::GetActiveWindow() == hwnd_) {
            ::SetActiveWindow(owner);
        }
        ::SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    DestroyWindow();
    modal_ = false;
    return hwnd != nullptr ? modalResult_ : -1;
}

bool CDialog::Create(CWnd* parent) {
    if (hwnd_ != nullptr) {
        return false;
    }
    if (parent != nullptr) {
        parent_ = parent;
    }
    modal_ = false;
    return CreateFromTemplate(parent_ != nullptr ? parent_->Hwnd() : nullptr) != nullptr;
}

void CDialog::EndDialog(int result) {
    result_ = result;
    if (modal_) {
        EndModalLoop(result);
    } else if (hwnd_ != nullptr) {
        ShowWindow(SW_HIDE);
    }
}

BOOL CDialog::OnInitDialog() {
    return TRUE;
}

void CDialog::OnOK() {
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Menu and accelerator commands and button clicks of the two standard identifiers.
    const UINT code = HIWORD(wParam);
    if (lParam == 0 || code == BN_CLICKED) {
        switch (LOWORD(wParam)) {
        case IDOK:
            OnOK();
            return TRUE;
        case IDCANCEL:
            OnCancel();
            return TRUE;
        default:
            break;
        }
    }
    return FALSE;
}

bool CDialog::IsSkinnedWindowKey(const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        break;
    default:
        return false;
    }
    switch (msg.wParam) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_SPACE:
    case VK_F1:
        return true;
    default:
        return false;
    }
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (IsSkinnedWindowKey(*msg)) {
        return TRUE;
    }
    // Keyboard navigation between the dialog's controls.
    if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST && hwnd_ != nullptr &&
        ::IsDialogMessageW(hwnd_, msg)) {
        return TRUE;
    }
    return FALSE;
}

} // namespace corvalith
