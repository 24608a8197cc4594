// The whole road of bills: postings and every table they touch, what deletions and changes give back.
#include <gtest/gtest.h>

#include "support/BillFixture.h"

namespace {

class BillRoad : public BillFixture {
protected:
    void SetUp() override {
        BillFixture::SetUp();
        Setting(L"IsUseDataSync", L"1");
        PutCompany(L"李四", 1);
        PutMember(L"李四");
        Exec(L"DELETE FROM OperateData");
    }
    // Products: stock, warehouse stock and the learned prices.
    CString ProductRows() {
        return Rows(L"SELECT P.ProductName, P.CurStock, S.CurStock, InPrice, Price, WholesalePrice FROM Products P "
                    L"LEFT JOIN ProductStock S ON S.ProductID=P.ProductID ORDER BY P.ProductID");
    }
    CString Money() {
        return Rows(L"SELECT A.SettleAcctName, A.CurAmount, M.InAmount, M.OutAmount, M.Balance FROM SettleAcct A "
                    L"JOIN AccountMonth M ON M.SettleAcctID=A.SettleAcctID ORDER BY A.SettleAcctID");
    }
    CString Ledger() {
        return Rows(L"SELECT BillCode, ProductName, InCount, InPrice, OutCount, SalePrice, SaleAmount FROM Stocks "
                    L"WHERE IsSystem=0 ORDER BY StockID");
    }
};

TEST_F(BillRoad, AMonthOfTradingAndItsReversal) {
    // A supplier made on the fly, part paid in cash; a retail sale; a new customer paying part
    // into a new bank account after a 10% discount; that customer's return; a member paying in full.
    const auto notebooks = [](const wchar_t* price, const wchar_t* count) {
        return ItemRow{.name = L"本子", .unit = L"本", .price = price, .count = count};
    };
    ASSERT_EQ(Purchase(Bill(L"华联批发", L"350", L"300"),
                       Items({{.price = L"1.5", .count = L"100"}, notebooks(L"4", L"50")})),
              1) << error;
    ASSERT_EQ(Sale(Bill(L"", L"30", L"30"), Items({{.price = L"3", .count = L"10"}})), 1) << error;
    ASSERT_EQ(Sale({.settleAcct = L"工商银行", .company = L"王五", .billAmount = L"90", .discountAmount = L"81",
                    .discountRate = L"90", .getAmount = L"50"},
                   Items({notebooks(L"8", L"5"), {.price = L"2.5", .count = L"20"}})),
              2) << error;
    BillArgs giveBack = Bill(L"王五", L"-8", L"-8");
    giveBack.type = L"2";
    ASSERT_EQ(Sale(giveBack, Items({notebooks(L"8", L"-1")})), 3) << error;
    ASSERT_EQ(Sale(Bill(L"李四", L"128.5", L"128.5"), Items({{.price = L"3.2125", .count = L"40"}})), 4) << error;
    EXPECT_EQ(ProductRows(), L"铅笔|30.0|30.0|1.5|3.0|2.5; 本子|46.0|46.0|4.0|0.0|8.0");
    EXPECT_EQ(Ledger(),
              L"JH2013050001|铅笔|100.0|1.5|0.0|0.0|0.0; JH2013050001|本子|50.0|4.0|0.0|0.0|0.0; "
              L"XS2013050001|铅笔|0.0|0.0|10.0|3.0|30.0; XS2013050002|本子|0.0|0.0|5.0|7.2|36.0; "
              L"XS2013050002|铅笔|0.0|0.0|20.0|2.25|45.0; XS2013050003|本子|0.0|0.0|-1.0|8.0|-8.0; "
              L"XS2013050004|铅笔|0.0|0.0|40.0|3.2125|128.5");
    EXPECT_EQ(Money(), L"现金|-149.5|150.5|300.0|-149.5; 工商银行|50.0|50.0|0.0|50.0");
    EXPECT_EQ(Rows(L"SELECT CompanyName, CompanyType, CurAmount FROM Companies WHERE CompanyID>3 ORDER BY CompanyID"),
              L"李四|1|0.0; 华联批发|2|50.0; 王五|1|31.0");
    EXPECT_EQ(Rows(L"SELECT MemberName, ScoreDocument, Scores FROM VipScores"), L"李四|XS2013050004|12");

    // The discounted sale goes: stock, bank, customer and ledger are given back.
    ASSERT_EQ(sale.DeleteBillByID(db, 2, error), 1) << error;
    EXPECT_EQ(ProductRows(), L"铅笔|50.0|50.0|1.5|3.0|2.5; 本子|51.0|51.0|4.0|0.0|8.0");
    EXPECT_EQ(Balance(L"王五"), 0.0);

    // The member's bill is changed: posted again under its code, its points replaced.
    ASSERT_EQ(sale.UpdateBillByID(db, 4, L"XS2013050004", L"1", L"现金", L"2013-05-06", L"李四", L"96.375", L"96.375",
                                  L"100", L"96.375", L"", Items({{.price = L"3.2125", .count = L"30"}}), 1, L"",
                                  L"张三", error),
              5) << error;
    EXPECT_EQ(Rows(L"SELECT ScoreDocument, Scores FROM VipScores"), L"XS2013050004|9");

    // The purchase goes too: what is left is the retail sale, the return and the changed bill.
    ASSERT_EQ(pur.DeleteBillByID(db, 1, error), 1) << error;
    EXPECT_EQ(ProductRows(), L"铅笔|-40.0|-40.0|1.5|3.0|2.5; 本子|1.0|1.0|4.0|0.0|8.0");
    EXPECT_EQ(Ledger(),
              L"XS2013050001|铅笔|0.0|0.0|10.0|3.0|30.0; XS2013050003|本子|0.0|0.0|-1.0|8.0|-8.0; "
              L"XS2013050004|铅笔|0.0|0.0|30.0|3.2125|96.375");
    EXPECT_EQ(Rows(L"SELECT AccountType, InAmount, OutAmount FROM Account WHERE ProjectType=1 ORDER BY AccountType"),
              L"支出|0.0|0.0; 收入|118.375|0.0");
    EXPECT_EQ(Money(), L"现金|118.375|118.375|0.0|118.375; 工商银行|0.0|0.0|0.0|0.0");
    EXPECT_EQ(Real(L"SELECT SUM(ABS(CurAmount)) FROM Companies"), 0.0);
    // The change journal: added, deleted, and the changed bill deleted and added again.
    EXPECT_EQ(Rows(L"SELECT TName, CValue, OType FROM OperateData WHERE TName LIKE '%Bills' ORDER BY ID"),
              L"PurBills|JH2013050001|D; SaleBills|XS2013050001|A; SaleBills|XS2013050002|D; "
              L"SaleBills|XS2013050003|A; SaleBills|XS2013050004|D; SaleBills|XS2013050004|A");
    EXPECT_EQ(Rows(L"SELECT BillType, LastNO FROM BillCode WHERE YearMonth='201305' ORDER BY BillType"),
              L"JHD|1; XSD|4");
}

TEST_F(BillRoad, SalesDeliverSaleOrders) {
    Exec(L"INSERT INTO SaleOrderBills(SaleOrderID, BillCode, CompanyName) VALUES(7, 'DD2013050001', '王五')");
    Exec(L"INSERT INTO SaleOrderBillItems(SaleOrderID, ProductID, ShowUnitName, Coefficient, ShowItemCount) "
         L"VALUES(7, 1, '盒', '12', 1), (7, 2, '本', '1', 5)");
    const BillArgs bill{.company = L"王五"};
    ASSERT_EQ(Sale(bill, Items({{.name = L"铅笔", .count = L"6"}})), 1);
    ASSERT_EQ(Sale(bill, Items({{.name = L"本子", .unit = L"本", .count = L"5"}, {.name = L"铅笔", .count = L"6"}})),
              2);
    COrderSaleBLL orders;
    auto state = [&] {
        return Rows(L"SELECT (SELECT BillState FROM SaleOrderBills), GROUP_CONCAT(FnshItemCount, '/') FROM "
                    L"(SELECT * FROM SaleOrderBillItems ORDER BY SaleOrderItemID)");
    };
    // Six pencils are half a box of twelve.
    EXPECT_EQ(orders.UpdateOrderSendCount(db, 7, 1, 0), 1);
    EXPECT_EQ(Rows(L"SELECT SaleOrderCode FROM SaleBills WHERE SaleID=1"), L"DD2013050001");
    EXPECT_EQ(state(), L"0|0.5/0.0");
    EXPECT_EQ(orders.UpdateOrderSendCount(db, 7, 2, 0), 1);
    EXPECT_EQ(state(), L"1|1.0/5.0");
    // Deleting a delivering sale takes its quantities back; the order is open again.
    ASSERT_EQ(sale.DeleteBillByID(db, 2, error), 1) << error;
    EXPECT_EQ(state(), L"0|0.5/0.0");
}

}  // namespace
