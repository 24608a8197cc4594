// CProductsBLL: the product list of a type and all the types below it.
#include "masterdata/BaseBLL.h"
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

CppSQLite3Query CProductsBLL::GetProductsByTypeID(CppSQLite3DB& db, CString TypeName, CString key, bool withStockOnly,
                                                  long& rowCount, int withLimits, int showInPrice) {
    ServiceLock lock;
    SqlText where = L" where IsLocal=1 and IsDisable=0 and " + ProductKeyCondition(key);
    if (!TypeName.IsEmpty() && TypeName != L"全部类别") {
        CBaseBLL base;
        CString error, names;
        CString ids = Fmt(L"%d", base.GetADBaseDataID(db, TypeName, 1, error));
        const CString below = base.GetBaseChildIDsByID(db, ids, 1, names);
        if (!below.IsEmpty()) ids += L"," + below;
        where += Sql(L" and TypeID in (%s)", WholeNumbers(ids));
    }
    if (withStockOnly) where += L" and CurStock <> 0";

    SqlText select;
    if (withLimits) {
        select = Sql(L"select * from( select *,(case when %d=1 then Inprice else '' end) as InPriceEx  from products",
                     showInPrice);
        select += where;
        select += L") A left join ( select ProductName as Pro,HighLimit,LowLimit from ProductStock ) B on "
                  L"A.ProductName=B.Pro order by SearchCode,TypeName";
    } else {
        select = L"select * from products" + where;
        select += L" order by SearchCode,TypeName";
    }
    rowCount = db.execScalar(Sql(L"select count(*) from (%s)", select));
    return db.execQuery(select);
}
