#pragma once

#include "pages/win/CDlgToolTip.h"

#include <memory>

namespace corvalith {

class LanguageTable;

// The lift-off help of the main window: the tip shows while the pointer rests on the right part of the
// lift-off header and goes when it leaves.
class LiftOffHelpTip {
public:
    // texts and parent must outlive the tip.
    LiftOffHelpTip(const LanguageTable& texts, CWnd& parent) : texts_(texts), parent_(parent) {}

    // The pointer moved to a screen point; header: the lift-off header on the screen.
    void Follow(POINT pointer, const RECT& header);
    void Hide();
    bool Shown() const { return tip_ != nullptr; }

private:
    const LanguageTable& texts_;
    CWnd& parent_;
    std::unique_ptr<CDlgToolTip> tip_;
};

} // namespace corvalith
