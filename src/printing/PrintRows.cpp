#include "printing/PrintRows.h"

namespace shopbiz {

void PrintRows::Text(int entry, const wchar_t* code, const CString& value) {
    db_.execDML(Sql(L"insert into SysPrintData (EntryNo,KeyWordName,KeyWordValue,BillType,KeyWordType) select "
                    L"%d,'%s','%s','%s','varchar' ",
                    entry, code, Quoted(value), Quoted(label_)));
}

void PrintRows::Number(int entry, const wchar_t* code, double value, const wchar_t* type) {
    db_.execDML(Sql(L"insert into SysPrintData (EntryNo,KeyWordName,KeyWordValue,BillType,KeyWordType) select "
                    L"%d,'%s','%.08lf','%s','%s' ",
                    entry, code, value, Quoted(label_), type));
}

void PrintRows::Money(int entry, const wchar_t* code, double value) { Number(entry, code, value, L"varMoneyfloat"); }
void PrintRows::Count(int entry, const wchar_t* code, double value) { Number(entry, code, value, L"varCountfloat"); }
void PrintRows::Price(int entry, const wchar_t* code, double value) { Number(entry, code, value, L"varPricefloat"); }

void PrintRows::RowNo(int entry, int number) {
    db_.execDML(Sql(L"insert into SysPrintData (EntryNo,KeyWordName,KeyWordValue,BillType,KeyWordType) select "
                    L"%d,'%s',%d,'%s','varchar' ",
                    entry, L"RowNo", number, Quoted(label_)));
}

void PrintRows::StoreFields() {
    CppSQLite3Query store = db_.execQuery(L" SELECT CompanyName,StoreAddress,Contact FROM SystemInfo");
    if (store.eof()) return;
    const CString name = store.getStringField(L"CompanyName"), address = store.getStringField(L"StoreAddress"),
                  contact = store.getStringField(L"Contact");
    store.finalize();
    Text(kDocumentEntry, L"StoreName", name);
    Text(kDocumentEntry, L"StoreAddr", address);
    Text(kDocumentEntry, L"StoreLink", contact);
}

void PrintRows::CompanyFields(int companyType, const CString& companyName, const wchar_t* remarkCode) {
    CppSQLite3Query company = db_.execQuery(
        Sql(L"SELECT * FROM Companies WHERE IsDisable=0 AND CompanyType= %d and CompanyName ='%s'", companyType,
            Quoted(companyName)));
    if (company.eof()) return;
    struct Field {
        const wchar_t *code, *column;
    };
    const Field texts[] = {{L"Contact", L"Contact"}, {L"Tel", L"Tel"},     {L"Fax", L"Fax"},
                           {remarkCode, L"Remark"},  {L"Email", L"Email"}, {L"QQ", L"QQ"},
                           {L"Address", L"Address"}, {L"PostCode", L"PostCode"}};
    std::vector<CString> values;
    for (const Field& field : texts) values.push_back(company.getStringField(field.column));
    const double initAmount = company.getFloatField(L"InitAmount"), curAmount = company.getFloatField(L"CurAmount");
    company.finalize();
    for (size_t i = 0; i < values.size(); ++i) Text(kDocumentEntry, texts[i].code, values[i]);
    Money(kDocumentEntry, L"InitAmount", initAmount);
    Money(kDocumentEntry, L"CurAmount", curAmount);
}

}  // namespace shopbiz
