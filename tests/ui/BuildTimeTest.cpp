// The About window's version line and the build time in it.
#include "ui/BuildTime.h"

#include <gtest/gtest.h>

namespace {

struct TimeCase {
    std::int64_t seconds;
    const char* mask;
    const char* text;
};

TEST(FormatTime, FillsEveryFieldWithLeadingZeros) {
    const TimeCase cases[] = {
        {1135856785, "%dd/%mm/%yyyy at %hh:%ii:%ss", "29/12/2005 at 11:46:25"},
        {86400 + 3 * 3600 + 4 * 60 + 5, "%dd/%mm/%yyyy at %hh:%ii:%ss", "02/01/1970 at 03:04:05"},
        {0, "%dd/%mm/%yyyy at %hh:%ii:%ss", "01/01/1970 at 00:00:00"},
        {951868799, "%yyyy-%mm-%dd %hh:%ii:%ss", "2000-02-29 23:59:59"},
        {4102444800, "%dd.%mm.%yyyy", "01.01.2100"},
        {1135856785, "%d %m %y %x 100% %%dd", "%d %m %y %x 100% %29"},
    };
    for (const TimeCase& c : cases) {
        EXPECT_EQ(formatTime(c.seconds, c.mask), c.text) << c.seconds << " " << c.mask;
    }
}

TEST(VersionLine, OfTheReleasedBuild) {
    EXPECT_EQ(versionLine(1135856785), "Version 0.7.7.2 BETA - Compiled on 29/12/2005 at 11:46:25");
}

} // namespace
