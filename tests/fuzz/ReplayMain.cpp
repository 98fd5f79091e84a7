// Replays a fuzz target's corpus without libFuzzer: every file of the folders given is fed once to the
// target's LLVMFuzzerTestOneInput, in name order. A target that finds a fault aborts, which fails the
// test; an empty or missing corpus fails too, so that a target cannot lose its corpus unnoticed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i], error)) {
            if (entry.is_regular_file()) {
                inputs.push_back(entry.path());
            }
        }
        if (error) {
            std::fprintf(stderr, "cannot list %s: %s\n", argv[i], error.message().c_str());
            return 1;
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no corpus files to replay\n");
        return 1;
    }
    std::sort(inputs.begin(), inputs.end());
    for (const auto& path : inputs) {
        std::ifstream stream(path, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(stream)),
                                              std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s (%zu bytes)\n", path.filename().c_str(), bytes.size());
        // An empty vector's data() may be null; libFuzzer never passes null, so neither does the replay.
        static const std::uint8_t kNothing = 0;
        LLVMFuzzerTestOneInput(bytes.empty() ? &kNothing : bytes.data(), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
