#include "imaging/ImageStore.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr ColourValue red = 0x0000FF;
constexpr ColourValue green = 0x00FF00;

int countPixels(const RasterImage& image, ColourValue colour) {
    int count = 0;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            count += image.pixelAt(x, y) == colour;
        }
    }
    return count;
}

void fillWithNoise(ImageStore& store, ImageSlot slot, unsigned seed) {
    const RasterImage& image = *store.image(slot);
    std::mt19937 random(seed);
    store.beginDrawing(slot);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            store.setPixel(x, y, random() & 0xFFFFFF);
        }
    }
    store.endDrawing();
}

TEST(CreateBlankImage, MakesBlackPixelsAndReplacesTheSlotsImage) {
    ImageStore store;
    ASSERT_TRUE(store.createBlankImage(5, 20, 20));
    const DisplayHandle first = store.displayHandle(5);
    EXPECT_TRUE(first);
    EXPECT_EQ(countPixels(*store.image(5), 0x000000), 400);
    EXPECT_EQ(store.image(5)->depth, 24);

    ASSERT_TRUE(store.createBlankImage(5, 20, 20));
    EXPECT_EQ(store.imageFor(first), nullptr) << "the old handle is no longer valid";
    EXPECT_EQ(store.imageFor(store.displayHandle(5)), store.image(5));
}

TEST(CreateBlankImage, ZeroSizeGivesOneBlackPixel) {
    ImageStore store;
    for (auto [width, height] : {std::pair{640, 0}, {0, 256}, {0, 0}}) {
        ASSERT_TRUE(store.createBlankImage(0, width, height));
        const RasterImage& image = *store.image(0);
        EXPECT_EQ(image.width, 1);
        EXPECT_EQ(image.height, 1);
        EXPECT_EQ(image.pixelAt(0, 0), 0x000000u);
    }
}

TEST(CreateBlankImage, ImpossibleSizesFailAndLeaveTheSlotEmpty) {
    ImageStore store;
    for (auto [width, height] : {std::pair{-1, 10}, {10, -1}, {32768, 1}, {1, 40000}}) {
        ASSERT_TRUE(store.createBlankImage(2, 4, 4));
        EXPECT_FALSE(store.createBlankImage(2, width, height)) << width << " x " << height;
        EXPECT_FALSE(store.imageExists(2));
    }
    EXPECT_FALSE(store.createBlankImage(-1, 4, 4));
}

TEST(ImageStore, StartsEmptyAndGrowsForHigherSlots) {
    ImageStore store;
    for (ImageSlot slot = 0; slot <= 19; ++slot) {
        EXPECT_FALSE(store.imageExists(slot));
        EXPECT_FALSE(store.displayHandle(slot));
    }
    ASSERT_TRUE(store.createBlankImage(19, 20, 20));
    EXPECT_TRUE(store.imageExists(19));
    EXPECT_FALSE(store.imageExists(18));
}

TEST(SetPixel, PositionsOutsideTheImageChangeNothing) {
    ImageStore store;
    store.createBlankImage(3, 20, 10);
    ASSERT_TRUE(store.beginDrawing(3));
    for (auto [x, y] : {std::pair{-1, 0}, {20, 0}, {0, 10}, {0, -1}, {-5, -5}}) {
        store.setPixel(x, y, red);
    }
    store.endDrawing();
    EXPECT_EQ(countPixels(*store.image(3), 0x000000), 200);
}

TEST(SetPixel, StoresTheColourExactly) {
    ImageStore store;
    store.createBlankImage(3, 4, 4);
    store.beginDrawing(3);
    store.setPixel(2, 1, 0x123456);
    store.endDrawing();
    EXPECT_EQ(store.image(3)->pixelAt(2, 1), 0x123456u);
    EXPECT_EQ(countPixels(*store.image(3), 0x000000), 15);
}

