#pragma once
// A report copied into the print data table in the five-column form (PrintRows): the store
// and headings with EntryNo -1, then one entry per report row from a first entry the caller
// gives, with RowNo 1, 2, ..., then the totals. Texts pass CSysBLL::GetSafeString. Errors
// pass to the caller; nothing here takes the lock.

#include "printing/PrintRows.h"

namespace shopbiz {

class EntryPrintRows {
public:
    // A first entry below 1 counts as 1 (-1 is the document's).
    EntryPrintRows(CppSQLite3DB& db, const CString& label, int firstEntry);

    // StoreName, StoreAddr and StoreLink of the store (SystemInfo).
    void StoreFields();
    void Heading(const wchar_t* code, CString value);
    void HeadingMoney(const wchar_t* code, double value);

    // Starts the next report row: writes its RowNo.
    void NextRow();
    void Text(const wchar_t* code, CString value);
    void Money(const wchar_t* code, double value);

    // The entry after the last row written.
    long NextEntry() const { return first_ + rowNo_; }

private:
    CppSQLite3DB& db_;
    PrintRows rows_;
    int first_;
    int rowNo_ = 0;
};

}  // namespace shopbiz
