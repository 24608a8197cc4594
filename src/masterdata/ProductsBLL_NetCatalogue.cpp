// CProductsBLL: the online catalogue. Products of the online shop's list are rows with
// IsLocal 0; the shop adopts one as its own product in place (same ProductID), one at a time
// or while importing a catalogue type.
#include "common/AmountText.h"
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

namespace {

// What the caller gives for an adopted product, made safe, empty numbers as "0.00".
struct AdoptedProduct {
    CString name, code, type, unit, initStock, inPrice, price;

    AdoptedProduct(CString n, CString c, CString t, CString u, CString stock, CString cost, CString sale)
        : name(n), code(c), type(t), unit(u), initStock(stock), inPrice(cost), price(sale) {
        MakeSafe({&name, &code, &type, &unit, &initStock, &inPrice, &price});
        for (CString* number : {&initStock, &inPrice, &price})
            if (number->IsEmpty()) *number = L"0.00";
    }
};

// The catalogue row an adoption starts from.
struct CatalogueRow {
    bool found = false;
    bool online = false;
    CString code, type, entry;
};

CatalogueRow ReadCatalogueRow(CppSQLite3DB& db, int productID) {
    CatalogueRow row;
    CppSQLite3Query q = db.execQuery(Sql(L"Select * from Products where ProductID=%d", productID));
    if (q.eof()) return row;
    row.found = true;
    row.online = q.getIntField(L"IsLocal") == 0;
    row.code = q.getStringField(L"ProductCode");
    row.type = q.getStringField(L"TypeName");
    row.entry = ProductEntryOf(q);
    return row;
}

void Journal(CppSQLite3DB& db, const wchar_t* keyColumn, const CString& key, const wchar_t* operation) {
    CSysBLL().AddOperateData(db, L"Products", keyColumn, key, operation);
}

// Makes the online row a local product with the given details and opens its ledger. The
// checks are done; `row` is the online row as it was.
int Adopt(CppSQLite3DB& db, CProductsBLL& products, int productID, AdoptedProduct p, const CatalogueRow& row,
          bool& exists, bool writeCache) {
    if (p.code.IsEmpty()) p.code = products.GetProductCode(db, productID);
    if (products.IsExists(db, productID, p.name, p.code)) {
        exists = true;
        return 0;
    }
    if (p.type.IsEmpty()) p.type = row.type;
    const int unitID = FindOrCreateUnit(db, p.unit);
    const int typeID = FindOrCreateProductType(db, p.type);
    const CString searchCode = SearchCodeOf(p.name);
    const double opening = ParseAmount(p.initStock), cost = ParseAmount(p.inPrice);
    db.execDML(
        Sql(L"Update Products set IsDisable=0, ProductName='%s', ProductCode='%s',searchCode = '%s', IsLocal = 1, "
            L"InitStock=%.08lf,CurStock=%.08lf,InPrice=%.08lf,Price=%.08lf,UnitID=%d, UnitName='%s',TypeID=%d,"
            L"TypeName ='%s' where ProductID=%d ",
            Quoted(p.name), Quoted(p.code), Quoted(searchCode), opening, opening, cost, ParseAmount(p.price), unitID,
            Quoted(p.unit), typeID, Quoted(p.type), productID));
    // The opening stock's value, as for a product added by hand.
    db.execDML(Sql(L"Update Products set InitAmount = %.08lf where productID = %d", opening * cost, productID));
    Journal(db, L"productID", Fmt(L"%d", productID), L"U");
    if (writeCache) {
        // Off the online list, onto the local one.
        WriteProdCache(db, kNetProdRemoved, row.entry);
        WriteProdCache(db, kProdAdded, ProductEntry(searchCode, p.name, p.type));
    }
    // A product taken back into the catalogue and adopted again keeps its one opening row.
    CStocksBLL stocks;
    if (ReadOpeningRow(db, productID).found)
        stocks.UpdateStock(db, productID, opening, cost);
    else
        stocks.AddStockVirtual(db, CSysBLL().GetTimeNowShort(), productID, p.name, p.code, p.type, p.unit, p.initStock,
                               p.inPrice);
    return 1;
}

}  // namespace

