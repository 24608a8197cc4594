// CSysBLL: the host's function catalogue (Func), as downloaded from the host's server, and
// which functions the shop applied for and uses.
#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

// The catalogue's columns in the order of a downloaded function's values.
constexpr const wchar_t* kFuncColumns[] = {
    L"FuncId",     L"FuncCode",     L"FuncName",     L"FuncType",    L"\"Desc\"",     L"SmallIcon",   L"BigIcon",
    L"FuncStyle",  L"FuncURL",      L"Width",        L"Height",      L"ResCode",      L"IsNormal",    L"IsNetStore",
    L"IsApply",    L"IsUse",        L"OrderNo",      L"Price",       L"ReleaseDate",  L"StartDate",   L"ExpireDate",
    L"LimitVersion", L"IsRecommend", L"TotalUsers",  L"TotalComments", L"Rating",     L"Version",     L"Remark",
    L"Store_Id",   L"ShelfId",      L"ProductType",  L"ProductId",   L"ProductCode",  L"OrderUrl",    L"StoreUrl",
    L"PriceLabel", L"FuncSite"};
constexpr int kFuncValues = sizeof(kFuncColumns) / sizeof(kFuncColumns[0]);
constexpr int kCodeValue = 1, kNameValue = 2, kReleaseDateValue = 18;

enum class FuncKey { Code, Name };

// Updates the function with the same key, or adds it. Keyed on the name, a function is only
// replaced by a newer release.
int StoreFunc(CppSQLite3DB& db, const CStringArray& values, FuncKey key) {
    if (values.GetSize() != kFuncValues)
        throw CppSQLite3Exception(
            1, Fmt(L"a function has %d values, not %d", kFuncValues, values.GetSize()));
    const QuotedSlot keyValue = Quoted(values[key == FuncKey::Code ? kCodeValue : kNameValue]);
    const int existing =
        db.execScalar(key == FuncKey::Code ? Sql(L" SELECT COUNT(*) FROM Func WHERE FuncCode='%s'", keyValue)
                                           : Sql(L" SELECT COUNT(*) FROM Func WHERE FuncName='%s'", keyValue));
    SqlText sql;
    if (existing > 0) {
        sql = L"UPDATE Func SET ";
        for (int i = 0; i < kFuncValues; ++i) sql += Sql(i ? L",%s='%s'" : L"%s='%s'", kFuncColumns[i], Quoted(values[i]));
        sql += key == FuncKey::Code ? Sql(L" WHERE FuncCode='%s'", keyValue)
                                    : Sql(L" WHERE FuncName='%s' AND ReleaseDate < '%s'", keyValue,
                                          Quoted(values[kReleaseDateValue]));
    } else {
        SqlText columns, quoted;
        for (int i = 0; i < kFuncValues; ++i) {
            columns += Sql(i ? L",%s" : L"%s", kFuncColumns[i]);
            quoted += Sql(i ? L",'%s'" : L"'%s'", Quoted(values[i]));
        }
        sql = Sql(L"INSERT INTO Func(%s) VALUES(%s)", columns, quoted);
    }
    return db.execDML(sql);
}

// Sets IsApply or IsUse of the function; 1 set, 0 when there is no such function.
int SetFuncFlag(CppSQLite3DB& db, const CString& funcCode, const wchar_t* update, int value) {
    const QuotedSlot code = Quoted(funcCode);
    CppSQLite3Query found = db.execQuery(Sql(L"select FuncCode from Func where FuncCode = '%s'", code));
    if (found.eof()) return 0;
    found.finalize();
    db.execDML(Sql(update, value, code));
    return 1;
}

}  // namespace

CppSQLite3Query CSysBLL::GetFuncList(CppSQLite3DB& db, CString key, CString type, bool all) {
    ServiceLock lock;
    // Usable functions; type "3": only those applied for; "4": applied for and in use.
    SqlText condition = L" IsNormal != '0' ";
    if (type == L"3") condition += L" AND IsApply='1' ";
    if (type == L"4") condition = L" IsNormal != '0' AND IsUse='1' And IsApply='1' ";
    key.Trim();
    SqlText sql;
    if (!key.IsEmpty())
        sql = Sql(L"SELECT * FROM  Func WHERE (FuncName like '%%%s%%' OR Desc like '%%%s%%') AND %s ORDER BY  OrderNo,ID",
                  Quoted(key), Quoted(key), condition);
    else if (all)
        sql = Sql(L"SELECT * FROM  Func WHERE %s ORDER BY FuncType, OrderNo,ID ", condition);
    else if (type == L"3" || type == L"4")
        sql = Sql(L"SELECT * FROM  Func WHERE  %s ORDER BY OrderNo,ID", condition);
    else
        sql = Sql(L"SELECT * FROM  Func WHERE %s ORDER BY IsApply,OrderNo,ID ", condition);
    CppSQLite3Query result;
    result = db.execQuery(sql);
    return result;
}

CppSQLite3Query CSysBLL::GetFuncByName(CppSQLite3DB& db, CString funcName) {
    ServiceLock lock;
    CppSQLite3Query result;
    result = db.execQuery(Sql(L"SELECT * FROM Func WHERE FuncName='%s' ORDER BY FuncType, OrderNo", Quoted(funcName)));
    return result;
}

CppSQLite3Query CSysBLL::GetFuncByCode(CppSQLite3DB& db, CString funcCode) {
    ServiceLock lock;
    CppSQLite3Query result;
    result = db.execQuery(Sql(L"SELECT * FROM Func WHERE FuncCode='%s' ORDER BY FuncType, OrderNo", Quoted(funcCode)));
    return result;
}

CppSQLite3Query CSysBLL::GetFuncListBySite(CppSQLite3DB& db, CString /*site*/) {
    ServiceLock lock;
    CppSQLite3Query result;
    result = db.execQuery(L"SELECT * FROM Func ORDER BY  OrderNO ASC;");
    return result;
}

int CSysBLL::FuncIsUse(CppSQLite3DB& db, CString funcCode) {
    ServiceLock lock;
    CppSQLite3Query q = db.execQuery(Sql(L"SELECT * FROM Func WHERE FuncCode='%s' ;", Quoted(funcCode)));
    return !q.eof() && q.getIntField(L"IsUse", 0) == 1 ? 1 : 0;
}

int CSysBLL::UpdateFunc(CppSQLite3DB& db, CStringArray& values) {
    ServiceLock lock;
    return Guard(Log(L"UpdateFunc Err:%s"), -1, [&] { return StoreFunc(db, values, FuncKey::Code); });
}

int CSysBLL::UpdateFuncByName(CppSQLite3DB& db, CStringArray& values) {
    ServiceLock lock;
    return Guard(Log(L"UpdateFuncByName Err:%s"), -1, [&] { return StoreFunc(db, values, FuncKey::Name); });
}

int CSysBLL::UpdateAppApply(CppSQLite3DB& db, CString funcCode, int apply) {
    ServiceLock lock;
    return Guard(Log(L"UpdateAppApply Err:%s"), -1, [&] {
        return SetFuncFlag(db, funcCode, L"update Func set IsApply = %d where FuncCode = '%s'", apply);
    });
}

int CSysBLL::UpdateAppUse(CppSQLite3DB& db, CString funcCode, int use) {
    ServiceLock lock;
    return Guard(Log(L"UpdateAppUse Err:%s"), -1, [&] {
        return SetFuncFlag(db, funcCode, L"update Func set IsUse = %d where FuncCode = '%s'", use);
    });
}
