// The parts shared by both versions of the store manager's daily summary.
#include "system/StoreSummary.h"

#include "common/NumberText.h"
#include "frame/ServiceFrame.h"
#include "masterdata/ProductsBLL.h"

namespace shopbiz {

SummaryPeriod SummaryPeriodOf(const CString& day) {
    // "2013-05-06" or "2013-5-6", perhaps followed by a time.
    CString date = day;
    date.Trim();
    const int blank = date.Find(L' ');
    if (blank >= 0) date = date.Left(blank);
    CStringArray parts;
    CSysBLL().splitString(date, '-', parts);
    int year = 0, month = 0, dayOfMonth = 0;
    COleDateTime given;
    if (parts.GetSize() != 3 || !IsWholeNumber(parts[0], false, &year) || !IsWholeNumber(parts[1], false, &month) ||
        !IsWholeNumber(parts[2], false, &dayOfMonth) || given.SetDate(year, month, dayOfMonth) != 0)
        throw CppSQLite3Exception(1, L"not a date (yyyy-mm-dd): " + day);
    const COleDateTime covered = given - COleDateTimeSpan(1, 0, 0, 0);
    CSysBLL sys;
    return {sys.COleDateTime2CString(covered), sys.COleDateTime2CString(given), covered.GetYear(), covered.GetMonth(),
            covered.GetDay()};
}

DayFigures ReadDayFigures(CppSQLite3DB& db, CppSQLite3Query incomeRows) {
    DayFigures f;
    for (; !incomeRows.eof(); incomeRows.nextRow()) {
        if (incomeRows.getStringField(L"AccountType") == L"收入")
            f.income += incomeRows.getFloatField(L"InAmount");
        else
            f.expense += incomeRows.getFloatField(L"OutAmount");
    }
    incomeRows.finalize();
    CppSQLite3Query q =
        db.execQuery(L"select Companytype,sum(ifnull(CurAmount,0)) as Amount from Companies group by Companytype");
    for (; !q.eof(); q.nextRow())
        (q.getStringField(L"Companytype") == L"1" ? f.receivables : f.payables) += q.getFloatField(L"Amount");
    q.finalize();
    f.warnings = CProductsBLL().GetCustProductForWaringCount(db);
    return f;
}

int StoreSummaryOnce(CppSQLite3DB& db, const CString& day, CString& summary, int& sent) {
    CppSQLite3Query stored = db.execQuery(Sql(L" SELECT * FROM StoreMgrInfo WHERE UpdateTime='%s'", Quoted(day)));
    if (!stored.eof()) {
        summary = stored.getStringField(L"StoreInfo");
        sent = stored.getIntField(L"IsSend");
        return 1;
    }
    stored.finalize();
    db.execDML(Sql(L" INSERT INTO StoreMgrInfo(UpdateTime,StoreInfo) VALUES('%s','%s')", Quoted(day), Quoted(summary)));
    sent = 0;
    return 0;
}

void MarkSummarySent(CppSQLite3DB& db, const CString& day, int sent) {
    db.execDML(Sql(L"Update StoreMgrInfo set IsSend=%d where UpdateTime='%s'", sent, Quoted(day)));
}

}  // namespace shopbiz
