// Two processes posting sales into one shop file at once (WAL, the component's busy timeout).
// Each posting takes the file's write lock when it begins, so the other waits rather than
// reading a stock counter or a balance that is about to change: no update is lost, and a
// posting that waited too long fails with "database is locked" and leaves nothing.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "support/BillFixture.h"

namespace {

constexpr int kBillsPerProcess = 40;

class TwoProcessPosting : public BillFixture {
protected:
    void SetUp() override {
        BillFixture::SetUp();
        path_ = "/tmp/shopbiz_two_process_" + std::to_string(getpid()) + ".db";
        RemoveFiles();
        CppSQLite3DB shop;
        shop.open(path_.c_str());
        shop.execDML(L"PRAGMA journal_mode=WAL");
        shopbiz::CreateShopSchema(shop);
        CString e;
        CCustomerBLL().InsertCompany(shop, L"老客户", 1, e);
        // 1000 of each product in stock, paid in cash (which stands at -2000 then).
        const BillItemRows stock = Items({{.name = L"铅笔", .price = L"1", .count = L"1000"},
                                          {.name = L"橡皮", .price = L"1", .count = L"1000"}});
        ASSERT_GE(pur.InsertBill(shop, L"", L"1", L"现金", L"2013-05-06", L"", L"2000", L"2000", L"100", L"2000", L"",
                                 stock, 2, L"", L"店员", e),
                  1)
            << e;
    }
    void TearDown() override {
        RemoveFiles();
        BillFixture::TearDown();
    }
    void RemoveFiles() {
        for (const char* suffix : {"", "-wal", "-shm"}) std::remove((path_ + suffix).c_str());
    }

    // In a child process: posts the sales on its own connection; the exit status is the number
    // of sales posted, or 255 when a failure was anything but the file being locked.
    [[noreturn]] void PostInChild() {
        int posted = 0;
        {
            CppSQLite3DB shop;
            shop.open(path_.c_str());
            shop.execDML(L"PRAGMA synchronous=NORMAL");
            CSaleBLL sales;
            const BillItemRows lines = Items({{.name = L"铅笔", .price = L"2", .count = L"1"},
                                              {.name = L"橡皮", .price = L"3", .count = L"2"}});
            for (int i = 0; i < kBillsPerProcess; ++i) {
                CString e;
                // 8 due, 5 paid into cash, 3 owed.
                if (sales.InsertBill(shop, L"", L"现金", L"2013-05-06", L"老客户", L"8", L"8", L"100", L"5", L"",
                                     lines, 2, L"", L"店员", e, L"1") >= 1)
                    ++posted;
                else if (e != L"database is locked")
                    _exit(255);
            }
        }
        _exit(posted);
    }

    std::string path_;
};

TEST_F(TwoProcessPosting, NoUpdateIsLost) {
    pid_t children[2];
    for (pid_t& child : children) {
        child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) PostInChild();
    }
    int posted = 0;
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_NE(WEXITSTATUS(status), 255) << "a posting failed with something else than a locked file";
        posted += WEXITSTATUS(status);
    }
    EXPECT_GT(posted, 0);

    CppSQLite3DB shop;
    shop.open(path_.c_str());
    auto real = [&](const wchar_t* sql) { return shop.execQuery(sql).getFloatField(0); };
    // Every sale that says it was posted is there once, with all of its effects; nothing else is.
    EXPECT_EQ(shop.execScalar(L"SELECT COUNT(*) FROM SaleBills WHERE IsSystem=0"), posted);
    EXPECT_EQ(real(L"SELECT CurStock FROM Products WHERE ProductName='铅笔'"), 1000.0 - posted);
    EXPECT_EQ(real(L"SELECT CurStock FROM Products WHERE ProductName='橡皮'"), 1000.0 - 2 * posted);
    EXPECT_EQ(real(L"SELECT CurStock FROM ProductStock WHERE ProductName='橡皮'"), 1000.0 - 2 * posted);
    EXPECT_EQ(real(L"SELECT CurAmount FROM Companies WHERE CompanyName='老客户'"), 3.0 * posted);
    EXPECT_EQ(real(L"SELECT CurAmount FROM SettleAcct WHERE SettleAcctName='现金'"), -2000.0 + 5.0 * posted);
    EXPECT_EQ(real(L"SELECT TOTAL(InAmount) FROM Account WHERE ProjectType=1"), 5.0 * posted);
    EXPECT_EQ(shop.execScalar(L"SELECT COUNT(*) FROM Stocks WHERE BillType='出货'"), 2 * posted);
    // The numbering gave every bill its own code.
    EXPECT_EQ(shop.execScalar(L"SELECT COUNT(DISTINCT BillCode) FROM SaleBills WHERE IsSystem=0"), posted);
}

}  // namespace
