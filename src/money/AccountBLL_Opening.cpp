// CAccountBLL: the opening entries of the settlement accounts (project type 4).
#include "frame/ServiceFrame.h"
#include "money/AccountBLL.h"

using namespace shopbiz;

CppSQLite3Query CAccountBLL::GetACIDBySetAccName(CppSQLite3DB& db, CString settleAcctName, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return db.execQuery(
            Sql(L"Select AccountID , AccountDate from Account where SettleAcctName = '%s' and ProjectType = 4;",
                Quoted(settleAcctName)));
    });
}

int CAccountBLL::DeleteAccount(CppSQLite3DB& db, CString settleAcctName, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        CSysBLL::GetSafeString(settleAcctName);
        int entryId = 0;
        {
            CppSQLite3Query entry = GetACIDBySetAccName(db, settleAcctName, error);
            if (entry.eof()) return 0;
            entryId = entry.getIntField(L"AccountID");
        }
        return DeleteAccount(db, entryId, error, 1);
    });
}

CppSQLite3Query CAccountBLL::GetSetAccNameByACID(CppSQLite3DB& db, int accountId, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L"Select SettleAcctName from Account where AccountID = %d;", accountId));
    });
}
