// CProductsBLL: the stock counters that the bill postings move, and the product's stock row
// in the default warehouse.
#include "common/AmountText.h"
#include "common/NumberText.h"
#include "frame/SqlEscape.h"
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

namespace {

// A missing product counts as stock 0 (the update then touches nothing).
double CurrentStock(CppSQLite3DB& db, int productID) {
    CppSQLite3Query row = db.execQuery(Sql(L"select CurStock from Products where ProductID=%d", productID));
    return row.eof() ? 0.0 : row.getFloatField(L"CurStock", 0.0);
}

CString ZeroIfEmpty(const CString& number) { return number.IsEmpty() ? CString(L"0.00") : number; }

}  // namespace

// --- Stock counters -------------------------------------------------------------------------------

int CProductsBLL::AddProductsStock(CppSQLite3DB& db, int ProductID, CString quantity, CString price) {
    ServiceLock lock;
    CSysBLL::GetSafeString(quantity);
    CSysBLL::GetSafeString(price);
    CString sql;  // the statement running, for the log
    auto query = [&](const CString& text) { return db.execQuery(sql = text); };
    auto run = [&](const CString& text) { db.execDML(sql = text); };
    try {
        CppSQLite3Query product = query(Sql(L"select CurStock from Products where ProductID=%d", ProductID));
        const double stock = (product.eof() ? 0.0 : product.getFloatField(L"CurStock", 0.0)) + ParseAmount(quantity);
        product.finalize();
        run(Sql(L"update products set CurStock = %.08lf where productID = %d", stock, ProductID));
        CSysBLL().AddOperateData(db, L"products", L"productID", Sql(L"%d", ProductID), L"U");
        // The first purchase price of a product opened without one becomes its opening cost.
        const double unitPrice = ParseAmount(price);
        if (unitPrice > 0) {
            CppSQLite3Query opening =
                query(Sql(L"select LastCount,LastPrice from Stocks where ProductID=%d and IsSystem=1", ProductID));
            if (!opening.eof() && opening.getFloatField(L"LastPrice", 0.0) == 0.0) {
                const double lastCount = opening.getFloatField(L"LastCount", 0.0);
                opening.finalize();
                run(OpeningRowPriceSql(ProductID, unitPrice, lastCount));
            }
        }
        return 1;
    } catch (CppSQLite3Exception& e) {
        LogLine(Sql(L"err:%s;sql=%s", e.errorMessage(), sql));
        return -1;
    }
}

int CProductsBLL::DecProductsStock(CppSQLite3DB& db, int ProductID, CString quantity, CString /*price*/) {
    ServiceLock lock;
    CSysBLL::GetSafeString(quantity);
    const double stock = CurrentStock(db, ProductID) - ParseAmount(quantity);
    db.execDML(Sql(L"update products set CurStock = %.08lf where productID = %d", stock, ProductID));
    CSysBLL().AddOperateData(db, L"products", L"productID", Sql(L"%d", ProductID), L"U");
    return 1;
}

CString CProductsBLL::GetCurStockByID(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    CppSQLite3Query row = db.execQuery(Sql(L"select CurStock from Products where ProductID=%d", ProductID));
    if (!row.eof() && row.fieldValue(L"CurStock").IsEmpty()) return L"0.00";
    return Sql(L"%.08lf", row.eof() ? 0.0 : row.getFloatField(L"CurStock", 0.0));
}

// --- Warehouse stock -------------------------------------------------------------------------------

int CProductsBLL::DecStockProductsFromBill(CppSQLite3DB& db, int ProductID, CString quantity) {
    ServiceLock lock;
    CSysBLL::GetSafeString(quantity);
    CppSQLite3Query row = db.execQuery(Sql(L"select CurStock from ProductStock where ProductID=%d", ProductID));
    if (row.eof()) return 1;
    const double stock = row.getFloatField(L"CurStock", 0.0) - ParseAmount(quantity);
    row.finalize();
    db.execDML(Sql(L"update ProductStock set CurStock = %.08lf where productID = %d", stock, ProductID));
    return 1;
}

