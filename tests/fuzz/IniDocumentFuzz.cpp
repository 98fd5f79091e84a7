// libFuzzer target: any bytes as a text file of the data folder. Parsing, reading, editing and writing
// back must never crash, and a value written must read back.
#include "ini/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using corvalith::ini::IniDocument;
    IniDocument document = IniDocument::Parse(std::span<const std::uint8_t>(data, size));
    (void)document.GetString("Profile", "ItemCount");
    (void)document.HasSection("Setting-EN");
    document.SetString("Setting-CHS", "Item1", "\xE9\xBC\xA0\xE6\xA0\x87"); // a Chinese caption
    document.DeleteKey("Profile", "IsDefault");
    const std::vector<std::uint8_t> written = document.Serialize();
    const IniDocument reread = IniDocument::Parse(written);
    if (reread.GetString("Setting-CHS", "Item1") != "\xE9\xBC\xA0\xE6\xA0\x87") {
        std::abort();
    }
    return 0;
}
