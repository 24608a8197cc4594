// CAccountBLL: chart data of income and expense, and the lists of receipts and payments.
#include "money/AccountBLL.h"
#include "money/AccountReportSql.h"
#include "money/JournalTexts.h"
#include "money/MoneyReportRows.h"

using namespace shopbiz;

CppSQLite3Query CAccountBLL::GetAccChartData(CppSQLite3DB& db, CTime from, CTime to, CString settleAcctName,
                                             long& count, CString& error) {
    ServiceLock lock;
    count = 0;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        CSysBLL sys;
        const QuotedSlot first = Quoted(sys.CTime2CString(from)), last = Quoted(sys.CTime2CString(to));
        const SqlText account =
            settleAcctName.IsEmpty() ? SqlText() : Sql(L" and SettleAcctName='%s'", Quoted(settleAcctName));
        return money::CountedQuery(
            db,
            Sql(L"select sum(ifnull(OutAmount,0)) as OutAmount,a.ProjectName as ProjectName from ( select "
                L"sum(ifnull(GetAmount,0)) as OutAmount, '进货支出' as ProjectName from PurBills where BillDate between "
                L"'%s' and '%s' and GetAmount<> 0 %s group by ProjectName union all select sum(ifnull(OutAmount,0)) as "
                L"OutAmount,ProjectName from Account where ProjectType in(3,7) and AccountType = '支出' and AccountDate "
                L"between '%s' and '%s' %s group by ProjectName)a where a.OutAmount > 0 group by a.ProjectName",
                first, last, account, first, last, account),
            count);
    });
}

int CAccountBLL::GetAccReportChartData(CppSQLite3DB& db, int maxRows, CString fromDate, CString toDate,
                                       CString accountType, CString projectPart, CString pairs[][2],
                                       CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        CppSQLite3Query rows = db.execQuery(
            Sql(L"select *from (select AccountType,ProjectName,sum(ifnull(InAmount,0)) as InAmount, "
                L"sum(ifnull(OutAmount,0)) as OutAmount from Account where AccountDate between '%s' and '%s' and "
                L"(InAmount <> 0 or OutAmount <> 0) and AccountType = '%s' and ProjectName like '%%%s%%' group by "
                L"ProjectName,AccountType order by InAmount desc,OutAmount desc)a where (a.InAmount+a.OutAmount)>0 "
                L"order by (a.InAmount+a.OutAmount) desc",
                Quoted(fromDate), Quoted(toDate), Quoted(accountType), Quoted(projectPart)));
        const wchar_t* amount = accountType == journal::kIncome ? L"InAmount" : L"OutAmount";
        int written = 0;
        for (; pairs && written < maxRows && !rows.eof(); rows.nextRow(), ++written) {
            pairs[written][0] = money::ChartLabel(rows.getStringField(L"ProjectName"));
            pairs[written][1] = Fmt(L"%.08lf", rows.getFloatField(amount));
        }
        return written;
    });
}

CppSQLite3Query CAccountBLL::GetAccBillList(CppSQLite3DB& db, int kind, CString fromDate, CString toDate,
                                            CString keyword, long& count, int detail) {
    ServiceLock lock;
    count = 0;
    return Guard(Log(), CppSQLite3Query(), [&] {
        const SqlText rows = money::ReceiptPaymentBills(kind, fromDate, toDate, keyword, detail != 0);
        count = db.execScalar(Sql(L"SELECT COUNT(*) FROM (%s)", rows));
        return db.execQuery(rows);
    });
}
