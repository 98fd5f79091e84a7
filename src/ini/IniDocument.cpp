#include "ini/IniDocument.h"

#include "platform/TextCodec.h"

namespace corvalith::ini {

namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

char FoldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool NamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i])) {
            return false;
        }
    }
    return true;
}

// A header is any line whose trimmed text starts with '['; its name runs to the first ']' (or the end).
bool ParseHeader(std::string_view line, std::string_view& name) {
    line = Trim(line);
    if (line.empty() || line.front() != '[') {
        return false;
    }
    line.remove_prefix(1);
    name = Trim(line.substr(0, line.find(']')));
    return true;
}

// A key line is a non-comment, non-header line holding '='.
bool ParseKeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
    line = Trim(line);
    if (line.empty() || line.front() == ';' || line.front() == '[') {
        return false;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return false;
    }
    key = Trim(line.substr(0, equals));
    value = Trim(line.substr(equals + 1));
    return true;
}

// Text from callers goes into a single line, so line breaks become spaces; malformed UTF-8 becomes U+FFFD.
std::string CleanText(std::string_view text) {
    std::string clean = TextCodec::Utf16ToUtf8(TextCodec::Utf8ToUtf16(text));
    for (char& c : clean) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return clean;
}

// Calls emit(start, length) for each line; CRLF, LF and a lone CR all end a line. A final line without
// a break still counts, but a break at the very end does not start another line.
template <typename Unit, typename Emit> void SplitLines(const Unit* units, std::size_t count, Emit emit) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (units[i] != Unit('\r') && units[i] != Unit('\n')) {
            continue;
        }
        emit(start, i - start);
        if (units[i] == Unit('\r') && i + 1 < count && units[i + 1] == Unit('\n')) {
            ++i;
        }
        start = i + 1;
    }
    if (start < count) {
        emit(start, count - start);
    }
}

void AppendUtf16Le(std::vector<std::uint8_t>& out, std::u16string_view text) {
    for (const char16_t unit : text) {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
}

void AppendBytes(std::vector<std::uint8_t>& out, std::string_view bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

} // namespace

IniDocument IniDocument::Parse(std::span<const std::uint8_t> bytes) {
    IniDocument document;
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        document.encoding_ = TextEncoding::Utf16Le;
        bytes = bytes.subspan(2);
    } else if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        document.encoding_ = TextEncoding::Utf8Bom;
        bytes = bytes.subspan(3);
    } else if (!bytes.empty()) {
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        document.encoding_ = TextCodec::IsUtf8Text(text) ? TextEncoding::Utf8 : TextEncoding::Legacy;
    }
    document.sourceEncoding_ = document.encoding_;
    document.LoadLines(bytes);
    return document;
}

void IniDocument::LoadLines(std::span<const std::uint8_t> bytes) {
    if (encoding_ == TextEncoding::Utf16Le) {
        std::u16string units(bytes.size() / 2, u'\0'); // an odd trailing byte is dropped
        for (std::size_t i = 0; i < units.size(); ++i) {
            units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
        }
        SplitLines(units.data(), units.size(), [&](std::size_t start, std::size_t length) {
            const auto raw = bytes.subspan(2 * start, 2 * length);
            lines_.push_back({TextCodec::Utf16ToUtf8(std::u16string_view(units).substr(start, length)),
                              std::string(raw.begin(), raw.end()), true});
        });
        return;
    }
    const std::string_view all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    SplitLines(all.data(), all.size(), [&](std::size_t start, std::size_t length) {
        const std::string_view raw = all.substr(start, length);
        std::string text;
        if (encoding_ == TextEncoding::Legacy) {
            text = TextCodec::Cp1252ToUtf8(raw);
        } else if (TextCodec::IsValidUtf8(raw)) {
            text = raw;
        } else {
            text = TextCodec::Utf16ToUtf8(TextCodec::Utf8ToUtf16(raw));
        }
        lines_.push_back({std::move(text), std::string(raw), true});
    });
}

