// CStocksBLL: profit by customer, by product and by sale line: the ledger's sale rows (their
// sale amounts) set against the cost of the goods that the cost calculation gave them.
#include "frame/ServiceFrame.h"
#include "stock/StockSummary.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

constexpr const wchar_t* kProfitColumns =
    L"SUM(T.OutCount) AS OutCount, SUM(T.SaleAmount) AS SaleAmount, SUM(ROUND(T.OutAmount,2)) AS CostAmount, "
    L"SUM(T.SaleAmount-T.OutAmount) AS Profit, (CASE WHEN SUM(T.SaleAmount)>0 THEN "
    L"(SUM(T.SaleAmount-T.OutAmount)*1.0)/SUM(T.SaleAmount) ELSE 0 END)*100 AS ProfitRate";

SqlText CustomerFilter(const CString& key) {
    if (key.IsEmpty()) return L" ";
    const QuotedSlot k = Quoted(key);
    return Sql(L" AND (CompanyName LIKE '%%%s%%' or CompanyName in(select CompanyName from Companies where SearchCode "
               L"like '%%%s%%'))",
               k, k);
}

SqlText ProductFilter(const CString& key) {
    if (key.IsEmpty()) return L" ";
    const QuotedSlot k = Quoted(key);
    return Sql(L" AND (ProductName LIKE '%%%s%%' or SearchCode LIKE '%%%s%%')", k, k);
}

// The unary + keeps the dates out of the index choice: the sale rows are read in the order of
// their grouping (IX_Stocks_SalesByCustomer, ...) with no sort, whatever the period.
SqlText DateFilters(const CString& startDate, const CString& endDate) {
    SqlText sql = startDate.IsEmpty() ? SqlText(L" ") : Sql(L" AND +BillDate >= '%s' ", Quoted(startDate));
    sql += endDate.IsEmpty() ? SqlText(L" ") : Sql(L" AND +BillDate <= '%s' ", Quoted(endDate));
    return sql;
}

SqlText ByCustomer(const CString& key, const CString& startDate, const CString& endDate, const SqlText& more,
                   const wchar_t* order) {
    return Sql(L"SELECT T.CompanyName, %s FROM Stocks T WHERE T.BillType='出货' %s%s%s GROUP BY T.CompanyName %s",
               kProfitColumns, CustomerFilter(key), DateFilters(startDate, endDate), more, order);
}

SqlText ByProduct(const CString& key, const CString& typeName, const CString& startDate, const CString& endDate,
                  const wchar_t* order) {
    const SqlText type = IsEveryType(typeName) ? SqlText(L" ") : Sql(L"AND TypeName = '%s' ", Quoted(typeName));
    return Sql(L"SELECT T.ProductCode, T.ProductName, T.UnitName, %s FROM Stocks T WHERE T.BillType='出货' %s%s%s "
               L"GROUP BY T.ProductCode,T.ProductName,T.UnitName %s",
               kProfitColumns, type, ProductFilter(key), DateFilters(startDate, endDate), order);
}

// The rows and their number.
CppSQLite3Query Counted(CppSQLite3DB& db, const SqlText& select, long& count) {
    count = db.execScalar(Sql(L"select count(*) from (%s)", select));
    return db.execQuery(select);
}

// Those at a loss are left out.
SqlText Profitable(const SqlText& select) {
    return Sql(L"select *from (%s)a where a.Profit >= 0.0 order by a.Profit desc", select);
}

}  // namespace

CppSQLite3Query CStocksBLL::GetProfitSumByCust(CppSQLite3DB& db, CString customerKey, CString startDate,
                                               CString endDate, long& count) {
    ServiceLock lock;
    return Counted(db, ByCustomer(customerKey, startDate, endDate, L"", L"ORDER BY T.CompanyName ASC"), count);
}

CppSQLite3Query CStocksBLL::GetProfitSumByProd(CppSQLite3DB& db, CString productKey, CString TypeName,
                                               CString startDate, CString endDate, long& count) {
    ServiceLock lock;
    return Counted(db, ByProduct(productKey, TypeName, startDate, endDate, L"ORDER BY T.ProductName ASC"), count);
}

