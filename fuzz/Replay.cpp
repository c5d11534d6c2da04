// The fuzz targets without libFuzzer: every file named on the command line (every file of
// a folder named, in name order) is handed to the target once. The tests replay the seed
// corpora and every past finding with it, so that a target that stops building or a fault
// that comes back is seen at once.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize != nullptr)
        LLVMFuzzerInitialize(&argc, &argv);
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const fs::path named = argv[i];
        std::error_code error;
        if (fs::is_directory(named, error)) {
            for (const auto& entry : fs::directory_iterator(named))
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
        } else if (fs::is_regular_file(named, error)) {
            inputs.push_back(named);
        } else if (!fs::exists(named, error) && named.filename() != "" && fs::is_directory(named.parent_path(), error)) {
            // A target that never had a finding has no folder of them: git keeps no empty one.
            std::fprintf(stderr, "replay: no %s yet\n", named.c_str());
        } else {
            std::fprintf(stderr, "replay: no file or folder %s\n", named.c_str());
            return 2;
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "replay: %s\n", input.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return 0;
}
