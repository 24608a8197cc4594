#pragma once
// The rows of a query as one text, fields joined by "|" and rows by "\n", so a whole row is
// checked in one assertion and a failure shows all of it.

#include <initializer_list>

#include "shopbiz.h"

inline CString RowsOf(CppSQLite3Query q) {
    CString text;
    for (bool first = true; !q.eof(); q.nextRow(), first = false) {
        if (!first) text += L"\n";
        for (int i = 0; i < q.numFields(); ++i) text += (i ? L"|" : L"") + q.fieldValue(i);
    }
    return text;
}
inline CString RowsOf(CppSQLite3DB& db, const wchar_t* sql) { return RowsOf(db.execQuery(sql)); }

// The named columns of every row: fields joined by "|", rows by "; ".
inline CString FieldsOf(CppSQLite3Query q, std::initializer_list<const wchar_t*> names) {
    CString text;
    for (bool first = true; !q.eof(); q.nextRow(), first = false) {
        text += first ? L"" : L"; ";
        for (const wchar_t* name : names) text += (name == *names.begin() ? L"" : L"|") + q.fieldValue(name);
    }
    return text;
}

// One column of every row of a result set, joined by ",".
inline CString ListOf(CppSQLite3Query q, const wchar_t* column) {
    CString text;
    for (bool first = true; !q.eof(); q.nextRow(), first = false)
        text += (first ? L"" : L",") + q.getStringField(column);
    return text;
}
