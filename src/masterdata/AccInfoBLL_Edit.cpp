// CAccInfoBLL: moving balances, editing and deleting accounts.
#include "common/AmountText.h"
#include "common/NumberText.h"
#include "frame/ServiceFrame.h"
#include "masterdata/AccInfoBLL.h"

using namespace shopbiz;

namespace {

constexpr const wchar_t* kOpeningEntryNotRewritten = L"SQLERROR 004004004702";
constexpr const wchar_t* kNameTaken = L"已经存在,请确认!";

}  // namespace

int CAccInfoBLL::UpdateBaseAccount(CppSQLite3DB& db, CString name, double amount, CString& error, int write) {
    ServiceLock lock;
    return Guard(Report(error), 1, [&] {
        CSysBLL sys;
        const CString now = sys.GetTimeNowLong();
        CSysBLL::GetSafeString(name);
        // Money in comes as a negative amount, money out as a positive one. The balance moves
        // relative to the stored one in one statement (kept to eight decimals, as a balance
        // written with "%.08lf" is), so that a value that could not be read is never written
        // back; an unknown name is touched by nothing.
        if (write != 0) {
            db.execDML(Sql(L"update SettleAcct set CurAmount = round(ifnull(CurAmount,0) - (%.08lf), 8) "
                           L",LastUpdateDate = '%s' where SettleAcctName = '%s';",
                           amount, Quoted(now), Quoted(name)));
            sys.AddOperateData(db, L"SettleAcct", L"SettleAcctName", name, L"U");
        }
        return 0;
    });
}

int CAccInfoBLL::UpdateBaseData(CppSQLite3DB& db, int accountId, CString type, CString name, CString bankName,
                                CString bankNo, CString amount, CString& error, int cascade) {
    ServiceLock lock;
    return Guard(Report(error), 1, [&] {
        CSysBLL sys;
        const CString now = sys.GetTimeNowLong();
        CSysBLL::GetSafeString(name);
        CSysBLL::GetSafeString(bankName);
        CSysBLL::GetSafeString(bankNo);
        CSysBLL::GetSafeString(amount);
        CSysBLL::GetSafeString(type);
        const bool byId = accountId > -1;
        const double current = ParseAmount(amount);
        double opening = current;
        int status = 0;
        if (byId) {
            // A rename must not give two accounts one name: balances are moved by name.
            if (name.IsEmpty()) return 1;
            if (db.execScalar(
                    Sql(L"select count(*) from SettleAcct where SettleAcctName = '%s' and SettleAcctID <> %d;",
                        Quoted(name), accountId)) > 0) {
                error = kNameTaken;
                return 1;
            }
            double oldCurrent = 0.0, oldOpening = 0.0;
            {
                CppSQLite3Query row = GetBaseDataByAccID(db, accountId, error);
                if (!row.isNull() && !row.eof()) {
                    oldCurrent = row.getFloatField(L"CurAmount");
                    oldOpening = row.getFloatField(L"InitAmount");
                }
            }
            error = L"";
            // The movements since opening stay what they were.
            opening = current + oldOpening - oldCurrent;
            status =
                db.execDML(Sql(L"update SettleAcct set SettleAcctType = %d,SettleAcctName = '%s', BankName = "
                               L"'%s',BankNo = '%s', CurAmount = %.08lf, InitAmount = %.08lf , LastUpdateDate = "
                               L"'%s' where SettleAcctID = %d;",
                               WToI(type), Quoted(name), Quoted(bankName), Quoted(bankNo), current, opening,
                               Quoted(now), accountId));
        } else {
            status =
                db.execDML(Sql(L"update SettleAcct set SettleAcctType = %d, BankName = '%s',BankNo = '%s', "
                               L"CurAmount = %.08lf, InitAmount = %.08lf , LastUpdateDate = '%s' where "
                               L"SettleAcctName = '%s';",
                               WToI(type), Quoted(bankName), Quoted(bankNo), current, opening, Quoted(now),
                               Quoted(name)));
        }
        sys.AddOperateData(db, L"SettleAcct", L"SettleAcctID", Fmt(L"%d", accountId), L"U");

        if (status == 0 && cascade == 1) {
            // Lines and bills refer to the account by ID and name. An edit by name keeps the
            // name, and ID -1 would hit the day's lines (which carry -1), so only by ID.
            if (byId) {
                static const wchar_t* const kCarryName[] = {
                    L"update Account set SettleAcctName = '%s' where SettleAcctID = %d ;",
                    L"update AccountMonth set SettleAcctName = '%s' where SettleAcctID = %d ;",
                    L"update PurBills set SettleAcctName = '%s' where SettleAcctID = %d ;",
                    L"update SaleBills set SettleAcctName = '%s' where SettleAcctID = %d ;",
                };
                for (const wchar_t* carry : kCarryName) db.execDML(Sql(carry, Quoted(name), accountId));
            }
            CString entryError;
            if (UpdateAccountData(db, name, opening, entryError, 0) != 0 || !byId)
                AfxMessageBox(kOpeningEntryNotRewritten, 0, 0);
        }
        return 0;
    });
}

int CAccInfoBLL::UpdateBaseData(CppSQLite3DB&, int, CString, CString, CString&) { return 0; }

int CAccInfoBLL::DeleteBaseData(CppSQLite3DB& db, CString accountId, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), 1, [&] {
        const int id = WToI(accountId);
        if (ISSysItem(db, id) == 0) return 2;
        CSysBLL().AddOperateData(db, L"SettleAcct", L"SettleAcctID", Fmt(L"%d", id), L"D");
        db.execDML(Sql(L"delete from SettleAcct Where SettleAcctID = %d ;", id));
        return 0;
    });
}
