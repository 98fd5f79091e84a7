#include "macro/MacroList.h"

#include "assign/MacroCaptionName.h"
#include "macro/LBEditorRules.h"
#include "macro/MacroItem.h"
#include "platform/TextNumber.h"

#include <algorithm>

namespace corvalith {

namespace {

constexpr std::string_view kClickSuffix = " Click";

std::string_view ButtonClickText(MacroList::MouseButton button) {
    switch (button) {
    case MacroList::MouseButton::Left:
        return "L-Button Click";
    case MacroList::MouseButton::Middle:
        return "M-Button Click";
    case MacroList::MouseButton::Right:
        return "R-Button Click";
    }
    return "L-Button Click";
}

bool IsIndex(const std::vector<std::string>& items, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < items.size();
}

} // namespace

std::optional<std::string> MacroList::NewName(const std::vector<std::string>& names, std::string_view base) {
    if (names.size() >= kMaxMacros) {
        return std::nullopt;
    }
    long long number = static_cast<long long>(names.size()) + 1;
    if (!names.empty()) {
        const std::string& last = names.back();
        const std::size_t underscore = last.find('_');
        if (underscore != std::string::npos) {
            number = TextNumber::ParseLeading(std::string_view(last).substr(underscore + 1)) + 1;
        }
    }
    const auto taken = [&](const std::string& name) {
        return std::any_of(names.begin(), names.end(),
                           [&](const std::string& other) { return LBEditorRules::SameName(other, name); });
    };
    std::string name = std::string(base) + "_" + std::to_string(number);
    while (taken(name)) {
        name = std::string(base) + "_" + std::to_string(++number);
    }
    return name;
}

bool MacroList::MayDelete(std::string_view name, const std::vector<std::string>& buttonLabels) {
    return std::none_of(buttonLabels.begin(), buttonLabels.end(), [&](const std::string& label) {
        return LBEditorRules::SameName(MacroCaptionName::Of(label), name);
    });
}

std::optional<long> MacroList::LoopCount(std::string_view text) {
    const long long value = TextNumber::Parse(text).value_or(0);
    if (value < 1 || value > kMaxLoopCount) {
        return std::nullopt;
    }
    return static_cast<long>(value);
}

MacroList::Events MacroList::DeleteEvent(std::vector<std::string> items, int selection) {
    if (!IsIndex(items, selection)) {
        return {std::move(items), selection, false};
    }
    items.erase(items.begin() + selection);
    return {std::move(items), -1, true};
}

MacroList::Events MacroList::InsertButton(std::vector<std::string> items, int selection, MouseButton button) {
    const std::string_view click = ButtonClickText(button);
    const std::string name(click.substr(0, click.size() - kClickSuffix.size()));
    const std::string down = MacroItem::KeyDown(name);
    const std::string up = MacroItem::KeyUp(name);
    if (IsIndex(items, selection)) {
        const bool afterDelay =
            MacroItem::Classify(items[static_cast<std::size_t>(selection)]) == MacroItem::Kind::Delay;
        items.insert(items.begin() + selection + 1, {down, up});
        return {std::move(items), afterDelay ? selection + 1 : selection + 2, true};
    }
    if (items.empty()) {
        return {{down, up}, -1, true};
    }
    return {std::move(items), selection, false};
}

MacroList::Events MacroList::InsertDelay(std::vector<std::string> items, int selection) {
    if (!IsIndex(items, selection) || selection == 0 ||
        MacroItem::ContainsMs(items[static_cast<std::size_t>(selection) - 1]) ||
        MacroItem::ContainsMs(items[static_cast<std::size_t>(selection)])) {
        return {std::move(items), selection, false};
    }
    items.insert(items.begin() + selection, MacroItem::Delay(50));
    return {std::move(items), selection + 1, true};
}

bool MacroList::Loops(std::string_view loopCountText) {
    const std::optional<long> loops = LoopCount(loopCountText);
    return loops && *loops > 1;
}

bool MacroList::DelayRecording(int stored, bool current) {
    return stored == 1 ? true : stored == 0 ? false : current;
}

int MacroList::SelectionAfterDelete(int deleted, int count) {
    return deleted < count ? deleted : count - 1;
}

std::vector<std::string> MacroList::RenamedLabels(std::vector<std::string> labels, std::string_view from,
                                                  std::string_view to) {
    for (std::string& label : labels) {
        if (LBEditorRules::SameName(MacroCaptionName::Of(label), from)) {
            label = MacroCaptionName::Replaced(label, to);
        }
    }
    return labels;
}

} // namespace corvalith
