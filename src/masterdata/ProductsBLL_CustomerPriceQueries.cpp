// CProductsBLL: reading customer prices, alone or with the product data a bill line needs.
// The price offered in the base unit is the customer's own price, else the wholesale price;
// in the second unit the customer's own price, else 0 (with the wholesale price beside it).
#include "frame/ServiceFrame.h"
#include "masterdata/ProductsBLL.h"

using namespace shopbiz;

namespace {

bool NoCustomer(CString companyName) {
    companyName.Trim();
    return companyName.IsEmpty();
}

// "(ProductName like '%key%' or ProductCode ... or ProdSearchCode ...)" over price rows.
SqlText PriceProductKey(const CString& key) {
    const QuotedSlot k = Quoted(key);
    return Sql(L"(ProductName LIKE '%%%s%%' OR ProductCode LIKE '%%%s%%' OR ProdSearchCode LIKE '%%%s%%')", k, k, k);
}

const wchar_t* LocalOnly(bool localOnly) { return localOnly ? L" AND IsLocal = 1 " : L""; }

}  // namespace

CppSQLite3Query CProductsBLL::GetCompPriceByID(CppSQLite3DB& db, int compPriceID) {
    ServiceLock lock;
    return Guard(Log(ErrorText::WithStatement(L"Err:%s\r\n sql:%s")), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L" SELECT * FROM CompPrice WHERE CompPriceID=%d ; ", compPriceID));
    });
}

CppSQLite3Query CProductsBLL::GetCustPriceList(CppSQLite3DB& db, CString productKey, CString customerKey) {
    ServiceLock lock;
    const QuotedSlot c = Quoted(customerKey);
    return db.execQuery(Sql(L" SELECT * FROM CompPrice WHERE %s AND (CompanyName LIKE '%%%s%%' OR CompSearchCode LIKE "
                            L"'%%%s%%') ORDER BY ProductID ASC  , LastUpdateDate DESC",
                            PriceProductKey(productKey), c, c));
}

CppSQLite3Query CProductsBLL::GetCompPrice(CppSQLite3DB& db, CString productKey, CString CompanyName) {
    ServiceLock lock;
    return db.execQuery(Sql(L" SELECT * FROM CompPrice WHERE %s AND CompanyName = '%s' ORDER BY LastUpdateDate DESC",
                            PriceProductKey(productKey), Quoted(CompanyName)));
}

CppSQLite3Query CProductsBLL::GetCompPriceByUnit(CppSQLite3DB& db, CString productKey, CString CompanyName,
                                                 CString UnitName) {
    ServiceLock lock;
    return db.execQuery(Sql(L" SELECT * FROM CompPrice WHERE %s AND CompanyName = '%s' AND UnitName='%s' ORDER BY "
                            L"LastUpdateDate DESC",
                            PriceProductKey(productKey), Quoted(CompanyName), Quoted(UnitName)));
}

CppSQLite3Query CProductsBLL::GetCompPriceByName(CppSQLite3DB& db, CString ProductName, CString CompanyName) {
    ServiceLock lock;
    return db.execQuery(Sql(L" Select * from CompPrice Where ProductName = '%s'  and CompanyName = '%s'  ; ",
                            Quoted(ProductName), Quoted(CompanyName)));
}

CppSQLite3Query CProductsBLL::GetCustPriceByCustAndProd(CppSQLite3DB& db, CString CompanyName, CString ProductName) {
    ServiceLock lock;
    const QuotedSlot product = Quoted(ProductName);
    if (!NoCustomer(CompanyName)) {
        CppSQLite3Query own = db.execQuery(Sql(L"SELECT * FROM CompPrice WHERE ProductName='%s' AND CompanyName='%s';",
                                               product, Quoted(CompanyName)));
        if (!own.eof()) return own;
    }
    return db.execQuery(
        Sql(L" SELECT 0 AS CompPriceID,ProductID,UnitName,Price FROM Products WHERE ProductName = '%s';", product));
}

// The joins below take the customer's row of the product in the unit of the line (by unit
// ID), so a customer with prices in both units still gives one row per product and unit.

CppSQLite3Query CProductsBLL::GetCompPriceByCompProd(CppSQLite3DB& db, CString ProductName, CString CompanyName) {
    ServiceLock lock;
    return db.execQuery(
        Sql(L" SELECT A.ProductID,A.ProductCode,A.InPrice,A.OutPrice,A.WholesalePrice,A.UnitName,"
            L"IFNULL(B.Price,A.WholesalePrice) AS CompPrice FROM Products A LEFT JOIN CompPrice B ON "
            L"B.ProductID=A.ProductID AND B.UnitID=A.UnitID AND B.CompanyName='%s' WHERE A.ProductName='%s' ;",
            Quoted(CompanyName), Quoted(ProductName)));
}

