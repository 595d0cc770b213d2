// Save's naming rule, on its own and through the real "Save as" dialog.
#include "imaging/SaveCommand.h"

#include "imaging/BmpWriter.h"
#include "tests/ui/ProgramFixture.h"
#include "ui/Identifiers.h"

#include <QFileDialog>
#include <filesystem>

namespace {

struct NamingRow {
    std::string chosen;
    std::string extension;
    std::string written;
};

class SaveNamingTest : public ::testing::TestWithParam<NamingRow> {};

TEST_P(SaveNamingTest, AppendsBmpUnlessTheExtensionIsBmpInAnyCase) {
    EXPECT_EQ(extensionOf(GetParam().chosen), GetParam().extension);
    EXPECT_EQ(bmpPathFor(GetParam().chosen), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Backslashes, SaveNamingTest,
    ::testing::Values(NamingRow{R"(C:\pics\screen)", "", R"(C:\pics\screen.bmp)"},
                      NamingRow{R"(C:\pics\screen.bmp)", "bmp", R"(C:\pics\screen.bmp)"},
                      NamingRow{R"(C:\pics\screen.BMP)", "BMP", R"(C:\pics\screen.BMP)"},
                      NamingRow{R"(C:\pics\screen.Bmp)", "Bmp", R"(C:\pics\screen.Bmp)"},
                      NamingRow{R"(C:\pics\screen.png)", "png", R"(C:\pics\screen.png.bmp)"},
                      NamingRow{R"(C:\pics.old\screen)", "", R"(C:\pics.old\screen.bmp)"},
                      NamingRow{R"(C:\pics\screen.bmp.txt)", "txt",
                                R"(C:\pics\screen.bmp.txt.bmp)"}));

// The same table with "/": a slash does not stop the search for the full
// stop, so a dotted folder yields a long "extension" that is not bmp.
INSTANTIATE_TEST_SUITE_P(
    Slashes, SaveNamingTest,
    ::testing::Values(NamingRow{"/pics/screen", "", "/pics/screen.bmp"},
                      NamingRow{"/pics/screen.bmp", "bmp", "/pics/screen.bmp"},
                      NamingRow{"/pics/screen.BMP", "BMP", "/pics/screen.BMP"},
                      NamingRow{"/pics/screen.png", "png", "/pics/screen.png.bmp"},
                      NamingRow{"/pics.old/screen", "old/screen", "/pics.old/screen.bmp"},
                      NamingRow{"/pics.old/screen.bmp", "bmp", "/pics.old/screen.bmp"},
                      NamingRow{"/pics/screen.bmp.txt", "txt", "/pics/screen.bmp.txt.bmp"},
                      NamingRow{"/pics/.bmp", "bmp", "/pics/.bmp"}));

class SaveDialogTest : public ProgramFixture {
protected:
    void openDump() {
        answerFileDialogWith(writeDump("screen.dump", 20480));
        chooseMenu(openFileItem);
        pass();
        ASSERT_TRUE(program.images().imageExists(0));
    }

    void saveAs(const std::string& typed) {
        answerFileDialogWith(typed);
        chooseMenu(saveAsItem);
        pass();
    }
};

struct DialogRow {
    std::string typed;
    std::string written;
};

class SaveThroughDialogTest : public SaveDialogTest,
                              public ::testing::WithParamInterface<DialogRow> {};

TEST_P(SaveThroughDialogTest, WritesThePictureUnderTheCompletedName) {
    openDump();
    std::filesystem::create_directory(folder.path() / "pics.old");
    saveAs(folder.file(GetParam().typed));
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].title, "Save as");
    EXPECT_EQ(dialogs[1].filters, QStringList{"BMP (*.bmp)"});
    EXPECT_FALSE(dialogs[1].confirmsOverwrite);
    EXPECT_TRUE(dialogs[1].defaultSuffix.isEmpty());
    const std::vector<std::uint8_t> written = readWholeFile(folder.file(GetParam().written));
    EXPECT_EQ(written, encodeBmp(*program.images().image(0)));
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(NamingTable, SaveThroughDialogTest,
                         ::testing::Values(DialogRow{"picture", "picture.bmp"},
                                           DialogRow{"picture.bmp", "picture.bmp"},
                                           DialogRow{"picture.BMP", "picture.BMP"},
                                           DialogRow{"picture.png", "picture.png.bmp"},
                                           DialogRow{"pics.old/picture", "pics.old/picture.bmp"},
                                           DialogRow{"picture.bmp.txt", "picture.bmp.txt.bmp"}));

TEST_F(SaveDialogTest, SavedPictureHasTheDumpsOwnResolution) {
    openDump();
    saveAs(folder.file("native"));
    const std::vector<std::uint8_t> written = readWholeFile(folder.file("native.bmp"));
    ASSERT_GE(written.size(), 54u);
    EXPECT_EQ(written[18] | (written[19] << 8), 160);
    EXPECT_EQ(written[22] | (written[23] << 8), 256);
}

TEST_F(SaveDialogTest, CancelWritesNothing) {
    openDump();
    const std::vector<std::string> before = folder.entries();
    saveAs("");
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].title, "Save as");
    EXPECT_EQ(folder.entries(), before);
}

TEST_F(SaveDialogTest, WithoutAPictureTheDialogShowsAndNothingIsWritten) {
    saveAs(folder.file("picture"));
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, "Save as");
    EXPECT_TRUE(folder.entries().empty());
    EXPECT_TRUE(messages.empty());
}

TEST_F(SaveDialogTest, ReplacesALargerFileWithoutAsking) {
    openDump();
    writeWholeFile(folder.file("old.bmp"), std::vector<std::uint8_t>(500000, 7));
    saveAs(folder.file("old.bmp"));
    EXPECT_EQ(readWholeFile(folder.file("old.bmp")), encodeBmp(*program.images().image(0)));
}

} // namespace
