// CMemberBLL: creating, changing, checking and listing member levels.
#include "common/AmountText.h"
#include "frame/ServiceFrame.h"
#include "members/MemberBLL.h"
#include "members/MemberRows.h"

using namespace shopbiz;
using namespace shopbiz::members;

namespace {

// A level's values as the front end typed them; false when the discount is no price factor
// above 0 up to 1 (a "9" meant as 90 per cent would charge nine times the price) or the
// conversion no whole number of money per point. An empty discount means full price.
bool ReadLevelValues(CString& name, CString& discount, CString& conversion) {
    name.Trim();
    discount.Trim();
    conversion.Trim();
    if (discount.IsEmpty()) discount = L"1";
    if (name.IsEmpty() || !IsPlainNumber(discount)) return false;
    const double factor = ParseAmount(discount);
    if (factor <= 0 || factor > 1) return false;
    return conversion.IsEmpty() || IsWholeNumber(conversion, false);
}

}  // namespace

int CMemberBLL::InsertLevelSet(CppSQLite3DB& db, int level, CString levelName, CString discount, CString conversion,
                               CString remark) {
    ServiceLock lock;
    return Guard(CatchAll(L"InsertLevelSet(): 异常. "), -1, [&] {
        if (!ReadLevelValues(levelName, discount, conversion)) return -1;
        if (doCheckLevel(db, level, levelName) != 0) return 3;
        return db.execDML(
            Sql(L"insert into VipLevelSet(Level,LevelName,discount,Conversion,CreateDate,TotalScores,Remark) "
                L"values(%d,'%s','%s','%s','%s','1','%s');",
                level, Quoted(levelName), Quoted(discount), Quoted(conversion),
                Quoted(m_sysBLL.GetTimeNowLong()), Quoted(remark)));
    });
}

int CMemberBLL::UpdateLevelSet(CppSQLite3DB& db, int levelID, int level, CString levelName, CString discount,
                               int /*flag*/, CString conversion) {
    ServiceLock lock;
    return Guard(CatchAll(L"UpdateLevelSet(): 异常. "), -1, [&] {
        if (!ReadLevelValues(levelName, discount, conversion)) return -1;
        CString oldName;
        {
            CppSQLite3Query old = GetLevelIfoByID(db, levelID);
            if (old.isNull() || old.eof()) return -1;
            oldName = old.getStringField(L"LevelName");
        }
        const QuotedSlot name = Quoted(levelName);
        if (db.execScalar(Sql(L"select count(ID) from VipLevelSet where ID <> %d and (Level = %d or LevelName = '%s');",
                              levelID, level, name)) > 0)
            return 3;
        // Changed in place: the level keeps its ID (the first is the default level), its
        // creation time and its remark.
        const int status =
            db.execDML(Sql(L"update VipLevelSet set Level = %d,LevelName = '%s',discount = '%s',Conversion = '%s' "
                           L"where ID = %d;",
                           level, name, Quoted(discount), Quoted(conversion), levelID));
        if (status == 0 && oldName != levelName) return UpdateMemberLevelName(db, levelName, oldName);
        return status;
    });
}

int CMemberBLL::deleteLevelById(CppSQLite3DB& db, int levelID) {
    ServiceLock lock;
    return Guard(CatchAll(L"deleteLevelById(): 异常. "), -1,
                 [&] { return db.execDML(Sql(L"delete from VipLevelSet where ID = %d;", levelID)); });
}

int CMemberBLL::doCheckLevel(CppSQLite3DB& db, int level, CString levelName) {
    ServiceLock lock;
    return Guard(CatchAll(L"doCheckLevel(): 异常. "), -1, [&] {
        if (db.execScalar(Sql(L"select count(LevelName)  nName from VipLevelSet where LevelName = '%s'; ",
                              Quoted(levelName.Trim()))) > 0)
            return 3;
        return db.execScalar(Sql(L"select count(Level)  nLevel from VipLevelSet where Level = %d; ", level)) > 0 ? 3
                                                                                                                 : 0;
    });
}

int CMemberBLL::IsLevelUsed(CppSQLite3DB& db, CString levelName) {
    ServiceLock lock;
    return Guard(CatchAll(L"IsLevelUsed(): 异常. "), -1, [&] {
        const int members =
            db.execScalar(Sql(L"select COUNT(ID) from VipMember where LevelName = '%s';", Quoted(levelName)));
        return members > 0 ? 1 : 0;
    });
}

CppSQLite3Query CMemberBLL::GetLevelInfoAll(CppSQLite3DB& db, CString& error) {
    ServiceLock lock;
    error = L"";
    // The error text gets the database's message; the log the method's fixed line.
    return Guard(Report(error).LogAs({ErrorText::Fixed(L"GetLevelInfoAll(): 异常. ")}), CppSQLite3Query(), [&] {
        return db.execQuery(L"select ID,Level,LevelName,discount,Conversion from VipLevelSet order by ID;");
    });
}

CppSQLite3Query CMemberBLL::GetLevelIfoByID(CppSQLite3DB& db, int levelID) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetLevelIfoByID(): 异常. "), CppSQLite3Query(), [&] {
        return db.execQuery(
            Sql(L"select Level,LevelName,discount,Conversion from VipLevelSet where ID = %d;", levelID));
    });
}

int CMemberBLL::GetLevelnfoByLevel(CppSQLite3DB& db, CString& levelName, CString& discount, CString level) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetLevelnfoByLevel(): 异常. "), -1, [&] {
        level.Trim();
        CppSQLite3Query row = db.execQuery(
            level == L"-1"
                ? SqlText(L"select LevelName,discount,Conversion,TotalScores from VipLevelSet order by ID limit 1;")
                : Sql(L"select LevelName,discount,Conversion,TotalScores from VipLevelSet where Level = '%s' limit 1;",
                      Quoted(level)));
        levelName = row.eof() ? CString() : row.getStringField(L"LevelName");
        discount = row.eof() ? CString(L"1") : row.getStringField(L"discount");
        return 0;
    });
}
