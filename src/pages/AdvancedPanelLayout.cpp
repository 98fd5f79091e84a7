#include "pages/AdvancedPanelLayout.h"

#include "skin/SkinFileNames.h"

#include <algorithm>

namespace corvalith {

std::string AdvancedPanelLayout::PageImage(int section) {
    static constexpr std::array<std::string_view, kSections> kImages{
        SkinFileNames::kDpiPage,     SkinFileNames::kLightingPage,  SkinFileNames::kPadLightingPage,
        SkinFileNames::kPollingPage, SkinFileNames::kPointerPage,   SkinFileNames::kPointerPage,
        SkinFileNames::kScrollPage,  SkinFileNames::kAngleSnapPage,
    };
    return ValidSection(section) ? SkinFileNames::InSkins(kImages[Index(section)]) : std::string{};
}

AdvancedPanelLayout::AdvancedPanelLayout(const std::array<Size, kSections>& pageSizes)
    : pageSizes_(pageSizes) {
    collapsed_.fill(true);
    Cascade();
}

void AdvancedPanelLayout::SetPadSection(bool on) {
    padSection_ = on;
    Cascade();
}

bool AdvancedPanelLayout::IsCollapsed(int section) const {
    return !ValidSection(section) || collapsed_[Index(section)];
}

bool AdvancedPanelLayout::Toggle(int section, bool collapse) {
    if (!ValidSection(section)) {
        return false;
    }
    if (collapsed_[Index(section)] == collapse) {
        return true;
    }
    collapsed_[Index(section)] = collapse;
    const int step = PageSize(section).Height + kPageMargin;
    contentHeight_ += collapse ? -step : step;
    Cascade();
    return true;
}

void AdvancedPanelLayout::CollapseAll() {
    for (const int section : kCollapseOrder) {
        Toggle(section, true);
    }
}

void AdvancedPanelLayout::Cascade() {
    headers_[0] = {0, kHeaderTop, kHeaderWidth, kHeaderTop + kHeaderHeight};
    int bottom = IsCollapsed(Dpi) ? headers_[0].Bottom : Page(Dpi).Bottom;
    for (int section = Lighting; section <= kSections; ++section) {
        const int top = bottom + kGap;
        headers_[Index(section)] = {0, top, kHeaderWidth, top + kHeaderHeight};
        // A section that takes no part (the pad section while off) moves nothing below it.
        if (TakesPart(section)) {
            bottom = IsCollapsed(section) ? headers_[Index(section)].Bottom : Page(section).Bottom;
        }
    }
}

Rect AdvancedPanelLayout::Header(int section) const {
    return ValidSection(section) ? headers_[Index(section)] : Rect{};
}

Rect AdvancedPanelLayout::Page(int section) const {
    const Rect header = Header(section);
    const Size size = PageSize(section);
    return {header.Left, header.Bottom, header.Left + size.Width, header.Bottom + size.Height};
}

AdvancedPanelLayout::Size AdvancedPanelLayout::PageSize(int section) const {
    return ValidSection(section) ? pageSizes_[Index(section)] : Size{};
}

int AdvancedPanelLayout::ScrollRange() const {
    return std::max(contentHeight_, kMinimumScrollRange);
}

} // namespace corvalith
