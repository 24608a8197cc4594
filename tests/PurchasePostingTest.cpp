// Posting, changing and deleting purchase bills (CPurBLL): where a purchase differs from a
// sale: the supplier, "JH" numbering, stock in, money out, the purchase price learned.
#include <gtest/gtest.h>

#include "support/BillFixture.h"

using shopbiz::Sql;

namespace {

class PurchasePosting : public BillFixture {
protected:
    int PurchaseLedgerRows() { return Int(L"SELECT COUNT(*) FROM Stocks WHERE BillType='进货'"); }
};

TEST_F(PurchasePosting, SuppliersByNameOrTheNewestSystemSupplier) {
    // Without a name: the newest system supplier, whatever its name; but not when owed.
    Exec(L"INSERT INTO Companies(CompanyID, CompanyName, CompanyCode, CompanyType, IsSystem) "
         L"VALUES(8, '总仓', 'GYS0009', 2, 1)");
    EXPECT_EQ(Purchase(Bill(L"", L"10", L"10"), Items({{.price = L"10"}})), 1) << error;
    EXPECT_EQ(Rows(L"SELECT CompanyID, CompanyCode, CompanyName, BillCode FROM PurBills"),
              L"8|GYS0009|总仓|JH2013050001");
    EXPECT_EQ(Purchase(Bill(L"", L"10", L"9"), Items({{.price = L"10"}})), -1);
    EXPECT_EQ(error, L"该单存在欠款，必须选择一个确定的供应商!");
    Exec(L"UPDATE Companies SET IsSystem=0 WHERE CompanyType=2");
    EXPECT_EQ(Purchase({}, Items({})), -1);
    EXPECT_EQ(error, L"默认供应商资料不存在!");
    EXPECT_EQ(Count(L"PurBills"), 1);

    // A new name makes a supplier, owed what was not paid; a customer bought from keeps its
    // balance the other way round.
    EXPECT_GT(Purchase(Bill(L"华联", L"30", L"10"), Items({{.price = L"3", .count = L"10"}})), 0) << error;
    EXPECT_EQ(Rows(L"SELECT CompanyCode, CompanyType, CurAmount FROM Companies WHERE CompanyName='华联'"),
              L"GYS0010|2|20.0");
    PutCompany(L"王五", 1, 50);
    EXPECT_GT(Purchase(Bill(L"王五", L"30"), Items({{.price = L"3"}})), 0) << error;
    EXPECT_EQ(Balance(L"王五"), 20.0);
}

TEST_F(PurchasePosting, NumberingIsItsOwn) {
    EXPECT_GT(Sale({}, Items({})), 0);
    EXPECT_GT(Purchase({.code = L"XS2013050001"}, Items({})), 0);  // a sale's code is free here
    EXPECT_GT(Purchase({.code = L"XS2013050001"}, Items({})), 0);
    EXPECT_GT(Purchase({}, Items({})), 0);
    EXPECT_EQ(Rows(L"SELECT BillCode FROM PurBills ORDER BY PurID"), L"XS2013050001; XS2013050002; JH2013050001");
    EXPECT_EQ(Rows(L"SELECT BillType, LastNO FROM BillCode WHERE YearMonth='201305' ORDER BY BillType"),
              L"JHD|1; XSD|1");
    EXPECT_EQ(pur.CheckBillCode(db, L"JH2013050001"), 1);
    EXPECT_EQ(sale.CheckBillCode(db, L"JH2013050001"), 0);
}

TEST_F(PurchasePosting, ADiscountedPurchaseIntoANewAccount) {
    EXPECT_GT(Purchase({.settleAcct = L"工商银行", .company = L"华联", .billAmount = L"150", .discountAmount = L"135",
                        .discountRate = L"90", .getAmount = L"100", .user = L"O'Neil"},
                       Items({{.code = L"P1", .price = L"1.5", .count = L"100"}})),
              0)
        << error;
    // The operator's name is stored as given.
    EXPECT_EQ(Rows(L"SELECT BillAmount, DiscountAmount, DiscountRate, GetAmount, OweAmount, UserName FROM PurBills"),
              L"150.0|135.0|0.9|100.0|35.0|O'Neil");
    EXPECT_EQ(Rows(L"SELECT UserName FROM PurBillItems"), L"O'Neil");
    EXPECT_EQ(Rows(L"SELECT ProductCode, InPrice FROM Products"), L"P1|1.5");
    EXPECT_EQ(Rows(L"SELECT BillType, InCount, InPrice, InAmount, LastPrice FROM Stocks ORDER BY StockID"),
              L"期初|0.0|0.0|0.0|1.5; 进货|100.0|1.35|135.0|0.0");
    EXPECT_EQ(AccountBalance(L"工商银行"), -100.0);
    EXPECT_EQ(Rows(L"SELECT AccountType, OutAmount, ProjectName FROM Account WHERE ProjectType=1"),
              L"支出|100.0|进货支出");
    EXPECT_EQ(Balance(L"华联"), 35.0);
}

TEST_F(PurchasePosting, PricesRememberedAndWritten) {
    // The purchase price remembered is the one before the line discount (none at rate 0).
    EXPECT_GT(Purchase({}, Items({{.name = L"甲", .price = L"9", .disRate = L"0.9"},
                                  {.name = L"乙", .price = L"9", .disRate = L"0"}})),
              0);
    EXPECT_EQ(Rows(L"SELECT ProductName, InPrice FROM Products ORDER BY ProductID"), L"甲|10.0; 乙|9.0");
    // A later purchase always wins.
    EXPECT_GT(Purchase({}, Items({{.name = L"甲", .price = L"8"}})), 0);
    EXPECT_EQ(Real(L"SELECT InPrice FROM Products WHERE ProductName='甲'"), 8.0);
    // Where a sale's line INSERT would fail on it, a purchase reads the price text as a number.
    EXPECT_GT(Purchase({}, Items({{.price = L"", .count = L"2", .amount = L"0"}, {.name = L"本子", .price = L"4x"}})),
              0)
        << error;
    EXPECT_EQ(Rows(L"SELECT ProductName, Price FROM PurBillItems WHERE PurID=3 ORDER BY PurItemID"),
              L"铅笔|0.0; 本子|4.0");
}

TEST_F(PurchasePosting, FailuresWithTheSupplierMessages) {
    Exec(L"CREATE TRIGGER NoJournal BEFORE INSERT ON Account BEGIN SELECT RAISE(ABORT, 'journal locked'); END");
    TakeLog();
    EXPECT_EQ(Purchase(Bill(L"华联", L"10", L"4"), Items({{.price = L"10"}})), -1);
    // The journal's own message follows.
    EXPECT_TRUE(error.Find(L"更新收支帐失败 单据ID=[JH2013050001]\r\n") == 0) << error;
    EXPECT_NE(error.Find(L"journal locked"), -1) << error;
    const std::string log = Joined(TakeLog());
    EXPECT_EQ(log.substr(log.size() - error.ToUtf8().size() - 1), error.ToUtf8() + "\n");
    EXPECT_EQ(Stock(L"铅笔"), 1.0);
    EXPECT_EQ(PurchaseLedgerRows(), 0);

    Exec(L"DROP TRIGGER NoJournal");
    Exec(L"CREATE TRIGGER NoBalance BEFORE UPDATE OF CurAmount ON Companies BEGIN SELECT RAISE(ABORT, 'no'); END");
    EXPECT_EQ(Purchase(Bill(L"华联", L"10", L"4"), Items({{.price = L"10"}})), -1);
    EXPECT_EQ(error, L"更新供应商应付款失败，单据编号:JH2013050002");
    EXPECT_EQ(PurchaseLedgerRows(), 1);
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

TEST_F(PurchasePosting, ChangingAndReopeningABill) {
    const int id = Purchase(Bill(L"华联", L"10"), Items({{.price = L"2", .count = L"5", .remark = L"首批"}}));
    const int changed =
        pur.UpdateBillByID(db, id, L"JH2013050001", L"2", L"现金", L"2013-05-08", L"华联", L"-4", L"-4", L"100", L"0",
                           L"退货", Items({{.price = L"2", .count = L"-2"}}), 1, L"", L"李四", error);
    EXPECT_EQ(changed, id + 1) << error;
    EXPECT_EQ(Stock(L"铅笔"), -2.0);
    EXPECT_EQ(Balance(L"华联"), -4.0);
    EXPECT_EQ(Fields(pur.GetBillDataByBillID(db, changed),
                     {L"BillID", L"BillCode", L"BillType", L"BillDate", L"CompanyName", L"ProductName", L"ItemCount",
                      L"Price", L"ItemAmount", L"ItemRemark", L"BillAmount", L"OweAmount", L"BillRemark",
                      L"SettleAcctName", L"ShowUnitName", L"Coefficient", L"ShowItemCount", L"ShowPrice",
                      L"OriginalPrice", L"DisRate"}),
              Sql(L"%d|JH2013050001|2|2013-05-08|华联|铅笔|-2.0|2.0|-4.0||-4.0|-4.0|退货|现金|支|1|-2.0|2.0|2.0|1.0",
                  changed));
    EXPECT_TRUE(pur.GetBillDataByBillID(db, id).eof());
}

}  // namespace
