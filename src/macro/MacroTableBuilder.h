#pragma once

#include "macro/MacroFile.h"
#include "platform/IFileSystem.h"
#include "profile/IMacroTableBuilder.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace corvalith {

// Builds the macro block table from record.ini: block i holds the macro at list position i. Blocks of
// positions without a macro keep what they held; a missing file or an empty list leaves the whole table
// as it was.
class MacroTableBuilder : public IMacroTableBuilder {
public:
    using Table = std::span<std::uint8_t, ProfileSettings::kMacroCount * ProfileSettings::kMacroBlockSize>;

    explicit MacroTableBuilder(IFileSystem& files) : files_(files) {}

    // The build that runs whenever a profile is loaded: first event type 0x05.
    void RebuildMacroBlockTable(const std::string& macrosFilePath, ProfileSettings& profile) override;
    void RebindButtons(const std::string& macrosFilePath, ProfileSession& session) override;

    // Re-encodes every listed macro (at most the first twelve) with the given first event type; the macro
    // manager's OK builds its own copy with 0x32.
    static void Build(const MacroFile& file, std::uint8_t firstEventType, Table table);

    // The whole table of a record.ini as the command-line tool prints it: twelve lines, one per block, each
    // byte as two lowercase hex digits separated by single spaces. Blocks start as zeros. nullopt when the
    // file does not exist.
    static std::optional<std::array<std::string, ProfileSettings::kMacroCount>>
    HexLines(IFileSystem& files, const std::string& macrosFilePath, std::uint8_t firstEventType);

    // "0x05" or "0x32" (also "5", "0x5", "50", upper-case hex digits) as a first event type; nullopt for any
    // other text.
    static std::optional<std::uint8_t> ParseFirstEventType(std::string_view text);

private:
    IFileSystem& files_;
};

} // namespace corvalith
