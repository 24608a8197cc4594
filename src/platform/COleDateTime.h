#pragma once
// A calendar date and time without the 1970-2038 limits of CTime (years 100 to 9999),
// kept as local wall-clock time with a validity status.

#include <cstdint>
#include <ctime>

#include "platform/CString.h"

class COleDateTimeSpan {
public:
    COleDateTimeSpan() = default;
    COleDateTimeSpan(long days, int hours, int minutes, int seconds)
        : s_(((static_cast<std::int64_t>(days) * 24 + hours) * 60 + minutes) * 60 + seconds) {}
    static COleDateTimeSpan FromSeconds(std::int64_t s) {
        COleDateTimeSpan r;
        r.s_ = s;
        return r;
    }
    long GetDays() const { return static_cast<long>(s_ / 86400); }
    double GetTotalDays() const { return static_cast<double>(s_) / 86400.0; }
    std::int64_t GetTotalSeconds() const { return s_; }
    auto operator<=>(const COleDateTimeSpan&) const = default;

private:
    std::int64_t s_ = 0;
};

class COleDateTime {
public:
    enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

    COleDateTime() = default;  // 1899-12-30 00:00:00, valid, as on the desktop
    COleDateTime(int year, int month, int day, int hour, int minute, int second);
    explicit COleDateTime(std::time_t t);  // local time of a moment

    static COleDateTime GetCurrentTime();

    // 0 when the fields form a real date and time; otherwise 1 and the status becomes invalid.
    int SetDateTime(int year, int month, int day, int hour, int minute, int second);
    int SetDate(int year, int month, int day) { return SetDateTime(year, month, day, 0, 0, 0); }
    // Reads "YYYY-MM-DD", "YYYY/MM/DD", optionally followed by " HH:MM" or " HH:MM:SS".
    bool ParseDateTime(const wchar_t* text);

    DateTimeStatus GetStatus() const { return status_; }
    void SetStatus(DateTimeStatus s) { status_ = s; }

    // Each getter returns -1 for a date that is not valid.
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const;  // 1 = Sunday
    int GetDayOfYear() const;

    // Supports %Y %y %m %d %H %M %S %j %%; other text is copied. Empty for an invalid date.
    CString Format(const wchar_t* format) const;

    COleDateTime operator+(COleDateTimeSpan span) const;
    COleDateTime operator-(COleDateTimeSpan span) const;
    COleDateTimeSpan operator-(const COleDateTime& other) const {
        return COleDateTimeSpan::FromSeconds(s_ - other.s_);
    }
    COleDateTime& operator+=(COleDateTimeSpan span) { return *this = *this + span; }
    COleDateTime& operator-=(COleDateTimeSpan span) { return *this = *this - span; }
    bool operator==(const COleDateTime& o) const { return s_ == o.s_ && status_ == o.status_; }
    bool operator<(const COleDateTime& o) const { return s_ < o.s_; }
    bool operator>(const COleDateTime& o) const { return s_ > o.s_; }
    bool operator<=(const COleDateTime& o) const { return s_ <= o.s_; }
    bool operator>=(const COleDateTime& o) const { return s_ >= o.s_; }

private:
    struct Fields {
        int year, month, day, hour, minute, second, weekday, yearday;
    };
    Fields Split() const;

    std::int64_t s_ = 0;  // seconds since 1899-12-30 00:00:00 wall-clock time
    DateTimeStatus status_ = valid;
};