bool CProductsBLL::AddStockProductsFromBill(CppSQLite3DB& db, CString ProductName, CString WarehouseName,
                                            CString UnitName, CString InitStock, CString quantity) {
    ServiceLock lock;
    MakeSafe({&ProductName, &WarehouseName, &UnitName, &InitStock, &quantity});
    CString highLimit = L"0", lowLimit = L"0";
    double stock = 0.0;
    CppSQLite3Query row = db.execQuery(Sql(
        L" SELECT * FROM ProductStock where ProductName = '%s' And WarehouseName='%s'", ProductName, WarehouseName));
    if (!row.eof()) {
        highLimit = row.getStringField(L"HighLimit", L"0");
        lowLimit = row.getStringField(L"LowLimit", L"0");
        stock = row.getFloatField(L"CurStock", 0.0);
        InitStock = L"0";
    }
    row.finalize();
    return AddStockProducts(db, ProductName, WarehouseName, UnitName, InitStock,
                            Sql(L"%.08lf", stock - ParseAmount(quantity)), highLimit, lowLimit);
}

bool CProductsBLL::AddStockProducts(CppSQLite3DB& db, CString ProductName, CString WarehouseName, CString UnitName,
                                    CString InitStock, CString CurStock, CString HighLimit, CString LowLimit) {
    ServiceLock lock;
    MakeSafe({&ProductName, &WarehouseName, &UnitName, &InitStock, &CurStock, &HighLimit, &LowLimit});
    // Limits are kept as text but compared as numbers: a text that is no number becomes one.
    HighLimit = NumberText(ZeroIfEmpty(HighLimit));
    LowLimit = NumberText(ZeroIfEmpty(LowLimit));
    const double stock = ParseAmount(ZeroIfEmpty(CurStock));
    try {
        const int unitID = FindUnit(db, UnitName);

        CString warehouseID, warehouseCode;
        CppSQLite3Query warehouse = GetWarehouseInfo(db, 1);
        if (!warehouse.eof()) {
            warehouseID = warehouse.fieldValue(L"WarehouseID");
            warehouseCode = warehouse.getStringField(L"WarehouseCode");
        }
        warehouse.finalize();

        CppSQLite3Query product = db.execQuery(Sql(L"SELECT * FROM Products where ProductName = '%s'", ProductName));
        if (product.eof()) return false;  // a stock row needs its product
        const CString productID = product.fieldValue(L"ProductID");
        const CString searchCode = product.getStringField(L"SearchCode");
        const CString productCode = product.getStringField(L"ProductCode");
        InitStock = Sql(L"%.08lf", product.getFloatField(L"InitStock", 0.0));  // the product's own opening stock
        product.finalize();

        const CString code = EscapeQuotes(productCode), search = EscapeQuotes(searchCode);
        const CString whCode = EscapeQuotes(warehouseCode);
        CppSQLite3Query current = db.execQuery(Sql(L"SELECT * FROM ProductStock where ProductID = '%s'", productID));
        if (current.eof()) {
            current.finalize();
            db.execDML(
                Sql(L"INSERT INTO ProductStock(ProductID,ProductName,ProductCode,SearchCode,WarehouseID,"
                    L"WarehouseName,WarehouseCode,UnitID,UnitName,InitStock,CurStock,HighLimit,LowLimit) "
                    L"VALUES('%s','%s','%s','%s','%s','%s','%s',%d,'%s','%s',%.08lf,'%s','%s')",
                    productID, ProductName, code, search, warehouseID, WarehouseName, whCode, unitID, UnitName,
                    InitStock, stock, HighLimit, LowLimit));
            return true;
        }
        // The stock before this movement becomes the row's opening stock.
        const double before = current.getFloatField(L"CurStock", 0.0);
        current.finalize();
        const CString openingFragment = before != 0.0 ? Sql(L",InitStock=%.08lf", before) : CString();
        db.execDML(
            Sql(L"Update [ProductStock] set ProductName='%s',ProductCode='%s',SearchCode='%s',WarehouseName='%s',"
                L"WarehouseCode='%s',UnitID=%d,UnitName='%s'",
                ProductName, code, search, WarehouseName, whCode, unitID, UnitName) +
            openingFragment +
            Sql(L",CurStock=%.08lf,HighLimit='%s',LowLimit='%s' Where ProductID='%s' And WarehouseID='%s'", stock,
                HighLimit, LowLimit, productID, warehouseID));
        return true;
    } catch (CppSQLite3Exception&) {
        return false;
    }
}

CppSQLite3Query CProductsBLL::GetStockProducts(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    return db.execQuery(Sql(L"SELECT * FROM ProductStock WHERE ProductID=%d ", ProductID));
}

CppSQLite3Query CProductsBLL::GetWarehouseInfo(CppSQLite3DB& db, int warehouseType) {
    ServiceLock lock;
    return db.execQuery(Sql(L"SELECT * FROM warehouse WHERE WarehouseType=%d", warehouseType));
}
