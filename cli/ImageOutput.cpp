#include "cli/ImageOutput.h"

#include "cli/BinaryStream.h"
#include "cli/OutputNaming.h"
#include "imaging/BmpWriter.h"
#include "imaging/PngWriter.h"

#include <cstdio>
#include <new>

namespace {

bool writeBmpToStream(const ImageStore& store, ImageSlot slot, std::FILE* stream) {
    const RasterImage* image = store.image(slot);
    if (image == nullptr) {
        return false;
    }
    std::vector<std::uint8_t> bytes;
    try {
        bytes = encodeBmp(*image);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() &&
           std::fflush(stream) == 0;
}

} // namespace

bool writeImage(const ImageStore& store, ImageSlot slot, OutputFormat format,
                const std::string& path) {
    if (path == standardOutputPath) {
        setBinaryMode(stdout);
        return format == OutputFormat::Png ? writePng(store, slot, stdout)
                                           : writeBmpToStream(store, slot, stdout);
    }
    return format == OutputFormat::Png ? writePng(store, slot, path) : writeBmp(store, slot, path);
}
