#pragma once

#include "framework/CWnd.h"

namespace corvalith {

// The plain child window ("LIMIT") inside a skinned scroll frame that holds the framed window and cuts
// its native scroll bars away. The framed window now has this window as its parent, so the
// notifications it sends its parent (commands, control colours, owner drawing) are passed on to the
// window that was its parent before, which keeps handling them as if nothing had changed.
class CScrollClipWnd : public CWnd {
public:
    void ForwardTo(HWND parent) { forwardTo_ = parent; }
    HWND ForwardedTo() const { return forwardTo_; }

    // Whether a message is one a child sends to its parent, and so goes on to the earlier parent.
    static bool IsParentNotification(UINT message);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND forwardTo_ = nullptr;
};

} // namespace corvalith
