// CRecPayBLL: the receivables and payables lists, one partner's movements, and the charts.
#include "money/DebtSide.h"
#include "money/MoneyReportRows.h"
#include "money/RecPayBLL.h"

using namespace shopbiz;

namespace {

CppSQLite3Query List(CppSQLite3DB& db, const money::DebtSide& side, const CString& from, const CString& to,
                     const CString& keyword, long& count, CString& error) {
    ServiceLock lock;
    count = 0;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return money::CountedQuery(db, money::DebtList(side, from, to, keyword), count);
    });
}

CppSQLite3Query Header(CppSQLite3DB& db, const money::DebtSide& side, const CString& from, CString code,
                       CString name, CString& error) {
    ServiceLock lock;
    // Partners are stored under their safe names and codes.
    CSysBLL::GetSafeString(code);
    CSysBLL::GetSafeString(name);
    return Guard(Report(error), CppSQLite3Query(),
                 [&] { return db.execQuery(money::OpeningDebt(side, from, code, name)); });
}

CppSQLite3Query Movements(CppSQLite3DB& db, const money::DebtSide& side, const CString& from, const CString& to,
                          CString code, CString name, long& count, CString& error) {
    ServiceLock lock;
    count = 0;
    CSysBLL::GetSafeString(code);
    CSysBLL::GetSafeString(name);
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return money::CountedQuery(db, money::DebtMovements(side, from, to, code, name), count);
    });
}

int Chart(CppSQLite3Query rows, int maxRows, CString pairs[][2], CString& error) {
    return Guard(Report(error), -1, [&] {
        int written = 0;
        for (; pairs && written < maxRows && !rows.eof(); rows.nextRow(), ++written) {
            pairs[written][0] = money::ChartLabel(rows.getStringField(L"CompanyName"));
            pairs[written][1] = Fmt(L"%.08lf", rows.getFloatField(L"InitAmount") + rows.getFloatField(L"AddAmount") -
                                                   rows.getFloatField(L"GetAmount"));
        }
        return written;
    });
}

}  // namespace

CppSQLite3Query CRecPayBLL::GetRecLists(CppSQLite3DB& db, CString fromDate, CString toDate, CString keyword,
                                        CString /*unused*/, long& count, CString& error) {
    return List(db, money::kReceivables, fromDate, toDate, keyword, count, error);
}

CppSQLite3Query CRecPayBLL::GetPayLists(CppSQLite3DB& db, CString fromDate, CString toDate, CString keyword,
                                        CString /*unused*/, long& count, CString& error) {
    return List(db, money::kPayables, fromDate, toDate, keyword, count, error);
}

CppSQLite3Query CRecPayBLL::GetRecListsOrderByAmount(CppSQLite3DB& db, CString fromDate, CString toDate,
                                                     CString keyword, CString /*unused*/, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return db.execQuery(money::DebtListByAmount(money::kReceivables, fromDate, toDate, keyword));
    });
}

CppSQLite3Query CRecPayBLL::GetPayListsOrderByAmount(CppSQLite3DB& db, CString fromDate, CString toDate,
                                                     CString keyword, CString /*unused*/, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return db.execQuery(money::DebtListByAmount(money::kPayables, fromDate, toDate, keyword));
    });
}

CppSQLite3Query CRecPayBLL::GetRecItemHeader(CppSQLite3DB& db, CString fromDate, CString companyCode,
                                             CString companyName, CString& error) {
    return Header(db, money::kReceivables, fromDate, companyCode, companyName, error);
}

CppSQLite3Query CRecPayBLL::GetPayItemHeader(CppSQLite3DB& db, CString fromDate, CString companyCode,
                                             CString companyName, CString& error) {
    return Header(db, money::kPayables, fromDate, companyCode, companyName, error);
}

CppSQLite3Query CRecPayBLL::GetRecItem(CppSQLite3DB& db, CString fromDate, CString toDate, CString companyCode,
                                       CString companyName, long& count, CString& error) {
    return Movements(db, money::kReceivables, fromDate, toDate, companyCode, companyName, count, error);
}

CppSQLite3Query CRecPayBLL::GetPayItem(CppSQLite3DB& db, CString fromDate, CString toDate, CString companyCode,
                                       CString companyName, long& count, CString& error) {
    return Movements(db, money::kPayables, fromDate, toDate, companyCode, companyName, count, error);
}

int CRecPayBLL::GetRecChartData(CppSQLite3DB& db, int maxRows, CString fromDate, CString toDate, CString keyword,
                                CString unused, CString pairs[][2], CString& error) {
    ServiceLock lock;
    error = L"";
    CppSQLite3Query rows = GetRecListsOrderByAmount(db, fromDate, toDate, keyword, unused, error);
    if (!error.IsEmpty()) return -1;
    return Chart(rows, maxRows, pairs, error);
}

int CRecPayBLL::GetPayChartData(CppSQLite3DB& db, int maxRows, CString fromDate, CString toDate, CString keyword,
                                CString unused, CString pairs[][2], CString& error) {
    ServiceLock lock;
    error = L"";
    CppSQLite3Query rows = GetPayListsOrderByAmount(db, fromDate, toDate, keyword, unused, error);
    if (!error.IsEmpty()) return -1;
    return Chart(rows, maxRows, pairs, error);
}

CppSQLite3Query CRecPayBLL::GetRecPayLists(CppSQLite3DB& db, CString companyName, CString billCode) {
    ServiceLock lock;
    return Guard(Log(), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L"select * from Account Where CompanyName='%s' and AccountCode='%s' ",
                                Quoted(companyName), Quoted(billCode)));
    });
}
