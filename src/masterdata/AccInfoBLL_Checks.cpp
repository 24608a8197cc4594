// CAccInfoBLL: does an account exist, may it be deleted, is it in use.
#include "frame/ServiceFrame.h"
#include "masterdata/AccInfoBLL.h"

using namespace shopbiz;

int CAccInfoBLL::IsAccExist(CppSQLite3DB& db, CString name, int type, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), 0, [&] {
        const int count =
            db.execScalar(Sql(L"select count(*) from SettleAcct where SettleAcctName = '%s' and SettleAcctType = '%d'",
                              Quoted(name), type));
        return count > 0 ? 1 : 0;
    });
}

int CAccInfoBLL::IsExistByAcNAme(CppSQLite3DB& db, CString name, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        const int count =
            db.execScalar(Sql(L"select count(*) from SettleAcct where SettleAcctName = '%s';", Quoted(name)));
        return count > 0 ? 1 : 0;
    });
}

int CAccInfoBLL::ISSysItem(CppSQLite3DB& db, int accountId) {
    ServiceLock lock;
    return Guard(Log(), 0, [&] {
        CppSQLite3Query row = db.execQuery(Sql(L"select IsSystem from SettleAcct Where SettleAcctID = %d;", accountId));
        const CString isSystem = row.eof() ? CString() : row.fieldValue(L"IsSystem");
        return isSystem == L"1" ? 0 : 1;
    });
}

int CAccInfoBLL::CheckAccUse(CppSQLite3DB& db, CString name) {
    ServiceLock lock;
    return Guard(Log(), 0, [&] {
        // The account's own opening entries (project type 4) are no use of it.
        static const wchar_t* const kUses[] = {
            L"select count(*) from SaleBills where SettleAcctName = '%s';",
            L"select count(*) from PurBills where SettleAcctName = '%s';",
            L"select count(*) from Account where SettleAcctName = '%s' and ProjectType <> 4;",
            L"select count(*) from SaleOrderBills where SettleAcctName = '%s';",
        };
        const QuotedSlot quoted = Quoted(name);
        for (const wchar_t* use : kUses)
            if (db.execScalar(Sql(use, quoted)) >= 1) return 0;
        return 1;
    });
}
