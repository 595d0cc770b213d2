#include "tests/core/DecoderFixture.h"

#include <sys/stat.h>

namespace {

TEST_F(FailedDecode, EntriesThatAreNotRegularFilesCannotBeOpened) {
    const std::string fifo = folder.file("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::string subfolder = folder.file("folder");
    std::filesystem::create_directory(subfolder);
    for (const std::string& path :
         {fifo, subfolder, std::string("/dev/null"), std::string("/dev/zero")}) {
        EXPECT_EQ(decode(path, 2), "") << path;
        expectSlotsUnchanged();
    }
    EXPECT_TRUE(seam.messages.empty()) << "they exist, so no message";
}

} // namespace
