// CProductsBLL: product pictures (the small one in Products.MinPicture, the large one in
// ProductPictures, one row per product name).
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

int CProductsBLL::DeleteProductPicture(CppSQLite3DB& db, CString ProductName) {
    ServiceLock lock;
    const QuotedSlot name = Quoted(ProductName);
    return Guard(LogFailedStatement(), 0, [&] {
        db.execDML(Sql(L"Update Products set MinPicture='' where ProductName='%s'", name));
        db.execDML(Sql(L"delete from ProductPictures where ProductName='%s'", name));
        return 1;
    });
}
