#include "app/MainWindowAccessibility.h"

#include "lang/LanguageCode.h"

namespace corvalith {

namespace {

using Control = MainWindowPlan::Control;
using Role = AccessibleItem::Role;

// The buttons that draw no caption are named as the system names its own caption buttons.
std::string UncaptionedName(Control control, std::string_view code) {
    const Language language = LanguageCode::Parse(code).value_or(Language::English);
    static constexpr std::array<std::array<std::string_view, 3>, 4> kNames = {{
        {"帮助", "最小化", "关闭"}, // simplified Chinese
        {"說明", "最小化", "關閉"}, // traditional Chinese
        {"Help", "Minimize", "Close"},
        {"Hilfe", "Minimieren", "Schließen"},
    }};
    const std::size_t column = control == Control::Help ? 0 : control == Control::Minimize ? 1 : 2;
    return std::string(kNames[static_cast<std::size_t>(language)][column]);
}

} // namespace

std::vector<AccessibleItem> MainWindowAccessibility::Items(const MainWindowModel& model,
                                                           const LanguageTable& texts,
                                                           const Captions& captions, bool profileManagerOpen,
                                                           Commands commands) {
    const MainWindowLayout& layout = model.Layout();
    std::vector<AccessibleItem> items;
    const auto add = [&](Control control) {
        const MainWindowPlan::Button& plan = MainWindowPlan::Buttons()[static_cast<std::size_t>(control)];
        AccessibleItem item;
        item.Name = plan.Caption ? texts.Text(*plan.Caption) : UncaptionedName(control, texts.Code());
        item.Area = plan.Box;
        item.Command = commands.FirstControl + static_cast<unsigned>(control);
        const MainWindowPlan::Click click = MainWindowPlan::ClickOf(control);
        if (click.Does == MainWindowPlan::Action::Toggle) {
            item.Kind = Role::SectionHeader;
            item.Expanded = !layout.IsCollapsed(click.Section);
        }
        if (click.Does == MainWindowPlan::Action::SelectView) {
            item.Pressed = model.CurrentView() == click.Shows;
        }
        if (control >= Control::Header1 && control <= Control::Header4) {
            const int number = static_cast<int>(control) - static_cast<int>(Control::Header1) + 1;
            item.Area = layout.Header(number);
        }
        items.push_back(std::move(item));
    };

    add(Control::Help);
    add(Control::Minimize);
    add(Control::Close);
    if (!profileManagerOpen) {
        add(Control::Header1);
        if (!layout.IsCollapsed(MainWindowLayout::ButtonAssignment)) {
            for (int row = 1; row <= MainWindowLayout::kSlots; ++row) {
                const int slot = MainWindowLayout::SlotOfRow(row);
                const std::size_t index = static_cast<std::size_t>(slot);
                items.push_back({texts.Entry(static_cast<std::size_t>(TextEntry::Button1) +
                                             static_cast<std::size_t>(row - 1)),
                                 Role::DropDown, index < captions.size() ? captions[index] : std::string(),
                                 MainWindowLayout::DropDown(slot),
                                 commands.FirstDropDown + static_cast<unsigned>(slot), false,
                                 model.SelectedSlot() == slot});
            }
        }
        add(Control::Header2);
        add(Control::Header3);
        add(Control::Header4);
    }
    add(Control::TopView);
    add(Control::SideView);
    add(Control::Config);
    add(Control::Reset);
    return items;
}

} // namespace corvalith
