#include "win/support/MainWindowFixture.h"

#include "platform/win/WideString.h"
#include "profile/ProfileSettings.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace corvalith {
namespace {

using test::MainWindow;
using test::Pump;
using Bytes = std::vector<std::uint8_t>;

std::map<std::string, Bytes> FilesIn(const std::string& folder) {
    std::map<std::string, Bytes> files;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(WideString::FromUtf8(folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return files;
    }
    Win32FileSystem reader;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            const std::string name = WideString::ToUtf8(found.cFileName);
            files[name] = reader.ReadFile(folder + name, 64 << 20).value_or(Bytes{});
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

void SetReadOnly(const std::string& folder, bool readOnly) {
    for (const auto& [name, bytes] : FilesIn(folder)) {
        SetFileAttributesW(WideString::FromUtf8(folder + name).c_str(),
                           readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
    }
}

// Where a profile file holds its macro table: after the file's one-byte header.
constexpr long kTableFrom = 1 + offsetof(ProfileSettings, MacroBlockTable);
constexpr long kTableTo = kTableFrom + sizeof(ProfileSettings::MacroBlockTable);

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Garbage(std::size_t size) {
    Bytes bytes(size);
    std::uint32_t state = 0x12345678;
    for (std::uint8_t& byte : bytes) {
        state = state * 1664525 + 1013904223;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

// A data folder damaged after a first start: the program starts again over it, shows its window and opens
// a section. Every file the damage left alone is still the same afterwards (a new record.ini's macros do
// go into the profile's macro table): nothing good is replaced.
TEST(DataFolder, ADamagedFolderNeitherStopsTheProgramNorCostsTheGoodFiles) {
    std::string manyNames = "[MacroName]\r\nMacroCount=10000\r\n";
    for (int i = 0; i < 10000; ++i) {
        manyNames += std::to_string(i) + "=Macro_" + std::to_string(i) + "\r\n";
    }
    std::string manyItems = "[MacroName]\r\nMacroCount=1\r\n0=Long\r\n[Long]\r\nItemCount=100000\r\n";
    for (int i = 0; i < 100000; ++i) {
        manyItems += "Item" + std::to_string(i) + (i % 2 == 0 ? "=A   Dn\r\n" : "=A   Up\r\n");
    }
    std::string wide;
    for (const char c : std::string("[Skins]\r\nLan=EN\r\n")) {
        wide += c;
        wide += '\0'; // UTF-16LE without its byte-order mark
    }
    struct Case {
        const char* what;
        std::string file; // the file the damage replaces; empty: every file made read-only
        std::function<Bytes(const Bytes&)> damage;
    };
    const std::vector<Case> cases = {
        {"a truncated profile", "config0.bin",
         [](const Bytes& good) {
             return Bytes(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
         }},
        {"an oversized profile", "config0.bin",
         [](const Bytes& good) {
             Bytes bigger = good;
             bigger.resize(good.size() + (1 << 20), 0xA5);
             return bigger;
         }},
        {"a binary str.ini", "str.ini", [](const Bytes&) { return Garbage(4096); }},
        {"a 10 MB str.ini", "str.ini", [](const Bytes&) { return Garbage(10 << 20); }},
        {"str.ini in UTF-16 without a byte-order mark", "str.ini", [&](const Bytes&) { return Text(wide); }},
        {"record.ini with 10,000 names", "record.ini", [&](const Bytes&) { return Text(manyNames); }},
        {"record.ini with 100,000 items", "record.ini", [&](const Bytes&) { return Text(manyItems); }},
        {"read-only files", "", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TemporaryFolder folder;
        MainWindow::Setup setup;
        setup.dataFolder = folder.Path();
        { MainWindow first(setup); }
        std::map<std::string, Bytes> before = FilesIn(folder.Path());
        ASSERT_TRUE(before.contains("config0.bin"));
        if (c.file.empty()) {
            SetReadOnly(folder.Path(), true);
        } else {
            const Bytes damaged = c.damage(before[c.file]);
            Win32FileSystem().WriteFileAtomically(folder.Path() + c.file, damaged);
            before.erase(c.file);
        }
        setup.listText.clear(); // the folder keeps its own str.ini
        {
            MainWindow again(setup);
            CMouseConfigurationDlg& w = *again.window;
            ASSERT_NE(w.Controls().Header(4).CommandId(), 0U);
            EXPECT_TRUE(w.Tray().Shown());
            w.PostMessage(CMouseConfigurationDlg::kShowRequest, 1, 1);
            Pump();
            EXPECT_TRUE(w.IsWindowVisible());
            test::ClickButton(w, w.Controls().Header(1));
            EXPECT_FALSE(w.Model().Layout().IsCollapsed(MainWindowLayout::ButtonAssignment));
        }
        const std::map<std::string, Bytes> after = FilesIn(folder.Path());
        for (const auto& [name, bytes] : before) {
            const auto found = after.find(name);
            ASSERT_NE(found, after.end()) << name << " is gone";
            Bytes kept = found->second;
            if (c.file == "record.ini" && name.starts_with("config") && kept.size() >= kTableTo &&
                bytes.size() >= kTableTo) {
                // The profile's macro table follows record.ini; the rest of the profile stays.
                std::copy(bytes.begin() + kTableFrom, bytes.begin() + kTableTo, kept.begin() + kTableFrom);
            }
            EXPECT_TRUE(kept == bytes) << name << " changed";
        }
        SetReadOnly(folder.Path(), false);
    }
}

} // namespace
} // namespace corvalith
