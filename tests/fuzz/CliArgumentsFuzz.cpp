// libFuzzer target: any bytes as the command line of corvalith-cli, one argument per NUL-separated part,
// run against a data folder in memory (a valid profile "p.bin", a short file "s.bin", a macros file "r.ini")
// and a virtual mouse, plugged in except for `watch`, which would wait for events until interrupted. No
// command line may crash the tool; it ends with status 0, 1 (no mouse) or 2 (bad input), bad input gets
// its message on the error stream and nothing on the output, and no file is ever written.
#include "FuzzFolder.h"
#include "cli/CliApp.h"
#include "profile/ProfileFile.h"
#include "sim/SimulatedClock.h"
#include "sim/VirtualMouse.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvalith;
    std::vector<std::string> arguments;
    if (size != 0) {
        arguments.emplace_back();
        for (std::size_t i = 0; i < size; ++i) {
            if (data[i] == 0) {
                arguments.emplace_back();
            } else {
                arguments.back().push_back(static_cast<char>(data[i]));
            }
        }
    }

    fuzz::FuzzFolder folder;
    folder.files["p.bin"] = ProfileFile::Encode(ProfileSettings::FactoryDefaults());
    folder.files["s.bin"] = {1, 2, 3};
    const std::string macros =
        "[MacroName]\r\nMacroCount=1\r\n0=M\r\n[M]\r\nMacroLoopTimes=2\r\nItemCount=2\r\n"
        "Item0=A   Dn\r\nItem1=A   Up\r\n";
    folder.files["r.ini"].assign(macros.begin(), macros.end());

    TraceWriter trace;
    SimulatedClock clock(trace);
    const bool plugged = arguments.empty() || arguments[0] != "watch";
    std::ostringstream out;
    std::ostringstream err;
    CliApp app({[&] {
                    auto mouse = std::make_unique<VirtualMouse>(trace);
                    if (plugged) {
                        mouse->Plug();
                    }
                    return std::unique_ptr<IHidSystem>(std::move(mouse));
                },
                clock, folder, out, err, false, "state/mouse-state.bin"});
    const int status = app.Run(arguments);

    if (status != 0 && status != CliApp::kNoMouse && status != CliApp::kBadInput) {
        std::abort();
    }
    const std::string errors = err.str();
    if (status == CliApp::kBadInput &&
        (!out.str().empty() || !errors.starts_with("corvalith-cli: ") || !errors.ends_with('\n'))) {
        std::abort();
    }
    if (folder.writes != 0) {
        std::abort();
    }
    return 0;
}
