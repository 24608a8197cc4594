// CProductsBLL: adding products. A name is a product's identity among the shop's own
// products: adding an existing name finds the product instead (taking over an online
// product of that name, or enabling a disabled one again).
#include "common/AmountText.h"
#include "common/NumberText.h"
#include "masterdata/BaseBLL.h"
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

CppSQLite3Query CProductsBLL::AddProducts(CppSQLite3DB& db, CString ProductName, CString ProductCode, CString TypeName,
                                          CString UnitName, CString InitStock, CString InPrice, CString Price,
                                          CString WholesalePrice, CString SecUnitName, CString Coefficient,
                                          bool returnTypeList, CString Remark, bool& exists) {
    ServiceLock lock;
    exists = false;
    MakeSafe({&ProductName, &ProductCode, &TypeName, &UnitName, &InitStock, &InPrice, &Price, &WholesalePrice,
              &SecUnitName, &Coefficient});
    for (CString* number : {&InitStock, &InPrice, &Price, &WholesalePrice})
        if (number->IsEmpty()) *number = L"0.00";
    if (ProductName.IsEmpty()) return CppSQLite3Query();  // a product needs a name
    const CString searchCode = SearchCodeOf(ProductName);

    auto found = [&](const CString& typeName) {
        return returnTypeList ? GetProductsByType(db, typeName, false)
                              : GetProductByNameCode(db, ProductName, ProductCode);
    };

    if (IsExists(db, ProductName)) {
        if (IsExistsNet(db, ProductName, L"")) {
            // A local product replaces the online one of the same name, keeping its unit.
            CppSQLite3Query online =
                db.execQuery(Sql(L" SELECT * FROM Products WHERE ProductName='%s' and IsLocal=0", Quoted(ProductName)));
            const CString onlineID = online.fieldValue(L"ProductID");
            const CString onlineUnit = online.getStringField(L"UnitName");
            const CString onlineEntry = ProductEntryOf(online);
            online.finalize();
            if (!onlineID.IsEmpty()) {
                db.execDML(Sql(L" DELETE FROM Products WHERE ProductID =%s ", WholeNumber(onlineID)));
                WriteProdCache(db, kNetProdRemoved, ProductEntry(searchCode, ProductName, TypeName), onlineEntry);
                return AddProducts(db, ProductName, ProductCode, TypeName, onlineUnit, L"0", InPrice, Price,
                                   WholesalePrice, L"", L"", returnTypeList, Remark, exists);
            }
        }
        CppSQLite3Query same = GetProductByNameCode(db, ProductName, ProductCode);
        if (!same.eof() && same.getIntField(L"IsDisable", 0) == 1) {
            const int productID = same.getIntField(L"ProductID", 0);
            CString ownUnit = same.getStringField(L"UnitName");
            same.finalize();
            db.execDML(Sql(L"Update Products set IsDisable=0, IsDelete=0 where ProductID=%d", productID));
            WriteProdCache(db, kProdAdded, ProductEntry(searchCode, ProductName, TypeName));
            if (ownUnit.Trim().IsEmpty() && !UnitName.IsEmpty())
                db.execDML(Sql(L"UPDATE Products SET UnitID=%d,UnitName='%s' WHERE ProductID=%d",
                               FindOrCreateUnit(db, UnitName), Quoted(UnitName), productID));
            return found(TypeName);
        }
        same.finalize();
        exists = true;
        return GetProductByNameCode(db, ProductName, ProductCode);
    }

    // A new product.
    const int unitID = FindOrCreateUnit(db, UnitName);
    const int secUnitID = FindOrCreateUnit(db, SecUnitName);
    if (TypeName.IsEmpty()) TypeName = CBaseBLL().GetDefaultTypeName(db);
    const int typeID = FindOrCreateProductType(db, TypeName);
    const double opening = ParseAmount(InitStock), cost = ParseAmount(InPrice), sale = ParseAmount(Price);
    CSysBLL sys;
    db.execDML(
        Sql(L"INSERT INTO Products(ServerID,ProductName,ProductCode,SearchCode,UnitID,UnitName,TypeID,TypeName,"
            L"InPrice,Price,OutPrice,WholesalePrice,InitStock,InitAmount,CurStock,SyncState,CreateDate,"
            L"LastUpdateDate,Remark,SecUnitID,SecUnitName,Coefficient) VALUES(0,'%s','%s','%s',%d,'%s',%d,'%s',"
            L"%.08lf,%.08lf,%.08lf,%.08lf,%.08lf,%.08lf,%.08lf,0,'%s','%s','%s','%d','%s','%s')",
            Quoted(ProductName), Quoted(ProductCode), Quoted(searchCode), unitID, Quoted(UnitName), typeID,
            Quoted(TypeName), cost, sale, sale, ParseAmount(WholesalePrice), opening, opening * cost, opening,
            Quoted(sys.GetTimeNowLong()), Quoted(sys.GetTimeNowLong()), Quoted(Remark), secUnitID,
            Quoted(SecUnitName), Quoted(Coefficient)));
    sys.AddOperateData(db, L"Products", L"ProductName", ProductName, L"A");
    WriteProdCache(db, kProdAdded, ProductEntry(searchCode, ProductName, TypeName));

    int productID = 0;
    for (CppSQLite3Query q = GetProductByNameCode(db, ProductName, ProductCode); !q.eof(); q.nextRow())
        productID = q.getIntField(L"ProductID", 0);
    CStocksBLL().AddStockVirtual(db, sys.GetTimeNowShort(), productID, ProductName, ProductCode, TypeName, UnitName,
                                 NumberText(InitStock), NumberText(InPrice));
    return found(TypeName);
}

CppSQLite3Query CProductsBLL::AddProducts(CppSQLite3DB& db, CString ProductName, CString ProductCode, CString UnitName,
                                          CString Price) {
    ServiceLock lock;
    bool exists = false;
    return AddProducts(db, ProductName, ProductCode, L"", UnitName, L"0.0000", L"0.0000", Price, Price, L"", L"", false,
                       L"", exists);
}
