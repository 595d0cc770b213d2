#pragma once

#include <string>
#include <vector>

// One run of the real tessaview-convert binary as a child process.
struct ConverterRun {
    int exitStatus = -1; // -1 when the process did not exit normally
    std::string standardOutput;
    std::string standardError;
};

struct ConverterRunOptions {
    std::string workingFolder;            // empty: the test's own
    bool standardErrorIsTerminal = false; // a pseudo-terminal instead of a pipe
    int userId = -1; // when not -1, the user the converter runs as (the caller being root)
};

ConverterRun runConverter(const std::vector<std::string>& arguments,
                          const ConverterRunOptions& runOptions = {});
