#pragma once
// Writing one document's values into the print data table (SysPrintData), one row per value:
// EntryNo -1 for a field of the whole document, 1, 2, ... for a field of the n-th table row;
// BillType is the document's label and KeyWordType tells the print engine how to format the
// value. Every value is its own INSERT; errors pass to the caller. Nothing here takes the lock
// (the calling filler holds it) and nothing clears the table: the front end clears it before
// it fills a new job.

#include "frame/ServiceFrame.h"

namespace shopbiz {

constexpr int kDocumentEntry = -1;

class PrintRows {
public:
    PrintRows(CppSQLite3DB& db, const CString& label) : db_(db), label_(label) {}

    // "varchar": the text as it stands.
    void Text(int entry, const wchar_t* code, const CString& value);
    // "varMoneyfloat", "varCountfloat", "varPricefloat": the number as "%.08lf".
    void Money(int entry, const wchar_t* code, double value);
    void Count(int entry, const wchar_t* code, double value);
    void Price(int entry, const wchar_t* code, double value);
    // RowNo of the table row `entry` (the entry's own number unless given), written as the
    // number itself.
    void RowNo(int entry) { RowNo(entry, entry); }
    void RowNo(int entry, int number);

    // StoreName, StoreAddr and StoreLink of the store (SystemInfo).
    void StoreFields();
    // Contact, Tel, Fax, the remark under `remarkCode`, Email, QQ, Address, PostCode, and the
    // balances InitAmount and CurAmount of the enabled customer (type 1) or supplier (type 2)
    // of that name; nothing when there is none.
    void CompanyFields(int companyType, const CString& companyName, const wchar_t* remarkCode);

private:
    void Number(int entry, const wchar_t* code, double value, const wchar_t* type);

    CppSQLite3DB& db_;
    CString label_;
};

}  // namespace shopbiz
