// A posting call as one unit of work: what a failure leaves with and without Atomically, a
// host's own transaction around it, the settings it reads once, and the log file it keeps open.
#include <sqlite3.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "frame/Atomically.h"
#include "support/BillFixture.h"

namespace {

class PostingCall : public BillFixture {
protected:
    void SetUp() override {
        BillFixture::SetUp();
        PutCompany(L"老客户", 1);
        Purchase({}, Items({{.name = L"铅笔", .price = L"1", .count = L"100"}}));
    }
    int SaleOfTen() { return Sale(Bill(L"老客户", L"30", L"10"), Items({{.name = L"铅笔", .price = L"3", .count = L"10"}})); }
    CString State() {
        return Rows(L"SELECT (SELECT COUNT(*) FROM SaleBills), (SELECT COUNT(*) FROM SaleBillItems), "
                    L"(SELECT CurStock FROM Products), (SELECT CurAmount FROM SettleAcct WHERE SettleAcctName='现金'), "
                    L"(SELECT CurAmount FROM Companies WHERE CompanyName='老客户'), (SELECT COUNT(*) FROM Stocks), "
                    L"(SELECT TOTAL(InAmount) FROM Account)");
    }
};

TEST_F(PostingCall, AFailureKeepsTheFinishedStepsOrThroughAtomicallyNothing) {
    const CString before = State();
    Exec(L"CREATE TRIGGER NoLedger BEFORE INSERT ON Stocks BEGIN SELECT RAISE(ABORT, 'ledger locked'); END");
    // The header, the line with its stock and the cash stay; the ledger and the receivable not.
    EXPECT_EQ(SaleOfTen(), -1);
    EXPECT_EQ(error, L"ledger locked");
    EXPECT_EQ(State(), L"1|1|90.0|10.0|0.0|2|10.0");

    Exec(L"DELETE FROM SaleBills; DELETE FROM SaleBillItems; UPDATE Products SET CurStock=100; "
         L"UPDATE SettleAcct SET CurAmount=0; DELETE FROM Account WHERE AccountType='收入'");
    ASSERT_EQ(State(), before);
    error = L"";
    EXPECT_EQ(shopbiz::Atomically(db, error, [&] { return SaleOfTen(); }), -1);
    EXPECT_EQ(error, L"ledger locked");
    EXPECT_EQ(State(), before);

    Exec(L"DROP TRIGGER NoLedger");
    EXPECT_GE(shopbiz::Atomically(db, error, [&] { return SaleOfTen(); }), 1);
    EXPECT_EQ(State(), L"1|1|90.0|10.0|20.0|3|10.0");
}

TEST_F(PostingCall, ItRunsInsideTheHostsOwnTransaction) {
    const CString before = State();
    Exec(L"BEGIN");
    EXPECT_GE(SaleOfTen(), 1);
    EXPECT_TRUE(db.inTransaction());  // the host's transaction is still the host's to end
    Exec(L"ROLLBACK");
    EXPECT_EQ(State(), before);
    Exec(L"BEGIN");
    EXPECT_GE(shopbiz::Atomically(db, error, [&] { return SaleOfTen(); }), 1);
    Exec(L"COMMIT");
    EXPECT_EQ(State(), L"1|1|90.0|10.0|20.0|3|10.0");
}

TEST_F(PostingCall, EachSettingIsReadOncePerCall) {
    Setting(L"IsUseDataSync", L"1");
    Setting(L"AccountMode", L"1");
    std::multiset<std::string> keys;
    sqlite3_trace_v2(
        db.handle(), SQLITE_TRACE_STMT,
        [](unsigned, void* context, void* stmt, void*) {
            char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(stmt));
            const std::string text = sql ? sql : "";
            sqlite3_free(sql);
            const size_t key = text.find("WHERE SettingType=");
            if (text.find("SysSetting") != std::string::npos && key != std::string::npos)
                static_cast<std::multiset<std::string>*>(context)->insert(text.substr(key));
            return 0;
        },
        &keys);
    EXPECT_GE(Sale(Bill(L"老客户", L"6", L"6"), Items({{.name = L"铅笔", .price = L"3"}, {.name = L"橡皮", .price = L"3"}})),
              1) << error;
    sqlite3_trace_v2(db.handle(), 0, nullptr, nullptr);
    EXPECT_GE(keys.size(), 3u);
    for (const std::string& key : keys) EXPECT_EQ(keys.count(key), 1u) << key;
}

TEST(SuperLogFile, StaysOpenWithEveryLineOnDisk) {
    const std::string first = ::testing::TempDir() + "shopbiz_log_a.log", second = ::testing::TempDir() + "shopbiz_log_b.log";
    std::remove(first.c_str());
    std::remove(second.c_str());
    auto read = [](const std::string& path) {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    };
    CSuperLog::SetLogFile(first);
    CSuperLog::WriteLog(L"第一行", 1, true);
    EXPECT_NE(read(first).find("[1] 第一行\n"), std::string::npos);  // on disk before anything else happens
    CSuperLog::WriteLog(L"second", 1, true);
    CSuperLog::SetLogFile(second);
    CSuperLog::WriteLog(L"third", 1, true);
    CSuperLog::SetLogFile("");
    CSuperLog::WriteLog(L"nowhere", 1, true);
    EXPECT_NE(read(first).find("second\n"), std::string::npos);
    EXPECT_EQ(read(first).find("third"), std::string::npos);
    EXPECT_NE(read(second).find("third\n"), std::string::npos);
    EXPECT_EQ(read(second).find("nowhere"), std::string::npos);
    std::remove(first.c_str());
    std::remove(second.c_str());
}

}  // namespace
