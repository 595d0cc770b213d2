#pragma once

#include <cstddef>
#include <cstdio>

// Readies a terminal for a line that is redrawn in place with a carriage
// return and the erase-line sequence, and gives its width in columns (80
// when it cannot be found).
std::size_t prepareTerminal(std::FILE* terminal);
