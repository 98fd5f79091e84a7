#pragma once

#include "ini/IniDocument.h"
#include "platform/IFileSystem.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace corvalith::ini {

// One private-profile text file on disk, used the way the program uses the Windows private-profile
// calls: every call reads the file, and every change rewrites it crash-safely, keeping the lines it
// does not touch and the file's own encoding.
class IniFile {
public:
    // Values are read into buffers of 1024 characters, so at most 1023 UTF-16 units come back.
    static constexpr std::size_t kValueCapacity = 1023;
    // The longest profile or macro name, in UTF-16 units. A name is kept as a value (the profile list, the
    // macro list), as a section name, and after an entry text and ":" in a button's caption ("Makro:" is
    // the longest), so every one of them comes back whole.
    static constexpr std::size_t kMaxNameUnits = 1000;
    static bool FitsName(std::string_view name);

    IniFile(IFileSystem& files, std::string path);

    const std::string& Path() const { return path_; }
    bool Exists() const;

    // The whole file as it is now; an empty document when it is missing.
    IniDocument Load() const;

    // "Item<number>": the keys of the profile list, the captions and a macro's items.
    static std::string ItemKey(std::size_t number) { return "Item" + std::to_string(number); }

    // The trimmed value, "" when the file, the section or the key is missing.
    std::string ReadString(std::string_view section, std::string_view key) const;
    // The same read from a document already loaded, for several keys of one file.
    static std::string Read(const IniDocument& document, std::string_view section, std::string_view key);

    // Writes key=value, creating the file and the section when missing. Returns 0 or the system error.
    int WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Remove one key or a whole section; a missing file is left missing. Return 0 or the system error.
    int DeleteKey(std::string_view section, std::string_view key);
    int DeleteSection(std::string_view section);

    // Replaces the file with a document loaded from it and changed in memory, so that several keys cost
    // one rewrite. Written in the document's own encoding. Returns 0 or the system error.
    int Store(const IniDocument& document);

private:
    template <typename Change> int Rewrite(bool createWhenMissing, Change change);

    IFileSystem& files_;
    std::string path_;
};

} // namespace corvalith::ini
