#pragma once

#include "ini/IniDocument.h"
#include "macro/Macro.h"
#include "platform/IFileSystem.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace corvalith {

// The macros file record.ini: section "MacroName" lists the macros ("MacroCount" and one key per index),
// and each macro has a section of its own name with "DelayTimeSelStatus", "MacroLoopTimes", "ItemCount"
// and "Item0", "Item1"...
//
// Every operation but the loop-count write does nothing when the file does not exist. Each operation
// reads the file once and replaces it once, crash-safely, so that a macro's section is never left deleted
// but not yet rewritten.
//
// A macro whose name cannot serve as a section name (see IsStorableName) is never written, deleted or
// looked up by name: its section would read back as another section (or as the list itself), and writing
// it would damage other macros.
class MacroFile {
public:
    static constexpr std::string_view kListSection = "MacroName";
    // Bounds on counts read from the file, which may have been edited by hand.
    static constexpr std::size_t kMaxListedMacros = 256;
    static constexpr std::size_t kMaxItems = 1024;

    MacroFile(IFileSystem& files, std::string path);

    const std::string& Path() const { return path_; }
    void SetPath(std::string path) { path_ = std::move(path); }
    bool Exists() const;

    // The macro names in list order; empty when the file or the list is missing.
    std::vector<std::string> ReadList() const;
    // The macro's loop-count text, delay-recording flag and items; missing keys read as empty (0).
    Macro ReadMacro(const std::string& name) const;

    // Rewrites the list section: "MacroCount" and one key per name. An empty list is written as
    // "MacroCount" = "0" with an empty key "0".
    bool WriteList(const std::vector<std::string>& names);

    // Full save: flag, loop-count text, item count and items. A macro without items only loses its section.
    bool WriteMacro(const Macro& macro);
    // Save after a rename or a delay edit: loop-count text, item count and items, without the flag.
    bool WriteMacroAfterEdit(const std::string& name, const std::string& loopCountText,
                             const std::vector<std::string>& items);
    // Save of an interrupted recording from its snapshot: [0] name, [1] flag, [2] loop-count text, then
    // the recorded items. A snapshot shorter than three texts writes nothing.
    bool WriteInterruptedRecording(const std::vector<std::string>& snapshot);

    bool DeleteMacroSection(const std::string& name);

    // A rename in one replacement of the file: the list section is rewritten from `names` and the macro's
    // section, with everything it holds, moves from the old name to the new one. Nothing is written when
    // either name cannot be stored.
    bool RenameMacro(const std::vector<std::string>& names, const std::string& oldName,
                     const std::string& newName);

    // The loop-count box's write: "MacroLoopTimes" of the macro at once. The one write that creates the file
    // (and the data folder) when they are missing.
    bool WriteLoopCount(const std::string& name, long value);

    // The system's error code of the last write that could not replace the file, 0 after one that did (or
    // that had nothing to do). The file is then as it was before that write.
    int LastError() const { return lastError_; }
    // The message the macro manager shows when a write of the file failed.
    static std::string WriteFailureMessage(int error);

    // A name can be a section name when its section header reads back as the same name and it is not the
    // list section's own name: not empty or blank, no "]", no line break, not wrapped in quotes, valid text.
    static bool IsStorableName(std::string_view name);

    // The whole file as it is now (an empty document when it is missing), and the list and macros of such a
    // document, for reading several macros from one consistent read.
    ini::IniDocument Load() const;
    static Macro ReadMacro(const ini::IniDocument& document, const std::string& name);
    static std::vector<std::string> ReadList(const ini::IniDocument& document);

private:
    // Reads the file, applies `change` and writes it back; false when the file is missing (unless
    // `create`) or cannot be written.
    template <typename Change> bool Rewrite(bool create, Change change);
    static void PutMacroSection(ini::IniDocument& document, const std::string& name, const std::string* flag,
                                const std::string& loopCountText, const std::vector<std::string>& items);

    IFileSystem& files_;
    std::string path_;
    int lastError_ = 0;
};

} // namespace corvalith
