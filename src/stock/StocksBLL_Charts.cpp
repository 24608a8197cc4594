// CStocksBLL: the chart series of the stock and profit reports: one label and value per bar.
#include <functional>

#include "frame/ServiceFrame.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

// "[name]", a name of more than six characters cut to six and "...".
CString BarLabel(const CString& name, bool cut) {
    return Fmt(L"[%s]", (cut && name.GetLength() > 6 ? name.Left(6) + L"..." : name).GetString());
}

// Fills the series from the source's first rows: 0 when the source had a row, else -1.
int FillSeries(int maxRows, CStocksBLL::ChartSeries& series, CString& error, const wchar_t* nameColumn, bool cut,
               const std::function<CppSQLite3Query()>& source,
               const std::function<double(const CppSQLite3Query&)>& value) {
    series.clear();
    return Guard(Report(error), -1, [&] {
        CppSQLite3Query rows = source();
        if (rows.eof()) return -1;
        for (int n = 0; n < maxRows && !rows.eof(); ++n, rows.nextRow())
            series.push_back({BarLabel(rows.getStringField(nameColumn), cut), Fmt(L"%.08lf", value(rows))});
        return 0;
    });
}

}  // namespace

int CStocksBLL::GetCostChartData(CppSQLite3DB& db, int maxRows, CString startDate, CString endDate, CString key,
                                 ChartSeries& series, CString& error, CString TypeName) {
    ServiceLock lock;
    return FillSeries(
        maxRows, series, error, L"ProductName", true,
        [&] { return GetStocksOrderByAmount(db, key, startDate, endDate, TypeName); },
        [](const CppSQLite3Query& r) {
            return r.getFloatField(L"PreAmount") + r.getFloatField(L"InAmount") - r.getFloatField(L"OutAmount");
        });
}

int CStocksBLL::GetWareChartData(CppSQLite3DB& db, int maxRows, CString startDate, CString endDate, CString key,
                                 ChartSeries& series, CString& error) {
    ServiceLock lock;
    return FillSeries(
        maxRows, series, error, L"ProductName", false,
        [&] { return GetStocksOrderByCount(db, key, startDate, endDate); },
        [](const CppSQLite3Query& r) {
            return r.getFloatField(L"PreCount") + r.getFloatField(L"InCount") - r.getFloatField(L"OutCount");
        });
}

int CStocksBLL::GetCustProfitChartData(CppSQLite3DB& db, int maxRows, CString startDate, CString endDate, CString key,
                                       ChartSeries& series, CString& error, CString) {
    ServiceLock lock;
    long count = 0;
    return FillSeries(
        maxRows, series, error, L"CompanyName", true,
        [&] { return GetProfitSumByCustOrderByProfit(db, key, startDate, endDate, count); },
        [](const CppSQLite3Query& r) { return r.getFloatField(L"Profit"); });
}

int CStocksBLL::GetProdProfitChartData(CppSQLite3DB& db, int maxRows, CString startDate, CString endDate, CString key,
                                       ChartSeries& series, CString& error, CString) {
    ServiceLock lock;
    long count = 0;
    return FillSeries(
        maxRows, series, error, L"ProductName", true,
        [&] { return GetProfitSumByProdOrderByProfit(db, key, startDate, endDate, count); },
        [](const CppSQLite3Query& r) { return r.getFloatField(L"Profit"); });
}
