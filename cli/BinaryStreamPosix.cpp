#include "cli/BinaryStream.h"

void setBinaryMode(std::FILE*) {}
