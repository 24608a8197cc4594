#include "masterdata/CustomerPriceRows.h"

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

bool FindProductByName(CppSQLite3DB& db, const CString& name, PricedProduct& product) {
    CppSQLite3Query row = db.execQuery(Sql(L" SELECT * FROM Products WHERE ProductName='%s' ;", Quoted(name)));
    if (row.eof()) return false;
    product = ProductOf(row);
    return true;
}

SqlText InsertPriceSql(const PricedProduct& product, const PricedCustomer& customer, const CString& unitName,
                       const CString& price) {
    return Sql(L" INSERT INTO CompPrice(ProductID,ProductName,ProductCode,CompanyID,CompanyCode,CompanyName,TypeID,"
               L"TypeName,UnitID,UnitName,Price,LastUpdateDate,CompSearchCode,ProdSearchCode) VALUES(%d,'%s','%s',%d,"
               L"'%s','%s',%d,'%s',%d,'%s',%s,'%s','%s','%s');",
               product.id, Quoted(product.name), Quoted(product.code), customer.id, Quoted(customer.code),
               Quoted(customer.name), product.typeID, Quoted(product.typeName), product.UnitIDFor(unitName),
               Quoted(unitName), Amount(price), Quoted(CSysBLL().GetTimeNowLong()), Quoted(customer.searchCode),
               Quoted(product.searchCode));
}

void JournalPrice(CppSQLite3DB& db, int compPriceID, const wchar_t* operation) {
    CSysBLL().AddOperateData(db, L"CompPrice", L"CompPriceID", Fmt(L"%d", compPriceID), operation);
}

bool CustomerOf(CppSQLite3Query& company, const CString& name, PricedCustomer& customer, CString& error) {
    if (company.eof()) {
        error = Fmt(L"[%s]客户不存在！", name);
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
