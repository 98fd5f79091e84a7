#include "macro/MacroBlockEncoder.h"

#include "assign/KeyTables.h"
#include "macro/MacroItem.h"
#include "platform/TextNumber.h"

#include <algorithm>
#include <vector>

namespace corvalith {

namespace {

struct Event {
    std::uint8_t Type; // kTypeKeyDown or kTypeKeyUp; event 0 is always a key down
    std::uint8_t Usage;
    std::uint16_t Delay;
};

std::uint16_t DelayBefore(const std::vector<std::string>& items, std::size_t index) {
    if (index == 0 || !MacroItem::ContainsMs(items[index - 1])) {
        return MacroBlockEncoder::kDefaultDelay;
    }
    const long long value = MacroItem::DelayValue(items[index - 1]);
    return static_cast<std::uint16_t>(std::clamp<long long>(value, MacroBlockEncoder::kMinimumDelay, 0xFFFF));
}

// The keys held down after the first `count` events, in the order they were pressed.
std::vector<std::uint8_t> HeldKeys(const std::vector<Event>& events, std::size_t count) {
    std::vector<std::uint8_t> held;
    for (std::size_t i = 0; i < count; ++i) {
        const Event& event = events[i];
        if (event.Usage == 0) {
            continue; // an unknown key presses nothing on the mouse
        }
        const auto found = std::find(held.begin(), held.end(), event.Usage);
        if (event.Type == MacroBlockEncoder::kTypeKeyDown) {
            if (found == held.end()) {
                held.push_back(event.Usage);
            }
        } else if (found != held.end()) {
            held.erase(found);
        }
    }
    return held;
}

// Cuts a macro that has more events than a block holds: keeps the longest start that fits together with a
// key up for every key it leaves pressed, released in the reverse order of pressing.
void FitIntoBlock(std::vector<Event>& events) {
    if (events.size() <= MacroBlockEncoder::kMaxEvents) {
        return;
    }
    std::size_t keep = MacroBlockEncoder::kMaxEvents;
    std::vector<std::uint8_t> held = HeldKeys(events, keep);
    while (keep + held.size() > MacroBlockEncoder::kMaxEvents) {
        --keep;
        held = HeldKeys(events, keep);
    }
    events.resize(keep);
    for (auto key = held.rbegin(); key != held.rend(); ++key) {
        events.push_back({MacroBlockEncoder::kTypeKeyUp, *key, MacroBlockEncoder::kDefaultDelay});
    }
}

} // namespace

std::uint16_t MacroBlockEncoder::LoopCount(std::string_view text) {
    const long long value = TextNumber::ParseLeading(text);
    return value < 1 || value > 0xFFFF ? 1 : static_cast<std::uint16_t>(value);
}

std::uint8_t MacroBlockEncoder::UsageOfItemKey(std::string_view keyName) {
    const std::uint8_t usage = KeyTables::UsageOfName(keyName);
    if (usage != 0) {
        return usage;
    }
    if (keyName == "App") {
        return 101;
    }
    if (keyName == "Left GUI") {
        return 227;
    }
    return 0;
}

void MacroBlockEncoder::Encode(const Macro& macro, std::uint8_t firstEventType,
                               std::span<std::uint8_t, kBlockSize> block) {
    const std::vector<std::string>& items = macro.Items;
    const auto firstDown = std::find_if(items.begin(), items.end(), [](const std::string& item) {
        return MacroItem::Classify(item) == MacroItem::Kind::KeyDown;
    });
    std::fill(block.begin(), block.begin() + kEncodedSize, 0);
    if (firstDown == items.end()) {
        return; // no items, or nothing the mouse could start with
    }

    const std::uint16_t loops = LoopCount(macro.LoopCountText);
    block[0] = static_cast<std::uint8_t>(loops >> 8);
    block[1] = static_cast<std::uint8_t>(loops & 0xFF);

    const auto first = static_cast<std::size_t>(firstDown - items.begin());
    std::vector<Event> events;
    events.push_back({kTypeKeyDown, UsageOfItemKey(MacroItem::KeyName(items[first])), 0});
    for (std::size_t j = first + 1; j < items.size(); ++j) {
        const MacroItem::Kind kind = MacroItem::Classify(items[j]);
        if (kind != MacroItem::Kind::KeyDown && kind != MacroItem::Kind::KeyUp) {
            continue; // a delay belongs to the key item after it
        }
        events.push_back({kind == MacroItem::Kind::KeyDown ? kTypeKeyDown : kTypeKeyUp,
                          UsageOfItemKey(MacroItem::KeyName(items[j])), DelayBefore(items, j)});
    }
    FitIntoBlock(events);

    block[2] = firstEventType;
    block[3] = events[0].Usage;
    for (std::size_t k = 1; k < events.size(); ++k) {
        const std::size_t offset = 4 * k;
        block[offset] = events[k].Type;
        block[offset + 1] = events[k].Usage;
        block[offset + 2] = static_cast<std::uint8_t>(events[k].Delay >> 8);
        block[offset + 3] = static_cast<std::uint8_t>(events[k].Delay & 0xFF);
    }
}

} // namespace corvalith