TEST(SetPixels, IsARowOfSetPixelCallsClippedToTheImage) {
    const std::array<StoredPixel, 4> run = {storedPixelOf(1), storedPixelOf(2), storedPixelOf(3),
                                            storedPixelOf(4)};
    for (int x : {-6, -2, 0, 3, 6, 7, 9}) {
        for (int y : {-1, 0, 2, 3}) {
            ImageStore viaRun;
            ImageStore viaPixels;
            viaRun.createBlankImage(3, 8, 3);
            viaPixels.createBlankImage(3, 8, 3);
            viaRun.beginDrawing(3);
            viaRun.setPixels(x, y, run);
            viaRun.endDrawing();
            viaPixels.beginDrawing(3);
            for (int i = 0; i < 4; ++i) {
                viaPixels.setPixel(x + i, y, ColourValue(i + 1));
            }
            viaPixels.endDrawing();
            EXPECT_TRUE(std::equal(viaRun.image(3)->pixels.begin(), viaRun.image(3)->pixels.end(),
                                   viaPixels.image(3)->pixels.begin()))
                << "run at " << x << "," << y;
        }
    }
}

TEST(Drawing, DoesNothingWithoutAnOpenDrawing) {
    ImageStore store;
    store.createBlankImage(3, 4, 4);
    store.setPixel(0, 0, red);
    store.fillRectangle(0, 0, 4, 4, red);
    EXPECT_FALSE(store.beginDrawing(4)) << "slot 4 is empty";
    store.setPixel(1, 1, red);
    store.beginDrawing(3);
    store.endDrawing();
    store.endDrawing();
    store.setPixel(2, 2, red);
    EXPECT_EQ(countPixels(*store.image(3), 0x000000), 16);
}

struct FillCase {
    int x, y, width, height, changed;

    friend void PrintTo(const FillCase& c, std::ostream* out) {
        *out << "fill " << c.x << "," << c.y << " " << c.width << "x" << c.height;
    }
};

class FillRectangleTest : public testing::TestWithParam<FillCase> {};

TEST_P(FillRectangleTest, FillsTheClippedRectangle) {
    const FillCase c = GetParam();
    ImageStore store;
    store.createBlankImage(3, 20, 20);
    store.beginDrawing(3);
    store.fillRectangle(c.x, c.y, c.width, c.height, green);
    store.endDrawing();
    const RasterImage& image = *store.image(3);
    EXPECT_EQ(countPixels(image, green), c.changed);
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 20; ++x) {
            const bool inside = x >= c.x && x < c.x + c.width && y >= c.y && y < c.y + c.height;
            EXPECT_EQ(image.pixelAt(x, y) == green, inside) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rectangles, FillRectangleTest,
                         testing::Values(FillCase{0, 0, 20, 20, 400}, FillCase{15, 15, 20, 20, 25},
                                         FillCase{-3, -3, 5, 5, 4}, FillCase{4, 5, 1, 1, 1},
                                         FillCase{20, 0, 5, 5, 0}, FillCase{3, 3, 0, 7, 0}));

TEST(CopyImageRegion, FromAnEmptySlotFailsAndLeavesTheDestination) {
    ImageStore store;
    store.createBlankImage(1, 122, 128);
    const DisplayHandle before = store.displayHandle(1);
    EXPECT_FALSE(store.copyImageRegion(4, 1, 0, 0, 10, 10));
    EXPECT_EQ(store.displayHandle(1), before);
}

TEST(CopyImageRegion, RowsBeyondTheSourceStayBlack) {
    ImageStore store;
    store.createBlankImage(0, 160, 100);
    fillWithNoise(store, 0, 1);
    ASSERT_TRUE(store.copyImageRegion(0, 1, 0, 0, 160, 104));
    const RasterImage& source = *store.image(0);
    const RasterImage& copy = *store.image(1);
    ASSERT_EQ(copy.width, 160);
    ASSERT_EQ(copy.height, 104);
    for (int y = 0; y < 104; ++y) {
        for (int x = 0; x < 160; ++x) {
            EXPECT_EQ(copy.pixelAt(x, y), y < 100 ? source.pixelAt(x, y) : 0u) << x << "," << y;
        }
    }
}

