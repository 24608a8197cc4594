// CProductsBLL: the stock counters that the bill postings move, and the product's stock row
// in the default warehouse.
#include "common/AmountText.h"
#include "common/NumberText.h"
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

namespace {

// Moves a product's stock counter by `change` in one statement, relative to the stored value
// (kept to eight decimals, as a number written with "%.08lf" is), so that nothing read before
// can be written back stale. A missing product is touched by nothing.
void MoveProductStock(CppSQLite3DB& db, int productID, double change) {
    db.execDML(Sql(L"update products set CurStock = round(ifnull(CurStock,0) + (%.08lf), 8) where productID = %d",
                   change, productID));
}

CString ZeroIfEmpty(const CString& number) { return number.IsEmpty() ? CString(L"0.00") : number; }

}  // namespace

// --- Stock counters -------------------------------------------------------------------------------

int CProductsBLL::AddProductsStock(CppSQLite3DB& db, int ProductID, CString quantity, CString price) {
    ServiceLock lock;
    CSysBLL::GetSafeString(quantity);
    CSysBLL::GetSafeString(price);
    return Guard(Log(ErrorText::WithStatement(L"err:%s;sql=%s")), -1, [&] {
        MoveProductStock(db, ProductID, ParseAmount(quantity));
        CSysBLL().AddOperateData(db, L"products", L"productID", Fmt(L"%d", ProductID), L"U");
        // The first purchase price of a product opened without one becomes its opening cost.
        const double unitPrice = ParseAmount(price);
        if (unitPrice > 0) {
            CppSQLite3Query opening = db.execQuery(
                Sql(L"select LastCount,LastPrice from Stocks where ProductID=%d and IsSystem=1", ProductID));
            if (!opening.eof() && opening.getFloatField(L"LastPrice", 0.0) == 0.0) {
                const double lastCount = opening.getFloatField(L"LastCount", 0.0);
                opening.finalize();
                db.execDML(OpeningRowPriceSql(ProductID, unitPrice, lastCount));
            }
        }
        return 1;
    });
}

int CProductsBLL::DecProductsStock(CppSQLite3DB& db, int ProductID, CString quantity, CString /*price*/) {
    ServiceLock lock;
    CSysBLL::GetSafeString(quantity);
    MoveProductStock(db, ProductID, -ParseAmount(quantity));
    CSysBLL().AddOperateData(db, L"products", L"productID", Fmt(L"%d", ProductID), L"U");
    return 1;
}

CString CProductsBLL::GetCurStockByID(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    CppSQLite3Query row = db.execQuery(Sql(L"select CurStock from Products where ProductID=%d", ProductID));
    if (!row.eof() && row.fieldValue(L"CurStock").IsEmpty()) return L"0.00";
    return Fmt(L"%.08lf", row.eof() ? 0.0 : row.getFloatField(L"CurStock", 0.0));
}

// --- Warehouse stock -------------------------------------------------------------------------------

int CProductsBLL::DecStockProductsFromBill(CppSQLite3DB& db, int ProductID, CString quantity) {
    ServiceLock lock;
    CSysBLL::GetSafeString(quantity);
    // Relative to the stored value in one statement; a product without a stock row keeps none.
    db.execDML(Sql(L"update ProductStock set CurStock = round(ifnull(CurStock,0) - (%.08lf), 8) where productID = %d",
                   ParseAmount(quantity), ProductID));
    return 1;
}

bool CProductsBLL::AddStockProductsFromBill(CppSQLite3DB& db, CString ProductName, CString WarehouseName,
                                            CString UnitName, CString InitStock, CString quantity) {
    ServiceLock lock;
    MakeSafe({&ProductName, &WarehouseName, &UnitName, &InitStock, &quantity});
    CString highLimit = L"0", lowLimit = L"0";
    double stock = 0.0;
    CppSQLite3Query row =
        db.execQuery(Sql(L" SELECT * FROM ProductStock where ProductName = '%s' And WarehouseName='%s'",
                         Quoted(ProductName), Quoted(WarehouseName)));
    if (!row.eof()) {
        highLimit = row.getStringField(L"HighLimit", L"0");
        lowLimit = row.getStringField(L"LowLimit", L"0");
        stock = row.getFloatField(L"CurStock", 0.0);
        InitStock = L"0";
    }
    row.finalize();
    return AddStockProducts(db, ProductName, WarehouseName, UnitName, InitStock,
                            Fmt(L"%.08lf", stock - ParseAmount(quantity)), highLimit, lowLimit);
}

