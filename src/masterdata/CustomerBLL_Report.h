#pragma once
// How the partner service reports a database error: its own message, the database's message
// and the statement that failed, in the error text and the log.

#include "frame/ServiceFrame.h"

namespace shopbiz::partners {

// Layout of reads, balances, enabling and deleting.
inline constexpr const wchar_t* kReportLayout = L"1:%s\r\n2:%s\r\n3:sql=%s";
// Layout of creating and editing.
inline constexpr const wchar_t* kEditLayout = L"%s\r\n%s\r\nsql:%s";
inline constexpr const wchar_t* kSqlFailed = L"SQL执行失败!";

// Runs the body; on a database error fills `error` from `layout` with `own`, the database's
// message and `sql` (the body keeps the statement it runs there), logs it and gives `fail`.
template <class Fail, class Body>
auto ReportWithStatement(CString& error, const wchar_t* layout, const CString& own, const CString& sql, Fail fail,
                         Body&& body) -> decltype(body()) {
    try {
        return body();
    } catch (CppSQLite3Exception& e) {
        error = Sql(layout, own, e.errorMessage(), sql);
        LogLine(error);
        return fail;
    }
}

// A query of the query family: its result set, or the empty one after a reported error.
inline CppSQLite3Query ReportedQuery(CppSQLite3DB& db, const CString& sql, CString& error) {
    return ReportWithStatement(error, kReportLayout, kSqlFailed, sql, CppSQLite3Query(),
                               [&] { return db.execQuery(sql); });
}

// A text that goes into SQL, made safe first.
inline CString Safe(CString text) {
    CSysBLL::GetSafeString(text);
    return text;
}

}  // namespace shopbiz::partners
