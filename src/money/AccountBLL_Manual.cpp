// CAccountBLL: hand-entered income and expense, and changing lines.
#include "frame/ServiceFrame.h"
#include "money/AccountBLL.h"
#include "money/JournalTexts.h"

using namespace shopbiz;

int CAccountBLL::InsertAccount(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString accountType,
                               CString date, CString billCode, CString desp, CString companyName, CString projectName,
                               double amount, CString& error, int projectType) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        const int status = InsertAccount(db, settleAcctName, settleAcctId, projectType, billCode, accountType, date,
                                         desp, companyName, projectName, 0, amount, error);
        // The settlement account's balance is the caller's to move.
        if (status >= 0) UpdateAccountMonth(db, date, accountType, settleAcctName, settleAcctId, amount, error);
        return status;
    });
}

int CAccountBLL::UpdateAccount(CppSQLite3DB& db, int accountId, CString accountType, CString date, CString billCode,
                               CString desp, CString companyName, CString projectName, double amount, CString& error,
                               CString settleAcctName, int settleAcctId, int projectType) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        if (DeleteAccount(db, accountId, error, 1) < 0) return -1;
        return InsertAccount(db, settleAcctName, settleAcctId, accountType, date, billCode, desp, companyName,
                             projectName, amount, error, projectType);
    });
}

int CAccountBLL::UpdateExistAccount(CppSQLite3DB& db, int accountId, CString accountType, CString /*date*/,
                                    CString /*billCode*/, CString /*desp*/, CString /*companyName*/,
                                    CString /*projectName*/, double amount, CString& error, CString /*settleAcctName*/,
                                    int /*settleAcctId*/, int /*projectType*/) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        const bool income = accountType == journal::kIncome;
        return db.execDML(Sql(L"update [Account] set [InAmount]=%.08lf,[OutAmount]=%.08lf where [AccountID]=%d",
                              income ? amount : 0.0, income ? 0.0 : amount, accountId));
    });
}
