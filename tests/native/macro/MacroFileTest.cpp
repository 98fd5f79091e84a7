#include "macro/MacroFile.h"
#include "doubles/MemoryFileSystem.h"
#include "doubles/TextFiles.h"
#include "platform/TextCodec.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvalith {
namespace {

using test::MemoryFileSystem;

const std::string kPath = "/data/Corvalith/record.ini";

std::string Text(const MemoryFileSystem& files) {
    const auto bytes = files.Get(kPath);
    return std::string(bytes.begin(), bytes.end());
}

const char* const kTwoMacros = "[MacroName]\r\n"
                               "MacroCount=2\r\n"
                               "0=Macro_1\r\n"
                               "1=Macro_2\r\n"
                               "[Macro_1]\r\n"
                               "DelayTimeSelStatus=1\r\n"
                               "MacroLoopTimes=3\r\n"
                               "ItemCount=2\r\n"
                               "Item0=A   Dn\r\n"
                               "Item1=A   Up\r\n"
                               "[Macro_2]\r\n"
                               "MacroLoopTimes=1\r\n"
                               "ItemCount=1\r\n"
                               "Item0=B   Dn\r\n";

TEST(MacroFile, ReadsTheListAndEachMacroInEveryEncoding) {
    const std::string text = "[MacroName]\r\nMacroCount=2\r\n0=Makro_1\r\n1=宏_2\r\n"
                             "[宏_2]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=7\r\nItemCount=3\r\n"
                             "Item0=Ä   Dn\r\nItem1=20 ms\r\nItem2=Ä   Up\r\n";
    std::vector<std::uint8_t> utf8Bom = {0xEF, 0xBB, 0xBF};
    utf8Bom.insert(utf8Bom.end(), text.begin(), text.end());
    const std::vector<std::vector<std::uint8_t>> files = {
        test::TextFiles::Utf16(text), std::vector<std::uint8_t>(text.begin(), text.end()), utf8Bom};
    for (const auto& bytes : files) {
        MemoryFileSystem memory;
        memory.Put(kPath, bytes);
        const MacroFile file(memory, kPath);
        EXPECT_EQ(file.ReadList(), (std::vector<std::string>{"Makro_1", "宏_2"}));
        const Macro macro = file.ReadMacro("宏_2");
        EXPECT_EQ(macro.LoopCountText, "7");
        EXPECT_EQ(macro.DelayRecording, 1);
        EXPECT_EQ(macro.Items, (std::vector<std::string>{"Ä   Dn", "20 ms", "Ä   Up"}));
        // A listed macro without a section reads as empty.
        const Macro missing = file.ReadMacro("Makro_1");
        EXPECT_EQ(missing.LoopCountText, "");
        EXPECT_EQ(missing.DelayRecording, 0);
        EXPECT_TRUE(missing.Items.empty());
    }
}

TEST(MacroFile, CountsFromTheFileAreBounded) {
    struct Case {
        const char* content;
        std::size_t names;
        std::size_t items;
    };
    const Case cases[] = {
        {"[MacroName]\r\nMacroCount=0\r\n0=\r\n", 0, 0},
        {"[MacroName]\r\nMacroCount=-4\r\n[m]\r\nItemCount=-2\r\n", 0, 0},
        {"[MacroName]\r\nMacroCount=abc\r\n[m]\r\nItemCount=x\r\n", 0, 0},
        {"[MacroName]\r\nMacroCount=3\r\n0=a\r\n[m]\r\nItemCount=4\r\nItem0=A   Dn\r\n", 3, 4},
        {"[MacroName]\r\nMacroCount=2147483648\r\n[m]\r\nItemCount=99999999999\r\n", 256, 1024},
        {"", 0, 0},
    };
    for (const Case& c : cases) {
        MemoryFileSystem memory;
        memory.PutText(kPath, c.content);
        const MacroFile file(memory, kPath);
        const auto names = file.ReadList();
        EXPECT_EQ(names.size(), c.names) << c.content;
        for (std::size_t i = 1; i < names.size(); ++i) {
            EXPECT_EQ(names[i], "") << "missing keys read as empty";
        }
        EXPECT_EQ(file.ReadMacro("m").Items.size(), c.items) << c.content;
    }
}

TEST(MacroFile, TheThreeWriteVariantsWriteExactlyTheirKeys) {
    const char* const kRest = "[MacroName]\r\n"
                              "MacroCount=2\r\n"
                              "0=Macro_1\r\n"
                              "1=Macro_2\r\n"
                              "[Macro_2]\r\n"
                              "MacroLoopTimes=1\r\n"
                              "ItemCount=1\r\n"
                              "Item0=B   Dn\r\n";
    struct Case {
        const char* what;
        std::function<bool(MacroFile&)> write;
        std::string expected;
    };
    const std::vector<std::string> items = {"Shift   Dn", "20 ms", "Shift   Up"};
    const Case cases[] = {
        {"full save",
         [&](MacroFile& f) {
             return f.WriteMacro(Macro{"Macro_1", "5", 0, items});
         },
         std::string(kRest) + "[Macro_1]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=5\r\nItemCount=3\r\n"
                              "Item0=Shift   Dn\r\nItem1=20 ms\r\nItem2=Shift   Up\r\n"},
        {"full save without items only deletes the section",
         [&](MacroFile& f) {
             return f.WriteMacro(Macro{"Macro_1", "5", 1, {}});
         },
         std::string(kRest)},
        {"save after an in-place edit drops the flag",
         [&](MacroFile& f) { return f.WriteMacroAfterEdit("Macro_1", "3", items); },
         std::string(kRest) + "[Macro_1]\r\nMacroLoopTimes=3\r\nItemCount=3\r\n"
                              "Item0=Shift   Dn\r\nItem1=20 ms\r\nItem2=Shift   Up\r\n"},
        {"save of an interrupted recording",
         [&](MacroFile& f) {
             return f.WriteInterruptedRecording({"Macro_1", "1", "12", "Ctrl   Dn", "Ctrl   Up"});
         },
         std::string(kRest) + "[Macro_1]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=12\r\nItemCount=2\r\n"
                              "Item0=Ctrl   Dn\r\nItem1=Ctrl   Up\r\n"},
        {"interrupted recording without items",
         [&](MacroFile& f) {
             return f.WriteInterruptedRecording({"Macro_1", "0", "1"});
         },
         std::string(kRest) + "[Macro_1]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=1\r\nItemCount=0\r\n"},
        {"section names match without regard to case",
         [&](MacroFile& f) { return f.WriteMacroAfterEdit("MACRO_1", "2", {"X   Dn"}); },
         std::string(kRest) + "[MACRO_1]\r\nMacroLoopTimes=2\r\nItemCount=1\r\nItem0=X   Dn\r\n"},
    };
    for (const Case& c : cases) {
        MemoryFileSystem memory;
        memory.PutText(kPath, kTwoMacros);
        MacroFile file(memory, kPath);
        EXPECT_TRUE(c.write(file)) << c.what;
        EXPECT_EQ(Text(memory), c.expected) << c.what;
    }
}

TEST(MacroFile, ListWritesAndDeletingTheLastMacro) {
    MemoryFileSystem memory;
    memory.PutText(kPath, kTwoMacros);
    MacroFile file(memory, kPath);

    // The list moves to the end of the file, as the section is deleted and written anew.
    ASSERT_TRUE(file.WriteList({"Macro_2", "Neu"}));
    ASSERT_TRUE(file.DeleteMacroSection("Macro_1"));
    EXPECT_EQ(Text(memory), "[Macro_2]\r\nMacroLoopTimes=1\r\nItemCount=1\r\nItem0=B   Dn\r\n"
                            "[MacroName]\r\nMacroCount=2\r\n0=Macro_2\r\n1=Neu\r\n");

    ASSERT_TRUE(file.WriteList({}));
    ASSERT_TRUE(file.DeleteMacroSection("Macro_2"));
    EXPECT_EQ(Text(memory), "[MacroName]\r\nMacroCount=0\r\n0=\r\n");
    EXPECT_TRUE(file.ReadList().empty());
}

TEST(MacroFile, WritesKeepTheFilesEncoding) {
    MemoryFileSystem memory;
    memory.Put(kPath, test::TextFiles::Utf16("[MacroName]\r\nMacroCount=0\r\n0=\r\n"));
    MacroFile file(memory, kPath);
    ASSERT_TRUE(file.WriteList({"宏_1"}));
    ASSERT_TRUE(file.WriteMacro(Macro{"宏_1", "2", 1, {"Ü   Dn"}}));
    EXPECT_EQ(memory.Get(kPath),
              test::TextFiles::Utf16("[MacroName]\r\nMacroCount=1\r\n0=宏_1\r\n[宏_1]\r\n"
                                     "DelayTimeSelStatus=1\r\nMacroLoopTimes=2\r\nItemCount=1\r\n"
                                     "Item0=Ü   Dn\r\n"));
}

TEST(MacroFile, WithoutAFileOnlyTheLoopCountWriteDoesAnything) {
    MemoryFileSystem memory;
    memory.requireFolder = true;
    MacroFile file(memory, kPath);
    EXPECT_FALSE(file.WriteList({"a"}));
    EXPECT_FALSE(file.WriteMacro(Macro{"a", "1", 0, {"A   Dn"}}));
    EXPECT_FALSE(file.WriteMacroAfterEdit("a", "1", {"A   Dn"}));
    EXPECT_FALSE(file.WriteInterruptedRecording({"a", "0", "1", "A   Dn"}));
    EXPECT_FALSE(file.DeleteMacroSection("a"));
    EXPECT_TRUE(file.ReadList().empty());
    EXPECT_TRUE(memory.files.empty());

    // A new macro's loop count creates the folder and the file (UTF-16LE with BOM, like every new file).
    EXPECT_TRUE(file.WriteLoopCount("Macro_1", 1));
    EXPECT_EQ(memory.Get(kPath), test::TextFiles::Utf16("[Macro_1]\r\nMacroLoopTimes=1\r\n"));
    EXPECT_TRUE(file.WriteLoopCount("Macro_1", 65535));
    EXPECT_EQ(file.ReadMacro("Macro_1").LoopCountText, "65535");
}

// On a full or read-only disk every write says so, with the system's code, and leaves the file as it was:
// the macro manager then shows the list the file still holds.
TEST(MacroFile, AFailedWriteReportsItsErrorAndKeepsTheFile) {
    struct Case {
        const char* what;
        std::function<bool(MacroFile&)> write;
    };
    const Case cases[] = {
        {"save",
         [](MacroFile& f) {
             return f.WriteMacro(Macro{"Macro_1", "1", 0, {"A   Dn"}});
         }},
        {"save after an edit",
         [](MacroFile& f) { return f.WriteMacroAfterEdit("Macro_1", "1", {"A   Dn"}); }},
        {"rename",
         [](MacroFile& f) {
             return f.RenameMacro({"Jump", "Macro_2"}, "Macro_1", "Jump");
         }},
        {"list",
         [](MacroFile& f) {
             return f.WriteList({"Macro_1", "Macro_2", "Macro_3"});
         }},
        {"delete", [](MacroFile& f) { return f.DeleteMacroSection("Macro_2"); }},
        {"loop count", [](MacroFile& f) { return f.WriteLoopCount("Macro_1", 7); }},
    };
    for (const Case& c : cases) {
        MemoryFileSystem memory;
        memory.PutText(kPath, kTwoMacros);
        memory.writeError = 28;
        MacroFile file(memory, kPath);
        EXPECT_FALSE(c.write(file)) << c.what;
        EXPECT_EQ(file.LastError(), 28) << c.what;
        EXPECT_EQ(Text(memory), kTwoMacros) << c.what;
        EXPECT_EQ(file.ReadList(), (std::vector<std::string>{"Macro_1", "Macro_2"})) << c.what;
        memory.writeError = 0;
        EXPECT_TRUE(c.write(file)) << c.what;
        EXPECT_EQ(file.LastError(), 0) << c.what;
    }
    EXPECT_EQ(MacroFile::WriteFailureMessage(28), "Macro file write error code :28\n");
    // Without a file the list writes have nothing to do, which is no failure.
    MemoryFileSystem empty;
    MacroFile missing(empty, kPath);
    EXPECT_FALSE(missing.WriteList({"a"}));
    EXPECT_EQ(missing.LastError(), 0);
}

TEST(MacroFile, NamesThatCannotBeSectionsNeverTouchOtherMacros) {
    struct Case {
        const char* name;
        bool storable;
    };
    const Case cases[] = {
        {"Macro_9", true},    {"a=b", true},          {"[x", true},     {"x[y", true},
        {"宏_1", true},       {"  padded  ", true},   {"'half", true},  {"Macro Name", true},
        {"Macro_2]", false},  {"a]b", false},         {"]", false},     {"MacroName", false},
        {"macroname", false}, {" MacroName ", false}, {"\"q\"", false}, {"'q'", false},
        {"", false},          {"   ", false},         {"a\nb", false},  {"a\rb", false},
        {"\xC3", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroFile::IsStorableName(c.name), c.storable) << '"' << c.name << '"';
        if (c.storable) {
            // Every storable name reads back what was written under it.
            MemoryFileSystem memory;
            memory.PutText(kPath, kTwoMacros);
            MacroFile file(memory, kPath);
            ASSERT_TRUE(file.WriteList({"Macro_1", c.name, "Macro_2"}));
            ASSERT_TRUE(file.WriteMacro(Macro{c.name, "4", 1, {"Q   Dn", "Q   Up"}}));
            const MacroFile reread(memory, kPath);
            const auto names = reread.ReadList();
            ASSERT_EQ(names.size(), 3u);
            const Macro macro = reread.ReadMacro(names[1]);
            EXPECT_EQ(macro.Items, (std::vector<std::string>{"Q   Dn", "Q   Up"})) << c.name;
            EXPECT_EQ(reread.ReadMacro("Macro_1").Items, (std::vector<std::string>{"A   Dn", "A   Up"}))
                << c.name;
            EXPECT_EQ(reread.ReadMacro("Macro_2").Items, (std::vector<std::string>{"B   Dn"}));
        } else {
            // Writes under such a name are refused, so the list and the other macros stay as they were.
            MemoryFileSystem memory;
            memory.PutText(kPath, kTwoMacros);
            MacroFile file(memory, kPath);
            EXPECT_FALSE(file.WriteMacro(Macro{c.name, "4", 1, {"Q   Dn"}}));
            EXPECT_FALSE(file.WriteMacroAfterEdit(c.name, "4", {"Q   Dn"}));
            EXPECT_FALSE(file.WriteInterruptedRecording({c.name, "1", "4", "Q   Dn"}));
            EXPECT_FALSE(file.DeleteMacroSection(c.name));
            EXPECT_FALSE(file.WriteLoopCount(c.name, 4));
            EXPECT_EQ(Text(memory), kTwoMacros) << '"' << c.name << '"';
            EXPECT_TRUE(file.ReadMacro(c.name).Items.empty());
        }
    }
}

TEST(MacroFile, AFileThatAlreadyListsABadNameKeepsTheOtherMacros) {
    // Written by hand: the second macro's section header reads as "Macro_3".
    const char* const content = "[MacroName]\r\nMacroCount=3\r\n0=Macro_1\r\n1=Macro_3]x\r\n2=Macro_2\r\n"
                                "[Macro_1]\r\nMacroLoopTimes=2\r\nItemCount=1\r\nItem0=A   Dn\r\n"
                                "[Macro_3]x]\r\nMacroLoopTimes=9\r\nItemCount=1\r\nItem0=Z   Dn\r\n"
                                "[Macro_2]\r\nMacroLoopTimes=1\r\nItemCount=1\r\nItem0=B   Dn\r\n";
    MemoryFileSystem memory;
    memory.PutText(kPath, content);
    MacroFile file(memory, kPath);
    const auto names = file.ReadList();
    EXPECT_EQ(names, (std::vector<std::string>{"Macro_1", "Macro_3]x", "Macro_2"}));
    EXPECT_TRUE(file.ReadMacro("Macro_3]x").Items.empty());
    // Saving, renaming or deleting the bad macro does not touch the file; the others still read and save.
    EXPECT_FALSE(file.WriteMacro(Macro{"Macro_3]x", "1", 0, {"Y   Dn"}}));
    EXPECT_FALSE(file.DeleteMacroSection("Macro_3]x"));
    EXPECT_EQ(Text(memory), content);
    EXPECT_TRUE(file.WriteMacro(Macro{"Macro_2", "1", 0, {"C   Dn"}}));
    EXPECT_EQ(file.ReadMacro("Macro_1").Items, (std::vector<std::string>{"A   Dn"}));
    EXPECT_EQ(file.ReadMacro("Macro_2").Items, (std::vector<std::string>{"C   Dn"}));
    EXPECT_EQ(file.ReadList(), names);
}

} // namespace
} // namespace corvalith

