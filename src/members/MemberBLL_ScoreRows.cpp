// CMemberBLL: points spent and adjusted, earnings rebuilt or re-rated, the points history,
// and the points rows of deleted or renamed members.
#include <utility>
#include <vector>

#include "common/NumberText.h"
#include "frame/ServiceFrame.h"
#include "members/MemberBLL.h"
#include "members/MemberRows.h"

using namespace shopbiz;
using namespace shopbiz::members;

namespace {

// A spending (style 1) or adjustment (style 2) row: name, code, document, style, points, the
// two dates, remark.
constexpr const wchar_t* kHandRow =
    L"insert into VipScores(MemberName,MemberCode,ScoreDocument,ScoreStyle,Scores,CreateDate,EffectDate,Remark)\t\t"
    L"values('%s','%s','%s',%d,'%s','%s','%s','%s') ";

// "DH20130506140309": the kind of a hand-made row followed by the time it was made.
CString HandDocument(const wchar_t* kind) { return kind + CTime::GetCurrentTime().Format(L"%Y%m%d%H%M%S"); }

}  // namespace

int CMemberBLL::AddReSetScoreByName(CppSQLite3DB& db, CString memberName, CString points) {
    ServiceLock lock;
    return Guard(CatchAll(L"AddReSetScoreByName(): 异常. "), -1, [&] {
        CString code, level;
        double discount = 1.0;
        const int member = IsVipMemberByCust(db, memberName, code, level, discount);
        if (member != 1) return member < 0 ? -1 : 2;
        int adjustment = 0;
        if (!IsWholeNumber(points, true, &adjustment)) return -1;

        const QuotedSlot now = Quoted(m_sysBLL.GetTimeNowLong());
        const int status = db.execDML(Sql(kHandRow, Quoted(memberName), Quoted(code), Quoted(HandDocument(L"TZ")), 2,
                                          Quoted(Fmt(L"%d", adjustment)), now, now, L""));
        if (status == 0) UpdateMemberScore(db, memberName);
        return status;
    });
}

int CMemberBLL::InsertScoreExpend(CppSQLite3DB& db, CString memberName, CString memberCode, CString points,
                                  CString remark) {
    ServiceLock lock;
    return Guard(CatchAll(L"InsertScoreExpend(): 异常. "), -1, [&] {
        int spent = 0;
        if (!IsWholeNumber(points, false, &spent) || spent <= 0) return -1;
        // Goods are not given for points the member does not have.
        CString total;
        if (GetMemberSocreFromScore(db, memberName, total) < 0) return -1;
        if (spent > WToI(total)) return 4;

        const QuotedSlot now = Quoted(m_sysBLL.GetTimeNowLong());
        const int status =
            db.execDML(Sql(kHandRow, Quoted(memberName), Quoted(memberCode), Quoted(HandDocument(L"DH")), 1,
                           Quoted(Fmt(L"%d", spent)), now, now, Quoted(remark)));
        if (status == 0) UpdateMemberScore(db, memberName);
        return status;
    });
}

int CMemberBLL::AddScoreByHistoryDoc(CppSQLite3DB& db, CString memberName) {
    ServiceLock lock;
    return Guard(CatchAll(L"AddScoreByHistoryDoc(): 异常. "), -1, [&] {
        CString code, level;
        double discount = 1.0;
        const int member = IsVipMemberByCust(db, memberName, code, level, discount);
        if (member != 1) return member < 0 ? -1 : 2;
        const int conversion = GetLevelConversoin(db, level);

        const QuotedSlot name = Quoted(memberName);
        CppSQLite3Query documents = db.execQuery(
            Sql(L"select * from (\t\tselect AccountCode as Code,InAmount as Money,LastUpdateDate as Date from Account "
                L"where AccountCode <> '' and CompanyName = '%s' and AccountType = '收入'\t\tunion all\t\tselect "
                L"Billcode as Code,GetAmount as Money,LastUpdateDate as Date from SaleBills where CompanyName = '%s' "
                L"and BillType > 0\t\t) order by Date;",
                name, name));
        int result = 0;
        bool credited = false;
        for (; !documents.eof(); documents.nextRow()) {
            const CString document = documents.getStringField(L"Code");
            // The document's points earned so far are replaced; one that cannot be cleared is left alone.
            if (!document.IsEmpty() && doCheckandDelDocMent(db, document) != 0) continue;
            CString money = documents.fieldValue(L"Money");
            if (money.IsEmpty()) money = L"0.0";
            const QuotedSlot date = Quoted(documents.getStringField(L"Date"));
            result = db.execDML(Sql(kEarningRow, name, Quoted(code), Quoted(document), 0,
                                    Quoted(money), PointsFor(money, conversion), date, date));
            credited = credited || result == 0;
        }
        documents.finalize();
        if (credited) UpdateMemberScore(db, memberName);
        return result;
    });
}

