// The print data of the stock and profit reports and of the product list: the fields each
// filler writes, the rights that hide costs, the transaction, and that a new shop's templates
// cite every field written.
#include <gtest/gtest.h>

#include <functional>

#include "support/PrintJobFixture.h"

using shopbiz::Fmt;

namespace {

class StockPrintData : public PrintJobFixture {
protected:
    void SetUp() override {
        BillFixture::SetUp();
        withRecord = true;
        Exec(L"UPDATE SystemInfo SET CompanyName='城东文具店', StoreAddress='解放路1号', Contact='周店长'");
        bool exists = false;
        CProductsBLL().AddProducts(db, L"铅笔", L"QB", L"", L"支", L"10", L"6", L"10", L"8", L"", L"", false, L"", exists);
        CProductsBLL().AddProducts(db, L"橡皮", L"XP", L"", L"块", L"5", L"1", L"2", L"1.5", L"", L"", false, L"", exists);
        BillArgs purchase = Bill(L"华联文具", L"40", L"40");
        purchase.date = L"2013-05-05";  // the day before the sales
        ASSERT_GT(Purchase(purchase, Items({{.name = L"铅笔", .price = L"4", .count = L"10"}})), 0);
        ASSERT_GT(Sale(Bill(L"城东小学", L"30", L"30"), Items({{.name = L"铅笔", .price = L"10", .count = L"3"}})), 0);
        ASSERT_GT(Sale(Bill(L"李记便利店", L"4", L"4"), Items({{.name = L"橡皮", .price = L"2", .count = L"2"}})), 0);
        ASSERT_EQ(stocks.CaculateCost(db), 1);
        TakeLog();  // what the postings logged
    }


