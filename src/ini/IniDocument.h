#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvalith::ini {

enum class TextEncoding {
    Utf16Le, // UTF-16 little endian with the FF FE byte order mark
    Utf8Bom, // UTF-8 with the EF BB BF byte order mark
    Utf8,    // UTF-8 without a byte order mark
    Legacy,  // Windows-1252
};

// A private-profile (INI) file held in memory. Lookups follow the Windows profile functions: section and
// key names match without regard to ASCII case, names and values are trimmed of spaces and tabs, and a
// value wrapped in matching quotes loses them. Edits touch only the lines they concern; every other line
// is written back with exactly the bytes it was read with.
//
// All strings passed in and returned are UTF-8.
class IniDocument {
public:
    IniDocument() = default;

    // Accepts any bytes. An empty input gives an empty UTF-16LE document, the form new files are written in.
    static IniDocument Parse(std::span<const std::uint8_t> bytes);
    // Lines are each terminated by CRLF and written in Encoding(), with its byte order mark if it has one.
    std::vector<std::uint8_t> Serialize() const;

    TextEncoding Encoding() const { return encoding_; }

    // Only the first section with a matching name is consulted; within it the first matching key wins.
    // Returns "" when the section or key is missing.
    std::string GetString(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    bool HasKey(std::string_view section, std::string_view key) const;

    // Writes `key=value`, replacing the key's line if it exists, otherwise after the last non-blank line of
    // the section, otherwise in a new section appended at the end. Line breaks in the arguments are turned
    // into spaces. A Windows-1252 document that is given text outside that code page becomes UTF-16LE.
    void SetString(std::string_view section, std::string_view key, std::string_view value);
    void DeleteKey(std::string_view section, std::string_view key);
    // Removes the first matching section: its header and every line up to the next section header.
    void DeleteSection(std::string_view section);

private:
    struct Line {
        std::string text; // decoded UTF-8, malformed sequences replaced by U+FFFD
        std::string raw;  // bytes as read, in sourceEncoding_, without the line break
        bool fromSource = false;
    };

    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    void LoadLines(std::span<const std::uint8_t> bytes);
    std::size_t FindSection(std::string_view name) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::size_t FindKey(std::size_t header, std::string_view key) const;
    void StoreLine(std::size_t index, std::string text, bool insert);
    void AppendLine(std::vector<std::uint8_t>& out, const Line& line) const;

    std::vector<Line> lines_;
    TextEncoding encoding_ = TextEncoding::Utf16Le;
    TextEncoding sourceEncoding_ = TextEncoding::Utf16Le;
};

} // namespace corvalith::ini
