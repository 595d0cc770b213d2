#include "cli/BatchConversion.h"

#include "cli/DumpCheck.h"
#include "cli/DumpConverter.h"
#include "cli/DumpIdentities.h"
#include "cli/OutputNaming.h"
#include "cli/ProgressLine.h"

#include <string>
#include <string_view>

namespace {

class Reporter {
public:
    Reporter(std::FILE* messages, bool showProgress)
        : messages(messages), progress(messages, showProgress) {}

    void starting(std::size_t count, std::size_t total, const std::string& dump) {
        progress.show(count, total, dump);
    }

    // "tessaview-convert: PATH: TEXT"
    void say(std::string_view path, std::string_view text) {
        progress.clear();
        std::fprintf(messages, "tessaview-convert: %.*s: %.*s\n", int(path.size()), path.data(),
                     int(text.size()), text.data());
    }

private:
    std::FILE* messages;
    ProgressLine progress;
};

std::string_view shownOutputName(const std::string& outputPath) {
    return outputPath == standardOutputPath ? std::string_view("standard output")
                                            : std::string_view(outputPath);
}

} // namespace

int convertAll(const ConvertOptions& options, std::FILE* messages, bool showProgress) {
    const OutputFormat format = outputFormatFor(options);
    const DumpIdentities dumpFiles(options.dumps);
    DumpConverter converter(options);
    Reporter reporter(messages, showProgress);
    bool anyFailed = false;
    for (std::size_t index = 0; index < options.dumps.size(); ++index) {
        const std::string& dump = options.dumps[index];
        reporter.starting(index + 1, options.dumps.size(), dump);
        const DumpProblem problem = checkDump(dump);
        if (problem != DumpProblem::None) {
            reporter.say(dump, reasonFor(problem));
            anyFailed = true;
            continue;
        }
        const std::string output = outputPathFor(options, dump, format);
        if (output != standardOutputPath && dumpFiles.contains(output)) {
            reporter.say(output, "cannot write the output: it is one of the dumps");
            anyFailed = true;
            continue;
        }
        if (!converter.decode(dump)) {
            reporter.say(dump, reasonFor(DumpProblem::Unreadable));
            anyFailed = true;
            continue;
        }
        if (!converter.write(output)) {
            reporter.say(shownOutputName(output), "cannot write the output");
            anyFailed = true;
            continue;
        }
        if (!options.quiet && converter.linesHeld() < converter.fullScreenLines()) {
            reporter.say(dump, "warning: short dump: " + std::to_string(converter.linesHeld()) +
                                   " of " + std::to_string(converter.fullScreenLines()) + " lines");
        }
    }
    return anyFailed ? 1 : 0;
}
