// The yardstick for tessaview-convert's batch speed: a plain loop that reads
// each Mode 1 dump, decodes it with straightforward code and writes the BMP,
// with none of the converter's checks. With --atomic each BMP is written to a
// temporary file and renamed over the target, as the converter does.
//   tessaview-direct-loop [--atomic] OUTPUT_FOLDER DUMP...
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int width = 320;
constexpr int height = 256;
constexpr int bytesPerLine = 80;
constexpr int rowBytes = 3 * width;
constexpr int headerBytes = 54;

void putLittleEndian(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = std::uint8_t(value >> (8 * i));
    }
}

void writeHeaders(std::uint8_t* file) {
    std::memset(file, 0, headerBytes);
    file[0] = 'B';
    file[1] = 'M';
    putLittleEndian(file + 2, headerBytes + rowBytes * height);
    putLittleEndian(file + 10, headerBytes);
    putLittleEndian(file + 14, 40);
    putLittleEndian(file + 18, width);
    putLittleEndian(file + 22, height);
    file[26] = 1;
    file[28] = 24;
    putLittleEndian(file + 34, rowBytes * height);
}

// Mode 1's default palette as blue, green, red bytes: black, red, yellow, white.
constexpr std::array<std::array<std::uint8_t, 3>, 4> palette = {
    {{0, 0, 0}, {0, 0, 255}, {0, 255, 255}, {255, 255, 255}}};

void decode(const std::uint8_t* screen, std::uint8_t* rows) {
    for (int offset = 0; offset < bytesPerLine * height; ++offset) {
        const int y = offset / (8 * bytesPerLine) * 8 + offset % 8;
        const int x = offset % (8 * bytesPerLine) / 8 * 4;
        const std::uint8_t byte = screen[offset];
        std::uint8_t* out = rows + (height - 1 - y) * rowBytes + 3 * x;
        for (int k = 0; k < 4; ++k, out += 3) {
            const int colour = ((byte >> (7 - k)) & 1) << 1 | ((byte >> (3 - k)) & 1);
            std::memcpy(out, palette[colour].data(), 3);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const bool atomic = argc > 1 && std::string(argv[1]) == "--atomic";
    const int first = atomic ? 2 : 1;
    if (argc <= first) {
        return 2;
    }
    const std::string folder = argv[first];
    std::vector<std::uint8_t> screen(bytesPerLine * height);
    std::vector<std::uint8_t> file(headerBytes + rowBytes * height);
    writeHeaders(file.data());
    int failures = 0;
    for (int i = first + 1; i < argc; ++i) {
        const int in = ::open(argv[i], O_RDONLY);
        if (in < 0 || ::read(in, screen.data(), screen.size()) != ssize_t(screen.size())) {
            ++failures;
        }
        if (in >= 0) {
            ::close(in);
        }
        decode(screen.data(), file.data() + headerBytes);
        const std::string path = argv[i];
        const std::string name = path.substr(path.find_last_of('/') + 1);
        const int out =
            ::open((folder + "/" + name + ".bmp").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || ::write(out, file.data(), file.size()) != ssize_t(file.size())) {
            ++failures;
        }
        if (out >= 0) {
            ::close(out);
        }
    }
    return failures == 0 ? 0 : 1;
}
