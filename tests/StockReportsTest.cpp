// Stock queries and profit reports (CStocksBLL) over bills posted through the services and
// costed by the cost calculation; the stock limit warnings (CProductsBLL).
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "support/BillFixture.h"

using shopbiz::Fmt;

namespace {

class StockReports : public BillFixture {
protected:
    // A product with its opening stock at its purchase price, sold at 10.
    void Product(const wchar_t* name, const wchar_t* code, const wchar_t* stock, const wchar_t* inPrice,
                 const wchar_t* type = L"") {
        bool exists = false;
        CProductsBLL().AddProducts(db, name, code, type, L"支", stock, inPrice, L"10", L"8", L"", L"", false, L"",
                                   exists);
    }
    // A bill of one product paid in full: a sale to `customer`, or a purchase from 华联文具.
    void Sell(const wchar_t* date, const wchar_t* customer, const wchar_t* product, double count, double price,
              bool sale = true) {
        const CString n = Fmt(L"%g", count), p = Fmt(L"%g", price), amount = Fmt(L"%g", count * price);
        BillArgs bill = Bill(customer, amount, amount);
        bill.date = date;
        const BillItemRows items = Items({{.name = product, .price = p, .count = n}});
        ASSERT_GT(sale ? Sale(bill, items) : Purchase(bill, items), 0) << error;
    }
    void Buy(const wchar_t* date, const wchar_t* product, double count, double price) {
        Sell(date, L"华联文具", product, count, price, false);
    }
    CStocksBLL stocks;
    long count = -1;
};

// May, the period of most reports.
constexpr const wchar_t *kMay = L"2013-05-01", *kEnd = L"2013-05-31";

// The summary's columns as one text per row.
CString Summary(CppSQLite3Query q) {
    return FieldsOf(q, {L"ProductName", L"PreCount", L"PreAmount", L"InCount", L"InAmount", L"OutCount", L"OutAmount",
                        L"LastCount", L"LastAmount"});
}

TEST_F(StockReports, ASaleOfThreeAtTenCostingSixEarnsFortyPercent) {
    Product(L"铅笔", L"QB", L"10", L"6");
    Sell(L"2013-05-06", L"城东小学", L"铅笔", 3, 10);
    ASSERT_EQ(stocks.CaculateCost(db), 1);
    const std::initializer_list<const wchar_t*> profit = {L"OutCount", L"SaleAmount", L"CostAmount", L"Profit",
                                                          L"ProfitRate"};
    EXPECT_EQ(FieldsOf(stocks.GetProfitSumByCust(db, L"", L"", L"", count), {L"CompanyName"}) + L"|" +
                  FieldsOf(stocks.GetProfitSumByCust(db, L"城东", kMay, kEnd, count), profit),
              L"城东小学|3.0|30.0|18.0|12.0|40.0");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(FieldsOf(stocks.GetProfitSumByProd(db, L"QB", L"", L"", L"", count), {L"ProductCode", L"UnitName"}),
              L"QB|支");
    EXPECT_EQ(FieldsOf(stocks.GetProfitSumByProdOrderByProfit(db, L"铅", L"", L"", count), profit),
              L"3.0|30.0|18.0|12.0|40.0");
    EXPECT_EQ(RowsOf(stocks.GetProfitSumByTotal(db, L"", L"2013-05-06", L"2013-05-06", count)), L"3.0|30.0|18.0|12.0");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(FieldsOf(stocks.GetProfitDetailByCustProd(db, 1, L"城东", L"", L"", L"", count),
                       {L"BillCode", L"OutCount", L"UnitName", L"SalePrice", L"OutPrice", L"CostAmount", L"Profit",
                        L"ProfitRate"}),
              L"XS2013050001|3.0|支|10.0|6.0|18.0|12.0|40.0");
    // Nothing in another period, of another customer or product, or of another type.
    EXPECT_EQ(RowsOf(stocks.GetProfitSumByCust(db, L"", L"2013-05-07", L"", count)), L"");
    EXPECT_EQ(count, 0);
    EXPECT_EQ(RowsOf(stocks.GetProfitSumByProd(db, L"钢笔", L"", L"", L"", count)), L"");
    EXPECT_EQ(RowsOf(stocks.GetProfitDetailByCustProd(db, 2, L"", L"食品", L"", L"", count)), L"");
    EXPECT_EQ(RowsOf(stocks.GetProfitSumByTotal(db, L"李记", L"", L"", count)), L"|||");
    EXPECT_EQ(count, 0);
}

TEST_F(StockReports, CustomersAndProductsAtALossAreLeftOutOfTheRankings) {
    Product(L"铅笔", L"QB", L"20", L"6");
    Product(L"橡皮", L"XP", L"20", L"1");
    Sell(L"2013-05-06", L"城东小学", L"铅笔", 2, 10);  // profit 8
    Sell(L"2013-05-06", L"李记便利店", L"铅笔", 1, 5);  // a loss of 1
    Sell(L"2013-05-07", L"李记便利店", L"橡皮", 10, 2);  // profit 10
    Sell(L"2013-05-07", L"王五", L"铅笔", 1, 4);  // a loss of 2
    ASSERT_EQ(stocks.CaculateCost(db), 1);
    EXPECT_EQ(FieldsOf(stocks.GetProfitSumByCustOrderByProfit(db, L"", L"", L"", count), {L"CompanyName", L"Profit"}),
              L"李记便利店|9.0; 城东小学|8.0");
    EXPECT_EQ(count, 2);
    Sell(L"2013-05-08", L"王五", L"橡皮", 1, 0.5);  // still at a loss
    ASSERT_EQ(stocks.CaculateCost(db), 1);
    EXPECT_EQ(ListOf(stocks.GetProfitSumByCustOrderByProfit(db, L"", L"", L"", count), L"CompanyName"), L"李记便利店,城东小学");
    EXPECT_EQ(FieldsOf(stocks.GetProfitSumByProdOrderByProfit(db, L"", L"2013-05-07", L"", count),
                       {L"ProductName", L"Profit"}),
              L"橡皮|9.5");  // the pencil sold at a loss that day
    EXPECT_EQ(RowsOf(stocks.GetProfitSumByTotal(db, L"", L"", L"", count)), L"15.0|49.5|35.0|14.5");
    EXPECT_EQ(count, 3);
}

// The balance brought forward is that after the last row before the period; the period's
// movements are added up; products without a row before the period are not listed.
TEST_F(StockReports, OpeningBalancesAreBroughtForward) {
    Product(L"铅笔", L"QB", L"10", L"2");
    Product(L"橡皮", L"XP", L"0", L"0");  // only its empty opening row: left out of the list form
    Product(L"钢笔", L"GB", L"4", L"5");  // no movement at all: listed with empty sums
    Buy(L"2013-04-10", L"铅笔", 10, 4);   // 20 at 3.00
    Sell(L"2013-04-20", L"城东小学", L"铅笔", 5, 10);  // 15 at 3.00
    Buy(L"2013-05-02", L"铅笔", 5, 5);    // 20 at 3.50
    Sell(L"2013-05-03", L"城东小学", L"铅笔", 4, 10);  // 16 at 3.50
    Sell(L"2013-06-01", L"城东小学", L"铅笔", 1, 10);  // after the period
    ASSERT_EQ(stocks.CaculateCost(db), 1);

    EXPECT_EQ(Summary(stocks.GetStocks(db, L"", kMay, kEnd, count, L"全部类别", L"")),
              L"铅笔|15.0|45.0|5.0|25.0|4.0|14.0|16.0|56.0; 钢笔|4.0|20.0|||||4.0|20.0");
    EXPECT_EQ(count, 2);
    // The form over every product of the ledger keeps the empty one.
    EXPECT_EQ(ListOf(stocks.GetStocks(db, CppSQLite3Query(), kMay, kEnd), L"ProductName"), L"铅笔,橡皮,钢笔");
    // From the first day on, the opening stock is the balance brought forward.
    EXPECT_EQ(Summary(stocks.GetStocks(db, L"QB", L"1970-01-02", L"2099-12-31", count, L"", L"")),
              L"铅笔|10.0|20.0|15.0|65.0|10.0|32.5|15.0|52.5");
    // A period before the product existed lists nothing.
    EXPECT_EQ(RowsOf(stocks.GetStocks(db, L"", L"1970-01-01", L"2099-12-31", count, L"", L"")), L"");
    EXPECT_EQ(count, 0);
    // A disabled product is left out.
    Exec(L"UPDATE Products SET IsDisable=1 WHERE ProductName='钢笔'");
    EXPECT_EQ(ListOf(stocks.GetStocks(db, L"", kMay, kEnd, count, L"", L""), L"ProductName"), L"铅笔");

    // The ledger card: the balance brought forward (with the position of the row it comes
    // from), then the period's rows in order.
    const int pencil = Int(L"SELECT ProductID FROM Products WHERE ProductName='铅笔'");
    EXPECT_EQ(FieldsOf(stocks.GetStocksByProduct(db, pencil, kMay, kEnd, count),
                       {L"StockID", L"BillType", L"BillDate", L"InCount", L"OutCount", L"OutPrice", L"LastCount",
                        L"LastPrice", L"LastAmount"}),
              L"5|期初结存|||||15.0|3.0|45.0; "
              L"6|进货|2013-05-02|5.0|0.0|3.0|20.0|3.5|70.0; 7|出货|2013-05-03|0.0|4.0|3.5|16.0|3.5|56.0");
    EXPECT_EQ(count, 3);
    // The rows before a date, by product.
    EXPECT_EQ(ListOf(stocks.GetStocksByProduct(db, L"QB", L"铅笔", L"", L"2013-05-01", L""), L"BillType"), L"期初,进货,出货");
    EXPECT_EQ(ListOf(stocks.GetStocksByProduct(db, L"", L"", L"", L"2013-04-15", L""), L"ProductName"), L"铅笔,橡皮,钢笔,铅笔");
}

// Sales into negative stock are costed again once the purchase arrives; the reports that order
// by value or quantity cost the ledger themselves.
TEST_F(StockReports, AProductThatWentNegativeIsReportedAtItsCorrectedCost) {
    Product(L"铅笔", L"QB", L"0", L"0");
    Sell(L"2013-05-01", L"城东小学", L"铅笔", 5, 10);
    Buy(L"2013-05-02", L"铅笔", 10, 4);
    EXPECT_EQ(Summary(stocks.GetStocksOrderByAmount(db, L"", kMay, kEnd, L"")),
              L"铅笔|0.0|0.0|10.0|40.0|5.0|20.0|5.0|20.0");
    EXPECT_EQ(Int(L"SELECT COUNT(*) FROM Stocks WHERE IsCale=0"), 0);
    EXPECT_EQ(FieldsOf(stocks.GetProfitSumByCust(db, L"", L"", L"", count), {L"CostAmount", L"Profit"}), L"20.0|30.0");
    // Sold below zero again: the value turns negative and leaves the value ranking, not the
    // quantity ranking.
    Sell(L"2013-05-03", L"城东小学", L"铅笔", 7, 10);
    EXPECT_EQ(RowsOf(stocks.GetStocksOrderByAmount(db, L"", kMay, kEnd, L"")), L"");
    EXPECT_EQ(FieldsOf(stocks.GetStocksOrderByCount(db, L"", kMay, kEnd), {L"LastCount", L"LastAmount"}), L"-2.0|-8.0");
    // The ledger card costs a changed product first.
    Buy(L"2013-05-04", L"铅笔", 5, 6);  // corrects the last sale to (20 + 30) / (5 + 5) = 5.00
    const int pencil = Int(L"SELECT ProductID FROM Products WHERE ProductName='铅笔'");
    EXPECT_EQ(FieldsOf(stocks.GetStocksByProduct(db, pencil, L"2013-05-03", L"2013-05-31", count),
                       {L"BillType", L"OutAmount", L"LastCount", L"LastAmount"}),
              L"期初结存||5.0|20.0; 出货|35.0|-2.0|-15.0; 进货|0.0|3.0|15.0");
}

TEST_F(StockReports, SummariesOfATypeAndItsSubTypesAndByKey) {
    CBaseBLL base;
    ASSERT_EQ(base.InsertADBaseData(db, L"文具", 1, 1, error), 0);
    ASSERT_EQ(base.InsertADBaseData(db, L"笔", 1, base.GetADBaseDataID(db, L"文具", 1, error), error), 0);
    ASSERT_EQ(base.InsertADBaseData(db, L"食品", 1, 1, error), 0);
    Product(L"铅笔", L"QB", L"1", L"1", L"笔");
    Product(L"作业本", L"ZYB", L"2", L"1", L"文具");
    Product(L"面包", L"MB", L"1", L"1", L"食品");
    EXPECT_EQ(stocks.GetTypeNamelst(db, L"文具"), L"文具','笔");
    EXPECT_EQ(stocks.GetTypeNamelst(db, L"没有的类别"), L"没有的类别");
    struct Case { const wchar_t *key, *type, *listed; } cases[] = {
        {L"", L"文具", L"铅笔,作业本"}, {L"", L"笔", L"铅笔"}, {L"", L"全部类别", L"铅笔,作业本,面包"},
        {L"B", L"", L"铅笔,作业本,面包"},  // codes and search codes
        {L"面", L"文具", L""},           {L"zyb", L"", L"作业本"},  // LIKE ignores the case of Latin letters
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListOf(stocks.GetStocks(db, c.key, L"2013-01-01", L"2013-12-31", count, c.type, L""), L"ProductName"),
                  c.listed)
            << c.key << " " << c.type;
    EXPECT_EQ(ListOf(stocks.GetStocksOrderByAmount(db, L"", L"2013-01-01", L"2013-12-31", L"文具"), L"ProductName"),
              L"作业本,铅笔");
}

TEST_F(StockReports, ExtraConditionsAreCheckedBeforeTheyRun) {
    Product(L"铅笔", L"QB", L"10", L"2");
    Product(L"钢笔", L"GB", L"3", L"5");
    const wchar_t* accepted[][2] = {
        {L"LastCount > 5", L"铅笔"},
        {L"t.LastAmount >= 15 and ProductName like '%笔' ", L"铅笔,钢笔"},
        {L"(InCount IS NULL) AND NOT PreCount BETWEEN 4 AND 20", L"钢笔"},
        {L"ProductName = 'it''s' or ProductCode <> 'GB'", L"铅笔"},
        {L"LastAmount/LastCount=5.0e0", L"钢笔"},
    };
    for (const auto& c : accepted)
        EXPECT_EQ(ListOf(stocks.GetStocks(db, L"", L"2013-01-01", L"2013-12-31", count, L"", c[0]), L"ProductName"),
                  c[1])
            << c[0];
    for (const wchar_t* refused : {L"1=1) union select * from User --", L"LastCount > 0; delete from Stocks",
                                   L"ProductName = 'x", L"Password = ''", L"LastCount > 0 -- x", L"abs(LastCount) > 0",
                                   L"LastCount > 0x10", L"LastCount >< 0"}) {
        try {
            stocks.GetStocks(db, L"", L"2013-01-01", L"2013-12-31", count, L"", refused);
            ADD_FAILURE() << "ran: " << CString(refused);
        } catch (const CppSQLite3Exception& e) {
            EXPECT_TRUE(CString(e.errorMessage()).Find(L"extra condition refused") == 0) << e.errorMessage();
        }
    }
    EXPECT_EQ(Count(L"Stocks"), 2);
}

TEST_F(StockReports, BillLinesOfSalesAndPurchases) {
    Product(L"铅笔", L"QB", L"10", L"2");
    Buy(L"2013-05-01", L"铅笔", 10, 4);
    Sell(L"2013-05-02", L"城东小学", L"铅笔", 3, 10);
    Sell(L"2013-05-02", L"李记便利店", L"铅笔", 1, 9);
    const std::initializer_list<const wchar_t*> columns = {L"BillType", L"BillCode", L"ProductName", L"ItemCount",
                                                           L"ItemAmount", L"CompanyName", L"CurAmount"};
    EXPECT_EQ(FieldsOf(stocks.GetStockList(db, 0, L"", L"铅", L"", L"", count), columns),
              L"销售|XS2013050001|铅笔|3.0|30.0|城东小学|0.0; 销售|XS2013050002|铅笔|1.0|9.0|李记便利店|0.0; "
              L"进货|JH2013050001|铅笔|10.0|40.0|华联文具|0.0");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(ListOf(stocks.GetStockList(db, 1, L"KH", L"", L"2013-05-02", L"2013-05-02", count), L"BillCode"),
              L"XS2013050001,XS2013050002");
    EXPECT_EQ(ListOf(stocks.GetStockList(db, 2, L"", L"QB", L"", L"", count), L"BillCode"), L"JH2013050001");
    EXPECT_EQ(RowsOf(stocks.GetStockList(db, 1, L"", L"钢笔", L"", L"", count)), L"");
    EXPECT_EQ(count, 0);
}

TEST_F(StockReports, BillReportsPerProductAndLineByLine) {
    Product(L"铅笔", L"QB", L"10", L"2");
    Product(L"橡皮", L"XP", L"10", L"1");
    // 90 percent of 30 + 20: 45 due.
    ASSERT_GT(Sale({.date = L"2013-05-02", .company = L"城东小学", .billAmount = L"50", .discountAmount = L"45",
                    .discountRate = L"90", .getAmount = L"45"},
                   Items({{.name = L"铅笔", .price = L"10", .count = L"3"}, {.name = L"橡皮", .price = L"5", .count = L"4"}})),
              0) << error;
    Sell(L"2013-05-03", L"李记便利店", L"铅笔", 1, 10);
    EXPECT_EQ(FieldsOf(stocks.QueryBillRptTotal(db, 1, L"", kMay, kEnd, count),
                       {L"ProductName", L"ItemCount", L"ItemAmount", L"BillAmount", L"DiscountAmount"}),
              L"橡皮|4.0|20.0|55.0|5.0; 铅笔|4.0|40.0|55.0|5.0");
    EXPECT_EQ(count, 2);
    EXPECT_EQ(FieldsOf(stocks.QueryBillRptTotal(db, 1, L"城东", L"", L"", count), {L"ProductName", L"BillAmount"}),
              L"橡皮|45.0; 铅笔|45.0");
    EXPECT_EQ(RowsOf(stocks.QueryBillRptTotal(db, 2, L"", L"", L"", count)), L"");
    EXPECT_EQ(FieldsOf(stocks.QueryBillRptDetail(db, 1, L"城东小学", L"", L"", L"", L"", count),
                       {L"BillCode", L"ProductName", L"ItemCount", L"Price", L"DiscountAmount", L"RealAmount"}),
              L"XS2013050001|橡皮|4.0|5.0|2.0|18.0; XS2013050001|铅笔|3.0|10.0|3.0|27.0");
    EXPECT_EQ(ListOf(stocks.QueryBillRptDetail(db, 1, L"", L"铅笔", L"2013-05-03", L"", L"", count), L"CompanyName"),
              L"李记便利店");
    EXPECT_EQ(count, 1);
}

TEST_F(StockReports, ChartsFillTheirFirstRowsAndCutLongNames) {
    for (int i = 1; i <= 8; ++i) Product(Fmt(L"货品%d", i), Fmt(L"HP%d", i), Fmt(L"%d", 2 * i), L"1");
    Product(L"一二三四五六七八九十", L"LONG", L"100", L"1");
    Sell(L"2013-05-02", L"城东文具批发有限公司", L"一二三四五六七八九十", 1, 50);
    Sell(L"2013-05-02", L"李记", L"货品8", 1, 0.5);  // a loss
    CStocksBLL::ChartSeries series{{L"old", L"old"}};
    EXPECT_EQ(stocks.GetCostChartData(db, 5, kMay, kEnd, L"", series, error, L""), 0);
    EXPECT_EQ(series, (CStocksBLL::ChartSeries{{L"[一二三四五六...]", L"99.00000000"}, {L"[货品8]", L"15.00000000"},
                                               {L"[货品7]", L"14.00000000"}, {L"[货品6]", L"12.00000000"},
                                               {L"[货品5]", L"10.00000000"}}));
    EXPECT_EQ(stocks.GetWareChartData(db, 2, kMay, kEnd, L"", series, error), 0);
    EXPECT_EQ(series, (CStocksBLL::ChartSeries{{L"[一二三四五六七八九十]", L"99.00000000"}, {L"[货品8]", L"15.00000000"}}));
    EXPECT_EQ(stocks.GetCustProfitChartData(db, 5, L"", L"", L"", series, error, L""), 0);
    EXPECT_EQ(series, (CStocksBLL::ChartSeries{{L"[城东文具批发...]", L"49.00000000"}}));
    EXPECT_EQ(stocks.GetProdProfitChartData(db, 5, L"", L"", L"货品", series, error, L""), -1);
    EXPECT_TRUE(series.empty());
    EXPECT_EQ(stocks.GetCostChartData(db, 5, kMay, kEnd, L"没有", series, error, L""), -1);
    EXPECT_EQ(error, L"");
    // A database error goes into the error text and the log.
    TakeLog();
    Exec(L"DROP TABLE Stocks");
    EXPECT_EQ(stocks.GetProdProfitChartData(db, 5, L"", L"", L"", series, error, L""), -1);
    EXPECT_EQ(error, L"no such table: Stocks");
    EXPECT_EQ(TakeLog(), std::vector<CString>{L"no such table: Stocks"});
}

TEST_F(StockReports, WarningsByUpperAndLowerLimitsAndNegativeStock) {
    CProductsBLL products;
    struct Row { const wchar_t *name, *stock, *high, *low; } rows[] = {
        {L"过多", L"12", L"10", L"2"},  {L"正好", L"10", L"10", L"2"}, {L"过少", L"1", L"10", L"2"},
        {L"负数", L"-1", L"5", L"5"},   {L"无限", L"99", L"0", L"0"},  {L"小数", L"10.5", L"10.00000000", L"2"},
    };
    for (const Row& r : rows) {
        Product(r.name, r.name, L"0", L"1");
        ASSERT_TRUE(products.AddStockProducts(db, r.name, L"默认仓库", L"支", L"0", r.stock, r.high, r.low));
    }
    EXPECT_EQ(ListOf(products.GetCustProductForWaring(db, error, 1), L"ProductName"), L"过多,小数");
    EXPECT_EQ(ListOf(products.GetCustProductForWaring(db, error, 2), L"ProductName"), L"过少,负数");
    EXPECT_EQ(ListOf(products.GetCustProductForWaring(db, error, 0), L"ProductName"), L"过多,过少,负数,小数");
    EXPECT_EQ(products.GetCustProductForWaringCount(db), 4);
    Exec(L"DROP TABLE ProductStock");
    EXPECT_TRUE(products.GetCustProductForWaring(db, error, 0).eof());
    EXPECT_EQ(error, L"no such table: ProductStock");
}

// The reports read the ledger through its indexes, not row by row.
TEST_F(StockReports, ReportsUseTheLedgerIndexes) {
    auto plan = [&](const CString& sql) { return RowsOf(db, L"EXPLAIN QUERY PLAN " + sql); };
    // The statements as the library runs them, taken from its own calls, with the values they
    // ran with (the database plans a kept statement again for the values bound to it).
    std::vector<CString> statements;
    sqlite3_trace_v2(
        db.handle(), SQLITE_TRACE_STMT,
        [](unsigned, void* seen, void* statement, void*) {
            char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
            static_cast<std::vector<CString>*>(seen)->push_back(CString::FromUtf8(sql ? sql : ""));
            sqlite3_free(sql);
            return 0;
        },
        &statements);
    stocks.GetStocks(db, L"", kMay, kEnd, count, L"", L"");
    stocks.GetProfitSumByCust(db, L"", kMay, kEnd, count);
    stocks.GetProfitSumByProd(db, L"", L"", kMay, kEnd, count);
    sqlite3_trace_v2(db.handle(), 0, nullptr, nullptr);
    ASSERT_EQ(statements.size(), 6u);
    const CString summary = plan(statements[1]), byCustomer = plan(statements[3]), byProduct = plan(statements[5]);
    EXPECT_NE(summary.Find(L"SEARCH x USING COVERING INDEX IX_Stocks_Product"), -1) << summary;
    // The period's movements come from the index in product order: added up without a sort.
    EXPECT_NE(summary.Find(L"SCAN Stocks USING COVERING INDEX IX_Stocks_Period"), -1) << summary;
    EXPECT_EQ(summary.Find(L"SCAN a"), -1) << summary;
    EXPECT_NE(byCustomer.Find(L"SEARCH T USING COVERING INDEX IX_Stocks_SalesByCustomer (BillType=?)"), -1) << byCustomer;
    EXPECT_NE(byProduct.Find(L"SEARCH T USING COVERING INDEX IX_Stocks_SalesByProduct (BillType=?)"), -1) << byProduct;
    for (const CString& p : {summary, byCustomer, byProduct}) EXPECT_EQ(p.Find(L"TEMP B-TREE FOR GROUP BY"), -1) << p;
}

}  // namespace
