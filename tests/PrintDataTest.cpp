// The print data table: what the bill fillers and CPrintData's fillers write into it, and that
// a new shop's templates cite every field they write.
#include <gtest/gtest.h>

#include <functional>

#include "support/PrintJobFixture.h"

namespace {

using shopbiz::Fmt;

class PrintData : public PrintJobFixture {
protected:
    void SetUp() override {
        BillFixture::SetUp();
        Exec(L"UPDATE SystemInfo SET CompanyName='城东文具店', StoreAddress='解放路1号', Contact='周店长'");
        PutCompany(L"城东小学", 1);
        Exec(L"UPDATE Companies SET Contact='刘老师', Tel='0571-1234', Remark='月结' WHERE CompanyName='城东小学'");
        PutCompany(L"华联批发", 2);
    }


    CPrintData print;
};

// 2 boxes of 12 pens entered at 24 a box, and 5 notebooks at 8 (10 before a 20% line
// discount); 10% off the bill, 50 of 79.2 paid.
TEST_F(PrintData, SaleBillWithASecondUnitAndDiscounts) {
    BillArgs bill = Bill(L"城东小学", L"88", L"50");
    bill.discountAmount = L"79.2";
    bill.discountRate = L"90";
    bill.remark = L"开学用品";
    ASSERT_GT(Sale(bill, Items({{.code = L"P1", .name = L"中性笔", .price = L"2", .count = L"24", .showUnit = L"盒",
                                 .coefficient = L"12", .showCount = L"2", .showPrice = L"24"},
                                {.code = L"N1", .name = L"本子", .unit = L"本", .price = L"8", .count = L"5",
                                 .remark = L"赠品", .originalPrice = L"10", .disRate = L"0.8"}})),
              0)
        << error;
    ASSERT_EQ(sale.InsertPrintData(db, L" XS2013050001 ", 7, rows, error), 0) << error;
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(error, L"");
    ExpectValues({
        {-1, L"StoreName", L"城东文具店|varchar"},
        {-1, L"StoreLink", L"周店长|varchar"},
        {-1, L"CompanyName", L"城东小学|varchar"},
        {-1, L"Contact", L"刘老师|varchar"},
        {-1, L"CustomerRemark", L"月结|varchar"},
        {-1, L"CurAmount", L"29.20000000|varMoneyfloat"},
        {-1, L"BillCode", L"XS2013050001|varchar"},
        {-1, L"BillDate", L"2013-05-06|varchar"},
        {-1, L"Remark", L"开学用品|varchar"},
        {-1, L"SaleOrderCode", L"|varchar"},
        {-1, L"SaleCodeRemark", L"|varchar"},  // no order delivered
        {-1, L"DisCountRate", L"90.00%|varchar"},
        {-1, L"DiscountAmount", L"79.20000000|varMoneyfloat"},
        {-1, L"OweAmount", L"29.20000000|varMoneyfloat"},
        {-1, L"SettleAcct", L"现金|varchar"},
        {-1, L"BillAmount", L"88.00000000|varMoneyfloat"},
        {-1, L"GetAmount", L"50.00000000|varMoneyfloat"},
        {-1, L"BillAmountRMB", L"捌拾捌元整|varchar"},
        {-1, L"Count", L"7.00000000|varCountfloat"},  // in the units entered: 2 boxes and 5 notebooks
        {1, L"UnitName", L"盒|varchar"},
        {1, L"ItemCount", L"2.00000000|varCountfloat"},
        {1, L"Price", L"24.00000000|varPricefloat"},
        {1, L"Amount", L"48.00000000|varMoneyfloat"},
        {1, L"RowNo", L"1|varchar"},
        {2, L"ProductName", L"本子|varchar"},
        {2, L"ProductCode", L"N1|varchar"},
        {2, L"OriginalPrice", L"10.00000000|varPricefloat"},
        {2, L"DIsRate", L"0.80000000|varPricefloat"},
        {2, L"ItemRemark", L"赠品|varchar"},
        {2, L"RowNo", L"2|varchar"},
    });
    EXPECT_EQ(Int(L"SELECT count(*) FROM SysPrintData WHERE BillType<>'销售单'"), 0);
    EXPECT_EQ(Uncited(L"销售单"), L"");
    // A second job is added to the first: the front end clears the table.
    ASSERT_EQ(sale.InsertPrintData(db, L"XS2013050001", 0, rows, error), 0);
    EXPECT_EQ(Value(-1, L"BillCode"), L"XS2013050001|varchar; XS2013050001|varchar");
}

TEST_F(PrintData, SaleThatDeliversAnOrderNamesIt) {
    Order(Bill(L"城东小学", L"10", L"4"), {{.price = L"2", .count = L"5"}});
    const int saleID = Sale(Bill(L"城东小学", L"10", L"6"), Items({{.price = L"2", .count = L"5"}}));
    ASSERT_EQ(orders.UpdateOrderSendCount(db, 1, saleID, 0), 1);
    ASSERT_EQ(sale.InsertPrintData(db, L"XS2013050001", 0, rows, error), 0) << error;
    ExpectValues({{-1, L"SaleOrderCode", L"DD2013050001|varchar"}, {-1, L"SaleCodeRemark", L"订单编号：|varchar"}});
}

TEST_F(PrintData, PurchaseAndOrderBills) {
    ASSERT_GT(Purchase(Bill(L"华联批发", L"15", L"15"), Items({{.price = L"1.5", .count = L"10"}})), 0) << error;
    Exec(L"UPDATE Companies SET Remark='老客户' WHERE CompanyName='华联批发'");
    ASSERT_EQ(pur.InsertPrintData(db, L"JH2013050001", 0, rows, error), 0) << error;
    EXPECT_EQ(rows, 1);
    ExpectValues({{-1, L"ProviderRemark", L"老客户|varchar"}, {-1, L"SaleOrderCode", L""}, {1, L"Amount",
                  L"15.00000000|varMoneyfloat"}});
    EXPECT_EQ(Int(L"SELECT count(*) FROM SysPrintData WHERE BillType='进货单'"),
              Int(L"SELECT count(*) FROM SysPrintData"));
    EXPECT_EQ(Uncited(L"进货单"), L"");

    Exec(L"DELETE FROM SysPrintData");
    ASSERT_GT(Order(Bill(L"城东小学", L"12", L"5"), {{.price = L"4", .count = L"3", .remark = L"加急"}}), 0) << error;
    ASSERT_EQ(orders.InsertPrintData(db, L"DD2013050001", 0, rows, error), 0) << error;
    EXPECT_EQ(rows, 1);
    // On the sale bill's template, without what an order does not keep.
    ExpectValues({{-1, L"GetAmount", L"5.00000000|varMoneyfloat"}, {-1, L"BillAmountRMB", L"壹拾贰元整|varchar"},
                  {1, L"ItemRemark", L"加急|varchar"}, {-1, L"DiscountAmount", L""}, {-1, L"DisCountRate", L""},
                  {1, L"DIsRate", L""}});
    EXPECT_EQ(Uncited(L"销售单"), L"");
}

TEST_F(PrintData, BillWithoutLinesAndUnknownCodes) {
    Exec(L"INSERT INTO SaleBills (BillCode, CompanyName, BillAmount, BillDate) VALUES ('XS0', '城东小学', 0, "
         L"'2013-05-06')");
    ASSERT_EQ(sale.InsertPrintData(db, L"XS0", 0, rows, error), 0) << error;
    EXPECT_EQ(rows, 0);
    EXPECT_EQ(Codes(1), L"");
    EXPECT_EQ(Value(-1, L"Count"), L"0.00000000|varCountfloat");
    TakeLog();

    Exec(L"DELETE FROM SysPrintData");
    struct Case {
        std::function<int()> fill;
        const wchar_t* message;
    } cases[] = {
        {[&] { return sale.InsertPrintData(db, L"XS9", 0, rows, error); }, L"没有编号为 XS9 的销售单"},
        {[&] { return pur.InsertPrintData(db, L"XS0", 0, rows, error); }, L"没有编号为 XS0 的进货单"},
        {[&] { return print.InsertSaleOrderPrintData(db, L"DD9", L"销售订单", 0, rows, error); },
         L"没有编号为 DD9 的销售订单"},
        {[&] { return print.InsertRecAccountBillPrintData(db, rows, L"SK9", L"", L"", L"收款单", error); },
         L"没有编号为 SK9 的收款单"},
    };
    for (const Case& c : cases) {
        rows = 5;
        EXPECT_EQ(c.fill(), -1);
        EXPECT_EQ(error, c.message);
        EXPECT_EQ(rows, 0);
        EXPECT_EQ(TakeLog(), std::vector<CString>{c.message});
    }
    EXPECT_EQ(Count(L"SysPrintData"), 0);
}

TEST_F(PrintData, DatabaseErrorsAreReportedWithTheStatement) {
    Sale(Bill(L"城东小学", L"2"), Items({{}}));
    TakeLog();
    Exec(L"DROP TABLE SysPrintData");
    EXPECT_EQ(sale.InsertPrintData(db, L"XS2013050001", 0, rows, error), -1);
    EXPECT_EQ(error.Find(L"SalePrintErr:no such table: SysPrintData\r\ninsert into SysPrintData"), 0) << error;
    EXPECT_EQ(TakeLog(), std::vector<CString>{error});
    EXPECT_EQ(print.InsertClearanceAccountPrintData(db, rows, L"结算账户", error), -1);
    EXPECT_EQ(error, L"InsertClearanceAccountPrintData Err:no such table: SysPrintData");
    EXPECT_EQ(print.InsertStoreInfo(db, L"销售单"), -1);
}

// Sales on 05-01 (out of the range), 05-06 (王五, by 李娜) and 05-10 (城东小学, 10% off).
TEST_F(PrintData, ListsOverADateRange) {
    PutCompany(L"王五", 1);
    BillArgs early = Bill(L"城东小学", L"5", L"5");
    early.date = L"2013-05-01";
    Sale(early, Items({{}}));
    BillArgs mid = Bill(L"王五", L"20", L"20");
    mid.user = L"李娜";
    Sale(mid, Items({{.count = L"10"}}));
    BillArgs late = Bill(L"城东小学", L"30", L"0");
    late.date = L"2013-05-10";
    late.discountAmount = L"27";
    Sale(late, Items({{.count = L"15"}}));
    TakeLog();
    ASSERT_EQ(sale.InsertSaleListPrintData(db, L"2013-05-02", L"2013-05-31", L"", rows, error), 0) << error;
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(Codes(1), L"BillDate,BillCode,SaleOrderCode,CompanyName,BillAmount,DiscountAmount,GetAmount,Remark,"
                        L"SettleAcct,RowNo,StartDate,EndDate");
    ExpectValues({{1, L"BillCode", L"XS2013050003|varchar"},  // newest first
                  {2, L"CompanyName", L"王五|varchar"},
                  {2, L"StartDate", L"2013-05-02|varchar"},
                  {-1, L"StoreName", L"城东文具店|varchar"},
                  {-1, L"SumInAmount", L"50.00000000|varMoneyfloat"},
                  {-1, L"SumDiscountAmount", L"47.00000000|varMoneyfloat"},
                  {-1, L"SumOutAmount", L"20.00000000|varMoneyfloat"}});
    EXPECT_EQ(Uncited(L"销售单列表"), L"");
    EXPECT_EQ(TakeLog().size(), 1u);  // the sale search logs its statement

    Exec(L"DELETE FROM SysPrintData");
    ASSERT_EQ(print.InsertSellerListPrintData(db, L"2013-05-02", L"", L"", L"销售员业绩", rows, error), 0) << error;
    EXPECT_EQ(rows, 2);
    ExpectValues({{-1, L"CompanyName", L"城东文具店|varchar"}, {-1, L"SumBillAmount", L"50.00000000|varMoneyfloat"},
                  {-1, L"SumDisAmount", L"3.00000000|varMoneyfloat"}});
    EXPECT_EQ(Uncited(L"销售员业绩"), L"");

    Exec(L"DELETE FROM SysPrintData");
    Purchase(Bill(L"华联批发", L"15", L"15"), Items({{.count = L"10"}}));
    ASSERT_EQ(pur.InsertPurListPrintData(db, L"", L"", L"华联", rows, error), 0) << error;
    EXPECT_EQ(rows, 1);
    EXPECT_EQ(Value(-1, L"SumOutAmount"), L"15.00000000|varMoneyfloat");
    EXPECT_EQ(Uncited(L"进货单列表"), L"");
}

TEST_F(PrintData, SaleOrdersWithDeliveries) {
    Order(Bill(L"城东小学", L"10", L"4"), {{.name = L"本子", .price = L"2", .count = L"5"}});
    const int saleID = Sale(Bill(L"城东小学", L"4", L"4"), Items({{.name = L"本子", .price = L"2", .count = L"2"}}));
    ASSERT_EQ(orders.UpdateOrderSendCount(db, 1, saleID, 0), 1);
    Order(Bill(L"城东小学", L"8", L"0"), {{.price = L"2", .count = L"4"}});
    ASSERT_EQ(print.InsertSaleOrderPrintData(db, L"DD2013050001", L"销售订单", 0, rows, error), 0) << error;
    EXPECT_EQ(rows, 1);
    ExpectValues({{1, L"ItemCount", L"5.00000000|varCountfloat"}, {1, L"FnshItemCount", L"2.00000000|varCountfloat"},
                  {-1, L"SumFnshItemCount", L"2.00000000|varCountfloat"}, {-1, L"GetAmount", L"4.00000000|varMoneyfloat"}});
    EXPECT_EQ(Uncited(L"销售订单"), L"");

    Exec(L"DELETE FROM SysPrintData");
    ASSERT_EQ(print.InsertSaleOrderListPrintData(db, L"销售订单列表", 3, L"", L"", L"", rows, error), 0) << error;
    EXPECT_EQ(rows, 2);
    ExpectValues({{1, L"BillStatus", L"未完成|varchar"}, {-1, L"SumInAmount", L"18.00000000|varMoneyfloat"},
                  {-1, L"SumGetAmount", L"4.00000000|varMoneyfloat"}});
    EXPECT_EQ(Uncited(L"销售订单列表"), L"");
}

// Owed 30 from before May; in May a deposit of 4, a sale of 20 with 5 paid, a receipt of 10.
TEST_F(PrintData, CustomerStatementRunsTheBalance) {
    BillArgs before = Bill(L"城东小学", L"30");
    before.date = L"2013-04-20";
    Sale(before, Items({{.count = L"15"}}));
    Order(Bill(L"城东小学", L"8", L"4"), {{.count = L"4"}});
    Sale(Bill(L"城东小学", L"20", L"5"), Items({{.name = L"本子", .unit = L"本", .price = L"4", .count = L"5"}}));
    CAccountBLL().InsertAccountByRec(db, L"现金", 1, L"城东小学", L"2013-05-07", L"SK1", L"收回欠款", 10, error);
    ASSERT_EQ(print.InsertStatementAccountByCust(db, L"城东小学", L"2013-05-01", L"2013-05-31", L"客户对账单", rows,
                                                 error),
              0)
        << error;
    EXPECT_EQ(rows, 5);  // opening, deposit, sale and its line, receipt
    ExpectValues({{1, L"ProductName", L"期初|varchar"},
                  {1, L"EndAmount", L"30.00000000|varMoneyfloat"},
                  {2, L"GetAmount", L"4.00000000|varMoneyfloat"},
                  {2, L"EndAmount", L"26.00000000|varMoneyfloat"},
                  {3, L"ProductName", L"销售出货|varchar"},
                  {3, L"AddAmount", L"20.00000000|varMoneyfloat"},
                  {3, L"EndAmount", L"41.00000000|varMoneyfloat"},
                  {4, L"ProductName", L"本子|varchar"},
                  {4, L"OutCount", L"5.00000000|varCountfloat"},
                  {5, L"ProductName", L"收款|varchar"},
                  {5, L"RowNo", L"3|varchar"},
                  {5, L"EndAmount", L"31.00000000|varMoneyfloat"},
                  {-1, L"SumAddAmount", L"20.00000000|varMoneyfloat"},
                  {-1, L"SumGetAmount", L"19.00000000|varMoneyfloat"}});
    // It ends where the customer's balance stands.
    EXPECT_DOUBLE_EQ(Balance(L"城东小学"), 31);
    EXPECT_EQ(Uncited(L"客户对账单"), L"");

    Exec(L"DELETE FROM SysPrintData");
    Purchase(Bill(L"华联批发", L"15", L"5"), Items({{.count = L"10"}}));
    ASSERT_EQ(print.InsertStatementAccountBySupply(db, L"华联批发", L"", L"", L"供应商对账单", rows, error), 0);
    EXPECT_EQ(Value(2, L"EndAmount"), L"10.00000000|varMoneyfloat");  // after the opening 0: the bill
    EXPECT_EQ(Uncited(L"供应商对账单"), L"");
}

TEST_F(PrintData, AccountsReceiptsAndStockWarnings) {
    Exec(L"UPDATE SettleAcct SET CurAmount=120 WHERE SettleAcctName='现金'");
    Exec(L"INSERT INTO SettleAcct (SettleAcctName, BankName, BankNo) VALUES ('工商银行', '城东支行', '6222')");
    ASSERT_EQ(print.InsertClearanceAccountPrintData(db, rows, L"结算账户", error), 0) << error;
    EXPECT_EQ(rows, 2);
    ExpectValues({{1, L"CurAmount", L"120.00000000|varMoneyfloat"}, {2, L"BankNo", L"6222|varchar"}});
    EXPECT_EQ(Uncited(L"结算账户"), L"");

    Exec(L"DELETE FROM SysPrintData");
    CAccountBLL accounts;
    accounts.InsertAccountByRec(db, L"现金", 1, L"城东小学", L"2013-05-07", L"SK1", L"收回欠款", 10, error);
    accounts.InsertAccountByRec(db, L"工商银行", 2, L"城东小学", L"2013-05-08", L"SK2", L"转账", 25.5, error);
    ASSERT_EQ(print.InsertRecAccountBillPrintData(db, rows, L"SK2", L"2013-05-08", L"城东小学", L"收款单", error), 0)
        << error;
    EXPECT_EQ(rows, 1);
    ExpectValues({{-1, L"AccountDesp", L"转账|varchar"}, {-1, L"AccountDate", L"2013-05-08|varchar"},
                  {1, L"SettleAcctName", L"工商银行|varchar"}, {1, L"BankName", L"城东支行|varchar"},
                  {1, L"InAmount", L"25.50000000|varMoneyfloat"}, {-1, L"SumAmount", L"25.50000000|varMoneyfloat"},
                  {-1, L"BillAmountRMB", L"贰拾伍元伍角|varchar"}});
    EXPECT_EQ(Uncited(L"收款单"), L"");
    // A receipt is no payment.
    EXPECT_EQ(print.InsertPayAccountBillPrintData(db, rows, L"SK1", L"", L"", L"付款单", error), -1);

    Exec(L"DELETE FROM SysPrintData");
    Exec(L"INSERT INTO ProductStock (ProductName, ProductCode, UnitName, CurStock, HighLimit, LowLimit) VALUES "
         L"('铅笔', 'P1', '支', 120, '100', '10'), ('本子', 'N1', '本', 4, '100', '10'), ('胶水', 'G1', '瓶', -2, "
         L"'0', '0'), ('尺子', 'R1', '把', 50, '100', '10')");
    const std::pair<int, const wchar_t*> kinds[] = {{1, L"铅笔"}, {2, L"本子,胶水"}, {0, L"铅笔,本子,胶水"}};
    for (const auto& [kind, names] : kinds)
        EXPECT_EQ(ListOf(CProductsBLL().GetCustProductForWaring(db, error, kind), L"ProductName"), names) << kind;
    ASSERT_EQ(print.InsertStockWarningPrintData(db, rows, L"库存预警", error, 0), 0) << error;
    EXPECT_EQ(rows, 3);
    ExpectValues({{1, L"Status", L"超出上限|varchar"}, {1, L"WarningCount", L"20.00000000|varCountfloat"},
                  {2, L"Status", L"低于下限|varchar"}, {2, L"WarningCount", L"6.00000000|varCountfloat"},
                  {3, L"Status", L"负库存|varchar"}, {3, L"WarningCount", L"2.00000000|varCountfloat"}});
    EXPECT_EQ(Uncited(L"库存预警"), L"");
}

TEST_F(PrintData, StoreAndCompanyFieldsAndTheTemplatesReadThemBack) {
    ASSERT_EQ(print.InsertStoreInfo(db, L"销售单"), 0);
    ASSERT_EQ(print.InsertCompanyInfo(db, 1, L"城东小学", L"销售单"), 0);
    ASSERT_EQ(print.InsertCompanyInfo(db, 2, L"城东小学", L"销售单"), 0);  // no supplier of that name
    EXPECT_EQ(Codes(-1), L"StoreName,StoreAddr,StoreLink,Contact,Tel,Fax,ProviderRemark,Email,QQ,Address,PostCode,"
                         L"InitAmount,CurAmount");
    // The print engine reads a field back by its citation's name.
    CSysBLL sys;
    EXPECT_EQ(ListOf(sys.GetQueryData(db, L"销售单", L"店铺名称", 0, -1, 0, error), L"KeyWordValue"), L"城东文具店");
    EXPECT_EQ(ListOf(sys.GetQueryData(db, L"进货单", L"店铺名称", 0, -1, 0, error), L"KeyWordValue"), L"");
    int citations = 0;
    sys.AddKeyWords(db, L"销售单", citations, error);
    EXPECT_EQ(citations, Int(L"SELECT count(*) FROM NoteCitation WHERE FNoteType='01'"));
}

}  // namespace
