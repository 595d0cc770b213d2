// Speed of the decoder and the BMP encoder on full screens.
#include "conversion/ModeAndPalette.h"
#include "conversion/ScreenDumpDecoder.h"
#include "conversion/ScreenMode.h"
#include "imaging/BmpWriter.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

std::string writeRandomScreen(int bytes) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("tessaview-bench-" + std::to_string(bytes) + ".dump");
    std::mt19937 random(42);
    std::vector<char> data(static_cast<std::size_t>(bytes));
    for (char& b : data) {
        b = char(random());
    }
    std::ofstream(path, std::ios::binary).write(data.data(), std::streamsize(data.size()));
    return path.string();
}

void decodeFullScreen(benchmark::State& run) {
    const ScreenMode& mode = *findScreenMode(int(run.range(0)));
    const std::string path = writeRandomScreen(mode.fullScreenBytes());
    ConverterState state;
    setPalette(state, defaultPaletteFor(2));
    ImageStore store;
    HeadlessDecoderSeam seam;
    ScreenDumpDecoder decoder(state, store, seam);
    for (auto _ : run) {
        benchmark::DoNotOptimize(
            decoder.convertScreenDump(path, mode.width, mode.height, mode.bitsPerPixel));
    }
    std::remove(path.c_str());
}
BENCHMARK(decodeFullScreen)
    ->ArgName("mode")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(4)
    ->Arg(5)
    ->Unit(benchmark::kMicrosecond);

void encodeMode0Bmp(benchmark::State& run) {
    const std::string path = writeRandomScreen(20480);
    ConverterState state;
    setPalette(state, defaultPaletteFor(0));
    ImageStore store;
    HeadlessDecoderSeam seam;
    ScreenDumpDecoder(state, store, seam).convertScreenDump(path, 640, 256, 1);
    const RasterImage& picture = *store.image(pictureSlot);
    for (auto _ : run) {
        benchmark::DoNotOptimize(encodeBmp(picture));
    }
    std::remove(path.c_str());
}
BENCHMARK(encodeMode0Bmp)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
