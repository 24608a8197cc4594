#include "platform/Clock.h"

#include <atomic>
#include <cstdint>

namespace shopbiz {

namespace {
std::atomic<bool> g_fixed{false};
std::atomic<std::int64_t> g_fixedAt{0};
}  // namespace

std::time_t Clock::Now() {
    return g_fixed.load() ? static_cast<std::time_t>(g_fixedAt.load()) : std::time(nullptr);
}

void Clock::SetFixed(std::time_t secondsSinceEpoch) {
    g_fixedAt.store(secondsSinceEpoch);
    g_fixed.store(true);
}

void Clock::SetFixedLocal(int year, int month, int day, int hour, int minute, int second) {
    SetFixed(MakeLocalTime(year, month, day, hour, minute, second));
}

std::time_t MakeLocalTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = dst < 0 ? -1 : (dst > 0 ? 1 : 0);
    return std::mktime(&tm);
}

void Clock::UseSystemClock() { g_fixed.store(false); }

bool Clock::IsFixed() { return g_fixed.load(); }

}  // namespace shopbiz
