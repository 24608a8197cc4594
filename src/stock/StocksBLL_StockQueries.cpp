// CStocksBLL: the stock summary over a period, a product's ledger card and the bill lines that
// moved stock.
#include "frame/ServiceFrame.h"
#include "stock/StockSummary.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

long CountOf(CppSQLite3DB& db, const SqlText& select) {
    return db.execScalar(Sql(L"select count(*) from (%s)", select));
}

// The reports that order by value or quantity cost the ledger first, so that they read
// current costs.
void BringCostsUpToDate(CppSQLite3DB& db) {
    if (db.execScalar(L"select count(1) from Stocks where  IsCale = 0") > 0) CStocksBLL().CaculateCost(db);
}

// Every column of Stocks, in the table's order: the ledger card names them, so that its
// balance row lines up with the rows whatever else the table holds.
constexpr const wchar_t* kStocksColumns =
    L"StockID, SortID, BillType, BillDate, BillCode, BillItemID, ProductID, ProductName, ProductCode, SearchCode, "
    L"CompanyID, CompanyCode, CompanyName, TypeID, TypeName, UnitID, UnitName, InCount, InPrice, InAmount, OutCount, "
    L"OutPrice, OutAmount, SalePrice, SaleAmount, LastCount, LastPrice, LastAmount, IsSystem, IsVirtual, IsCale, "
    L"IsCale2, SyncState, UserID, UserName, CreateDate, LastUpdateDate";

}  // namespace

CppSQLite3Query CStocksBLL::GetStocks(CppSQLite3DB& db, CppSQLite3Query, CString startDate, CString endDate) {
    ServiceLock lock;
    StockSummaryRequest request;
    request.startDate = startDate;
    request.endDate = endDate;
    request.enabledProductsOnly = false;
    return db.execQuery(StockSummary(request) + SqlText(L" order by t.ProductID"));
}

CppSQLite3Query CStocksBLL::GetStocks(CppSQLite3DB& db, CString key, CString startDate, CString endDate,
                                      long& count, CString TypeName, CString extraCondition) {
    ServiceLock lock;
    StockSummaryRequest request;
    request.startDate = startDate;
    request.endDate = endDate;
    request.key = key;
    if (!IsEveryType(TypeName)) request.typeNames = TypeWithSubTypes(db, TypeName);
    request.leaveOutEmptyOpenings = true;
    SqlText select = StockSummary(request);
    if (!extraCondition.IsEmpty()) {
        select = L"select * from (" + select + SqlText(L") t where ") + CheckedSummaryCondition(extraCondition);
        count = CountOf(db, select);
    } else {
        // Which products are listed does not depend on the period's movements (a product whose
        // ledger is one row has none), so they are not added up just to count the rows.
        request.movements = false;
        count = CountOf(db, StockSummary(request));
    }
    select += L" order by t.ProductID";
    return db.execQuery(select);
}

CppSQLite3Query CStocksBLL::GetStocksOrderByAmount(CppSQLite3DB& db, CString key, CString startDate,
                                                   CString endDate, CString TypeName) {
    ServiceLock lock;
    BringCostsUpToDate(db);
    StockSummaryRequest request;
    request.startDate = startDate;
    request.endDate = endDate;
    request.key = key;
    if (!IsEveryType(TypeName)) request.typeNames = TypeWithSubTypes(db, TypeName);
    request.roundedToCents = true;
    return db.execQuery(StockSummary(request) + SqlText(L" where t.LastAmount >=0 order by t.LastAmount desc"));
}

CppSQLite3Query CStocksBLL::GetStocksOrderByCount(CppSQLite3DB& db, CString key, CString startDate,
                                                  CString endDate) {
    ServiceLock lock;
    BringCostsUpToDate(db);
    StockSummaryRequest request;
    request.startDate = startDate;
    request.endDate = endDate;
    request.key = key;
    request.roundedToCents = true;
    return db.execQuery(StockSummary(request) + SqlText(L" order by t.LastCount desc"));
}

CString CStocksBLL::GetTypeNamelst(CppSQLite3DB& db, CString TypeName) {
    ServiceLock lock;
    CString list;
    for (const CString& name : TypeWithSubTypes(db, TypeName)) list += (list.IsEmpty() ? L"" : L"','") + name;
    return list;
}

CppSQLite3Query CStocksBLL::GetStocksByProduct(CppSQLite3DB& db, CString ProductCode, CString ProductName,
                                               CString TypeName, CString startDate, CString) {
    ServiceLock lock;
    SqlText sql = Sql(L"select * from Stocks where BillDate < '%s' ", Quoted(startDate));
    if (!ProductName.IsEmpty()) sql += Sql(L"and ProductName = '%s' ", Quoted(ProductName));
    if (!ProductCode.IsEmpty()) sql += Sql(L"and ProductCode = '%s' ", Quoted(ProductCode));
    if (!TypeName.IsEmpty()) sql += Sql(L"and TypeName = '%s' ", Quoted(TypeName));
    return db.execQuery(sql + SqlText(L"order by  BillDate, billType"));
}

