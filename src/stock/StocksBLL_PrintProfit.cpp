// CStocksBLL: the print data of the profit reports. Each empties the print data table first
// (inside its transaction) and writes through CSysBLL::ExecDML.
#include "printing/ReportPrintRows.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

constexpr int kReport = ReportPrintRows::kReport;

// The profit columns of one row and their sums.
class ProfitSums {
public:
    void Write(ReportPrintRows& out, int entry, const CppSQLite3Query& row) {
        const double sale = row.getFloatField(L"SaleAmount"), cost = row.getFloatField(L"CostAmount");
        const double profit = row.getFloatField(L"Profit");
        out.Money(entry, L"SaleAmount", sale);
        out.Money(entry, L"CostAmount", cost);
        out.Money(entry, L"Profit", profit);
        out.Text(entry, L"ProfitRate", Fmt(L"%.2f%%", row.getFloatField(L"ProfitRate")));
        sale_ += sale;
        cost_ += cost;
        profit_ += profit;
    }
    void WriteSums(ReportPrintRows& out) const {
        out.Money(kReport, L"SumSaleAmount", sale_);
        out.Money(kReport, L"SumCostAmount", cost_);
        out.Money(kReport, L"SumProfit", profit_);
    }

private:
    double sale_ = 0, cost_ = 0, profit_ = 0;
};

ReportPrintRows ProfitReport(CppSQLite3DB& db, const CString& label, int firstRecord, const CString& startDate,
                             const CString& endDate) {
    ReportPrintRows out(db, label, firstRecord, ReportPrintRows::Writer::ThroughExecDML);
    out.Text(kReport, L"BillSdt", startDate);
    out.Text(kReport, L"BillEdt", endDate);
    out.StoreFields();
    return out;
}

}  // namespace

int CStocksBLL::InsertCustProfitPrintData(CppSQLite3DB& db, CString label, int firstRecord, CString customerKey,
                                          CString startDate, CString endDate, long& rowCount, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    return FillReport(db, error, L"打印%d ,%s", EmptyTable::InItsTransaction, [&] {
        long count = 0;
        CppSQLite3Query rows = GetProfitSumByCust(db, customerKey, startDate, endDate, count);
        ReportPrintRows out = ProfitReport(db, label, firstRecord, startDate, endDate);
        ProfitSums sums;
        int entry = 0;
        for (; !rows.eof(); rows.nextRow()) {
            out.RowNo(++entry);
            out.Text(entry, L"CompanyName", rows.getStringField(L"CompanyName"));
            sums.Write(out, entry, rows);
        }
        sums.WriteSums(out);
        rowCount = entry;
    });
}

int CStocksBLL::InsertProdProfitPrintData(CppSQLite3DB& db, CString label, int firstRecord, CString productKey,
                                          CString TypeName, CString startDate, CString endDate, long& rowCount,
                                          CString& error) {
    ServiceLock lock;
    rowCount = 0;
    return FillReport(db, error, L"打印%d %s", EmptyTable::InItsTransaction, [&] {
        long count = 0;
        CppSQLite3Query rows = GetProfitSumByProd(db, productKey, TypeName, startDate, endDate, count);
        ReportPrintRows out = ProfitReport(db, label, firstRecord, startDate, endDate);
        ProfitSums sums;
        double quantity = 0;
        int entry = 0;
        for (; !rows.eof(); rows.nextRow()) {
            out.RowNo(++entry);
            for (const wchar_t* code : {L"ProductName", L"ProductCode", L"UnitName"})
                out.Text(entry, code, rows.getStringField(code));
            out.Count(entry, L"OutCount", rows.getFloatField(L"OutCount"));
            quantity += rows.getFloatField(L"OutCount");
            sums.Write(out, entry, rows);
        }
        sums.WriteSums(out);
        out.Count(kReport, L"SumProdCount", quantity);
        rowCount = entry;
    });
}

int CStocksBLL::InsertItemProfitPrintData(CppSQLite3DB& db, CString label, int firstRecord, int mode, CString key,
                                          CString TypeName, CString startDate, CString endDate, long& rowCount,
                                          CString& error) {
    ServiceLock lock;
    rowCount = 0;
    return FillReport(db, error, L"打印%d,%s", EmptyTable::InItsTransaction, [&] {
        long count = 0;
        CppSQLite3Query rows = GetProfitDetailByCustProd(db, mode, key, TypeName, startDate, endDate, count);
        ReportPrintRows out = ProfitReport(db, label, firstRecord, startDate, endDate);
        ProfitSums sums;
        double quantity = 0;
        int entry = 0;
        for (; !rows.eof(); rows.nextRow()) {
            out.RowNo(++entry);
            for (const wchar_t* code : {L"BillDate", L"CompanyName", L"ProductName", L"ProductCode", L"UnitName"})
                out.Text(entry, code, rows.getStringField(code));
            out.Count(entry, L"OutCount", rows.getFloatField(L"OutCount"));
            out.Price(entry, L"SalePrice", rows.getFloatField(L"SalePrice"));
            quantity += rows.getFloatField(L"OutCount");
            sums.Write(out, entry, rows);
        }
        sums.WriteSums(out);
        out.Count(kReport, L"SumProdCount", quantity);
        rowCount = entry;
    });
}
