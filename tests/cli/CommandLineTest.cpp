#include "cli/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Action = CommandLine::Action;

CommandLine parse(std::vector<std::string> arguments) {
    return parseCommandLine(arguments);
}

TEST(CommandLine, DefaultsAreModeTwoBmpBesideTheDump) {
    const CommandLine line = parse({"dump"});
    ASSERT_EQ(line.action, Action::Convert);
    EXPECT_EQ(line.options.modeNumber, 2);
    EXPECT_TRUE(line.options.paletteEntries.empty());
    EXPECT_FALSE(line.options.preview);
    EXPECT_FALSE(line.options.format.has_value());
    EXPECT_TRUE(line.options.outputPath.empty());
    EXPECT_TRUE(line.options.outputFolder.empty());
    EXPECT_FALSE(line.options.quiet);
    EXPECT_EQ(line.options.dumps, std::vector<std::string>{"dump"});
}

struct ModeCase {
    std::string value;
    int modeNumber;

    friend void PrintTo(const ModeCase& c, std::ostream* out) { *out << "'" << c.value << "'"; }
};

class GoodMode : public testing::TestWithParam<ModeCase> {};

TEST_P(GoodMode, IsTaken) {
    const ModeCase c = GetParam();
    for (const auto& arguments : {std::vector<std::string>{"--mode", c.value, "d"},
                                  std::vector<std::string>{"--mode=" + c.value, "d"}}) {
        const CommandLine line = parse(arguments);
        ASSERT_EQ(line.action, Action::Convert) << line.error;
        EXPECT_EQ(line.options.modeNumber, c.modeNumber);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMode, GoodMode,
                         testing::Values(ModeCase{"0", 0}, ModeCase{"1", 1}, ModeCase{"2", 2},
                                         ModeCase{"4", 4}, ModeCase{"5", 5}));

struct PaletteCase {
    std::string value;
    std::vector<PhysicalColour> colours;

    friend void PrintTo(const PaletteCase& c, std::ostream* out) { *out << "'" << c.value << "'"; }
};

class GoodPalette : public testing::TestWithParam<PaletteCase> {};

TEST_P(GoodPalette, IsTaken) {
    const PaletteCase c = GetParam();
    const CommandLine line = parse({"--palette", c.value, "d"});
    ASSERT_EQ(line.action, Action::Convert) << line.error;
    EXPECT_EQ(line.options.paletteEntries, c.colours);
}

INSTANTIATE_TEST_SUITE_P(
    NumbersAndNames, GoodPalette,
    testing::Values(PaletteCase{"7", {7}}, PaletteCase{"0,1,2,3,4,5,6,7", {0, 1, 2, 3, 4, 5, 6, 7}},
                    PaletteCase{"blue,yellow", {4, 3}}, PaletteCase{"WHITE,Black", {7, 0}},
                    PaletteCase{"red,6,MaGeNtA", {1, 6, 5}},
                    PaletteCase{"green,cyan,white,black,red,blue,yellow,magenta",
                                {2, 6, 7, 0, 1, 4, 3, 5}}));

TEST(CommandLine, FlagsFormatsAndOutputs) {
    CommandLine line = parse({"--preview", "--quiet", "--format", "png", "-o", "out.x", "d"});
    ASSERT_EQ(line.action, Action::Convert) << line.error;
    EXPECT_TRUE(line.options.preview);
    EXPECT_TRUE(line.options.quiet);
    EXPECT_EQ(line.options.format, OutputFormat::Png);
    EXPECT_EQ(line.options.outputPath, "out.x");

    line = parse({"a", "--format=bmp", "--output-dir=pictures", "b"});
    ASSERT_EQ(line.action, Action::Convert) << line.error;
    EXPECT_EQ(line.options.format, OutputFormat::Bmp);
    EXPECT_EQ(line.options.outputFolder, "pictures");
    EXPECT_EQ(line.options.dumps, (std::vector<std::string>{"a", "b"}));
}

TEST(CommandLine, DoubleDashEndsOptionsAndDashIsADump) {
    const CommandLine line = parse({"--", "--mode", "-o", "-"});
    ASSERT_EQ(line.action, Action::Convert) << line.error;
    EXPECT_EQ(line.options.dumps, (std::vector<std::string>{"--mode", "-o", "-"}));
    EXPECT_EQ(parse({"-"}).options.dumps, std::vector<std::string>{"-"});
}

TEST(CommandLine, OutputToStandardOutput) {
    const CommandLine line = parse({"-o", "-", "d"});
    ASSERT_EQ(line.action, Action::Convert) << line.error;
    EXPECT_EQ(line.options.outputPath, "-");
}

TEST(CommandLine, HelpAndVersionNeedNoDump) {
    EXPECT_EQ(parse({"--help"}).action, Action::ShowHelp);
    EXPECT_EQ(parse({"--version"}).action, Action::ShowVersion);
    EXPECT_EQ(parse({"d", "--mode", "1", "--help"}).action, Action::ShowHelp);
}

struct BadCase {
    std::vector<std::string> arguments;
    std::string error;

    friend void PrintTo(const BadCase& c, std::ostream* out) {
        for (const std::string& argument : c.arguments) {
            *out << "'" << argument << "' ";
        }
    }
};

class BadCommandLine : public testing::TestWithParam<BadCase> {};

TEST_P(BadCommandLine, IsAUsageError) {
    const BadCase c = GetParam();
    const CommandLine line = parse(c.arguments);
    EXPECT_EQ(line.action, Action::UsageError);
    EXPECT_EQ(line.error, c.error);
}

const std::string paletteHelp = "': use up to eight colours 0-7 or black, red, green, yellow, "
                                "blue, magenta, cyan, white, separated by commas";

INSTANTIATE_TEST_SUITE_P(
    Table, BadCommandLine,
    testing::Values(
        BadCase{{"--mode", "3", "d"}, "invalid mode '3': use 0, 1, 2, 4 or 5"},
        BadCase{{"--mode", "6", "d"}, "invalid mode '6': use 0, 1, 2, 4 or 5"},
        BadCase{{"--mode", "-1", "d"}, "invalid mode '-1': use 0, 1, 2, 4 or 5"},
        BadCase{{"--mode", "01", "d"}, "invalid mode '01': use 0, 1, 2, 4 or 5"},
        BadCase{{"--mode", " 1", "d"}, "invalid mode ' 1': use 0, 1, 2, 4 or 5"},
        BadCase{{"--mode=", "d"}, "invalid mode '': use 0, 1, 2, 4 or 5"},
        BadCase{{"--mode", "x", "d"}, "invalid mode 'x': use 0, 1, 2, 4 or 5"},
        BadCase{{"d", "--mode"}, "option '--mode' needs a value"},
        BadCase{{"--palette", "8", "d"}, "invalid palette '8" + paletteHelp},
        BadCase{{"--palette", "pink", "d"}, "invalid palette 'pink" + paletteHelp},
        BadCase{{"--palette", "red,,blue", "d"}, "invalid palette 'red,,blue" + paletteHelp},
        BadCase{{"--palette", "red,", "d"}, "invalid palette 'red," + paletteHelp},
        BadCase{{"--palette", "", "d"}, "invalid palette '" + paletteHelp},
        BadCase{{"--palette", "red, blue", "d"}, "invalid palette 'red, blue" + paletteHelp},
        BadCase{{"--palette", "0,1,2,3,4,5,6,7,0", "d"},
                "invalid palette '0,1,2,3,4,5,6,7,0" + paletteHelp},
        BadCase{{"--format", "gif", "d"}, "invalid format 'gif': use bmp or png"},
        BadCase{{"--format", "PNG", "d"}, "invalid format 'PNG': use bmp or png"},
        BadCase{{"d", "--format"}, "option '--format' needs a value"},
        BadCase{{"d", "-o"}, "option '-o' needs a value"},
        BadCase{{"-o", "", "d"}, "option '-o' needs a value"},
        BadCase{{"--output-dir=", "d"}, "option '--output-dir' needs a value"},
        BadCase{{"-o", "x.bmp", "a", "b"}, "-o takes a single dump; use --output-dir for several"},
        BadCase{{"-o", "x.bmp", "--output-dir", "out", "a"},
                "-o and --output-dir cannot be used together"},
        BadCase{{"--preview=yes", "d"}, "option '--preview' takes no value"},
        BadCase{{"--colour", "d"}, "unknown option '--colour'"},
        BadCase{{"-q", "d"}, "unknown option '-q'"}, BadCase{{}, "no dump given"},
        BadCase{{"--mode", "1"}, "no dump given"}));

} // namespace
