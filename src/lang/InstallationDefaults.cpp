#include "lang/InstallationDefaults.h"

#include "assign/AssignmentCatalogue.h"
#include "ini/IniDocument.h"
#include "lang/LanguageTable.h"
#include "profile/ProfileFile.h"

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
    document.SetString(LanguageCode::kSection, LanguageCode::kKey, LanguageCode::CodeOf(language));
    for (const Language section : kSectionOrder) {
        LanguageTable table;
        table.Fill(LanguageCode::CodeOf(section));
        AssignmentCatalogue catalogue(table);
        catalogue.ApplyDpiNames(table);
        const auto captions = catalogue.DefaultCaptions();
        for (std::size_t slot = 0; slot < captions.size(); ++slot) {
            document.SetString(table.Text(TextEntry::SettingSection), "Item" + std::to_string(slot + 1),
                               ValueOf(captions[slot]));
        }
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

} // namespace corvalith
