#include "masterdata/ProductsSupport.h"

namespace shopbiz {

CString ProductEntry(const CString& searchCode, const CString& name, const CString& typeName) {
    return Fmt(L"%s|%s|%s", searchCode, name, typeName);
}

CString ProductEntryOf(const CppSQLite3Query& product) {
    return ProductEntry(product.getStringField(L"SearchCode"), product.getStringField(L"ProductName"),
                        product.getStringField(L"TypeName"));
}

void WriteProdCache(CppSQLite3DB& db, int flag, const CString& entry, const CString& oldEntry) {
    db.execDML(Sql(L"INSERT INTO ProdCache(Flag,UpdateValue,OldValue)VALUES(%d,'%s','%s');", flag, Quoted(entry),
                   Quoted(oldEntry)));
}

void MakeSafe(std::initializer_list<CString*> texts) {
    for (CString* text : texts) CSysBLL::GetSafeString(*text);
}

CString SearchCodeOf(CString name) {
    CString code;
    CSysBLL().GetFirstPY(name, code);
    return code;
}

int FindUnit(CppSQLite3DB& db, const CString& unitName) {
    if (unitName.IsEmpty()) return 0;
    // The newest unit of exactly this name.
    return db.execScalar(
        Sql(L"select ID from BaseData where BaseName='%s' and BaseType=2 order by ID desc limit 1", Quoted(unitName)));
}

OpeningRow ReadOpeningRow(CppSQLite3DB& db, int productID) {
    OpeningRow opening;
    CppSQLite3Query row = db.execQuery(
        Sql(L"select LastCount,LastPrice,LastAmount from Stocks where ProductID=%d and IsSystem=1", productID));
    if (!row.eof()) {
        opening.found = true;
        opening.lastCount = row.getFloatField(L"LastCount", 0.0);
        opening.lastPrice = row.getFloatField(L"LastPrice", 0.0);
        opening.lastAmount = row.getFloatField(L"LastAmount", 0.0);
    }
    return opening;
}

SqlText OpeningRowPriceSql(int productID, double price, double lastCount) {
    return Sql(
        L"Update Stocks set LastPrice = %.08lf, LastAmount=%.08lf, IsCale = 0, IsCale2 = 0 where productID = %d "
        L"and IsSystem = 1",
        price, lastCount * price, productID);
}

SqlText ProductKeyCondition(const CString& key) {
    const QuotedSlot k = Quoted(key);
    return Sql(L"(ProductName like '%%%s%%' or ProductCode like '%%%s%%' or SearchCode like '%%%s%%')", k, k, k);
}

OnError LogFailedStatement() {
    return Log(ErrorText::WithStatement(L"Err:%s\r\nsql=%s"));
}

}  // namespace shopbiz
