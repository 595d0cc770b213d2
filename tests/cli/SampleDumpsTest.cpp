// The committed samples: made again identically by their tool, each a screen
// of its mode in all of the mode's colours.
#include "conversion/ModeAndPalette.h"
#include "conversion/ScreenDumpDecoder.h"
#include "conversion/ScreenMode.h"
#include "tests/cli/ConverterProcess.h"
#include "tests/support/TemporaryFolder.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace {

const std::string samples = TESSAVIEW_SAMPLES_FOLDER;

struct SampleCase {
    std::string fileName;
    int modeNumber;
    int lines;

    friend void PrintTo(const SampleCase& c, std::ostream* out) { *out << c.fileName; }
};

const std::vector<SampleCase> sampleCases = {
    {"mode0-basic-listing.bin", 0, 256}, {"mode1-sunset.bin", 1, 256},
    {"mode2-colour-chart.bin", 2, 256},  {"mode4-maze.bin", 4, 256},
    {"mode5-breakout.bin", 5, 256},      {"mode1-short-loading.bin", 1, 99},
};

TEST(SampleDumps, ToolMakesTheCommittedFilesAgain) {
    TemporaryFolder folder;
    const std::string command = std::string("'") + TESSAVIEW_SAMPLE_DUMPS_PATH + "' '" +
                                folder.path().string() + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::vector<std::string> expected;
    for (const SampleCase& c : sampleCases) {
        expected.push_back(c.fileName);
        EXPECT_EQ(readWholeFile(folder.file(c.fileName)), readWholeFile(samples + "/" + c.fileName))
            << c.fileName;
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.entries(), expected);
}

class Sample : public testing::TestWithParam<SampleCase> {};

TEST_P(Sample, FillsItsScreenInEveryColourOfItsMode) {
    const SampleCase c = GetParam();
    const ScreenMode& mode = *findScreenMode(c.modeNumber);
    ConverterState state;
    applyScreenMode(state, c.modeNumber);
    // Each logical colour painted in its own colour, so that they can be told apart.
    setPalette(state,
               {0x000000, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF});
    ImageStore store;
    HeadlessDecoderSeam seam;
    ScreenDumpDecoder decoder(state, store, seam);
    const std::string path = samples + "/" + c.fileName;
    ASSERT_EQ(decoder.convertScreenDump(path, mode.width, mode.height, mode.bitsPerPixel), path);
    EXPECT_EQ(decoder.lastPictureHeight(), c.lines);
    const RasterImage& picture = *store.image(pictureSlot);
    std::set<ColourValue> used;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            used.insert(picture.pixelAt(x, y));
        }
    }
    EXPECT_EQ(used.size(), std::size_t(std::min(mode.logicalColours(), 8)));
}

INSTANTIATE_TEST_SUITE_P(All, Sample, testing::ValuesIn(sampleCases));

TEST(SampleDumps, ShortSampleConvertsWithItsWarning) {
    TemporaryFolder folder;
    const ConverterRun result =
        runConverter({"--mode", "1", "--output-dir", folder.path().string(),
                      samples + "/mode1-short-loading.bin", samples + "/mode1-sunset.bin"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "tessaview-convert: " + samples +
                                        "/mode1-short-loading.bin: warning: short dump: 99 of "
                                        "256 lines\n");
    EXPECT_EQ(folder.entries(),
              (std::vector<std::string>{"mode1-short-loading.bin.bmp", "mode1-sunset.bin.bmp"}));
}

} // namespace