namespace corvalith {
namespace {

TEST(MacroFile, ARenameMovesTheWholeSectionInOneWrite) {
    MemoryFileSystem memory;
    memory.PutText(kPath, kTwoMacros);
    MacroFile file(memory, kPath);
    ASSERT_TRUE(file.RenameMacro({"Jump", "Macro_2"}, "Macro_1", "Jump"));
    EXPECT_EQ(Text(memory), "[Macro_2]\r\n"
                            "MacroLoopTimes=1\r\n"
                            "ItemCount=1\r\n"
                            "Item0=B   Dn\r\n"
                            "[MacroName]\r\n"
                            "MacroCount=2\r\n"
                            "0=Jump\r\n"
                            "1=Macro_2\r\n"
                            "[Jump]\r\n"
                            "DelayTimeSelStatus=1\r\n"
                            "MacroLoopTimes=3\r\n"
                            "ItemCount=2\r\n"
                            "Item0=A   Dn\r\n"
                            "Item1=A   Up\r\n");

    // Names that cannot be sections change nothing at all.
    const std::string before = Text(memory);
    EXPECT_FALSE(file.RenameMacro({"Jump", "a]b"}, "Macro_2", "a]b"));
    EXPECT_FALSE(file.RenameMacro({"MacroName", "Macro_2"}, "Jump", "MacroName"));
    EXPECT_EQ(Text(memory), before);
}

} // namespace
} // namespace corvalith
