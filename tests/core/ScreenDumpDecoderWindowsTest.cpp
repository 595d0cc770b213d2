#include "tests/core/DecoderFixture.h"

#include <windows.h>

namespace {

TEST_F(FailedDecode, EntriesThatAreNotRegularFilesCannotBeOpened) {
    const std::string subfolder = folder.file("folder");
    std::filesystem::create_directory(subfolder);
    for (const std::string& path : {subfolder, std::string("NUL"), std::string("CON")}) {
        EXPECT_EQ(decode(path, 2), "") << path;
        expectSlotsUnchanged();
    }
    EXPECT_TRUE(seam.messages.empty()) << "they exist, so no message";
}

TEST_F(FailedDecode, FileLockedByAnotherProgramCannotBeOpened) {
    const std::string path = dump(std::vector<std::uint8_t>(20480, 0xFF), "locked");
    const HANDLE lock =
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(decode(path, 2), "");
    CloseHandle(lock);
    expectSlotsUnchanged();
    EXPECT_TRUE(seam.messages.empty()) << "it exists, so no message";
    EXPECT_EQ(decode(path, 2), path) << "readable again once the lock is gone";
}

} // namespace
