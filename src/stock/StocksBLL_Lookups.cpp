// CStocksBLL: which products wait for the cost calculation, and browsing from product to
// product.
#include "frame/ServiceFrame.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

void CStocksBLL::GetProductIDs(CppSQLite3DB& db, CStringArray& productIDs) {
    ServiceLock lock;
    productIDs.RemoveAll();
    CppSQLite3Query rows = db.execQuery(L"select distinct ProductID from Stocks where IsCale <> 1 order by ProductID");
    for (; !rows.eof(); rows.nextRow()) productIDs.Add(Fmt(L"%d", rows.getIntField(L"ProductID")));
}

int CStocksBLL::GetPreNextProductID(CppSQLite3DB& db, int productID, CString typeName, CString key, bool next) {
    ServiceLock lock;
    if (typeName == L"全部类别") typeName.Empty();  // the root of the type tree: any type
    const QuotedSlot type = Quoted(typeName), k = Quoted(key);
    const wchar_t* sql = next ? L"select productID from products where IsLocal=1 and productID > %d and IsDisable=0 and "
                                L"TypeName like '%%%s%%' and (ProductName like '%%%s%%' or ProductCode like '%%%s%%' or "
                                L"SearchCode like '%%%s%%') order by productID asc limit 1"
                              : L"select productID from products where IsLocal=1 and productID < %d and IsDisable=0 and "
                                L"TypeName like '%%%s%%' and (ProductName like '%%%s%%' or ProductCode like '%%%s%%' or "
                                L"SearchCode like '%%%s%%') order by productID desc limit 1";
    CppSQLite3Query neighbour = db.execQuery(Sql(sql, productID, type, k, k, k));
    return neighbour.eof() ? productID : neighbour.getIntField(L"productID");
}
