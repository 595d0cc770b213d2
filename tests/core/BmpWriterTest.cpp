#include "imaging/BmpWriter.h"

#include "tests/core/FailedWriteFixture.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

std::uint32_t readU32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}

std::uint16_t readU16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

TEST(WriteBmp, HeadersOfAMode2Picture) {
    TemporaryFolder folder;
    ImageStore store;
    store.createBlankImage(0, 160, 256);
    ASSERT_TRUE(writeBmp(store, 0, folder.file("picture.bmp")));
    const auto bytes = readWholeFile(folder.file("picture.bmp"));
    ASSERT_EQ(bytes.size(), 122934u);
    EXPECT_EQ(bytes[0], 0x42);
    EXPECT_EQ(bytes[1], 0x4D);
    EXPECT_EQ(readU32(bytes, 2), 122934u);
    EXPECT_EQ(readU32(bytes, 6), 0u);
    EXPECT_EQ(readU32(bytes, 10), 54u);
    EXPECT_EQ(readU32(bytes, 14), 40u);
    EXPECT_EQ(readU32(bytes, 18), 160u);
    EXPECT_EQ(readU32(bytes, 22), 256u);
    EXPECT_EQ(readU16(bytes, 26), 1u);
    EXPECT_EQ(readU16(bytes, 28), 24u);
    EXPECT_EQ(readU32(bytes, 30), 0u);
    EXPECT_EQ(readU32(bytes, 34), 122880u);
    for (std::size_t at : {38u, 42u, 46u, 50u}) {
        EXPECT_EQ(readU32(bytes, at), 0u) << "offset " << at;
    }
}

struct SizeCase {
    int width, height;
    std::size_t rowBytes, fileSize;

    friend void PrintTo(const SizeCase& c, std::ostream* out) {
        *out << c.width << "x" << c.height;
    }
};

class BmpSizeTest : public testing::TestWithParam<SizeCase> {};

TEST_P(BmpSizeTest, RowsArePaddedToFourBytes) {
    const SizeCase c = GetParam();
    ImageStore store;
    store.createBlankImage(0, c.width, c.height);
    store.beginDrawing(0);
    store.fillRectangle(0, 0, c.width, c.height, 0xFFFFFF);
    store.endDrawing();
    const auto bytes = encodeBmp(*store.image(0));
    ASSERT_EQ(bytes.size(), c.fileSize);
    EXPECT_EQ(readU32(bytes, 2), c.fileSize);
    const std::size_t pad = c.rowBytes - 3 * std::size_t(c.width);
    for (int row = 0; row < c.height; ++row) {
        const std::size_t start = 54 + row * c.rowBytes;
        for (std::size_t i = 0; i < c.rowBytes; ++i) {
            EXPECT_EQ(bytes[start + i], i < c.rowBytes - pad ? 0xFF : 0x00) << row << ":" << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, BmpSizeTest,
                         testing::Values(SizeCase{1, 1, 4, 58}, SizeCase{2, 3, 8, 78},
                                         SizeCase{3, 2, 12, 78}, SizeCase{4, 1, 12, 66},
                                         SizeCase{5, 2, 16, 86}, SizeCase{640, 256, 1920, 491574},
                                         SizeCase{320, 256, 960, 245814},
                                         SizeCase{160, 100, 480, 48054}));

TEST(WriteBmp, RowsBottomUpInBlueGreenRed) {
    ImageStore store;
    store.createBlankImage(0, 2, 2);
    store.beginDrawing(0);
    store.setPixel(0, 0, 0x0000FF); // top left: red
    store.setPixel(1, 1, 0x123456); // bottom right
    store.endDrawing();
    const auto bytes = encodeBmp(*store.image(0));
    // First row in the file is the image's bottom row.
    const std::vector<std::uint8_t> bottom(bytes.begin() + 54, bytes.begin() + 62);
    const std::vector<std::uint8_t> top(bytes.begin() + 62, bytes.begin() + 70);
    EXPECT_EQ(bottom, (std::vector<std::uint8_t>{0, 0, 0, 0x12, 0x34, 0x56, 0, 0}));
    EXPECT_EQ(top, (std::vector<std::uint8_t>{0, 0, 255, 0, 0, 0, 0, 0}));
}

TEST(WriteBmp, ReplacesALargerFileWithExactlyTheNewSize) {
    TemporaryFolder folder;
    const std::string path = folder.file("big.bmp");
    writeWholeFile(path, std::vector<std::uint8_t>(600000, 0xEE));
    ImageStore store;
    store.createBlankImage(0, 160, 256);
    ASSERT_TRUE(writeBmp(store, 0, path));
    EXPECT_EQ(readWholeFile(path), encodeBmp(*store.image(0)));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"big.bmp"});
}

TEST(WriteBmp, EmptySlotOrEmptyPathWritesNothing) {
    TemporaryFolder folder;
    ImageStore store;
    EXPECT_FALSE(writeBmp(store, 0, folder.file("none.bmp")));
    store.createBlankImage(0, 4, 4);
    EXPECT_FALSE(writeBmp(store, 0, ""));
    EXPECT_TRUE(folder.entries().empty());
}

TEST(WriteBmp, PathsWithSpacesAndNonAsciiBytes) {
    TemporaryFolder folder;
    ImageStore store;
    store.createBlankImage(0, 8, 8);
    const std::string path = folder.file("Bild \xC3\xBC \xE2\x82\xAC.bmp");
    ASSERT_TRUE(writeBmp(store, 0, path));
    EXPECT_EQ(readWholeFile(path).size(), 54u + 24 * 8);
}

TEST_F(FailedWrite, TargetThatIsAFolderStaysAFolder) {
    const std::string folderTarget = folder.file("folder.bmp");
    std::filesystem::create_directory(folderTarget);
    EXPECT_FALSE(writeBmp(store, 0, folderTarget));
    EXPECT_TRUE(std::filesystem::is_directory(folderTarget));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"folder.bmp", "keep.bmp"}));
}

TEST_F(FailedWrite, MissingFolderFails) {
    EXPECT_FALSE(writeBmp(store, 0, folder.file("no such folder/picture.bmp")));
    EXPECT_EQ(readWholeFile(target), original);
}

} // namespace
