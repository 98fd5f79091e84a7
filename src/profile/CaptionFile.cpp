#include "profile/CaptionFile.h"

#include "ini/IniFile.h"

namespace corvalith {

namespace {

std::string SlotKey(std::size_t slot) {
    return ini::IniFile::ItemKey(slot + 1);
}

} // namespace

CaptionFile::Captions CaptionFile::Read(const ini::IniDocument& text, std::string_view section) {
    Captions captions;
    for (std::size_t slot = 0; slot < captions.size(); ++slot) {
        captions[slot] = ini::IniFile::Read(text, section, SlotKey(slot));
    }
    return captions;
}

void CaptionFile::Put(ini::IniDocument& text, std::string_view section, const Captions& captions) {
    for (std::size_t slot = 0; slot + 1 < captions.size(); ++slot) {
        PutSlot(text, section, slot, captions[slot]);
    }
}

void CaptionFile::PutSlot(ini::IniDocument& text, std::string_view section, std::size_t slot,
                          const std::string& caption) {
    text.SetString(section, SlotKey(slot), QuotedIfNeeded(caption));
}

std::string CaptionFile::QuotedIfNeeded(const std::string& caption) {
    if (caption.empty()) {
        return caption;
    }
    const auto special = [](char c) { return c == ' ' || c == '\t' || c == '"' || c == '\''; };
    return special(caption.front()) || special(caption.back()) ? '"' + caption + '"' : caption;
}

} // namespace corvalith
