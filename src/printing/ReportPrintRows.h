#pragma once
// Writing a report's values into the print data table in the form with a record number:
// INSERT INTO SysPrintData (RecordNo,EntryNo,KeyWordName,KeyWordValue,BillType,KeyWordType),
// one statement per value. The report's own fields have EntryNo -1 and RecordNo `firstRecord`;
// those of its n-th row EntryNo n and RecordNo `firstRecord` + n. BillType is the report's
// label. Errors are thrown as the database component's exception; nothing here takes the lock
// or clears the table.

#include <functional>

#include "frame/ServiceFrame.h"

namespace shopbiz {

class ReportPrintRows {
public:
    // Direct: each statement through the connection. ThroughExecDML: through CSysBLL::ExecDML,
    // whose failure is thrown on as an exception with its text.
    enum class Writer { Direct, ThroughExecDML };

    ReportPrintRows(CppSQLite3DB& db, const CString& label, int firstRecord, Writer writer = Writer::Direct)
        : db_(db), label_(label), firstRecord_(firstRecord), writer_(writer) {}

    static constexpr int kReport = -1;  // the entry of the report's own fields

    // "varchar": the text as it stands.
    void Text(int entry, const wchar_t* code, const CString& value) { Value(entry, code, value, L"varchar"); }
    // Numbers as "%.08lf": quantities, amounts and prices.
    void Count(int entry, const wchar_t* code, double value);
    void Money(int entry, const wchar_t* code, double value);
    void Price(int entry, const wchar_t* code, double value);
    // A value already written out, with its type ("varchar", "varCountfloat", "varMoneyfloat",
    // "varPricefloat").
    void Value(int entry, const wchar_t* code, const CString& value, const wchar_t* type);
    // RowNo of row `entry`: the number itself.
    void RowNo(int entry);
    // StoreName, StoreAddr and StoreLink of the store (SystemInfo), as the report's fields.
    void StoreFields();

private:
    void Run(const SqlText& sql);

    CppSQLite3DB& db_;
    CString label_;
    int firstRecord_;
    Writer writer_;
};

// When a report filler empties the print data table before it writes.
enum class EmptyTable {
    No,
    InItsTransaction,      // a failure leaves the table as it was
    BeforeItsTransaction,  // a failure leaves the table empty
};

// Runs a report filler's work in one transaction: 0 when it is written. On a database error
// the transaction is rolled back, `error` receives the text (the message alone, or
// `logFormat` filled with the error code and the message) and so does the log; -1.
int FillReport(CppSQLite3DB& db, CString& error, const wchar_t* logFormat, EmptyTable empty,
               const std::function<void()>& write);

}  // namespace shopbiz
