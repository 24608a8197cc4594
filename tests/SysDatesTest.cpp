// CSysBLL's dates, times and texts, and the same conversions on CSysBLLEx.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "support/ShopDbTest.h"

namespace {

class SysDates : public ShopDbTest {
protected:
    static CString Ymd(const CTime& t) { return t.Format(L"%Y-%m-%d %H:%M:%S"); }
    static CString Ymd(const COleDateTime& t) { return t.Format(L"%Y-%m-%d %H:%M:%S"); }
    CSysBLL sys;
    CSysBLLEx ex;
};

TEST_F(SysDates, TimeStampsComeFromTheLibraryClock) {
    EXPECT_EQ(sys.GetTimeNowLong() + L"|" + sys.GetTimeNowShort(), L"2013-05-06 14:03:09|2013-05-06");
    EXPECT_EQ(sys.GetSysStartDate(), L"1970-01-01");
    // Beyond CTime's range the stamps are still right.
    shopbiz::Clock::SetFixedLocal(2040, 2, 29, 8, 0, 1);
    EXPECT_EQ(sys.GetTimeNowLong() + L"|" + sys.GetTimeNowShort(), L"2040-02-29 08:00:01|2040-02-29");
}

TEST_F(SysDates, DateTextToCTimeNeverFails) {
    const wchar_t* epoch = L"1970-01-01 00:00:00";
    const struct {
        const wchar_t *text, *time;  // null: the invalid time
    } dates[] = {
        {L"2013-05-06", L"2013-05-06 00:00:00"}, {L"2013-05-06 14:03:09", L"2013-05-06 00:00:00"},
        {L"2013-5-6", L"2013-05-06 00:00:00"}, {L"2013-12-1", L"2013-12-01 00:00:00"},
        // Years are held to 1970 through 2038.
        {L"1969-12-31", L"1970-12-31 00:00:00"}, {L"1900-02-01", L"1970-02-01 00:00:00"},
        {L"2040-01-02", L"2038-01-02 00:00:00"}, {L"2038-01-19", L"2038-01-19 00:00:00"},
        // Shorter than 8 characters: the epoch.
        {L"", epoch}, {L"2013-5", epoch}, {L"13-5-6x", epoch},
        // Letters stop the number where they start (month 0 rolls back); a year in letters
        // compares above "2038", past January 19th out of range.
        {L"2013-0x-06", L"2012-12-06 00:00:00"}, {L"abcd-01-06", L"2038-01-06 00:00:00"}, {L"abcd-05-06", nullptr},
        // Out of the calendar: rolls over like the runtime does.
        {L"2013-02-30", L"2013-03-02 00:00:00"}, {L"2013-13-01", L"2014-01-01 00:00:00"},
        // Without dashes the whole text is read as the day: far outside CTime's range.
        {L"20130506", nullptr}, {L"2013-99999999999999-01", nullptr}, {L"2013--99999999999999", nullptr},
    };
    for (const auto& d : dates) {
        SCOPED_TRACE(CString(d.text).ToUtf8());
        const CTime t = sys.CString2CTime(d.text);
        if (d.time) EXPECT_EQ(Ymd(t), d.time);
        else EXPECT_EQ(t.GetTime(), -1);
        // The extended helper gives the same answers.
        EXPECT_EQ(ex.CString2CTime(d.text), t);
        EXPECT_EQ(ex.CString2COleDateTime(d.text), sys.CString2COleDateTime(d.text));
    }
}

TEST_F(SysDates, CTimeToTextAndBack) {
    EXPECT_EQ(sys.CTime2CString(CTime(2013, 5, 6, 23, 59, 59)), L"2013-05-06");
    EXPECT_EQ(sys.CTime2CString(CTime(2038, 1, 1, 0, 0, 0)), L"2038-01-01");
    // Before 1970 (and the invalid time) the current date stands in.
    EXPECT_EQ(sys.CTime2CString(CTime(1969, 12, 31, 0, 0, 0)), L"2013-05-06");
    EXPECT_EQ(sys.CTime2CString(CTime(static_cast<std::time_t>(-1))), L"2013-05-06");
    EXPECT_EQ(ex.CTime2CString(CTime(1969, 1, 1, 0, 0, 0)), L"2013-05-06");

    EXPECT_EQ(sys.LongCTime2CString(CTime(2013, 5, 6, 14, 3, 9)), L"2013-05-06 14:03");
    EXPECT_EQ(Ymd(sys.CString2LongCTime(L"2013-05-06 14:03")), L"2013-05-06 14:03:00");
    EXPECT_EQ(Ymd(sys.CString2LongCTime(L"2013-05-06 14:03:09")), L"2013-05-06 03:09:00");  // the last five characters
    EXPECT_EQ(Ymd(sys.CString2LongCTime(L"1960-05-06 09:30")), L"1970-05-06 09:30:00");
    EXPECT_EQ(Ymd(sys.CString2LongCTime(L"2013-5")), L"1970-01-01 00:00:00");
    // Without a colon the time part is all minutes: "05-06" is minute 5.
    EXPECT_EQ(Ymd(sys.CString2LongCTime(L"2013-05-06")), L"2013-05-06 00:05:00");
}

TEST_F(SysDates, OleDatesHaveNoYearLimits) {
    EXPECT_EQ(Ymd(sys.CString2COleDateTime(L"1900-02-01")), L"1900-02-01 00:00:00");
    EXPECT_EQ(Ymd(sys.CString2COleDateTime(L"2099-12-31")), L"2099-12-31 00:00:00");
    EXPECT_EQ(Ymd(sys.CString2COleDateTime(L"2013-5-6")), L"2013-05-06 00:00:00");
    EXPECT_EQ(Ymd(sys.CString2COleDateTime(L"")), L"1970-01-01 00:00:00");
    EXPECT_EQ(sys.COleDateTime2CString(COleDateTime(1900, 2, 1, 10, 0, 0)), L"1900-02-01");
    EXPECT_EQ(ex.COleDateTime2CString(COleDateTime(1800, 1, 2, 0, 0, 0)), L"1800-01-02");
    // A date that is not in the calendar is not a valid date.
    EXPECT_EQ(sys.CString2COleDateTime(L"2013-02-30").GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(sys.CString2COleDateTime(L"20130506").GetStatus(), COleDateTime::invalid);
}

TEST_F(SysDates, MidnightUnderDaylightSaving) {
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    tzset();
    const CTime summer = sys.CString2CTime(L"2013-07-01"), winter = sys.CString2CTime(L"2013-01-01");
    const CTime minute = sys.CString2LongCTime(L"2013-07-01 12:30");
    setenv("TZ", saved.c_str(), 1);
    tzset();
    EXPECT_EQ(summer.GetTime(), 1372651200);  // 04:00 UTC: midnight EDT
    EXPECT_EQ(winter.GetTime(), 1357016400);  // 05:00 UTC: midnight EST
    EXPECT_EQ(minute.GetTime(), 1372696200);  // 16:30 UTC
}

TEST_F(SysDates, MonthDaysFollowTheLeapYearRules) {
    const int months[][4] = {{2012, 2, 10, 29}, {2013, 2, 10, 28}, {2000, 2, 10, 29}, {2013, 4, 1, 30},
                             {2013, 11, 1, 30}, {2013, 12, 31, 31}, {2013, 8, 1, 31}};  // year, month, day, days
    for (const auto& m : months)
        EXPECT_EQ(sys.GetMonthDays(CTime(m[0], m[1], m[2], 0, 0, 0)), m[3]) << m[0] << "-" << m[1];
}

TEST_F(SysDates, SplitStringKeepsEmptyPieces) {
    const auto split = [&](const wchar_t* text, char separator) {
        CStringArray pieces;
        pieces.Add(L"stale");
        const int count = sys.splitString(text, separator, pieces);
        CString joined;
        for (int i = 0; i < pieces.GetSize(); ++i) joined += (i ? L"/" : L"") + pieces[i];
        EXPECT_EQ(count, pieces.GetSize());
        return joined;
    };
    EXPECT_EQ(split(L"1|2|", '|'), L"1/2/");
    EXPECT_EQ(split(L"", '|'), L"");
    EXPECT_EQ(split(L"a||b", '|'), L"a//b");
    EXPECT_EQ(split(L"笔;本子;", ';'), L"笔/本子/");
    EXPECT_EQ(split(L"no separator", '|'), L"no separator");
}

TEST_F(SysDates, SafeStringReplacesEachCharacterOnce) {
    const std::pair<const wchar_t*, const wchar_t*> texts[] = {
        {L"  O'Brien, 50% off  ", L"O*Brien， 50％ off"},
        {L"\u3000a\u3000b\u3000 ", L"ab"},
        {L"‘x’|y~z^w\"v;", L"*x’｜y*z*w\"v;"},  // ’, the double quote and ; stay
        // Pairs are replaced left to right without looking at what was put in.
        {L"a………b————c——", L"a*…b**c*"},
        {L"''%%,,||", L"**％％，，｜｜"},
        {L" \t\r\n", L""},
    };
    for (const auto& [given, safe] : texts) {
        CString text = given;
        CSysBLL::GetSafeString(text);
        EXPECT_EQ(text, safe) << CString(given).ToUtf8();
    }
}

TEST_F(SysDates, ProgramDirectoryEndsWithTheSeparator) {
    CString dir;
    sys.GetCurrentDirectoryW(dir);
    EXPECT_EQ(dir.Left(1) + dir.Right(1), L"//");
    EXPECT_EQ(dir, CString(shopbiz::ProgramDirectory()));
}

}  // namespace
