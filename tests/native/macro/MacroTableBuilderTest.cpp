#include "macro/MacroTableBuilder.h"
#include "doubles/MemoryFileSystem.h"
#include "doubles/RecordingDebugOutput.h"
#include "doubles/StorageCollaborators.h"
#include "platform/FixedDataFolderLocator.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileStorage.h"

#include <gtest/gtest.h>

#include <cstring>

namespace corvalith {
namespace {

using test::MemoryFileSystem;

const std::string kFolder = "/data/Corvalith/";
const std::string kPath = kFolder + "record.ini";

// Three macros: an empty one, A tapped with a 5 ms delay (loop 2), and Shift+B without delays.
const char* const kThreeMacros = "[MacroName]\r\nMacroCount=3\r\n0=Empty\r\n1=Tap\r\n2=Shifted\r\n"
                                 "[Tap]\r\nDelayTimeSelStatus=1\r\nMacroLoopTimes=2\r\nItemCount=3\r\n"
                                 "Item0=A   Dn\r\nItem1=5 ms\r\nItem2=A   Up\r\n"
                                 "[Shifted]\r\nMacroLoopTimes=abc\r\nItemCount=4\r\n"
                                 "Item0=Shift   Dn\r\nItem1=B   Dn\r\nItem2=B   Up\r\nItem3=Shift   Up\r\n";

using Blocks = std::array<std::array<std::uint8_t, 130>, 12>;

Blocks Filled(std::uint8_t value) {
    Blocks blocks;
    for (auto& block : blocks) {
        block.fill(value);
    }
    return blocks;
}

// Blocks 0 to 2 as encoded from kThreeMacros with the given first type; bytes 128 and 129 and blocks 3
// to 11 keep `old`.
Blocks ExpectedThree(std::uint8_t firstType, std::uint8_t old) {
    Blocks blocks = Filled(old);
    for (std::size_t i = 0; i < 3; ++i) {
        std::fill(blocks[i].begin(), blocks[i].begin() + 128, 0);
    }
    const std::uint8_t tap[] = {0x00, 0x02, firstType, 0x04, 0xFF, 0x04, 0x00, 0x0A};
    std::copy(std::begin(tap), std::end(tap), blocks[1].begin());
    const std::uint8_t shifted[] = {0x00, 0x01, firstType, 0xE1, 0x7F, 0x05, 0x00, 0x32,
                                    0xFF, 0x05, 0x00,      0x32, 0xFF, 0xE1, 0x00, 0x32};
    std::copy(std::begin(shifted), std::end(shifted), blocks[2].begin());
    return blocks;
}

Blocks TableOf(const ProfileSettings& profile) {
    Blocks blocks;
    std::memcpy(blocks.data(), profile.MacroBlockTable, sizeof profile.MacroBlockTable);
    return blocks;
}

TEST(MacroTableBuilder, BuildsEveryListedMacroIntoItsBlock) {
    struct Case {
        const char* what;
        const char* content; // nullptr: no file
        bool rebuilt;
    };
    const Case cases[] = {
        {"three macros", kThreeMacros, true},
        {"no file", nullptr, false},
        {"empty file", "", false},
        {"file without a list", "[Tap]\r\nItemCount=1\r\nItem0=A   Dn\r\n", false},
        {"count 0", "[MacroName]\r\nMacroCount=0\r\n0=\r\n", false},
    };
    for (const Case& c : cases) {
        MemoryFileSystem memory;
        if (c.content != nullptr) {
            memory.PutText(kPath, c.content);
        }
        MacroTableBuilder builder(memory);
        ProfileSettings profile{};
        std::memset(profile.Bytes(), 0x5A, ProfileSettings::kSize);
        const ProfileSettings before = profile;

        builder.RebuildMacroBlockTable(kPath, profile);

        EXPECT_EQ(TableOf(profile), c.rebuilt ? ExpectedThree(0x05, 0x5A) : Filled(0x5A)) << c.what;
        EXPECT_EQ(std::memcmp(profile.Bytes(), before.Bytes(), 329), 0) << c.what;
        EXPECT_EQ(std::memcmp(profile.Bytes() + 1889, before.Bytes() + 1889, 3), 0) << c.what;
    }
}

TEST(MacroTableBuilder, NeverBuildsMoreThanTwelveBlocks) {
    std::string content = "[MacroName]\r\nMacroCount=14\r\n";
    for (int i = 0; i < 14; ++i) {
        content += std::to_string(i) + "=m" + std::to_string(i) + "\r\n";
    }
    for (int i = 0; i < 14; ++i) {
        content += "[m" + std::to_string(i) + "]\r\nMacroLoopTimes=" + std::to_string(i + 1) +
                   "\r\nItemCount=1\r\nItem0=A   Dn\r\n";
    }
    MemoryFileSystem memory;
    memory.PutText(kPath, content);
    ProfileSettings profile{};
    std::memset(profile.Bytes(), 0x5A, ProfileSettings::kSize);
    MacroTableBuilder(memory).RebuildMacroBlockTable(kPath, profile);
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(profile.MacroBlockTable[i][1], i + 1) << "block " << i;
        EXPECT_EQ(profile.MacroBlockTable[i][3], 0x04) << "block " << i;
    }
    EXPECT_EQ(profile.ReservedTail[0], 0x5A);
    EXPECT_EQ(profile.ReservedTail[2], 0x5A);
}

TEST(MacroTableBuilder, TheManagersBuildUsesItsOwnFirstType) {
    MemoryFileSystem memory;
    memory.PutText(kPath, kThreeMacros);
    Blocks table = Filled(0x11);
    MacroTableBuilder::Build(MacroFile(memory, kPath), 0x32,
                             MacroTableBuilder::Table(table[0].data(), MacroTableBuilder::Table::extent));
    EXPECT_EQ(table, ExpectedThree(0x32, 0x11));
}

TEST(MacroTableBuilder, HexLinesForTheCommandLine) {
    MemoryFileSystem memory;
    EXPECT_FALSE(MacroTableBuilder::HexLines(memory, kPath, 0x05).has_value());

    memory.PutText(kPath, kThreeMacros);
    const auto lines = MacroTableBuilder::HexLines(memory, kPath, 0x32);
    ASSERT_TRUE(lines.has_value());
    std::string zeros = "00";
    for (int i = 1; i < 130; ++i) {
        zeros += " 00";
    }
    EXPECT_EQ((*lines)[0], zeros);
    EXPECT_EQ((*lines)[1], "00 02 32 04 ff 04 00 0a" + zeros.substr(23));
    EXPECT_EQ((*lines)[2], "00 01 32 e1 7f 05 00 32 ff 05 00 32 ff e1 00 32" + zeros.substr(47));
    for (std::size_t i = 3; i < 12; ++i) {
        EXPECT_EQ((*lines)[i], zeros);
    }
    EXPECT_EQ((*lines)[1].size(), 130u * 3 - 1);
}

TEST(MacroTableBuilder, FirstEventTypeOption) {
    struct Case {
        const char* text;
        std::optional<std::uint8_t> type;
    };
    const Case cases[] = {
        {"0x05", 0x05}, {"0x32", 0x32},       {"0X32", 0x32}, {"5", 0x05},
        {"50", 0x32},   {"0x5", 0x05},        {"0x33", {}},   {"0", {}},
        {"", {}},       {"0x", {}},           {"x32", {}},    {"0x3g", {}},
        {"-5", {}},     {"0x0000000005", {}}, {"32", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MacroTableBuilder::ParseFirstEventType(c.text), c.type) << '"' << c.text << '"';
    }
}

// The real builder behind the profile storage: loading a profile re-encodes the macros of record.ini.
TEST(MacroTableBuilder, LoadingAProfileRebuildsItsMacroTable) {
    MemoryFileSystem memory;
    memory.PutText(kFolder + "str.ini", "[Profile]\r\nItemCount=1\r\nItem0=P\r\nCurProfileName=P\r\n");
    ProfileSettings stored{};
    std::memset(stored.MacroBlockTable, 0x77, sizeof stored.MacroBlockTable);
    memory.Put(kFolder + "config0.bin", ProfileFile::Encode(stored));
    memory.PutText(kPath, kThreeMacros);

    test::RecordingDebugOutput debug;
    FixedDataFolderLocator folders(kFolder);
    test::StorageCollaborators effects;
    MacroTableBuilder macros(memory);
    ProfileSession session;
    ProfileStorage storage(session, {memory, debug, folders, macros, effects, effects});
    storage.LoadProfile();

    EXPECT_EQ(TableOf(session.Working), ExpectedThree(0x05, 0x77));
}

} // namespace
} // namespace corvalith
