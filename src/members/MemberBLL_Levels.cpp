// CMemberBLL: a member's level, its discount and its points rate.
#include "common/NumberText.h"
#include "frame/ServiceFrame.h"
#include "members/MemberBLL.h"
#include "members/MemberRows.h"

using namespace shopbiz;
using namespace shopbiz::members;

namespace {

constexpr const wchar_t* kLevelRates = L"select discount,Conversion from VipLevelSet where LevelName = '%s' limit 1;";

}  // namespace

int CMemberBLL::IsVipMemberByCust(CppSQLite3DB& db, CString custName, CString& memberCode, CString& levelName,
                                  double& discount) {
    ServiceLock lock;
    return Guard(CatchAll(L"IsVipMemberByCust(): 异常. "), -1, [&] {
        {
            CppSQLite3Query member = db.execQuery(
                Sql(L"select MemberName,MemberCode,LevelName from VipMember where MemberName = '%s' limit 1;",
                    Quoted(custName)));
            if (member.eof()) return 0;
            memberCode = member.getStringField(L"MemberCode");
            levelName = member.getStringField(L"LevelName");
        }
        discount = PriceFactor(GetLevelDiscount(db, levelName));
        return 1;
    });
}

CString CMemberBLL::GetLevelDiscount(CppSQLite3DB& db, CString levelName) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetLevelDiscount(): 异常. "), CString(L"1"), [&] {
        CppSQLite3Query level = db.execQuery(Sql(kLevelRates, Quoted(levelName)));
        const CString discount = level.eof() ? CString() : level.getStringField(L"discount");
        return discount.IsEmpty() ? CString(L"1") : discount;
    });
}

int CMemberBLL::GetLevelConversoin(CppSQLite3DB& db, CString levelName) {
    ServiceLock lock;
    // An unreadable level earns at the default rate.
    return Guard(CatchAll(L"GetLevelConversoin(): 异常. "), 10, [&] {
        CppSQLite3Query level = db.execQuery(Sql(kLevelRates, Quoted(levelName)));
        if (level.eof()) return 10;
        const int conversion = WToI(level.getStringField(L"Conversion"));
        return conversion == 0 ? 1 : conversion;
    });
}
