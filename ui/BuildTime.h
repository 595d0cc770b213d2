#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The time the program was built, in seconds since 1970-01-01 00:00:00 UTC.
std::int64_t buildTime();

// The time, taken as UTC, written with a mask in which %dd, %mm, %yyyy, %hh,
// %ii and %ss stand for the day, month, year, hour, minute and second; every
// other character is copied.
std::string formatTime(std::int64_t secondsSinceEpoch, std::string_view mask);

// "Version 0.7.7.2 BETA - Compiled on 29/12/2005 at 11:46:25" for that time.
std::string versionLine(std::int64_t secondsSinceEpoch);
