#pragma once
// The one source of the current time for the whole library. Hosts leave it on the
// system clock; tests fix it to a known moment.

#include <ctime>

namespace shopbiz {

class Clock {
public:
    // Seconds since 1970-01-01 00:00 UTC.
    static std::time_t Now();
    static void SetFixed(std::time_t secondsSinceEpoch);
    // Fixes the clock at a local date and time (the C library's time zone rules apply).
    static void SetFixedLocal(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
    static void UseSystemClock();
    static bool IsFixed();
};

// mktime of a local date and time; fields out of range roll over. dst -1 lets the C library
// decide whether daylight saving applies. -1 when the moment cannot be represented.
std::time_t MakeLocalTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);

}  // namespace shopbiz
