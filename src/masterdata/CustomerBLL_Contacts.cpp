// CCustomerBLL: the contacts of the address book (plain contacts are rows of Companies of
// type 3; customers and suppliers are contacts too) and their lists.
#include "masterdata/CustomerBLL.h"
#include "masterdata/CustomerBLL_Report.h"

using namespace shopbiz;
using namespace shopbiz::partners;

namespace {

constexpr int kPlainContact = 3;

CString InitialsOf(CString name) {
    CString initials;
    CSysBLL().GetFirstPY(name, initials);
    return initials;
}

}  // namespace

int CCustomerBLL::AddContacts(CppSQLite3DB& db, CString group, CString name, CString mobile) {
    ServiceLock lock;
    if (group.Trim().IsEmpty() || name.Trim().IsEmpty()) return -2;
    mobile.Trim();
    const CString initials = InitialsOf(name);
    const QuotedSlot n = Quoted(name), g = Quoted(group);
    return Guard(Log(), -1, [&] {
        if (db.execScalar(Sql(L"select count(*) from Companies where CompanyName = '%s' and ContactGroup ='%s' and "
                              L"CompanyType = 3",
                              n, g)) > 0)
            return 0;
        if (AddContactsGroup(db, group) != 0) return -1;
        db.execDML(
            Sql(L"insert into Companies (CompanyName,CompanyCode,SearchCode,CompanyType,Mobile,ContactGroup)"
                L"\t\tvalues('%s','%s','%s',%d,'%s','%s')",
                n, Quoted(initials), Quoted(initials), kPlainContact, Quoted(mobile), g));
        CSysBLL().AddOperateData(db, L"Companies", L"CompanyName", name, L"A");
        return 0;
    });
}

int CCustomerBLL::UpdateContactByID(CppSQLite3DB& db, CString group, CString name, CString mobile, int id) {
    ServiceLock lock;
    if (group.Trim().IsEmpty() || name.Trim().IsEmpty()) return -2;
    mobile.Trim();
    const CString initials = InitialsOf(name);
    const QuotedSlot n = Quoted(name), g = Quoted(group);
    return Guard(Log(), -1, [&] {
        CppSQLite3Query contact = db.execQuery(Sql(L"select * from Companies where CompanyID = %d", id));
        if (contact.eof()) return -3;
        const int storedType = contact.getIntField(L"CompanyType");
        const bool partner = storedType == 1 || storedType == 2;
        // A customer or supplier keeps its own code; a plain contact's code is its initials.
        const CString code = partner ? contact.getStringField(L"CompanyCode") : initials;
        contact.finalize();

        for (CppSQLite3Query same =
                 db.execQuery(Sql(L"select * from Companies where CompanyName = '%s' and ContactGroup = '%s'", n, g));
             !same.eof(); same.nextRow())
            if (same.getIntField(L"CompanyID") != id) return -2;
        if (AddContactsGroup(db, group) != 0) return -1;

        db.execDML(
            Sql(L"update Companies set ContactGroup = '%s',CompanyType = %d, CompanyName = '%s', CompanyCode = "
                L"'%s',Tel = '%s', Mobile = '%s' where CompanyID = %d",
                g, partner ? storedType : kPlainContact, n, Quoted(code), Quoted(mobile), Quoted(mobile), id));
        // The search code follows the name, so the new name is found by its initials.
        db.execDML(Sql(L"update Companies set SearchCode = '%s' where CompanyID = %d", Quoted(initials), id));
        if (partner)
            db.execDML(Sql(L"UPDATE CompPrice Set CompanyName = '%s',CompanyCode = '%s' WHERE CompanyID = %d", n,
                           Quoted(code), id));
        CSysBLL().AddOperateData(db, L"Companies", L"CompanyID", Fmt(L"%d", id), L"U");
        return 0;
    });
}

int CCustomerBLL::UpdateIsSelectByID(CppSQLite3DB& db, int tick, int id) {
    ServiceLock lock;
    return Guard(Log(), -1, [&] {
        return db.execDML(Sql(L"update Companies set IsSelect = %d where CompanyID = %d;", tick, id));
    });
}

int CCustomerBLL::ClearSelect(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(), -1, [&] { return db.execDML(L"update Companies set IsSelect = 0 where IsSelect = 1;"); });
}

CppSQLite3Query CCustomerBLL::GetContactsByGroup(CppSQLite3DB& db, CString group, CString keyword, long& count) {
    ServiceLock lock;
    group.Trim();
    keyword.Trim();
    const QuotedSlot g = Quoted(group), k = Quoted(keyword);
    count = -1;
    return Guard(Log(), CppSQLite3Query(), [&] {
        const SqlText where =
            Sql(L"where ifnull(ContactGroup,'') <> '' and (ContactGroup = '%s' or '%s' = '') and (SearchCode like "
                L"'%%%s%%' or CompanyName like '%%%s%%' or Tel like '%%%s%%' or Mobile like '%%%s%%') and IsSystem = 0",
                g, g, k, k, k, k);
        count = db.execScalar(L"select Count(*) from Companies " + where);
        return db.execQuery(L"select * from Companies " + where + SqlText(L" order by CompanyType"));
    });
}

CppSQLite3Query CCustomerBLL::GetContactsBySelect(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(), CppSQLite3Query(), [&] {
        return db.execQuery(
            L"select * from Companies where  ifnull(ContactGroup,'') <> '' and IsSystem = 0 and IsSelect = 1 order by "
            L"CompanyType");
    });
}

CppSQLite3Query CCustomerBLL::QueryContactList(CppSQLite3DB& db, CString keyword, CString& error) {
    ServiceLock lock;
    keyword.Trim();
    const QuotedSlot k = Quoted(keyword);
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, kSqlFailed)), CppSQLite3Query(), [&] {
        return db.execQuery(
            Sql(L" SELECT * FROM Companies WHERE IsSystem=0 AND (CompanyName LIKE '%%%s%%' OR Tel LIKE "
                L"'%%%s%%' OR Mobile LIKE '%%%s%%' OR SearchCode LIKE '%%%s%%' ) ORDER BY ContactGroup, "
                L"SearchCode;",
                k, k, k, k));
    });
}