CppSQLite3Query CProductsBLL::GetCustProductByProdCode(CppSQLite3DB& db, CString ProductCode, CString CompanyName,
                                                       bool localOnly) {
    ServiceLock lock;
    // Without a customer no price row joins, and the wholesale price is offered.
    return db.execQuery(Sql(L" SELECT E.ProductID,E.ProductCode,E.ProductName,E.UnitName,E.InPrice,E.OutPrice,"
                            L"E.IsLocal,E.WholeSalePrice,IFNULL(B.Price,E.WholeSalePrice) AS CompPrice FROM Products E "
                            L"LEFT JOIN CompPrice B ON B.ProductID=E.ProductID AND B.UnitID=E.UnitID AND "
                            L"B.CompanyName='%s' WHERE E.ProductCode='%s'%s",
                            Quoted(CompanyName), Quoted(ProductCode), LocalOnly(localOnly)));
}

CppSQLite3Query CProductsBLL::GetCustProductByProdName(CppSQLite3DB& db, CString ProductName, CString CompanyName,
                                                       bool localOnly) {
    ServiceLock lock;
    const QuotedSlot product = Quoted(ProductName);
    if (NoCustomer(CompanyName))
        return db.execQuery(Sql(L" SELECT ProductID,ProductCode,ProductName,CurStock,UnitName,InPrice,WholesalePrice,"
                                L"Price AS OutPrice,IsLocal,Remark AS ItemRemark,'0' AS  CompPrice FROM Products WHERE "
                                L"ProductName='%s'%s",
                                product, LocalOnly(localOnly)));
    return db.execQuery(Sql(L" SELECT E.ProductID,E.ProductCode,E.ProductName,E.CurStock,E.UnitName,E.InPrice,"
                            L"E.WholesalePrice,E.Price AS OutPrice,E.IsLocal,E.Remark AS ItemRemark,IFNULL(B.Price, "
                            L"E.WholesalePrice) AS CompPrice FROM Products E LEFT JOIN CompPrice B ON "
                            L"B.ProductID=E.ProductID AND B.UnitID=E.UnitID AND B.CompanyName='%s' WHERE "
                            L"E.ProductName='%s'%s",
                            Quoted(CompanyName), product, LocalOnly(localOnly)));
}

CppSQLite3Query CProductsBLL::GetCustProductByProdUnit(CppSQLite3DB& db, CString ProductName, CString CompanyName,
                                                       CString UnitName) {
    ServiceLock lock;
    const QuotedSlot product = Quoted(ProductName);
    if (NoCustomer(CompanyName))
        return db.execQuery(Sql(L" SELECT ProductID,ProductCode,ProductName,CurStock,UnitName,UnitID,InPrice,"
                                L"WholesalePrice,Price AS OutPrice,IsLocal,Remark AS ItemRemark,0 AS ACompPrice,'0' AS  "
                                L"CompPrice FROM Products WHERE ProductName='%s'",
                                product));
    // The second unit has no price of its own but the customer's: the wholesale price of the
    // base unit travels beside it as ACompPrice.
    const QuotedSlot company = Quoted(CompanyName);
    return db.execQuery(Sql(
        L" SELECT * FROM ( SELECT E.ProductID,E.ProductCode,E.ProductName,E.CurStock,E.SecUnitName AS UnitName,"
        L"E.SecUnitID AS UnitID,0 AS InPrice,0 AS WholesalePrice,0 AS OutPrice,E.IsLocal,E.Remark AS ItemRemark,"
        L"E.WholesalePrice AS ACompPrice,IFNULL(B.Price, 0) AS CompPrice FROM Products E LEFT JOIN CompPrice B ON "
        L"B.ProductID=E.ProductID AND B.UnitID=E.SecUnitID AND B.CompanyName='%s' WHERE E.ProductName='%s' AND "
        L"IFNULL(E.SecUnitName,'')<>'' UNION ALL SELECT E.ProductID,E.ProductCode,E.ProductName,E.CurStock,"
        L"E.UnitName,E.UnitID,E.InPrice,E.WholesalePrice,E.Price AS OutPrice,E.IsLocal,E.Remark AS ItemRemark,"
        L"0 AS ACompPrice,IFNULL(B.Price, E.WholesalePrice) AS CompPrice FROM Products E LEFT JOIN CompPrice B ON "
        L"B.ProductID=E.ProductID AND B.UnitID=E.UnitID AND B.CompanyName='%s' WHERE E.ProductName='%s' ) T "
        L"WHERE T.UnitName='%s'",
        company, product, company, product, Quoted(UnitName)));
}

CppSQLite3Query CProductsBLL::GetCustProductType(CppSQLite3DB& db, CString) {
    ServiceLock lock;
    return db.execQuery(L"select distinct TypeName from Products;");
}
