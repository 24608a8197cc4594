// CProductsBLL: product codes, units and the existence checks that keep names and codes
// apart.
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

namespace {

bool CountsAny(CppSQLite3DB& db, const SqlText& sql) { return db.execScalar(sql) >= 1; }

}  // namespace

// --- Codes -----------------------------------------------------------------------------------

CString CProductsBLL::GetNewProductCode(CppSQLite3DB& db) {
    ServiceLock lock;
    // The bare column takes its value from the row holding the maximum.
    CppSQLite3Query newest = db.execQuery(L" select max(productID),ProductCode from products ");
    CString code = newest.eof() ? CString() : newest.getStringField(L"ProductCode");
    newest.finalize();
    return CSysBLL().GetNewCode(code);
}

CString CProductsBLL::GetProductCode(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    return db.execScalarStr(Sql(L"select ProductCode from products where ProductID=%d", ProductID));
}

CString CProductsBLL::GetProdNameByCode(CppSQLite3DB& db, CString ProductCode) {
    ServiceLock lock;
    CppSQLite3Query product = GetProductByCode(db, ProductCode);
    return product.eof() ? CString() : product.getStringField(L"ProductName");
}

// --- Units -----------------------------------------------------------------------------------

bool CProductsBLL::GetMultUnit(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    CppSQLite3Query row = db.execQuery(Sql(
        L" SELECT UnitName FROM Products WHERE ProductID=%d And IFNULL(UnitName,'')<>'' And IFNULL(SecUnitName,'')<>''",
        ProductID));
    return !row.eof();
}

double CProductsBLL::GetCoffByName(CppSQLite3DB& db, CString ProductName, CString SecUnitName) {
    ServiceLock lock;
    CppSQLite3Query row = db.execQuery(Sql(L"select * from Products where ProductName='%s' and SecUnitName='%s'",
                                           Quoted(ProductName), Quoted(SecUnitName)));
    double coefficient = row.eof() ? 0.0 : row.getFloatField(L"Coefficient", 0.0);
    return coefficient == 0.0 ? 1.0 : coefficient;
}

// --- Existence checks --------------------------------------------------------------------------

bool CProductsBLL::IsExists(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode) {
    ServiceLock lock;
    return CountsAny(db, Sql(L"select count(*) from Products where ProductName='%s' and ProductCode='%s' and "
                             L"productID <> %d and IsLocal = 1",
                             Quoted(ProductName), Quoted(ProductCode), ProductID));
}

bool CProductsBLL::IsExists(CppSQLite3DB& db, CString ProductName) {
    ServiceLock lock;
    return CountsAny(db, Sql(L"select count(*) from Products where ProductName='%s'", Quoted(ProductName)));
}

bool CProductsBLL::IsExistsByCode(CppSQLite3DB& db, CString ProductCode) {
    ServiceLock lock;
    return CountsAny(
        db, Sql(L"select count(*) from Products where ProductCode='%s' and IsLocal=1", Quoted(ProductCode)));
}

bool CProductsBLL::IsExistsNet(CppSQLite3DB& db, CString ProductName, CString /*unused*/) {
    ServiceLock lock;
    return CountsAny(
        db, Sql(L"select count(*) from Products where ProductName='%s' and IsLocal=0", Quoted(ProductName)));
}

bool CProductsBLL::IsExistsNameOrCode(CppSQLite3DB& db, CString ProductName, CString ProductCode) {
    ServiceLock lock;
    const QuotedSlot name = Quoted(ProductName);
    if (ProductCode.IsEmpty())
        return CountsAny(db,
                         Sql(L"select count(*) from (select productid from products where productname='%s')", name));
    return CountsAny(db, Sql(L"select count(*) from (select productid from products where productname='%s' union all "
                             L"select productid from products where productcode='%s')",
                             name, Quoted(ProductCode)));
}

bool CProductsBLL::IsExistsCode(CppSQLite3DB& db, CString ProductCode) {
    ServiceLock lock;
    return CountsAny(db, Sql(L"select count(*) from Products where ProductCode='%s'", Quoted(ProductCode)));
}

bool CProductsBLL::CheckProdCodeAndName(CppSQLite3DB& db, CString ProductCode, CString ProductName) {
    ServiceLock lock;
    CSysBLL::GetSafeString(ProductCode);
    CSysBLL::GetSafeString(ProductName);
    if (ProductCode.IsEmpty()) return true;
    const int byCode =
        db.execScalar(Sql(L"select ProductID from Products where ProductCode='%s'", Quoted(ProductCode)), -1);
    const int byName =
        db.execScalar(Sql(L"select ProductID from Products where ProductName='%s'", Quoted(ProductName)), -1);
    return byCode == byName;
}
