// CMemberBLL: customers made members in bulk.
#include "frame/ServiceFrame.h"
#include "members/MemberBLL.h"

using namespace shopbiz;

int CMemberBLL::ImportCustToVipMember(CppSQLite3DB& db, int mode) {
    ServiceLock lock;
    return Guard(CatchAll(L"ImportCustToVipMember(): 异常. "), -1, [&] {
        const wchar_t* balanceFilter = mode == 1   ? L""
                                       : mode == 2 ? L" and CurAmount <> 0 "
                                       : mode == 3 ? L" and CurAmount == 0 "
                                                   : nullptr;
        if (!balanceFilter) return -1;  // an unknown choice imports nobody
        CString level;
        {
            CString error;
            CppSQLite3Query levels = GetLevelInfoAll(db, error);
            if (!levels.isNull() && !levels.eof()) level = levels.getStringField(L"LevelName");
        }
        const int lastMember = db.execScalar(L"select ifnull(max(ID),0) from VipMember;");
        const QuotedSlot stamp = Quoted(m_sysBLL.GetTimeNowLong());
        const int status = db.execDML(Sql(
            L"insert into VipMember(CompanyID,MemberName,SearchCode,Contact,Tel,Birthday,\t\tLevelName,Mobile,Fax,"
            L"QQ,Email,Address,CreateDate,\t\tActiveDate,LastUpdateDate,Remark) select "
            L"CompanyID,CompanyName,SearchCode,Contact,Tel,\t\t'1900-01-01',\t'%s',Mobile,Fax,QQ,Email,Address,'%s',"
            L"\t\t'%s','%s',Remark  from Companies  where IsSystem = 0 and IsDisable = 0 and  CompanyType = '1' "
            L"and IsDelete = 0 %s and CompanyID not in(  select CompanyID from VipMember);",
            Quoted(level), stamp, stamp, stamp, balanceFilter));
        // A customer named like a member already on file (entered by hand, not tied to it)
        // would make two members of one name: the new row goes again.
        if (status == 0)
            db.execDML(
                Sql(L"delete from VipMember where ID > %d and exists (select 1 from VipMember o where "
                    L"o.MemberName = VipMember.MemberName and o.ID < VipMember.ID);",
                    lastMember));
        return status;
    });
}
