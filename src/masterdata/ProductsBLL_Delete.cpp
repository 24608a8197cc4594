// CProductsBLL: deleting products, and what tells whether one may be deleted.
#include "documents/OrderSaleBLL.h"
#include "documents/PurBLL.h"
#include "documents/SaleBLL.h"
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

bool CProductsBLL::IsDeletable(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    CString error;
    // A count that could not be read (-1) keeps the product: deleting a used product would
    // leave bill lines without it.
    return CSaleBLL().QueryBillByProductID(db, ProductID, error) == 0 &&
           CPurBLL().QueryBillByProductID(db, ProductID, error) == 0 &&
           COrderSaleBLL().QueryBillByProductID(db, ProductID, error) == 0;
}

bool CProductsBLL::IsHasBill(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    return db.execScalar(Sql(L"SELECT COUNT(*) FROM Stocks WHERE ProductID=%d AND BillType != '期初' ", ProductID)) >=
           1;
}

int CProductsBLL::DeleteProducts(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    CString name, entry;
    int isLocal = -1;  // the row is missing
    CppSQLite3Query row = db.execQuery(Sql(L" SELECT * FROM Products WHERE ProductID=%d ;", ProductID));
    if (!row.eof()) {
        name = row.getStringField(L"ProductName");
        isLocal = row.getIntField(L"IsLocal", 0);
    }
    entry = row.eof() ? ProductEntry(L"", L"", L"") : ProductEntryOf(row);
    row.finalize();

    WriteProdCache(db, isLocal == 1 ? kLocalProdDeleted : kNetProdRemoved, entry);
    db.execDML(Sql(L"Delete From Products where ProductID=%d", ProductID));
    db.execDML(Sql(L"Delete From ProductStock where ProductID='%d'", ProductID));
    // Pictures go by name; a missing product has none (an empty name would match others).
    if (isLocal != -1) DeleteProductPicture(db, name);
    if (isLocal == 1) {
        db.execDML(Sql(L"Delete From Stocks where ProductID=%d", ProductID));
        db.execDML(Sql(L"Delete From CompPrice where ProductID=%d", ProductID));
    }
    db.execDML(Sql(L"Delete From net_tbprodvyr where prodid='%d'", ProductID));
    // Costs are worked out over all products together: the next full run redoes them.
    db.execDML(L"Update Stocks set IsCale2 = 0 where IsSystem = 1");
    CSysBLL().AddOperateData(db, L"Products", L"ProductID", Fmt(L"%d", ProductID), L"D");
    return 1;
}
