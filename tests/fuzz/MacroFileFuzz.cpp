// libFuzzer target: any bytes as record.ini. Reading the list and the macros, building both macro block
// tables and saving a macro must never crash, and the encoding must stay inside each 130-byte block.
#include "macro/MacroFile.h"
#include "macro/MacroTableBuilder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

class OneFolder : public corvalith::IFileSystem {
public:
    bool FileExists(const std::string& path) const override { return files.contains(path); }
    std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path,
                                                      std::size_t maxBytes) const override {
        const auto found = files.find(path);
        if (found == files.end()) {
            return std::nullopt;
        }
        const std::size_t count = std::min(maxBytes, found->second.size());
        return std::vector<std::uint8_t>(found->second.begin(),
                                         found->second.begin() + static_cast<long>(count));
    }
    int WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) override {
        files[path].assign(bytes.begin(), bytes.end());
        return 0;
    }
    int CreateDirectories(const std::string&) override { return 0; }
    int RemoveFile(const std::string& path) override {
        files.erase(path);
        return 0;
    }

    std::map<std::string, std::vector<std::uint8_t>> files;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvalith;
    const std::string path = "/d/record.ini";
    OneFolder folder;
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
