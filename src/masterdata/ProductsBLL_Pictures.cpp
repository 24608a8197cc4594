// CProductsBLL: product pictures (the small one in Products.MinPicture, the large one in
// ProductPictures, one row per product name).
#include "frame/SqlEscape.h"
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

int CProductsBLL::DeleteProductPicture(CppSQLite3DB& db, CString ProductName) {
    ServiceLock lock;
    const CString name = EscapeQuotes(ProductName);
    CString sql;
    try {
        sql = Sql(L"Update Products set MinPicture='' where ProductName='%s'", name);
        db.execDML(sql);
        sql = Sql(L"delete from ProductPictures where ProductName='%s'", name);
        db.execDML(sql);
        return 1;
    } catch (CppSQLite3Exception& e) {
        LogStatementError(e, sql);
        return 0;
    }
}
