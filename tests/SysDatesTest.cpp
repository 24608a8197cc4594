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
    EXPECT_EQ(sys.GetTimeNowLong(), L"2013-05-06 14:03:09");
    EXPECT_EQ(sys.GetTimeNowShort(), L"2013-05-06");
    EXPECT_EQ(sys.GetSysStartDate(), L"1970-01-01");
    // Beyond CTime's range the stamps are still right.
    shopbiz::Clock::SetFixedLocal(2040, 2, 29, 8, 0, 1);
    EXPECT_EQ(sys.GetTimeNowLong(), L"2040-02-29 08:00:01");
    EXPECT_EQ(sys.GetTimeNowShort(), L"2040-02-29");
}

TEST_F(SysDates, DateTextToCTimeHoldsYearsTo1970Through2038) {
    EXPECT_EQ(Ymd(sys.CString2CTime(L"2013-05-06")), L"2013-05-06 00:00:00");
    EXPECT_EQ(Ymd(sys.CString2CTime(L"2013-05-06 14:03:09")), L"2013-05-06 00:00:00");
    EXPECT_EQ(Ymd(sys.CString2CTime(L"1969-12-31")), L"1970-12-31 00:00:00");
    EXPECT_EQ(Ymd(sys.CString2CTime(L"1900-02-01")), L"1970-02-01 00:00:00");
    EXPECT_EQ(Ymd(sys.CString2CTime(L"2040-01-02")), L"2038-01-02 00:00:00");
    EXPECT_EQ(Ymd(sys.CString2CTime(L"2038-01-19")), L"2038-01-19 00:00:00");
    // One-digit months and days.
    EXPECT_EQ(Ymd(sys.CString2CTime(L"2013-5-6")), L"2013-05-06 00:00:00");
    EXPECT_EQ(Ymd(sys.CString2CTime(L"2013-12-1")), L"2013-12-01 00:00:00");
}

TEST_F(SysDates, ShortOrOddDateTextNeverFails) {
    const CString epochLocal = L"1970-01-01 00:00:00";
    EXPECT_EQ(Ymd(sys.CString2CTime(L"")), epochLocal);
    EXPECT_EQ(Ymd(sys.CString2CTime(L"2013-5")), epochLocal);   // 6 characters
    EXPECT_EQ(Ymd(sys.CString2CTime(L"13-5-6x")), epochLocal);  // 7 characters
    // Letters stop the number where they start; a year in letters compares above "2038".
    EXPECT_EQ(Ymd(sys.CString2CTime(L"2013-0x-06")), L"2012-12-06 00:00:00");  // month 0 rolls back
    EXPECT_EQ(Ymd(sys.CString2CTime(L"abcd-01-06")), L"2038-01-06 00:00:00");
    EXPECT_EQ(sys.CString2CTime(L"abcd-05-06").GetTime(), -1);  // 2038 past January 19th
    // Out of the calendar: rolls over like the runtime does.
    EXPECT_EQ(Ymd(sys.CString2CTime(L"2013-02-30")), L"2013-03-02 00:00:00");
    EXPECT_EQ(Ymd(sys.CString2CTime(L"2013-13-01")), L"2014-01-01 00:00:00");
    // Without dashes the whole text is read as the day: far outside CTime's range.
    EXPECT_EQ(sys.CString2CTime(L"20130506").GetTime(), -1);
    EXPECT_EQ(sys.CString2CTime(L"2013-99999999999999-01").GetTime(), -1);
    EXPECT_EQ(sys.CString2CTime(L"2013--99999999999999").GetTime(), -1);
}

