#include "cli/OutputNaming.h"

#include <gtest/gtest.h>

namespace {

struct NamingCase {
    std::string dump;
    std::string outputPath;
    std::string outputFolder;
    std::optional<OutputFormat> format;
    std::string expected;
    OutputFormat expectedFormat;

    friend void PrintTo(const NamingCase& c, std::ostream* out) {
        *out << "'" << c.dump << "' -o '" << c.outputPath << "' --output-dir '" << c.outputFolder
             << "'";
    }
};

class OutputNaming : public testing::TestWithParam<NamingCase> {};

TEST_P(OutputNaming, GivesPathAndFormat) {
    const NamingCase c = GetParam();
    ConvertOptions options;
    options.outputPath = c.outputPath;
    options.outputFolder = c.outputFolder;
    options.format = c.format;
    options.dumps = {c.dump};
    const OutputFormat format = outputFormatFor(options);
    EXPECT_EQ(format, c.expectedFormat);
    EXPECT_EQ(outputPathFor(options, c.dump, format), c.expected);
}

constexpr auto bmp = OutputFormat::Bmp;
constexpr auto png = OutputFormat::Png;

INSTANTIATE_TEST_SUITE_P(
    Table, OutputNaming,
    testing::Values(
        // Beside the dump, the extension appended to the whole name.
        NamingCase{"$.SCREEN", "", "", {}, "$.SCREEN.bmp", bmp},
        NamingCase{"dumps/title.bin", "", "", {}, "dumps/title.bin.bmp", bmp},
        NamingCase{"dumps/title.bin", "", "", png, "dumps/title.bin.png", png},
        NamingCase{"picture.bmp", "", "", {}, "picture.bmp.bmp", bmp},
        // In the output folder: only the dump's file name is kept.
        NamingCase{"dumps/$.SCREEN", "", "out", {}, "out/$.SCREEN.bmp", bmp},
        NamingCase{"/abs/x", "", "out/", png, "out/x.png", png},
        NamingCase{"x", "", "/tmp/pictures", {}, "/tmp/pictures/x.bmp", bmp},
        // -o is used exactly; its extension chooses the format unless --format does.
        NamingCase{"d", "picture", "", {}, "picture", bmp},
        NamingCase{"d", "picture.png", "", {}, "picture.png", png},
        NamingCase{"d", "picture.PNG", "", {}, "picture.PNG", png},
        NamingCase{"d", "picture.pNg", "", {}, "picture.pNg", png},
        NamingCase{"d", "picture.png.bmp", "", {}, "picture.png.bmp", bmp},
        NamingCase{"d", "picture.pngx", "", {}, "picture.pngx", bmp},
        NamingCase{"d", "png", "", {}, "png", bmp},
        NamingCase{"d", "picture.png", "", bmp, "picture.png", bmp},
        NamingCase{"d", "picture.bmp", "", png, "picture.bmp", png},
        NamingCase{"d", "-", "", {}, "-", bmp}, NamingCase{"d", "-", "", png, "-", png}));

} // namespace
