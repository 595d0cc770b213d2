#pragma once

#include "cli/ConvertOptions.h"

#include <cstdio>

// Converts every dump of the options in turn, one at a time, reporting each
// failure and warning on the message stream and going on with the rest.
// Shows a progress line there when asked to. Returns the exit status: 0 when
// every dump was converted, 1 when any failed.
int convertAll(const ConvertOptions& options, std::FILE* messages, bool showProgress);
