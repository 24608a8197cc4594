// CAccountBLL: income and expense per settlement account and calendar month.
#include "frame/ServiceFrame.h"
#include "money/AccountBLL.h"
#include "money/JournalTexts.h"

using namespace shopbiz;

int CAccountBLL::UpdateAccountMonth(CppSQLite3DB& db, CString date, CString accountType, CString settleAcctName,
                                    int settleAcctId, double amount, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        CSysBLL::GetSafeString(accountType);
        CSysBLL::GetSafeString(settleAcctName);
        const QuotedSlot day = Quoted(date), name = Quoted(settleAcctName);
        // Rows are matched by month and account name; a month starts at zero.
        if (db.execScalar(Sql(L"SELECT COUNT(*) FROM [AccountMonth] WHERE strftime('%%Y-%%m', [Month])= "
                              L"strftime('%%Y-%%m','%s')  AND [SettleAcctName] = '%s' ",
                              day, name)) == 0)
            db.execDML(
                Sql(L"insert into [AccountMonth](Month,SettleAcctName,SettleAcctID,InAmount,OutAmount,Balance) "
                    L"values('%s','%s',%d,%.08lf,%.08lf,%.08lf)",
                    day, name, settleAcctId, 0.0, 0.0, 0.0));

        const SqlText sql =
            accountType == journal::kIncome
                ? Sql(L"update [AccountMonth] set InAmount = ifnull(InAmount,0) + (%.08lf),Balance = ifnull(Balance,0) "
                      L"+ (%.08lf) where strftime('%%Y-%%m', [Month])= strftime('%%Y-%%m','%s') and SettleAcctName = "
                      L"'%s' ",
                      amount, amount, day, name)
                : Sql(L"update [AccountMonth] set OutAmount = ifnull(OutAmount,0) + (%.08lf),Balance = "
                      L"ifnull(Balance,0) - (%.08lf) where strftime('%%Y-%%m', [Month])= strftime('%%Y-%%m','%s') and "
                      L"SettleAcctName = '%s' ",
                      amount, amount, day, name);
        LogLine(sql);  // the statement trace of the month totals
        return db.execDML(sql);
    });
}
