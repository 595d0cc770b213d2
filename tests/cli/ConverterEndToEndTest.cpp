// The real tessaview-convert binary, run as a child process.
#include "conversion/ModeAndPalette.h"
#include "conversion/PhysicalColour.h"
#include "conversion/ScreenDumpDecoder.h"
#include "conversion/ScreenMode.h"
#include "imaging/BmpWriter.h"
#include "tests/cli/ConverterProcess.h"
#include "tests/cli/PictureFiles.h"
#include "tests/support/TemporaryFolder.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string usagePointer = "Try 'tessaview-convert --help' for more information.\n";

std::vector<std::uint8_t> randomBytes(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(count);
    for (std::uint8_t& byte : bytes) {
        byte = std::uint8_t(random());
    }
    return bytes;
}

LogicalPalette paletteOf(int modeNumber, const std::vector<PhysicalColour>& entries) {
    LogicalPalette palette = defaultPaletteFor(modeNumber);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        palette[i] = physicalColourValue(entries[i]);
    }
    return palette;
}

// What the core makes of the dump: the BMP of the picture or of the preview.
std::vector<std::uint8_t> expectedBmp(const std::string& dump, int modeNumber,
                                      const LogicalPalette& palette, bool preview = false) {
    ConverterState state;
    applyScreenMode(state, modeNumber);
    setPalette(state, palette);
    ImageStore store;
    HeadlessDecoderSeam seam;
    ScreenDumpDecoder decoder(state, store, seam);
    EXPECT_EQ(decoder.convertScreenDump(dump, state.width, state.height, state.bitsPerPixel), dump);
    return encodeBmp(*store.image(preview ? previewSlot : pictureSlot));
}

std::vector<std::uint8_t> expectedBmp(const std::string& dump, int modeNumber) {
    return expectedBmp(dump, modeNumber, defaultPaletteFor(modeNumber));
}

class Converter : public testing::Test {
protected:
    TemporaryFolder folder;

    std::string dump(const std::string& name, std::size_t bytes, unsigned seed = 1) {
        const std::string path = folder.file(name);
        fs::create_directories(fs::path(path).parent_path());
        writeWholeFile(path, randomBytes(bytes, seed));
        return path;
    }

    ConverterRun run(const std::vector<std::string>& arguments, bool terminal = false) {
        return runConverter(arguments, {folder.path().string(), terminal});
    }

    std::vector<std::uint8_t> file(const std::string& name) const {
        return readWholeFile(folder.file(name));
    }
};

TEST_F(Converter, VersionAndHelp) {
    ConverterRun result = run({"--version"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardOutput, "tessaview-convert 0.7.7.2\n");
    EXPECT_EQ(result.standardError, "");

    result = run({"--help"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_TRUE(result.standardOutput.starts_with(
        "Usage: tessaview-convert [--mode N] [--palette LIST] [--preview] [--format bmp|png]\n"))
        << result.standardOutput;
    EXPECT_NE(result.standardOutput.find("Examples:\n  tessaview-convert "), std::string::npos);
    EXPECT_EQ(result.standardError, "");
}

TEST_F(Converter, UsageErrorExitsWithTwoAndAPointerToHelp) {
    dump("d", 20480);
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--mode", "3", "d"}, "invalid mode '3': use 0, 1, 2, 4 or 5"},
        {{"--format", "tiff", "d"}, "invalid format 'tiff': use bmp or png"},
        {{"-o", "x.bmp", "d", "d"}, "-o takes a single dump; use --output-dir for several"},
        {{"--bogus", "d"}, "unknown option '--bogus'"},
        {{}, "no dump given"},
    };
    for (const auto& [arguments, message] : cases) {
        const ConverterRun result = run(arguments);
        EXPECT_EQ(result.exitStatus, 2);
        EXPECT_EQ(result.standardError, "tessaview-convert: " + message + "\n" + usagePointer);
        EXPECT_EQ(result.standardOutput, "");
    }
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"d"});
}

TEST_F(Converter, WithoutOptionsConvertsInModeTwoBesideTheDump) {
    const std::string path = dump("$.SCREEN", 20480);
    const ConverterRun result = run({"$.SCREEN"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "");
    EXPECT_EQ(file("$.SCREEN.bmp"), expectedBmp(path, 2));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"$.SCREEN", "$.SCREEN.bmp"}));
}

