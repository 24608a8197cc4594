#pragma once
// The read family that sale bills, purchase bills and sale orders share: one bill or its
// lines, searches by date range and keyword, the customer/product report. Each service's
// BillShelf says what is its own; the statements are built here once. Nothing here takes the
// lock (the calling service method holds it).

#include <vector>

#include "documents/BillPosting.h"
#include "frame/ServiceFrame.h"

namespace shopbiz {

// What differs between the three services' reads.
struct BillShelf {
    const BillRoad& road;                             // tables and key
    std::vector<const wchar_t*> billKeywordFields;    // where the bill search looks for the keyword
    std::vector<const wchar_t*> lineKeywordFields;    // where the line search looks for it
    const wchar_t* lineColumns;                       // what the line search returns (A bill, B line)
    const wchar_t* reportLastColumn;                  // the report's column after the price
    bool logsSearch;                                  // the bill search logs its statement first
    const wchar_t* otherSearchFailure;                // a search failing for a reason no database gives; null: none
};

extern const BillShelf kSaleShelf;
extern const BillShelf kPurchaseShelf;
extern const BillShelf kOrderShelf;

// A text argument as it may go into SQL: made safe, with the default for an empty one.
CString SafeText(CString text, const CString& whenEmpty = L"");

// `SELECT * FROM <table> WHERE <column>=<id / 'code'>`, in each service's own words: the
// statement template takes the one value. Database errors are reported into `error`.
CppSQLite3Query FetchByID(CppSQLite3DB& db, const wchar_t* statement, int id, CString& error);
CppSQLite3Query FetchByCode(CppSQLite3DB& db, const wchar_t* statement, CString code, CString& error);
int CountByID(CppSQLite3DB& db, const wchar_t* statement, int id, CString& error);

// The headers of the bills found, newest first; `stateFilter` (may be empty) narrows the
// bills after the search.
CppSQLite3Query SearchBills(CppSQLite3DB& db, const BillShelf& shelf, CString startDate, CString endDate,
                            CString keyword, const SqlText& stateFilter, CString& error);
// Every line of the bills the line search finds, newest bill first.
CppSQLite3Query SearchBillLines(CppSQLite3DB& db, const BillShelf& shelf, CString startDate, CString endDate,
                                CString keyword, CString& error);
// The bill lines of the date range ("" = 2000-01-01 / 2100-12-31) by customer, product and
// unit; customers whose name contains `companyName`. Errors are logged.
CppSQLite3Query BillReport(CppSQLite3DB& db, const BillShelf& shelf, CString companyName, CString startDate,
                           CString endDate);

}  // namespace shopbiz
