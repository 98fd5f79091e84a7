#include "pages/win/CGaugePage.h"

#include "pages/PointerGauge.h"

namespace corvalith {

void CGaugePage::Draw(HDC dc) {
    DrawSkin(dc, PointerGauge::Image(Level()), PointerGauge::kImageX, PointerGauge::kImageY);
    const LanguageTable& t = context_.Language;
    DrawText(dc, t.Text(TextEntry::Slow), PointerGauge::kSlowCaption, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    DrawText(dc, t.Text(TextEntry::Fast), PointerGauge::kFastCaption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

void CGaugePage::OnLButtonDown(UINT, POINT point) {
    const auto click = PointerGauge::ClickAt(point.x, point.y, Level());
    if (!click) {
        return; // below the gauge
    }
    if (click->Angle) {
        OnRingClick(*click->Angle);
    }
    Level() = static_cast<std::uint8_t>(click->Level);
    RepaintNow();
    PostChange(change_);
}

} // namespace corvalith
