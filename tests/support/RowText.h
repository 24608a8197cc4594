#pragma once
// The rows of a query as one text, fields joined by "|" and rows by "\n", so a whole row is
// checked in one assertion and a failure shows all of it.

#include "shopbiz.h"

inline CString RowsOf(CppSQLite3DB& db, const wchar_t* sql) {
    CString text;
    CppSQLite3Query q = db.execQuery(sql);
    for (bool first = true; !q.eof(); q.nextRow(), first = false) {
        if (!first) text += L"\n";
        for (int i = 0; i < q.numFields(); ++i) text += (i ? L"|" : L"") + q.fieldValue(i);
    }
    return text;
}
