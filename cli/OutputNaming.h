#pragma once

#include "cli/ConvertOptions.h"
#include "cli/OutputFormat.h"

#include <string>
#include <string_view>

// The output path that stands for standard output.
inline constexpr std::string_view standardOutputPath = "-";

// --format, else the extension of -o (".png" in any letter case gives PNG),
// else BMP.
OutputFormat outputFormatFor(const ConvertOptions& options);

// Where a dump's picture goes: the -o path; else the dump's file name in the
// output folder; else beside the dump. The extension is appended, never
// substituted, since BBC file names often contain full stops ("$.SCREEN").
std::string outputPathFor(const ConvertOptions& options, const std::string& dump,
                          OutputFormat format);
