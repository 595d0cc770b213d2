#include "cli/BinaryStream.h"

#include <fcntl.h>
#include <io.h>

void setBinaryMode(std::FILE* stream) {
    std::fflush(stream);
    _setmode(_fileno(stream), _O_BINARY);
}
