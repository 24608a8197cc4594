// Purchase bills (CPurBLL) where they differ from sales: supplier, stock in, money out, prices, deletion.
#include <gtest/gtest.h>

#include "support/BillFixture.h"

namespace {

class PurchasePosting : public BillFixture {};

TEST_F(PurchasePosting, SuppliersByNameOrTheNewestSystemSupplier) {
    // Without a name: the newest system supplier, whatever its name; but not when owed.
    Exec(L"INSERT INTO Companies(CompanyID, CompanyName, CompanyCode, CompanyType, IsSystem) "
         L"VALUES(8, '总仓', 'GYS0009', 2, 1)");
    EXPECT_EQ(Purchase(Bill(L"", L"10", L"10"), Items({{.price = L"10"}})), 1) << error;
    EXPECT_EQ(Rows(L"SELECT CompanyID, CompanyName, BillCode FROM PurBills"), L"8|总仓|JH2013050001");
    EXPECT_EQ(Purchase(Bill(L"", L"10", L"9"), Items({{.price = L"10"}})), -1);
    EXPECT_EQ(error, L"该单存在欠款，必须选择一个确定的供应商!");
    EXPECT_EQ(Count(L"PurBills"), 1);
    // A new name makes a supplier, owed what was not paid; a customer bought from owes less.
    EXPECT_GT(Purchase(Bill(L"华联", L"30", L"10"), Items({{.price = L"3", .count = L"10"}})), 0) << error;
    EXPECT_EQ(Rows(L"SELECT CompanyCode, CompanyType, CurAmount FROM Companies WHERE CompanyName='华联'"),
              L"GYS0010|2|20.0");
    PutCompany(L"王五", 1, 50);
    EXPECT_GT(Purchase(Bill(L"王五", L"30"), Items({{.price = L"3"}})), 0) << error;
    EXPECT_EQ(Balance(L"王五"), 20.0);
}

TEST_F(PurchasePosting, ADiscountedPurchaseIntoANewAccount) {
    EXPECT_GT(Purchase({.settleAcct = L"工商银行", .company = L"华联", .billAmount = L"150", .discountAmount = L"135",
                        .discountRate = L"90", .getAmount = L"100"},
                       Items({{.price = L"1.5", .count = L"100"}})),
              0);
    EXPECT_EQ(Rows(L"SELECT DiscountRate, OweAmount FROM PurBills"), L"0.9|35.0");
    EXPECT_EQ(Rows(L"SELECT BillType, InCount, InPrice, InAmount, LastPrice FROM Stocks ORDER BY StockID"),
              L"期初|0.0|0.0|0.0|1.5; 进货|100.0|1.35|135.0|0.0");
    EXPECT_EQ(AccountBalance(L"工商银行"), -100.0);
    EXPECT_EQ(Balance(L"华联"), 35.0);
}

TEST_F(PurchasePosting, PricesRememberedAndWritten) {
    // The purchase price remembered is the one before the line discount (none at rate 0).
    EXPECT_GT(Purchase({}, Items({{.name = L"甲", .price = L"9", .disRate = L"0.9"},
                                  {.name = L"乙", .price = L"9", .disRate = L"0"}})),
              0);
    EXPECT_EQ(Rows(L"SELECT ProductName, InPrice FROM Products ORDER BY ProductID"), L"甲|10.0; 乙|9.0");
    // Where a sale's line INSERT would fail on it, a purchase reads the price text as a number.
    EXPECT_GT(Purchase({}, Items({{.price = L"", .amount = L"0"}, {.name = L"本子", .price = L"4x"}})), 0) << error;
    EXPECT_EQ(Rows(L"SELECT Price FROM PurBillItems WHERE PurID=2 ORDER BY PurItemID"), L"0.0; 4.0");
}

TEST_F(PurchasePosting, FailuresWithTheSupplierMessages) {
    Exec(L"CREATE TRIGGER NoJournal BEFORE INSERT ON Account BEGIN SELECT RAISE(ABORT, 'journal locked'); END");
    EXPECT_EQ(Purchase(Bill(L"华联", L"10", L"4"), Items({{.price = L"10"}})), -1);
    EXPECT_EQ(error, L"更新收支帐失败 单据ID=[JH2013050001]\r\njournal locked");
    EXPECT_EQ(Stock(L"铅笔"), 1.0);  // the stock came in first
    Exec(L"DROP TRIGGER NoJournal");
    Exec(L"CREATE TRIGGER NoBalance BEFORE UPDATE OF CurAmount ON Companies BEGIN SELECT RAISE(ABORT, 'no'); END");
    EXPECT_EQ(Purchase(Bill(L"华联", L"10", L"4"), Items({{.price = L"10"}})), -1);
    EXPECT_EQ(error, L"更新供应商应付款失败，单据编号:JH2013050002");
}

TEST_F(PurchasePosting, DeletionGoesOnAfterJournalErrors) {
    const int id = Purchase(Bill(L"华联", L"10", L"4"), Items({{.price = L"10"}}));
    Exec(L"CREATE TRIGGER NoJournal BEFORE UPDATE ON Account BEGIN SELECT RAISE(ABORT, 'journal locked'); END");
    Exec(L"CREATE TRIGGER NoBalance BEFORE UPDATE OF CurAmount ON Companies BEGIN SELECT RAISE(ABORT, 'no'); END");
    EXPECT_EQ(pur.DeleteBillByID(db, id, error), 1);
    EXPECT_EQ(Count(L"PurBills"), 0);
    EXPECT_EQ(Stock(L"铅笔"), 0.0);
    EXPECT_EQ(AccountBalance(L"现金"), 0.0);
    // What could not be reversed stays as it was.
    EXPECT_EQ(Real(L"SELECT OutAmount FROM Account WHERE ProjectType=1"), 4.0);
    EXPECT_EQ(Balance(L"华联"), 6.0);
    // Only a database error of the ledger or the deletes stops it.
    Exec(L"DROP TRIGGER NoJournal; DROP TRIGGER NoBalance");
    const int second = Purchase({}, Items({{.price = L"10"}}));
    Exec(L"CREATE TRIGGER KeepLines BEFORE DELETE ON PurBillItems BEGIN SELECT RAISE(ABORT, 'kept'); END");
    EXPECT_EQ(pur.DeleteBillByID(db, second, error), -1);
    EXPECT_EQ(error, L"kept");
    EXPECT_EQ(Count(L"PurBills"), 1);
}

TEST_F(PurchasePosting, AChangeIntoAReturn) {
    const int id = Purchase(Bill(L"华联", L"10"), Items({{.price = L"2", .count = L"5"}}));
    EXPECT_EQ(pur.UpdateBillByID(db, id, L"JH2013050001", L"2", L"现金", L"2013-05-08", L"华联", L"-4", L"-4", L"100",
                                 L"0", L"退货", Items({{.price = L"2", .count = L"-2"}}), 1, L"", L"李四", error),
              id + 1);
    EXPECT_EQ(Rows(L"SELECT BillCode, BillType, BillDate FROM PurBills"), L"JH2013050001|2|2013-05-08");
    EXPECT_EQ(Stock(L"铅笔"), -2.0);
    EXPECT_EQ(Balance(L"华联"), -4.0);
}

}  // namespace
