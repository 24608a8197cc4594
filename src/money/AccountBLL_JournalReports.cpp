// CAccountBLL: the reports of the cash journal: the opening balance, the journal of a period,
// income and expense by project.
#include "money/AccountBLL.h"
#include "money/AccountReportSql.h"
#include "money/MoneyReportRows.h"

using namespace shopbiz;

CppSQLite3Query CAccountBLL::GetAccountHeader(CppSQLite3DB& db, CString startDate, CString& error,
                                              CString settleAcctName) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(),
                 [&] { return db.execQuery(money::OpeningBalance(startDate, settleAcctName)); });
}

CppSQLite3Query CAccountBLL::GetAccountList(CppSQLite3DB& db, CString fromDate, CString toDate, long& count,
                                            CString& error) {
    ServiceLock lock;
    count = 0;
    return Guard(Report(error), CppSQLite3Query(),
                 [&] { return money::CountedQuery(db, money::JournalList(fromDate, toDate), count); });
}

CppSQLite3Query CAccountBLL::GetAccountListDetail(CppSQLite3DB& db, CString fromDate, CString toDate,
                                                  CString settleAcctName, long& count, CString& error) {
    ServiceLock lock;
    count = 0;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return money::CountedQuery(db, money::JournalDetail(fromDate, toDate, settleAcctName), count);
    });
}

CppSQLite3Query CAccountBLL::GetAccReportList(CppSQLite3DB& db, CString fromDate, CString toDate,
                                              CString accountTypePart, CString projectPart, long& count,
                                              CString& error) {
    ServiceLock lock;
    count = 0;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return money::CountedQuery(db, money::ProjectSums(fromDate, toDate, accountTypePart, projectPart, false),
                                   count);
    });
}

CppSQLite3Query CAccountBLL::GetAccProfitList(CppSQLite3DB& db, CString fromDate, CString toDate,
                                              CString accountTypePart, CString projectPart, long& count,
                                              CString& error) {
    ServiceLock lock;
    count = 0;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return money::CountedQuery(db, money::ProjectSums(fromDate, toDate, accountTypePart, projectPart, true), count);
    });
}

CppSQLite3Query CAccountBLL::GetAccReportDetailList(CppSQLite3DB& db, CString fromDate, CString toDate,
                                                    CString accountTypePart, CString projectPart, long& count,
                                                    CString& error) {
    ServiceLock lock;
    count = 0;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return money::CountedQuery(db, money::ProjectDetail(fromDate, toDate, accountTypePart, projectPart, false),
                                   count);
    });
}

CppSQLite3Query CAccountBLL::GetAccProfitDetailList(CppSQLite3DB& db, CString fromDate, CString toDate,
                                                    CString accountTypePart, CString projectPart, long& count,
                                                    CString& error) {
    ServiceLock lock;
    count = 0;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return money::CountedQuery(db, money::ProjectDetail(fromDate, toDate, accountTypePart, projectPart, true),
                                   count);
    });
}
