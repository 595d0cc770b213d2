#pragma once

#include <cstdio>

// Makes an open stream carry bytes unchanged. Only Windows has streams that
// are not: in text mode every line feed written becomes carriage return and
// line feed.
void setBinaryMode(std::FILE* stream);
