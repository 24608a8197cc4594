#include "printing/EntryPrintRows.h"

#include <algorithm>

namespace shopbiz {

EntryPrintRows::EntryPrintRows(CppSQLite3DB& db, const CString& label, int firstEntry)
    : db_(db), rows_(db, label), first_(std::max(firstEntry, 1)) {}

void EntryPrintRows::StoreFields() {
    CString name, address, contact;
    {
        CppSQLite3Query store = db_.execQuery(L" SELECT CompanyName,StoreAddress,Contact FROM SystemInfo");
        if (store.eof()) return;
        name = store.getStringField(L"CompanyName");
        address = store.getStringField(L"StoreAddress");
        contact = store.getStringField(L"Contact");
    }
    Heading(L"StoreName", name);
    Heading(L"StoreAddr", address);
    Heading(L"StoreLink", contact);
}

void EntryPrintRows::Heading(const wchar_t* code, CString value) {
    CSysBLL::GetSafeString(value);
    rows_.Text(kDocumentEntry, code, value);
}

void EntryPrintRows::HeadingMoney(const wchar_t* code, double value) { rows_.Money(kDocumentEntry, code, value); }

void EntryPrintRows::NextRow() {
    ++rowNo_;
    rows_.RowNo(first_ + rowNo_ - 1, rowNo_);
}

void EntryPrintRows::Text(const wchar_t* code, CString value) {
    CSysBLL::GetSafeString(value);
    rows_.Text(first_ + rowNo_ - 1, code, value);
}

void EntryPrintRows::Money(const wchar_t* code, double value) { rows_.Money(first_ + rowNo_ - 1, code, value); }

}  // namespace shopbiz
