// CSysBLL: dates, times and texts. Dates travel as text; these turn them into the host's
// date objects and back, following the desktop runtime's parsing rules (including their
// quirks, which stored data and callers rely on).

#include "common/NumberText.h"
#include "common/SysBLLEx.h"
#include "frame/SysBLL.h"
#include "platform/ProgramDirectory.h"

namespace {

using shopbiz::WToI;

struct DateFields {
    int year, month, day;
};

// "y-m-d" as the runtime read it: the month text runs from after the first dash for as many
// characters as the second dash's index (so "05-06" gives 5), the day text from after the
// second dash to the end. With limitYears the year text is held to "1970".."2038",
// compared as text.
DateFields ParseDateText(const CString& date, bool limitYears) {
    int p1 = date.Find(L'-');
    CString year = date.Left(p1);
    if (limitYears) {
        if (year < L"1970") year = L"1970";
        if (year > L"2038") year = L"2038";
    }
    int p2 = date.Find(L'-', p1 + 1);
    CString month = date.Mid(p1 + 1, p2);
    CString day = date.Mid(p2 + 1);
    return {WToI(year), WToI(month), WToI(day)};
}

// A local time; fields far outside the calendar give the invalid time (-1) directly, since
// they could only roll over to a moment outside CTime's range anyway.
CTime LocalTime(int year, int month, int day, int hour, int minute) {
    const int kFar = 100000000;
    for (int v : {year, month, day, hour, minute})
        if (v < -kFar || v > kFar) return CTime(static_cast<std::time_t>(-1));
    return CTime(year, month, day, hour, minute, 0);
}

CString YearMonthDay(int year, int month, int day) {
    CString text;
    text.Format(L"%d-%02d-%02d", year, month, day);
    return text;
}

}  // namespace

CString CSysBLL::GetTimeNowLong() { return COleDateTime::GetCurrentTime().Format(L"%Y-%m-%d %H:%M:%S"); }

CString CSysBLL::GetTimeNowShort() { return COleDateTime::GetCurrentTime().Format(L"%Y-%m-%d"); }

CString CSysBLL::GetSysStartDate() { return L"1970-01-01"; }

CString CSysBLL::CTime2CString(CTime time) {
    if (time.GetTime() < 0) time = CTime::GetCurrentTime();
    return YearMonthDay(time.GetYear(), time.GetMonth(), time.GetDay());
}

CTime CSysBLL::CString2CTime(CString date) {
    if (date.GetLength() < 8) return CTime(1970, 1, 1, 0, 0, 0);
    DateFields d = ParseDateText(date, true);
    return LocalTime(d.year, d.month, d.day, 0, 0);
}

CString CSysBLL::COleDateTime2CString(COleDateTime time) {
    return YearMonthDay(time.GetYear(), time.GetMonth(), time.GetDay());
}

COleDateTime CSysBLL::CString2COleDateTime(CString date) {
    if (date.GetLength() < 8) return COleDateTime(1970, 1, 1, 0, 0, 0);
    DateFields d = ParseDateText(date, false);
    return COleDateTime(d.year, d.month, d.day, 0, 0, 0);
}

CString CSysBLL::LongCTime2CString(CTime time) { return time.Format(L"%Y-%m-%d %H:%M"); }

CTime CSysBLL::CString2LongCTime(CString dateAndMinute) {
    CString datePart = dateAndMinute.Left(10);
    CString timePart = dateAndMinute.Right(5);
    if (dateAndMinute.GetLength() < 8) return CTime(1970, 1, 1, 0, 0, 0);
    DateFields d = ParseDateText(datePart, true);
    int q = timePart.Find(L':');
    int hour = WToI(timePart.Left(q));
    int minute = WToI(timePart.Mid(q + 1));
    return LocalTime(d.year, d.month, d.day, hour, minute);
}

int CSysBLL::GetMonthDays(CTime time) {
    int year = time.GetYear();
    switch (time.GetMonth()) {
        case 2: return ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0) ? 29 : 28;
        case 4: case 6: case 9: case 11: return 30;
        default: return 31;
    }
}

int CSysBLL::splitString(CString text, char separator, CStringArray& pieces) {
    const wchar_t sep = static_cast<wchar_t>(static_cast<unsigned char>(separator));
    pieces.RemoveAll();
    CString rest = text;
    for (int p; (p = rest.Find(sep)) >= 0;) {
        pieces.Add(rest.Left(p));
        rest = rest.Mid(p + 1);
    }
    pieces.Add(rest);
    return pieces.GetSize();
}

void CSysBLL::GetSafeString(CString& text) {
    text.TrimRight();
    text.TrimLeft();
    text.Replace(L"\u3000", L"");
    text.Replace(L"'", L"*");
    text.Replace(L"\u2018", L"*");
    text.Replace(L"|", L"\uFF5C");
    text.Replace(L"~", L"*");
    text.Replace(L"%", L"\uFF05");
    text.Replace(L"^", L"*");
    text.Replace(L"\u2026\u2026", L"*");
    text.Replace(L"\u2014\u2014", L"*");
    text.Replace(L",", L"\uFF0C");
}

void CSysBLL::GetCurrentDirectoryW(CString& directory) { directory = shopbiz::ProgramDirectory(); }

// --- CSysBLLEx: the same conversions -------------------------------------------------------

CString CSysBLLEx::CTime2CString(CTime time) { return CSysBLL().CTime2CString(time); }

CTime CSysBLLEx::CString2CTime(CString date) { return CSysBLL().CString2CTime(date); }

CString CSysBLLEx::COleDateTime2CString(COleDateTime time) { return CSysBLL().COleDateTime2CString(time); }

COleDateTime CSysBLLEx::CString2COleDateTime(CString date) { return CSysBLL().CString2COleDateTime(date); }
