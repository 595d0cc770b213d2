// tessaview-convert: converts BBC Micro screen dumps into BMP or PNG pictures
// without a window.
#include "cli/BatchConversion.h"
#include "cli/CommandLine.h"
#include "cli/Usage.h"

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

constexpr int usageErrorStatus = 2;

} // namespace

int main(int argc, char** argv) {
    const CommandLine commandLine =
        parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp:
        std::fputs(usageText().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case CommandLine::Action::ShowVersion:
        std::fputs(versionText().c_str(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    case CommandLine::Action::UsageError:
        std::fprintf(stderr, "tessaview-convert: %s\n%s", commandLine.error.c_str(),
                     helpPointer().c_str());
        return usageErrorStatus;
    case CommandLine::Action::Convert:
        break;
    }
#if defined(__GLIBC__)
    // Every dump re-makes images of the same few sizes. Keeping freed blocks
    // in the heap, instead of handing them back to the system, lets the next
    // dump reuse them without faulting in fresh pages, which costs more than
    // the decoding itself. It holds at most a few megabytes.
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
    mallopt(M_TRIM_THRESHOLD, 32 << 20);
#endif
    const ConvertOptions& options = commandLine.options;
    const bool showProgress = options.dumps.size() > 1 && !options.quiet && isatty(STDERR_FILENO);
    return convertAll(options, stderr, showProgress);
}
