#include "platform/COleDateTime.h"

#include "platform/Clock.h"

namespace {

constexpr std::int64_t kDay = 86400;

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t yy = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yy + (m <= 2));
}

const std::int64_t kEpochOffset = -DaysFromCivil(1899, 12, 30);  // days from 1899-12-30 to 1970-01-01

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysIn(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

void AppendNumber(std::wstring& out, int value, int width) {
    std::wstring digits = std::to_wstring(value < 0 ? -value : value);
    if (value < 0) out += L'-';
    if (static_cast<int>(digits.size()) < width) out.append(static_cast<size_t>(width) - digits.size(), L'0');
    out += digits;
}

}  // namespace

COleDateTime::COleDateTime(int year, int month, int day, int hour, int minute, int second) {
    SetDateTime(year, month, day, hour, minute, second);
}

COleDateTime::COleDateTime(std::time_t t) {
    std::tm tm{};
    if (localtime_r(&t, &tm)) {
        SetDateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    } else {
        status_ = invalid;
    }
}

COleDateTime COleDateTime::GetCurrentTime() { return COleDateTime(shopbiz::Clock::Now()); }

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second) {
    bool ok = year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
              day <= DaysIn(year, month) && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 &&
              second >= 0 && second <= 59;
    if (!ok) {
        s_ = 0;
        status_ = invalid;
        return 1;
    }
    std::int64_t days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) + kEpochOffset;
    s_ = days * kDay + hour * 3600 + minute * 60 + second;
    status_ = valid;
    return 0;
}

bool COleDateTime::ParseDateTime(const wchar_t* text) {
    int f[6] = {0, 0, 0, 0, 0, 0};
    int count = 0;
    const wchar_t* p = text ? text : L"";
    while (*p == L' ') ++p;
    while (*p && count < 6) {
        if (*p < L'0' || *p > L'9') break;
        int v = 0, digits = 0;
        while (*p >= L'0' && *p <= L'9' && digits < 9) v = v * 10 + (*p++ - L'0'), ++digits;
        f[count++] = v;
        if (count < 3 && (*p == L'-' || *p == L'/')) ++p;
        else if (count == 3 && *p == L' ') ++p;
        else if (count > 3 && count < 6 && *p == L':') ++p;
        else break;
    }
    while (*p == L' ') ++p;
    if (count < 3 || count == 4 || *p) {
        status_ = invalid;
        return false;
    }
    return SetDateTime(f[0], f[1], f[2], f[3], f[4], f[5]) == 0;
}

COleDateTime::Fields COleDateTime::Split() const {
    Fields r{};
    std::int64_t days = s_ >= 0 ? s_ / kDay : -((-s_ + kDay - 1) / kDay);
    std::int64_t rest = s_ - days * kDay;
    CivilFromDays(days - kEpochOffset, r.year, r.month, r.day);
    r.hour = static_cast<int>(rest / 3600);
    r.minute = static_cast<int>(rest / 60 % 60);
    r.second = static_cast<int>(rest % 60);
    std::int64_t unixDays = days - kEpochOffset;  // 1970-01-01 was a Thursday
    r.weekday = static_cast<int>(((unixDays % 7) + 7 + 4) % 7) + 1;
    r.yearday = static_cast<int>(unixDays - DaysFromCivil(r.year, 1, 1)) + 1;
    return r;
}

int COleDateTime::GetYear() const { return status_ == valid ? Split().year : -1; }
int COleDateTime::GetMonth() const { return status_ == valid ? Split().month : -1; }
int COleDateTime::GetDay() const { return status_ == valid ? Split().day : -1; }
int COleDateTime::GetHour() const { return status_ == valid ? Split().hour : -1; }
int COleDateTime::GetMinute() const { return status_ == valid ? Split().minute : -1; }
int COleDateTime::GetSecond() const { return status_ == valid ? Split().second : -1; }
int COleDateTime::GetDayOfWeek() const { return status_ == valid ? Split().weekday : -1; }
int COleDateTime::GetDayOfYear() const { return status_ == valid ? Split().yearday : -1; }

CString COleDateTime::Format(const wchar_t* format) const {
    if (status_ != valid || !format) return CString();
    Fields f = Split();
    std::wstring out;
    for (const wchar_t* p = format; *p; ++p) {
        if (*p != L'%' || !p[1]) {
            out += *p;
            continue;
        }
        switch (*++p) {
            case L'Y': AppendNumber(out, f.year, 4); break;
            case L'y': AppendNumber(out, f.year % 100, 2); break;
            case L'm': AppendNumber(out, f.month, 2); break;
            case L'd': AppendNumber(out, f.day, 2); break;
            case L'H': AppendNumber(out, f.hour, 2); break;
            case L'M': AppendNumber(out, f.minute, 2); break;
            case L'S': AppendNumber(out, f.second, 2); break;
            case L'j': AppendNumber(out, f.yearday, 3); break;
            case L'%': out += L'%'; break;
            default:
                out += L'%';
                out += *p;
                break;
        }
    }
    return CString(std::move(out));
}

COleDateTime COleDateTime::operator+(COleDateTimeSpan span) const {
    COleDateTime r(*this);
    r.s_ += span.GetTotalSeconds();
    return r;
}

COleDateTime COleDateTime::operator-(COleDateTimeSpan span) const {
    COleDateTime r(*this);
    r.s_ -= span.GetTotalSeconds();
    return r;
}
