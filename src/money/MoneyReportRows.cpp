#include "money/MoneyReportRows.h"

namespace shopbiz::money {

CppSQLite3Query CountedQuery(CppSQLite3DB& db, const SqlText& select, long& count) {
    count = db.execScalar(L"select count(*) from (" + select + SqlText(L")"));
    return db.execQuery(select);
}

CString ChartLabel(const CString& name) {
    return L"[" + (name.GetLength() > 6 ? name.Left(6) + L"..." : name) + L"]";
}

}  // namespace shopbiz::money
