// CCustomerBLL: creating partners, in full or by name alone.
#include "masterdata/CustomerBLL.h"
#include "masterdata/CustomerBLL_Report.h"

using namespace shopbiz;
using namespace shopbiz::partners;

namespace {

const wchar_t* ContactGroupOf(int type) { return type == 2 ? L"供应商" : L"客户"; }

}  // namespace

int CCustomerBLL::InsertCompany(CppSQLite3DB& db, CString name, CString fullName, CString code, CString contact,
                                CString phone, CString fax, CString email, CString qq, CString address,
                                CString postCode, CString initAmount, CString remark, int isBoth, int type,
                                CString& error) {
    ServiceLock lock;
    for (CString* field :
         {&name, &fullName, &code, &contact, &phone, &fax, &email, &qq, &address, &postCode, &initAmount, &remark})
        CSysBLL::GetSafeString(*field);
    if (name.IsEmpty()) return -1;

    const CString failed = L"新增客户[" + name + L"]失败!";
    return Guard(Report(error, ErrorText::WithStatement(kEditLayout, failed)), -1, [&] {
        // A name in use brings that partner back with the new details instead of a second row.
        if (IsExisted(db, name, 0, error)) {
            CppSQLite3Query row = db.execQuery(Sql(L" SELECT * FROM Companies WHERE (CompanyType = 1 or CompanyType = "
                                                   L"2) and CompanyName='%s' ORDER BY CompanyID LIMIT 1 ; ",
                                                   Quoted(name)));
            if (row.eof()) {
                error = failed;
                return -1;
            }
            error = L"";
            const int id = row.getIntField(L"CompanyID");
            code = row.getStringField(L"CompanyCode");
            row.finalize();
            if (UpdateCompany(db, id, name, fullName, code, contact, phone, fax, email, qq, address, postCode,
                              initAmount, remark, 0, error) <= -1)
                return -1;
            error = L"";
            return SetEnableByID(db, id, 0, error) < 0 ? -1 : id;
        }

        if (code.IsEmpty()) code = GetNewCustomerCode(db, type, error);
        CSysBLL sys;
        CString searchCode;
        sys.GetFirstPY(name, searchCode);
        // The opening amount is booked by the virtual bill, not into the current balance.
        if (initAmount.IsEmpty()) initAmount = L"0";
        const CString now = sys.GetTimeNowLong();
        const int status = db.execDML(
            Sql(L" INSERT INTO Companies(CompanyName, CompanyCode,   SearchCode, FullName, CompanyType, Contact, "
                L"Mobile, Tel, Fax, QQ, Email, Address, PostCode,   CurAmount, InitAmount,IsBoth,  UserID, "
                L"UserName, CreateDate, LastUpdateDate, Remark,ContactGroup ,Mobile)  VALUES (  '%s', '%s',  "
                L"'%s', '%s', %d, '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s',   0, %s, %d,     %d, '%s', "
                L"'%s', '%s',  '%s' ,'%s',  '%s')",
                Quoted(name), Quoted(code), Quoted(searchCode), Quoted(fullName), type, Quoted(contact), Quoted(phone),
                Quoted(phone), Quoted(fax), Quoted(qq), Quoted(email), Quoted(address), Quoted(postCode),
                Amount(initAmount), isBoth, 0, L"Admin", Quoted(now), Quoted(now), Quoted(remark),
                ContactGroupOf(type), Quoted(phone)));
        if (status < 0) {
            error = failed;
            return -1;
        }
        const int id = db.execScalar(L" select  last_insert_rowid() ;");
        sys.AddOperateData(db, L"Companies", L"CompanyID", Fmt(L"%d", id), L"A");
        return id;
    });
}

int CCustomerBLL::InsertCompany(CppSQLite3DB& db, CString name, int type, CString& error) {
    return InsertCompany(db, name, L"", L"", L"", L"", L"", L"", L"", L"", L"", L"0", L"", 0, type, error);
}
