// The time classes, the log and the message box.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "shopbiz.h"

namespace {

TEST(CTimeTest, LocalFieldsRangeAndArithmetic) {
    CTime t(2013, 5, 6, 14, 3, 9);
    EXPECT_EQ(t.Format(L"%Y-%m-%d %H:%M:%S"), L"2013-05-06 14:03:09");
    EXPECT_EQ(t.GetDayOfWeek(), 2);      // a Monday
    EXPECT_EQ(t.GetTime(), 1367820189);  // 06:03:09 UTC in CST-8
    EXPECT_EQ(CTime(2038, 1, 19, 11, 14, 7).GetTime(), 2147483647);  // 03:14:07 UTC
    EXPECT_EQ(CTime(2038, 1, 19, 11, 14, 8).GetTime(), -1);
    EXPECT_EQ(CTime(1970, 1, 1, 0, 0, 0).GetTime(), -8 * 3600);  // before the epoch in UTC
    CTime d = CTime(2013, 2, 28, 0, 0, 0) + CTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(d.Format(L"%m-%d"), L"03-01");
    EXPECT_EQ((d - CTime(2013, 2, 1, 0, 0, 0)).GetDays(), 28);
    EXPECT_LE(std::abs(CTime::GetCurrentTime().GetTime() - std::time(nullptr)), 2);  // no fixed clock here
}

TEST(COleDateTimeTest, BeyondTheCTimeLimitsAndInvalidFields) {
    COleDateTime next = COleDateTime(1900, 2, 28, 0, 0, 0) + COleDateTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(next.Format(L"%Y-%m-%d"), L"1900-03-01");  // 1900 is no leap year
    COleDateTime far(2099, 12, 31, 23, 59, 59);
    EXPECT_EQ(far.GetDayOfWeek(), 5);  // Thursday
    EXPECT_EQ((far - COleDateTime(2099, 1, 1, 0, 0, 0)).GetDays(), 364);
    COleDateTime d;
    EXPECT_EQ(d.SetDateTime(2013, 2, 29, 0, 0, 0), 1);
    EXPECT_EQ(d.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(d.GetYear(), -1);
    EXPECT_EQ(d.Format(L"%Y"), L"");
}

TEST(LogTest, HostFileAndTestCapture) {
    std::string path = ::testing::TempDir() + "shopbiz_log_test.log";
    std::remove(path.c_str());
    CSuperLog::SetLogFile(path);
    CSuperLog::StartCapture();
    shopbiz::MessageBoxCapture::Start();
    CSuperLog::WriteLog(L"第一行", 1, true);
    EXPECT_EQ(AfxMessageBox(L"提示", 0, 0), IDOK);
    EXPECT_EQ(shopbiz::MessageBoxCapture::Take(), std::vector<CString>{L"提示"});
    // A message box is not a library log call, but the file keeps it.
    EXPECT_EQ(CSuperLog::TakeCaptured(), std::vector<CString>{L"第一行"});
    shopbiz::MessageBoxCapture::Stop();
    CSuperLog::StopCapture();
    CSuperLog::SetLogFile("");
    std::stringstream all;
    all << std::ifstream(path).rdbuf();
    EXPECT_NE(all.str().find("[1] 第一行\n"), std::string::npos) << all.str();
    EXPECT_NE(all.str().find("[message box] 提示"), std::string::npos);
    std::remove(path.c_str());
    EXPECT_TRUE(shopbiz::ProgramDirectory().starts_with(L'/') && shopbiz::ProgramDirectory().ends_with(L'/'));
}

}  // namespace
