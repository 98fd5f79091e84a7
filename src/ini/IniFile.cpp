#include "ini/IniFile.h"

#include "platform/TextCodec.h"

#include <utility>

namespace corvalith::ini {

IniFile::IniFile(IFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

bool IniFile::Exists() const {
    return files_.FileExists(path_);
}

IniDocument IniFile::Load() const {
    const auto bytes = files_.ReadFile(path_);
    return bytes ? IniDocument::Parse(*bytes) : IniDocument();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key) const {
    return Read(Load(), section, key);
}

std::string IniFile::Read(const IniDocument& document, std::string_view section, std::string_view key) {
    std::string value = document.GetString(section, key);
    if (value.size() > kValueCapacity) {
        std::u16string wide = TextCodec::Utf8ToUtf16(value);
        if (wide.size() > kValueCapacity) {
            std::size_t keep = kValueCapacity;
            // Never split a surrogate pair.
            if (wide[keep - 1] >= 0xD800 && wide[keep - 1] <= 0xDBFF) {
                --keep;
            }
            wide.resize(keep);
            value = TextCodec::Utf16ToUtf8(wide);
        }
    }
    return value;
}

bool IniFile::FitsName(std::string_view name) {
    return name.size() <= kMaxNameUnits || TextCodec::Utf8ToUtf16(name).size() <= kMaxNameUnits;
}

template <typename Change> int IniFile::Rewrite(bool createWhenMissing, Change change) {
    const auto bytes = files_.ReadFile(path_);
    if (!bytes && !createWhenMissing) {
        return 0;
    }
    IniDocument document = bytes ? IniDocument::Parse(*bytes) : IniDocument();
    change(document);
    return Store(document);
}

int IniFile::Store(const IniDocument& document) {
    const std::vector<std::uint8_t> text = document.Serialize();
    return files_.WriteFileAtomically(path_, text);
}

int IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    return Rewrite(true, [&](IniDocument& document) { document.SetString(section, key, value); });
}

int IniFile::DeleteKey(std::string_view section, std::string_view key) {
    return Rewrite(false, [&](IniDocument& document) { document.DeleteKey(section, key); });
}

int IniFile::DeleteSection(std::string_view section) {
    return Rewrite(false, [&](IniDocument& document) { document.DeleteSection(section); });
}

} // namespace corvalith::ini
