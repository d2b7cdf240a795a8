#pragma once

#include <optional>
#include <string>

namespace platform {

// A moment in the local time zone, split into its calendar fields (month and day from 1).
struct LocalTime
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The last-write time of the file at path in local time; nothing when the file cannot be opened
// for reading or its time cannot be read or converted.
std::optional<LocalTime> lastWriteLocalTime(const std::string &path);

} // namespace platform
