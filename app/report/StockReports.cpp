// The stock and profit reports of `shopbiz report`: the stock summary of a period, profit by
// customer and by product, and the products out of their stock limits. The first two bring
// the stock costs up to date first and can draw their chart series (the top ten) as SVG.
#include <iostream>

#include "Command.h"
#include "ShopFiles.h"
#include "TextTable.h"
#include "common/AmountText.h"
#include "report/BarChart.h"
#include "report/Reports.h"

namespace shopbiz::app::report {

namespace {

constexpr int kChartBars = 10;

// "YYYY-MM-DD" of a real day.
bool IsDay(const CString& text) {
    if (text.GetLength() != 10 || text[4] != L'-' || text[7] != L'-') return false;
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < L'0' || text[i] > L'9') return false;
    const int year = (text[0] - L'0') * 1000 + (text[1] - L'0') * 100 + (text[2] - L'0') * 10 + (text[3] - L'0');
    const int month = (text[5] - L'0') * 10 + (text[6] - L'0'), day = (text[8] - L'0') * 10 + (text[9] - L'0');
    static const int days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1 || day > days[month - 1]) return false;
    return month != 2 || day < 29 || (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0));
}

// The period asked for; false (after saying why) when it is no period.
bool CheckPeriod(const ReportRequest& request) {
    for (const CString* day : {&request.from, &request.to})
        if (!day->IsEmpty() && !IsDay(*day)) {
            PrintError("report: " + day->ToUtf8() + " is no day (a day reads YYYY-MM-DD)");
            return false;
        }
    if (!request.from.IsEmpty() && !request.to.IsEmpty() && request.to.Compare(request.from) < 0) {
        PrintError("report: the period ends (" + request.to.ToUtf8() + ") before it begins (" +
                   request.from.ToUtf8() + ")");
        return false;
    }
    return true;
}

CString PeriodText(const ReportRequest& request) {
    if (request.from.IsEmpty() && request.to.IsEmpty()) return L"全部日期";
    return (request.from.IsEmpty() ? CString(L"开始") : request.from) + L" 至 " +
           (request.to.IsEmpty() ? CString(L"今") : request.to);
}

// A number cell: cents, "" for a NULL field.
CString Cents(const CppSQLite3Query& q, const wchar_t* column) {
    return q.fieldIsNull(column) ? CString() : CentsText(q.getFloatField(column));
}

// The reports that read costs bring them up to date first.
bool CostsUpToDate(CppSQLite3DB& db) {
    if (CStocksBLL().CaculateCost(db) == 1) return true;
    PrintError("report: the cost calculation failed and was undone; the reason is in the shop's log");
    return false;
}

bool DrawChart(const ReportRequest& request, const CString& title, const std::vector<ChartPanel>& panels,
               std::ostream& out) {
    const std::string problem = WriteBarChart(request.chart, title, panels);
    if (!problem.empty()) {
        PrintError("report: " + problem);
        return false;
    }
    size_t bars = 0;
    for (const ChartPanel& panel : panels) bars += panel.series.size();
    out << "chart: " << request.chart << " (" << bars << " bars)\n";
    return true;
}

int PrintStock(CppSQLite3DB& db, const ReportRequest& request, std::ostream& out) {
    if (!CheckPeriod(request)) return kBadArguments;
    if (!CostsUpToDate(db)) return kFailed;
    // Without a start the period opens the day after the opening rows (dated 1970-01-01): the
    // opening stock is brought forward and everything since counts as movement.
    const CString from = request.from.IsEmpty() ? CString(L"1970-01-02") : request.from;
    const CString to = request.to.IsEmpty() ? CString(L"9999-12-31") : request.to;
    CStocksBLL stocks;
    long count = 0;
    CppSQLite3Query q = stocks.GetStocks(db, L"", from, to, count, L"全部类别", L"");
    TextTable table({L"编码", L"货品", L"单位", L"期初数量", L"期初金额", L"入库数量", L"入库金额", L"出库数量",
                     L"出库成本", L"结存数量", L"结存金额"});
    const wchar_t* numbers[] = {L"PreCount", L"PreAmount", L"InCount", L"InAmount",
                                L"OutCount", L"OutAmount", L"LastCount", L"LastAmount"};
    double sums[8] = {};
    for (; !q.eof(); q.nextRow()) {
        std::vector<CString> row = {q.getStringField(L"ProductCode"), q.getStringField(L"ProductName"),
                                    q.getStringField(L"UnitName")};
        for (int i = 0; i < 8; ++i) {
            row.push_back(Cents(q, numbers[i]));
            sums[i] += q.getFloatField(numbers[i]);
        }
        table.AddRow(row);
    }
    std::vector<CString> total = {L"", L"合计", L""};
    for (double sum : sums) total.push_back(CentsText(sum));
    table.AddRow(total);
    out << "库存汇总 " << PeriodText(request) << " (" << count << " 个货品)\n";
    table.Print(out);

    if (request.chart.empty()) return kDone;
    std::vector<ChartPanel> panels(2);
    panels[0].title = L"结存金额前十";
    panels[1].title = L"结存数量前十";
    CString error;
    stocks.GetCostChartData(db, kChartBars, from, to, L"", panels[0].series, error, L"");
    if (error.IsEmpty()) stocks.GetWareChartData(db, kChartBars, from, to, L"", panels[1].series, error);
    if (!error.IsEmpty()) {
        PrintError("report: " + error.ToUtf8());
        return kFailed;
    }
    return DrawChart(request, L"库存 " + PeriodText(request), panels, out) ? kDone : kFailed;
}

