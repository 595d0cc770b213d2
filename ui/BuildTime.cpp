#include "ui/BuildTime.h"

#include "BuildTimeValue.h"

#include <array>
#include <cstdio>

namespace {

constexpr int versionBuildNumber = 2;

struct CalendarTime {
    std::int64_t year;
    int month, day, hour, minute, second;
};

// Days since 1970-01-01 to the proleptic Gregorian calendar (the algorithm
// of H. Hinnant's "chrono-compatible low-level date algorithms").
CalendarTime calendarTimeOf(std::int64_t seconds) {
    std::int64_t days = seconds / 86400;
    std::int64_t secondOfDay = seconds % 86400;
    if (secondOfDay < 0) {
        secondOfDay += 86400;
        --days;
    }
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    const int month = int(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {year,
            month,
            day,
            int(secondOfDay / 3600),
            int(secondOfDay / 60 % 60),
            int(secondOfDay % 60)};
}

std::string digits(std::int64_t value, int width) {
    std::array<char, 24> text{};
    std::snprintf(text.data(), text.size(), "%0*lld", width, static_cast<long long>(value));
    return text.data();
}

} // namespace

std::int64_t buildTime() {
    return TESSAVIEW_BUILD_TIME;
}

std::string formatTime(std::int64_t secondsSinceEpoch, std::string_view mask) {
    const CalendarTime time = calendarTimeOf(secondsSinceEpoch);
    struct Field {
        std::string_view code;
        std::int64_t value;
        int width;
    };
    const Field fields[] = {{"%yyyy", time.year, 4}, {"%dd", time.day, 2},
                            {"%mm", time.month, 2},  {"%hh", time.hour, 2},
                            {"%ii", time.minute, 2}, {"%ss", time.second, 2}};
    std::string text;
    for (std::size_t at = 0; at < mask.size();) {
        bool replaced = false;
        for (const Field& field : fields) {
            if (mask.substr(at, field.code.size()) == field.code) {
                text += digits(field.value, field.width);
                at += field.code.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            text += mask[at++];
        }
    }
    return text;
}

std::string versionLine(std::int64_t secondsSinceEpoch) {
    return "Version 0.7.7." + std::to_string(versionBuildNumber) + " BETA - Compiled on " +
           formatTime(secondsSinceEpoch, "%dd/%mm/%yyyy at %hh:%ii:%ss");
}
