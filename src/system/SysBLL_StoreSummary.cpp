// CSysBLL: the store manager's daily summary of the previous day from the cash journal, the
// partners' balances and the stock warnings, and the record of the summaries sent.
#include "frame/ServiceFrame.h"
#include "masterdata/ProductsBLL.h"
#include "system/StoreSummary.h"

using namespace shopbiz;

CString CSysBLL::GetStoreMgrInfo(CppSQLite3DB& db, CString day) {
    ServiceLock lock;
    return Guard(CatchAll(L"CSysBLL::GetStoreMgrInfo"), CString(), [&] {
        const SummaryPeriod period = SummaryPeriodOf(day);
        double income = 0, expense = 0;
        CppSQLite3Query q = db.execQuery(
            Sql(L"select AccountType,sum(ifnull(InAmount,0)) as InAmount,sum(ifnull(OutAmount,0)) as OutAmount from "
                L"Account where ProjectType in(1,2,3) And AccountDate >= '%s' and AccountDate <'%s' group by AccountType",
                Quoted(period.from), Quoted(period.to)));
        for (; !q.eof(); q.nextRow()) {
            if (q.getStringField(L"AccountType") == L"收入")
                income += q.getFloatField(L"InAmount");
            else
                expense += q.getFloatField(L"OutAmount");
        }
        q.finalize();
        double receivables = 0, payables = 0;
        PartnerBalances(db, receivables, payables);
        const int warnings = CProductsBLL().GetCustProductForWaringCount(db);
        return Fmt(L"%s日店铺收入%.02f元，支出%.02f元，应收款%.02f元，应付款%.02f元,有%d种货品预警。",
                   Fmt(L"%d年%d月%d", period.year, period.month, period.day), income, expense, receivables, payables,
                   warnings);
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
