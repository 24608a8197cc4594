#include "masterdata/CustomerPriceRows.h"

#include "common/AmountText.h"
#include "frame/SqlEscape.h"

namespace shopbiz::prices {

PricedProduct ProductOf(const CppSQLite3Query& row) {
    PricedProduct p;
    p.id = row.getIntField(L"ProductID");
    p.name = row.getStringField(L"ProductName");
    p.code = row.getStringField(L"ProductCode");
    p.searchCode = row.getStringField(L"SearchCode");
    p.typeID = row.getIntField(L"TypeID");
    p.typeName = row.getStringField(L"TypeName");
    p.unitName = row.getStringField(L"UnitName");
    p.unitID = row.getIntField(L"UnitID");
    p.secUnitID = row.getIntField(L"SecUnitID");
    return p;
}

bool FindProductByName(CppSQLite3DB& db, const CString& name, PricedProduct& product, CString* sql) {
    const CString statement = Sql(L" SELECT * FROM Products WHERE ProductName='%s' ;", EscapeQuotes(name));
    if (sql) *sql = statement;
    CppSQLite3Query row = db.execQuery(statement);
    if (row.eof()) return false;
    product = ProductOf(row);
    return true;
}

CString PriceLiteral(const CString& price) {
    if (IsPlainNumber(price)) return price;
    return L"'" + EscapeQuotes(price) + L"'";
}

CString InsertPriceSql(const PricedProduct& product, const PricedCustomer& customer, const CString& unitName,
                       const CString& price) {
    return Sql(L" INSERT INTO CompPrice(ProductID,ProductName,ProductCode,CompanyID,CompanyCode,CompanyName,TypeID,"
               L"TypeName,UnitID,UnitName,Price,LastUpdateDate,CompSearchCode,ProdSearchCode) VALUES(%d,'%s','%s',%d,"
               L"'%s','%s',%d,'%s',%d,'%s',%s,'%s','%s','%s');",
               product.id, EscapeQuotes(product.name), EscapeQuotes(product.code), customer.id,
               EscapeQuotes(customer.code), EscapeQuotes(customer.name), product.typeID,
               EscapeQuotes(product.typeName), product.UnitIDFor(unitName), EscapeQuotes(unitName),
               PriceLiteral(price), CSysBLL().GetTimeNowLong(), EscapeQuotes(customer.searchCode),
               EscapeQuotes(product.searchCode));
}

void JournalPrice(CppSQLite3DB& db, int compPriceID, const wchar_t* operation) {
    CSysBLL().AddOperateData(db, L"CompPrice", L"CompPriceID", Sql(L"%d", compPriceID), operation);
}

PriceTransaction::PriceTransaction(CppSQLite3DB& db)
    : db_(db), commit_(L" Commit  transaction ;"), rollback_(L"Rollback transaction;") {
    db_.execDML(L" begin transaction;");
}

PriceTransaction::PriceTransaction(CppSQLite3DB& db, const wchar_t* savepoint)
    : db_(db),
      commit_(Sql(L"RELEASE %s;", savepoint)),
      rollback_(Sql(L"ROLLBACK TO %s; RELEASE %s;", savepoint, savepoint)) {
    db_.execDML(Sql(L"SAVEPOINT %s;", savepoint));
}

PriceTransaction::~PriceTransaction() {
    if (!open_) return;
    try {
        db_.execDML(rollback_);
    } catch (...) {
        // SQLite has already rolled back after some errors; nothing is left to undo then.
    }
}

void PriceTransaction::Commit() {
    db_.execDML(commit_);
    open_ = false;
}

bool CustomerOf(CppSQLite3Query& company, const CString& name, PricedCustomer& customer, CString& error) {
    if (company.eof()) {
        error = Sql(L"[%s]客户不存在！", name);
        return false;
    }
    customer.id = company.getIntField(L"CompanyID");
    customer.code = company.getStringField(L"CompanyCode");
    customer.name = name;
    customer.searchCode = company.getStringField(L"SearchCode");
    company.finalize();
    return true;
}

}  // namespace shopbiz::prices