struct ModePaletteCase {
    int modeNumber;
    std::string palette; // empty: no --palette
    std::vector<PhysicalColour> entries;

    friend void PrintTo(const ModePaletteCase& c, std::ostream* out) {
        *out << "mode " << c.modeNumber << " palette '" << c.palette << "'";
    }
};

class ModeAndPalette : public Converter, public testing::WithParamInterface<ModePaletteCase> {};

TEST_P(ModeAndPalette, PictureIsTheCoresWithThatPalette) {
    const ModePaletteCase c = GetParam();
    const std::string path = dump("d", 20480, 7);
    std::vector<std::string> arguments{"--mode", std::to_string(c.modeNumber)};
    if (!c.palette.empty()) {
        arguments.insert(arguments.end(), {"--palette", c.palette});
    }
    arguments.push_back("d");
    const ConverterRun result = run(arguments);
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "");
    EXPECT_EQ(file("d.bmp"), expectedBmp(path, c.modeNumber, paletteOf(c.modeNumber, c.entries)));
}

INSTANTIATE_TEST_SUITE_P(
    Table, ModeAndPalette,
    testing::Values(ModePaletteCase{0, "", {}}, ModePaletteCase{1, "", {}},
                    ModePaletteCase{2, "", {}}, ModePaletteCase{4, "", {}},
                    ModePaletteCase{5, "", {}}, ModePaletteCase{0, "blue,yellow", {4, 3}},
                    ModePaletteCase{1, "7", {7}}, ModePaletteCase{5, "GREEN,magenta,0", {2, 5, 0}},
                    ModePaletteCase{2, "7,6,5,4,3,2,1,0", {7, 6, 5, 4, 3, 2, 1, 0}}));

TEST_F(Converter, ModeZeroIsWhiteOnBlackWithoutAnyOption) {
    dump("d", 20480);
    ASSERT_EQ(run({"--mode", "0", "d"}).exitStatus, 0);
    const auto picture = readBmp(file("d.bmp"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 640);
    EXPECT_EQ(picture->height, 256);
    std::size_t white = 0;
    for (ColourValue pixel : picture->pixels) {
        ASSERT_TRUE(pixel == 0x000000 || pixel == 0xFFFFFF) << pixel;
        white += pixel == 0xFFFFFF;
    }
    EXPECT_GT(white, 0u);
}

TEST_F(Converter, PreviewIsTheCoresPreview) {
    const std::string path = dump("d", 10001);
    const ConverterRun result = run({"--mode", "1", "--preview", "--quiet", "d"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(file("d.bmp"), expectedBmp(path, 1, defaultPaletteFor(1), true));
    const auto picture = readBmp(file("d.bmp"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 640);
    EXPECT_EQ(picture->height, 2 * 128);
}

TEST_F(Converter, PngPixelsEqualTheBmps) {
    dump("d", 20480, 3);
    for (const std::string& mode : std::vector<std::string>{"0", "1", "2", "4", "5"}) {
        for (const bool preview : {false, true}) {
            std::vector<std::string> common{"--mode", mode, "d"};
            if (preview) {
                common.push_back("--preview");
            }
            auto asBmp = common;
            asBmp.insert(asBmp.end(), {"-o", "picture.bmp"});
            auto asPng = common;
            asPng.insert(asPng.end(), {"-o", "picture.PNG"});
            ASSERT_EQ(run(asBmp).exitStatus, 0);
            ASSERT_EQ(run(asPng).exitStatus, 0);
            PngHeader header;
            const auto fromPng = readPng(file("picture.PNG"), header);
            ASSERT_TRUE(fromPng.has_value()) << "mode " << mode;
            EXPECT_EQ(readBmp(file("picture.bmp")), fromPng) << "mode " << mode;
        }
    }
}

TEST_F(Converter, FormatOptionWinsOverTheExtension) {
    dump("d", 20480);
    ASSERT_EQ(run({"--format", "png", "-o", "picture.bmp", "d"}).exitStatus, 0);
    ASSERT_EQ(run({"--format", "bmp", "-o", "picture.png", "d"}).exitStatus, 0);
    PngHeader header;
    EXPECT_TRUE(readPng(file("picture.bmp"), header).has_value());
    EXPECT_TRUE(readBmp(file("picture.png")).has_value());
}

TEST_F(Converter, OutputFolderTakesTheDumpsFileName) {
    const std::string first = dump("disc1/$.TITLE", 20480, 1);
    const std::string second = dump("disc2/$.GAME", 10240, 2);
    fs::create_directory(folder.file("out"));
    const ConverterRun result =
        run({"--mode", "5", "--format", "png", "--output-dir", "out", first, "disc2/$.GAME"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "");
    std::vector<std::string> written;
    for (const auto& entry : fs::directory_iterator(folder.file("out"))) {
        written.push_back(entry.path().filename().string());
    }
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{"$.GAME.png", "$.TITLE.png"}));
    PngHeader header;
    EXPECT_EQ(readPng(file("out/$.GAME.png"), header), readBmp(expectedBmp(second, 5)));
}

TEST_F(Converter, ExistingOutputIsReplacedWhole) {
    const std::string path = dump("d", 20480);
    writeWholeFile(folder.file("d.bmp"), std::vector<std::uint8_t>(900000, 1));
    writeWholeFile(folder.file("d.png"), std::vector<std::uint8_t>(900000, 1));
    ASSERT_EQ(run({"d"}).exitStatus, 0);
    ASSERT_EQ(run({"--format", "png", "d"}).exitStatus, 0);
    EXPECT_EQ(file("d.bmp"), expectedBmp(path, 2));
    PngHeader header;
    EXPECT_EQ(readPng(file("d.png"), header), readBmp(expectedBmp(path, 2)));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"d", "d.bmp", "d.png"}));
}

