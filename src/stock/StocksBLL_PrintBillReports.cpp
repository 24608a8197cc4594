// CStocksBLL: the print data of the bill reports. Each empties the print data table before
// its transaction begins.
#include "printing/ReportPrintRows.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

constexpr int kReport = ReportPrintRows::kReport;

ReportPrintRows BillReport(CppSQLite3DB& db, const CString& label, int firstRecord, const wchar_t* title,
                           const CString& startDate, const CString& endDate) {
    ReportPrintRows out(db, label, firstRecord);
    out.Text(kReport, L"ReportTitle", title);
    out.Text(kReport, L"BeginDate", startDate);
    out.Text(kReport, L"EndDate", endDate);
    out.StoreFields();
    return out;
}

}  // namespace

int CStocksBLL::InsertPrintBillRptTotal(CppSQLite3DB& db, CString label, int firstRecord, int kind,
                                        CString companyName, CString startDate, CString endDate, long& rowCount,
                                        CString& error) {
    ServiceLock lock;
    rowCount = 0;
    return FillReport(db, error, L"打印 %d,%s", EmptyTable::BeforeItsTransaction, [&] {
        long count = 0;
        CppSQLite3Query rows = QueryBillRptTotal(db, kind, companyName, startDate, endDate, count);
        ReportPrintRows out = BillReport(db, label, firstRecord, L"销售统计报告", startDate, endDate);
        // The bills' totals stand on every row.
        const double billAmount = rows.eof() ? 0 : rows.getFloatField(L"BillAmount");
        const double discountAmount = rows.eof() ? 0 : rows.getFloatField(L"DiscountAmount");
        out.Money(kReport, L"BillAmount", billAmount);
        out.Money(kReport, L"DiscountAmount", discountAmount);
        double quantity = 0, amount = 0;
        int entry = 0;
        for (; !rows.eof(); rows.nextRow()) {
            out.RowNo(++entry);
            out.Text(entry, L"ProdCode", rows.getStringField(L"ProductCode"));
            out.Text(entry, L"ProdName", rows.getStringField(L"ProductName"));
            out.Text(entry, L"UnitName", rows.getStringField(L"UnitName"));
            out.Count(entry, L"ItemCount", rows.getFloatField(L"ItemCount"));
            out.Money(entry, L"ItemAmount", rows.getFloatField(L"ItemAmount"));
            quantity += rows.getFloatField(L"ItemCount");
            amount += rows.getFloatField(L"ItemAmount");
        }
        out.Count(kReport, L"TotalCount", quantity);
        out.Money(kReport, L"TotalAmount", amount);
        out.Money(kReport, L"TotalDisAmount", discountAmount);
        out.Money(kReport, L"TotalRalAmount", amount - discountAmount);
        rowCount = entry;
    });
}

int CStocksBLL::InsertPrintBillRptDetail(CppSQLite3DB& db, CString label, int firstRecord, int kind,
                                         CString companyName, CString productName, CString startDate, CString endDate,
                                         long& rowCount, CString& error) {
    ServiceLock lock;
    rowCount = 0;
    return FillReport(db, error, L"打印 %d,%s", EmptyTable::BeforeItsTransaction, [&] {
        long count = 0;
        CppSQLite3Query rows =
            QueryBillRptDetail(db, kind, companyName, productName, startDate, endDate, L"", count);
        ReportPrintRows out = BillReport(db, label, firstRecord, L"销售统计报告明细", startDate, endDate);
        int entry = 0;
        for (; !rows.eof(); rows.nextRow()) {
            out.RowNo(++entry);
            out.Text(entry, L"BillDate", rows.getStringField(L"BillDate"));
            out.Text(entry, L"BillCode", rows.getStringField(L"BillCode"));
            out.Text(entry, L"CompanyName1", rows.getStringField(L"CompanyName"));
            out.Text(entry, L"ProdCode", rows.getStringField(L"ProductCode"));
            out.Text(entry, L"ProdName", rows.getStringField(L"ProductName"));
            out.Text(entry, L"UnitName", rows.getStringField(L"UnitName"));
            out.Count(entry, L"ItemCount", rows.getFloatField(L"ItemCount"));
            out.Price(entry, L"Price", rows.getFloatField(L"Price"));
            out.Money(entry, L"ItemAmount", rows.getFloatField(L"ItemAmount"));
            out.Money(entry, L"DisAmount", rows.getFloatField(L"DiscountAmount"));
            out.Money(entry, L"RealAmount", rows.getFloatField(L"RealAmount"));
        }
        rowCount = entry;
    });
}
