#pragma once
// What the two versions of the store manager's daily summary (CSysBLL, CSysBLLEx) share:
// the day they cover, the partners' balances, and the table of stored summaries.

#include "frame/ServiceTypes.h"

namespace shopbiz {

// The day a summary covers: the day before the given one, [from, to) as date texts.
struct SummaryPeriod {
    CString from, to;   // "2013-05-05", "2013-05-06"
    int year, month, day;  // the day covered
};
// The period for "yyyy-m-d" (a time after the date is ignored); throws the database
// component's exception for text that is no date.
SummaryPeriod SummaryPeriodOf(const CString& day);

// The figures a summary reports: the day's income and expense from `incomeRows` (rows of
// AccountType, InAmount and OutAmount; "收入" rows count as income, all others as expense),
// what customers owe the shop (CompanyType 1) and what it owes everyone else, and the
// number of products under a stock warning.
struct DayFigures {
    double income = 0, expense = 0, receivables = 0, payables = 0;
    int warnings = 0;
};
DayFigures ReadDayFigures(CppSQLite3DB& db, CppSQLite3Query incomeRows);

// The day's stored summary into `summary` and `sent` (1); or stores the given one unsent (0).
int StoreSummaryOnce(CppSQLite3DB& db, const CString& day, CString& summary, int& sent);
void MarkSummarySent(CppSQLite3DB& db, const CString& day, int sent);

}  // namespace shopbiz
