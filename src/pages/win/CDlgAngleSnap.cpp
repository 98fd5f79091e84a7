#include "pages/win/CDlgAngleSnap.h"

#include "pages/AngleSnapOptions.h"
#include "skin/SkinFileNames.h"

namespace corvalith {

void CDlgAngleSnap::Draw(HDC dc) {
    const bool on = context_.Working.AngleSnapEnabled != 0;
    DrawSkin(dc, SkinFileNames::InSkins(on ? SkinFileNames::kEnable : SkinFileNames::kDisable),
             AngleSnapOptions::kOnToggle.Left, AngleSnapOptions::kOnToggle.Top);
    DrawSkin(dc, SkinFileNames::InSkins(on ? SkinFileNames::kDisable : SkinFileNames::kEnable),
             AngleSnapOptions::kOffToggle.Left, AngleSnapOptions::kOffToggle.Top);
    const LanguageTable& t = context_.Language;
    const int y = AngleSnapOptions::kCaptionY;
    DrawText(dc, t.Text(TextEntry::Off),
             {AngleSnapOptions::kOffCaptionX, y, AngleSnapOptions::kOffCaptionX + 80, y + 20},
             DT_LEFT | DT_TOP | DT_SINGLELINE);
    DrawText(dc, t.Text(TextEntry::On),
             {AngleSnapOptions::kOnCaptionX, y, AngleSnapOptions::kOnCaptionX + 80, y + 20},
             DT_LEFT | DT_TOP | DT_SINGLELINE);
}

void CDlgAngleSnap::OnLButtonDown(UINT, POINT point) {
    if (AngleSnapOptions::Click(context_.Working, point.x, point.y)) {
        Invalidate(false);
    }
}

} // namespace corvalith
