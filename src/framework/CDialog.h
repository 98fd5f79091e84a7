#pragma once

#include "framework/CWnd.h"
#include "framework/DialogTemplate.h"

namespace corvalith {

// A dialog built from an empty in-memory template, run modally (DoModal: the owner is disabled and the
// framework's own message loop runs, so pre-translation sees every message) or created modeless (a
// page inside a panel, created as a child when the template style says so).
//
// Like every skinned window of the program, a dialog swallows the key messages of Enter, Escape, Space
// and F1 in its pre-translation, so no key closes it; a window that wants one of those keys overrides
// PreTranslateMessage.
class CDialog : public CWnd {
public:
    // templateId names the window (the number its template had); parent owns a modal dialog and is the
    // parent of a modeless one.
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr);

    // Runs the dialog modally and returns the value given to EndDialog.
    INT_PTR DoModal();
    // Creates the dialog modeless, hidden unless the template style has WS_VISIBLE.
    bool Create(CWnd* parent = nullptr);
    // Ends a modal run with result; hides a modeless dialog.
    void EndDialog(int result);

    UINT TemplateId() const { return templateId_; }
    bool IsModal() const { return modal_; }

    BOOL PreTranslateMessage(MSG* msg) override;

    // Enter, Escape, Space or F1 in a key-down, key-up, system-key-down or system-key-up message.
    static bool IsSkinnedWindowKey(const MSG& msg);

protected:
    // The template the window is built from; a derived class adjusts it before creation (style WS_CHILD
    // for a page, a registered class name for the main window).
    DialogTemplate& Template() { return template_; }

    // Runs inside creation, after the window exists; TRUE gives the focus to the first control.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // DoModal shows the window after its initialisation unless this was called during it.
    void StayHiddenAfterInit() { showAfterInit_ = false; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND CreateFromTemplate(HWND parent);

    UINT templateId_;
    CWnd* parent_;
    DialogTemplate template_;
    bool modal_ = false;
    bool showAfterInit_ = true;
    int result_ = 0;
};

} // namespace corvalith
