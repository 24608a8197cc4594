// CCustomerBLL: the contact groups of the address book, kept as rows of Project.
#include <vector>

#include "masterdata/CustomerBLL.h"
#include "masterdata/CustomerBLL_Report.h"

using namespace shopbiz;
using namespace shopbiz::partners;

namespace {

// A member of a group about to be deleted.
struct GroupMember {
    int id, type;
    bool delivered;
};

}  // namespace

int CCustomerBLL::AddContactsGroup(CppSQLite3DB& db, CString group) {
    ServiceLock lock;
    if (group.Trim().IsEmpty()) return -2;
    const QuotedSlot name = Quoted(group);
    return Guard(Log(), -1, [&] {
        if (db.execScalar(Sql(L"select count(*)from Project where (ProjectType = 4 or ProjectType = 5 or ProjectType "
                              L"= 6) and AccountType = '' and ProjectName = '%s'",
                              name)) == 0) {
            CSysBLL sys;
            CString searchCode;
            sys.GetFirstPY(group, searchCode);
            const CString now = sys.GetTimeNowLong();
            db.execDML(
                Sql(L"insert into [Project]( [ProjectName], [ProjectType], [AccountType], [SearchCode], "
                    L"[IsDisable], [IsDelete], [IsSystem], [SyncState], [UserID], [UserName], [CreateDate], "
                    L"[LastUpdateDate]) values ('%s',6,'','%s',0,0,0,0,'','','%s','%s');",
                    name, Quoted(searchCode), Quoted(now), Quoted(now)));
        }
        return 0;
    });
}

int CCustomerBLL::UpdateContactsGroup(CppSQLite3DB& db, CString newName, CString oldName) {
    ServiceLock lock;
    if (newName.Trim().IsEmpty()) return -2;
    oldName.Trim();
    const QuotedSlot to = Quoted(newName), from = Quoted(oldName);
    return Guard(Log(), -1, [&] {
        if (db.execScalar(Sql(L"select count(*)from Project where (ProjectType = 4 or ProjectType = 5 or ProjectType "
                              L"= 6) and AccountType = '' and ProjectName = '%s'",
                              to)) > 0)
            return -2;
        // The group and its members move together or not at all.
        Transaction tx(db);
        db.execDML(
            Sql(L"update Project set ProjectName = '%s' where (ProjectType = 4 or ProjectType = 5 or "
                L"ProjectType = 6) and AccountType = '' and ProjectName = '%s'",
                to, from));
        db.execDML(Sql(L"update Companies set ContactGroup = '%s' where ContactGroup = '%s'", to, from));
        tx.Commit();
        return 0;
    });
}

int CCustomerBLL::DeleteContactsGroup(CppSQLite3DB& db, CString group) {
    ServiceLock lock;
    group.Trim();
    return Guard(Log(), -1, [&] {
        return db.execDML(
            Sql(L"delete from Project where (ProjectType = 4 or ProjectType = 5 or ProjectType = 6) and "
                L"AccountType = '' and ProjectName = '%s'",
                Quoted(group)));
    });
}

int CCustomerBLL::DeletGroupandContacts(CppSQLite3DB& db, CString group) {
    ServiceLock lock;
    if (group.Trim().IsEmpty()) return -2;
    const QuotedSlot name = Quoted(group);
    return Guard(Log(), -1, [&] {
        std::vector<GroupMember> members;
        for (CppSQLite3Query q = db.execQuery(Sql(L"select *from Companies where ContactGroup = '%s'", name)); !q.eof();
             q.nextRow())
            members.push_back(
                {q.getIntField(L"CompanyID"), q.getIntField(L"CompanyType"), q.getIntField(L"IsSystem") == 1});

        // Every member must be free to go; the postings fall back on the delivered partners.
        CSysBLL sys;
        for (const GroupMember& member : members) {
            if (member.delivered) return -2;
            CString question;
            const int answer = sys.GetTipsMsgByCompanies(db, member.type, member.id, question);
            if (answer < 0) return -1;
            if (answer != 1) return -2;
        }

        Transaction tx(db);
        db.execDML(
            Sql(L"delete from Project where (ProjectType = 4 or ProjectType = 5 or ProjectType = 6) and "
                L"ProjectName = '%s' and AccountType = '' ",
                name));
        // What still names the members: their opening (virtual) bills and customer prices.
        for (const wchar_t* statement :
             {L"delete from SaleBills where IsSystem = 1 and CompanyID in (select CompanyID from Companies where "
              L"ContactGroup = '%s')",
              L"delete from PurBills where IsSystem = 1 and CompanyID in (select CompanyID from Companies where "
              L"ContactGroup = '%s')",
              L"delete from CompPrice where CompanyID in (select CompanyID from Companies where ContactGroup = '%s')"})
            db.execDML(Sql(statement, name));
        db.execDML(Sql(L"delete from Companies where ContactGroup = '%s'", name));
        for (const GroupMember& member : members)
            sys.AddOperateData(db, L"Companies", L"CompanyID", Fmt(L"%d", member.id), L"D");
        tx.Commit();
        return 0;
    });
}

int CCustomerBLL::IsUseGroup(CppSQLite3DB& db, CString group) {
    ServiceLock lock;
    group.Trim();
    const QuotedSlot name = Quoted(group);
    return Guard(Log(), -1, [&] {
        return db.execScalar(
                   Sql(L"select Count(*) from Companies where (ContactGroup = '%s' or '%s' = '') and IsSystem "
                       L"= 0 and IsDisable = 0 and IsDelete = 0",
                       name, name)) >= 1
                   ? 1
                   : 0;
    });
}

CppSQLite3Query CCustomerBLL::GetContactsGroup(CppSQLite3DB& db, CString group) {
    ServiceLock lock;
    group.Trim();
    return Guard(Log(), CppSQLite3Query(), [&] {
        return db.execQuery(
            Sql(L"select *from Project where (ProjectType = 4 or ProjectType = 5 or ProjectType = 6) "
                L"and AccountType = '' and ProjectName = '%s'",
                Quoted(group)));
    });
}

CppSQLite3Query CCustomerBLL::GetContactGroup(CppSQLite3DB& db, CString namePart, int all) {
    ServiceLock lock;
    namePart.Trim();
    const QuotedSlot part = Quoted(namePart);
    return Guard(Log(), CppSQLite3Query(), [&] {
        return db.execQuery(
            all ? Sql(L"select * from Project where (ProjectType = 4 or ProjectType = 5 or ProjectType = 6) and "
                      L"AccountType = ''  and (ProjectName like '%%%s%%' or '%s' = '') order by ProjectType, "
                      L"ProjectName",
                      part, part)
                : Sql(L"select * from Project where ProjectType = 6 and (ProjectName like '%%%s%%' or '%s' = '') "
                      L"order by ProjectType, ProjectName",
                      part, part));
    });
}