int PrintProfit(CppSQLite3DB& db, const ReportRequest& request, std::ostream& out) {
    if (!CheckPeriod(request)) return kBadArguments;
    if (!CostsUpToDate(db)) return kFailed;
    CStocksBLL stocks;
    long count = 0;
    const wchar_t* profit[] = {L"OutCount", L"SaleAmount", L"CostAmount", L"Profit"};
    auto addProfit = [&](std::vector<CString>& row, const CppSQLite3Query& q) {
        for (const wchar_t* column : profit) row.push_back(Cents(q, column));
        row.push_back(CentsText(q.getFloatField(L"ProfitRate")) + L"%");
    };

    CppSQLite3Query byCustomer = stocks.GetProfitSumByCust(db, L"", request.from, request.to, count);
    TextTable customers({L"客户", L"数量", L"销售金额", L"成本", L"利润", L"利润率"});
    for (; !byCustomer.eof(); byCustomer.nextRow()) {
        std::vector<CString> row = {byCustomer.getStringField(L"CompanyName")};
        addProfit(row, byCustomer);
        customers.AddRow(row);
    }
    out << "客户利润 " << PeriodText(request) << " (" << count << " 个客户)\n";
    customers.Print(out);

    CppSQLite3Query byProduct = stocks.GetProfitSumByProd(db, L"", L"全部类别", request.from, request.to, count);
    TextTable products({L"编码", L"货品", L"单位", L"数量", L"销售金额", L"成本", L"利润", L"利润率"});
    for (; !byProduct.eof(); byProduct.nextRow()) {
        std::vector<CString> row = {byProduct.getStringField(L"ProductCode"), byProduct.getStringField(L"ProductName"),
                                    byProduct.getStringField(L"UnitName")};
        addProfit(row, byProduct);
        products.AddRow(row);
    }
    out << "\n货品利润 " << PeriodText(request) << " (" << count << " 个货品)\n";
    products.Print(out);

    CppSQLite3Query total = stocks.GetProfitSumByTotal(db, L"", request.from, request.to, count);
    out << "\n合计: 销售金额 " << Cents(total, L"saleamount") << ", 成本 " << Cents(total, L"costamount")
        << ", 利润 " << Cents(total, L"profit") << "\n";

    if (request.chart.empty()) return kDone;
    std::vector<ChartPanel> panels(2);
    panels[0].title = L"客户利润前十";
    panels[1].title = L"货品利润前十";
    CString error;
    stocks.GetCustProfitChartData(db, kChartBars, request.from, request.to, L"", panels[0].series, error, L"");
    if (error.IsEmpty())
        stocks.GetProdProfitChartData(db, kChartBars, request.from, request.to, L"", panels[1].series, error, L"");
    if (!error.IsEmpty()) {
        PrintError("report: " + error.ToUtf8());
        return kFailed;
    }
    return DrawChart(request, L"利润 " + PeriodText(request), panels, out) ? kDone : kFailed;
}

int PrintWarnings(CppSQLite3DB& db, const ReportRequest&, std::ostream& out) {
    CString error;
    CppSQLite3Query q = CProductsBLL().GetCustProductForWaring(db, error, 3);
    if (!error.IsEmpty()) {
        PrintError("report: " + error.ToUtf8());
        return kFailed;
    }
    TextTable table({L"编码", L"货品", L"单位", L"当前库存", L"上限", L"下限", L"状态", L"超出数量"});
    for (; !q.eof(); q.nextRow()) {
        // The limits are kept as text; equal limits mean the product has none.
        const double high = ParseAmount(q.getStringField(L"HighLimit")), low = ParseAmount(q.getStringField(L"LowLimit"));
        const double stock = q.getFloatField(L"CurStock");
        const bool limited = high != low;
        CString status = L"负库存";
        double past = -stock;
        if (limited && stock > high) {
            status = L"超出上限";
            past = stock - high;
        } else if (limited && stock < low) {
            status = L"低于下限";
            past = low - stock;
        }
        table.AddRow({q.getStringField(L"ProductCode"), q.getStringField(L"ProductName"), q.getStringField(L"UnitName"),
                      CentsText(stock), limited ? CentsText(high) : CString(), limited ? CentsText(low) : CString(),
                      status, CentsText(past)});
    }
    out << "库存预警 (" << table.RowCount() << " 个货品超出上下限或为负库存)\n";
    table.Print(out);
    return kDone;
}

}  // namespace

const std::vector<ReportKind>& StockReports() {
    static const std::vector<ReportKind> kinds = {
        {"stock", "the stock summary of the period: brought forward, in, out, closing (costs made current)", true,
         PrintStock},
        {"profit", "profit by customer and by product over the period (costs made current)", true, PrintProfit},
        {"warnings", "the products over or under their stock limits, or below zero", false, PrintWarnings},
    };
    return kinds;
}

}  // namespace shopbiz::app::report
