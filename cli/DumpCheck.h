#pragma once

#include <string>
#include <string_view>

// Why a dump cannot be converted, found before the decoder runs so that the
// message can say exactly what is wrong.
enum class DumpProblem {
    None,
    Missing,
    NotRegularFile,
    Unreadable,
};

// Looks at the path without reading the file's content.
DumpProblem checkDump(const std::string& path);

std::string_view reasonFor(DumpProblem problem);
