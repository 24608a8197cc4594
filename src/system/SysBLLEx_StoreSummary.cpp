// CSysBLLEx: the store manager's daily summary with the previous day's income and expense
// taken from the sale and purchase bills and the cash journal together.
#include "common/SysBLLEx.h"
#include "frame/ServiceFrame.h"
#include "system/StoreSummary.h"

using namespace shopbiz;

CString CSysBLLEx::GetStoreMgrInfo(CppSQLite3DB& db, CString day) {
    ServiceLock lock;
    return Guard(CatchAll(L"CSysBLLEx::GetStoreMgrInfo"), CString(), [&] {
        const SummaryPeriod period = SummaryPeriodOf(day);
        const QuotedSlot from = Quoted(period.from), to = Quoted(period.to);
        // "Union" drops a branch row equal to another, such as the journal's sales line of a
        // day when it equals the day's sale bills.
        const DayFigures f = ReadDayFigures(db, db.execQuery(
            Sql(L"select 1 as ProjectType,'收入' as AccountType,sum(ifnull(GetAmount,0)) as InAmount,0 as OutAmount "
                L"from SaleBills Where BillDate >= '%s' and BillDate <'%s' Union "
                L"select 1 as ProjectType,'支出' as AccountType,0 as InAmount,sum(ifnull(GetAmount,0)) as OutAmount "
                L"from PurBills Where BillDate >= '%s' and BillDate <'%s' Union "
                L"select ProjectType,AccountType,sum(ifnull(InAmount,0)) as InAmount,sum(ifnull(OutAmount,0)) as "
                L"OutAmount from Account where ProjectType in(1,2,3) And AccountDate >= '%s' and AccountDate <'%s' "
                L"group by AccountType,ProjectType",
                from, to, from, to, from, to)));
        return Fmt(L"昨日收入%.02f元，支出%.02f元，应收款%.02f元，应付款%.02f元,有%d种货品预警。", f.income, f.expense,
                   f.receivables, f.payables, f.warnings);
    });
}

int CSysBLLEx::AddStoreMgrInfo(CppSQLite3DB& db, CString day, CString& summary, int& sent) {
    ServiceLock lock;
    return Guard(CatchAll(L"CSysBLLEx::AddStoreMgrInfo ERR"), -1,
                 [&] { return StoreSummaryOnce(db, day, summary, sent); });
}

void CSysBLLEx::UpdateSendStatus(CppSQLite3DB& db, CString day, int sent) {
    ServiceLock lock;
    Guard(CatchAll(L"CSysBLLEx::UpdateSendStatus Error"), [&] { MarkSummarySent(db, day, sent); });
}
