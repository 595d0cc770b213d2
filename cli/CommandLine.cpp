#include "cli/CommandLine.h"

#include "cli/PaletteList.h"
#include "conversion/ScreenMode.h"

#include <optional>
#include <string_view>

namespace {

std::optional<int> parseModeNumber(std::string_view text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '9') {
        return std::nullopt;
    }
    const int number = text[0] - '0';
    return findScreenMode(number) != nullptr ? std::optional<int>(number) : std::nullopt;
}

std::optional<OutputFormat> parseFormat(std::string_view text) {
    if (text == "bmp") {
        return OutputFormat::Bmp;
    }
    if (text == "png") {
        return OutputFormat::Png;
    }
    return std::nullopt;
}

class Parser {
public:
    explicit Parser(const std::vector<std::string>& arguments) : arguments(arguments) {}

    CommandLine run() {
        bool optionsEnded = false;
        for (next = 0; next < arguments.size() && result.action == CommandLine::Action::Convert;) {
            const std::string& argument = arguments[next++];
            if (optionsEnded || argument == "-" || argument.empty() || argument[0] != '-') {
                result.options.dumps.push_back(argument);
            } else if (argument == "--") {
                optionsEnded = true;
            } else {
                option(argument);
            }
        }
        if (result.action == CommandLine::Action::Convert) {
            checkCombination();
        }
        return result;
    }

private:
    void fail(std::string message) {
        result.action = CommandLine::Action::UsageError;
        result.error = std::move(message);
    }

    // The option's value: the text after "=", else the next argument.
    std::optional<std::string> valueOf(const std::string& name,
                                       const std::optional<std::string>& attached) {
        if (attached) {
            return attached;
        }
        if (next == arguments.size()) {
            fail("option '" + name + "' needs a value");
            return std::nullopt;
        }
        return arguments[next++];
    }

    void option(const std::string& argument) {
        std::string name = argument;
        std::optional<std::string> attached;
        const std::size_t equals = argument.find('=');
        if (argument.starts_with("--") && equals != std::string::npos) {
            name = argument.substr(0, equals);
            attached = argument.substr(equals + 1);
        }
        if (name == "--help" || name == "--version" || name == "--preview" || name == "--quiet") {
            if (attached) {
                fail("option '" + name + "' takes no value");
            } else {
                flag(name);
            }
            return;
        }
        if (name != "--mode" && name != "--palette" && name != "--format" && name != "-o" &&
            name != "--output-dir") {
            fail("unknown option '" + argument + "'");
            return;
        }
        const std::optional<std::string> value = valueOf(name, attached);
        if (value) {
            valued(name, *value);
        }
    }

    void flag(const std::string& name) {
        if (name == "--help") {
            result.action = CommandLine::Action::ShowHelp;
        } else if (name == "--version") {
            result.action = CommandLine::Action::ShowVersion;
        } else if (name == "--preview") {
            result.options.preview = true;
        } else {
            result.options.quiet = true;
        }
    }

    void valued(const std::string& name, const std::string& value) {
        ConvertOptions& options = result.options;
        if (name == "--mode") {
            const std::optional<int> mode = parseModeNumber(value);
            if (!mode) {
                fail("invalid mode '" + value + "': use 0, 1, 2, 4 or 5");
                return;
            }
            options.modeNumber = *mode;
        } else if (name == "--palette") {
            std::optional<std::vector<PhysicalColour>> colours = parsePaletteList(value);
            if (!colours) {
                fail("invalid palette '" + value +
                     "': use up to eight colours 0-7 or black, red, green, yellow, blue, "
                     "magenta, cyan, white, separated by commas");
                return;
            }
            options.paletteEntries = std::move(*colours);
        } else if (name == "--format") {
            const std::optional<OutputFormat> format = parseFormat(value);
            if (!format) {
                fail("invalid format '" + value + "': use bmp or png");
                return;
            }
            options.format = format;
        } else if (value.empty()) {
            fail("option '" + name + "' needs a value");
        } else if (name == "-o") {
            options.outputPath = value;
        } else {
            options.outputFolder = value;
        }
    }

    void checkCombination() {
        const ConvertOptions& options = result.options;
        if (options.dumps.empty()) {
            fail("no dump given");
        } else if (!options.outputPath.empty() && !options.outputFolder.empty()) {
            fail("-o and --output-dir cannot be used together");
        } else if (!options.outputPath.empty() && options.dumps.size() > 1) {
            fail("-o takes a single dump; use --output-dir for several");
        }
    }

    const std::vector<std::string>& arguments;
    std::size_t next = 0;
    CommandLine result;
};

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    return Parser(arguments).run();
}
