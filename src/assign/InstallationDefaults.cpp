#include "assign/InstallationDefaults.h"

#include "assign/AssignmentCatalogue.h"
#include "ini/IniDocument.h"
#include "lang/LanguageTable.h"
#include "profile/ProfileFile.h"

#include <optional>

namespace corvalith {

namespace {

constexpr Language kSectionOrder[] = {Language::English, Language::German, Language::SimplifiedChinese,
                                      Language::TraditionalChinese};

// The engine trims values when it reads them, so a caption with a leading or trailing blank ("Scroll ") is
// written in quotes, which the engine removes again.
std::string ValueOf(const std::string& caption) {
    const bool padded = !caption.empty() && (caption.front() == ' ' || caption.back() == ' ');
    return padded ? "\"" + caption + "\"" : caption;
}

struct Value {
    std::string section;
    std::string key;
    std::string value;
};

// Every value of a default text file, in the order it is written: the language code, then the default
// captions in the sections of all four languages.
std::vector<Value> TextValues(Language language) {
    std::vector<Value> values{{std::string(LanguageCode::kSection), std::string(LanguageCode::kKey),
                               std::string(LanguageCode::CodeOf(language))}};
    for (const Language section : kSectionOrder) {
        LanguageTable table;
        table.Fill(LanguageCode::CodeOf(section));
        AssignmentCatalogue catalogue(table);
        catalogue.ApplyDpiNames(table);
        const auto captions = catalogue.DefaultCaptions();
        for (std::size_t slot = 0; slot < captions.size(); ++slot) {
            values.push_back({table.Text(TextEntry::SettingSection), "Item" + std::to_string(slot + 1),
                              ValueOf(captions[slot])});
        }
    }
    return values;
}

bool IsLanguageCode(const Value& value) {
    return value.section == LanguageCode::kSection && value.key == LanguageCode::kKey;
}

} // namespace

std::vector<std::string> InstallationDefaults::TextFileNames() {
    std::vector<std::string> names{"str.ini"};
    for (int i = 0; i < 6; ++i) {
        names.push_back("str" + std::to_string(i) + ".ini");
    }
    return names;
}

std::vector<std::uint8_t> InstallationDefaults::TextFile(Language language) {
    ini::IniDocument document;
    for (const Value& value : TextValues(language)) {
        document.SetString(value.section, value.key, value.value);
    }
    return document.Serialize();
}

std::vector<std::uint8_t> InstallationDefaults::BaseProfile() {
    return ProfileFile::Encode(ProfileSettings::FactoryDefaults());
}

int InstallationDefaults::Write(IFileSystem& files, const std::string& folder, Language language) {
    if (const int error = files.CreateDirectories(folder); error != 0) {
        return error;
    }
    const std::vector<std::uint8_t> text = TextFile(language);
    for (const std::string& name : TextFileNames()) {
        if (const int error = files.WriteFileAtomically(folder + name, text); error != 0) {
            return error;
        }
    }
    return files.WriteFileAtomically(folder + "config.bin", BaseProfile());
}

int InstallationDefaults::LayDown(IFileSystem& files, const std::string& folder, Language language) {
    if (const int error = files.CreateDirectories(folder); error != 0) {
        return error;
    }
    const std::vector<Value> values = TextValues(language);
    for (const std::string& name : TextFileNames()) {
        const std::string path = folder + name;
        const std::optional<std::vector<std::uint8_t>> existing = files.ReadFile(path);
        if (!existing) {
            if (const int error = files.WriteFileAtomically(path, TextFile(language)); error != 0) {
                return error;
            }
            continue;
        }
        ini::IniDocument document = ini::IniDocument::Parse(*existing);
        bool changed = false;
        for (const Value& value : values) {
            const bool lacking = IsLanguageCode(value)
                                     ? !LanguageCode::IsUsable(document.GetString(value.section, value.key))
                                     : !document.HasKey(value.section, value.key);
            if (lacking) {
                document.SetString(value.section, value.key, value.value);
                changed = true;
            }
        }
        if (changed) {
            if (const int error = files.WriteFileAtomically(path, document.Serialize()); error != 0) {
                return error;
            }
        }
    }
    if (files.FileExists(folder + "config.bin")) {
        return 0;
    }
    return files.WriteFileAtomically(folder + "config.bin", BaseProfile());
}

} // namespace corvalith
