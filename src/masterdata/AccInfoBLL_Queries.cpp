// CAccInfoBLL: the account lists, system accounts first.
#include "frame/ServiceFrame.h"
#include "masterdata/AccInfoBLL.h"

using namespace shopbiz;

CppSQLite3Query CAccInfoBLL::GetBaseData(CppSQLite3DB& db, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(),
                 [&] { return db.execQuery(L"select * from SettleAcct order by IsSystem desc,SearchCode;"); });
}

CppSQLite3Query CAccInfoBLL::GetAccDateForList(CppSQLite3DB& db, CString keyword, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        keyword.TrimLeft();
        keyword.TrimRight();
        CSysBLL::GetSafeString(keyword);
        return db.execQuery(
            Sql(L" select * from SettleAcct where SettleAcctName like '%%%s%%' or SearchCode like "
                L"'%%%s%%' order by IsSystem desc,SearchCode;",
                Quoted(keyword), Quoted(keyword)));
    });
}

CppSQLite3Query CAccInfoBLL::GetBaseDataByName(CppSQLite3DB& db, CString name, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return db.execQuery(
            Sql(L"select * from SettleAcct where SettleAcctName = '%s' order by IsSystem desc,SearchCode;",
                Quoted(name)));
    });
}

CppSQLite3Query CAccInfoBLL::GetBaseDataByAccID(CppSQLite3DB& db, int accountId, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return db.execQuery(
            Sql(L"select * from SettleAcct where SettleAcctID = %d  order by IsSystem desc,SearchCode;", accountId));
    });
}
