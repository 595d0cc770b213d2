#include "tests/core/FailedWriteFixture.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

TEST_F(FailedWrite, DiskFullLeavesTheOldFileByteForByte) {
    // A file-size limit makes the writes fail part way, as a full disk does.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written = writeBmp(store, 0, target);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(readWholeFile(target), original);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"keep.bmp"}) << "no temporary file left";
}

TEST_F(FailedWrite, ReadOnlyFolderLeavesTheOldFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "permissions do not bind root";
    }
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    EXPECT_FALSE(writeBmp(store, 0, target));
    EXPECT_EQ(readWholeFile(target), original);
}

} // namespace