int CMemberBLL::UpdateScoreByConversion(CppSQLite3DB& db, CString memberName, CString levelName) {
    ServiceLock lock;
    return Guard(CatchAll(L"UpdateScoreByConversion(): 异常. "), -1, [&] {
        const int conversion = GetLevelConversoin(db, levelName);
        std::vector<std::pair<int, CString>> earnings;
        {
            CppSQLite3Query rows =
                db.execQuery(Sql(L"select ID,Money from VipScores where MemberName = '%s' and "
                                 L"ScoreStyle = 0;",
                                 Quoted(memberName)));
            for (; !rows.eof(); rows.nextRow()) {
                CString money = rows.fieldValue(L"Money");
                earnings.emplace_back(rows.getIntField(L"ID"), money.IsEmpty() ? CString(L"0.0") : money);
            }
        }
        for (const auto& [id, money] : earnings)
            db.execDML(Sql(L"update VipScores set Scores = %d where ID = %d ", PointsFor(money, conversion), id));
        // The stored total follows the re-rated rows.
        UpdateMemberScore(db, memberName);
        return 0;
    });
}

int CMemberBLL::UpDateConversion(CppSQLite3DB& db, CString conversion) {
    ServiceLock lock;
    return Guard(CatchAll(L"UpDateConversion(): 异常. "), -1, [&] {
        conversion.Trim();
        if (!conversion.IsEmpty() && !IsWholeNumber(conversion, false)) return -1;
        return db.execDML(Sql(L"update VipLevelSet set Conversion = '%s';", Quoted(conversion)));
    });
}

int CMemberBLL::GetMemberScore(CppSQLite3DB& db, CString memberName, int& points) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetMemberScore(): 异常. "), -1, [&] {
        points = WToI(db.execScalarStr(
            Sql(L"select VipCore from Vipmember where MemberName = '%s' limit 1", Quoted(memberName))));
        return 0;
    });
}

CppSQLite3Query CMemberBLL::GetScoreHistory(CppSQLite3DB& db, CString memberName) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetScoreHistory(): 异常. "), CppSQLite3Query(), [&] {
        return db.execQuery(
            Sql(L"select ScoreDocument,ScoreStyle,Money,Scores,CreateDate,Remark from VipScores where "
                L"MemberName = '%s' order by CreateDate desc;",
                Quoted(memberName)));
    });
}

int CMemberBLL::deleteScoreByDocment(CppSQLite3DB& db, CString document, CString memberName) {
    ServiceLock lock;
    return Guard(CatchAll(L"deleteScoreByDocment(): 异常. "), -1, [&] {
        const int status = DeleteDocumentRows(db, *this, document);
        if (status == 0) UpdateMemberScore(db, memberName);
        return status;
    });
}

int CMemberBLL::deleteScoreByName(CppSQLite3DB& db, CString memberName) {
    ServiceLock lock;
    return Guard(CatchAll(L"deleteScoreByName(): 异常. "), -1, [&] {
        const int status = db.execDML(Sql(L"delete from VipScores where MemberName = '%s';", Quoted(memberName)));
        if (status == 0) UpdateMemberScore(db, memberName);
        return status;
    });
}

int CMemberBLL::doReSetScorebByMemberUpdate(CppSQLite3DB& db, CString newName, CString newCode, CString oldName) {
    ServiceLock lock;
    return Guard(CatchAll(L"doReSetScorebByMemberUpdate(): 异常. "), -1, [&] {
        newName.Trim();
        oldName.Trim();
        const QuotedSlot name = Quoted(newName), code = Quoted(newCode.Trim()), old = Quoted(oldName);
        int status;
        if (newName != oldName) {
            // Spendings and adjustments belong to the member; earnings belong to the partner's
            // documents, so they are rebuilt from the documents of the new name.
            status =
                db.execDML(Sql(L"update VipScores set MemberName = '%s',MemberCode = '%s' where MemberName = "
                               L"'%s' and ScoreStyle <> 0;",
                               name, code, old));
            if (status == 0)
                status = db.execDML(Sql(L"delete from VipScores where ScoreStyle = 0 and MemberName = '%s';", old));
            if (status == 0) AddScoreByHistoryDoc(db, newName);
        } else {
            status = db.execDML(Sql(L"update VipScores set MemberCode = '%s' where MemberName = '%s';", code, name));
        }
        if (status == 0) UpdateMemberScore(db, newName);
        return status;
    });
}
