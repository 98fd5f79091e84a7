#include "macro/MacroFile.h"

#include "ini/IniFile.h"
#include "platform/TextCodec.h"
#include "platform/TextNumber.h"

#include <algorithm>
#include <utility>

namespace corvalith {

namespace {

constexpr std::string_view kCountKey = "MacroCount";
constexpr std::string_view kFlagKey = "DelayTimeSelStatus";
constexpr std::string_view kLoopKey = "MacroLoopTimes";
constexpr std::string_view kItemCountKey = "ItemCount";
// Reported for a file that exists but cannot be read, so it is not replaced (the system's "access denied").
constexpr int kUnreadable = 5;

std::size_t BoundedCount(std::string_view text, std::size_t limit) {
    const long long count = TextNumber::Parse(text).value_or(0);
    if (count <= 0) {
        return 0;
    }
    return std::min(static_cast<std::size_t>(count), limit);
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return fold(x) == fold(y);
    });
}

void PutList(ini::IniDocument& document, const std::vector<std::string>& names) {
    document.DeleteSection(MacroFile::kListSection);
    document.SetString(MacroFile::kListSection, kCountKey, std::to_string(names.size()));
    if (names.empty()) {
        document.SetString(MacroFile::kListSection, "0", "");
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        document.SetString(MacroFile::kListSection, std::to_string(i), names[i]);
    }
}

} // namespace

MacroFile::MacroFile(IFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

bool MacroFile::Exists() const {
    return files_.FileExists(path_);
}

ini::IniDocument MacroFile::Load() const {
    const auto bytes = files_.ReadFile(path_);
    return bytes ? ini::IniDocument::Parse(*bytes) : ini::IniDocument();
}

template <typename Change> bool MacroFile::Rewrite(bool create, Change change) {
    lastError_ = 0;
    const bool exists = Exists();
    if (!exists && !create) {
        return false;
    }
    ini::IniDocument document;
    if (exists) {
        const auto bytes = files_.ReadFile(path_);
        if (!bytes) {
            lastError_ = kUnreadable;
            return false;
        }
        document = ini::IniDocument::Parse(*bytes);
    } else {
        const std::size_t separator = path_.find_last_of("/\\");
        if (separator != std::string::npos) {
            files_.CreateDirectories(path_.substr(0, separator + 1));
        }
    }
    change(document);
    const std::vector<std::uint8_t> bytes = document.Serialize();
    lastError_ = files_.WriteFileAtomically(path_, bytes);
    return lastError_ == 0;
}

std::string MacroFile::WriteFailureMessage(int error) {
    return "Macro file write error code :" + std::to_string(error) + "\n";
}

std::vector<std::string> MacroFile::ReadList() const {
    if (!Exists()) {
        return {};
    }
    return ReadList(Load());
}

std::vector<std::string> MacroFile::ReadList(const ini::IniDocument& document) {
    const std::size_t count =
        BoundedCount(ini::IniFile::Read(document, kListSection, kCountKey), kMaxListedMacros);
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        names.push_back(ini::IniFile::Read(document, kListSection, std::to_string(i)));
    }
    return names;
}

Macro MacroFile::ReadMacro(const std::string& name) const {
    if (!Exists()) {
        return Macro{name, {}, 0, {}};
    }
    return ReadMacro(Load(), name);
}

Macro MacroFile::ReadMacro(const ini::IniDocument& document, const std::string& name) {
    Macro macro{name, {}, 0, {}};
    if (!IsStorableName(name)) {
        return macro;
    }
    macro.LoopCountText = ini::IniFile::Read(document, name, kLoopKey);
    macro.DelayRecording = TextNumber::Parse(ini::IniFile::Read(document, name, kFlagKey)).value_or(0);
    const std::size_t count = BoundedCount(ini::IniFile::Read(document, name, kItemCountKey), kMaxItems);
    macro.Items.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        macro.Items.push_back(ini::IniFile::Read(document, name, ini::IniFile::ItemKey(i)));
    }
    return macro;
}

