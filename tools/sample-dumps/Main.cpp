// tessaview-sample-dumps FOLDER: writes the sample screen dumps into FOLDER.
#include "tools/sample-dumps/SampleDumps.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Usage: tessaview-sample-dumps FOLDER\n", stderr);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    for (const SampleDump& sample : sampleDumps()) {
        const std::filesystem::path path = folder / sample.fileName;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(sample.bytes.data()),
                  std::streamsize(sample.bytes.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "tessaview-sample-dumps: %s: cannot write\n", path.c_str());
            return 1;
        }
        std::printf("%s\n", path.c_str());
    }
    return 0;
}
