// CStocksBLL: the bill reports, per product and line by line, over sale or purchase bills.
#include "frame/ServiceFrame.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

struct BillTables {
    const wchar_t *bills, *lines, *key;
};

BillTables TablesOf(int kind) {
    return kind == 1 ? BillTables{L"SaleBills", L"SaleBillItems", L"SaleID"}
                     : BillTables{L"PurBills", L"PurBillItems", L"PurID"};
}

void DefaultPeriod(CString& startDate, CString& endDate) {
    if (startDate.IsEmpty()) startDate = L"2000-01-01";
    if (endDate.IsEmpty()) endDate = L"2100-12-31";
}

}  // namespace

CppSQLite3Query CStocksBLL::QueryBillRptTotal(CppSQLite3DB& db, int kind, CString companyName, CString startDate,
                                              CString endDate, long& count) {
    ServiceLock lock;
    DefaultPeriod(startDate, endDate);
    const BillTables t = TablesOf(kind);
    // The bills of the period (and partner).
    SqlText bills = L" WHERE";
    if (!companyName.IsEmpty()) bills += Sql(L" A.CompanyName LIKE '%%%s%%' AND", Quoted(companyName));
    bills += Sql(L" A.BillDate >= '%s' AND A.BillDate <='%s' ", Quoted(startDate), Quoted(endDate));

    // Their totals: the amount after the discounts, and the discounts.
    double billAmount = 0, discountAmount = 0;
    {
        CppSQLite3Query totals = db.execQuery(Sql(L"SELECT  SUM(A.DiscountAmount)  AS BillAmount,SUM(A.BillAmount)- "
                                                  L"SUM(A.DiscountAmount) AS DiscountAmount  FROM %s A%s",
                                                  t.bills, bills));
        if (!totals.eof()) {
            billAmount = totals.getFloatField(L"BillAmount");
            discountAmount = totals.getFloatField(L"DiscountAmount");
        }
    }
    const SqlText rows =
        Sql(L"SELECT B.BillCode, A.BillDate, A.CompanyName, B.ProductCode, B.ProductName, B.UnitName, SUM(B.Amount) AS "
            L"ItemAmount, SUM(B.ItemCount) AS ItemCount, B.ShowPrice AS Price, A.DiscountRate, %.08lf AS BillAmount, "
            L"%.08lf AS DiscountAmount FROM %s A JOIN %s B ON B.%s = A.%s%sGROUP BY B.ProductName ORDER BY "
            L"B.ProductName",
            billAmount, discountAmount, t.bills, t.lines, t.key, t.key, bills);
    count = db.execScalar(Sql(L" SELECT COUNT(*) FROM (%s)", rows));
    return db.execQuery(rows);
}

CppSQLite3Query CStocksBLL::QueryBillRptDetail(CppSQLite3DB& db, int kind, CString companyName, CString productName,
                                               CString startDate, CString endDate, CString, long& count) {
    ServiceLock lock;
    DefaultPeriod(startDate, endDate);
    const BillTables t = TablesOf(kind);
    SqlText where = L" WHERE";
    if (!companyName.IsEmpty()) where += Sql(L" A.Companyname = '%s' AND", Quoted(companyName));
    if (!productName.IsEmpty()) where += Sql(L" B.ProductName  = '%s' AND", Quoted(productName));
    where += Sql(L" A.BillDate >= '%s' AND A.BillDate <= '%s' ", Quoted(startDate), Quoted(endDate));
    const SqlText rows =
        Sql(L"SELECT A.BillCode, A.BillDate, A.CompanyName, B.ProductCode, B.ProductName, B.ShowUnitName AS UnitName, "
            L"B.SHowItemCount AS ItemCount, B.ShowPrice AS Price, B.Amount AS ItemAmount, A.DiscountRate, "
            L"(B.SHowItemCount*B.ShowPrice)*(1.0-A.DiscountRate) AS DiscountAmount, "
            L"(B.SHowItemCount*B.ShowPrice)*A.DiscountRate AS RealAmount FROM %s A JOIN %s B ON B.%s = A.%s%sORDER BY "
            L"B.ProductName ,A.BillDate,A.BillCode,A.CompanyName ASC",
            t.bills, t.lines, t.key, t.key, where);
    count = db.execScalar(Sql(L" SELECT COUNT(*) FROM (%s)", rows));
    return db.execQuery(rows);
}
