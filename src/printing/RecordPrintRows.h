#pragma once
// The list fillers that make a print job of their own: they empty SysPrintData first and
// write every value with its record number (RecordNo, EntryNo, KeyWordName, KeyWordValue,
// BillType, KeyWordType) through CSysBLL::ExecDML. The first statement that fails throws the
// database component's exception carrying ExecDML's message, so the filler's error form
// reports it and nothing more is written. Nothing here takes the lock.

#include "printing/PrintRows.h"

namespace shopbiz {

class RecordPrintRows {
public:
    RecordPrintRows(CppSQLite3DB& db, const CString& label) : db_(db), label_(label) {}

    // " DELETE FROM SysPrintData;"
    void Clear();
    // "varchar": the text after CSysBLL::GetSafeString.
    void Text(int record, int entry, const wchar_t* code, CString value);
    // "varMoneyfloat": the amount as "%.08lf".
    void Money(int record, int entry, const wchar_t* code, double value);
    // RowNo of the row, the number itself.
    void RowNo(int record, int entry, int number);
    // StoreName, StoreAddr and StoreLink of the store (SystemInfo), EntryNo -1.
    void StoreFields(int record);

private:
    void Run(const SqlText& sql);

    CppSQLite3DB& db_;
    CString label_;
};

}  // namespace shopbiz
