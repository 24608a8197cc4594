// CProductsBLL: the product lists, pickers and look-ups by name, code, type and ID.
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

namespace {

const wchar_t kAllTypes[] = L"全部类别";

}  // namespace

// --- Lists and pickers -------------------------------------------------------------------------

CppSQLite3Query CProductsBLL::GetProductByInfo(CppSQLite3DB& db, CString key, int includeDisabled) {
    ServiceLock lock;
    SqlText sql = L"select * from Products where IsLocal=1 and " + ProductKeyCondition(key);
    sql += L" and IsDelete = 0";
    if (!includeDisabled) sql += L" and IsDisable = 0";
    sql += L" order by ProductID";
    return db.execQuery(sql);
}

CppSQLite3Query CProductsBLL::GetProductByPop(CppSQLite3DB& db, CString key, CString /*unused1*/, CString /*unused2*/,
                                              bool localOnly) {
    ServiceLock lock;
    CSysBLL::GetSafeString(key);
    return Guard(LogFailedStatement(), CppSQLite3Query(), [&] {
        SqlText sql = L"select *,WholeSalePrice as CompPrice from Products where " + ProductKeyCondition(key);
        sql += L" and IsDisable = 0 and IsDelete = 0";
        if (localOnly) sql += L" and IsLocal=1";
        sql += L" order by IsLocal DESC LIMIT 50";
        return db.execQuery(sql);
    });
}

CppSQLite3Query CProductsBLL::GetProductForPop(CppSQLite3DB& db, CString key, bool local, CString TypeName) {
    ServiceLock lock;
    SqlText sql = L"select *,WholeSalePrice as CompPrice from Products where " + ProductKeyCondition(key);
    sql += L" and IsDisable = 0";
    if (TypeName == L"-1" || TypeName == kAllTypes)
        sql += local ? L" and IsLocal=1" : L" and IsLocal=0";
    else  // a named type lists the shop's own products, whatever the flag says
        sql += Sql(L" and IsLocal=1 and TypeName ='%s'", Quoted(TypeName));
    sql += L" order by SearchCode ASC LIMIT 50";
    return db.execQuery(sql);
}

void CProductsBLL::GetProductBySch(CppSQLite3DB& db, CString /*unused*/, CStringArray& names) {
    ServiceLock lock;
    Guard(LogFailedStatement(), [&] {
        for (CppSQLite3Query q = db.execQuery(L"Select ProductName from products Where IsLocal=1 order by ProductID ");
             !q.eof(); q.nextRow())
            names.Add(q.getStringField(L"ProductName"));
    });
}

// --- Look-ups --------------------------------------------------------------------------------------

CppSQLite3Query CProductsBLL::GetProductByNameCode(CppSQLite3DB& db, CString ProductName, CString ProductCode) {
    ServiceLock lock;
    SqlText sql = Sql(L"select * from Products where ProductName='%s'", Quoted(ProductName));
    if (!ProductCode.IsEmpty()) sql += Sql(L" and ProductCode='%s'", Quoted(ProductCode));
    return db.execQuery(sql);
}

CppSQLite3Query CProductsBLL::GetProductByNameOrCode(CppSQLite3DB& db, CString ProductName, CString ProductCode) {
    ServiceLock lock;
    SqlText sql = Sql(L"select * from Products where ProductName='%s'", Quoted(ProductName));
    if (!ProductCode.IsEmpty()) sql += Sql(L" or ProductCode='%s'", Quoted(ProductCode));
    sql += L" order by ProductCode";
    return db.execQuery(sql);
}

CppSQLite3Query CProductsBLL::GetProductByName(CppSQLite3DB& db, CString ProductName) {
    ServiceLock lock;
    return Guard(Log(L"GetProductByName;%s"), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L"select * from Products where ProductName='%s'", Quoted(ProductName)));
    });
}

CppSQLite3Query CProductsBLL::GetProductByCode(CppSQLite3DB& db, CString ProductCode) {
    ServiceLock lock;
    return db.execQuery(Sql(L" SELECT * FROM Products WHERE ProductCode ='%s'", Quoted(ProductCode)));
}

CppSQLite3Query CProductsBLL::GetProductsByID(CppSQLite3DB& db, int ProductID) {
    ServiceLock lock;
    return Guard(CatchAll(nullptr), CppSQLite3Query(),
                 [&] { return db.execQuery(Sql(L"Select * from products Where productID = %d", ProductID)); });
}

CppSQLite3Query CProductsBLL::GetProductsByType(CppSQLite3DB& db, CString TypeName, bool includeDisabled) {
    ServiceLock lock;
    SqlText sql = L"select * from Products where IsDelete = 0 and IsLocal = 1";
    if (!TypeName.IsEmpty()) sql += Sql(L" and typeName = '%s'", Quoted(TypeName));
    if (!includeDisabled) sql += L" and IsDisable = 0";
    return db.execQuery(sql);
}

// --- IDs for browsing -----------------------------------------------------------------------------

namespace {

// Enabled local products of a type (any, for "" or "全部类别") whose name, code or search
// code contains the key.
SqlText BrowsableProducts(CString TypeName, const CString& key) {
    if (TypeName == kAllTypes) TypeName.Empty();
    SqlText where = L" IsLocal=1 and IsDisable = 0";
    if (!TypeName.IsEmpty()) where += Sql(L" and TypeName like '%%%s%%'", Quoted(TypeName));
    if (!key.IsEmpty()) where += L" and " + ProductKeyCondition(key);
    return where;
}

}  // namespace

CppSQLite3Query CProductsBLL::GetProductsID(CppSQLite3DB& db, CString TypeName, CString key) {
    ServiceLock lock;
    SqlText sql = L"select ProductID from products where" + BrowsableProducts(TypeName, key);
    sql += L" and IsDelete = 0";
    return db.execQuery(sql);
}

CppSQLite3Query CProductsBLL::GetAllProductsID(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(CatchAll(nullptr), CppSQLite3Query(), [&] {
        return db.execQuery(L"Select ProductID from products Where IsDisable = 0 and IsDelete = 0 and IsLocal = 1");
    });
}

void CProductsBLL::GetMaxMinProductID(CppSQLite3DB& db, int& maxID, int& minID, CString TypeName, CString key) {
    ServiceLock lock;
    maxID = minID = 0;
    if (db.execScalar(L"select count(*) from products") == 0) return;
    CppSQLite3Query ends = db.execQuery(L"select Max(ProductID) as MaxID, Min(ProductID) as MinID from products where" +
                                        BrowsableProducts(TypeName, key));
    if (ends.eof()) return;
    maxID = ends.getIntField(L"MaxID", 0);
    minID = ends.getIntField(L"MinID", 0);
}
