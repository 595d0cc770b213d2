// The image display shows the preview's pixels and takes each preview's size;
// the texture stays behind it.
#include "resources/EmbeddedPictures.h"
#include "tests/ui/ProgramFixture.h"
#include "ui/Identifiers.h"

namespace {

class PreviewDisplayTest : public ProgramFixture {
protected:
    void open(std::size_t length) {
        answerFileDialogWith(writeDump("screen.dump", length));
        chooseMenu(openFileItem);
        pass();
        ASSERT_TRUE(program.images().imageExists(1));
    }

    // Every pixel of the display against the preview in slot 1.
    void expectDisplayShowsThePreview() {
        const RasterImage& preview = *program.images().image(1);
        const QImage shown = grab(imageDisplayId);
        ASSERT_EQ(shown.size(), QSize(preview.width, preview.height));
        int differing = 0;
        for (int y = 0; y < preview.height; ++y) {
            for (int x = 0; x < preview.width; ++x) {
                differing += colourAt(shown, x, y) != preview.pixelAt(x, y);
            }
        }
        EXPECT_EQ(differing, 0);
    }
};

TEST_F(PreviewDisplayTest, FullScreenFillsTheAreaBesideThePanel) {
    open(20480);
    EXPECT_EQ(platform.widgetOf(imageDisplayId)->geometry(), QRect(125, 0, 640, 512));
    expectDisplayShowsThePreview();
}

TEST_F(PreviewDisplayTest, RepaintedDisplayFollowsAModeChange) {
    open(20480);
    click(mode0OptionId);
    pass();
    expectDisplayShowsThePreview();
}

TEST_F(PreviewDisplayTest, ShorterDumpShrinksTheDisplayAndTheTextureShowsBelow) {
    open(10240);
    EXPECT_EQ(platform.widgetOf(imageDisplayId)->geometry(), QRect(125, 0, 640, 256));
    expectDisplayShowsThePreview();
    // Slot 1 now holds the preview; the window keeps its own copy of the tile.
    const QImage client = platform.windowOf(mainWindowId)->clientArea()->grab().toImage();
    const std::vector<std::uint8_t> png(textureTilePng().begin(), textureTilePng().end());
    ImageStore tileStore;
    ASSERT_TRUE(tileStore.loadEmbeddedPng(0, png));
    const RasterImage& tile = *tileStore.image(0);
    int differing = 0;
    for (int y = 260; y < client.height(); y += 7) {
        for (int x = 130; x < 765; x += 5) {
            differing += colourAt(client, x, y) != tile.pixelAt(x % tile.width, y % tile.height);
        }
    }
    EXPECT_EQ(differing, 0);
}

} // namespace
