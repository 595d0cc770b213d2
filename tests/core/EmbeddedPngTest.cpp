#include "imaging/ImageStore.h"
#include "resources/EmbeddedPictures.h"

#include <cstring>
#include <gtest/gtest.h>
#include <png.h>
#include <vector>

namespace {

// Encodes raw PNG rows (already in the colour type's own sample layout).
struct PngSpec {
    int width, height, bitDepth, colourType, interlace;
    std::vector<std::vector<std::uint8_t>> rows;
    std::vector<png_color> palette;
};

void appendToVector(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

std::vector<std::uint8_t> encodePng(const PngSpec& spec) {
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        ADD_FAILURE() << "libpng could not encode the test image";
        return {};
    }
    png_set_write_fn(png, &out, appendToVector, nullptr);
    png_set_IHDR(png, info, png_uint_32(spec.width), png_uint_32(spec.height), spec.bitDepth,
                 spec.colourType, spec.interlace, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!spec.palette.empty()) {
        png_set_PLTE(png, info, spec.palette.data(), int(spec.palette.size()));
    }
    png_write_info(png, info);
    const int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass) {
        for (const auto& row : spec.rows) {
            png_write_row(png, row.data());
        }
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

struct DecodeCase {
    const char* name;
    PngSpec spec;
    std::vector<ColourValue> expected; // row by row
};

std::vector<DecodeCase> decodeCases() {
    return {
        {"8-bit RGB",
         {2,
          1,
          8,
          PNG_COLOR_TYPE_RGB,
          PNG_INTERLACE_NONE,
          {{0x11, 0x22, 0x33, 0xFF, 0x00, 0x80}},
          {}},
         {makeColour(0x11, 0x22, 0x33), makeColour(0xFF, 0x00, 0x80)}},
        {"16-bit RGBA: samples cut to 8 bits, alpha dropped without blending",
         {1,
          1,
          16,
          PNG_COLOR_TYPE_RGB_ALPHA,
          PNG_INTERLACE_NONE,
          {{0xAB, 0xFF, 0x12, 0x00, 0x34, 0x99, 0x00, 0x00}},
          {}},
         {makeColour(0xAB, 0x12, 0x34)}},
        {"palette",
         {3,
          1,
          2,
          PNG_COLOR_TYPE_PALETTE,
          PNG_INTERLACE_NONE,
          {{0b00011000}},
          {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}}},
         {makeColour(10, 20, 30), makeColour(40, 50, 60), makeColour(70, 80, 90)}},
        {"1-bit grey",
         {3, 1, 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, {{0b10100000}}, {}},
         {0xFFFFFF, 0x000000, 0xFFFFFF}},
        {"8-bit grey with alpha",
         {1, 1, 8, PNG_COLOR_TYPE_GRAY_ALPHA, PNG_INTERLACE_NONE, {{0x7F, 0x10}}, {}},
         {0x7F7F7F}},
        {"interlaced RGB",
         {3,
          3,
          8,
          PNG_COLOR_TYPE_RGB,
          PNG_INTERLACE_ADAM7,
          {{1, 2, 3, 4, 5, 6, 7, 8, 9},
           {10, 11, 12, 13, 14, 15, 16, 17, 18},
           {19, 20, 21, 22, 23, 24, 25, 26, 27}},
          {}},
         {makeColour(1, 2, 3), makeColour(4, 5, 6), makeColour(7, 8, 9), makeColour(10, 11, 12),
          makeColour(13, 14, 15), makeColour(16, 17, 18), makeColour(19, 20, 21),
          makeColour(22, 23, 24), makeColour(25, 26, 27)}},
    };
}

TEST(LoadEmbeddedPng, DecodesEveryKindOfPngToExactColours) {
    for (const DecodeCase& c : decodeCases()) {
        SCOPED_TRACE(c.name);
        ImageStore store;
        const std::vector<std::uint8_t> png = encodePng(c.spec);
        ASSERT_TRUE(store.loadEmbeddedPng(12, png));
        const RasterImage& image = *store.image(12);
        ASSERT_EQ(image.width, c.spec.width);
        ASSERT_EQ(image.height, c.spec.height);
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                EXPECT_EQ(image.pixelAt(x, y), c.expected[std::size_t(y) * image.width + x])
                    << x << "," << y;
            }
        }
    }
}

TEST(LoadEmbeddedPng, DataThatIsNotAWholePngLeavesTheSlotUntouched) {
    const std::vector<std::uint8_t> good = encodePng(decodeCases()[0].spec);
    std::vector<std::uint8_t> truncated(good.begin(), good.begin() + long(good.size()) - 20);
    std::vector<std::uint8_t> corrupted = good;
    corrupted[40] ^= 0xFF;
    std::vector<std::uint8_t> notPng = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0};
    for (const auto* bytes : {&truncated, &corrupted, &notPng}) {
        ImageStore store;
        store.createBlankImage(1, 5, 5);
        const DisplayHandle before = store.displayHandle(1);
        EXPECT_FALSE(store.loadEmbeddedPng(1, *bytes));
        EXPECT_EQ(store.displayHandle(1), before);
    }
    ImageStore store;
    EXPECT_FALSE(store.loadEmbeddedPng(1, {}));
    EXPECT_FALSE(store.imageExists(1));
}

TEST(EmbeddedPictures, TextureTileIsAGreyTileAround176) {
    ImageStore store;
    ASSERT_TRUE(store.loadEmbeddedPng(1, textureTilePng()));
    const RasterImage& tile = *store.image(1);
    ASSERT_EQ(tile.width, 122);
    ASSERT_EQ(tile.height, 128);
    int plain = 0;
    for (int y = 0; y < tile.height; ++y) {
        for (int x = 0; x < tile.width; ++x) {
            const ColourValue c = tile.pixelAt(x, y);
            ASSERT_EQ(redOf(c), greenOf(c));
            ASSERT_EQ(redOf(c), blueOf(c));
            ASSERT_GE(redOf(c), 140);
            ASSERT_LE(redOf(c), 180);
            plain += redOf(c) == 176;
        }
    }
    EXPECT_GT(plain, tile.width * tile.height / 2) << "mostly the plain grey";
    EXPECT_LT(plain, tile.width * tile.height) << "with a pattern on it";
}

TEST(EmbeddedPictures, BannerLetteringLiesWithinItsBox) {
    ImageStore store;
    ASSERT_TRUE(store.loadEmbeddedPng(11, aboutBannerPng()));
    const RasterImage& banner = *store.image(11);
    ASSERT_EQ(banner.width, 64);
    ASSERT_EQ(banner.height, 400);
    int cyan = 0;
    int white = 0;
    for (int y = 0; y < banner.height; ++y) {
        for (int x = 0; x < banner.width; ++x) {
            const ColourValue c = banner.pixelAt(x, y);
            const bool inBox = y >= 13 && y <= 213 && x >= 4 && x <= 60;
            if (!inBox) {
                ASSERT_EQ(c, 0u) << x << "," << y;
            }
            cyan += c == makeColour(17, 207, 255);
            white += c == 0xFFFFFF;
        }
    }
    EXPECT_GT(cyan, 1000);
    EXPECT_GT(white, 100);
}

} // namespace