std::vector<std::uint8_t> IniDocument::Serialize() const {
    std::vector<std::uint8_t> out;
    if (encoding_ == TextEncoding::Utf16Le) {
        out = {0xFF, 0xFE};
    } else if (encoding_ == TextEncoding::Utf8Bom) {
        out = {0xEF, 0xBB, 0xBF};
    }
    for (const Line& line : lines_) {
        AppendLine(out, line);
    }
    return out;
}

void IniDocument::AppendLine(std::vector<std::uint8_t>& out, const Line& line) const {
    if (line.fromSource && encoding_ == sourceEncoding_) {
        AppendBytes(out, line.raw);
    } else if (encoding_ == TextEncoding::Utf16Le) {
        AppendUtf16Le(out, TextCodec::Utf8ToUtf16(line.text));
    } else if (encoding_ == TextEncoding::Legacy) {
        // StoreLine switches a Windows-1252 document to UTF-16LE before it can hold text outside the
        // code page, so this conversion always succeeds.
        std::string legacy;
        TextCodec::Utf8ToCp1252(line.text, legacy);
        AppendBytes(out, legacy);
    } else {
        AppendBytes(out, line.text);
    }
    if (encoding_ == TextEncoding::Utf16Le) {
        AppendUtf16Le(out, u"\r\n");
    } else {
        AppendBytes(out, "\r\n");
    }
}

std::size_t IniDocument::FindSection(std::string_view name) const {
    name = Trim(name);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::string_view header;
        if (ParseHeader(lines_[i].text, header) && NamesEqual(header, name)) {
            return i;
        }
    }
    return kNotFound;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    std::string_view ignored;
    while (end < lines_.size() && !ParseHeader(lines_[end].text, ignored)) {
        ++end;
    }
    return end;
}

std::size_t IniDocument::FindKey(std::size_t header, std::string_view key) const {
    key = Trim(key);
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        std::string_view name;
        std::string_view value;
        if (ParseKeyLine(lines_[i].text, name, value) && NamesEqual(name, key)) {
            return i;
        }
    }
    return kNotFound;
}

std::string IniDocument::GetString(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    if (header == kNotFound) {
        return {};
    }
    const std::size_t index = FindKey(header, key);
    if (index == kNotFound) {
        return {};
    }
    std::string_view name;
    std::string_view value;
    ParseKeyLine(lines_[index].text, name, value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

bool IniDocument::HasSection(std::string_view section) const {
    return FindSection(section) != kNotFound;
}

bool IniDocument::HasKey(std::string_view section, std::string_view key) const {
    const std::size_t header = FindSection(section);
    return header != kNotFound && FindKey(header, key) != kNotFound;
}

void IniDocument::StoreLine(std::size_t index, std::string text, bool insert) {
    if (encoding_ == TextEncoding::Legacy) {
        std::string legacy;
        if (!TextCodec::Utf8ToCp1252(text, legacy)) {
            encoding_ = TextEncoding::Utf16Le;
        }
    }
    Line line{std::move(text), {}, false};
    if (insert) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
    } else {
        lines_[index] = std::move(line);
    }
}

void IniDocument::SetString(std::string_view section, std::string_view key, std::string_view value) {
    const std::string sectionName(Trim(CleanText(section)));
    const std::string keyName(Trim(CleanText(key)));
    std::string entry = keyName + "=" + CleanText(value);

    const std::size_t header = FindSection(sectionName);
    if (header == kNotFound) {
        StoreLine(lines_.size(), "[" + sectionName + "]", true);
        StoreLine(lines_.size(), std::move(entry), true);
        return;
    }
    const std::size_t existing = FindKey(header, keyName);
    if (existing != kNotFound) {
        StoreLine(existing, std::move(entry), false);
        return;
    }
    std::size_t position = SectionEnd(header);
    while (position > header + 1 && Trim(lines_[position - 1].text).empty()) {
        --position;
    }
    StoreLine(position, std::move(entry), true);
}

void IniDocument::DeleteKey(std::string_view section, std::string_view key) {
    const std::size_t header = FindSection(section);
    if (header == kNotFound) {
        return;
    }
    const std::size_t index = FindKey(header, key);
    if (index != kNotFound) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

void IniDocument::DeleteSection(std::string_view section) {
    const std::size_t header = FindSection(section);
    if (header != kNotFound) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(header)));
    }
}

} // namespace corvalith::ini
