// Posting, changing and deleting sale bills (CSaleBLL): the customer and account found or
// made, the numbering, the header and lines, prices and stock, and what a failure leaves.
#include <gtest/gtest.h>

#include "support/BillFixture.h"

using shopbiz::Sql;

namespace {

class SalePosting : public BillFixture {
protected:
    int LastNo() { return Int(L"SELECT LastNO FROM BillCode WHERE BillType='XSD' AND YearMonth='201305'"); }
    int SaleLedgerRows() { return Int(L"SELECT COUNT(*) FROM Stocks WHERE BillType='出货'"); }
    CString Update(int id, const wchar_t* code, const wchar_t* amount, const wchar_t* paid, const BillItemRows& items) {
        return Sql(L"%d", sale.UpdateBillByID(db, id, code, L"1", L"现金", L"2013-05-07", L"王五", amount, amount,
                                              L"100", paid, L"", items, static_cast<int>(items.size()), L"", L"李四",
                                              error));
    }
};

TEST_F(SalePosting, RetailSaleGoesToTheRetailCustomerOnlyWhenNothingIsOwed) {
    BillArgs bill = Bill(L"", L"20", L"20");
    bill.remark = L"门店";
    EXPECT_EQ(Sale(bill, Items({{.price = L"2", .count = L"10"}})), 1) << error;
    EXPECT_EQ(error, L"");
    EXPECT_EQ(Rows(L"SELECT BillCode, CompanyID, CompanyCode, CompanyName, SettleAcctID, SettleAcctName, BillAmount, "
                   L"DiscountAmount, DiscountRate, GetAmount, OweAmount, BillDate, UserID, UserName, CreateDate, "
                   L"LastUpdateDate, Remark, BillType FROM SaleBills"),
              L"XS2013050001|1|KH0001|零售客户|1|现金|20.0|20.0|1.0|20.0|0.0|2013-05-06|0|张三|"
              L"2013-05-06 14:03:09|2013-05-06 14:03:09|门店|1");
    EXPECT_EQ(Balance(L"零售客户"), 0.0);
    EXPECT_EQ(LastNo(), 1);

    // One cent owing needs a real customer; nothing is written, not even the new account.
    bill = Bill(L"", L"20", L"19.99");
    bill.settleAcct = L"新账户";
    EXPECT_EQ(Sale(bill, Items({{.price = L"2", .count = L"10"}})), -1);
    EXPECT_EQ(error, L"该单存在欠款，必须选择一个确定的客户！");
    EXPECT_EQ(Rows(L"SELECT (SELECT COUNT(*) FROM SaleBills), (SELECT COUNT(*) FROM SettleAcct)"), L"1|1");
    EXPECT_EQ(LastNo(), 1);
    EXPECT_EQ(Stock(L"铅笔"), -10.0);

    // Without the delivered retail customer there is nobody to sell to.
    Exec(L"UPDATE Companies SET IsSystem=0 WHERE CompanyID=1");
    EXPECT_EQ(Sale({}, Items({})), -1);
    EXPECT_EQ(error, L"初始化数据[默认客户资料不存在!]");
}

TEST_F(SalePosting, CustomersAreFoundByNameOrMade) {
    // A new name (trimmed) makes a customer, which owes the rest.
    EXPECT_GT(Sale(Bill(L" 王五 ", L"50", L"20"), Items({{.price = L"5", .count = L"10"}})), 0) << error;
    EXPECT_EQ(Rows(L"SELECT CompanyID, CompanyCode, CompanyType, CurAmount FROM Companies WHERE CompanyName='王五'"),
              L"4|KH0003|1|30.0");
    EXPECT_EQ(Rows(L"SELECT CompanyID, CompanyCode, CompanyName, OweAmount FROM SaleBills"), L"4|KH0003|王五|30.0");

    // A disabled and deleted customer comes back; of two of one name the newest is used.
    Exec(L"UPDATE Companies SET IsDisable=1, IsDelete=1 WHERE CompanyID=4");
    Exec(L"INSERT INTO Companies(CompanyID, CompanyName, CompanyCode, CompanyType, IsDisable, IsDelete) "
         L"VALUES(9, '王五', 'C9', 3, 1, 1)");
    EXPECT_GT(Sale(Bill(L"王五", L"8"), Items({{.price = L"8"}})), 0) << error;
    EXPECT_EQ(Rows(L"SELECT CompanyID, IsDisable, IsDelete, CurAmount FROM Companies WHERE CompanyName='王五' "
                   L"ORDER BY CompanyID"),
              L"4|1|1|30.0; 9|0|0|8.0");

    // A supplier sold to: what it owes us lowers what we owe it.
    PutCompany(L"华联", 2, 100);
    EXPECT_GT(Sale(Bill(L"华联", L"30", L"10"), Items({{.price = L"3", .count = L"10"}})), 0) << error;
    EXPECT_EQ(Balance(L"华联"), 80.0);
}

TEST_F(SalePosting, DiscountOverpaymentAndTheAccountNamed) {
    PutCompany(L"王五", 1);
    EXPECT_GT(Sale({.settleAcct = L"工商银行", .company = L"王五", .billAmount = L"100", .discountAmount = L"95",
                    .discountRate = L"95", .getAmount = L"100"},
                   Items({{.price = L"10", .count = L"10"}})),
              0);
    EXPECT_EQ(Rows(L"SELECT SettleAcctID, BillAmount, DiscountAmount, DiscountRate, GetAmount, OweAmount "
                   L"FROM SaleBills"),
              L"2|100.0|95.0|0.95|100.0|-5.0");
    EXPECT_EQ(AccountBalance(L"工商银行"), 100.0);
    EXPECT_EQ(Balance(L"王五"), -5.0);  // paid too much: the shop owes the customer
    EXPECT_EQ(Rows(L"SELECT OutCount, SalePrice, SaleAmount FROM Stocks WHERE BillType='出货'"), L"10.0|9.5|95.0");

    // No account named: SettleAcctID 0 and no balance moves.
    BillArgs noAccount = Bill(L"", L"7", L"7");
    noAccount.settleAcct = L"";
    EXPECT_GT(Sale(noAccount, Items({{.price = L"7"}})), 0);
    EXPECT_EQ(Rows(L"SELECT SettleAcctID, SettleAcctName FROM SaleBills WHERE SaleID=2"), L"0|");
    EXPECT_EQ(Real(L"SELECT SUM(CurAmount) FROM SettleAcct"), 100.0);
}

TEST_F(SalePosting, TakenCodesAreReplacedByTheNextFreeOne) {
    // A code of the caller's is used as it stands; the month counter is not consumed. Taken:
    // the next code, and a proposal's counter moves on with each attempt.
    EXPECT_GT(Sale({.code = L"A100"}, Items({})), 0);
    EXPECT_EQ(Count(L"BillCode"), 3);
    EXPECT_GT(Sale({.code = L"A100"}, Items({})), 0);
    // A generated code somebody typed in by hand: skipped, and both attempts counted.
    Exec(L"INSERT INTO SaleBills(BillCode) VALUES('XS2013050001')");
    EXPECT_GT(Sale({}, Items({})), 0);
    EXPECT_EQ(Rows(L"SELECT BillCode FROM SaleBills ORDER BY SaleID"), L"A100; A101; XS2013050001; XS2013050002");
    EXPECT_EQ(LastNo(), 2);
    EXPECT_EQ(CSysBLL().GetBillCode(db, L"XSD", L"2013-05-06"), L"XS2013050003");

    // More than 100 taken codes in a row: refused, with the numbering moved on.
    for (int i = 0; i <= 100; ++i) Exec(Sql(L"INSERT INTO SaleBills(BillCode) VALUES('T%03d')", i));
    TakeLog();
    EXPECT_EQ(Sale({.code = L"T000"}, Items({})), -1);
    EXPECT_EQ(error, L"生成单据编号错误!err:重新尝试生成新单据编号超过100次!");
    EXPECT_EQ(Joined(TakeLog()), "生成单据编号错误!err:重新尝试生成新单据编号超过100次!\r\n\n");
    EXPECT_EQ(Count(L"SaleBills"), 4 + 101);
    EXPECT_EQ(LastNo(), 2 + 101);
    EXPECT_EQ(sale.CheckBillCode(db, L"T100"), 1);
    EXPECT_EQ(sale.CheckBillCode(db, L"T101"), 0);
}

TEST_F(SalePosting, LinesInTheBaseUnitOrTheSecondUnit) {
    bool exists = false;
    CProductsBLL().AddProducts(db, L"铅笔", L"P1", L"", L"支", L"", L"1", L"2", L"2", L"盒", L"12", false, L"", exists);
    // Two boxes of twelve, with a 10% line discount; then three in the base unit, whatever
    // coefficient the row carries.
    const BillItemRows items = {
        {L"P1", L"铅笔", L"支", L"1.8", L"24", L"43.2", L"两盒", L"", L"盒", L"12", L"2", L"21.6", L"24", L"0.9"},
        {L"P1", L"铅笔", L"支", L"2", L"3", L"6", L"", L"", L"支", L"5", L"3", L"2", L"2", L"1"}};
    EXPECT_GT(Sale(Bill(L"", L"49.2", L"49.2"), items), 0) << error;
    EXPECT_EQ(Rows(L"SELECT ProductCode, UnitID, UnitName, Price, ItemCount, Amount, ShowUnitID, ShowUnitName, "
                   L"Coefficient, ShowItemCount, ShowPrice, OriginalPrice, DisRate, Remark FROM SaleBillItems ORDER BY "
                   L"SaleItemID"),
              L"P1|5|支|1.8|24.0|43.2|9|盒|12|2.0|21.6|24.0|0.9|两盒; P1|5|支|2.0|3.0|6.0|5|支|1|3.0|2.0|2.0|1.0|");
    EXPECT_EQ(Stock(L"铅笔"), -27.0);
    EXPECT_EQ(WarehouseStock(L"铅笔"), -27.0);
    // The retail customer's price per entered unit.
    EXPECT_EQ(Rows(L"SELECT CompanyName, UnitID, UnitName, Price FROM CompPrice ORDER BY UnitID"),
              L"零售客户|5|支|2.0; 零售客户|9|盒|21.6");
}

TEST_F(SalePosting, PricesLearnedFromTheSettings) {
    PutCompany(L"王五", 1);
    const BillItemRows line = Items({{.price = L"9", .showPrice = L"9", .originalPrice = L"10", .disRate = L"0.9"}});
    const BillArgs bill = Bill(L"王五", L"9", L"9");

    // By default: the entered price as the customer's price and the wholesale price.
    EXPECT_GT(Sale(bill, line), 0);
    EXPECT_EQ(Rows(L"SELECT Price, WholesalePrice FROM Products"), L"0.0|9.0");
    EXPECT_EQ(Rows(L"SELECT CompanyName, Price FROM CompPrice"), L"王五|9.0");

    // Discounts per line: the price before the discount, no customer price ...
    Setting(L"IsUseEachDiscount", L"1");
    Exec(L"DELETE FROM CompPrice; UPDATE Products SET WholesalePrice=0");
    EXPECT_GT(Sale(bill, line), 0);
    EXPECT_EQ(Rows(L"SELECT Price, WholesalePrice FROM Products"), L"0.0|10.0");
    EXPECT_EQ(Count(L"CompPrice"), 0);
    // ... unless the shop keeps customer prices; never for online-shop postings.
    Setting(L"AccountMode", L"1");
    BillArgs online = bill;
    online.type = L"3";
    EXPECT_GT(Sale(online, line), 0);
    EXPECT_EQ(Count(L"CompPrice"), 0);
    EXPECT_GT(Sale(bill, line), 0);
    EXPECT_EQ(Rows(L"SELECT CompanyName, UnitName, Price FROM CompPrice"), L"王五|支|10.0");
}

TEST_F(SalePosting, ABadPriceTextStopsThePostingMidway) {
    PutCompany(L"王五", 1);
    TakeLog();
    EXPECT_EQ(Sale(Bill(L"王五", L"11", L"1"), Items({{.name = L"铅笔", .price = L"2", .count = L"5"},
                                                     {.name = L"橡皮", .price = L"", .count = L"1", .amount = L"1"}})),
              -1);
    EXPECT_TRUE(error.Find(L"写入明细失败！\r\n ") == 0) << error;
    EXPECT_NE(error.Find(L" \r\n  INSERT INTO  SaleBillItems (SaleID"), -1) << error;
    EXPECT_EQ(Joined(TakeLog()), error.ToUtf8() + "\n");
    // Header, first line and its stock stay; the money, ledger and balance steps never ran.
    EXPECT_EQ(Rows(L"SELECT BillCode, OweAmount FROM SaleBills"), L"XS2013050001|10.0");
    EXPECT_EQ(Rows(L"SELECT ProductName, ItemCount FROM SaleBillItems"), L"铅笔|5.0");
    EXPECT_EQ(Stock(L"铅笔"), -5.0);
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Products WHERE ProductName='橡皮'"), 1);  // made before the INSERT
    EXPECT_EQ(Count(L"Account") + SaleLedgerRows(), 0);
    EXPECT_EQ(Balance(L"王五"), 0.0);
    EXPECT_EQ(AccountBalance(L"现金"), 1.0);  // moved before the bill was written
    EXPECT_EQ(LastNo(), 0);
    // The code is taken by the half bill: the next posting steps over it.
    EXPECT_GT(Sale({}, Items({})), 0);
    EXPECT_EQ(Text(L"SELECT BillCode FROM SaleBills WHERE SaleID=2"), L"XS2013050002");
}

TEST_F(SalePosting, ItemCountAndProductsDecideWhatIsPosted) {
    PutCompany(L"王五", 1);
    PutMember(L"王五");
    // No rows: a header whose money, balance and points are still booked.
    EXPECT_GT(Sale(Bill(L"王五", L"50", L"30"), Items({{.price = L"50"}}), 0), 0);
    EXPECT_EQ(Count(L"SaleBillItems"), 0);
    EXPECT_EQ(Stock(L"铅笔"), 0.0);
    EXPECT_EQ(Balance(L"王五"), 20.0);
    EXPECT_EQ(Real(L"SELECT InAmount FROM Account WHERE ProjectType=1"), 30.0);
    EXPECT_EQ(Rows(L"SELECT ScoreDocument, Money, Scores FROM VipScores"), L"XS2013050001|30.00000000|3");

    // A count beyond the rows, or a row cut short, is refused before anything is written.
    EXPECT_EQ(Sale({}, Items({{}}), 2), -1);
    EXPECT_EQ(error, L"单据明细数据不完整，操作已经终止!");
    BillItemRows shortRow = Items({{}});
    shortRow[0].resize(13);
    EXPECT_EQ(Sale({}, shortRow), -1);
    EXPECT_EQ(Count(L"SaleBills"), 1);

    // The name belongs to a product with another code: neither found nor added again; the
    // header stays without lines.
    bool exists = false;
    CProductsBLL().AddProducts(db, L"铅笔", L"P1", L"", L"支", L"", L"", L"", L"", L"", L"", false, L"", exists);
    EXPECT_EQ(Sale({}, Items({{.code = L"P2", .name = L"铅笔"}})), -2);
    EXPECT_EQ(error, L"P2~铅笔");
    EXPECT_EQ(Count(L"SaleBills"), 2);
    EXPECT_EQ(Count(L"SaleBillItems"), 0);
    EXPECT_EQ(Rows(L"SELECT ProductCode FROM Products"), L"P1");
}

TEST_F(SalePosting, JournalAndBalanceFailuresLeaveWhatWasDone) {
    PutCompany(L"王五", 1);
    Exec(L"CREATE TRIGGER NoJournal BEFORE INSERT ON Account BEGIN SELECT RAISE(ABORT, 'journal locked'); END");
    TakeLog();
    EXPECT_EQ(Sale(Bill(L"王五", L"10", L"4"), Items({{.price = L"10"}})), -1);
    EXPECT_EQ(error, L"更新收支帐失败 单据ID=[XS2013050001]");
    EXPECT_NE(Joined(TakeLog()).find("更新收支帐失败 单据ID=[XS2013050001]\n"), std::string::npos);
    EXPECT_EQ(Count(L"SaleBillItems"), 1);
    EXPECT_EQ(Stock(L"铅笔"), -1.0);
    EXPECT_EQ(SaleLedgerRows(), 0);
    EXPECT_EQ(Balance(L"王五"), 0.0);

    Exec(L"DROP TRIGGER NoJournal");
    Exec(L"CREATE TRIGGER NoBalance BEFORE UPDATE OF CurAmount ON Companies BEGIN SELECT RAISE(ABORT, 'no'); END");
    EXPECT_EQ(Sale(Bill(L"王五", L"10", L"4"), Items({{.price = L"10"}})), -1);
    EXPECT_EQ(error, L"更新客户应收款失败，单据编号:XS2013050002");
    const std::string log = Joined(TakeLog());
    EXPECT_EQ(log.substr(log.rfind("no\r\n")),
              "no\r\n3:sql= UPDATE Companies SET CurAmount=6.00 WHERE  CompanyID=4\n"
              "更新客户应收款失败，单据编号:XS2013050002\n");
    EXPECT_EQ(SaleLedgerRows(), 1);  // the ledger ran
    EXPECT_EQ(Real(L"SELECT InAmount FROM Account WHERE ProjectType=1"), 4.0);
}

TEST_F(SalePosting, DeletingAMissingBillOrOneWhoseJournalIsLocked) {
    const int id = Sale(Bill(L"王五", L"5", L"3"), Items({{.price = L"5"}}));
    // The reversal runs with nothing to reverse: no amount moves, nothing else is deleted,
    // and the journal is left a day line of 0 without a date.
    EXPECT_EQ(sale.DeleteBillByID(db, 42, error), 1);
    EXPECT_EQ(error, L"");
    EXPECT_EQ(Rows(L"SELECT SaleID FROM SaleBills"), CString(Sql(L"%d", id)));
    EXPECT_EQ(Stock(L"铅笔"), -1.0);
    EXPECT_EQ(Balance(L"王五"), 2.0);
    EXPECT_EQ(AccountBalance(L"现金"), 3.0);
    EXPECT_EQ(Rows(L"SELECT AccountDate, InAmount FROM Account ORDER BY AccountID"), L"2013-05-06|3.0; |0.0");

    // The journal cannot be reversed: the stock is already back, the bill and its money stay.
    Exec(L"CREATE TRIGGER NoJournal BEFORE UPDATE ON Account BEGIN SELECT RAISE(ABORT, 'journal locked'); END");
    EXPECT_EQ(sale.DeleteBillByID(db, id, error), -1);
    EXPECT_EQ(error, L"journal locked");
    EXPECT_EQ(Stock(L"铅笔"), 0.0);
    EXPECT_EQ(Count(L"SaleBills") + Count(L"SaleBillItems"), 2);
    EXPECT_EQ(AccountBalance(L"现金"), 3.0);
}

TEST_F(SalePosting, ChangingABillPostsItAgainUnderANewID) {
    PutCompany(L"王五", 1);
    const int id = Sale(Bill(L"王五", L"10"), Items({{.price = L"2", .count = L"5"}}));
    const CString changed = Sql(L"%d", id + 1);
    EXPECT_EQ(Update(id, L"XS2013050001", L"12", L"2", Items({{.price = L"2", .count = L"6"}})), changed) << error;
    EXPECT_EQ(Rows(L"SELECT SaleID, BillCode, BillDate, OweAmount, UserName FROM SaleBills"),
              changed + L"|XS2013050001|2013-05-07|10.0|李四");
    EXPECT_EQ(Stock(L"铅笔"), -6.0);
    EXPECT_EQ(Balance(L"王五"), 10.0);
    EXPECT_EQ(Rows(L"SELECT AccountDate, InAmount FROM Account WHERE ProjectType=1 ORDER BY AccountDate"),
              L"2013-05-06|0.0; 2013-05-07|2.0");

    // A deletion that fails posts nothing new.
    Exec(L"CREATE TRIGGER NoJournal BEFORE UPDATE ON Account BEGIN SELECT RAISE(ABORT, 'locked'); END");
    EXPECT_EQ(Update(id + 1, L"", L"1", L"1", Items({})), L"-1");
    EXPECT_EQ(Count(L"SaleBills"), 1);
}

TEST_F(SalePosting, BillDataForReopening) {
    const int id = Sale(
        {.billAmount = L"11", .discountAmount = L"10", .discountRate = L"90.9", .getAmount = L"10", .remark = L"整单"},
        Items({{.price = L"3", .count = L"2", .remark = L"甲"}, {.name = L"本子", .unit = L"本", .price = L"5"}}));
    Exec(Sql(L"UPDATE SaleBills SET SaleOrderID=7, SaleOrderCode='DD1' WHERE SaleID=%d", id));
    EXPECT_EQ(Fields(sale.GetBillDataByBillID(db, id),
                     {L"ProductName", L"ItemAmount", L"ItemRemark", L"ShowUnitName", L"SettleAcctName", L"BillCode",
                      L"BillID", L"DiscountRate", L"OweAmount", L"UserName", L"BillRemark", L"SaleOrderCode",
                      L"SaleOrderID", L"OriginalPrice", L"BillType"}),
              L"铅笔|6.0|甲|支|现金|XS2013050001|1|0.909|0.0|张三|整单|DD1|7|3.0|1; "
              L"本子|5.0||本|现金|XS2013050001|1|0.909|0.0|张三|整单|DD1|7|5.0|1");
    EXPECT_TRUE(sale.GetBillDataByBillID(db, 99).eof());
}

}  // namespace
