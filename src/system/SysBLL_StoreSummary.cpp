// CSysBLL: the store manager's daily summary of the previous day from the cash journal, the
// partners' balances and the stock warnings, and the record of the summaries sent.
#include "frame/ServiceFrame.h"
#include "system/StoreSummary.h"

using namespace shopbiz;

CString CSysBLL::GetStoreMgrInfo(CppSQLite3DB& db, CString day) {
    ServiceLock lock;
    return Guard(CatchAll(L"CSysBLL::GetStoreMgrInfo"), CString(), [&] {
        const SummaryPeriod period = SummaryPeriodOf(day);
        const DayFigures f = ReadDayFigures(
            db, db.execQuery(Sql(
                    L"select AccountType,sum(ifnull(InAmount,0)) as InAmount,sum(ifnull(OutAmount,0)) as OutAmount "
                    L"from Account where ProjectType in(1,2,3) And AccountDate >= '%s' and AccountDate <'%s' group by "
                    L"AccountType",
                    Quoted(period.from), Quoted(period.to))));
        return Fmt(L"%s日店铺收入%.02f元，支出%.02f元，应收款%.02f元，应付款%.02f元,有%d种货品预警。",
                   Fmt(L"%d年%d月%d", period.year, period.month, period.day), f.income, f.expense, f.receivables,
                   f.payables, f.warnings);
    });
}

int CSysBLL::AddStoreMgrInfo(CppSQLite3DB& db, CString day, CString& summary, int& sent) {
    ServiceLock lock;
    return Guard(CatchAll(L"CSysBLL::AddStoreMgrInfo ERR"), -1, [&] { return StoreSummaryOnce(db, day, summary, sent); });
}

void CSysBLL::UpdateSendStatus(CppSQLite3DB& db, CString day, int sent) {
    ServiceLock lock;
    Guard(CatchAll(L"CSysBLL::UpdateSendStatus Error"), [&] { MarkSummarySent(db, day, sent); });
}