TEST_F(SysDates, CTimeToTextAndBack) {
    EXPECT_EQ(sys.CTime2CString(CTime(2013, 5, 6, 23, 59, 59)), L"2013-05-06");
    EXPECT_EQ(sys.CTime2CString(CTime(2038, 1, 1, 0, 0, 0)), L"2038-01-01");
    // Before 1970 (and the invalid time) the current date stands in.
    EXPECT_EQ(sys.CTime2CString(CTime(1969, 12, 31, 0, 0, 0)), L"2013-05-06");
    EXPECT_EQ(sys.CTime2CString(CTime(static_cast<std::time_t>(-1))), L"2013-05-06");
    EXPECT_EQ(sys.CTime2CString(sys.CString2CTime(L"2013-5-6")), L"2013-05-06");

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
    EXPECT_EQ(sys.COleDateTime2CString(COleDateTime(2099, 12, 31, 0, 0, 0)), L"2099-12-31");
    // A date that is not in the calendar is not a valid date.
    EXPECT_EQ(sys.CString2COleDateTime(L"2013-02-30").GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(sys.CString2COleDateTime(L"20130506").GetStatus(), COleDateTime::invalid);
}

TEST_F(SysDates, ExtendedHelperGivesTheSameAnswers) {
    for (const wchar_t* text : {L"2013-05-06", L"1969-12-31", L"2040-01-02", L"2013-5-6", L"", L"20130506"}) {
        EXPECT_EQ(ex.CString2CTime(text), sys.CString2CTime(text)) << CString(text);
        EXPECT_EQ(ex.CString2COleDateTime(text), sys.CString2COleDateTime(text)) << CString(text);
    }
    EXPECT_EQ(ex.CTime2CString(CTime(1969, 1, 1, 0, 0, 0)), L"2013-05-06");
    EXPECT_EQ(ex.COleDateTime2CString(COleDateTime(1800, 1, 2, 0, 0, 0)), L"1800-01-02");
}

TEST_F(SysDates, MidnightUnderDaylightSaving) {
    const char* old = std::getenv("TZ");
    std::string saved = old ? old : "";
    setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    tzset();
    CTime summer = sys.CString2CTime(L"2013-07-01");
    CTime winter = sys.CString2CTime(L"2013-01-01");
    CTime minute = sys.CString2LongCTime(L"2013-07-01 12:30");
    setenv("TZ", saved.c_str(), 1);
    tzset();
    EXPECT_EQ(summer.GetTime(), 1372651200);  // 04:00 UTC: midnight EDT
    EXPECT_EQ(winter.GetTime(), 1357016400);  // 05:00 UTC: midnight EST
    EXPECT_EQ(minute.GetTime(), 1372696200);  // 16:30 UTC
}

TEST_F(SysDates, MonthDaysFollowTheLeapYearRules) {
    EXPECT_EQ(sys.GetMonthDays(CTime(2012, 2, 10, 0, 0, 0)), 29);
    EXPECT_EQ(sys.GetMonthDays(CTime(2013, 2, 10, 0, 0, 0)), 28);
    EXPECT_EQ(sys.GetMonthDays(CTime(2000, 2, 10, 0, 0, 0)), 29);
    EXPECT_EQ(sys.GetMonthDays(CTime(2013, 4, 1, 0, 0, 0)), 30);
    EXPECT_EQ(sys.GetMonthDays(CTime(2013, 11, 1, 0, 0, 0)), 30);
    EXPECT_EQ(sys.GetMonthDays(CTime(2013, 12, 31, 0, 0, 0)), 31);
    EXPECT_EQ(sys.GetMonthDays(CTime(2013, 8, 1, 0, 0, 0)), 31);
}

TEST_F(SysDates, SplitStringKeepsEmptyPieces) {
    CStringArray pieces;
    pieces.Add(L"stale");
    EXPECT_EQ(sys.splitString(L"1|2|", '|', pieces), 3);
    EXPECT_EQ(pieces[0], L"1");
    EXPECT_EQ(pieces[1], L"2");
    EXPECT_EQ(pieces[2], L"");
    EXPECT_EQ(sys.splitString(L"", '|', pieces), 1);
    EXPECT_EQ(pieces[0], L"");
    EXPECT_EQ(sys.splitString(L"a||b", '|', pieces), 3);
    EXPECT_EQ(pieces[1], L"");
    EXPECT_EQ(sys.splitString(L"笔;本子;", ';', pieces), 3);
    EXPECT_EQ(pieces[1], L"本子");
    EXPECT_EQ(sys.splitString(L"no separator", '|', pieces), 1);
    EXPECT_EQ(pieces[0], L"no separator");
}

TEST_F(SysDates, SafeStringReplacesEachCharacterOnce) {
    CString text = L"  O'Brien, 50% off  ";
    CSysBLL::GetSafeString(text);
    EXPECT_EQ(text, L"O*Brien， 50％ off");

    text = L"\u3000a\u3000b\u3000 ";
    CSysBLL::GetSafeString(text);
    EXPECT_EQ(text, L"ab");

    text = L"‘x’|y~z^w\"v;";
    CSysBLL::GetSafeString(text);
    EXPECT_EQ(text, L"*x’｜y*z*w\"v;");  // ’, the double quote and ; stay

    // Pairs are replaced left to right without looking at what was put in.
    text = L"a………b————c——";
    CSysBLL::GetSafeString(text);
    EXPECT_EQ(text, L"a*…b**c*");
    text = L"''%%,,||";
    CSysBLL::GetSafeString(text);
    EXPECT_EQ(text, L"**％％，，｜｜");

    text = L" \t\r\n";
    CSysBLL::GetSafeString(text);
    EXPECT_EQ(text, L"");
}

TEST_F(SysDates, ProgramDirectoryEndsWithTheSeparator) {
    CString dir;
    sys.GetCurrentDirectoryW(dir);
    ASSERT_FALSE(dir.IsEmpty());
    EXPECT_EQ(dir.Right(1), L"/");
    EXPECT_EQ(dir.Left(1), L"/");
    EXPECT_EQ(dir, CString(shopbiz::ProgramDirectory()));
}

}  // namespace