CppSQLite3Query CStocksBLL::GetProfitSumByCustOrderByProfit(CppSQLite3DB& db, CString customerKey, CString startDate,
                                                            CString endDate, long& count) {
    ServiceLock lock;
    return Counted(
        db, Profitable(ByCustomer(customerKey, startDate, endDate, L"", L"ORDER BY Profit DESC")),
        count);
}

CppSQLite3Query CStocksBLL::GetProfitSumByProdOrderByProfit(CppSQLite3DB& db, CString productKey, CString startDate,
                                                            CString endDate, long& count) {
    ServiceLock lock;
    return Counted(
        db, Profitable(ByProduct(productKey, L"", startDate, endDate, L"ORDER BY Profit DESC")),
        count);
}

CppSQLite3Query CStocksBLL::GetProfitSumByTotal(CppSQLite3DB& db, CString customerKey, CString startDate,
                                                CString endDate, long& count) {
    ServiceLock lock;
    // The count is of the customers that had sales.
    count = db.execScalar(Sql(L"select count(*) from (%s)",
                              ByCustomer(customerKey, startDate, endDate, L"and SaleAmount<> 0", L"")));
    return db.execQuery(
        Sql(L"select sum(a.outcount) as outcount,sum(a.saleamount) as saleamount,sum(a.costamount) as "
            L"costamount,sum(a.profit) as profit from (%s) a",
            ByCustomer(customerKey, startDate, endDate, L"", L"ORDER BY T.CompanyName ASC")));
}

CppSQLite3Query CStocksBLL::GetProfitDetailByCustProd(CppSQLite3DB& db, int mode, CString key, CString TypeName,
                                                      CString startDate, CString endDate, long& count) {
    ServiceLock lock;
    return Guard(ShowMessage(), CppSQLite3Query(), [&] {
        SqlText sql =
            L"select a.BillDate, a.BillCode, a.ProductCode, a.ProductName, a.CompanyName, a.TypeName, b.ShowItemCount as "
            L"OutCount, b.ShowUnitName as UnitName, a.LastPrice, b.ShowPrice*c.DiscountRate as SalePrice, a.OutPrice, "
            L"round(a.OutAmount,2) as OutAmount, a.SaleAmount, round(a.OutAmount,2) as CostAmount, "
            L"a.SaleAmount-a.OutAmount as Profit, (CASE WHEN a.SaleAmount>0 THEN ((a.SaleAmount-a.OutAmount)*1.0)/"
            L"a.SaleAmount ELSE 0 END)*100 as ProfitRate from Stocks a left join SaleBillItems b on a.BillCode=b.BillCode "
            L"And a.BillItemID=b.SaleItemID left join SaleBills c on b.SaleID=c.SaleID where a.BillType='出货'";
        if (!key.IsEmpty()) {
            const QuotedSlot k = Quoted(key);
            sql += mode == 1 ? Sql(L" AND (a.CompanyName LIKE '%%%s%%' or a.CompanyName in(select CompanyName from "
                                   L"Companies where SearchCode like '%%%s%%'))",
                                   k, k)
                             : Sql(L" AND (a.ProductName LIKE '%%%s%%' or a.SearchCode LIKE '%%%s%%'  )", k, k);
        }
        if (!IsEveryType(TypeName)) {
            const QuotedSlot type = Quoted(TypeName);
            sql += Sql(L"AND a.TypeName = '%s' AND b.TypeName = '%s' ", type, type);
        }
        if (!startDate.IsEmpty()) sql += Sql(L" AND a.BillDate >= '%s' ", Quoted(startDate));
        if (!endDate.IsEmpty()) sql += Sql(L" AND a.BillDate <= '%s' ", Quoted(endDate));
        sql += mode == 1 ? L" ORDER BY a.CompanyName,a.BillDate,a.ProductName  ASC " : L" ORDER BY a.ProductName ,a.BillDate ASC ";
        return Counted(db, sql, count);
    });
}
