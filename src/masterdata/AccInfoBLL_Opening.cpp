// CAccInfoBLL: new accounts and their opening entries in the journal.
#include "common/AmountText.h"
#include "frame/ServiceFrame.h"
#include "masterdata/AccInfoBLL.h"
#include "money/AccountBLL.h"
#include "money/JournalTexts.h"

using namespace shopbiz;

namespace {

// Shown when the journal refused a new account's opening entry.
constexpr const wchar_t* kOpeningEntryFailed = L"SQLERROR 004004004701";

// Reads the first row of an account lookup; false when there is none.
bool ReadAccountId(CppSQLite3Query row, int& accountId) {
    if (row.isNull() || row.eof()) return false;
    accountId = row.getIntField(L"SettleAcctID");
    return true;
}

}  // namespace

int CAccInfoBLL::WriteOpeningEntry(CppSQLite3DB& db, const CString& name, int accountId, const CString& date,
                                   double amount, CString& error) {
    return CAccountBLL().InsertAccount(db, name, accountId, journal::kOpeningEntry, L"", journal::kIncome, date,
                                       Fmt(L"%s操作", name), L"", journal::kOpeningProject, 0, amount, error);
}

int CAccInfoBLL::InsertLIstData(CppSQLite3DB& db, int /*type: always 1*/, CString name, CString bankName,
                                CString bankNo, CString amount, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), 1, [&] {
        CSysBLL sys;
        // Made safe before the checks, so that they see the name as it will be stored.
        CSysBLL::GetSafeString(name);
        CSysBLL::GetSafeString(bankName);
        CSysBLL::GetSafeString(bankNo);
        CSysBLL::GetSafeString(amount);
        if (name.IsEmpty()) return 1;
        // Balances are moved by name, so a name may belong to one account only, whatever its type.
        const int exists = IsExistByAcNAme(db, name, error);
        if (exists < 0) return 1;
        if (exists > 0) {
            error = L"已经存在,请确认!";
            return 1;
        }

        CString searchCode;
        sys.GetFirstPY(name, searchCode);
        const CString createDate = sys.GetTimeNowLong();
        const CString updateDate = sys.GetTimeNowLong();
        const double opening = ParseAmount(amount);
        const int status = db.execDML(Sql(
            L" INSERT INTO SettleAcct( SettleAcctName,SearchCode, BankName,BankNo,SettleAcctType, "
            L"InitAmount,CurAmount,IsDisable,IsDelete, IsSystem,UserID,CreateDate,LastUpdateDate) "
            L"VALUES('%s','%s', '%s','%s',%d, %.08lf,%.08lf,%d,%d, %d,%d,'%s','%s');",
            Quoted(name), Quoted(searchCode), Quoted(bankName), Quoted(bankNo), 1, opening, opening, 0, 0, 0, 0,
            Quoted(createDate), Quoted(updateDate)));
        const CString newKey = db.execScalarStr(L"SELECT MAX(SettleAcctID) FROM SettleAcct", L"0");
        sys.AddOperateData(db, L"SettleAcct", L"SettleAcctID", newKey, L"A");
        if (status != 0) return 0;

        int accountId = 0;
        if (!ReadAccountId(GetBaseDataByName(db, name, error), accountId)) return 2;

        const CString today = sys.GetTimeNowShort();
        CString entryError;
        if (WriteOpeningEntry(db, name, accountId, today, opening, entryError) != 0) {
            AfxMessageBox(kOpeningEntryFailed, 0, 0);
            return -1;
        }
        // The account gets its row for the month; the opening balance is not income of it.
        CAccountBLL().UpdateAccountMonth(db, today, journal::kIncome, name, accountId, 0.0, error);
        return 0;
    });
}

int CAccInfoBLL::UpdateAccountData(CppSQLite3DB& db, CString name, double amount, CString& error, int undo) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        int accountId = 0;
        if (!ReadAccountId(GetBaseDataByName(db, name, error), accountId)) return 2;

        CAccountBLL journalBLL;
        int entryId = 0;
        CString entryDate;
        {
            CppSQLite3Query entry = journalBLL.GetACIDBySetAccName(db, name, error);
            if (!entry.eof()) {
                entryId = entry.getIntField(L"AccountID");
                entryDate = entry.getStringField(L"AccountDate");
            }
        }
        // The delivered cash account has no opening entry to remove: it simply gets one.
        if (journalBLL.DeleteAccount(db, entryId, error, undo) < 0 && name != journal::kCashAccount) return -1;
        if (entryDate.IsEmpty()) entryDate = CSysBLL().GetTimeNowShort();
        return WriteOpeningEntry(db, name, accountId, entryDate, amount, error);
    });
}
