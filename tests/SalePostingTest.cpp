// Sale bills (CSaleBLL): the customer found or made, numbering, prices, stock, what failures leave.
#include <gtest/gtest.h>

#include "support/BillFixture.h"

using shopbiz::Fmt;

namespace {

class SalePosting : public BillFixture {
protected:
    int LastNo() { return Int(L"SELECT LastNO FROM BillCode WHERE BillType='XSD' AND YearMonth='201305'"); }
    int SaleLedgerRows() { return Int(L"SELECT COUNT(*) FROM Stocks WHERE BillType='出货'"); }
    // A trigger refusing the statement named, with the message "no" (and no other trigger).
    void Lock(const wchar_t* on) {
        Exec(Fmt(L"DROP TRIGGER IF EXISTS Lock; CREATE TRIGGER Lock BEFORE %s BEGIN SELECT RAISE(ABORT,'no');END", on));
    }
};

TEST_F(SalePosting, RetailSaleGoesToTheRetailCustomerOnlyWhenNothingIsOwed) {
    EXPECT_EQ(Sale(Bill(L"", L"20", L"20"), Items({{.price = L"2", .count = L"10"}})), 1) << error;
    EXPECT_EQ(Rows(L"SELECT BillCode, CompanyName, SettleAcctID, OweAmount, UserName, CreateDate FROM SaleBills"),
              L"XS2013050001|零售客户|1|0.0|张三|2013-05-06 14:03:09");
    // One cent owing needs a real customer; nothing is written, not even the new account.
    EXPECT_EQ(Sale({.settleAcct = L"新账户", .billAmount = L"20", .discountAmount = L"20", .getAmount = L"19.99"},
                   Items({{.price = L"2", .count = L"10"}})),
              -1);
    EXPECT_EQ(error, L"该单存在欠款，必须选择一个确定的客户！");
    EXPECT_EQ(Rows(L"SELECT COUNT(*), (SELECT COUNT(*) FROM SettleAcct) FROM SaleBills") + Fmt(L"|%d", LastNo()),
              L"1|1|1");
}

TEST_F(SalePosting, CustomersAreFoundByNameOrMade) {
    // A new name (trimmed) makes a customer, which owes the rest.
    EXPECT_GT(Sale(Bill(L" 王五 ", L"50", L"20"), Items({{.price = L"5", .count = L"10"}})), 0) << error;
    EXPECT_EQ(Rows(L"SELECT CompanyID, CompanyCode, CompanyType, CurAmount FROM Companies WHERE CompanyName='王五'"),
              L"4|KH0003|1|30.0");
    // A disabled and deleted customer comes back; of two of one name the newest is used.
    Exec(L"UPDATE Companies SET IsDisable=1, IsDelete=1 WHERE CompanyID=4");
    Exec(L"INSERT INTO Companies(CompanyID, CompanyName, IsDisable, IsDelete) VALUES(9, '王五', 1, 1)");
    EXPECT_GT(Sale(Bill(L"王五", L"8"), Items({{.price = L"8"}})), 0) << error;
    EXPECT_EQ(Rows(L"SELECT CompanyID, IsDisable, IsDelete, CurAmount FROM Companies WHERE CompanyName='王五'"),
              L"4|1|1|30.0; 9|0|0|8.0");
    // A supplier sold to: what it owes us lowers what we owe it.
    PutCompany(L"华联", 2, 100);
    EXPECT_GT(Sale(Bill(L"华联", L"30", L"10"), Items({{.price = L"3", .count = L"10"}})), 0) << error;
    EXPECT_EQ(Balance(L"华联"), 80.0);
}

TEST_F(SalePosting, OverpaymentIsOwedToTheCustomer) {
    PutCompany(L"王五", 1);
    EXPECT_GT(Sale(Bill(L"王五", L"95", L"100"), Items({{.price = L"95"}})), 0);
    EXPECT_EQ(Rows(L"SELECT OweAmount, (SELECT CurAmount FROM SettleAcct) FROM SaleBills"), L"-5.0|100.0");
    EXPECT_EQ(Balance(L"王五"), -5.0);
}

TEST_F(SalePosting, TakenCodesAreReplacedByTheNextFreeOne) {
    // A caller's code is used as it stands without consuming the month counter; taken, the next one.
    EXPECT_GT(Sale({.code = L"A100"}, Items({})), 0);
    EXPECT_GT(Sale({.code = L"A100"}, Items({})), 0);
    // A generated code typed in by hand: skipped, and both attempts counted.
    Exec(L"INSERT INTO SaleBills(BillCode) VALUES('XS2013050001')");
    EXPECT_GT(Sale({}, Items({})), 0);
    EXPECT_EQ(Rows(L"SELECT BillCode FROM SaleBills ORDER BY SaleID"), L"A100; A101; XS2013050001; XS2013050002");
    EXPECT_EQ(LastNo(), 2);
    // More than 100 taken codes in a row: refused, with the numbering moved on.
    for (int i = 0; i <= 100; ++i) Exec(Fmt(L"INSERT INTO SaleBills(BillCode) VALUES('T%03d')", i));
    EXPECT_EQ(Sale({.code = L"T000"}, Items({})), -1);
    EXPECT_EQ(error, L"生成单据编号错误!err:重新尝试生成新单据编号超过100次!");
    EXPECT_EQ(Count(L"SaleBills") + LastNo(), 4 + 101 + 2 + 101);
}

TEST_F(SalePosting, LinesInTheBaseUnitOrTheSecondUnit) {
    bool exists = false;
    CProductsBLL().AddProducts(db, L"铅笔", L"P1", L"", L"支", L"", L"1", L"2", L"2", L"盒", L"12", false, L"", exists);
    // Two boxes of twelve with a 10% line discount; three in the base unit, whatever the coefficient.
    const BillItemRows items = {
        {L"P1", L"铅笔", L"支", L"1.8", L"24", L"43.2", L"两盒", L"", L"盒", L"12", L"2", L"21.6", L"24", L"0.9"},
        {L"P1", L"铅笔", L"支", L"2", L"3", L"6", L"", L"", L"支", L"5", L"3", L"2", L"2", L"1"}};
    EXPECT_GT(Sale(Bill(L"", L"49.2", L"49.2"), items), 0) << error;
    EXPECT_EQ(Rows(L"SELECT UnitID, Price, ItemCount, ShowUnitID, Coefficient, ShowItemCount, ShowPrice, DisRate "
                   L"FROM SaleBillItems ORDER BY SaleItemID"),
              L"5|1.8|24.0|9|12|2.0|21.6|0.9; 5|2.0|3.0|5|1|3.0|2.0|1.0");
    // The stock, and the retail customer's price per entered unit.
    EXPECT_EQ(Rows(L"SELECT UnitName, Price, (SELECT CurStock FROM Products) FROM CompPrice ORDER BY UnitID"),
              L"支|2.0|-27.0; 盒|21.6|-27.0");
}

TEST_F(SalePosting, PricesLearnedFromTheSettings) {
    PutCompany(L"王五", 1);
    const BillItemRows line = Items({{.price = L"9", .showPrice = L"9", .originalPrice = L"10", .disRate = L"0.9"}});
    BillArgs bill = Bill(L"王五", L"9", L"9");
    const auto learned = [&] { return Rows(L"SELECT WholesalePrice, (SELECT GROUP_CONCAT(Price) FROM CompPrice) "
                                           L"FROM Products"); };
    // By default the entered price is learned; with discounts per line, the price before the
    // discount, and no customer price ...
    EXPECT_GT(Sale(bill, line), 0);
    EXPECT_EQ(learned(), L"9.0|9.0");
    Setting(L"IsUseEachDiscount", L"1");
    Exec(L"DELETE FROM CompPrice; UPDATE Products SET WholesalePrice=0");
    EXPECT_GT(Sale(bill, line), 0);
    EXPECT_EQ(learned(), L"10.0|");
    // ... unless the shop keeps customer prices; never for online-shop postings.
    Setting(L"AccountMode", L"1");
    for (auto [type, prices] : {std::pair{L"3", L"10.0|"}, {L"1", L"10.0|10.0"}}) {
        bill.type = type;
        EXPECT_GT(Sale(bill, line), 0);
        EXPECT_EQ(learned(), prices);
    }
}

TEST_F(SalePosting, ABadPriceTextStopsThePostingMidway) {
    PutCompany(L"王五", 1);
    EXPECT_EQ(Sale(Bill(L"王五", L"11", L"1"), Items({{.name = L"铅笔", .price = L"2", .count = L"5"},
                                                     {.name = L"橡皮", .price = L"", .count = L"1", .amount = L"1"}})),
              -1);
    EXPECT_TRUE(error.Find(L"写入明细失败！\r\n not a number: '' \r\n  INSERT INTO  SaleBillItems") == 0) << error;
    EXPECT_EQ(TakeLog().back(), error);
    // Header, first line and its stock stay; the money moved first; ledger and balance never ran.
    EXPECT_EQ(Rows(L"SELECT BillCode, OweAmount, (SELECT GROUP_CONCAT(ProductName) FROM SaleBillItems) "
                   L"FROM SaleBills"),
              L"XS2013050001|10.0|铅笔");
    EXPECT_EQ(Stock(L"铅笔"), -5.0);
    EXPECT_EQ(AccountBalance(L"现金"), 1.0);
    EXPECT_EQ(Count(L"Account") + SaleLedgerRows() + LastNo() + Balance(L"王五"), 0);
    // A price that would end the statement is refused the same way, and no partner is lost.
    EXPECT_EQ(Sale(Bill(L"王五", L"2"), Items({{.price = L"2, 1, 1, 1, 1, '', ''); DELETE FROM Companies; --"}})), -1);
    EXPECT_TRUE(error.Find(L"写入明细失败！\r\n not a number: '2, 1") == 0) << error;
    EXPECT_EQ(Count(L"Companies"), 4);
}

TEST_F(SalePosting, ItemCountAndProductsDecideWhatIsPosted) {
    PutCompany(L"王五", 1);
    // No rows: a header whose money and balance are still booked.
    EXPECT_GT(Sale(Bill(L"王五", L"50", L"30"), Items({{.price = L"50"}}), 0), 0);
    EXPECT_EQ(Count(L"SaleBillItems") + Balance(L"王五"), 20.0);
    // A count beyond the rows is refused before anything is written.
    EXPECT_EQ(Sale({}, Items({{}}), 2), -1);
    EXPECT_EQ(error, L"单据明细数据不完整，操作已经终止!");
    // The name belongs to a product with another code: not added again; the header stays without lines.
    bool exists = false;
    CProductsBLL().AddProducts(db, L"铅笔", L"P1", L"", L"支", L"", L"", L"", L"", L"", L"", false, L"", exists);
    EXPECT_EQ(Sale({}, Items({{.code = L"P2", .name = L"铅笔"}})), -2);
    EXPECT_EQ(error, L"P2~铅笔");
    EXPECT_EQ(Rows(L"SELECT COUNT(*), (SELECT COUNT(*) FROM SaleBillItems) FROM SaleBills"), L"2|0");
    EXPECT_EQ(Rows(L"SELECT ProductCode FROM Products"), L"P1");
}

TEST_F(SalePosting, JournalAndBalanceFailuresLeaveWhatWasDone) {
    PutCompany(L"王五", 1);
    Lock(L"INSERT ON Account");
    EXPECT_EQ(Sale(Bill(L"王五", L"10", L"4"), Items({{.price = L"10"}})), -1);
    EXPECT_EQ(error, L"更新收支帐失败 单据ID=[XS2013050001]");
    EXPECT_EQ(Stock(L"铅笔"), -1.0);
    EXPECT_EQ(SaleLedgerRows() + Balance(L"王五"), 0.0);
    Lock(L"UPDATE OF CurAmount ON Companies");
    EXPECT_EQ(Sale(Bill(L"王五", L"10", L"4"), Items({{.price = L"10"}})), -1);
    EXPECT_EQ(error, L"更新客户应收款失败，单据编号:XS2013050002");
    EXPECT_EQ(SaleLedgerRows(), 1);  // the ledger ran
}

TEST_F(SalePosting, DeletingOrChangingAMissingBillOrOneWhoseJournalIsLocked) {
    const int id = Sale(Bill(L"王五", L"5", L"3"), Items({{.price = L"5"}}));
    // Nothing to reverse: nothing moves or is deleted; the journal gets a day line of 0 without a date.
    EXPECT_EQ(sale.DeleteBillByID(db, 42, error), 1);
    EXPECT_EQ(Rows(L"SELECT AccountDate, InAmount FROM Account ORDER BY AccountID"), L"2013-05-06|3.0; |0.0");
    // The journal cannot be reversed: the stock is already back, the bill and its money stay.
    Lock(L"UPDATE ON Account");
    EXPECT_EQ(sale.DeleteBillByID(db, id, error), -1);
    EXPECT_EQ(error, L"no");
    EXPECT_EQ(Stock(L"铅笔"), 0.0);
    EXPECT_EQ(Count(L"SaleBills") + Count(L"SaleBillItems") + AccountBalance(L"现金"), 5.0);
    // A change deletes first: when that fails, nothing new is posted.
    EXPECT_EQ(sale.UpdateBillByID(db, id, L"", L"1", L"现金", L"2013-05-07", L"王五", L"1", L"1", L"100", L"1", L"",
                                  Items({}), 0, L"", L"李四", error),
              -1);
    EXPECT_EQ(Count(L"SaleBills"), 1);
}

}  // namespace
