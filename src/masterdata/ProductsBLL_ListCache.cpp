// CProductsBLL: the product lists the host keeps in memory, their full reload and the change
// records it applies between reloads.
#include "masterdata/ProductsBLL.h"
#include "masterdata/ProductsSupport.h"

using namespace shopbiz;

namespace {

// What each reload mode reads and which lists it empties first.
struct ListReload {
    int mode;
    bool emptiesLocal, emptiesOnline;
    const wchar_t* sql;
};

const ListReload kReloads[] = {
    {0, true, true,
     L"Select ProductName,SearchCode,TypeName,IsLocal from products \tWhere \t\tIsDisable=0 \torder by SearchCode "},
    {1, true, false,
     L"Select ProductName,SearchCode,TypeName,IsLocal from products \tWhere \t\tIsDisable=0 AND isLocal=1 \torder by "
     L"SearchCode "},
    {2, false, true,
     L"Select ProductName,SearchCode,TypeName,IsLocal from products \tWhere \t\tIsDisable=0 AND isLocal=0 \torder by "
     L"SearchCode "},
    {9, true, false,
     L"Select ProductName,SearchCode,TypeName,IsLocal from products \tWhere \t\tIsDisable=0 AND isLocal=1 \torder by "
     L"SearchCode limit 50;"},
};

}  // namespace

void CProductsBLL::GetProdListCache(CppSQLite3DB& db, CStringArray& local, CStringArray& online, int mode) {
    ServiceLock lock;
    const ListReload* reload = nullptr;
    for (const ListReload& r : kReloads)
        if (r.mode == mode) reload = &r;
    if (!reload) return;
    if (reload->emptiesLocal) local.RemoveAll();
    if (reload->emptiesOnline) online.RemoveAll();
    Guard(LogFailedStatement(), [&] {
        // Columns by position (ProductName, SearchCode, TypeName, IsLocal): a full reload reads
        // every product, so no name look-ups per row.
        for (CppSQLite3Query q = db.execQuery(reload->sql); !q.eof(); q.nextRow()) {
            CString entry = q.getStringField(1);
            entry += L'|';
            entry += q.getStringField(0);
            entry += L'|';
            entry += q.getStringField(2);
            (q.getIntField(3) == 1 ? local : online).Add(entry);
        }
        // The lists are whole again: every change record is already in them.
        db.execDML(L" DELETE FROM ProdCache ;");
    });
}

CppSQLite3Query CProductsBLL::GetProdListCachUpdate(CppSQLite3DB& db) {
    ServiceLock lock;
    return db.execQuery(L" SELECT * FROM ProdCache ORDER BY Flag DESC;");
}

void CProductsBLL::ClearProdListCache(CppSQLite3DB& db) {
    ServiceLock lock;
    db.execDML(L" DELETE FROM ProdCache;");
}

void CProductsBLL::GetProdListWithUnit(CppSQLite3DB& db, CStringArray& entries, int /*unused*/) {
    ServiceLock lock;
    // The base unit and the second unit by their unit data; products without unit data
    // (UnitID 0) with the unit name they carry.
    CppSQLite3Query q = db.execQuery(
        L"select p.SearchCode as SearchCode,p.ProductName as ProductName,p.ProductCode as ProductCode,"
        L"b.BaseName as UnitName from Products p inner join BaseData b on b.ID=p.UnitID "
        L"Union all select p.SearchCode,p.ProductName,p.ProductCode,b.BaseName from Products p inner join "
        L"BaseData b on b.ID=p.SecUnitID "
        L"Union all select SearchCode,ProductName,ProductCode,UnitName from Products where UnitID=0 "
        L"order by SearchCode");
    for (; !q.eof(); q.nextRow())
        entries.Add(Fmt(L"%s|%s|%s|%s", q.getStringField(L"SearchCode"), q.getStringField(L"ProductName"),
                        q.getStringField(L"ProductCode"), q.getStringField(L"UnitName")));
}
