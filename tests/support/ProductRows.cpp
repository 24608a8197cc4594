#include "support/ProductRows.h"

#include "frame/ServiceFrame.h"
#include "frame/SqlEscape.h"

using shopbiz::Sql;

namespace {
CString E(const wchar_t* text) { return shopbiz::EscapeQuotes(text); }
}  // namespace

int PutProduct(CppSQLite3DB& db, const ProductRow& r) {
    db.execDML(
        Sql(L"INSERT INTO Products(ProductName,ProductCode,SearchCode,TypeID,TypeName,UnitName,InitStock,CurStock,"
            L"InPrice,Price,WholesalePrice,IsLocal,IsDisable) VALUES('%s','%s','%s',2,'%s','%s',%.08lf,%.08lf,"
            L"%.08lf,%.08lf,%.08lf,%d,%d)",
            E(r.name), E(r.code), E(r.searchCode), E(r.type), E(r.unit), r.initStock, r.curStock, r.inPrice, r.price,
            r.wholesalePrice, r.isLocal, r.isDisable));
    return static_cast<int>(db.lastRowId());
}

void PutOpeningRow(CppSQLite3DB& db, int productID, double count, double price) {
    db.execDML(
        Sql(L"INSERT INTO Stocks(SortID,BillType,BillDate,ProductID,LastCount,LastPrice,LastAmount,IsSystem,IsCale,"
            L"IsCale2) VALUES(1,'期初','1970-01-01',%d,%.08lf,%.08lf,%.08lf,1,1,1)",
            productID, count, price, count * price));
}

void PutBillLine(CppSQLite3DB& db, const wchar_t* table, int productID) {
    db.execDML(Sql(L"INSERT INTO %s(ProductID, ItemCount) VALUES(%d, 1)", table, productID));
}
