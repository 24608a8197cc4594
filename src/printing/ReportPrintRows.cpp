#include "printing/ReportPrintRows.h"

#include <sqlite3.h>

namespace shopbiz {

void ReportPrintRows::Run(const SqlText& sql) {
    if (writer_ == Writer::Direct) {
        db_.execDML(sql);
        return;
    }
    CString error;
    if (CSysBLL().ExecDML(db_, sql, error) != 1) throw CppSQLite3Exception(sqlite3_errcode(db_.handle()), error, sql);
}

void ReportPrintRows::Value(int entry, const wchar_t* code, const CString& value, const wchar_t* type) {
    if (entry == kReport)
        Run(Sql(L"INSERT INTO  SysPrintData (RecordNo,EntryNo,KeyWordName,KeyWordValue,BillType,KeyWordType) VALUES( "
                L"%d,-1,'%s','%s','%s','%s' )",
                firstRecord_, code, Quoted(value), Quoted(label_), type));
    else
        Run(Sql(L"INSERT INTO  SysPrintData (RecordNo,EntryNo,KeyWordName,KeyWordValue,BillType,KeyWordType) "
                L"VALUES(%d,%d,'%s','%s','%s','%s')",
                firstRecord_ + entry, entry, code, Quoted(value), Quoted(label_), type));
}

void ReportPrintRows::Count(int entry, const wchar_t* code, double value) {
    Value(entry, code, Fmt(L"%.08lf", value), L"varCountfloat");
}
void ReportPrintRows::Money(int entry, const wchar_t* code, double value) {
    Value(entry, code, Fmt(L"%.08lf", value), L"varMoneyfloat");
}
void ReportPrintRows::Price(int entry, const wchar_t* code, double value) {
    Value(entry, code, Fmt(L"%.08lf", value), L"varPricefloat");
}

void ReportPrintRows::RowNo(int entry) {
    Run(Sql(L"INSERT INTO  SysPrintData (RecordNo,EntryNo,KeyWordName,KeyWordValue,BillType,KeyWordType) "
            L"VALUES(%d,%d,'RowNo',%d,'%s','varchar')",
            firstRecord_ + entry, entry, entry, Quoted(label_)));
}

void ReportPrintRows::StoreFields() {
    CString name, address, contact;
    {
        CppSQLite3Query store = db_.execQuery(L"SELECT CompanyName,StoreAddress,Contact FROM SystemInfo");
        if (store.eof()) return;
        name = store.getStringField(L"CompanyName");
        address = store.getStringField(L"StoreAddress");
        contact = store.getStringField(L"Contact");
    }
    Text(kReport, L"StoreName", name);
    Text(kReport, L"StoreAddr", address);
    Text(kReport, L"StoreLink", contact);
}

int FillReport(CppSQLite3DB& db, CString& error, const wchar_t* logFormat, EmptyTable empty,
               const std::function<void()>& write) {
    error = L"";
    try {
        if (empty == EmptyTable::BeforeItsTransaction) db.execDML(L"DELETE FROM SysPrintData;");
        Transaction tx(db);
        if (empty == EmptyTable::InItsTransaction) db.execDML(L" DELETE FROM SysPrintData;");
        write();
        tx.Commit();
        return 0;
    } catch (const CppSQLite3Exception& e) {
        // The transaction has rolled back on the way here.
        error = logFormat ? Fmt(logFormat, e.errorCode(), e.errorMessage()) : CString(e.errorMessage());
        LogLine(error);
        return -1;
    }
}

}  // namespace shopbiz
