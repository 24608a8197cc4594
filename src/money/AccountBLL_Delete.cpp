// CAccountBLL: removing a line and undoing what writing it moved.
#include "common/AmountText.h"
#include "frame/ServiceFrame.h"
#include "masterdata/AccInfoBLL.h"
#include "masterdata/CustomerBLL.h"
#include "money/AccountBLL.h"
#include "money/JournalTexts.h"

using namespace shopbiz;

int CAccountBLL::DeleteAccount(CppSQLite3DB& db, int accountId, CString& error, int undo) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        CString settleAcctName, accountType, inAmount, outAmount, date;
        int projectType = 0, companyId = 0, settleAcctId = 0;
        {
            CppSQLite3Query line = db.execQuery(Sql(L"select *from Account where AccountID= %d", accountId));
            if (!line.eof()) {
                settleAcctName = line.getStringField(L"SettleAcctName");
                accountType = line.getStringField(L"AccountType");
                inAmount = line.fieldValue(L"InAmount");
                outAmount = line.fieldValue(L"OutAmount");
                projectType = line.getIntField(L"ProjectType");
                companyId = line.getIntField(L"CompanyID");
                date = line.getStringField(L"AccountDate");
                settleAcctId = line.getIntField(L"SettleAcctID");
            }
        }
        // A missing line (or one without a date) cannot be undone: nothing is removed.
        if (UpdateSettleAcctByDelete(db, accountId, companyId, projectType, accountType, settleAcctName, settleAcctId,
                                     date, inAmount, outAmount, error, undo) < 0)
            return -1;
        db.execDML(Sql(L"delete from Account where AccountID= %d", accountId));
        CSysBLL().AddOperateData(db, L"Account", L"AccountID", Fmt(L"%d", accountId), L"D");
        return 0;
    });
}

int CAccountBLL::UpdateSettleAcctByDelete(CppSQLite3DB& db, int accountId, int companyId, int projectType,
                                          CString accountType, CString settleAcctName, int settleAcctId, CString date,
                                          CString inAmount, CString outAmount, CString& error, int undo) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        const bool income = accountType == journal::kIncome;
        const double amount = ParseAmount(income ? inAmount : outAmount);
        const double reversal = -amount;
        if (date.IsEmpty()) {
            error = Fmt(L"ID号为%d的收支单不存在或者其日期为空!", accountId);
            return -1;
        }
        if (undo) UpdateAccountMonth(db, date, accountType, settleAcctName, settleAcctId, reversal, error);
        // The partner's balance goes back up, whatever the flag; hand-entered items never moved it.
        // Lines without a partner (opening entries) have nothing to move.
        if (projectType > 0 && projectType != journal::kHandEntered && companyId > 0)
            CCustomerBLL().DecCurrentAmount(db, companyId, reversal, error);
        // Income had raised the account's balance, expense had lowered it.
        if (!settleAcctName.IsEmpty() && reversal != 0)
            CAccInfoBLL().UpdateBaseAccount(db, settleAcctName, income ? amount : -amount, error, undo);
        return 1;
    });
}
