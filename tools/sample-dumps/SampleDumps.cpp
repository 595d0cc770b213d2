#include "tools/sample-dumps/SampleDumps.h"

#include "conversion/ScreenMode.h"
#include "tools/sample-dumps/SampleScreens.h"
#include "tools/sample-dumps/ScreenMemory.h"

namespace {

// 12 character rows, 3 more scan lines' worth of bytes and 5 bytes of one
// more cell: 99 lines, the last cell completed with zero bytes.
constexpr std::size_t shortDumpBytes = 12 * 640 + 3 * 80 + 5;

SampleDump fullScreen(std::string fileName, int modeNumber, const Canvas& canvas) {
    return {std::move(fileName), screenMemoryOf(canvas, findScreenMode(modeNumber)->bitsPerPixel)};
}

} // namespace

std::vector<SampleDump> sampleDumps() {
    std::vector<SampleDump> samples;
    samples.push_back(fullScreen("mode0-basic-listing.bin", 0, drawBasicListing()));
    samples.push_back(fullScreen("mode1-sunset.bin", 1, drawSunset()));
    samples.push_back(fullScreen("mode2-colour-chart.bin", 2, drawColourChart()));
    samples.push_back(fullScreen("mode4-maze.bin", 4, drawMaze()));
    samples.push_back(fullScreen("mode5-breakout.bin", 5, drawBreakout()));
    SampleDump cut = fullScreen("mode1-short-loading.bin", 1, drawLoadingScreen());
    cut.bytes.resize(shortDumpBytes);
    samples.push_back(std::move(cut));
    return samples;
}