bool MacroFile::WriteList(const std::vector<std::string>& names) {
    return Rewrite(false, [&](ini::IniDocument& document) { PutList(document, names); });
}

void MacroFile::PutMacroSection(ini::IniDocument& document, const std::string& name, const std::string* flag,
                                const std::string& loopCountText, const std::vector<std::string>& items) {
    if (flag != nullptr) {
        document.SetString(name, kFlagKey, *flag);
    }
    document.SetString(name, kLoopKey, loopCountText);
    document.SetString(name, kItemCountKey, std::to_string(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        document.SetString(name, ini::IniFile::ItemKey(i), items[i]);
    }
}

bool MacroFile::WriteMacro(const Macro& macro) {
    if (!IsStorableName(macro.Name)) {
        return false;
    }
    return Rewrite(false, [&](ini::IniDocument& document) {
        document.DeleteSection(macro.Name);
        if (!macro.Items.empty()) {
            const std::string flag = std::to_string(macro.DelayRecording);
            PutMacroSection(document, macro.Name, &flag, macro.LoopCountText, macro.Items);
        }
    });
}

bool MacroFile::WriteMacroAfterEdit(const std::string& name, const std::string& loopCountText,
                                    const std::vector<std::string>& items) {
    if (!IsStorableName(name)) {
        return false;
    }
    return Rewrite(false, [&](ini::IniDocument& document) {
        document.DeleteSection(name);
        PutMacroSection(document, name, nullptr, loopCountText, items);
    });
}

bool MacroFile::WriteInterruptedRecording(const std::vector<std::string>& snapshot) {
    if (snapshot.size() < 3 || !IsStorableName(snapshot[0])) {
        return false;
    }
    const std::vector<std::string> items(snapshot.begin() + 3, snapshot.end());
    return Rewrite(false, [&](ini::IniDocument& document) {
        document.DeleteSection(snapshot[0]);
        PutMacroSection(document, snapshot[0], &snapshot[1], snapshot[2], items);
    });
}

bool MacroFile::DeleteMacroSection(const std::string& name) {
    if (!IsStorableName(name)) {
        return false;
    }
    return Rewrite(false, [&](ini::IniDocument& document) { document.DeleteSection(name); });
}

bool MacroFile::RenameMacro(const std::vector<std::string>& names, const std::string& oldName,
                            const std::string& newName) {
    if (!IsStorableName(oldName) || !IsStorableName(newName)) {
        return false;
    }
    return Rewrite(false, [&](ini::IniDocument& document) {
        const bool hadSection = document.HasSection(oldName);
        const bool hadFlag = document.HasKey(oldName, kFlagKey);
        const Macro macro = ReadMacro(document, oldName);
        const std::string flag = ini::IniFile::Read(document, oldName, kFlagKey);
        PutList(document, names);
        if (hadSection) {
            document.DeleteSection(oldName);
            PutMacroSection(document, newName, hadFlag ? &flag : nullptr, macro.LoopCountText, macro.Items);
        }
    });
}

bool MacroFile::WriteLoopCount(const std::string& name, long value) {
    if (!IsStorableName(name)) {
        return false;
    }
    return Rewrite(
        true, [&](ini::IniDocument& document) { document.SetString(name, kLoopKey, std::to_string(value)); });
}

bool MacroFile::IsStorableName(std::string_view name) {
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return false;
    }
    const std::string_view trimmed = name.substr(first, name.find_last_not_of(" \t") - first + 1);
    if (name.find_first_of("]\r\n") != std::string_view::npos || !TextCodec::IsValidUtf8(name)) {
        return false;
    }
    // The engine drops a pair of matching quotes around a value, so such a name would come back from the
    // list without them and no longer find its section.
    if (trimmed.size() >= 2 && (trimmed.front() == '"' || trimmed.front() == '\'') &&
        trimmed.back() == trimmed.front()) {
        return false;
    }
    return !EqualsIgnoringAsciiCase(trimmed, kListSection);
}

} // namespace corvalith
