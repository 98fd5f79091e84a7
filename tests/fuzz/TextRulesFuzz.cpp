// libFuzzer target: any bytes as text the user types or a file holds, read by the text rules: a DPI typed
// into a stage's edit box, a delay typed over a macro event, a loop count (the box's and the one stored in
// record.ini), a key name, and a profile or macro name typed over a list item. The first byte chooses the
// step mode, the stage and the list item; the rest is the text. None may crash, and each result stays in
// its range: a DPI code within its scale (and the DPI shown for a code, typed back, gives that code), a
// delay "<0..65535> ms" that reads back as itself, a loop count of 1 to 65535 that the macro block stores
// unchanged, a key name that names its usage code, a name that can be stored and is no other item's.
#include "assign/KeyTables.h"
#include "macro/LBEditorRules.h"
#include "macro/MacroBlockEncoder.h"
#include "macro/MacroFile.h"
#include "macro/MacroItem.h"
#include "macro/MacroList.h"
#include "pages/DpiPageModel.h"
#include "pages/DpiScale.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace corvalith;

void Check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

void DpiRules(std::uint8_t choice, std::string_view text) {
    for (const DpiScale::StepMode mode : {DpiScale::StepMode::Fine, DpiScale::StepMode::Coarse}) {
        const int code = DpiScale::CodeOfText(mode, text);
        Check(code >= 1 && code <= DpiScale::MaximumCode(mode));
        Check(DpiScale::CodeOfText(mode, DpiScale::DpiText(mode, code)) == code);
    }
    ProfileSettings working = ProfileSettings::FactoryDefaults();
    const ProfileSettings applied = working;
    DpiPageModel page(working, applied);
    page.SetStepMode(choice & 1 ? DpiScale::StepMode::Coarse : DpiScale::StepMode::Fine);
    const int stage = (choice >> 1) % 9 - 1; // -1 to 7: one outside the page on each side
    page.Commit(stage, text);
    for (int s = 0; s < DpiPageModel::kStages; ++s) {
        Check(page.SliderPosition(s) >= 1 && page.SliderPosition(s) <= DpiScale::MaximumCode(page.Mode()));
        (void)page.ValueText(s);
    }
}

void DelayRules(std::string_view text) {
    const std::string delay = LBEditorRules::Delay(text);
    Check(MacroItem::Classify(delay) == MacroItem::Kind::Delay);
    const long long value = MacroItem::DelayValue(delay);
    Check(value >= 0 && value <= LBEditorRules::kMaxDelay);
    Check(delay == std::to_string(value) + " ms");
    Check(LBEditorRules::Delay(delay) == delay);
    (void)MacroItem::Classify(text);
    (void)MacroItem::DelayValue(text);
}

void LoopCountRules(std::string_view text) {
    const std::uint16_t stored = MacroBlockEncoder::LoopCount(text);
    Check(stored >= 1);
    if (const auto typed = MacroList::LoopCount(text)) {
        Check(*typed >= 1 && *typed <= MacroList::kMaxLoopCount && stored == *typed);
    }
}

void KeyNameRules(std::string_view text) {
    const std::uint8_t usage = KeyTables::UsageOfName(text);
    if (usage != 0) {
        Check(KeyTables::NameOfUsage(usage) == text);
        Check(MacroBlockEncoder::UsageOfItemKey(text) == usage);
    }
    const std::string down = MacroItem::KeyDown(text);
    if (MacroItem::Classify(down) == MacroItem::Kind::KeyDown) {
        (void)MacroBlockEncoder::UsageOfItemKey(MacroItem::KeyName(down));
    }
    (void)MacroItem::KeyName(text);
}

void NameRules(std::uint8_t choice, std::string_view text) {
    const std::vector<std::string> items = {"Profile 1", "Macro_2", " Zweites Profil"};
    const std::size_t index = choice % 4; // one past the last item too
    for (const auto kind : {LBEditorRules::Kind::ProfileName, LBEditorRules::Kind::MacroName}) {
        const auto name = LBEditorRules::Apply(kind, items, index, text);
        if (!name) {
            continue;
        }
        Check(!name->empty() && MacroFile::IsStorableName(*name));
        Check(name->front() != ' ' && name->back() != ' ');
        for (std::size_t i = 0; i < items.size(); ++i) {
            Check(i == index || !LBEditorRules::SameName(items[i], *name));
        }
    }
    const auto delay = LBEditorRules::Apply(LBEditorRules::Kind::Delay, items, index, text);
    Check(delay && *delay == LBEditorRules::Delay(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::uint8_t choice = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    DpiRules(choice, text);
    DelayRules(text);
    LoopCountRules(text);
    KeyNameRules(text);
    NameRules(choice, text);
    return 0;
}
