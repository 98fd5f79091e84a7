// The property of the settings path: whatever the user does, in whatever order, across restarts of the
// program, the mouse, the Windows pointer settings and the stored profiles hold what they should.
//
// Each run lays down a data folder: a record.ini of a few macros (names with odd characters, some 1000
// characters long) and a profile list of two to six entries with random names, whose profiles are random
// bytes with the fields the checks read made meaningful (pointer settings in their range mostly, buttons that
// play the listed macros with captions "Macro:<name>"), starting on a random entry. It starts the program
// against a freshly plugged virtual mouse and plays a random sequence of user operations through the calls
// the windows make, the uploads going to the mouse through the device worker as in the program:
//
//   sliders, lift-off switch     settings dispatch
//   settings pages               DPI, lighting, polling rate, pointer speed, double click, scroll lines,
//                                angle snapping and pad lighting (the page models, then the notifications)
//   assignment menu              with the key and macro dialogs answered from record.ini
//   show from the tray           the profile reloaded from disk and the pages refreshed
//   factory reset
//   profile manager              opened, New, Copy, Delete, rename, a row chosen, Load (import) and Save
//                                (export) of a file pair, closed with or without a choice
//   macro manager                New, Delete (with its guard), rename; closed with OK or Cancel, then what
//                                the main window does after it closed
//   restart                      the program ends and a new one starts over the same data folder, the same
//                                mouse (which keeps its settings) and the same Windows pointer settings
//
// After every operation, once the device worker has sent everything queued:
//
//   - the mouse holds what the working profile says (each group as the mouse reports it: polling rate,
//     stage codes, mask and colours, sensitivity, button table, macro slots, lighting block and mode, and
//     lift-off: `LiftOffLevel`, or 6 with the function off), and no frame had a bad checksum;
//   - the Windows pointer settings are those the applier makes of the working profile;
//   - every button that plays a macro, in the working profile and in every stored profile, plays the macro
//     its caption names (the text after the caption's first ":"), and that macro is listed;
//   - every stored profile (config<n>.bin, str<n>.ini) the operation did not target is byte for byte what it
//     was, followed to its new position when a delete moved it;
//   - after the profile manager closed, the list's current name is the entry now active; after an export
//     the file pair holds the entry's settings; after a captions import the entry holds the captions;
//   - after a restart, the working profile and captions are what the active entry's files held.
//
//   corvalith_profile_property [--sequences N] [--steps N] [--seed S] [--keep-going]
//
// On a failure it prints the seed, the sequence and the operations up to the failing one, and exits 1;
// `--seed S --sequences 1` replays that sequence alone. With --keep-going it runs every sequence and prints
// the first failing sequence of each kind of failure, then how many sequences failed in each kind.
#include "app/ButtonAssignment.h"
#include "app/MacroRebinding.h"
#include "app/ProgramUploads.h"
#include "app/SettingsDispatch.h"
#include "assign/AssignmentCatalogue.h"
#include "assign/KeyTables.h"
#include "assign/MacroCaptionName.h"
#include "cli/QuietHost.h"
#include "device/ButtonFunctionCode.h"
#include "device/DeviceLink.h"
#include "device/LightingCommand.h"
#include "device/ProfileUploader.h"
#include "device/UploadWorker.h"
#include "doubles/MemoryFileSystem.h"
#include "doubles/ScriptedPrompts.h"
#include "ini/IniFile.h"
#include "lang/LanguageTable.h"
#include "macro/LBEditorRules.h"
#include "macro/MacroBlockEncoder.h"
#include "macro/MacroFile.h"
#include "macro/MacroList.h"
#include "macro/MacroManagerLayout.h"
#include "macro/MacroTableBuilder.h"
#include "pages/AngleSnapOptions.h"
#include "pages/DpiPageModel.h"
#include "pages/LightingPageModel.h"
#include "pages/PointerGauge.h"
#include "pages/PollingRateDial.h"
#include "pages/ScrollSpeedModel.h"
#include "platform/FixedDataFolderLocator.h"
#include "platform/RecordingMouseSettings.h"
#include "platform/TextNumber.h"
#include "profile/AssignmentKind.h"
#include "profile/CaptionFile.h"
#include "profile/ConfigDialogLayout.h"
#include "profile/PointerSettingsApplier.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileList.h"
#include "profile/ProfileListStore.h"
#include "profile/ProfileOperations.h"
#include "profile/ProfileStorage.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"
#include "support/Repeated.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace corvalith {
namespace {

const std::string kFolder = "/data/Corvalith/";
const std::string kMacrosPath = kFolder + "record.ini";
const std::string kListPath = kFolder + "str.ini";
const std::string kSection = "Setting-EN";
constexpr std::string_view kProfileSection = "Profile";
constexpr int kPositions = static_cast<int>(ProfileList::kMaxProfiles);
constexpr std::size_t kRows = AssignmentCatalogue::kAssignableSlots;
const std::uint8_t kMacroKind = static_cast<std::uint8_t>(AssignmentKind::Macro);

using Random = std::mt19937_64;
using Captions = ProfileOperations::Captions;

int Between(Random& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

using test::Repeated;

// A name as a user might type it: mostly plain, sometimes CJK, German, punctuation the files treat
// specially, or 1000 characters (within what the files keep).
std::string OddName(Random& random, int number) {
    const std::string n = std::to_string(number);
    switch (Between(random, 0, 9)) {
    case 0:
        return "连发 " + n;
    case 1:
        return "Größe=" + n;
    case 2:
        return "x]y " + n;
    case 3:
        return "semi;colon #" + n;
    case 4:
        return Repeated("长", 996) + n;
    case 5:
        return Repeated("w", 996) + n;
    default:
        return "Name " + n;
    }
}

std::optional<std::size_t> ListPosition(const std::vector<std::string>& names, const std::string& name) {
    for (std::size_t i = 0; i < names.size() && i < ProfileSettings::kMacroCount; ++i) {
        if (LBEditorRules::SameName(names[i], name)) {
            return i;
        }
    }
    return std::nullopt;
}

std::string ConfigPath(int n) {
    return kFolder + "config" + std::to_string(n) + ".bin";
}
std::string TextPath(int n) {
    return kFolder + "str" + std::to_string(n) + ".ini";
}

Captions ReadCaptions(test::MemoryFileSystem& files, const std::string& path) {
    return CaptionFile::Read(ini::IniFile(files, path).Load(), kSection);
}

void WriteCaptions(test::MemoryFileSystem& files, const std::string& path, const Captions& captions,
                   bool marked) {
    ini::IniFile file(files, path);
    ini::IniDocument text = file.Load();
    if (marked) {
        text.SetString(kProfileSection, "IsDefault", "Y");
    }
    CaptionFile::Put(text, kSection, captions);
    file.Store(text);
}

// A whole stored record, or nothing when the file is missing or short.
std::optional<ProfileSettings> StoredProfile(test::MemoryFileSystem& files, int n) {
    const auto bytes = files.ReadFile(ConfigPath(n), ProfileFile::kSize);
    ProfileSettings profile{};
    if (!bytes || ProfileFile::Decode(*bytes, profile).RecordBytes != ProfileSettings::kSize) {
        return std::nullopt;
    }
    return profile;
}

// A profile of random bytes, as a hand-edited or damaged file might hold it, with the fields the checks read
// made meaningful most of the time: pointer settings and polling rate in the pages' ranges, and buttons that
// play the listed macros under captions that name them.
ProfileSettings RandomProfile(Random& random, const std::vector<std::string>& macros, Captions& captions,
                              int number) {
    ProfileSettings profile;
    for (std::size_t i = 0; i < ProfileSettings::kSize; ++i) {
        profile.Bytes()[i] = static_cast<std::uint8_t>(random());
    }
    if (Between(random, 0, 4) != 0) {
        profile.PointerSpeed = static_cast<std::uint8_t>(Between(random, 1, 11));
        profile.DoubleClickSpeed = static_cast<std::uint8_t>(Between(random, 1, 11));
        profile.ScrollLines = static_cast<std::uint8_t>(Between(random, 1, 100));
        profile.ScrollOneScreen = static_cast<std::uint8_t>(Between(random, 0, 1));
        profile.ReportRate = static_cast<std::uint8_t>(1 << Between(random, 0, 3));
    }
    const bool plays = Between(random, 0, 2) != 0;
    for (std::size_t slot = 0; slot < kRows; ++slot) {
        captions[slot] = "Key " + std::to_string(number) + "." + std::to_string(slot);
        if (plays && !macros.empty() && Between(random, 0, 1) == 0) {
            profile.ButtonAssignmentKind[slot] = kMacroKind;
        }
        if (profile.ButtonAssignmentKind[slot] == kMacroKind) {
            const int index = Between(random, 0, static_cast<int>(macros.size()) - 1);
            profile.ButtonMacroIndex[slot] = static_cast<std::uint8_t>(index);
            captions[slot] = "Macro:" + macros[static_cast<std::size_t>(index)];
        }
    }
    return profile;
}

// The profile uploader, reached by the storage before the uploader exists.
class LateUploader : public IProfileUploader {
public:
    bool IsDeviceConnected() const override { return target->IsDeviceConnected(); }
    void WriteProfileToMouse() override { target->WriteProfileToMouse(); }
    void WriteLiftOffToMouse() override { target->WriteLiftOffToMouse(); }
    ProfileUploader* target = nullptr;
};

// What outlives a run of the program: the data folder, the mouse and the Windows pointer settings.
struct World {
    TraceWriter trace;
    SimulatedClock clock{trace};
    VirtualMouse mouse{trace};
    test::MemoryFileSystem files;
    RecordingMouseSettings system;
    VirtualMouse::Firmware mouseOwn; // what the mouse held when plugged in: its own reports and block
    int active = 0;                  // the list position of the profile the user has active
    int imports = 0;
};

// A running program: the main window's objects and what its start-up did.
class Program : public IProfileWindow, public IAssignmentWindow {
public:
    Program(World& world, Random& random) : world_(world), random_(random) {
        late.target = &uploader;
        uploader.SetRunner(&worker);
        table.Fill("EN");
        catalogue.emplace(table);
        assignment.emplace(session, uploads, *this);

        // Start-up, in the main window's order: the mouse, the profile and its captions, a first start's
        // defaults, the window's controls from the profile, the Windows pointer settings.
        if (link.Connect()) {
            session.Working.ProfileIndex = 0;
        }
        storage.LoadProfile();
        session.TakeSnapshot();
        storage.LoadCaptions(kSection);
        storage.InitialiseIfNew();
        session.TakeSnapshot();
        dpiPage.SetStepMode(DpiScale::StepMode::Coarse); // the mouse has been found
        RefreshPages();
        uploads.ApplyPointerSettings();
    }

    // Posted settings-changed notifications reach the main window after the handler that posted them.
    void Notify(SettingsChange change, int times) {
        for (int i = 0; i < times; ++i) {
            posted.push_back(change);
        }
    }
    void Deliver() {
        while (!posted.empty()) {
            const SettingsChange change = posted.front();
            posted.erase(posted.begin());
            dispatch.OnSettingsChanged(static_cast<std::intptr_t>(change));
        }
    }
    // The settings panel's refresh: every page shows the working profile again.
    void RefreshPages() {
        dpiPage.LoadFromProfile();
        Notify(SettingsChange::Lighting, lightingPage.SelectMode(session.Working.MouseLightMode));
        // The scroll page's box is given its text, which the page then reads back as typed.
        ScrollSpeedModel::TextChanged(session.Working, ScrollSpeedModel::BoxFor(session.Working).Text);
        padPage.SelectMode(session.Working.PadLightMode);
    }

    void ShowLoadedProfile() override { RefreshPages(); }
    void CloseProfileManager() override {}
    std::optional<std::string> ChooseKey(const std::string&) override {
        if (Between(random_, 0, 3) == 0) {
            return std::nullopt; // cancelled
        }
        return std::string(KeyTables::NameOfUsage(static_cast<std::uint8_t>(Between(random_, 0, 0xE7))));
    }
    // The macro dialog lists record.ini's macros.
    std::optional<MacroResult> ChooseMacro(const std::optional<AssignmentCatalogue::MacroPreset>&) override {
        const auto names = MacroFile(world_.files, kMacrosPath).ReadList();
        if (names.empty() || Between(random_, 0, 3) == 0) {
            return std::nullopt;
        }
        const int count = static_cast<int>(std::min(names.size(), ProfileSettings::kMacroCount));
        const int index = Between(random_, 0, count - 1);
        return MacroResult{index, static_cast<std::uint8_t>(Between(random_, 0, 2)),
                           names[static_cast<std::size_t>(index)]};
    }
    void ShowCaption(std::size_t) override {}

    World& world_;
    Random& random_;
    QuietHost quiet;
    DeviceLink link{world_.mouse, world_.clock, quiet, [](std::uint8_t) {}};
    FixedDataFolderLocator folder{kFolder};
    MacroTableBuilder macros{world_.files};
    PointerSettingsApplier pointer{world_.system, quiet};
    LateUploader late;
    ProfileSession session;
    ProfileStorage storage{session, {world_.files, quiet, folder, macros, late, pointer}};
    ProfileUploader uploader{link, session, storage, quiet, quiet};
    // The mouse's waits only advance the simulated clock. Bursts settle for a millisecond instead of the
    // program's quarter of a second: the operations come microseconds apart, so bursts still wait.
    UploadWorker worker{uploader.Writer(), link, std::chrono::milliseconds(1)};
    ProgramUploads uploads{uploader, pointer, session};
    SettingsDispatch dispatch{session.Working, uploads};
    test::ScriptedPrompts prompts;
    ProfileOperations operations{session, {storage, world_.files, prompts, late, pointer, quiet}};
    ProfileListStore store{world_.files, kFolder};
    LanguageTable table;
    std::optional<AssignmentCatalogue> catalogue;
    std::optional<ButtonAssignment> assignment;
    DpiPageModel dpiPage{session.Working, session.AppliedSnapshot};
    LightingPageModel lightingPage{session.Working, LightingPageModel::Target::Mouse};
    LightingPageModel padPage{session.Working, LightingPageModel::Target::Pad};
    std::vector<SettingsChange> posted;
};

// The data folder of a fresh run: record.ini and the profile list, the user active on a random entry.
void LayDown(World& world, Random& random) {
    test::MemoryFileSystem& files = world.files;
    MacroFile record(files, kMacrosPath);
    std::vector<std::string> macros;
    const bool colons = Between(random, 0, 7) == 0;
    const int macroCount = Between(random, 1, 6);
    for (int i = 0; i < macroCount; ++i) {
        std::string name = i == 0 ? "Macro_1" : OddName(random, i);
        if (!MacroFile::IsStorableName(name)) {
            name = "Macro_" + std::to_string(i + 1);
        }
        if (colons && i == 1) {
            name = "Game:Jump";
        }
        if (ListPosition(macros, name)) {
            continue;
        }
        record.WriteLoopCount(name, 1);
        record.WriteMacro(Macro{name, "1", 0, {"A   Dn", "50 ms", "A   Up"}});
        macros.push_back(name);
    }
    record.WriteList(macros);

    const int count = Between(random, 2, kPositions);
    std::string list = "[Profile]\r\nItemCount=" + std::to_string(count) + "\r\n";
    std::vector<std::string> names;
    for (int n = 0; n < count; ++n) {
        std::string name = Between(random, 0, 1) == 0 ? "P" + std::to_string(n) : OddName(random, 100 + n);
        names.push_back(name);
        list += "Item" + std::to_string(n) + "=" + name + "\r\n";
        Captions captions;
        files.Put(ConfigPath(n), ProfileFile::Encode(RandomProfile(random, macros, captions, n)));
        WriteCaptions(files, TextPath(n), captions, true);
    }
    world.active = Between(random, 0, count - 1);
    files.PutText(kListPath, list + "CurProfileName=" + names[static_cast<std::size_t>(world.active)] +
                                 "\r\n[Skins]\r\nLan=EN\r\n");
    world.mouse.Plug();
    world.mouseOwn = world.mouse.State();
}

// What one operation may change on disk: the stored profiles it targets (by their position afterwards), and
// where each other stored profile went (its position afterwards, from its position before).
struct Effect {
    std::string Description;
    std::set<int> Targets;
    std::map<int, int> MovedFrom; // position afterwards -> position before; the rest stay where they were
    std::optional<std::string> Failure; // a check of the operation's own
};

template <typename Array> bool Same(const Array& held, const std::uint8_t* expected, std::size_t count) {
    return std::memcmp(held.data(), expected, count) == 0;
}

// The first setting the mouse holds differently from the working profile, or nothing.
std::optional<std::string> Mismatch(const World& world, const ProfileSettings& p) {
    const VirtualMouse::Firmware held = world.mouse.State();
    const VirtualMouse::Firmware& own = world.mouseOwn;
    if (held.RejectedFrames != 0) {
        return "a frame with a bad checksum";
    }
    if (held.PollingRate != p.ReportRate || held.PollingExtra != own.PollingExtra) {
        return "polling rate";
    }
    std::uint8_t mask = 0x80;
    for (std::size_t stage = 0; stage < ProfileSettings::kDpiStages; ++stage) {
        if (held.StageCodes[stage] != static_cast<std::uint8_t>(p.DpiValuesB[stage] - 1)) {
            return "stage code " + std::to_string(stage);
        }
        mask = static_cast<std::uint8_t>(mask | (p.DpiStageEnabled[stage] != 0 ? 1u << stage : 0u));
    }
    if (held.StageMask != mask || held.CurrentStage != own.CurrentStage) {
        return "stage mask or current stage";
    }
    std::array<std::uint8_t, 64> colours{};
    std::memcpy(colours.data(), p.DpiStageColors, ProfileSettings::kDpiStages * sizeof(Rgb));
    if (held.StageColours != colours) {
        return "stage colours";
    }
    if (held.SensitivityX != static_cast<std::uint8_t>(p.SensitivityX * 20) ||
        held.SensitivityY != static_cast<std::uint8_t>(p.SensitivityY * 20)) {
        return "sensitivity";
    }
    const auto buttons = ButtonFunctionCode::Table(p);
    if (!Same(held.ButtonTable, buttons.data(), buttons.size())) {
        return "button table";
    }
    // A block encoded as the macro manager closes with OK starts with event type 0x32, one built from
    // record.ini at a load with 0x05: the same macro either way.
    constexpr std::size_t kFirstType = 2;
    const auto firstType = [](std::uint8_t type) {
        return type == MacroBlockEncoder::kFirstTypeFromFile ||
               type == MacroBlockEncoder::kFirstTypeOnManagerOk;
    };
    // Only the blocks a button plays: a load rebuilds the others from record.ini without sending them.
    std::array<bool, ProfileSettings::kMacroCount> played{};
    for (std::size_t row = 0; row < kRows; ++row) {
        if (p.ButtonAssignmentKind[row] == kMacroKind && p.ButtonMacroIndex[row] < played.size()) {
            played[p.ButtonMacroIndex[row]] = true;
        }
    }
    for (std::size_t slot = 0; slot < ProfileSettings::kMacroCount; ++slot) {
        if (!played[slot]) {
            continue;
        }
        std::array<std::uint8_t, ProfileSettings::kMacroBlockSize> block;
        std::copy_n(p.MacroBlockTable[slot], block.size(), block.begin());
        if (firstType(block[kFirstType]) && firstType(held.MacroSlots[slot][kFirstType])) {
            block[kFirstType] = held.MacroSlots[slot][kFirstType];
        }
        if (!Same(held.MacroSlots[slot], block.data(), block.size())) {
            return "macro slot " + std::to_string(slot);
        }
    }
    // A colour index past the palette leaves the colour the mouse holds, whichever was sent last.
    std::array<std::uint8_t, 64> block = own.LightingBlock;
    std::copy_n(held.LightingBlock.begin(), 3, block.begin());
    if (p.MouseColorIndex < ProfileSettings::kPaletteSize) {
        const Rgb colour = p.MouseColors[p.MouseColorIndex];
        block[0] = colour.Red;
        block[1] = colour.Green;
        block[2] = colour.Blue;
    }
    if (held.LightingBlock != block) {
        return "lighting block";
    }
    const Command lighting = LightingCommand::ForProfile(p);
    if (!Same(held.LightingMode, lighting.data() + 1, held.LightingMode.size())) {
        return "lighting mode";
    }
    if (held.LiftOff != (p.LiftOffEnabled != 0 ? p.LiftOffLevel : 0x06)) {
        return "lift-off";
    }
    return std::nullopt;
}

// The first button of a profile that plays another macro than its caption names, or one not listed.
std::optional<std::string> MisboundButton(const ProfileSettings& profile, const Captions& captions,
                                          const std::vector<std::string>& macros) {
    for (std::size_t slot = 0; slot < kRows; ++slot) {
        if (profile.ButtonAssignmentKind[slot] != kMacroKind) {
            continue;
        }
        const auto position = ListPosition(macros, std::string(MacroCaptionName::Of(captions[slot])));
        if (!position) {
            return "button " + std::to_string(slot) + " names a macro that is not listed";
        }
        if (profile.ButtonMacroIndex[slot] != *position) {
            return "button " + std::to_string(slot) + " plays another macro than its caption names";
        }
    }
    return std::nullopt;
}

int StoredCount(test::MemoryFileSystem& files) {
    const long long count =
        TextNumber::Parse(ini::IniFile(files, kListPath).ReadString(kProfileSection, "ItemCount"))
            .value_or(0);
    return count >= 1 && count <= kPositions ? static_cast<int>(count) : 0;
}

using Snapshot = std::map<std::string, std::vector<std::uint8_t>>;

Snapshot StoredFiles(const test::MemoryFileSystem& files) {
    Snapshot snapshot;
    for (int n = 0; n < kPositions; ++n) {
        for (const std::string& path : {ConfigPath(n), TextPath(n)}) {
            if (const auto found = files.files.find(path); found != files.files.end()) {
                snapshot[path] = found->second;
            }
        }
    }
    return snapshot;
}

// The pointer settings the applier makes of a profile.
RecordingMouseSettings PointerSettingsOf(const ProfileSettings& profile) {
    RecordingMouseSettings expected;
    QuietHost quiet;
    PointerSettingsApplier(expected, quiet).ApplyPointerSettings(profile);
    return expected;
}

// The first property that does not hold after an operation, or nothing.
std::optional<std::string> Violation(World& world, Program& program, const Snapshot& before,
                                     const Effect& effect) {
    if (effect.Failure) {
        return effect.Failure;
    }
    if (!program.worker.WaitUntilIdle(std::chrono::minutes(1))) {
        return "the device worker still has uploads to send after a minute";
    }
    const ProfileSettings& working = program.session.Working;
    if (const auto wrong = Mismatch(world, working)) {
        return "the mouse holds a different " + *wrong + " than the working profile";
    }
    const RecordingMouseSettings expected = PointerSettingsOf(working);
    const RecordingMouseSettings& system = world.system;
    if (system.LastSpeed() != expected.LastSpeed() ||
        system.LastDoubleClickTime() != expected.LastDoubleClickTime() ||
        system.LastWheelScrollLines() != expected.LastWheelScrollLines() ||
        system.LastMouse().Acceleration != expected.LastMouse().Acceleration) {
        return "the Windows pointer settings are not the working profile's";
    }
    const auto macros = MacroFile(world.files, kMacrosPath).ReadList();
    if (const auto wrong = MisboundButton(working, program.session.Captions, macros)) {
        return "in the working profile " + *wrong;
    }
    const int count = StoredCount(world.files);
    for (int n = 0; n < count; ++n) {
        const auto stored = StoredProfile(world.files, n);
        if (stored) {
            if (const auto wrong = MisboundButton(*stored, ReadCaptions(world.files, TextPath(n)), macros)) {
                return "in stored profile " + std::to_string(n) + " " + *wrong;
            }
        }
        if (effect.Targets.contains(n)) {
            continue;
        }
        const auto moved = effect.MovedFrom.find(n);
        const int from = moved == effect.MovedFrom.end() ? n : moved->second;
        const std::pair<std::string, std::string> pairs[] = {{ConfigPath(n), ConfigPath(from)},
                                                             {TextPath(n), TextPath(from)}};
        for (const auto& [now, was] : pairs) {
            const auto old = before.find(was);
            const auto found = world.files.files.find(now);
            const bool had = old != before.end();
            const bool has = found != world.files.files.end();
            if (had != has || (had && old->second != found->second)) {
                return "stored profile " + std::to_string(n) + " changed (" + now.substr(kFolder.size()) +
                       "), which the operation did not target";
            }
        }
    }
    return std::nullopt;
}

// A click on the scroll-speed page at a random point, as the page takes it; returns where.
std::string ScrollPageClick(Program& program, Random& random) {
    ProfileSettings& working = program.session.Working;
    const int x = Between(random, 0, 200);
    const int y = Between(random, 10, 65);
    const ScrollSpeedModel::BoxChange change = ScrollSpeedModel::Click(working, x, y);
    if (change.Text) {
        ScrollSpeedModel::TextChanged(working, *change.Text);
    }
    program.Notify(SettingsChange::Scroll, 1);
    return std::to_string(x) + "," + std::to_string(y);
}

// --- operations -------------------------------------------------------------------------------------------

Effect SettingsOperation(World& world, Program& program, Random& random) {
    ProfileSettings& working = program.session.Working;
    Effect effect;
    effect.Targets = {world.active};
    std::string& d = effect.Description;
    switch (Between(random, 0, 17)) {
    case 0: {
        const int slider = Between(random, 0, 1) == 0 ? 2025 : 2026;
        const int position = Between(random, 1, 11);
        program.dispatch.OnSlider(slider, position);
        d = "axis slider " + std::to_string(slider) + " at " + std::to_string(position);
        break;
    }
    case 1: {
        const int position = Between(random, 0, 6);
        program.dispatch.OnSlider(2046, position);
        d = "lift-off slider at " + std::to_string(position);
        break;
    }
    case 2: {
        const bool on = Between(random, 0, 1) == 1;
        program.dispatch.OnSwitch(on ? MainWindowLayout::SwitchPress::On
                                     : MainWindowLayout::SwitchPress::Off);
        d = std::string("lift-off switch ") + (on ? "on" : "off");
        break;
    }
    case 3: {
        const int x = Between(random, 0, 240);
        const int y = Between(random, 0, 230);
        program.Notify(SettingsChange::Dpi, program.dpiPage.Click(x, y, "").Notifications);
        d = "DPI page click at " + std::to_string(x) + "," + std::to_string(y);
        break;
    }
    case 4: {
        const int stage = Between(random, 0, 6);
        const int position = Between(random, 0, 130);
        program.Notify(SettingsChange::Dpi, program.dpiPage.SliderReleased(stage, position, ""));
        d = "DPI slider " + std::to_string(stage) + " released at " + std::to_string(position);
        break;
    }
    case 5: {
        const int stage = Between(random, 0, 6);
        const std::string text = std::to_string(Between(random, 0, 13000));
        program.Notify(SettingsChange::Dpi, program.dpiPage.Commit(stage, text));
        d = "DPI stage " + std::to_string(stage) + " typed " + text;
        break;
    }
    case 6: {
        const int x = Between(random, 0, 300);
        const int y = Between(random, 0, 300);
        program.Notify(SettingsChange::Lighting, program.lightingPage.Click(x, y));
        d = "lighting page click at " + std::to_string(x) + "," + std::to_string(y);
        break;
    }
    case 7: {
        const int slider = Between(random, 0, 12);
        const int position = Between(random, 0, 10);
        program.Notify(SettingsChange::Lighting, program.lightingPage.SliderReleased(slider, position));
        d = "lighting slider " + std::to_string(slider) + " released at " + std::to_string(position);
        break;
    }
    case 8: {
        const int swatch = Between(random, 0, LightingPageModel::kSwatches - 1);
        const Rgb colour{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                         static_cast<std::uint8_t>(random())};
        program.Notify(SettingsChange::Lighting, program.lightingPage.ColourChosen(swatch, colour));
        d = "lighting colour chosen for swatch " + std::to_string(swatch);
        break;
    }
    case 9: {
        const int x = Between(random, 0, 250);
        const int y = Between(random, 0, 140);
        if (const auto rate = PollingRateDial::Click(x, y, working.ReportRate)) {
            working.ReportRate = *rate;
            program.Notify(SettingsChange::PollingRate, 1);
        }
        d = "polling dial click at " + std::to_string(x) + "," + std::to_string(y);
        break;
    }
    case 10:
    case 11: {
        const int slot = Between(random, 0, 6);
        const auto& entries = program.catalogue->Entries();
        const bool macro = Between(random, 0, 2) == 0;
        int command = 0;
        if (macro) {
            for (const auto& entry : entries) {
                if (program.catalogue->CaptionNamesMacro(entry.Text)) {
                    command = entry.CommandId;
                }
            }
        }
        if (command == 0) {
            command = Between(random, 0, 9) == 0
                          ? Between(random, 1001, 4000)
                          : entries[static_cast<std::size_t>(
                                        Between(random, 0, static_cast<int>(entries.size()) - 1))]
                                .CommandId;
        }
        program.assignment->MenuClosed(static_cast<std::size_t>(slot));
        program.assignment->Choose(*program.catalogue, command);
        d = "button " + std::to_string(slot) + " given command " + std::to_string(command);
        break;
    }
    case 12:
    case 13: {
        // The pointer-speed and double-click pages: a click on the gauge stores the level and notifies.
        const bool speed = Between(random, 0, 1) == 0;
        std::uint8_t& level = speed ? working.PointerSpeed : working.DoubleClickSpeed;
        const int x = Between(random, 40, 200);
        const int y = Between(random, 10, 100);
        if (const auto click = PointerGauge::ClickAt(x, y, level)) {
            level = static_cast<std::uint8_t>(click->Level);
            program.Notify(speed ? SettingsChange::PointerSpeed : SettingsChange::DoubleClick, 1);
        }
        d = std::string(speed ? "pointer speed" : "double-click") + " page click at " + std::to_string(x) +
            "," + std::to_string(y);
        break;
    }
    case 14:
        d = "scroll page click at " + ScrollPageClick(program, random);
        break;
    case 15: {
        // Typing into the lines box stores the count; it reaches Windows with the next click on the page.
        const std::string text = std::to_string(Between(random, 0, 120));
        ScrollSpeedModel::TextChanged(working, text);
        d = "scroll lines typed " + text + ", then a click at " + ScrollPageClick(program, random);
        break;
    }
    case 16: {
        const bool on = Between(random, 0, 1) == 0;
        const Rect toggle = on ? AngleSnapOptions::kOnToggle : AngleSnapOptions::kOffToggle;
        AngleSnapOptions::Click(working, toggle.Left + 1, toggle.Top + 1);
        d = std::string("angle snapping ") + (on ? "on" : "off");
        break;
    }
    default: {
        const int x = Between(random, 0, 300);
        const int y = Between(random, 0, 300);
        program.padPage.Click(x, y);
        d = "pad lighting page click at " + std::to_string(x) + "," + std::to_string(y);
        break;
    }
    }
    program.Deliver();
    return effect;
}

// The main window's show: the profile reloaded from disk, the window's controls and pages refreshed.
Effect Show(World& world, Program& program) {
    program.storage.LoadProfile();
    program.storage.LoadCaptions(kSection);
    program.RefreshPages();
    program.Deliver();
    return {"show the window", {world.active}, {}, {}};
}

Effect Reset(World& world, Program& program) {
    program.storage.FactoryReset(kSection);
    program.RefreshPages();
    program.storage.SaveCaptions(kSection);
    program.Deliver();
    return {"factory reset", {world.active}, {}, {}};
}

// A file pair to import: a whole profile whose buttons play listed macros, or a profile file of the wrong
// size beside captions that keep the target's macro captions (only the captions come in).
std::string ImportFile(World& world, Program& program, Random& random, int target, bool whole,
                       Captions& captions) {
    const std::string stem = "/import/pair" + std::to_string(world.imports++);
    const auto macros = MacroFile(world.files, kMacrosPath).ReadList();
    if (whole) {
        // As an export of this installation: its macro blocks are record.ini's.
        ProfileSettings profile = RandomProfile(random, macros, captions, 50);
        MacroTableBuilder(world.files).RebuildMacroBlockTable(kMacrosPath, profile);
        world.files.Put(stem + ".bin", ProfileFile::Encode(profile));
    } else {
        world.files.Put(stem + ".bin", std::vector<std::uint8_t>(10, 0x5A));
        const bool active = target == world.active;
        const auto stored = StoredProfile(world.files, target);
        const ProfileSettings profile = active ? program.session.Working : stored.value_or(ProfileSettings{});
        captions = active ? program.session.Captions : ReadCaptions(world.files, TextPath(target));
        for (std::size_t slot = 0; slot < kRows; ++slot) {
            if (profile.ButtonAssignmentKind[slot] != kMacroKind) {
                captions[slot] = "Imported " + std::to_string(slot);
            }
        }
    }
    WriteCaptions(world.files, stem + ".ini", captions, false);
    return stem + ".bin";
}

// The profile manager: opened on the loaded profile, a few edits, perhaps a Load or Save of the selected
// entry, then closed (which stores the list and activates the selected entry).
Effect ProfileManager(World& world, Program& program, Random& random) {
    ProfileSession& session = program.session;
    const auto& texts = ConfigDialogLayout::TextsFor("EN");
    Effect effect;
    std::string& d = effect.Description;
    d = "profile manager:";

    ProfileList list = program.store.Read(session);
    if (session.LoadedProfileIndex >= 0 &&
        static_cast<std::size_t>(session.LoadedProfileIndex) < list.Count()) {
        list.Select(session.LoadedProfileIndex);
    }
    const int activeFiles = world.active;
    bool chose = false;
    std::optional<int> importedInto;
    const int edits = Between(random, 0, 3);
    for (int e = 0; e < edits; ++e) {
        const int rows = static_cast<int>(list.Count());
        const int row = Between(random, 0, std::max(rows - 1, 0));
        switch (Between(random, 0, 4)) {
        case 0:
            if (list.AddNew(texts.NamePrefix) == ProfileList::AddResult::Added) {
                chose = true;
            }
            d += " New;";
            break;
        case 1:
            // The copy is added below the list; the selection stays where it was.
            list.AddCopy(texts.Copy);
            d += " Copy;";
            break;
        case 2:
            list.Select(row);
            chose = true;
            list.DeleteSelected();
            d += " Delete row " + std::to_string(row) + ";";
            break;
        case 3: {
            if (Between(random, 0, 1) == 0) {
                list.Select(row);
                chose = true;
            }
            if (list.Selected() < 0) {
                break;
            }
            const auto position = static_cast<std::size_t>(list.Selected());
            const std::string text = OddName(random, 200 + e);
            if (const auto name =
                    LBEditorRules::Apply(LBEditorRules::Kind::ProfileName, list.Names(), position, text)) {
                list.Rename(position, *name);
            }
            d += " rename row " + std::to_string(position) + ";";
            break;
        }
        default:
            list.Select(row);
            chose = true;
            d += " choose row " + std::to_string(row) + ";";
            break;
        }
    }

    // Load or Save on the selected entry: the main window runs it for the entry's stored files at once.
    const int selected = list.Selected();
    const int transfer = Between(random, 0, 5);
    if (transfer <= 1 && selected >= 0 && list.Entries()[static_cast<std::size_t>(selected)].Files >= 0) {
        const int files = list.Entries()[static_cast<std::size_t>(selected)].Files;
        if (transfer == 0) {
            const std::string chosen = "/export/pair" + std::to_string(world.imports++);
            program.prompts.fileAnswers.push_back(chosen);
            program.operations.Run(ProfileOperations::Operation::Export, files, kSection, nullptr, program);
            d += " Save row " + std::to_string(selected) + ";";
            // The pair holds the entry's settings: the working profile's for the active entry, its stored
            // record (with the working profile's lift-off switch) for another that has one.
            std::optional<ProfileSettings> expected;
            if (files == activeFiles) {
                expected = session.Working;
            } else if (const auto stored = StoredProfile(world.files, files);
                       stored &&
                       ini::IniFile(world.files, TextPath(files)).ReadString(kProfileSection, "IsDefault") ==
                           "Y") {
                expected = *stored;
                expected->LiftOffEnabled = session.Working.LiftOffEnabled;
            }
            const auto bytes = world.files.ReadFile(chosen + ".bin", ProfileFile::kSize);
            if (expected && (!bytes || *bytes != ProfileFile::Encode(*expected))) {
                effect.Failure = "the exported pair does not hold the settings of the entry saved";
            }
        } else {
            const bool whole = Between(random, 0, 1) == 0;
            Captions captions;
            program.prompts.fileAnswers.push_back(ImportFile(world, program, random, files, whole, captions));
            program.operations.Run(ProfileOperations::Operation::Import, files, kSection, nullptr, program);
            program.Deliver();
            d += std::string(" Load ") + (whole ? "a profile" : "captions") + " into row " +
                 std::to_string(selected) + ";";
            importedInto = files;
            if (whole) {
                chose = true; // the entry loaded into is the active one from now on
            } else {
                const Captions held =
                    files == activeFiles ? session.Captions : ReadCaptions(world.files, TextPath(files));
                if (!std::equal(held.begin(), held.begin() + kRows, captions.begin())) {
                    effect.Failure = "the entry loaded into does not hold the imported captions";
                }
            }
        }
    }

    // Close: the views come back, the list is stored and the selected entry is activated.
    d += chose ? " close" : " close without a choice";
    const int closing = list.Selected() < 0 ? 0 : list.Selected();
    program.Notify(SettingsChange::ReshowPanels, 1);
    const ProfileListStore::CloseAction action = program.store.Save(list, session);
    program.Deliver();
    if (action.Operation == ProfileListStore::CloseOperation::Create) {
        program.operations.Run(ProfileOperations::Operation::Create, action.Position, kSection, nullptr,
                               program);
    } else {
        program.operations.Run(ProfileOperations::Operation::Select,
                               action.Operation == ProfileListStore::CloseOperation::None
                                   ? session.LoadedProfileIndex
                                   : action.Position,
                               kSection, nullptr, program);
    }
    program.Deliver();

    // Where every stored entry went, and which the manager targeted.
    const auto& entries = list.Entries();
    int active = -1;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const int files = entries[static_cast<std::size_t>(i)].Files;
        if (files < 0 || (importedInto && files == *importedInto)) {
            effect.Targets.insert(i);
        } else if (files != i) {
            effect.MovedFrom[i] = files;
        }
        if (files == activeFiles && files >= 0) {
            active = i;
            effect.Targets.insert(i); // the profile that was loaded may be saved before another is
        }
    }
    if (chose || active < 0) {
        active = closing;
    }
    effect.Targets.insert(active);
    world.active = active;
    const std::string current =
        ini::IniFile(world.files, kListPath).ReadString(kProfileSection, "CurProfileName");
    if (!effect.Failure && static_cast<std::size_t>(active) < entries.size() &&
        current != entries[static_cast<std::size_t>(active)].Name) {
        effect.Failure = "the profile list names another entry current than the active one (" +
                         std::to_string(active) + ")";
    }
    return effect;
}

// What the main window does once the macro manager has closed: the close's decisions, then the buttons and
// macros to the mouse when they ask for it.
void AfterMacroManager(Program& program, bool ok,
                       const std::vector<std::pair<std::string, std::string>>& renames,
                       const std::vector<std::string>& namesBefore,
                       const std::array<std::uint8_t, ProfileSettings::kMacroCount *
                                                          ProfileSettings::kMacroBlockSize>& encoded) {
    const MacroFile file(program.world_.files, kMacrosPath);
    if (MacroRebinding(program.world_.files, kFolder, kSection)
            .Close(program.session, ok, renames, namesBefore, file, encoded)) {
        program.uploads.ApplyButtons();
    }
}

// The macro manager: New, Delete and rename on record.ini as the dialog makes them, then OK or Cancel.
Effect MacroManager(World& world, Program& program, Random& random) {
    Effect effect;
    std::string& d = effect.Description;
    d = "macro manager:";
    MacroFile file(world.files, kMacrosPath);
    const std::vector<std::string> before = file.ReadList();
    std::vector<std::string> names = before;
    // The delete guard sees the captions of every profile: no button anywhere may be left naming a deleted
    // macro.
    std::vector<std::string> labels(program.session.Captions.begin(),
                                    program.session.Captions.begin() + kRows);
    for (int n = 0; n < StoredCount(world.files); ++n) {
        if (n != world.active) {
            const Captions captions = ReadCaptions(world.files, TextPath(n));
            labels.insert(labels.end(), captions.begin(), captions.begin() + kRows);
        }
    }
    std::vector<std::pair<std::string, std::string>> renames;
    const int edits = Between(random, 1, 3);
    for (int e = 0; e < edits; ++e) {
        const int index = Between(random, 0, std::max(static_cast<int>(names.size()) - 1, 0));
        switch (Between(random, 0, 2)) {
        case 0:
            if (const auto name = MacroList::NewName(names, MacroManagerLayout::TextsFor("EN").NameBase)) {
                names.push_back(*name);
                file.WriteLoopCount(*name, 1);
                file.WriteList(names);
            }
            d += " New;";
            break;
        case 1:
            if (!names.empty() && MacroList::MayDelete(names[static_cast<std::size_t>(index)], labels)) {
                const std::string name = names[static_cast<std::size_t>(index)];
                names.erase(names.begin() + index);
                file.WriteList(names);
                file.DeleteMacroSection(name);
            }
            d += " Delete " + std::to_string(index) + ";";
            break;
        default: {
            if (names.empty()) {
                break;
            }
            const std::string from = names[static_cast<std::size_t>(index)];
            const std::string text = Between(random, 0, 5) == 0 ? "Game:" + from : OddName(random, 300 + e);
            const auto to = LBEditorRules::Apply(LBEditorRules::Kind::MacroName, names,
                                                 static_cast<std::size_t>(index), text);
            d += " rename " + std::to_string(index) + ";";
            if (!to || *to == from) {
                break;
            }
            std::vector<std::string> renamed = names;
            renamed[static_cast<std::size_t>(index)] = *to;
            if (file.RenameMacro(renamed, from, *to)) {
                names = renamed;
                renames.emplace_back(from, *to);
                for (std::string& label : labels) {
                    if (LBEditorRules::SameName(MacroCaptionName::Of(label), from)) {
                        label = MacroCaptionName::Replaced(label, *to);
                    }
                }
            }
            break;
        }
        }
    }
    const bool ok = Between(random, 0, 1) == 0;
    d += ok ? " OK" : " Cancel";
    std::array<std::uint8_t, ProfileSettings::kMacroCount * ProfileSettings::kMacroBlockSize> encoded{};
    if (ok) {
        MacroTableBuilder::Build(file, 0x32, MacroTableBuilder::Table(encoded));
    }
    AfterMacroManager(program, ok, renames, before, encoded);

    // The profiles whose buttons play a macro that was renamed or moved may change.
    effect.Targets.insert(world.active);
    std::set<std::string> renamed;
    for (const auto& rename : renames) {
        renamed.insert(rename.first);
    }
    for (int n = 0; n < kPositions; ++n) {
        const auto stored = StoredProfile(world.files, n);
        if (!stored) {
            continue;
        }
        const Captions captions = ReadCaptions(world.files, TextPath(n));
        for (std::size_t slot = 0; slot < kRows; ++slot) {
            const std::string name = std::string(MacroCaptionName::Of(captions[slot]));
            if (stored->ButtonAssignmentKind[slot] == kMacroKind &&
                (renamed.contains(name) || ListPosition(before, name) != ListPosition(names, name))) {
                effect.Targets.insert(n);
            }
        }
    }
    return effect;
}

// The bytes a start may correct: a value no page can set (the load brings it into range), and the reserved
// lighting bytes the lighting pages clear when they show the profile's mode.
bool OutOfRange(const ProfileSettings& stored, const ProfileSettings& clamped, std::size_t offset) {
    return offset == offsetof(ProfileSettings, ReservedMouseLight) ||
           offset == offsetof(ProfileSettings, ReservedPadLight) ||
           clamped.Bytes()[offset] != stored.Bytes()[offset];
}

// The program ends and a new one starts: it must come back with what the active entry's files hold.
Effect Restart(World& world, std::unique_ptr<Program>& program, Random& random) {
    const auto stored = StoredProfile(world.files, world.active);
    const std::string marker =
        ini::IniFile(world.files, TextPath(world.active)).ReadString(kProfileSection, "IsDefault");
    const Captions captions = ReadCaptions(world.files, TextPath(world.active));
    program.reset();
    program = std::make_unique<Program>(world, random);
    Effect effect{"restart", {world.active}, {}, {}};
    if (!stored || marker != "Y") {
        return effect; // the start fills the profile with factory defaults
    }
    const ProfileSettings& working = program->session.Working;
    const std::size_t table = offsetof(ProfileSettings, MacroBlockTable);
    const std::size_t indexes = offsetof(ProfileSettings, ButtonMacroIndex);
    ProfileSettings clamped = *stored;
    clamped.ClampToPageRanges();
    for (std::size_t i = 0; i < ProfileSettings::kSize; ++i) {
        const bool macroIndex =
            i >= indexes && i < indexes + kRows && stored->ButtonAssignmentKind[i - indexes] == kMacroKind;
        const bool blocks = i >= table && i < table + sizeof stored->MacroBlockTable;
        if (!macroIndex && !blocks && !OutOfRange(*stored, clamped, i) &&
            working.Bytes()[i] != stored->Bytes()[i]) {
            effect.Failure = "after the restart the working profile differs at byte " + std::to_string(i) +
                             " from the active entry's stored profile";
            return effect;
        }
    }
    if (!std::equal(captions.begin(), captions.begin() + kRows, program->session.Captions.begin())) {
        effect.Failure = "after the restart the captions are not the active entry's stored captions";
    }
    return effect;
}

Effect Operate(World& world, std::unique_ptr<Program>& program, Random& random) {
    const int pick = Between(random, 0, 39);
    if (pick < 24) {
        return SettingsOperation(world, *program, random);
    }
    if (pick < 27) {
        return Show(world, *program);
    }
    if (pick < 28) {
        return Reset(world, *program);
    }
    if (pick < 33) {
        return ProfileManager(world, *program, random);
    }
    if (pick < 36) {
        return MacroManager(world, *program, random);
    }
    return Restart(world, program, random);
}

// A failure's kind: its text without the numbers, so that the same fault on another button or byte counts
// once.
std::string KindOf(const std::string& failure) {
    std::string kind;
    for (const char c : failure) {
        if (c < '0' || c > '9') {
            kind += c;
        }
    }
    return kind;
}

// Runs one sequence; the failure (with its steps printed) or nothing.
std::optional<std::string> RunSequence(std::uint64_t seed, int steps, bool print) {
    Random random(seed);
    World world;
    LayDown(world, random);
    auto program = std::make_unique<Program>(world, random);
    // The mouse as the last run left it: holding the active profile.
    program->uploader.WriteProfileToMouse();
    program->uploader.ApplyLiftOff();
    program->session.TakeSnapshot();
    std::vector<std::string> done{"start on entry " + std::to_string(world.active)};
    const auto report = [&](const std::string& failure) {
        if (print) {
            std::printf("seed %llu: after step %zu %s; the steps:\n", static_cast<unsigned long long>(seed),
                        done.size() - 1, failure.c_str());
            for (const std::string& line : done) {
                std::printf("  %s\n", line.c_str());
            }
        }
        return failure;
    };
    if (const auto wrong =
            Violation(world, *program, StoredFiles(world.files), {"start", {world.active}, {}, {}})) {
        return report(*wrong);
    }
    for (int step = 0; step < steps; ++step) {
        const Snapshot before = StoredFiles(world.files);
        const Effect effect = Operate(world, program, random);
        done.push_back(effect.Description);
        if (const auto wrong = Violation(world, *program, before, effect)) {
            return report(*wrong);
        }
    }
    return std::nullopt;
}

} // namespace
} // namespace corvalith

