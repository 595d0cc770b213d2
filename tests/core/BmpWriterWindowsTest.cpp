#include "tests/core/FailedWriteFixture.h"

#include <windows.h>

namespace {

TEST_F(FailedWrite, TargetHeldOpenByAnotherProgramIsKept) {
    // Open without delete sharing, as most programs open a file they read.
    const HANDLE reader = CreateFileA(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    const bool written = writeBmp(store, 0, target);
    CloseHandle(reader);

    EXPECT_FALSE(written);
    EXPECT_EQ(readWholeFile(target), original);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"keep.bmp"}) << "no temporary file left";
    EXPECT_TRUE(writeBmp(store, 0, target)) << "replaced once the other program let go";
}

} // namespace
