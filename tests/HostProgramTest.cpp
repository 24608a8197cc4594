// The shopbiz host program, run as a separate process.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <string>

#ifdef SHOPBIZ_APP_PATH

namespace {

struct Outcome {
    int exitCode;
    std::string out;  // stdout and stderr together
    bool Says(const char* text) const { return out.find(text) != std::string::npos; }
};

class HostProgram : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        std::remove(path.c_str());
        std::remove((path + ".log").c_str());
    }
    // Runs the program on this test's database; the SQL holds no double quotes.
    Outcome Run(const char* command, const char* sql = nullptr) {
        const std::string args = command + (" '" + path + "'") + (sql ? std::string(" \"") + sql + "\"" : "");
        Outcome r{-1, {}};
        FILE* p = popen((std::string(SHOPBIZ_APP_PATH) + " " + args + " 2>&1").c_str(), "r");
        if (!p) return r;
        char buf[4096];
        for (size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
        const int status = pclose(p);
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return r;
    }
    std::string path = ::testing::TempDir() + "shopbiz_host_" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".db";
};

TEST_F(HostProgram, InitStatusSqlAndErrors) {
    Outcome missing = Run("status");
    EXPECT_TRUE(missing.exitCode == 1 && missing.Says("no such shop database")) << missing.out;
    ASSERT_EQ(Run("init").exitCode, 0);
    EXPECT_TRUE(Run("status").Says("newly created"));
    Outcome again = Run("init");
    EXPECT_TRUE(again.exitCode == 1 && again.Says("already exists")) << again.out;
    Outcome bad = Run("sql", "SELECT * FROM Nowhere");
    EXPECT_TRUE(bad.exitCode == 1 && bad.Says("no such table: Nowhere")) << bad.out;
    Outcome few = Run("sql");
    EXPECT_TRUE(few.exitCode == 2 && few.Says("usage: shopbiz")) << few.out;
    // SQL prints an aligned table or the statement status.
    EXPECT_EQ(Run("sql", "UPDATE SystemInfo SET CompanyName='小店', Industry='服装'").out, "statement status: 0\n");
    Outcome sel = Run("sql", "SELECT CompanyName AS Name, 12 AS N FROM SystemInfo");
    EXPECT_EQ(sel.exitCode, 0) << sel.out;
    EXPECT_EQ(sel.out, "Name  N\n----  --\n小店  12\n(1 row)\n");
}

TEST_F(HostProgram, DemoPostsAMonthAndPrintsStockAndBalances) {
    Outcome demo = Run("demo");
    ASSERT_EQ(demo.exitCode, 0) << demo.out;
    EXPECT_TRUE(demo.Says("posted 4 purchase bills and 13 sale bills")) << demo.out;
    // Balances worked out by hand from the month's bills, receipts and payments.
    for (const char* line : {"城东小学        客户     300.00    273.00", "李记便利店      客户       0.00    240.24",
                             "华联文具批发    供应商     0.00     18.00", "光明日用品公司  供应商  1200.00    697.20",
                             "矿泉水550ml  饮料    瓶      396.00", "工商银行  20000.00  19052.00"})
        EXPECT_TRUE(demo.Says(line)) << line << "\n" << demo.out;
    Outcome again = Run("demo");
    EXPECT_TRUE(again.exitCode == 1 && again.Says("already exists")) << again.out;
    EXPECT_TRUE(Run("status").Says("in use"));
}

}  // namespace

#endif