bool CProductsBLL::AddStockProducts(CppSQLite3DB& db, CString ProductName, CString WarehouseName, CString UnitName,
                                    CString InitStock, CString CurStock, CString HighLimit, CString LowLimit) {
    ServiceLock lock;
    MakeSafe({&ProductName, &WarehouseName, &UnitName, &InitStock, &CurStock, &HighLimit, &LowLimit});
    // Limits are kept as text but compared as numbers: a text that is no number becomes one.
    HighLimit = NumberText(ZeroIfEmpty(HighLimit));
    LowLimit = NumberText(ZeroIfEmpty(LowLimit));
    const double stock = ParseAmount(ZeroIfEmpty(CurStock));
    // A database error gives false; it is neither reported nor logged.
    return Guard(Log().NotLogged(), false, [&] {
        const int unitID = FindUnit(db, UnitName);

        CString warehouseID, warehouseCode;
        CppSQLite3Query warehouse = GetWarehouseInfo(db, 1);
        if (!warehouse.eof()) {
            warehouseID = warehouse.fieldValue(L"WarehouseID");
            warehouseCode = warehouse.getStringField(L"WarehouseCode");
        }
        warehouse.finalize();

        CppSQLite3Query product =
            db.execQuery(Sql(L"SELECT * FROM Products where ProductName = '%s'", Quoted(ProductName)));
        if (product.eof()) return false;  // a stock row needs its product
        const CString productID = product.fieldValue(L"ProductID");
        const CString searchCode = product.getStringField(L"SearchCode");
        const CString productCode = product.getStringField(L"ProductCode");
        InitStock = Fmt(L"%.08lf", product.getFloatField(L"InitStock", 0.0));  // the product's own opening stock
        product.finalize();

        const QuotedSlot id = Quoted(productID), name = Quoted(ProductName), code = Quoted(productCode),
                         search = Quoted(searchCode), unit = Quoted(UnitName), whID = Quoted(warehouseID),
                         whName = Quoted(WarehouseName), whCode = Quoted(warehouseCode), high = Quoted(HighLimit),
                         low = Quoted(LowLimit);
        CppSQLite3Query current = db.execQuery(Sql(L"SELECT * FROM ProductStock where ProductID = '%s'", id));
        if (current.eof()) {
            current.finalize();
            db.execDML(
                Sql(L"INSERT INTO ProductStock(ProductID,ProductName,ProductCode,SearchCode,WarehouseID,"
                    L"WarehouseName,WarehouseCode,UnitID,UnitName,InitStock,CurStock,HighLimit,LowLimit) "
                    L"VALUES('%s','%s','%s','%s','%s','%s','%s',%d,'%s','%s',%.08lf,'%s','%s')",
                    id, name, code, search, whID, whName, whCode, unitID, unit, Quoted(InitStock), stock, high, low));
            return true;
        }
        // The stock before this movement becomes the row's opening stock.
        const double before = current.getFloatField(L"CurStock", 0.0);
        current.finalize();
        SqlText update = Sql(
            L"Update [ProductStock] set ProductName='%s',ProductCode='%s',SearchCode='%s',WarehouseName='%s',"
            L"WarehouseCode='%s',UnitID=%d,UnitName='%s'",
            name, code, search, whName, whCode, unitID, unit);
        if (before != 0.0) update += Sql(L",InitStock=%.08lf", before);
        update += Sql(L",CurStock=%.08lf,HighLimit='%s',LowLimit='%s' Where ProductID='%s' And WarehouseID='%s'", stock,
                      high, low, id, whID);
        db.execDML(update);
        return true;
    });
}

CppSQLite3Query CProductsBLL::GetStockProducts(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    return db.execQuery(Sql(L"SELECT * FROM ProductStock WHERE ProductID=%d ", ProductID));
}

CppSQLite3Query CProductsBLL::GetWarehouseInfo(CppSQLite3DB& db, int warehouseType) {
    ServiceLock lock;
    return db.execQuery(Sql(L"SELECT * FROM warehouse WHERE WarehouseType=%d", warehouseType));
}
