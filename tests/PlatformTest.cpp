// The time classes, the clock, the log and the message box.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "shopbiz.h"
#include "support/ShopDbTest.h"

namespace {

TEST(CTimeTest, LocalFieldsAndFormat) {
    CTime t(2013, 5, 6, 14, 3, 9);
    EXPECT_EQ(t.GetYear(), 2013);
    EXPECT_EQ(t.GetMonth(), 5);
    EXPECT_EQ(t.GetDay(), 6);
    EXPECT_EQ(t.GetHour(), 14);
    EXPECT_EQ(t.GetMinute(), 3);
    EXPECT_EQ(t.GetSecond(), 9);
    EXPECT_EQ(t.GetDayOfWeek(), 2);  // a Monday
    EXPECT_EQ(t.Format(L"%Y-%m-%d %H:%M:%S"), L"2013-05-06 14:03:09");
    EXPECT_EQ(t.GetTime(), 1367820189);  // 06:03:09 UTC in CST-8
}

TEST(CTimeTest, ThirtyTwoBitRange) {
    EXPECT_EQ(CTime(2038, 1, 19, 11, 14, 7).GetTime(), 2147483647);  // 03:14:07 UTC
    EXPECT_EQ(CTime(2038, 1, 19, 11, 14, 8).GetTime(), -1);
    EXPECT_EQ(CTime(2040, 1, 2, 0, 0, 0).GetTime(), -1);
    EXPECT_EQ(CTime(1970, 1, 1, 0, 0, 0).GetTime(), -8 * 3600);  // before the epoch in UTC
    EXPECT_EQ(CTime(static_cast<std::time_t>(4102444800LL)).GetTime(), -1);
}

TEST(CTimeTest, RollsOverLikeMktimeAndDoesArithmetic) {
    CTime t(2013, 13, 1, 0, 0, 0);
    EXPECT_EQ(t.GetYear(), 2014);
    EXPECT_EQ(t.GetMonth(), 1);
    CTime d = CTime(2013, 2, 28, 0, 0, 0) + CTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(d.GetMonth(), 3);
    EXPECT_EQ(d.GetDay(), 1);
    EXPECT_EQ((d - CTime(2013, 2, 1, 0, 0, 0)).GetDays(), 28);
}

TEST(CTimeTest, DaylightSavingFollowsTheZoneRules) {
    const char* saved = getenv("TZ");
    std::string keep = saved ? saved : "";
    setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);
    tzset();
    CTime summer(2013, 7, 1, 12, 0, 0);
    CTime winter(2013, 1, 1, 12, 0, 0);
    EXPECT_EQ(summer.GetHour(), 12);
    EXPECT_EQ(winter.GetHour(), 12);
    EXPECT_EQ((summer.GetTime() - winter.GetTime()) % 86400, 86400 - 3600);  // one hour of DST
    setenv("TZ", keep.c_str(), 1);
    tzset();
}

TEST(COleDateTimeTest, BeyondTheCTimeLimits) {
    COleDateTime d(1900, 2, 28, 0, 0, 0);
    EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
    COleDateTime next = d + COleDateTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(next.Format(L"%Y-%m-%d"), L"1900-03-01");  // 1900 is no leap year
    COleDateTime far(2099, 12, 31, 23, 59, 59);
    EXPECT_EQ(far.GetYear(), 2099);
    EXPECT_EQ(far.GetSecond(), 59);
    EXPECT_EQ(far.GetDayOfWeek(), 5);  // Thursday
    EXPECT_EQ((far - COleDateTime(2099, 1, 1, 0, 0, 0)).GetDays(), 364);
    EXPECT_EQ(COleDateTime(1969, 12, 31, 0, 0, 0).Format(L"%Y/%m/%d"), L"1969/12/31");
}

TEST(COleDateTimeTest, InvalidFieldsGiveAnInvalidDate) {
    COleDateTime d;
    EXPECT_EQ(d.SetDateTime(2013, 2, 29, 0, 0, 0), 1);
    EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(d.GetYear(), -1);
    EXPECT_EQ(d.Format(L"%Y"), L"");
    EXPECT_EQ(d.SetDateTime(2012, 2, 29, 0, 0, 0), 0);
    EXPECT_EQ(d.GetDay(), 29);
    EXPECT_TRUE(d.ParseDateTime(L"2013-05-06 14:03:09"));
    EXPECT_EQ(d.GetMinute(), 3);
    EXPECT_TRUE(d.ParseDateTime(L"2013/5/6"));
    EXPECT_FALSE(d.ParseDateTime(L"2013-5"));
    EXPECT_FALSE(d.ParseDateTime(L"abc"));
}

TEST(ClockTest, FixedClockDrivesBothTimeClasses) {
    shopbiz::Clock::SetFixedLocal(2020, 2, 29, 23, 59, 58);
    EXPECT_EQ(CTime::GetCurrentTime().Format(L"%Y-%m-%d %H:%M:%S"), L"2020-02-29 23:59:58");
    EXPECT_EQ(COleDateTime::GetCurrentTime().Format(L"%Y-%m-%d %H:%M:%S"), L"2020-02-29 23:59:58");
    shopbiz::Clock::UseSystemClock();
    EXPECT_FALSE(shopbiz::Clock::IsFixed());
    EXPECT_LE(std::abs(CTime::GetCurrentTime().GetTime() - std::time(nullptr)), 2);
}

TEST(LogTest, HostFileAndTestCapture) {
    std::string path = ::testing::TempDir() + "shopbiz_log_test.log";
    std::remove(path.c_str());
    CSuperLog::SetLogFile(path);
    CSuperLog::StartCapture();
    CString line(L"第二行");
    CSuperLog::WriteLog(L"第一行", 1, true);
    CSuperLog::WriteLog(line, 1, true);
    shopbiz::MessageBoxCapture::Start();
    EXPECT_EQ(AfxMessageBox(L"提示", 0, 0), IDOK);
    EXPECT_EQ(shopbiz::MessageBoxCapture::Take(), std::vector<CString>{L"提示"});
    shopbiz::MessageBoxCapture::Stop();
    // A message box is not a library log call, but the file keeps it.
    EXPECT_EQ(CSuperLog::TakeCaptured(), (std::vector<CString>{L"第一行", L"第二行"}));
    CSuperLog::StopCapture();
    CSuperLog::SetLogFile("");
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    EXPECT_NE(all.str().find("[1] 第一行\n"), std::string::npos);
    EXPECT_NE(all.str().find("[message box] 提示"), std::string::npos);
    std::remove(path.c_str());
}

TEST(ProgramDirectoryTest, EndsWithSeparatorAndHoldsTheProgram) {
    std::wstring dir = shopbiz::ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), L'/');
    EXPECT_EQ(dir.front(), L'/');
}

}  // namespace
