// libFuzzer target: any bytes as record.ini. Reading the list and the macros, building both macro block
// tables and saving a macro must never crash, and the encoding must stay inside each 130-byte block.
#include "FuzzFolder.h"
#include "macro/MacroFile.h"
#include "macro/MacroTableBuilder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvalith;
    const std::string path = "/d/record.ini";
    fuzz::FuzzFolder folder;
    folder.files[path].assign(data, data + size);

    ProfileSettings profile{};
    std::memset(profile.Bytes(), 0xA5, ProfileSettings::kSize);
    MacroTableBuilder(folder).RebuildMacroBlockTable(path, profile);
    for (std::size_t i = 0; i < ProfileSettings::kMacroCount; ++i) {
        if (profile.MacroBlockTable[i][128] != 0xA5 || profile.MacroBlockTable[i][129] != 0xA5) {
            std::abort();
        }
    }
    if (profile.ReservedTail[0] != 0xA5 || profile.ButtonMacroMode[7] != 0xA5) {
        std::abort();
    }
    (void)MacroTableBuilder::HexLines(folder, path, 0x32);

    MacroFile file(folder, path);
    const std::vector<std::string> names = file.ReadList();
    if (!names.empty()) {
        Macro macro = file.ReadMacro(names.front());
        macro.Items.push_back("A   Dn");
        const bool fits = macro.Items.size() <= MacroFile::kMaxItems;
        if (file.WriteMacro(macro) && fits && file.ReadMacro(names.front()).Items.back() != "A   Dn") {
            std::abort();
        }
        file.WriteList(names);
    }
    return 0;
}
