// CMemberBLL: points earned from money, and the member's total.
#include "frame/ServiceFrame.h"
#include "members/MemberBLL.h"
#include "members/MemberRows.h"

using namespace shopbiz;
using namespace shopbiz::members;

int CMemberBLL::AddMoneytoSocre(CppSQLite3DB& db, CString memberName, CString document, CString money) {
    ServiceLock lock;
    return Guard(CatchAll(L"AddMoneytoSocre(): 异常. "), -1, [&] {
        CString memberCode, levelName;
        double discount = 1.0;
        const int member = IsVipMemberByCust(db, memberName, memberCode, levelName, discount);
        if (member != 1) return member < 0 ? -1 : 2;
        // Posting a changed document again replaces what it earned.
        if (doCheckandDelDocMent(db, document) != 0) return 3;
        const int points = PointsFor(money, GetLevelConversoin(db, levelName));

        ServiceLock again;
        const QuotedSlot now = Quoted(m_sysBLL.GetTimeNowLong());
        const SqlText sql = Sql(kEarningRow, Quoted(memberName), Quoted(memberCode), Quoted(document), 0,
                                Quoted(money), points, now, now);
        LogLine(sql);
        const int status = db.execDML(sql);
        if (status == 0) UpdateMemberScore(db, memberName);
        return status;
    });
}

int CMemberBLL::UpdateMemberScore(CppSQLite3DB& db, CString memberName) {
    ServiceLock lock;
    return Guard(CatchAll(L"UpdateMemberScore(): 异常. "), -1, [&] {
        CString total;
        if (GetMemberSocreFromScore(db, memberName, total) <= -1) return -1;
        return db.execDML(Sql(L"update VipMember set VipCore = '%s',LastUpdateDate = '%s' where MemberName = '%s';",
                              Quoted(total), Quoted(m_sysBLL.GetTimeNowLong()), Quoted(memberName)));
    });
}

int CMemberBLL::GetMemberSocreFromScore(CppSQLite3DB& db, CString memberName, CString& total) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetMemberSocreFromScore(): 异常. "), -1, [&] {
        const QuotedSlot name = Quoted(memberName);
        CppSQLite3Query sum = db.execQuery(
            Sql(L"select sum(a.score) - sum(b.fscore) as core from (select ifnull(sum(scores),0) as score from  "
                L"vipscores where Scorestyle <> '1' and MemberName = '%s')  as a, (select ifnull(sum(scores),0) as "
                L"fscore from  vipscores where Scorestyle = '1' and MemberName = '%s')  as b;",
                name, name));
        total = sum.eof() ? CString(L"0") : sum.fieldValue(L"core");
        return 0;
    });
}

int CMemberBLL::doCheckandDelDocMent(CppSQLite3DB& db, CString document) {
    ServiceLock lock;
    return Guard(CatchAll(L"doCheckandDelDocMent(): 异常. "), -1,
                 [&] { return DeleteDocumentRows(db, *this, document); });
}
