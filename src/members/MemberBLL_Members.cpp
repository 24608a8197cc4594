// CMemberBLL: member records, the checks on names and codes, and look-ups by customer.
#include "common/AmountText.h"
#include "frame/ServiceFrame.h"
#include "members/MemberBLL.h"
#include "members/MemberRows.h"

using namespace shopbiz;
using namespace shopbiz::members;

namespace {

// The "~"-separated member record, its fields trimmed.
class MemberRecord {
public:
    // False for fewer than 14 fields or an empty name.
    bool Read(CSysBLL& sys, const CString& text) {
        if (sys.splitString(text, '~', fields_) < 14) return false;
        for (int i = 0; i < fields_.GetSize(); ++i) fields_[i].Trim();
        return !Name().IsEmpty();
    }
    const CString& Name() const { return fields_[0]; }
    const CString& Code() const { return fields_[1]; }
    // A field for a quoted SQL position.
    QuotedSlot Q(int index) const { return Quoted(fields_[index]); }
    int SexFlag() const { return fields_[5] == L"男" ? 1 : 0; }
    // No birthday is kept as the day that stands for none.
    QuotedSlot Birthday() const { return fields_[4].IsEmpty() ? Quoted(L"1900-01-01") : Q(4); }
    QuotedSlot CompanyID() const { return fields_[13].IsEmpty() ? Quoted(L"0") : Q(13); }
    // The remark travels in an optional 15th field; without it an edit keeps the stored one.
    CString RemarkOr(const CString& stored) const { return fields_.GetSize() > 14 ? fields_[14] : stored; }

    // Every field an edit sets besides the name, code, search code and customer.
    SqlText Details(const CString& now, const CString& remark) const {
        const QuotedSlot stamp = Quoted(now);
        return Sql(
            L"Contact = '%s',Tel = '%s',Birthday = '%s',\t\tSex = %d,Mobile = '%s',Fax = '%s',QQ = '%s',"
            L"Email = '%s',Address = '%s',LevelName = '%s',\t\tVipBitmap = '%s',ActiveDate = '%s',"
            L"LastUpdateDate = '%s',Remark = '%s'",
            Q(2), Q(3), Birthday(), SexFlag(), Q(6), Q(7), Q(8), Q(9), Q(10), Q(11), Q(12), stamp, stamp,
            Quoted(remark));
    }

private:
    CStringArray fields_;
};

// What an edit needs to know of the member before it changes.
struct StoredMember {
    bool found = false;
    CString id, name, code, remark;
};

StoredMember FindMember(CppSQLite3DB& db, const wchar_t* keyColumn, const CString& key) {
    StoredMember member;
    CppSQLite3Query row =
        db.execQuery(Sql(L"select ID,MemberName,MemberCode,Remark from VipMember where %s = '%s' order by ID limit 1;",
                         keyColumn, Quoted(key)));
    if (row.eof()) return member;
    member.found = true;
    member.id = row.fieldValue(L"ID");
    member.name = row.getStringField(L"MemberName");
    member.code = row.getStringField(L"MemberCode");
    member.remark = row.getStringField(L"Remark");
    return member;
}

// 1 the name is taken, 2 the code, 3 both. A member without a card has no code to take.
int TakenFlags(CppSQLite3DB& db, const SqlText& nameCount, const CString& code, const SqlText& codeCount) {
    int flags = db.execScalar(nameCount) > 0 ? 1 : 0;
    if (!code.IsEmpty() && db.execScalar(codeCount) > 0) flags |= 2;
    return flags;
}

}  // namespace

int CMemberBLL::InsertMemberInfo(CppSQLite3DB& db, CString record) {
    ServiceLock lock;
    return Guard(CatchAll(L"InsertMemberInfo(): 异常. "), -1, [&] {
        MemberRecord m;
        if (!m.Read(m_sysBLL, record)) return -1;
        if (const int used = IsMemberInfoUsed(db, m.Name(), m.Code())) return used;

        ServiceLock again;
        const QuotedSlot now = Quoted(m_sysBLL.GetTimeNowLong());
        CString name = m.Name(), searchCode;
        m_sysBLL.GetFirstPY(name, searchCode);
        return db.execDML(
            Sql(L"insert into VipMember(CompanyID,MemberName,MemberCode,SearchCode,Contact,Tel,Birthday,\t\tSex,"
                L"Mobile,Fax,QQ,Email,Address,LevelName,\t\tVipCore,VipBitmap,CreateDate,\t\tActiveDate,"
                L"LastUpdateDate,Remark) values('%s','%s','%s','%s','%s','%s','%s',\t\t%d,'%s','%s','%s','%s','%s',"
                L"'%s','%s','%s','%s','%s','%s','%s');",
                m.CompanyID(), m.Q(0), m.Q(1), Quoted(searchCode), m.Q(2), m.Q(3), m.Birthday(), m.SexFlag(),
                m.Q(6), m.Q(7), m.Q(8), m.Q(9), m.Q(10), m.Q(11), L"0", m.Q(12), now, now, now, L""));
    });
}