CppSQLite3Query CStocksBLL::GetStocksByProduct(CppSQLite3DB& db, int ProductID, CString startDate, CString endDate,
                                               long& count) {
    ServiceLock lock;
    return Guard(ShowMessage(), CppSQLite3Query(), [&] {
        if (IsHaveNewData(db) == 1) CaculateCost(db, ProductID, false);
        // The balance brought forward: that of the last row before the period (none: nothing).
        int sortID = 0;
        double lastCount = 0, lastPrice = 0, lastAmount = 0;
        {
            CppSQLite3Query before = db.execQuery(Sql(L"select * from Stocks where productID = %d\t\tand billDate < "
                                                      L"'%s'\t\torder by sortID desc limit 1",
                                                      ProductID, Quoted(startDate)));
            if (!before.eof()) {
                sortID = before.getIntField(L"SortID");
                lastCount = before.getFloatField(L"LastCount");
                lastPrice = before.getFloatField(L"LastPrice");
                lastAmount = before.getFloatField(L"LastAmount");
            }
        }
        const SqlText card =
            Sql(L"select %d as StockID, NULL as SortID, '期初结存' as BillType, NULL as BillDate, NULL as BillCode, NULL as "
                L"BillItemID, NULL as ProductID, NULL as ProductName, NULL as ProductCode, NULL as SearchCode, NULL as "
                L"CompanyID, NULL as CompanyCode, NULL as CompanyName, NULL as TypeID, NULL as TypeName, NULL as UnitID, "
                L"NULL as UnitName, NULL as InCount, NULL as InPrice, NULL as InAmount, NULL as OutCount, NULL as "
                L"OutPrice, NULL as OutAmount, NULL as SalePrice, NULL as SaleAmount, %.08lf as LastCount, %.08lf as "
                L"LastPrice, %.08lf as LastAmount, NULL as IsSystem, NULL as IsVirtual, NULL as IsCale, NULL as IsCale2, "
                L"NULL as SyncState, NULL as UserID, NULL as UserName, NULL as CreateDate, NULL as LastUpdateDate "
                L"union all select %s from Stocks where productID = %d and billDate between '%s' and '%s' order by "
                L"sortID",
                sortID, lastCount, lastPrice, lastAmount, kStocksColumns, ProductID, Quoted(startDate),
                Quoted(endDate));
        count = CountOf(db, card);
        return db.execQuery(card);
    });
}

CppSQLite3Query CStocksBLL::GetStockList(CppSQLite3DB& db, int kind, CString customerKey, CString productKey,
                                         CString startDate, CString endDate, long& count) {
    ServiceLock lock;
    if (startDate.IsEmpty()) startDate = L"2010-01-01";
    if (endDate.IsEmpty()) endDate = L"2099-12-30";
    struct Side {
        const wchar_t *label, *bills, *lines, *billID, *itemID;
    };
    const Side sale{L"销售", L"SaleBills", L"SaleBillItems", L"SaleID", L"SaleItemID"};
    const Side purchase{L"进货", L"PurBills", L"PurBillItems", L"PurID", L"PurItemID"};
    auto branch = [&](const Side& side) {
        SqlText sql = Sql(L"select '%s' as BillType, A.BillCode, A.%s as BillID, B.%s as ItemID, A.BillDate, "
                          L"B.ProductCode, B.ProductID, B.ProductName, B.UnitName, B.ItemCount, B.Amount as ItemAmount, "
                          L"B.Price, A.BillAmount, A.CompanyName, A.CompanyID, C.CurAmount, A.CreateDate from %s A join "
                          L"%s B on B.%s = A.%s left join Companies C on C.CompanyID = A.CompanyID where A.BillDate >= "
                          L"'%s' and A.BillDate <= '%s'",
                          side.label, side.billID, side.itemID, side.bills, side.lines, side.billID, side.billID,
                          Quoted(startDate), Quoted(endDate));
        if (!customerKey.IsEmpty()) {
            const QuotedSlot k = Quoted(customerKey);
            sql += Sql(L" and (A.CompanyName like '%%%s%%' or A.CompanyCode like '%%%s%%')", k, k);
        }
        if (!productKey.IsEmpty()) {
            const QuotedSlot k = Quoted(productKey);
            sql += Sql(L" and (B.ProductName like '%%%s%%' or B.ProductCode like '%%%s%%' or B.SearchCode like "
                       L"'%%%s%%')",
                       k, k, k);
        }
        return sql;
    };
    const SqlText lines = kind == 1   ? branch(sale)
                          : kind == 2 ? branch(purchase)
                                      : branch(sale) + SqlText(L" UNION ") + branch(purchase);
    count = db.execScalar(Sql(L" SELECT COUNT(*) AS rowsCount  FROM ( %s ) ", lines));
    return db.execQuery(Sql(L" SELECT * FROM( %s ) AS T ORDER BY T.BillDate DESC ,T.BillID ASC;", lines));
}
