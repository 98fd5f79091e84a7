#include "profile/ProgramRulesStore.h"

#include "ini/IniFile.h"
#include "platform/TextNumber.h"
#include "profile/CaptionFile.h"

#include <algorithm>

namespace corvalith {

namespace {

constexpr const char* kSwitching = "Switching";
constexpr const char* kPrograms = "Programs";

std::string Numbered(const char* stem, std::size_t number) {
    return stem + std::to_string(number);
}

} // namespace

ProgramRulesStore::ProgramRulesStore(IFileSystem& files, std::string dataFolder)
    : files_(files), path_(std::move(dataFolder) + kFileName) {}

ProgramRules ProgramRulesStore::Read() const {
    ProgramRules rules;
    const ini::IniFile file(files_, path_);
    if (!file.Exists()) {
        return rules;
    }
    const ini::IniDocument document = file.Load();
    rules.SetEnabled(ini::IniFile::Read(document, kSwitching, "Automatic") != "0");
    const std::string fallback = ini::IniFile::Read(document, kSwitching, "Fallback");
    if (!fallback.empty()) {
        rules.SetFallback(fallback);
    }
    const long long count =
        std::clamp<long long>(TextNumber::ParseLeading(ini::IniFile::Read(document, kPrograms, "Count")), 0,
                              static_cast<long long>(kMaxRules));
    for (std::size_t n = 0; n < static_cast<std::size_t>(count); ++n) {
        const std::string program = ini::IniFile::Read(document, kPrograms, Numbered("Program", n));
        const std::string profile = ini::IniFile::Read(document, kPrograms, Numbered("Profile", n));
        if (!profile.empty()) {
            rules.Add(profile, program);
        }
    }
    return rules;
}

int ProgramRulesStore::Write(const ProgramRules& rules) {
    ini::IniDocument document;
    document.SetString(kSwitching, "Automatic", rules.Enabled() ? "1" : "0");
    if (rules.Fallback()) {
        document.SetString(kSwitching, "Fallback", CaptionFile::QuotedIfNeeded(*rules.Fallback()));
    }
    document.SetString(kPrograms, "Count", std::to_string(rules.Rules().size()));
    for (std::size_t n = 0; n < rules.Rules().size(); ++n) {
        const ProgramRules::Rule& rule = rules.Rules()[n];
        document.SetString(kPrograms, Numbered("Program", n), CaptionFile::QuotedIfNeeded(rule.Program));
        document.SetString(kPrograms, Numbered("Profile", n), CaptionFile::QuotedIfNeeded(rule.Profile));
    }
    return ini::IniFile(files_, path_).Store(document);
}

} // namespace corvalith
