// Runs a fuzz target over its saved inputs without libFuzzer: every file in the folder named, in name order. A failed
// check aborts the program; an empty or missing folder is an error too, so a lost corpus cannot pass.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    namespace fs = std::filesystem;
    std::error_code error;
    std::vector<fs::path> inputs;
    for (const fs::directory_entry &entry : fs::directory_iterator(argc == 2 ? argv[1] : "", error))
        inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty())
        return std::fprintf(stderr, "usage: %s CORPUS-FOLDER: no input found\n", argv[0]), 2;
    for (const fs::path &path : inputs) {
        std::ifstream file(path, std::ios::binary);
        if (!file)
            return std::fprintf(stderr, "cannot read %s\n", path.c_str()), 2;
        const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
