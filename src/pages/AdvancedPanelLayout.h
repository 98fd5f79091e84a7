#pragma once

#include "lang/LanguageTable.h"
#include "platform/Rect.h"

#include <array>
#include <string>
#include <string_view>

namespace corvalith {

// The advanced panel's column of eight collapsible sections: where each header and page stands, which
// sections are open, the content height and the scroll range. Sections are numbered 1 to 8 from the
// top. The mouse-pad section (3) takes part only while the pad-section flag is on; its header and the
// angle-snapping header (8) are never shown, but section 8 keeps its place at the end.
class AdvancedPanelLayout {
public:
    enum Section : int {
        Dpi = 1,
        Lighting,
        PadLighting,
        PollingRate,
        MouseSpeed,
        DoubleClick,
        ScrollSpeed,
        AngleSnap,
    };
    static constexpr int kSections = 8;
    static constexpr int kHeaderWidth = 242;
    static constexpr int kHeaderHeight = 20;
    static constexpr int kHeaderTop = 2;
    static constexpr int kGap = 5;
    // Headers 1, 4, 5, 6, 7 and 8.
    static constexpr int kCollapsedContentHeight = 120;
    // Added to the content height per open section besides its page.
    static constexpr int kPageMargin = 10;
    static constexpr int kMinimumScrollRange = 563;
    // Collapse all closes the sections in this order.
    static constexpr std::array<int, kSections> kCollapseOrder{8, 7, 6, 5, 4, 2, 1, 3};

    struct Size {
        int Width = 0;
        int Height = 0;
    };

    // The skin image a section's page takes its size from.
    static std::string PageImage(int section);
    // The caption of a section's header: the DPI setting's entry and those after it, section by section.
    static TextEntry HeaderCaption(int section) {
        return static_cast<TextEntry>(static_cast<std::size_t>(TextEntry::DpiSetting) +
                                      static_cast<std::size_t>(section - 1));
    }

    // pageSizes[k - 1]: the size of section k's page (0 x 0 when its image could not be read).
    // Every section starts collapsed with the pad section on.
    explicit AdvancedPanelLayout(const std::array<Size, kSections>& pageSizes);

    static bool ValidSection(int section) { return section >= 1 && section <= kSections; }
    // Sections 3 and 8 have hidden headers.
    static bool HeaderShown(int section) { return section != PadLighting && section != AngleSnap; }

    // Stores the flag and lays the headers out again.
    void SetPadSection(bool on);
    bool PadSection() const { return padSection_; }
    bool TakesPart(int section) const { return section != PadLighting || padSection_; }

    bool IsCollapsed(int section) const;
    // Opens or closes a section; the content height and range follow and every section below moves.
    // Setting a section to the state it has changes nothing. False for a section out of range.
    bool Toggle(int section, bool collapse);
    // Closes every open section in the collapse order.
    void CollapseAll();

    Rect Header(int section) const;
    // The page's place: directly under its header, at its size.
    Rect Page(int section) const;
    Size PageSize(int section) const;

    int ContentHeight() const { return contentHeight_; }
    int ScrollRange() const;

private:
    static std::size_t Index(int section) { return static_cast<std::size_t>(section - 1); }
    void Cascade();

    std::array<Size, kSections> pageSizes_;
    std::array<Rect, kSections> headers_{};
    std::array<bool, kSections> collapsed_{};
    bool padSection_ = true;
    int contentHeight_ = kCollapsedContentHeight;
};

} // namespace corvalith
