#include "macro/MacroTableBuilder.h"

#include "macro/MacroBlockEncoder.h"
#include "macro/MacroButtonBinding.h"

#include <cstdio>

namespace corvalith {

namespace {

constexpr std::size_t kBlockSize = ProfileSettings::kMacroBlockSize;

} // namespace

void MacroTableBuilder::RebuildMacroBlockTable(const std::string& macrosFilePath, ProfileSettings& profile) {
    const MacroFile file(files_, macrosFilePath);
    Build(file, MacroBlockEncoder::kFirstTypeFromFile, Table(&profile.MacroBlockTable[0][0], Table::extent));
}

void MacroTableBuilder::RebindButtons(const std::string& macrosFilePath, ProfileSession& session) {
    const MacroFile file(files_, macrosFilePath);
    if (file.Exists()) {
        MacroButtonBinding::Rebind(session, file.ReadList());
    }
}

void MacroTableBuilder::Build(const MacroFile& file, std::uint8_t firstEventType, Table table) {
    if (!file.Exists()) {
        return;
    }
    const ini::IniDocument document = file.Load();
    const std::vector<std::string> names = MacroFile::ReadList(document);
    for (std::size_t i = 0; i < names.size() && i < ProfileSettings::kMacroCount; ++i) {
        const Macro macro = MacroFile::ReadMacro(document, names[i]);
        MacroBlockEncoder::Encode(macro, firstEventType, table.subspan(i * kBlockSize).first<kBlockSize>());
    }
}

std::optional<std::array<std::string, ProfileSettings::kMacroCount>>
MacroTableBuilder::HexLines(IFileSystem& files, const std::string& macrosFilePath,
                            std::uint8_t firstEventType) {
    const MacroFile file(files, macrosFilePath);
    if (!file.Exists()) {
        return std::nullopt;
    }
    std::array<std::uint8_t, Table::extent> table{};
    Build(file, firstEventType, table);
    std::array<std::string, ProfileSettings::kMacroCount> lines;
    for (std::size_t block = 0; block < lines.size(); ++block) {
        std::string& line = lines[block];
        for (std::size_t i = 0; i < kBlockSize; ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02x", table[block * kBlockSize + i]);
            if (i > 0) {
                line += ' ';
            }
            line += hex;
        }
    }
    return lines;
}

std::optional<std::uint8_t> MacroTableBuilder::ParseFirstEventType(std::string_view text) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * base + digit;
    }
    if (value != MacroBlockEncoder::kFirstTypeFromFile && value != MacroBlockEncoder::kFirstTypeOnManagerOk) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

} // namespace corvalith