TEST_F(Converter, BatchWithOneFailingMemberConvertsTheRest) {
    const std::string first = dump("a", 20480, 1);
    const std::string last = dump("c", 20480, 2);
    const ConverterRun result = run({"--mode", "1", "a", "b", "c"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.standardError, "tessaview-convert: b: missing\n");
    EXPECT_EQ(file("a.bmp"), expectedBmp(first, 1));
    EXPECT_EQ(file("c.bmp"), expectedBmp(last, 1));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a", "a.bmp", "c", "c.bmp"}));
}

TEST_F(Converter, EachReasonIsNamed) {
    dump("good", 20480);
    fs::create_directory(folder.file("folder"));
    fs::create_symlink("loop", folder.file("loop"));
    ASSERT_EQ(::mkfifo(folder.file("pipe").c_str(), 0600), 0);
    const ConverterRun result =
        run({"folder", "good", "nothing", "good/inside", "loop", "pipe", "--output-dir", "none"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.standardError, "tessaview-convert: folder: not a regular file\n"
                                    "tessaview-convert: none/good.bmp: cannot write the output\n"
                                    "tessaview-convert: nothing: missing\n"
                                    "tessaview-convert: good/inside: missing\n"
                                    "tessaview-convert: loop: unreadable\n"
                                    "tessaview-convert: pipe: not a regular file\n");
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"folder", "good", "loop", "pipe"}));
}

TEST_F(Converter, UnreadableDumpWithoutReadPermission) {
    dump("locked", 20480);
    fs::permissions(folder.file("locked"), fs::perms::none);
    // The superuser reads every file, so it runs the converter as "nobody".
    constexpr int nobody = 65534;
    const ConverterRun result =
        runConverter({"locked"}, {folder.path().string(), false, ::geteuid() == 0 ? nobody : -1});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.standardError, "tessaview-convert: locked: unreadable\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"locked"});
}

