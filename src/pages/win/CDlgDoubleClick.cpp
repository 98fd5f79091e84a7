#include "pages/win/CDlgDoubleClick.h"

#include "pages/PointerGauge.h"

namespace corvalith {

void CDlgDoubleClick::OnRingClick(double angle) {
    context_.Debug.Write(PointerGauge::DebugLine(angle));
}

} // namespace corvalith
