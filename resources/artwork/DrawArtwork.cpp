// Draws the texture tile and the About banner and writes them as PNG files:
//   tessaview-artwork OUTPUT_FOLDER
// The results are committed as resources/textureTile.png and
// resources/aboutBanner.png.

#include "resources/artwork/Lettering.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <png.h>
#include <string>
#include <vector>

namespace {

struct Picture {
    int width;
    int height;
    std::vector<std::uint8_t> rgb;

    Picture(int w, int h) : width(w), height(h), rgb(std::size_t(w) * h * 3, 0) {}
    void set(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        std::uint8_t* p = &rgb[(std::size_t(y) * width + x) * 3];
        p[0] = r;
        p[1] = g;
        p[2] = b;
    }
};

bool writePng(const Picture& picture, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < picture.height; ++y) {
        png_write_row(png, &picture.rgb[std::size_t(y) * picture.width * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

// Height of the tile's relief at a point: soft rings and studs laid out so that
// the pattern wraps seamlessly at the tile's edges.
double relief(double x, double y, int width, int height) {
    struct Motif {
        double cx, cy, radius, thickness;
    };
    const Motif motifs[] = {
        {30.5, 32.5, 18.0, 3.0},
        {91.5, 96.5, 18.0, 3.0},
        {91.5, 32.5, 5.0, 5.0},
        {30.5, 96.5, 5.0, 5.0},
    };
    double h = 0.0;
    for (const Motif& m : motifs) {
        double dx = std::fabs(x - m.cx);
        double dy = std::fabs(y - m.cy);
        dx = std::min(dx, width - dx);
        dy = std::min(dy, height - dy);
        const double distance = std::fabs(std::hypot(dx, dy) - m.radius);
        h = std::max(h, std::clamp(1.0 - distance / m.thickness, 0.0, 1.0));
    }
    return h;
}

// Mostly the grey 176; the relief lit from the top left, in greys 140 to 180.
Picture drawTextureTile() {
    constexpr int width = 122;
    constexpr int height = 128;
    Picture tile(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double slope =
                relief(x - 1, y - 1, width, height) - relief(x + 1, y + 1, width, height);
            const double grey = std::clamp(176.0 + 30.0 * slope, 140.0, 180.0);
            const auto g = std::uint8_t(std::lround(grey));
            tile.set(x, y, g, g, g);
        }
    }
    return tile;
}

// Black, with "Tessaview" reading upwards: cyan letters outlined in white,
// within rows 13 to 213 and columns 4 to 60.
Picture drawAboutBanner() {
    constexpr int width = 64;
    constexpr int height = 400;
    constexpr std::string_view name = "Tessaview";
    constexpr int along = 4;      // pixels per glyph column, along the text
    constexpr int across = 7;     // pixels per glyph row, across the text
    constexpr int spacing = 2;    // pixels between letters
    constexpr int baseRow = 211;  // image row of the text's first pixel
    constexpr int leftColumn = 8; // image column of the glyphs' top row
    Picture banner(width, height);

    std::vector<bool> ink(std::size_t(width) * height, false);
    for (std::size_t i = 0; i < name.size(); ++i) {
        const int start = int(i) * (glyphColumns * along + spacing);
        for (int column = 0; column < glyphColumns; ++column) {
            for (int row = 0; row < glyphRows; ++row) {
                if (!glyphPixel(name[i], column, row)) {
                    continue;
                }
                for (int a = 0; a < along; ++a) {
                    for (int c = 0; c < across; ++c) {
                        const int x = leftColumn + row * across + c;
                        const int y = baseRow - (start + column * along + a);
                        ink[std::size_t(y) * width + x] = true;
                    }
                }
            }
        }
    }
    auto inked = [&](int x, int y) {
        return x >= 0 && x < width && y >= 0 && y < height && ink[std::size_t(y) * width + x];
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (inked(x, y)) {
                banner.set(x, y, 17, 207, 255);
            } else if (inked(x - 1, y) || inked(x + 1, y) || inked(x, y - 1) || inked(x, y + 1)) {
                banner.set(x, y, 255, 255, 255);
            }
        }
    }
    return banner;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessaview-artwork OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = writePng(drawTextureTile(), folder + "/textureTile.png") &&
                    writePng(drawAboutBanner(), folder + "/aboutBanner.png");
    if (!ok) {
        std::fprintf(stderr, "tessaview-artwork: cannot write the pictures in %s\n",
                     folder.c_str());
        return 1;
    }
    return 0;
}