TEST_F(Converter, OutputThatIsOneOfTheDumpsIsRefused) {
    const std::vector<std::uint8_t> original = randomBytes(20480, 1);
    writeWholeFile(folder.file("d"), original);
    writeWholeFile(folder.file("d.bmp"), original);
    fs::create_symlink("d", folder.file("link"));
    fs::create_hard_link(folder.file("d"), folder.file("hard"));
    fs::create_directory(folder.file("sub"));

    ConverterRun result = run({"-o", "d", "d"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.standardError, "tessaview-convert: d: cannot write the output: it is one of "
                                    "the dumps\n");
    for (const std::string& other : std::vector<std::string>{"./d", "sub/../d", "link", "hard"}) {
        result = run({"-o", other, "d"});
        EXPECT_EQ(result.exitStatus, 1) << other;
        EXPECT_EQ(result.standardError, "tessaview-convert: " + other +
                                            ": cannot write the output: it is one of the dumps\n");
    }
    // d's picture would go over the dump d.bmp; d.bmp's own goes to d.bmp.bmp.
    result = run({"d", "d.bmp"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.standardError,
              "tessaview-convert: d.bmp: cannot write the output: it is one of the dumps\n");
    EXPECT_EQ(file("d"), original);
    EXPECT_EQ(file("d.bmp"), original);
    EXPECT_TRUE(fs::is_symlink(folder.file("link")));
    EXPECT_EQ(file("d.bmp.bmp"), expectedBmp(folder.file("d.bmp"), 2));
}

TEST_F(Converter, ShortDumpsWarnWithTheirLineCount) {
    dump("short", 10001);
    dump("full", 20480);
    dump("half", 10240);
    ConverterRun result = run({"--mode", "0", "short", "full"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "tessaview-convert: short: warning: short dump: 125 of 256 "
                                    "lines\n");
    // 10240 bytes are a full screen in Mode 4, half of one in Mode 0.
    result = run({"--mode", "4", "half"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "");
    result = run({"--mode", "0", "half"});
    EXPECT_EQ(result.standardError, "tessaview-convert: half: warning: short dump: 128 of 256 "
                                    "lines\n");
    result = run({"--quiet", "--mode", "0", "short", "half"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "");
    EXPECT_EQ(readBmp(file("short.bmp"))->height, 125);
}

TEST_F(Converter, DumpOfNoLinesGivesOneBlackPixelInEitherFormat) {
    dump("empty", 0);
    dump("tiny", 79);
    ConverterRun result = run({"--mode", "0", "empty", "tiny"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError,
              "tessaview-convert: empty: warning: short dump: 0 of 256 lines\n"
              "tessaview-convert: tiny: warning: short dump: 0 of 256 lines\n");
    result = run({"--quiet", "--mode", "0", "--format", "png", "empty"});
    EXPECT_EQ(result.exitStatus, 0);
    Picture black;
    black.width = 1;
    black.height = 1;
    black.pixels = {0};
    EXPECT_EQ(readBmp(file("empty.bmp")), black);
    EXPECT_EQ(readBmp(file("tiny.bmp")), black);
    PngHeader header;
    EXPECT_EQ(readPng(file("empty.png"), header), black);
}

TEST_F(Converter, WritesToStandardOutput) {
    const std::string path = dump("d", 20480);
    ConverterRun result = run({"--mode", "1", "-o", "-", "d"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "");
    const std::vector<std::uint8_t> expected = expectedBmp(path, 1);
    EXPECT_EQ(std::vector<std::uint8_t>(result.standardOutput.begin(), result.standardOutput.end()),
              expected);

    result = run({"--mode", "1", "--format", "png", "-o", "-", "d"});
    EXPECT_EQ(result.exitStatus, 0);
    PngHeader header;
    EXPECT_EQ(readPng({result.standardOutput.begin(), result.standardOutput.end()}, header),
              readBmp(expected));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"d"});
}

TEST_F(Converter, HugeSparseDumpDecodesItsFirstScreenOnly) {
    const std::vector<std::uint8_t> screen = randomBytes(20480, 5);
    writeWholeFile(folder.file("screen"), screen);
    writeWholeFile(folder.file("huge"), screen);
    ASSERT_EQ(::truncate(folder.file("huge").c_str(), off_t(4) << 30), 0);
    const ConverterRun result = run({"--mode", "2", "huge", "screen"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.standardError, "");
    EXPECT_EQ(file("huge.bmp"), file("screen.bmp"));
}

TEST_F(Converter, ProgressLineOnlyOnATerminalWithSeveralDumps) {
    dump("a", 20480);
    dump("b", 20480);
    ConverterRun result = run({"a", "missing", "b"}, true);
    EXPECT_EQ(result.exitStatus, 1);
    // The terminal turns each "\n" into "\r\n".
    EXPECT_EQ(result.standardError, "\r\033[K[1/3] a"
                                    "\r\033[K[2/3] missing"
                                    "\r\033[Ktessaview-convert: missing: missing\r\n"
                                    "\r\033[K[3/3] b"
                                    "\r\033[K");
    result = run({"a"}, true);
    EXPECT_EQ(result.standardError, "");
    result = run({"--quiet", "a", "b"}, true);
    EXPECT_EQ(result.standardError, "");
    result = run({"a", "b"});
    EXPECT_EQ(result.standardError, "");
}

} // namespace