TEST(CopyImageRegion, RectangleAtAnOffsetAndPartlyOutside) {
    ImageStore store;
    store.createBlankImage(0, 10, 10);
    fillWithNoise(store, 0, 2);
    ASSERT_TRUE(store.copyImageRegion(0, 7, 6, -2, 8, 5));
    const RasterImage& source = *store.image(0);
    const RasterImage& copy = *store.image(7);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 8; ++x) {
            const int sx = x + 6;
            const int sy = y - 2;
            const bool inside = sx < 10 && sy >= 0;
            EXPECT_EQ(copy.pixelAt(x, y), inside ? source.pixelAt(sx, sy) : 0u) << x << "," << y;
        }
    }
}

struct ScaleCase {
    int width, height, blockWidth, blockHeight;

    friend void PrintTo(const ScaleCase& c, std::ostream* out) {
        *out << c.width << "x" << c.height;
    }
};

class ReplicateTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(ReplicateTest, EverySourcePixelBecomesABlock) {
    const ScaleCase c = GetParam();
    ImageStore store;
    store.createBlankImage(1, c.width, c.height);
    fillWithNoise(store, 1, 3);
    const RasterImage source = *store.image(1);
    ASSERT_TRUE(store.scaleImage(1, 640, 512, ScaleMode::Replicate));
    const RasterImage& scaled = *store.image(1);
    ASSERT_EQ(scaled.width, 640);
    ASSERT_EQ(scaled.height, 512);
    for (int y = 0; y < 512; ++y) {
        for (int x = 0; x < 640; ++x) {
            ASSERT_EQ(scaled.pixelAt(x, y), source.pixelAt(x / c.blockWidth, y / c.blockHeight))
                << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(PreviewEnlargements, ReplicateTest,
                         testing::Values(ScaleCase{160, 256, 4, 2}, ScaleCase{320, 256, 2, 2},
                                         ScaleCase{640, 256, 1, 2}));

TEST(ScaleImage, ToTheRecordedSizeKeepsTheHandle) {
    ImageStore store;
    store.createBlankImage(1, 640, 512);
    const DisplayHandle before = store.displayHandle(1);
    EXPECT_TRUE(store.scaleImage(1, 640, 512, ScaleMode::Replicate));
    EXPECT_EQ(store.displayHandle(1), before);
}

TEST(ScaleImage, RecordsTheNewSizeAndKeepsTheDepth) {
    ImageStore store;
    store.createBlankImage(1, 20, 20);
    const DisplayHandle before = store.displayHandle(1);
    ASSERT_TRUE(store.scaleImage(1, 30, 12, ScaleMode::Smooth));
    EXPECT_EQ(store.image(1)->width, 30);
    EXPECT_EQ(store.image(1)->height, 12);
    EXPECT_EQ(store.image(1)->depth, 24);
    EXPECT_EQ(store.imageFor(before), nullptr);
}

TEST(ScaleImage, SmoothKeepsAUniformColour) {
    ImageStore store;
    store.createBlankImage(9, 20, 20);
    store.beginDrawing(9);
    store.fillRectangle(0, 0, 20, 20, 0x4080C0);
    store.endDrawing();
    ASSERT_TRUE(store.scaleImage(9, 33, 7, ScaleMode::Smooth));
    EXPECT_EQ(countPixels(*store.image(9), 0x4080C0), 33 * 7);
}

TEST(ScaleImage, EmptySlotFails) {
    ImageStore store;
    EXPECT_FALSE(store.scaleImage(6, 10, 10, ScaleMode::Replicate));
    EXPECT_FALSE(store.imageExists(6));
}

TEST(ReleaseAllImages, EmptiesEverySlot) {
    ImageStore store;
    store.createBlankImage(0, 4, 4);
    store.createBlankImage(15, 4, 4);
    const DisplayHandle handle = store.displayHandle(15);
    store.releaseAllImages();
    EXPECT_FALSE(store.imageExists(0));
    EXPECT_FALSE(store.imageExists(15));
    EXPECT_EQ(store.imageFor(handle), nullptr);
}

} // namespace
