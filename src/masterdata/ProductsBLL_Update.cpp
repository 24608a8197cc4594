// CProductsBLL: editing a product. The edit carries the new name, code, type and unit into
// every table that keeps a copy, and keeps the opening stock and the opening ledger row in
// step with what the user typed as current stock and purchase price.
#include "common/AmountText.h"
#include "common/NumberText.h"
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

int CProductsBLL::UpdateProducts(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode,
                                 CString TypeName, CString UnitName, CString CurStock, CString InPrice, CString Price,
                                 CString WholesalePrice, CString Remark, CString SecUnitName, CString Coefficient) {
    ServiceLock lock;
    MakeSafe({&ProductName, &ProductCode, &TypeName, &UnitName, &CurStock, &InPrice, &Price, &WholesalePrice,
              &SecUnitName, &Coefficient});
    if (ProductName.IsEmpty() || GetProductsByID(db, ProductID).eof()) return 0;
    const CString searchCode = SearchCodeOf(ProductName);

    if (IsExists(db, ProductID, ProductName, ProductCode)) {
        if (!IsExistsNet(db, ProductName, L"")) return 2;
        // The name belongs to an online product: the shop's own product takes it over.
        db.execDML(Sql(L"Delete From Products where ProductName = '%s' and ProductCode = '%s' and IsLocal = 0",
                       Quoted(ProductName), Quoted(ProductCode)));
        db.execDML(Sql(L"INSERT INTO ProdCache(Flag,UpdateValue)VALUES(5,'%s|%s|%s');", Quoted(searchCode),
                       Quoted(ProductName), Quoted(TypeName)));
    }

    CommonUpdate(db, ProductID, ProductName, ProductCode, TypeName, UnitName, CurStock, InPrice, Price, WholesalePrice,
                 Remark, SecUnitName, Coefficient);

    const QuotedSlot search = Quoted(searchCode);
    db.execDML(
        Sql(L" UPDATE CompPrice SET ProductCode='%s', ProductName= '%s' , ProdSearchCode='%s' WHERE ProductID=%d",
            Quoted(ProductCode), Quoted(ProductName), search, ProductID));
    for (const wchar_t* table : {L"SaleBillItems", L"SaleOrderBillItems", L"PurBillItems", L"Stocks", L"CompPrice"})
        db.execDML(Sql(L"UPDATE %s Set SearchCode = '%s' WHERE ProductID = %d", table, search, ProductID));

    // Before any bill the opening row takes the purchase price as typed.
    if (!IsHasBill(db, ProductID)) {
        CppSQLite3Query opening =
            db.execQuery(Sql(L" SELECT * FROM  Stocks  WHERE ProductID=%d AND BillType='期初'", ProductID));
        if (!opening.eof()) {
            const double lastCount = opening.getFloatField(L"LastCount", 0.0);
            opening.finalize();
            db.execDML(
                Sql(L"UPDATE Stocks SET LastPrice = '%s',LastAmount=%0.8lf WHERE ProductID=%d AND BillType='期初' ;",
                    Quoted(NumberText(InPrice)), lastCount * ParseAmount(InPrice), ProductID));
        }
    }
    return 1;
}

