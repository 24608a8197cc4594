#pragma once
// A moment as signed 32-bit seconds since 1970-01-01 00:00 UTC, read in local time.
// A date that does not fit (after 2038-01-19 03:14:07 UTC, or before 1901) gives -1,
// the value the desktop runtime gives for a time it cannot represent.

#include <cstdint>
#include <ctime>

#include "platform/CString.h"

class CTimeSpan {
public:
    CTimeSpan() = default;
    explicit CTimeSpan(std::int64_t seconds) : s_(seconds) {}
    CTimeSpan(long days, int hours, int minutes, int seconds)
        : s_(((static_cast<std::int64_t>(days) * 24 + hours) * 60 + minutes) * 60 + seconds) {}

    std::int64_t GetDays() const { return s_ / 86400; }
    std::int64_t GetTotalHours() const { return s_ / 3600; }
    std::int64_t GetTotalMinutes() const { return s_ / 60; }
    std::int64_t GetTotalSeconds() const { return s_; }
    int GetHours() const { return static_cast<int>(GetTotalHours() % 24); }
    int GetMinutes() const { return static_cast<int>(GetTotalMinutes() % 60); }
    int GetSeconds() const { return static_cast<int>(s_ % 60); }

    CTimeSpan operator+(CTimeSpan o) const { return CTimeSpan(s_ + o.s_); }
    CTimeSpan operator-(CTimeSpan o) const { return CTimeSpan(s_ - o.s_); }
    auto operator<=>(const CTimeSpan&) const = default;

private:
    std::int64_t s_ = 0;
};

class CTime {
public:
    CTime() = default;
    CTime(std::time_t t);
    // Local date and time; out-of-range fields roll over as with mktime. dst -1 lets the
    // C library decide whether daylight saving applies.
    CTime(int year, int month, int day, int hour, int minute, int second, int dst = -1);

    static CTime GetCurrentTime();

    std::time_t GetTime() const { return static_cast<std::time_t>(t_); }
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday ... 7 = Saturday
    bool GetLocalTm(std::tm* out) const;

    // strftime conversions in local time (%Y, %m, %d, %H, %M, %S, ...).
    CString Format(const wchar_t* format) const;

    CTime operator+(CTimeSpan span) const { return CTime(static_cast<std::time_t>(t_ + span.GetTotalSeconds())); }
    CTime operator-(CTimeSpan span) const { return CTime(static_cast<std::time_t>(t_ - span.GetTotalSeconds())); }
    CTimeSpan operator-(CTime other) const { return CTimeSpan(t_ - other.t_); }
    CTime& operator+=(CTimeSpan span) { return *this = *this + span; }
    CTime& operator-=(CTimeSpan span) { return *this = *this - span; }
    auto operator<=>(const CTime&) const = default;

private:
    std::int64_t t_ = 0;
};
