#pragma once

#include <string>
#include <string_view>

namespace corvalith {

// The two DPI scales of the DPI page. Before the mouse has been found the page edits the fine codes
// (`DpiValuesA`: 50 DPI steps up to 7200, then 100 DPI steps up to 10800, codes 1..180); from then on
// the coarse codes (`DpiValuesB`: code x 100 DPI, codes 1..120), the table the mouse gets.
class DpiScale {
public:
    enum class StepMode { Fine = 0, Coarse = 1 };

    // The slider range is 1..MaximumCode.
    static int MaximumCode(StepMode mode) { return mode == StepMode::Fine ? 180 : 120; }
    // The DPI a code stands for, for any stored byte (code 0 gives 0).
    static int DpiOfCode(StepMode mode, int code);
    // The code of a DPI value, clamped to the scale's ends.
    static int CodeOfDpi(StepMode mode, long long dpi);
    // The number a typed text starts with: its leading decimal digits, 0 without any.
    static long long LeadingNumber(std::string_view text);
    // The code of a typed text.
    static int CodeOfText(StepMode mode, std::string_view text) {
        return CodeOfDpi(mode, LeadingNumber(text));
    }
    static std::string DpiText(StepMode mode, int code) { return std::to_string(DpiOfCode(mode, code)); }
};

} // namespace corvalith
