// The shopbiz host program, run as a separate process.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "shopbiz.h"

#ifdef SHOPBIZ_APP_PATH

namespace {

struct Outcome {
    int exitCode;
    std::string out;  // stdout and stderr together
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

Outcome Shopbiz(const std::string& args) {
    std::string cmd = std::string(SHOPBIZ_APP_PATH) + " " + args + " 2>&1";
    Outcome r{-1, {}};
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int status = pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

class HostProgram : public ::testing::Test {
protected:
    void SetUp() override {
        path = ::testing::TempDir() + "shopbiz_host_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".db";
        std::remove(path.c_str());
        std::remove((path + ".log").c_str());
    }
    void TearDown() override {
        std::remove(path.c_str());
        std::remove((path + ".log").c_str());
    }
    std::string path;
};

TEST_F(HostProgram, InitCreatesAndRefusesToOverwrite) {
    Outcome first = Shopbiz("init " + Quote(path));
    EXPECT_EQ(first.exitCode, 0) << first.out;
    Outcome status = Shopbiz("status " + Quote(path));
    EXPECT_EQ(status.exitCode, 0);
    EXPECT_NE(status.out.find("newly created"), std::string::npos) << status.out;
    Outcome again = Shopbiz("init " + Quote(path));
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.out.find("already exists"), std::string::npos) << again.out;
}

TEST_F(HostProgram, SqlPrintsAnAlignedTableOrTheStatus) {
    ASSERT_EQ(Shopbiz("init " + Quote(path)).exitCode, 0);
    Outcome upd = Shopbiz("sql " + Quote(path) + " " + Quote("UPDATE SystemInfo SET CompanyName='小店', Industry='服装'"));
    EXPECT_EQ(upd.exitCode, 0) << upd.out;
    EXPECT_EQ(upd.out, "statement status: 0\n");
    Outcome sel = Shopbiz("sql " + Quote(path) + " " + Quote("SELECT CompanyName AS Name, 12 AS N FROM SystemInfo"));
    EXPECT_EQ(sel.exitCode, 0) << sel.out;
    EXPECT_EQ(sel.out,
              "Name  N\n"
              "----  --\n"
              "小店  12\n"
              "(1 row)\n");
}

TEST_F(HostProgram, ErrorsAndBadArguments) {
    Outcome missing = Shopbiz("status " + Quote(path));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.out.find("no such shop database"), std::string::npos) << missing.out;
    ASSERT_EQ(Shopbiz("init " + Quote(path)).exitCode, 0);
    Outcome bad = Shopbiz("sql " + Quote(path) + " " + Quote("SELECT * FROM Nowhere"));
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_NE(bad.out.find("no such table: Nowhere"), std::string::npos) << bad.out;
    EXPECT_EQ(Shopbiz("").exitCode, 2);
    EXPECT_EQ(Shopbiz("frobnicate x").exitCode, 2);
    Outcome few = Shopbiz("sql " + Quote(path));
    EXPECT_EQ(few.exitCode, 2);
    EXPECT_NE(few.out.find("usage: shopbiz"), std::string::npos);
}

TEST_F(HostProgram, InitMakesADatabaseTheSystemServicesWorkOn) {
    ASSERT_EQ(Shopbiz("init " + Quote(path)).exitCode, 0);
    shopbiz::Clock::SetFixedLocal(2013, 5, 6, 14, 3, 9);
    {
        CppSQLite3DB db;
        db.open(path.c_str());
        CSysBLL sys;
        EXPECT_EQ(sys.GetAppVersion(db), L"1.0.0.1");
        EXPECT_EQ(sys.GetBillCode(db, L"XSD", L"2013-05-06"), L"XS2013050001");
        EXPECT_EQ(sys.GetBillCode(db, L"JHD", L"2013-05-06"), L"JH2013050001");
        EXPECT_EQ(sys.GetBillCode(db, L"XSDD", L"2013-05-06"), L"DD2013050001");
        EXPECT_EQ(sys.UpDateBillCode(db, L"XSD", L"2013-05-06"), 0);
        EXPECT_EQ(sys.GetSysSettingForint(db, L"AccountMode", -1), 0);
        EXPECT_EQ(sys.GetSysSetting_SaleBillType(db), 1);
        EXPECT_EQ(sys.UpdateSysSetting(db, L"IsUseDataSync", L"1"), 0);
        EXPECT_EQ(sys.AddOperateData(db, L"Products", L"ProductID", L"1", L"A"), 1);
        EXPECT_EQ(sys.AddOperateInfo(db, L"1001", false), 0);
        EXPECT_EQ(sys.SaveSearchHistory(db, L"笔"), 0);
        EXPECT_EQ(sys.SaveIndustryInfo(db, L"服装", L"小店", L"零售", L"0", L"", L"", L""), 1);
        CString id;
        sys.GetUserGUID(db, id, L"_ZUM");
        EXPECT_FALSE(id.IsEmpty());
        EXPECT_EQ(sys.IsUseDiscountRate(db), 0);
    }
    shopbiz::Clock::UseSystemClock();
    // What was written is on the file for the next run of the program.
    Outcome rows = Shopbiz("sql " + Quote(path) + " " +
                           Quote("SELECT (SELECT LastNO FROM BillCode WHERE BillType='XSD' AND YearMonth='201305') AS N,"
                                 " (SELECT OType FROM OperateData) AS O, (SELECT Hits FROM SearchHistory) AS H"));
    EXPECT_EQ(rows.exitCode, 0) << rows.out;
    EXPECT_EQ(rows.out, "N  O  H\n-  -  -\n1  A  1\n(1 row)\n");
}

TEST_F(HostProgram, DemoPostsAMonthAndPrintsStockAndBalances) {
    Outcome demo = Shopbiz("demo " + Quote(path));
    ASSERT_EQ(demo.exitCode, 0) << demo.out;
    EXPECT_NE(demo.out.find("posted 4 purchase bills and 13 sale bills"), std::string::npos) << demo.out;
    // Balances worked out by hand from the month's bills, receipts and payments.
    for (const char* line : {"城东小学        客户     300.00    273.00", "李记便利店      客户       0.00    240.24",
                             "华联文具批发    供应商     0.00     18.00", "光明日用品公司  供应商  1200.00    697.20",
                             "矿泉水550ml  饮料    瓶      396.00", "工商银行  20000.00  19052.00"})
        EXPECT_NE(demo.out.find(line), std::string::npos) << line << "\n" << demo.out;
    Outcome again = Shopbiz("demo " + Quote(path));
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_NE(again.out.find("already exists"), std::string::npos);
    Outcome status = Shopbiz("status " + Quote(path));
    EXPECT_NE(status.out.find("in use"), std::string::npos) << status.out;
}

}  // namespace

#endif
