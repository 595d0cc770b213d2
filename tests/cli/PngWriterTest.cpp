#include "imaging/PngWriter.h"

#include "imaging/BmpWriter.h"
#include "tests/cli/PictureFiles.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <png.h>

namespace {

// An image whose every pixel differs from its neighbours in each channel.
ImageStore storeWithPattern(int width, int height) {
    ImageStore store;
    store.createBlankImage(0, width, height);
    store.beginDrawing(0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            store.setPixel(
                x, y,
                makeColour(std::uint8_t(x * 7), std::uint8_t(y * 13), std::uint8_t(x * y + 1)));
        }
    }
    store.endDrawing();
    return store;
}

class PngWidth : public testing::TestWithParam<int> {};

TEST_P(PngWidth, PixelsEqualTheBmpsAndTheHeaderIsEightBitRgb) {
    const int width = GetParam();
    const ImageStore store = storeWithPattern(width, 9);
    PngHeader header;
    const auto fromPng = readPng(encodePng(*store.image(0)), header);
    ASSERT_TRUE(fromPng.has_value());
    EXPECT_EQ(header.bitDepth, 8);
    EXPECT_EQ(header.colourType, PNG_COLOR_TYPE_RGB);
    EXPECT_EQ(header.interlace, PNG_INTERLACE_NONE);
    const auto fromBmp = readBmp(encodeBmp(*store.image(0)));
    ASSERT_TRUE(fromBmp.has_value());
    EXPECT_EQ(*fromPng, *fromBmp);
    EXPECT_EQ(fromPng->width, width);
    EXPECT_EQ(fromPng->height, 9);
}

// Every amount of row padding, and the widths of the program's pictures.
INSTANTIATE_TEST_SUITE_P(Widths, PngWidth, testing::Values(1, 2, 3, 4, 5, 160, 320, 640));

TEST(PngWriter, ReplacesAnExistingFileWholeAndLeavesNoTemporaryFile) {
    TemporaryFolder folder;
    const std::string path = folder.file("picture.png");
    writeWholeFile(path, std::vector<std::uint8_t>(500000, 0x55));
    const ImageStore store = storeWithPattern(20, 20);
    ASSERT_TRUE(writePng(store, 0, path));
    EXPECT_EQ(readWholeFile(path), encodePng(*store.image(0)));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"picture.png"});
}

TEST(PngWriter, FailsWithoutTouchingDiskForAnEmptySlotOrPath) {
    TemporaryFolder folder;
    const ImageStore empty;
    EXPECT_FALSE(writePng(empty, 0, folder.file("x.png")));
    const ImageStore store = storeWithPattern(4, 4);
    EXPECT_FALSE(writePng(store, 0, std::string()));
    EXPECT_TRUE(folder.entries().empty());
}

TEST(PngWriter, FailsForAMissingFolderAndKeepsTheOldFileOnFailure) {
    TemporaryFolder folder;
    const ImageStore store = storeWithPattern(4, 4);
    EXPECT_FALSE(writePng(store, 0, folder.file("missing/x.png")));
    // A folder in the way of the rename: the write fails and the folder stays.
    std::filesystem::create_directory(folder.file("taken.png"));
    EXPECT_FALSE(writePng(store, 0, folder.file("taken.png")));
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("taken.png")));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"taken.png"});
}

TEST(PngWriter, WritesToAStream) {
    TemporaryFolder folder;
    const ImageStore store = storeWithPattern(33, 7);
    const std::string path = folder.file("stream.png");
    std::FILE* stream = std::fopen(path.c_str(), "wb");
    ASSERT_NE(stream, nullptr);
    EXPECT_TRUE(writePng(store, 0, stream));
    std::fclose(stream);
    EXPECT_EQ(readWholeFile(path), encodePng(*store.image(0)));
}

TEST(PngWriter, StreamWriteFailureIsReported) {
    const ImageStore store = storeWithPattern(8, 8);
    std::FILE* full = std::fopen("/dev/full", "wb");
    ASSERT_NE(full, nullptr);
    EXPECT_FALSE(writePng(store, 0, full));
    std::fclose(full);
}

TEST(PngWriter, OneByOneBlackImageOfAnEmptyPicture) {
    ImageStore store;
    store.createBlankImage(0, 640, 0);
    PngHeader header;
    const auto picture = readPng(encodePng(*store.image(0)), header);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->width, 1);
    EXPECT_EQ(picture->height, 1);
    EXPECT_EQ(picture->at(0, 0), 0u);
}

} // namespace
