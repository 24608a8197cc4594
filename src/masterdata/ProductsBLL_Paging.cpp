// CProductsBLL: the product list one page at a time.
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

CppSQLite3Query CProductsBLL::GetProductByPage(CppSQLite3DB& db, CString key, long& pageSize, long& totalRows,
                                               long& page, long& pageCount, bool localOnly, bool includeDisabled) {
    ServiceLock lock;
    CSysBLL::GetSafeString(key);
    SqlText where = L" where " + ProductKeyCondition(key);
    if (localOnly) where += L" and IsLocal=1";
    if (!includeDisabled) where += L" and IsDisable = 0";

    totalRows = db.execScalar(L"select count(ProductID) from Products" + where);
    if (pageSize < 1) {
        // No page size: everything on one page.
        pageCount = 1;
        page = 1;
    } else {
        pageCount = totalRows / pageSize + (totalRows % pageSize ? 1 : 0);
        if (pageCount == 0) pageCount = 1;
        if (page > pageCount) page = pageCount;
        if (page < 1) page = 1;
    }
    const long offset = pageSize < 1 ? 0 : (page - 1) * pageSize;
    const long limit = pageSize < 1 ? -1 : pageSize;

    SqlText select =
        L"select ProductID,ProductCode,ProductName,CurStock,UnitName,InPrice,WholesalePrice,OutPrice,Price,NetPrice,"
        L"IsLocal,SecUnitName,Coefficient,SearchCode from Products" +
        where;
    select += localOnly ? L" order by SearchCode" : L" order by IsLocal desc, SearchCode";
    select += Sql(L" limit %ld,%ld", offset, limit);
    return db.execQuery(select);
}