int main(int argc, char** argv) {
    long long sequences = 50;
    int steps = 40;
    bool keepGoing = false;
    std::uint64_t seed = std::random_device{}();
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--keep-going") {
            keepGoing = true;
        } else if (i + 1 < argc && option == "--sequences") {
            sequences = std::atoll(argv[++i]);
        } else if (i + 1 < argc && option == "--steps") {
            steps = std::atoi(argv[++i]);
        } else if (i + 1 < argc && option == "--seed") {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else {
            std::fprintf(stderr, "usage: %s [--sequences N] [--steps N] [--seed S] [--keep-going]\n",
                         argv[0]);
            return 2;
        }
    }
    std::printf("seed %llu, %lld sequences of %d operations\n", static_cast<unsigned long long>(seed),
                sequences, steps);
    // Sequence k runs on seed + k, so a failing one is replayed alone with its own seed.
    std::map<std::string, long long> failures;
    long long failed = 0;
    for (long long k = 0; k < sequences; ++k) {
        const std::uint64_t own = seed + static_cast<std::uint64_t>(k);
        std::optional<std::string> failure = corvalith::RunSequence(own, steps, false);
        if (!failure) {
            continue;
        }
        ++failed;
        const std::string kind = corvalith::KindOf(*failure);
        if (failures[kind]++ == 0) {
            corvalith::RunSequence(own, steps, true); // again, printing its steps
        }
        if (!keepGoing) {
            return 1;
        }
    }
    if (failed != 0) {
        std::printf("%lld of %lld sequences failed:\n", failed, sequences);
        for (const auto& [kind, count] : failures) {
            std::printf("  %lld x %s\n", count, kind.c_str());
        }
        return 1;
    }
    std::printf("all %lld sequences held\n", sequences);
    return 0;
}
