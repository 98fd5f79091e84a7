#pragma once

#include "framework/CWnd.h"

namespace corvalith {

// A scroll bar control. Its scroll information goes through the control's own messages, so a derived
// bar that draws itself can answer them.
class CScrollBar : public CWnd {
public:
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    bool SetScrollInfo(const SCROLLINFO& info, bool redraw = true);
    // mask selects the fields (SIF_ALL by default); false when the bar has none to give.
    bool GetScrollInfo(SCROLLINFO* info, UINT mask = SIF_ALL) const;
    int GetScrollPos() const;
    int SetScrollPos(int position, bool redraw = true);
    void SetScrollRange(int minimum, int maximum, bool redraw = true);
};

} // namespace corvalith
