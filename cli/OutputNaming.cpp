#include "cli/OutputNaming.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {

bool endsWithPngExtension(std::string_view path) {
    constexpr std::string_view extension = ".png";
    if (path.size() < extension.size()) {
        return false;
    }
    const std::string_view tail = path.substr(path.size() - extension.size());
    return std::equal(tail.begin(), tail.end(), extension.begin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == b;
    });
}

std::string_view extensionFor(OutputFormat format) {
    return format == OutputFormat::Png ? ".png" : ".bmp";
}

} // namespace

OutputFormat outputFormatFor(const ConvertOptions& options) {
    if (options.format) {
        return *options.format;
    }
    return endsWithPngExtension(options.outputPath) ? OutputFormat::Png : OutputFormat::Bmp;
}

std::string outputPathFor(const ConvertOptions& options, const std::string& dump,
                          OutputFormat format) {
    if (!options.outputPath.empty()) {
        return options.outputPath;
    }
    if (!options.outputFolder.empty()) {
        const std::filesystem::path name = std::filesystem::path(dump).filename();
        return (std::filesystem::path(options.outputFolder) / name).string() +
               std::string(extensionFor(format));
    }
    return dump + std::string(extensionFor(format));
}
