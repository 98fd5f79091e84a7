// The property of the settings path: whatever the user does, the mouse holds what the working profile says.
//
// Each run stores six random profiles, starts a host against a freshly plugged virtual mouse, and plays a
// random sequence of user operations through the calls the windows make: the sensitivity and lift-off
// sliders and switch (settings dispatch), clicks, slider releases, typed values and chosen colours on the
// DPI, lighting and polling-rate pages (the page models, then the settings-changed notifications they
// ask for), the assignment menu (with the key and macro dialogs answered), pointer settings, profile
// selection and creation in the profile manager, and the factory reset. After every operation each setting
// the mouse is sent must equal what the working profile makes of it:
//
//   polling rate          `ReportRate`; the three extra bytes as the mouse reported them
//   stage codes, mask      `DpiValuesB` minus 1 for the seven stages; bit 7 and one bit per enabled stage
//   stage colours          the seven `DpiStageColors`, then zeros
//   current stage          as the mouse reported it (the host sends it back unchanged)
//   sensitivity            `SensitivityX` and `SensitivityY` times 20 (in a byte)
//   button table           the button function codes of the profile
//   macro slots            each slot's 130 bytes of `MacroBlockTable`
//   lighting block         the mouse's own block with the colour in use in its first three bytes (a
//                          colour index past the palette leaves the colour last sent)
//   lighting mode          the lighting command of the profile
//   lift-off               `LiftOffLevel`, or 6 with the function off, as of the last lift-off change or
//                          profile select, create or reset (which send it after their whole write)
//
// and no frame may have a bad checksum. The stage codes, button codes and lighting command have golden
// tests of their own; here they are the yardstick of "what the profile says".
//
//   corvalith_profile_property [--sequences N] [--steps N] [--seed S]
//
// On a failure it prints the seed, the sequence and the operations up to the failing one, and exits 1;
// `--seed S --sequences 1` replays that sequence alone.
#include "app/ButtonAssignment.h"
#include "app/ProgramUploads.h"
#include "app/SettingsDispatch.h"
#include "assign/AssignmentCatalogue.h"
#include "assign/KeyTables.h"
#include "cli/QuietHost.h"
#include "device/ButtonFunctionCode.h"
#include "device/DeviceLink.h"
#include "device/LightingCommand.h"
#include "device/ProfileUploader.h"
#include "doubles/MemoryFileSystem.h"
#include "doubles/ScriptedPrompts.h"
#include "lang/LanguageTable.h"
#include "macro/MacroTableBuilder.h"
#include "pages/DpiPageModel.h"
#include "pages/LightingPageModel.h"
#include "pages/PollingRateDial.h"
#include "platform/FixedDataFolderLocator.h"
#include "platform/RecordingMouseSettings.h"
#include "profile/PointerSettingsApplier.h"
#include "profile/ProfileFile.h"
#include "profile/ProfileOperations.h"
#include "profile/ProfileStorage.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace corvalith {
namespace {

const std::string kFolder = "/data/Corvalith/";
const std::string kSection = "Setting-EN";
constexpr int kProfiles = 6;

using Random = std::mt19937_64;

int Between(Random& random, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
}

// A profile of random bytes: every field, valid or not, as a hand-edited or damaged file might hold it.
ProfileSettings RandomProfile(Random& random) {
    ProfileSettings profile;
    for (std::size_t i = 0; i < ProfileSettings::kSize; ++i) {
        profile.Bytes()[i] = static_cast<std::uint8_t>(random());
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

class Window : public IProfileWindow, public IAssignmentWindow {
public:
    explicit Window(Random& random) : random_(random) {}
    void ShowLoadedProfile() override {}
    void CloseProfileManager() override {}
    std::optional<std::string> ChooseKey(const std::string&) override {
        if (Between(random_, 0, 3) == 0) {
            return std::nullopt; // cancelled
        }
        return std::string(KeyTables::NameOfUsage(static_cast<std::uint8_t>(Between(random_, 0, 0xE7))));
    }
    std::optional<MacroResult> ChooseMacro(const std::optional<AssignmentCatalogue::MacroPreset>&) override {
        if (Between(random_, 0, 3) == 0) {
            return std::nullopt;
        }
        const int index = Between(random_, 0, 11);
        return MacroResult{index, static_cast<std::uint8_t>(Between(random_, 0, 2)),
                           "Macro_" + std::to_string(index + 1)};
    }
    void ShowCaption(std::size_t) override {}

private:
    Random& random_;
};

// A running program against the virtual mouse, with six stored profiles.
struct Program {
    explicit Program(Random& random) : window(random) {
        std::string list = "[Profile]\r\nItemCount=6\r\nCurProfileName=P0\r\n";
        for (int n = 0; n < kProfiles; ++n) {
            const std::string number = std::to_string(n);
            list += "Item" + number + "=P" + number + "\r\n";
            files.Put(kFolder + "config" + number + ".bin", ProfileFile::Encode(RandomProfile(random)));
            files.PutText(kFolder + "str" + number + ".ini",
                          "[Profile]\r\nIsDefault=Y\r\n[Setting-EN]\r\nItem1=Key " + number + "\r\n");
        }
        files.PutText(kFolder + "str.ini", list + "[Skins]\r\nLan=EN\r\n");
        late.target = &uploader;
        table.Fill("EN");
        catalogue.emplace(table);

        // Start-up: load the current profile, connect, write it all and the lift-off setting.
        mouse.Plug();
        mouseOwn = mouse.State();
        storage.LoadProfile();
        storage.LoadCaptions(kSection);
        link.Connect();
        uploader.WriteProfileToMouse();
        session.TakeSnapshot();
        uploader.ApplyLiftOff();
        dpiPage.SetStepMode(DpiScale::StepMode::Coarse); // the mouse has been found
        NoteLiftOff();
    }

    void NoteLiftOff() {
        liftOffSent = session.Working.LiftOffEnabled != 0 ? session.Working.LiftOffLevel : 0x06;
    }
    void Notify(SettingsChange change, int times) {
        for (int i = 0; i < times; ++i) {
            dispatch.OnSettingsChanged(static_cast<std::intptr_t>(change));
        }
    }

    TraceWriter trace;
    SimulatedClock clock{trace};
    VirtualMouse mouse{trace};
    QuietHost quiet;
    DeviceLink link{mouse, clock, quiet, [](std::uint8_t) {}};
    test::MemoryFileSystem files;
    FixedDataFolderLocator folder{kFolder};
    MacroTableBuilder macros{files};
    RecordingMouseSettings system;
    PointerSettingsApplier pointer{system, quiet};
    LateUploader late;
    ProfileSession session;
    ProfileStorage storage{session, {files, quiet, folder, macros, late, pointer}};
    ProfileUploader uploader{link, session, storage, quiet, quiet};
    ProgramUploads uploads{uploader, pointer, session};
    SettingsDispatch dispatch{session.Working, uploads};
    test::ScriptedPrompts prompts;
    ProfileOperations operations{session, {storage, files, prompts, late, pointer, quiet}};
    Window window;
    LanguageTable table;
    std::optional<AssignmentCatalogue> catalogue;
    ButtonAssignment assignment{session, uploads, window};
    DpiPageModel dpiPage{session.Working, session.AppliedSnapshot};
    LightingPageModel lightingPage{session.Working, LightingPageModel::Target::Mouse};
    std::uint8_t liftOffSent = 0;
    VirtualMouse::Firmware mouseOwn; // what the mouse held when plugged in: its own reports and block
};

// One random user operation; returns its description.
std::string Operate(Program& program, Random& random) {
    ProfileSettings& working = program.session.Working;
    switch (Between(random, 0, 13)) {
    case 0: {
        const int slider = Between(random, 0, 1) == 0 ? 2025 : 2026;
        const int position = Between(random, 1, 11);
        program.dispatch.OnSlider(slider, position);
        return "axis slider " + std::to_string(slider) + " at " + std::to_string(position);
    }
    case 1: {
        const int position = Between(random, 0, 6);
        program.dispatch.OnSlider(2046, position);
        program.NoteLiftOff();
        return "lift-off slider at " + std::to_string(position);
    }
    case 2: {
        const bool on = Between(random, 0, 1) == 1;
        program.dispatch.OnSwitch(on ? MainWindowLayout::SwitchPress::On
                                     : MainWindowLayout::SwitchPress::Off);
        program.NoteLiftOff();
        return std::string("lift-off switch ") + (on ? "on" : "off");
    }
    case 3: {
        const int x = Between(random, 0, 240);
        const int y = Between(random, 0, 230);
        const auto outcome = program.dpiPage.Click(x, y, "");
        program.Notify(SettingsChange::Dpi, outcome.Notifications);
        return "DPI page click at " + std::to_string(x) + "," + std::to_string(y);
    }
    case 4: {
        const int stage = Between(random, 0, 6);
        const int position = Between(random, 0, 130);
        program.Notify(SettingsChange::Dpi, program.dpiPage.SliderReleased(stage, position, ""));
        return "DPI slider " + std::to_string(stage) + " released at " + std::to_string(position);
    }
    case 5: {
        const int stage = Between(random, 0, 6);
        const std::string text = std::to_string(Between(random, 0, 13000));
        program.Notify(SettingsChange::Dpi, program.dpiPage.Commit(stage, text));
        return "DPI stage " + std::to_string(stage) + " typed " + text;
    }
    case 6: {
        const int x = Between(random, 0, 300);
        const int y = Between(random, 0, 300);
        program.Notify(SettingsChange::Lighting, program.lightingPage.Click(x, y));
        return "lighting page click at " + std::to_string(x) + "," + std::to_string(y);
    }
    case 7: {
        const int slider = Between(random, 0, 12);
        const int position = Between(random, 0, 10);
        program.Notify(SettingsChange::Lighting, program.lightingPage.SliderReleased(slider, position));
        return "lighting slider " + std::to_string(slider) + " released at " + std::to_string(position);
    }
    case 8: {
        const int swatch = Between(random, 0, LightingPageModel::kSwatches - 1);
        const Rgb colour{static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                         static_cast<std::uint8_t>(random())};
        program.Notify(SettingsChange::Lighting, program.lightingPage.ColourChosen(swatch, colour));
        return "lighting colour chosen for swatch " + std::to_string(swatch);
    }
    case 9: {
        const int x = Between(random, 0, 250);
        const int y = Between(random, 0, 140);
        if (const auto rate = PollingRateDial::Click(x, y, working.ReportRate)) {
            working.ReportRate = *rate;
            program.Notify(SettingsChange::PollingRate, 1);
        }
        return "polling dial click at " + std::to_string(x) + "," + std::to_string(y);
    }
    case 10: {
        const int slot = Between(random, 0, 6);
        const auto& entries = program.catalogue->Entries();
        const int command =
            Between(random, 0, 9) == 0
                ? Between(random, 1001, 4000)
                : entries[static_cast<std::size_t>(Between(random, 0, static_cast<int>(entries.size()) - 1))]
                      .CommandId;
        program.assignment.MenuClosed(slot);
        program.assignment.Choose(*program.catalogue, command);
        return "button " + std::to_string(slot) + " given command " + std::to_string(command);
    }
    case 11: {
        working.PointerSpeed = static_cast<std::uint8_t>(Between(random, 1, 10));
        program.Notify(SettingsChange::PointerSpeed, 1);
        return "pointer speed " + std::to_string(working.PointerSpeed);
    }
    case 12: {
        const int position = Between(random, 0, kProfiles - 1);
        const bool create = Between(random, 0, 3) == 0;
        if (create) {
            program.operations.Create(position, kSection, program.window);
        } else {
            program.operations.Select(position, kSection, program.window);
        }
        program.dpiPage.LoadFromProfile();
        program.NoteLiftOff();
        return std::string(create ? "create" : "select") + " profile " + std::to_string(position);
    }
    default:
        program.storage.FactoryReset(kSection);
        program.dpiPage.LoadFromProfile();
        program.NoteLiftOff();
        return "factory reset";
    }
}

template <typename Array> bool Same(const Array& held, const std::uint8_t* expected, std::size_t count) {
    return std::memcmp(held.data(), expected, count) == 0;
}

// The first setting the mouse holds differently from the working profile, or nothing.
std::optional<std::string> Mismatch(const Program& program) {
    const ProfileSettings& p = program.session.Working;
    const VirtualMouse::Firmware held = program.mouse.State();
    const VirtualMouse::Firmware& own = program.mouseOwn;
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
    for (std::size_t slot = 0; slot < ProfileSettings::kMacroCount; ++slot) {
        if (!Same(held.MacroSlots[slot], p.MacroBlockTable[slot], ProfileSettings::kMacroBlockSize)) {
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
    if (held.LiftOff != program.liftOffSent) {
        return "lift-off";
    }
    return std::nullopt;
}

bool RunSequence(std::uint64_t seed, int steps) {
    Random random(seed);
    Program program(random);
    std::vector<std::string> done;
    if (const auto wrong = Mismatch(program)) {
        std::printf("seed %llu: after start-up the mouse holds a different %s\n",
                    static_cast<unsigned long long>(seed), wrong->c_str());
        return false;
    }
    for (int step = 0; step < steps; ++step) {
        done.push_back(Operate(program, random));
        if (const auto wrong = Mismatch(program)) {
            std::printf("seed %llu: after step %d the mouse holds a different %s; the steps:\n",
                        static_cast<unsigned long long>(seed), step + 1, wrong->c_str());
            for (const std::string& line : done) {
                std::printf("  %s\n", line.c_str());
            }
            return false;
        }
    }
    return true;
}

} // namespace
} // namespace corvalith

int main(int argc, char** argv) {
    long long sequences = 50;
    int steps = 40;
    std::uint64_t seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--sequences") {
            sequences = std::atoll(argv[i + 1]);
        } else if (option == "--steps") {
            steps = std::atoi(argv[i + 1]);
        } else if (option == "--seed") {
            seed = std::strtoull(argv[i + 1], nullptr, 10);
        } else {
            std::fprintf(stderr, "usage: %s [--sequences N] [--steps N] [--seed S]\n", argv[0]);
            return 2;
        }
    }
    std::printf("seed %llu, %lld sequences of %d operations\n", static_cast<unsigned long long>(seed),
                sequences, steps);
    // Sequence k runs on seed + k, so a failing one is replayed alone with its own seed.
    for (long long k = 0; k < sequences; ++k) {
        if (!corvalith::RunSequence(seed + static_cast<std::uint64_t>(k), steps)) {
            return 1;
        }
    }
    std::printf("all %lld sequences held\n", sequences);
    return 0;
}
