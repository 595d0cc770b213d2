#pragma once

#include "cli/OutputFormat.h"
#include "imaging/ImageStore.h"

#include <string>

// Writes the slot's image in the format: to standard output for "-",
// otherwise to the path, replacing an existing file only by a complete one.
bool writeImage(const ImageStore& store, ImageSlot slot, OutputFormat format,
                const std::string& path);
