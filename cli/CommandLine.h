#pragma once

#include "cli/ConvertOptions.h"

#include <string>
#include <vector>

// What the command line asks for, or why it cannot be followed.
struct CommandLine {
    enum class Action {
        Convert,
        ShowHelp,
        ShowVersion,
        UsageError,
    };
    Action action = Action::Convert;
    ConvertOptions options;
    std::string error; // for UsageError: one line, without the program's name
};

// Reads the arguments after the program's name. Options and dumps may come in
// any order; "--" ends the options. A value follows its option as the next
// argument, or after "=" for the long options.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);
