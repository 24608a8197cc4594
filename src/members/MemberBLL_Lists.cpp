// CMemberBLL: member lists, the coming birthdays, members gone quiet, SMS templates.
#include "frame/ServiceFrame.h"
#include "members/MemberBLL.h"
#include "members/MemberRows.h"

using namespace shopbiz;
using namespace shopbiz::members;

namespace {

constexpr const wchar_t* kListColumns =
    L"ID,MemberCode,Contact,Tel,Sex,Mobile,Fax,QQ,Email,VipLevel,LevelName,LastUpdateDate,MemberName, Birthday";

// Midnight of today moved by whole days, as a "%Y-%m-%d" text.
CString DayFromToday(int days) {
    const CTime now = CTime::GetCurrentTime();
    return CTime(now.GetYear(), now.GetMonth(), now.GetDay() + days, 0, 0, 0).Format(L"%Y-%m-%d");
}

}  // namespace

CppSQLite3Query CMemberBLL::GetMemberList(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetMemberList(): 异常. "), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L"select %s from VipMember order by MemberName;", kListColumns));
    });
}

CppSQLite3Query CMemberBLL::GetMemberInfo(CppSQLite3DB& db, CString namePart, CString mobilePart) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetMemberInfo(): 异常. "), CppSQLite3Query(), [&] {
        const QuotedSlot name = Quoted(namePart);
        return db.execQuery(
            Sql(L"select ID,MemberName,SearchCode,MemberCode,Contact,Mobile,VipLevel,LevelName,VipCore,LastUpdateDate "
                L"from Vipmember where (MemberName like '%%%s%%' or SearchCode like '%%%s%%')and Mobile like '%%%s%%' "
                L"order by SearchCode; ",
                name, name, Quoted(mobilePart)));
    });
}

CppSQLite3Query CMemberBLL::GetMemberinfoByID(CppSQLite3DB& db, CString memberID) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetMemberinfoByID(): 异常. "), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L"select * from VipMember where ID = '%s' limit 1;", Quoted(memberID.Trim())));
    });
}

CppSQLite3Query CMemberBLL::GetMemberinfoByName(CppSQLite3DB& db, CString memberName) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetMemberinfoByName(): 异常. "), CppSQLite3Query(), [&] {
        return db.execQuery(
            Sql(L"select * from VipMember where MemberName = '%s' limit 1;", Quoted(memberName.Trim())));
    });
}

CppSQLite3Query CMemberBLL::GetMemberByBirthday(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetMemberByBirthday(): 异常. "), CppSQLite3Query(), [&] {
        // Each birthday is moved into this year; the window stops at the year's end.
        const int year = CTime::GetCurrentTime().GetYear();
        return db.execQuery(
            Sql(L"select %s,strftime('%d-%%m-%%d',Birthday) as tDayBirthday from VipMember where "
                L"strftime('%d-%%m-%%d',Birthday) >= '%s' and  strftime('%d-%%m-%%d',Birthday) < '%s' and BirthDay > "
                L"'1900-01-01' order by Birthday;",
                kListColumns, year, year, Quoted(DayFromToday(0)), year, Quoted(DayFromToday(7))));
    });
}

CppSQLite3Query CMemberBLL::GetMemberByLastDate(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetMemberByLastDate(): 异常. "), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L"select %s from VipMember where LastUpdateDate < '%s' order by LastUpdateDate;",
                                kListColumns, Quoted(DayFromToday(-30) + L" 00:00:00")));
    });
}

CppSQLite3Query CMemberBLL::GetSMSTempletInfo(CppSQLite3DB& db) { return m_sysBLL.GetSMSTempletInfo(db, 0); }
