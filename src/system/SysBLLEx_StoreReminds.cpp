// CSysBLLEx: the store reminders (StoreRemindResult, with the operator's responses per kind
// in StoreRemind), the ones to pop up, and the apps offered for purchase (AppBuyList).
#include "common/SysBLLEx.h"
#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

// The reminder columns the two field updates may set; the name goes into the statement
// unquoted, so only these ever reach it.
constexpr const wchar_t* kRemindColumns[] = {L"RemindName",  L"RemindSortID", L"ResultType", L"ResultDoneDateType",
                                             L"ResultDoneDate", L"IsHavePopup", L"IsClick",   L"IsPopup"};

const wchar_t* RemindColumn(const CString& name) {
    for (const wchar_t* column : kRemindColumns)
        if (name.CompareNoCase(column) == 0) return column;
    throw CppSQLite3Exception(1, L"invalid column name: " + name);
}

}  // namespace

CppSQLite3Query CSysBLLEx::GetStoreRemind(CppSQLite3DB& db, CString /*unused*/) {
    ServiceLock lock;
    return Guard(Log(ErrorText(L"CSysBLLEx::GetStoreRemind %s")), CppSQLite3Query(), [&] {
        return db.execQuery(
            L"select b.RemindName,b.RemindSortID,b.ResultType,ifnull(a.RemindDoneType,0) as RemindDoneType,"
            L"a.RemindDetailDone,b.ResultDoneDateType,b.ResultDoneDate from StoreRemindResult b left join StoreRemind a "
            L"on a.RemindSortID=b.RemindSortID where b.IsHavePopup=0 Order by b.RemindSortID;");
    });
}

int CSysBLLEx::UpdateStoreRemindIntField(CppSQLite3DB& db, CString column, CString remindName, int value, int all) {
    ServiceLock lock;
    return Guard(Log(ErrorText(L"CSysBLLEx::UpdateStoreRemindIntField %s")), 0, [&] {
        const wchar_t* field = RemindColumn(column);
        db.execDML(all ? Sql(L"Update StoreRemindResult set %s=%d ", field, value)
                       : Sql(L"Update StoreRemindResult set %s=%d Where RemindName='%s'", field, value,
                             Quoted(remindName)));
        return 1;
    });
}

int CSysBLLEx::UpdateStoreRemindCStringField(CppSQLite3DB& db, CString column, CString remindName, CString value,
                                             int all) {
    ServiceLock lock;
    return Guard(Log(ErrorText(L"CSysBLLEx::UpdateStoreRemindCStringField %s")), 0, [&] {
        const wchar_t* field = RemindColumn(column);
        db.execDML(all ? Sql(L"Update StoreRemindResult set %s='%s' ", field, Quoted(value))
                       : Sql(L"Update StoreRemindResult set %s='%s' Where RemindName='%s'", field, Quoted(value),
                             Quoted(remindName)));
        return 1;
    });
}

CppSQLite3Query CSysBLLEx::GetPopMsgList(CppSQLite3DB& db, CString /*unused*/) {
    ServiceLock lock;
    return Guard(Log(ErrorText(L"CSysBLLEx::GetPopMsgList %s")), CppSQLite3Query(), [&] {
        return db.execQuery(
            L"select * from StoreRemindResult where IsHavePopup=0 And (IsClick=0 Or ResultType=1 ) And (IsPopup=1 Or "
            L"ResultType=2) Order By RemindSortID,ID;");
    });
}

CppSQLite3Query CSysBLLEx::GetBuyList(CppSQLite3DB& db, CString /*unused*/) {
    ServiceLock lock;
    return Guard(Log(ErrorText(L"CSysBLLEx::GetBuyList %s")), CppSQLite3Query(),
                 [&] { return db.execQuery(L"select * from AppBuyList where 1 = 1 Order By AppSort;"); });
}