int CProductsBLL::AddProductsNet(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode,
                                 CString TypeName, CString UnitName, CString InitStock, CString InPrice, CString Price,
                                 bool& exists) {
    ServiceLock lock;
    exists = false;
    const AdoptedProduct product(ProductName, ProductCode, TypeName, UnitName, InitStock, InPrice, Price);
    if (product.name.IsEmpty()) return -1;
    const CatalogueRow row = ReadCatalogueRow(db, ProductID);
    if (!row.found) return -1;
    if (!row.online) {  // adopted before
        exists = true;
        return 0;
    }
    return Adopt(db, *this, ProductID, product, row, exists, true);
}

int CProductsBLL::AddProductsNetFromImport(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode,
                                           CString TypeName, CString UnitName, CString InitStock, CString InPrice,
                                           CString Price, bool& exists, bool writeCache) {
    ServiceLock lock;
    exists = false;
    const AdoptedProduct product(ProductName, ProductCode, TypeName, UnitName, InitStock, InPrice, Price);
    if (product.name.IsEmpty()) return -1;
    const CatalogueRow row = ReadCatalogueRow(db, ProductID);
    if (!row.found) return -1;
    if (!row.online) {
        exists = true;
        return 0;
    }
    const QuotedSlot name = Quoted(product.name);
    const int localTwins =
        product.code.IsEmpty()
            ? db.execScalar(Sql(L"Select count(1) From products\t\tWhere productName = '%s' AND IsLocal=1  ;", name))
            : db.execScalar(Sql(L"select count(1) from (select ProductID from Products where ProductName='%s' and "
                                L"IsLocal=1 union all select ProductID from Products where ProductCode='%s' and "
                                L"IsLocal=1)",
                                name, Quoted(product.code)));
    if (localTwins > 0) {
        // The shop already has this product: the catalogue's copy goes.
        db.execDML(Sql(L" DELETE FROM Products WHERE ProductID=%d ;", ProductID));
        Journal(db, L"ProductID", Fmt(L"%d", ProductID), L"D");
        if (writeCache) WriteProdCache(db, kNetProdRemoved, row.entry);
        exists = true;
        return 0;
    }
    return Adopt(db, *this, ProductID, product, row, exists, writeCache);
}

void CProductsBLL::AddSysNetProducts(CppSQLite3DB& db, CString ProductName, CString ProductCode, CString TypeName,
                                     CString UnitName, CString InPrice, CString Price, CString NetPrice,
                                     bool writeCache) {
    ServiceLock lock;
    MakeSafe({&ProductName, &ProductCode, &TypeName, &UnitName, &InPrice, &Price, &NetPrice});
    if (ProductName.IsEmpty() || IsExistsNameOrCode(db, ProductName, ProductCode)) return;
    const CString searchCode = SearchCodeOf(ProductName);
    const int unitID = FindOrCreateUnit(db, UnitName);
    const int typeID = FindOrCreateProductType(db, TypeName);
    const CString now = CSysBLL().GetTimeNowLong();
    db.execDML(
        Sql(L"INSERT INTO Products(ServerID,ProductName,ProductCode,SearchCode,UnitID,UnitName,TypeID,TypeName,"
            L"InPrice,Price,NetPrice,InitStock,InitAmount,CurStock,SyncState,CreateDate,LastUpdateDate,Remark,"
            L"IsLocal) VALUES(0,'%s','%s','%s',%d,'%s',%d,'%s',%.08lf,%.08lf,%.08lf,%.08lf,%.08lf,%.08lf,0,"
            L"'%s','%s','',0)",
            Quoted(ProductName), Quoted(ProductCode), Quoted(searchCode), unitID, Quoted(UnitName), typeID,
            Quoted(TypeName), ParseAmount(InPrice), ParseAmount(Price), ParseAmount(NetPrice), 0.0, 0.0, 0.0,
            Quoted(now), Quoted(now)));
    Journal(db, L"ProductName", ProductName, L"A");
    if (writeCache) WriteProdCache(db, kProdAdded, ProductEntry(searchCode, ProductName, TypeName));
}

