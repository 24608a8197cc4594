// CProductsBLL: switching products off and on, and moving them to another type.
#include "common/NumberText.h"
#include "frame/SqlEscape.h"
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

int CProductsBLL::DisableProduct(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    CppSQLite3Query row = db.execQuery(Sql(L"select IsDisable from Products where ProductID=%d", ProductID));
    if (row.eof() || row.getIntField(L"IsDisable", 0) != 0) return 0;
    row.finalize();
    db.execDML(Sql(L"Update Products set  IsDisable = 1 where productID = %d", ProductID));
    return 1;
}

int CProductsBLL::EnableProduct(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    db.execDML(Sql(L"Update Products set  IsDisable = 0 where productID = %d", ProductID));
    return 1;
}

int CProductsBLL::ChangProdType(CppSQLite3DB& db, CString TypeID, CString TypeName, CString ProductID) {
    ServiceLock lock;
    // The IDs go into the statements unquoted: anything but a whole number could reach
    // other products' rows.
    int typeID = 0, productID = 0;
    if (!ParseIntText(TypeID, typeID) || !ParseIntText(ProductID, productID)) return 0;
    const CString type = Sql(L"%d", typeID), product = Sql(L"%d", productID), name = EscapeQuotes(TypeName);
    db.execDML(Sql(L"UPDATE Products SET TypeID=%s,TypeName='%s' WHERE ProductID=%s;", type, name, product));
    db.execDML(Sql(L"UPDATE SaleBillItems SET TypeID=%s,TypeName='%s' WHERE ProductID=%s;", type, name, product));
    db.execDML(Sql(L"UPDATE Stocks SET TypeID=%s,TypeName='%s' WHERE ProductID=%s;", type, name, product));
    CSysBLL().AddOperateData(db, L"Products", L"productID", product, L"U");
    return 1;
}
