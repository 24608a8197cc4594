// CProductsBLL: switching products off and on, and moving them to another type.
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
    // The IDs stand unquoted: anything but a whole number fails the first statement before it runs.
    const NumberSlot type = WholeNumber(TypeID), product = WholeNumber(ProductID);
    const QuotedSlot name = Quoted(TypeName);
    db.execDML(Sql(L"UPDATE Products SET TypeID=%s,TypeName='%s' WHERE ProductID=%s;", type, name, product));
    db.execDML(Sql(L"UPDATE SaleBillItems SET TypeID=%s,TypeName='%s' WHERE ProductID=%s;", type, name, product));
    db.execDML(Sql(L"UPDATE Stocks SET TypeID=%s,TypeName='%s' WHERE ProductID=%s;", type, name, product));
    CSysBLL().AddOperateData(db, L"Products", L"productID", product.text, L"U");
    return 1;
}