    CStocksBLL stocks;
    // Operator 1 is the administrator; operator 2 may not see purchase prices and costs.
};

TEST_F(StockPrintData, StockSummaryWithItsSumsAndTheCostsHiddenWithoutTheRight) {
    ASSERT_EQ(stocks.InsertPrintDataByInfo(db, L"库存汇总", 100, L"", L"2013-05-01", L"2013-05-31", L"", 1, rows, error),
              0)
        << error;
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(Codes(-1), L"BillSdt,BillEdt,StoreName,StoreAddr,StoreLink,SumPreCount,SumPreAmount,SumInCount,"
                         L"SumInAmount,SumOutCount,SumOutAmount,SumLastCount,SumLastAmount");
    ExpectValues({{-1, L"BillSdt", L"2013-05-01|varchar|100"},
                  {-1, L"StoreName", L"城东文具店|varchar|100"},
                  {1, L"RowNo", L"1|varchar|101"},
                  {1, L"ProductName", L"铅笔|varchar|101"},
                  {1, L"PreAmount", L"60.00000000|varMoneyfloat|101"},
                  {1, L"InCount", L"10.00000000|varCountfloat|101"},
                  {1, L"OutAmount", L"15.00000000|varMoneyfloat|101"},  // 3 at (60 + 40) / 20
                  {1, L"LastAmount", L"85.00000000|varMoneyfloat|101"},
                  {2, L"InCount", L"0.00000000|varCountfloat|102"},  // no purchase of it
                  {2, L"LastCount", L"3.00000000|varCountfloat|102"},
                  {-1, L"SumPreCount", L"15.00000000|varCountfloat|100"},
                  {-1, L"SumLastAmount", L"88.00000000|varMoneyfloat|100"}});
    EXPECT_EQ(Uncited(L"库存汇总"), L"");
    Exec(L"DELETE FROM SysPrintData");
    ASSERT_EQ(stocks.InsertPrintDataByInfo(db, L"库存汇总", 0, L"QB", L"2013-05-01", L"2013-05-31", L"", 2, rows, error),
              0);
    EXPECT_EQ(rows, 1);
    ExpectValues({{1, L"LastCount", L"17.00000000|varCountfloat|1"},
                  {1, L"LastAmount", L"0.00000000|varMoneyfloat|1"},
                  {-1, L"SumPreAmount", L"0.00000000|varMoneyfloat|0"}});
}

TEST_F(StockPrintData, LedgerCardWithTheShopsDecimals) {
    Setting(L"CountDecimalDot", L"0");
    Setting(L"PriceDecimalDot", L"3");
    const int pencil = Int(L"SELECT ProductID FROM Products WHERE ProductName='铅笔'");
    ASSERT_EQ(stocks.InsertPrintDataByID(db, L"库存明细账", 0, pencil, L"2013-05-01", L"2013-05-31", 2, rows, error), 0);
    EXPECT_EQ(rows, 3);
    ExpectValues({{-1, L"ProductName", L"铅笔|varchar|0"},
                  {1, L"BillType", L"期初结存|varchar|1"},
                  {1, L"LastCount", L"10|varCountfloat|1"},
                  {1, L"LastPrice", L"6.000|varPricefloat|1"},
                  {2, L"BillCode", L"JH2013050001|varchar|2"},
                  {2, L"InPrice", L"0.0|varPricefloat|2"},  // purchase prices hidden
                  {2, L"InAmount", L"40.00|varMoneyfloat|2"},
                  {3, L"OutPrice", L"5.000|varPricefloat|3"},
                  {3, L"OutAmount", L"15.00|varMoneyfloat|3"},
                  {-1, L"SumInCount", L"10|varCountfloat|0"},
                  {-1, L"SumOutAmount", L"15.00|varMoneyfloat|0"},
                  {-1, L"SumLastCount", L"47|varCountfloat|0"}});  // 10 + 20 + 17
    EXPECT_EQ(Value(-1, L"SumInPrice"), L"");
    EXPECT_EQ(Uncited(L"库存明细账"), L"");
    Exec(L"DELETE FROM SysPrintData");
    ASSERT_EQ(stocks.InsertPrintDataByID(db, L"库存明细账", 0, pencil, L"2013-05-01", L"2013-05-31", 1, rows, error), 0);
    EXPECT_EQ(Value(2, L"InPrice"), L"4.000|varPricefloat|2");
}

TEST_F(StockPrintData, ProfitReportsEmptyTheTableAndAddUp) {
    Exec(L"INSERT INTO SysPrintData(KeyWordName) VALUES('earlier job')");
    ASSERT_EQ(stocks.InsertCustProfitPrintData(db, L"客户利润", 0, L"", L"", L"", rows, error), 0) << error;
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(Count(L"SysPrintData WHERE KeyWordName='earlier job'"), 0);
    ExpectValues({{1, L"CompanyName", L"城东小学|varchar|1"},
                  {1, L"Profit", L"15.00000000|varMoneyfloat|1"},
                  {1, L"ProfitRate", L"50.00%|varchar|1"},
                  {2, L"CompanyName", L"李记便利店|varchar|2"},
                  {-1, L"SumSaleAmount", L"34.00000000|varMoneyfloat|0"},
                  {-1, L"SumCostAmount", L"17.00000000|varMoneyfloat|0"},
                  {-1, L"SumProfit", L"17.00000000|varMoneyfloat|0"}});
    EXPECT_EQ(Uncited(L"客户利润"), L"");

    ASSERT_EQ(stocks.InsertProdProfitPrintData(db, L"货品利润", 0, L"", L"", L"", L"", rows, error), 0);
    EXPECT_EQ(Count(L"SysPrintData WHERE BillType='客户利润'"), 0);
    ExpectValues({{1, L"ProductName", L"橡皮|varchar|1"},
                  {1, L"OutCount", L"2.00000000|varCountfloat|1"},
                  {-1, L"SumProdCount", L"5.00000000|varCountfloat|0"}});
    EXPECT_EQ(Uncited(L"货品利润"), L"");

    ASSERT_EQ(stocks.InsertItemProfitPrintData(db, L"销售利润明细", 0, 1, L"城东", L"", L"", L"", rows, error), 0);
    EXPECT_EQ(rows, 1);
    ExpectValues({{1, L"BillDate", L"2013-05-06|varchar|1"},
                  {1, L"SalePrice", L"10.00000000|varPricefloat|1"},
                  {1, L"CostAmount", L"15.00000000|varMoneyfloat|1"},
                  {-1, L"SumProdCount", L"3.00000000|varCountfloat|0"}});
    EXPECT_EQ(Uncited(L"销售利润明细"), L"");
}

TEST_F(StockPrintData, StockFlowBillReportsAndProductList) {
    ASSERT_EQ(stocks.InsertStockFlowPrintData(db, L"出入库流水", 0, 0, L"", L"铅笔", L"", L"", rows, error), 0);
    EXPECT_EQ(rows, 2);
    ExpectValues({{1, L"BillType", L"销售|varchar|1"},
                  {1, L"OutCount", L"3.00000000|varCountfloat|1"},
                  {1, L"ItemCount", L"3.00000000|varCountfloat|1"},
                  {1, L"ItemCompanyName", L"城东小学|varchar|1"},
                  {2, L"BillType", L"进货|varchar|2"},
                  {-1, L"SumAmount", L"70.00000000|varMoneyfloat|0"}});
    EXPECT_EQ(Uncited(L"出入库流水"), L"");

    ASSERT_EQ(stocks.InsertPrintBillRptTotal(db, L"销售统计报告", 0, 1, L"", L"", L"", rows, error), 0);
    EXPECT_EQ(Count(L"SysPrintData WHERE BillType='出入库流水'"), 0);
    EXPECT_EQ(rows, 2);
    ExpectValues({{-1, L"ReportTitle", L"销售统计报告|varchar|0"},
                  {-1, L"BillAmount", L"34.00000000|varMoneyfloat|0"},
                  {2, L"ProdName", L"铅笔|varchar|2"},
                  {-1, L"TotalCount", L"5.00000000|varCountfloat|0"},
                  {-1, L"TotalRalAmount", L"34.00000000|varMoneyfloat|0"}});
    EXPECT_EQ(Uncited(L"销售统计报告"), L"");
    ASSERT_EQ(stocks.InsertPrintBillRptDetail(db, L"销售统计报告明细", 0, 1, L"城东小学", L"", L"", L"", rows, error), 0);
    ExpectValues({{1, L"CompanyName1", L"城东小学|varchar|1"}, {1, L"RealAmount", L"30.00000000|varMoneyfloat|1"}});
    EXPECT_EQ(Uncited(L"销售统计报告明细"), L"");

    Exec(L"DELETE FROM SysPrintData");
    ASSERT_EQ(CProductsBLL().InsertPrintProdData(db, L"货品列表", 0, L"全部类别", L"", false, 2, rows, error), 0);
    EXPECT_EQ(rows, 2);
    ExpectValues({{1, L"ProdName", L"铅笔|varchar|1"},
                  {1, L"ProdStock", L"17.00000000|varCountfloat|1"},
                  {1, L"ProdInprice", L"0.0|varPricefloat|1"},
                  {1, L"ProdOutPrice", L"10.00000000|varPricefloat|1"},
                  {2, L"ProdWholePrice", L"1.50000000|varPricefloat|2"}});
    EXPECT_EQ(Uncited(L"货品列表"), L"");
}

// A failing filler leaves the table as before its transaction; the bill reports empty it first.
TEST_F(StockPrintData, AFailedFillerLeavesNothingOfItsJob) {
    Exec(L"INSERT INTO SysPrintData(KeyWordName) VALUES('earlier job')");
    Exec(L"CREATE TRIGGER refuse BEFORE INSERT ON SysPrintData WHEN new.KeyWordName LIKE 'Sum%' OR "
         L"new.KeyWordName = 'TotalCount' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    struct Case {
        const char* filler;
        std::function<int()> fill;
        const wchar_t* logged;
        int left;
    } cases[] = {
        {"summary",
         [&] { return stocks.InsertPrintDataByInfo(db, L"库存汇总", 0, L"", L"2013-05-01", L"", L"", 1, rows, error); },
         L"refused", 1},
        {"customer profit", [&] { return stocks.InsertCustProfitPrintData(db, L"客户利润", 0, L"", L"", L"", rows, error); },
         L"打印19 ,执行SQL时出错,sql:", 1},
        {"product profit",
         [&] { return stocks.InsertProdProfitPrintData(db, L"货品利润", 0, L"", L"", L"", L"", rows, error); },
         L"打印19 执行SQL时出错,sql:", 1},
        {"bill report", [&] { return stocks.InsertPrintBillRptTotal(db, L"销售统计报告", 0, 1, L"", L"", L"", rows, error); },
         L"打印 19,refused", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.fill(), -1) << c.filler;
        EXPECT_EQ(Count(L"SysPrintData"), c.left) << c.filler;
        EXPECT_EQ(error.Find(c.logged), 0) << c.filler << ": " << error;
        const std::vector<CString> log = TakeLog();
        EXPECT_EQ(log, std::vector<CString>{error}) << c.filler;
    }
    EXPECT_FALSE(db.inTransaction());
}

}  // namespace
