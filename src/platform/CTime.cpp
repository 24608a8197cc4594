#include "platform/CTime.h"

#include <climits>
#include <cwchar>
#include <vector>

#include "platform/Clock.h"

namespace {

std::int64_t Fit32(std::int64_t t) { return (t < INT32_MIN || t > INT32_MAX) ? -1 : t; }

}  // namespace

CTime::CTime(std::time_t t) : t_(Fit32(static_cast<std::int64_t>(t))) {}

CTime::CTime(int year, int month, int day, int hour, int minute, int second, int dst) {
    // mktime answers -1 both for failure and for 1969-12-31 23:59:59 UTC; either way -1 is right.
    t_ = Fit32(static_cast<std::int64_t>(shopbiz::MakeLocalTime(year, month, day, hour, minute, second, dst)));
}

CTime CTime::GetCurrentTime() { return CTime(shopbiz::Clock::Now()); }

bool CTime::GetLocalTm(std::tm* out) const {
    std::time_t t = static_cast<std::time_t>(t_);
    return localtime_r(&t, out) != nullptr;
}

namespace {
std::tm Local(std::int64_t t) {
    std::tm tm{};
    std::time_t tt = static_cast<std::time_t>(t);
    localtime_r(&tt, &tm);
    return tm;
}
}  // namespace

int CTime::GetYear() const { return Local(t_).tm_year + 1900; }
int CTime::GetMonth() const { return Local(t_).tm_mon + 1; }
int CTime::GetDay() const { return Local(t_).tm_mday; }
int CTime::GetHour() const { return Local(t_).tm_hour; }
int CTime::GetMinute() const { return Local(t_).tm_min; }
int CTime::GetSecond() const { return Local(t_).tm_sec; }
int CTime::GetDayOfWeek() const { return Local(t_).tm_wday + 1; }

CString CTime::Format(const wchar_t* format) const {
    if (!format || !*format) return CString();
    std::tm tm = Local(t_);
    std::vector<wchar_t> buf(64 + std::wcslen(format) * 8);
    for (int attempt = 0; attempt < 6; ++attempt) {
        size_t n = std::wcsftime(buf.data(), buf.size(), format, &tm);
        if (n > 0) return CString(buf.data(), static_cast<int>(n));
        buf.resize(buf.size() * 4);
    }
    return CString();
}