int CProductsBLL::CommonUpdate(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode,
                               CString TypeName, CString UnitName, CString CurStock, CString InPrice, CString Price,
                               CString WholesalePrice, CString Remark, CString SecUnitName, CString Coefficient) {
    ServiceLock lock;
    MakeSafe({&ProductName, &ProductCode, &TypeName, &UnitName, &CurStock, &InPrice, &Price, &WholesalePrice,
              &SecUnitName, &Coefficient});
    const CString searchCode = SearchCodeOf(ProductName);
    int unitID = FindOrCreateUnit(db, UnitName);
    const int secUnitID = FindOrCreateUnit(db, SecUnitName);

    CppSQLite3Query old = GetProductsByID(db, ProductID);
    const CString oldName = old.getStringField(L"ProductName"), oldCode = old.getStringField(L"ProductCode");
    const CString oldType = old.getStringField(L"TypeName"), oldUnit = old.getStringField(L"UnitName");
    const int oldTypeID = old.getIntField(L"TypeID", 0), oldUnitID = old.getIntField(L"UnitID", 0);
    const double oldInit = old.getFloatField(L"InitStock", 0.0), oldCur = old.getFloatField(L"CurStock", 0.0);
    const CString oldEntry = old.eof() ? CString() : ProductEntryOf(old);
    old.finalize();

    if (TypeName.IsEmpty()) TypeName = oldType;
    if (UnitName.IsEmpty()) {
        UnitName = oldUnit;
        unitID = oldUnitID;
    }
    // The typed stock is the new current stock; the opening stock moves by the same amount.
    const double newCur = ParseAmount(CurStock);
    const double newInit = newCur + oldInit - oldCur;
    const double inPrice = ParseAmount(InPrice);
    const int typeID = FindOrCreateProductType(db, TypeName);

    CSysBLL sys;
    const QuotedSlot name = Quoted(ProductName), code = Quoted(ProductCode), type = Quoted(TypeName),
                     unit = Quoted(UnitName);
    SqlText update = Sql(L"update Products set ProductName='%s',ProductCode='%s',SearchCode='%s',", name, code,
                         Quoted(searchCode));
    if (typeID > 0) update += Sql(L"TypeName='%s',TypeID=%d,", type, typeID);
    update += Sql(L"UnitID=%d,UnitName='%s',IsDisable=0,InitStock=%.08lf,CurStock=%.08lf,InPrice=%.08lf,Price=%.08lf,"
                  L"WholesalePrice=%.08lf,LastUpdateDate='%s',isLocal=1,Remark='%s',SecUnitID=%d,SecUnitName='%s',"
                  L"Coefficient='%s' where ProductID = '%d'",
                  unitID, unit, newInit, newCur, inPrice, ParseAmount(Price), ParseAmount(WholesalePrice),
                  Quoted(sys.GetTimeNowLong()), Quoted(Remark), secUnitID, Quoted(SecUnitName), Quoted(Coefficient),
                  ProductID);
    db.execDML(update);
    sys.AddOperateData(db, L"Products", L"productID", Fmt(L"%d", ProductID), L"U");

    const bool typeChanged = typeID > 0 && TypeName != oldType;
    if (ProductName != oldName || ProductCode != oldCode || UnitName != oldUnit || typeChanged) {
        const int copyTypeID = typeID > 0 ? typeID : oldTypeID;
        auto copyInto = [&](const wchar_t* table) {
            db.execDML(
                Sql(L"UPDATE %s Set ProductName = '%s', ProductCode = '%s', TypeName = '%s', UnitID= %d, "
                    L"UnitName = '%s',TypeID=%d WHERE ProductID = %d",
                    table, name, code, type, unitID, unit, copyTypeID, ProductID));
        };
        copyInto(L"SaleBillItems");
        copyInto(L"PurBillItems");
        copyInto(L"Stocks");
        // Customer prices are kept per unit: only those of the old base unit follow it.
        db.execDML(
            Sql(L"UPDATE CompPrice Set ProductName = '%s', ProductCode = '%s', TypeName = '%s',TypeID=%d WHERE "
                L"ProductID = %d",
                name, code, type, copyTypeID, ProductID));
        db.execDML(Sql(L"UPDATE CompPrice Set UnitID= %d, UnitName = '%s' WHERE ProductID = %d AND UnitName = '%s'",
                       unitID, unit, ProductID, Quoted(oldUnit)));
        copyInto(L"SaleOrderBillItems");
    }

    // The opening ledger row follows the opening stock, and takes a price once it has none.
    const int ledgerRows = db.execScalar(Sql(L"select count(*) from Stocks where ProductID=%d", ProductID));
    const OpeningRow opening = ReadOpeningRow(db, ProductID);
    double openingCount = opening.lastCount;
    const bool stockChanged = !SameAmount(newCur, oldCur);
    if (stockChanged || (ledgerRows == 1 && !SameAmount(inPrice, opening.lastPrice))) {
        const double price = opening.lastPrice > 0 ? opening.lastPrice : inPrice;
        CStocksBLL().UpdateStock(db, ProductID, newInit, price);
        db.execDML(Sql(L"Update Products set InitAmount = %.08lf where productID = %d", newInit * price, ProductID));
        openingCount = newInit;
    }
    if (opening.lastPrice <= 0 && inPrice > 0) db.execDML(OpeningRowPriceSql(ProductID, inPrice, openingCount));

    WriteProdCache(db, kProdUpdated, ProductEntry(searchCode, ProductName, TypeName), oldEntry);
    return 1;
}
