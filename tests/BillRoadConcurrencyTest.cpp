// Threads posting and deleting bills on one connection: no counter or balance loses an update.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "support/BillFixture.h"

using shopbiz::Sql;

namespace {

class BillRoadConcurrency : public BillFixture {};

TEST_F(BillRoadConcurrency, ThreadsPostingAtOnceLoseNothing) {
    constexpr int kThreads = 4, kRounds = 10;
    std::vector<std::thread> threads;
    std::vector<int> failures(kThreads, 0);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            CSaleBLL sales;
            CPurBLL purchases;
            CString error;
            const CString customer = shopbiz::Fmt(L"客户%d", t), supplier = shopbiz::Fmt(L"供应商%d", t);
            for (int round = 0; round < kRounds; ++round) {
                // Buy 5 at 1 (3 paid), sell 3 at 2 (4 paid), and post and delete one more sale.
                failures[t] += purchases.InsertBill(db, L"", L"1", L"现金", L"2013-05-06", supplier, L"5", L"5", L"100",
                                                    L"3", L"", Items({{.price = L"1", .count = L"5"}}), 1, L"", L"",
                                                    error) < 1;
                failures[t] += sales.InsertBill(db, L"", L"现金", L"2013-05-06", customer, L"6", L"6", L"100", L"4", L"",
                                                Items({{.count = L"3"}}), 1, L"", L"", error, L"1") < 1;
                const int extra = sales.InsertBill(db, L"", L"现金", L"2013-05-06", customer, L"2", L"2", L"100", L"1",
                                                   L"", Items({{}}), 1, L"", L"", error, L"1");
                if (extra < 1 || sales.DeleteBillByID(db, extra, error) != 1) ++failures[t];
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(failures, std::vector<int>(kThreads, 0));
    const int bills = kThreads * kRounds;
    EXPECT_EQ(Rows(L"SELECT (SELECT COUNT(*) FROM PurBills), COUNT(*), COUNT(DISTINCT BillCode) FROM SaleBills"),
              shopbiz::Fmt(L"%d|%d|%d", bills, bills, bills));
    EXPECT_EQ(Int(L"SELECT LastNO FROM BillCode WHERE BillType='XSD' AND YearMonth='201305'"), 2 * bills);
    EXPECT_EQ(Stock(L"铅笔"), bills * (5 - 3));
    EXPECT_EQ(WarehouseStock(L"铅笔"), bills * (5 - 3));
    EXPECT_EQ(AccountBalance(L"现金"), bills * (4 - 3));
    EXPECT_EQ(Rows(L"SELECT InAmount, OutAmount, Balance FROM AccountMonth"),
              shopbiz::Fmt(L"%d.0|%d.0|%d.0", 4 * bills, 3 * bills, bills));
    EXPECT_EQ(Rows(L"SELECT DISTINCT CurAmount FROM Companies WHERE CompanyID>3"), shopbiz::Fmt(L"%d.0", 2 * kRounds));
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Stocks WHERE IsSystem=0"), 2 * bills);
    EXPECT_EQ(CSysBLL::m_lock.HeldCount(), 0);
}

}  // namespace