int CProductsBLL::UpdateSysNetProducts(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode,
                                       CString TypeName, CString UnitName, CString InitStock, CString InPrice,
                                       CString Price) {
    ServiceLock lock;
    MakeSafe({&ProductName, &ProductCode, &TypeName, &UnitName, &InitStock, &InPrice, &Price});
    if (ProductName.IsEmpty()) return 0;
    const CatalogueRow row = ReadCatalogueRow(db, ProductID);
    if (!row.found || !row.online) return 0;
    const CString searchCode = SearchCodeOf(ProductName);
    const double stock = ParseAmount(InitStock);
    SqlText typeColumns;
    if (!TypeName.IsEmpty())
        typeColumns = Sql(L"TypeName='%s',TypeID=%d,", Quoted(TypeName), FindOrCreateProductType(db, TypeName));
    db.execDML(
        Sql(L"update Products set ProductName='%s',ProductCode='%s',SearchCode='%s',UnitID=%d,UnitName='%s',%s"
            L"IsDisable=0,InitStock=%.08lf,CurStock=%.08lf,InPrice=%.08lf,Price=%.08lf,LastUpdateDate='%s' "
            L"where ProductID = '%d' and IsLocal=0",
            Quoted(ProductName), Quoted(ProductCode), Quoted(searchCode), FindOrCreateUnit(db, UnitName),
            Quoted(UnitName), typeColumns, stock, stock, ParseAmount(InPrice), ParseAmount(Price),
            Quoted(CSysBLL().GetTimeNowLong()), ProductID));
    Journal(db, L"productID", Fmt(L"%d", ProductID), L"U");
    WriteProdCache(db, kProdUpdated, ProductEntry(searchCode, ProductName, TypeName.IsEmpty() ? row.type : TypeName),
                   row.entry);
    return 1;
}

CppSQLite3Query CProductsBLL::GetNetProducts(CppSQLite3DB& db, CString TypeName, CString /*unused*/, long& rowCount) {
    ServiceLock lock;
    const int typeID = db.execScalar(Sql(L"select ID from SystemProdType where TypeName = '%s'", Quoted(TypeName)));
    const SqlText rows =
        Sql(L"select * from Products where IsLocal = 0 and TypeName in (select TypeName from "
            L"SystemProdType where (ParentID = %d or ID = %d)) ",
            typeID, typeID);
    rowCount = db.execScalar(L"select count(*) from (" + rows + SqlText(L")"));
    return db.execQuery(rows);
}

int CProductsBLL::SetNetProductsLocal(CppSQLite3DB& db, int ProductID, int isLocal) {
    ServiceLock lock;
    return db.execDML(Sql(L"update Products set IsLocal = %d where ProductID = %d", isLocal, ProductID));
}

void CProductsBLL::UpdateNetPrice(CppSQLite3DB& db, CString price, CString ProductName) {
    ServiceLock lock;
    price.Trim();
    if (price.IsEmpty()) price = L"0";
    db.execDML(Sql(L"update Products set NetPrice = %s where ProductName = '%s' ", Amount(price), Quoted(ProductName)));
}

bool CProductsBLL::HaveLocalData(CppSQLite3DB& db) {
    ServiceLock lock;
    return db.execScalar(L"select count(1) from Products where IsLocal=1 AND IsDisable <> 1 AND IsDelete <> 1") >= 1;
}

bool CProductsBLL::HaveNetData(CppSQLite3DB& db) {
    ServiceLock lock;
    return db.execScalar(L"select count(1) from UserSelProdType where IsImport=1 ") >= 1;
}

bool CProductsBLL::IsImportedNetProducts(CppSQLite3DB& db) {
    ServiceLock lock;
    // Field1 "0": the industry's data is still to be downloaded.
    if (db.execScalar(L"select count(1) from SystemInfo where Field1 = '0'") >= 1) return false;
    return db.execScalar(L"select count(1) from UserSelProdType where IsImport=0 ") < 1;
}
