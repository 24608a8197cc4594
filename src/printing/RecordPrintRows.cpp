#include "printing/RecordPrintRows.h"

namespace shopbiz {

void RecordPrintRows::Run(const SqlText& sql) {
    CString error;
    if (!CSysBLL().ExecDML(db_, sql.str(), error)) throw CppSQLite3Exception(1, error, sql.str());
}

void RecordPrintRows::Clear() { Run(L" DELETE FROM SysPrintData;"); }

void RecordPrintRows::Text(int record, int entry, const wchar_t* code, CString value) {
    CSysBLL::GetSafeString(value);
    Run(Sql(L" INSERT INTO SysPrintData (RecordNo,EntryNo,KeyWordName,KeyWordValue,BillType,KeyWordType) "
            L"VALUES(%d,%d,'%s','%s','%s','varchar')",
            record, entry, code, Quoted(value), Quoted(label_)));
}

void RecordPrintRows::Money(int record, int entry, const wchar_t* code, double value) {
    Run(Sql(L" INSERT INTO SysPrintData (RecordNo,EntryNo,KeyWordName,KeyWordValue,BillType,KeyWordType) "
            L"VALUES(%d,%d,'%s','%.08lf','%s','varMoneyfloat')",
            record, entry, code, value, Quoted(label_)));
}

void RecordPrintRows::RowNo(int record, int entry, int number) {
    Run(Sql(L" INSERT INTO SysPrintData (RecordNo,EntryNo,KeyWordName,KeyWordValue,BillType,KeyWordType) "
            L"VALUES(%d,%d,'RowNo','%d','%s','varchar')",
            record, entry, number, Quoted(label_)));
}

void RecordPrintRows::StoreFields(int record) {
    CString name, address, contact;
    {
        CppSQLite3Query store = db_.execQuery(L" SELECT CompanyName,StoreAddress,Contact FROM SystemInfo");
        if (store.eof()) return;
        name = store.getStringField(L"CompanyName");
        address = store.getStringField(L"StoreAddress");
        contact = store.getStringField(L"Contact");
    }
    Text(record, kDocumentEntry, L"StoreName", name);
    Text(record, kDocumentEntry, L"StoreAddr", address);
    Text(record, kDocumentEntry, L"StoreLink", contact);
}

}  // namespace shopbiz