int CMemberBLL::UpdateMemberInfoByID(CppSQLite3DB& db, CString record, CString memberID, CString /*oldName*/) {
    ServiceLock lock;
    return Guard(CatchAll(L"UpdateMemberInfoByID(): 异常. "), -1, [&] {
        MemberRecord m;
        if (!m.Read(m_sysBLL, record)) return -1;
        // The points rows belong to the name on file, whatever the caller remembers.
        const StoredMember before = FindMember(db, L"ID", memberID.Trim());
        if (!before.found) return -1;
        if (const int used = doCheckMemberByID(db, m.Name(), m.Code(), before.id)) return used;

        CString name = m.Name(), searchCode;
        m_sysBLL.GetFirstPY(name, searchCode);
        const int status = db.execDML(
            Sql(L"update VipMember set CompanyID = '%s',\t\tMemberName = '%s',SearchCode = '%s',MemberCode = '%s',%s  "
                L"where ID = '%s'",
                m.CompanyID(), m.Q(0), Quoted(searchCode), m.Q(1),
                m.Details(m_sysBLL.GetTimeNowLong(), m.RemarkOr(before.remark)), Quoted(before.id)));
        if (status == 0) doReSetScorebByMemberUpdate(db, m.Name(), m.Code(), before.name);
        return status;
    });
}

int CMemberBLL::UpdateMemberInfoByName(CppSQLite3DB& db, CString record) {
    ServiceLock lock;
    return Guard(CatchAll(L"UpdateMemberInfoByName(): 异常. "), -1, [&] {
        MemberRecord m;
        if (!m.Read(m_sysBLL, record)) return -1;
        const StoredMember before = FindMember(db, L"MemberName", m.Name());
        if (!before.found) return -1;
        if (const int used = doCheckMemberByID(db, m.Name(), m.Code(), before.id)) return used;

        CString name = m.Name(), searchCode;
        m_sysBLL.GetFirstPY(name, searchCode);
        const int status = db.execDML(
            Sql(L"update VipMember set CompanyID = '%s',SearchCode = '%s',MemberCode = '%s',%s where MemberName = "
                L"'%s';",
                m.CompanyID(), Quoted(searchCode), m.Q(1),
                m.Details(m_sysBLL.GetTimeNowLong(), m.RemarkOr(before.remark)), m.Q(0)));
        if (status == 0) doReSetScorebByMemberUpdate(db, m.Name(), m.Code(), before.name);
        return status;
    });
}

int CMemberBLL::UpdateMemberInfoByCard(CppSQLite3DB& db, CString record) {
    ServiceLock lock;
    return Guard(CatchAll(L"UpdateMemberInfoByCard(): 异常. "), -1, [&] {
        MemberRecord m;
        // Members without a card cannot be told apart by it.
        if (!m.Read(m_sysBLL, record) || m.Code().IsEmpty()) return -1;
        const StoredMember before = FindMember(db, L"MemberCode", m.Code());
        if (!before.found) return -1;
        if (const int used = doCheckMemberByID(db, m.Name(), m.Code(), before.id)) return used;

        const int status = db.execDML(Sql(L"update VipMember set MemberName = '%s',%s where MemberCode = '%s';", m.Q(0),
                                          m.Details(m_sysBLL.GetTimeNowLong(), m.RemarkOr(before.remark)), m.Q(1)));
        if (status == 0) doReSetScorebByMemberUpdate(db, m.Name(), m.Code(), before.name);
        return status;
    });
}

