// CAccountBLL: the day's sales and purchase lines, and their rebuild after an import.
#include <vector>

#include "common/AmountText.h"
#include "frame/ServiceFrame.h"
#include "money/AccountBLL_DayLines.h"
#include "money/JournalTexts.h"

using namespace shopbiz;

namespace shopbiz::journal {

// The sales side of the rebuild leaves out hand-entered items and opening entries; the
// purchase side looks at day lines only.
const DayLine kSalesDay = {
    .accountType = kIncome,
    .amountColumn = L"InAmount",
    .kindCondition = L"ProjectType =1 and AccountType = '收入'",
    .desp = L"销售货品",
    .partner = L"零售客户",
    .project = kSalesProject,
    .recordUpdate = true,
    .billTable = L"SaleBills",
    .rebuildCountCondition = L"ProjectName like '%销售收入%' And ProjectType not in(3,4,7)",
    .rebuildLineCondition = L"ProjectName like '%销售收入%' And ProjectType not in(4,7)",
};
const DayLine kPurchaseDay = {
    .accountType = kExpense,
    .amountColumn = L"OutAmount",
    .kindCondition = L"ProjectType = 1 and AccountType = '支出'",
    .desp = L"购进货品",
    .partner = L"零散供应商",
    .project = kPurchaseProject,
    .recordUpdate = true,
    .billTable = L"PurBills",
    .rebuildCountCondition = L"ProjectName like '%进货支出%' And ProjectType =1",
    .rebuildLineCondition = L"ProjectName like '%进货支出%' And ProjectType =1",
};

int AddToDayLine(CppSQLite3DB& db, const DayLine& kind, CString settleAcctName, int settleAcctId, CString date,
                 CString amount, CString& error) {
    ServiceLock lock;
    CAccountBLL journalBLL;
    return Guard(Report(error), -1, [&] {
        const double money = ParseAmount(amount);
        const QuotedSlot day = Quoted(date);
        if (db.execScalar(Sql(L"SELECT COUNT(*) FROM [Account] WHERE %s and strftime('%%Y-%%m-%%d', AccountDate) = "
                              L"strftime('%%Y-%%m-%%d', '%s')",
                              kind.kindCondition, day)) == 0) {
            // The day's first: the line carries no settlement account of its own.
            if (journalBLL.InsertAccount(db, L"", -1, journal::kDayLine, L"", kind.accountType, date, kind.desp,
                                         kind.partner, kind.project, 1, money, error) < 0) {
                LogLine(error);
                return -1;
            }
        } else {
            db.execDML(
                Sql(L"update Account set %s = %s + (%.08lf) where strftime('%%Y-%%m-%%d', AccountDate) = "
                    L"strftime('%%Y-%%m-%%d', '%s') and   ProjectType =1 and AccountType = '%s'",
                    kind.amountColumn, kind.amountColumn, money, day, kind.accountType));
            if (kind.recordUpdate) {
                const CString lineId = db.execScalarStr(
                    Sql(L" SELECT AccountID FROM Account WHERE ProjectType = 1 and AccountType = '%s' AND "
                        L"strftime('%%Y-%%m-%%d', AccountDate) = strftime('%%Y-%%m-%%d', '%s')",
                        kind.accountType, day));
                if (!lineId.IsEmpty()) CSysBLL().AddOperateData(db, L"Account", L"AccountID", lineId, L"U");
            }
        }
        if (journalBLL.UpdateAccountMonth(db, date, kind.accountType, settleAcctName, settleAcctId, money, error) < 0)
            return -1;
        return 0;
    });
}

}  // namespace shopbiz::journal

int CAccountBLL::UpdateAccountBySale(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString date,
                                     CString amount, CString& error) {
    return journal::AddToDayLine(db, journal::kSalesDay, settleAcctName, settleAcctId, date, amount, error);
}

int CAccountBLL::UpdateAccountByPur(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString date,
                                    CString amount, CString& error) {
    return journal::AddToDayLine(db, journal::kPurchaseDay, settleAcctName, settleAcctId, date, amount, error);
}

namespace {

// Sets each day's line of the kind to the day's total of the bills, from the date on.
int RebuildDayLines(CppSQLite3DB& db, const journal::DayLine& kind, const CString& fromDate, CString& error) {
    CAccountBLL journalBLL;
    struct DaySum {
        CString day;
        double amount;
    };
    std::vector<DaySum> days;
    {
        CppSQLite3Query sums =
            db.execQuery(Sql(L"select sum(GetAmount)as Amount,BillDate  from %s where BillDate > "
                             L"'1970-01-01' and ( BillDate >= '%s') group by BillDate",
                             kind.billTable, Quoted(fromDate)));
        for (; !sums.eof(); sums.nextRow())
            days.push_back({sums.getStringField(L"BillDate"), sums.getFloatField(L"Amount")});
    }
    for (const DaySum& sum : days) {
        const QuotedSlot day = Quoted(sum.day);
        const int lines = db.execScalar(
            Sql(L"select count(*) as c,sum(InAmount)as InAmount,sum(OutAmount)as OutAmount from account where "
                L"AccountDate between '%s' and '%s' and (InAmount <> 0 or OutAmount <> 0) and %s",
                day, day, kind.rebuildCountCondition));
        if (lines == 0) {
            if (journalBLL.InsertAccount(db, L"", -1, journal::kDayLine, L"", kind.accountType, sum.day, kind.desp,
                                         kind.partner, kind.project, 1, sum.amount, error) < 0) {
                LogLine(error);
                return -1;
            }
            continue;
        }
        const int lineId =
            db.execScalar(Sql(L"select AccountID,InAmount,OutAmount from account where AccountDate "
                              L"between '%s' and '%s' and (InAmount <> 0 or OutAmount <> 0) and %s",
                              day, day, kind.rebuildLineCondition));
        if (journalBLL.UpdateExistAccount(db, lineId, kind.accountType, sum.day, L"", L"", L"", L"", sum.amount, error,
                                          L"", -1, journal::kDayLine) < 0)
            return -1;
    }
    return 0;
}

}  // namespace

int CAccountBLL::UpdateAccountByImport(CppSQLite3DB& db, CString /*settleAcctName*/, int /*settleAcctId*/,
                                       CString /*date*/, CString /*amount*/, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        // The days from the latest day line on are rebuilt from the bills.
        CString latest;
        {
            CppSQLite3Query range = db.execQuery(
                L"select MIN(AccountDate) as DateMIN,MAX(AccountDate) as DateMax from Account where "
                L"ProjectName = '进货支出' or ProjectName = '销售收入';");
            if (!range.eof()) latest = range.getStringField(L"DateMax");
        }
        if (latest.IsEmpty()) latest = L"1970-01-01";
        if (RebuildDayLines(db, journal::kSalesDay, latest, error) < 0) return -1;
        return RebuildDayLines(db, journal::kPurchaseDay, latest, error);
    });
}
