// CStocksBLL: the profit of a period over all customers.
#include "frame/ServiceFrame.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

// The profit per customer: quantities, sales, costs and profit of the ledger's "出货" rows.
SqlText ProfitByCustomer(const CString& key, const CString& start, const CString& end, const wchar_t* extra) {
    const QuotedSlot k = Quoted(key);
    const SqlText customer =
        key.IsEmpty() ? SqlText(L" ")
                      : Sql(L" AND (CompanyName LIKE '%%%s%%' or CompanyName in(select CompanyName from Companies "
                            L"where SearchCode like '%%%s%%'))",
                            k, k);
    const SqlText from = start.IsEmpty() ? SqlText(L" ") : Sql(L" AND BillDate >= '%s' ", Quoted(start));
    const SqlText to = end.IsEmpty() ? SqlText(L" ") : Sql(L" AND BillDate <= '%s' ", Quoted(end));
    return Sql(L"SELECT T.CompanyName AS CompanyName,SUM(T.OutCount) AS OutCount,SUM(T.SaleAmount) AS SaleAmount,"
               L"SUM(ROUND(T.OutAmount,2)) AS CostAmount,SUM(T.SaleAmount-T.OutAmount) AS Profit,(CASE WHEN "
               L"SUM(T.SaleAmount)>0 THEN (SUM(T.SaleAmount-T.OutAmount)*1.0)/SUM(T.SaleAmount) ELSE 0 END)*100 AS "
               L"ProfitRate FROM Stocks T WHERE T.BillType='出货' %s%s%s%s GROUP BY T.CompanyName ORDER BY "
               L"T.CompanyName ASC",
               customer, from, to, extra);
}

}  // namespace

CppSQLite3Query CStocksBLL::GetProfitSumByTotal(CppSQLite3DB& db, CString customerKey, CString startDate,
                                                CString endDate, long& count) {
    ServiceLock lock;
    const SqlText total =
        Sql(L"select sum(a.outcount) as outcount,sum(a.saleamount) as saleamount,sum(a.costamount) as costamount,"
            L"sum(a.profit) as profit from (%s)a",
            ProfitByCustomer(customerKey, startDate, endDate, L""));
    count = db.execScalar(
        Sql(L"select count(*) from (%s)", ProfitByCustomer(customerKey, startDate, endDate, L" and SaleAmount<> 0")));
    return db.execQuery(total);
}
