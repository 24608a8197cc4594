// CSysBLL's dates, times and texts, and the same conversions on CSysBLLEx.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/ShopDbTest.h"

namespace {

class SysDates : public ShopDbTest {
protected:
    static CString Ymd(const CTime& t) { return t.Format(L"%Y-%m-%d %H:%M:%S"); }
    CSysBLL sys;
    CSysBLLEx ex;
};

TEST_F(SysDates, DateTextToCTimeNeverFails) {
    const struct {
        const wchar_t *text, *time;  // null: the invalid time
    } dates[] = {
        {L"2013-5-6 14:03:09", L"2013-05-06 00:00:00"},
        // Years are held to 1970 through 2038; shorter than 8 characters: the epoch.
        {L"1969-12-31", L"1970-12-31 00:00:00"}, {L"2040-01-02", L"2038-01-02 00:00:00"},
        {L"2013-5", L"1970-01-01 00:00:00"},
        // Letters stop the number where they start (month 0 rolls back); out of the calendar rolls over.
        {L"2013-0x-06", L"2012-12-06 00:00:00"}, {L"2013-02-30", L"2013-03-02 00:00:00"},
        // Without dashes the whole text is read as the day: far outside CTime's range.
        {L"20130506", nullptr},
    };
    for (const auto& d : dates) {
        SCOPED_TRACE(CString(d.text).ToUtf8());
        const CTime t = sys.CString2CTime(d.text);
        if (d.time) EXPECT_EQ(Ymd(t), d.time);
        else EXPECT_EQ(t.GetTime(), -1);
        EXPECT_EQ(ex.CString2CTime(d.text), t);  // the extended helper gives the same answers
    }
}

TEST_F(SysDates, TimesToTextAndMonthDays) {
    EXPECT_EQ(ex.CTime2CString(CTime(1969, 12, 31, 0, 0, 0)), L"2013-05-06");  // before 1970: today
    // Time stamps come from the library clock, beyond CTime's range too.
    shopbiz::Clock::SetFixedLocal(2040, 2, 29, 8, 0, 1);
    EXPECT_EQ(sys.GetTimeNowLong() + L"|" + sys.GetTimeNowShort(), L"2040-02-29 08:00:01|2040-02-29");
    // OLE dates have no year limits; a date not in the calendar is invalid.
    EXPECT_EQ(ex.COleDateTime2CString(sys.CString2COleDateTime(L"1800-1-2")), L"1800-01-02");
    EXPECT_EQ(sys.CString2COleDateTime(L"2013-02-30").GetStatus(), COleDateTime::invalid);
    // Month lengths follow the leap-year rules.
    const int months[][3] = {{2012, 2, 29}, {2013, 2, 28}, {2000, 2, 29}, {2013, 4, 30}, {2013, 12, 31}};
    for (const auto& m : months) EXPECT_EQ(sys.GetMonthDays(CTime(m[0], m[1], 1, 0, 0, 0)), m[2]) << m[0] << m[1];
}

TEST_F(SysDates, MidnightUnderDaylightSaving) {
    const std::string saved = std::getenv("TZ") ? std::getenv("TZ") : "";
    setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    tzset();
    const CTime summer = sys.CString2CTime(L"2013-07-01"), winter = sys.CString2CTime(L"2013-01-01");
    setenv("TZ", saved.c_str(), 1);
    tzset();
    EXPECT_EQ(summer.GetTime(), 1372651200);  // 04:00 UTC: midnight EDT
    EXPECT_EQ(winter.GetTime(), 1357016400);  // 05:00 UTC: midnight EST
}

TEST_F(SysDates, SplitKeepsEmptyPiecesAndSafeStringReplacesEachCharacterOnce) {
    CStringArray pieces;
    EXPECT_EQ(sys.splitString(L"a||b|", '|', pieces), 4);
    EXPECT_EQ(pieces[0] + L"/" + pieces[1] + L"/" + pieces[2] + L"/" + pieces[3], L"a//b/");
    const std::pair<const wchar_t*, const wchar_t*> texts[] = {
        {L"  O'Brien, 50% off  ", L"O*Brien， 50％ off"},
        {L"‘x’|y~z^w\"v;", L"*x’｜y*z*w\"v;"},  // ’, the double quote and ; stay
        {L"\u3000a………b————c—— \t", L"a*…b**c*"},  // pairs left to right, without looking at what was put in
    };
    for (const auto& [given, safe] : texts) {
        CString text = given;
        CSysBLL::GetSafeString(text);
        EXPECT_EQ(text, safe) << CString(given).ToUtf8();
    }
}

}  // namespace