int CMemberBLL::UpdateMemberInfoCompayID(CppSQLite3DB& db, int companyID, CString name, CString searchCode,
                                         CString contact, CString mobile, CString fax, CString qq, CString email,
                                         CString address, CString remark) {
    ServiceLock lock;
    return Guard(CatchAll(L"UpdateMemberInfoCompayID(): 异常. "), -1, [&] {
        name.Trim();
        if (name.IsEmpty()) return -1;
        const StoredMember before = FindMember(db, L"CompanyID", Fmt(L"%d", companyID));
        const int status = db.execDML(
            Sql(L"update VipMember set MemberName = '%s',\t\tSearchCode = '%s',Contact = '%s',Mobile = '%s',\t\tFax "
                L"= '%s',QQ = '%s',Email = '%s',Address = '%s',\t\tRemark = '%s' where CompanyID = %d;",
                Quoted(name), Quoted(searchCode), Quoted(contact), Quoted(mobile), Quoted(fax), Quoted(qq),
                Quoted(email), Quoted(address), Quoted(remark), companyID));
        // A renamed customer is the same member: its points go along with the name.
        if (status == 0 && before.found && before.name != name) {
            db.execDML(Sql(L"update VipScores set MemberName = '%s' where MemberName = '%s';", Quoted(name),
                           Quoted(before.name)));
            UpdateMemberScore(db, name);
        }
        return status;
    });
}

int CMemberBLL::UpdateMemberLevelName(CppSQLite3DB& db, CString newLevelName, CString oldLevelName) {
    ServiceLock lock;
    return Guard(CatchAll(L"UpdateMemberLevelName(): 异常. "), -1, [&] {
        return db.execDML(Sql(L"update VipMember set LevelName = '%s' where LevelName = '%s';",
                              Quoted(newLevelName), Quoted(oldLevelName)));
    });
}

int CMemberBLL::deleteMemberByName(CppSQLite3DB& db, CString memberName) {
    ServiceLock lock;
    return Guard(CatchAll(L"deleteMemberByName(): 异常. "), -1, [&] {
        return db.execDML(Sql(L"delete from VipMember where MemberName = '%s';", Quoted(memberName)));
    });
}

int CMemberBLL::IsVipMemberByCompayID(CppSQLite3DB& db, CString& memberName, CString& memberCode, int companyID) {
    ServiceLock lock;
    return Guard(CatchAll(L"IsVipMemberByCompayID(): 异常. "), -1, [&] {
        CppSQLite3Query row =
            db.execQuery(Sql(L"select MemberName,MemberCode from VipMember where CompanyID = %d limit 1;", companyID));
        if (row.eof()) return 0;
        memberName = row.getStringField(L"MemberName");
        memberCode = row.getStringField(L"MemberCode");
        return 1;
    });
}

int CMemberBLL::IsMemberInfoUsed(CppSQLite3DB& db, CString memberName, CString memberCode) {
    ServiceLock lock;
    return Guard(CatchAll(L"IsMemberInfoUsed(): 异常. "), -1, [&] {
        const QuotedSlot name = Quoted(memberName.Trim()), code = Quoted(memberCode.Trim());
        return TakenFlags(db, Sql(L"select COUNT(ID) from VipMember where MemberName = '%s';", name), memberCode,
                          Sql(L"select COUNT(ID) from VipMember where MemberCode = '%s';", code));
    });
}

int CMemberBLL::doCheckMemberByID(CppSQLite3DB& db, CString memberName, CString memberCode, CString memberID) {
    ServiceLock lock;
    return Guard(CatchAll(L"doCheckMemberByID(): 异常. "), -1, [&] {
        const QuotedSlot name = Quoted(memberName.Trim()), code = Quoted(memberCode.Trim()),
                         id = Quoted(memberID.Trim());
        return TakenFlags(db, Sql(L"select COUNT(ID) from VipMember where MemberName = '%s' and ID != '%s';", name, id),
                          memberCode,
                          Sql(L"select COUNT(ID) from VipMember where MemberCode = '%s' and ID != '%s';", code, id));
    });
}

int CMemberBLL::GetMemberNameByCompanyID(CppSQLite3DB& db, int companyID, CString& memberName, CString& memberCode) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetMemberNameByCompanyID(): 异常. "), -1, [&] {
        memberName = L"";
        memberCode = L"";
        return IsVipMemberByCompayID(db, memberName, memberCode, companyID) < 0 ? -1 : 0;
    });
}

CString CMemberBLL::GetMemberLevelByName(CppSQLite3DB& db, CString memberName) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetMemberLevelByName(): 异常. "), CString(), [&] {
        return db.execScalarStr(
            Sql(L"select LevelName from Vipmember where MemberName = '%s' limit 1", Quoted(memberName)));
    });
}

double CMemberBLL::GetMemberDiscount(CppSQLite3DB& db, CString memberName) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetMemberDiscount(): 异常. "), 1.0, [&] {
        const CString level = GetMemberLevelByName(db, memberName);
        return level.IsEmpty() ? 1.0 : PriceFactor(GetLevelDiscount(db, level));
    });
}
