// libFuzzer target: any bytes as a text file of the data folder, in each encoding the engine reads. The
// first byte chooses how the rest is presented: 0 as it is, 1 after the UTF-16LE byte order mark, 2 after
// the UTF-8 one, 3 as it is with every byte's top bit set (text of the legacy code page). Parsing, reading,
// editing and writing back must never crash; a value written must read back, a value not touched must read
// back as it was, and a file keeps its encoding unless it is legacy text given a Chinese caption (which
// makes it UTF-16LE).
#include "ini/IniDocument.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using corvalith::ini::IniDocument;
    using corvalith::ini::TextEncoding;
    if (size == 0) {
        return 0;
    }
    std::vector<std::uint8_t> file;
    switch (data[0] & 3) {
    case 1:
        file = {0xFF, 0xFE};
        break;
    case 2:
        file = {0xEF, 0xBB, 0xBF};
        break;
    default:
        break;
    }
    for (std::size_t i = 1; i < size; ++i) {
        file.push_back((data[0] & 3) == 3 ? static_cast<std::uint8_t>(data[i] | 0x80) : data[i]);
    }

    IniDocument document = IniDocument::Parse(file);
    const TextEncoding encoding = document.Encoding();
    const std::string count = document.GetString("Profile", "ItemCount");
    const std::string language = document.GetString("Skins", "Lan");
    (void)document.HasSection("Setting-EN");
    document.SetString("Setting-CHS", "Item1", "\xE9\xBC\xA0\xE6\xA0\x87"); // a Chinese caption
    document.DeleteKey("Profile", "IsDefault");
    const std::vector<std::uint8_t> written = document.Serialize();
    const IniDocument reread = IniDocument::Parse(written);
    if (reread.GetString("Setting-CHS", "Item1") != "\xE9\xBC\xA0\xE6\xA0\x87" ||
        reread.GetString("Profile", "ItemCount") != count || reread.GetString("Skins", "Lan") != language) {
        std::abort();
    }
    const TextEncoding expected = encoding == TextEncoding::Legacy ? TextEncoding::Utf16Le : encoding;
    if (document.Encoding() != expected || reread.Encoding() != expected) {
        std::abort();
    }
    return 0;
}
