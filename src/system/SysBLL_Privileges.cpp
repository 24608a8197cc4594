// CSysBLL: the rights tree (Resource), the rights granted to each operator (UserResource,
// keyed by the operator's ID as text) and the rights checks. The administrator (ID 1)
// holds every right.
#include <sqlite3.h>

#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

// The groups whose rights are reports to look at.
constexpr const wchar_t* kViewGroups[] = {L"0300", L"0400", L"2200", L"2300", L"2700"};

// While it lives, statements prepared on the connection may read anything but write only
// the granted rights: the host's own statement for SetUserResc cannot touch other tables,
// change the schema or attach files.
class OnlyGrantsWritable {
public:
    explicit OnlyGrantsWritable(CppSQLite3DB& db) : handle_(db.handle()) {
        if (handle_) sqlite3_set_authorizer(handle_, &Authorize, nullptr);
    }
    ~OnlyGrantsWritable() {
        if (handle_) sqlite3_set_authorizer(handle_, nullptr, nullptr);
    }
    OnlyGrantsWritable(const OnlyGrantsWritable&) = delete;
    OnlyGrantsWritable& operator=(const OnlyGrantsWritable&) = delete;

private:
    static int Authorize(void*, int action, const char* table, const char*, const char*, const char*) {
        switch (action) {
            case SQLITE_INSERT:
            case SQLITE_UPDATE:
            case SQLITE_DELETE:
                return table && sqlite3_stricmp(table, "UserResource") == 0 ? SQLITE_OK : SQLITE_DENY;
            case SQLITE_READ:
            case SQLITE_SELECT:
            case SQLITE_FUNCTION:
            case SQLITE_RECURSIVE:
                return SQLITE_OK;
            default:
                return SQLITE_DENY;
        }
    }
    sqlite3* handle_;
};

}  // namespace

// --- The tree with the operator's rights ----------------------------------------------------

CppSQLite3Query CSysBLL::GetUserResc(CppSQLite3DB& db, CString user) {
    CppSQLite3Query result;
    result = db.execQuery(
        Sql(L"SELECT A.ID AS ID,A.ResCode AS ResCode,A.ResName AS ResName,A.ParentResCode AS ParentResCode,"
            L"A.Level AS Level, A.OrderID AS OrderID,A.Remark AS Remark, ( CASE WHEN IFNULL(B.ResCode,'')<>'' THEN 1 "
            L"ELSE 0 END ) AS IsOK FROM Resource AS A LEFT JOIN (SELECT ResCode FROM UserResource WHERE "
            L"UserName='%s') AS B ON A.ResCode=B.ResCode ORDER BY A.ResCode ,A.Level,A.OrderID;",
            Quoted(user)));
    return result;
}

CppSQLite3Query CSysBLL::GetUserRescNew(CppSQLite3DB& db, CString user) {
    // Each group row carries its own code as the group code and OrderID -1, so that it
    // comes before its rights.
    CppSQLite3Query result;
    result = db.execQuery(
        Sql(L"SELECT DISTINCT A.ID AS ID,A.ResCode AS ResCode,A.ResName AS ResName,A.ParentResCode AS ParentResCode,"
            L"A.Level AS Level,A.OrderID AS OrderID,A.IsLeaf AS IsLeaf,A.FObjectOrderID AS FObjectOrderID,"
            L"A.Remark AS Remark,A.GroupCode AS GroupCode,( CASE WHEN IFNULL(B.ResCode,'')<>'' THEN 1 ELSE 0 END ) "
            L"AS IsOK FROM (SELECT ID,ResCode,ResName,ParentResCode,Level,IsLeaf,FObjectOrderID,Remark,"
            L"(CASE WHEN IFNULL(ParentResCode,'')='' THEN -1 ELSE OrderID END) AS OrderID,"
            L"(CASE WHEN IFNULL(ParentResCode,'')='' THEN ResCode ELSE ParentResCode END) AS GroupCode "
            L"FROM Resource) AS A LEFT JOIN (SELECT ResCode FROM UserResource WHERE UserName='%s') AS B "
            L"ON A.ResCode=B.ResCode ORDER BY A.FObjectOrderID,A.GroupCode,A.Level,A.OrderID;",
            Quoted(user)));
    return result;
}

CppSQLite3Query CSysBLL::GetUserRescByPID(CppSQLite3DB& db, CString user, CString parentResCode) {
    CppSQLite3Query result;
    result = db.execQuery(
        Sql(L"SELECT A.ID AS ID,A.ResCode AS ResCode,A.ResName AS ResName,A.ParentResCode AS ParentResCode,"
            L"A.Level AS Level, A.OrderID AS OrderID,A.IsLeaf AS IsLeaf,A.Remark AS Remark, ( CASE WHEN "
            L"IFNULL(B.ResCode,'')<>'' THEN 1 ELSE 0 END ) AS IsOK FROM Resource AS A LEFT JOIN (SELECT ResCode FROM "
            L"UserResource WHERE UserName='%s') AS B ON A.ResCode=B.ResCode WHERE A.ParentResCode = '%s' "
            L"ORDER BY A.OrderID;",
            Quoted(user), Quoted(parentResCode)));
    return result;
}

CppSQLite3Query CSysBLL::GetUserPriv(CppSQLite3DB& db, CString user) {
    CppSQLite3Query result;
    result = db.execQuery(Sql(L"SELECT * FROM UserResource WHERE UserName='%s'", Quoted(user)));
    return result;
}

// --- Granting and revoking ------------------------------------------------------------------

int CSysBLL::SetUserResc(CppSQLite3DB& db, CString sql) {
    // Held so that no other call of the library prepares a statement under the restriction.
    ServiceLock lock;
    if (sql.IsEmpty()) return 1;
    return Guard(CatchAll(L"SetUserRes error").LogAs({ErrorText::Fixed(L"SetUserRes error"), ErrorText::Fixed(sql)}),
                 -1, [&] {
                     OnlyGrantsWritable restriction(db);
                     db.execDML(sql);
                     return 1;
                 });
}

int CSysBLL::DelUserAllResc(CppSQLite3DB& db, CString user) {
    return Guard(CatchAll(L"DelUserAllResc() error"), -1, [&] {
        return db.execDML(Sql(L"DELETE FROM UserResource WHERE UserName='%s' ", Quoted(user)));
    });
}

int CSysBLL::SetUserAllResc(CppSQLite3DB& db, CString user) {
    return Guard(CatchAll(L"SetUserAllResc error"), -1, [&] {
        CStringArray codes;
        CppSQLite3Query q = db.execQuery(L"SELECT ResCode FROM Resource");
        for (; !q.eof(); q.nextRow()) codes.Add(q.getStringField(L"ResCode"));
        q.finalize();
        const QuotedSlot u = Quoted(user);
        for (const CString& code : codes) db.execDML(Sql(L"INSERT INTO UserResource VALUES('%s', '%s') ", u, Quoted(code)));
        return 1;
    });
}

// --- The tree -------------------------------------------------------------------------------

int CSysBLL::GetRescTreeNum(CppSQLite3DB& db) {
    return Guard(CatchAll(L"GetRescTreeNum() error"), -1,
                 [&] { return db.execScalar(L"select count(*) from Resource where ifnull(ParentResCode,'') = ''"); });
}

CString CSysBLL::GetResCode(CppSQLite3DB& db, CString resName, int resID) {
    return Guard(CatchAll(L"GetResCode() error"), CString(), [&] {
        CppSQLite3Query q =
            db.execQuery(Sql(L"select * from Resource where ID = %d and ResName = '%s'", resID, Quoted(resName)));
        return q.eof() ? CString() : q.getStringField(L"ResCode");
    });
}

CString CSysBLL::GetResCodeByID(CppSQLite3DB& db, int resID) {
    return Guard(CatchAll(L"GetResCodeByID() error"), CString(), [&] {
        CppSQLite3Query q = db.execQuery(Sql(L"select * from Resource where ID = %d ", resID));
        return q.eof() ? CString() : q.getStringField(L"ResCode");
    });
}

int CSysBLL::IsHaveViewRes(CppSQLite3DB& db, int resID) {
    ServiceLock lock;
    return Guard(CatchAll(L"IsHaveViewRes() error"), 0, [&] {
        const CString parent = db.execScalarStr(Sql(L"select ParentResCode from Resource where ID = %d", resID));
        for (const wchar_t* group : kViewGroups)
            if (parent == group) return 1;
        return 0;
    });
}

// --- Checks ---------------------------------------------------------------------------------

int CSysBLL::HasPrivilege(CppSQLite3DB& db, CString user, CString parentResName, CString resName) {
    // A right that is not defined is granted; so is every right when the check fails.
    return Guard(CatchAll(L"HasPrivilege()执行语句异常！"), 1, [&] {
        const CString code = db.execScalarStr(
            Sql(L"select ResCode from Resource where ResName = '%s' and ParentResCode = (select ResCode from Resource "
                L"where ResName = '%s');",
                Quoted(resName), Quoted(parentResName)));
        if (code.IsEmpty()) return 1;
        return db.execScalar(Sql(L"select count(*) from UserResource where UserName = '%s' and ResCode = '%s';",
                                 Quoted(user), Quoted(code)));
    });
}

int CSysBLL::CheckUserResource(CppSQLite3DB& db, CString resCode, int userID) {
    ServiceLock lock;
    return Guard(Log().LogAs({ErrorText::Fixed(L"获取权限失败!"), ErrorText()}), 0, [&] {
        // The operator logged in, as the host recorded it; the caller's ID without that.
        CppSQLite3Query setting =
            db.execQuery(L"select SettingVal from SysSetting where SettingType='CurLoginUserID' limit 1");
        const int op = setting.eof() ? userID : setting.getIntField(0, userID);
        setting.finalize();
        if (op == 1) return 1;
        if (op == 0)
            return db.execScalar(Sql(L"select count(1) from userResource where UserName =(select SettingVal from "
                                     L"SysSetting where SettingType='CurLoginUserID' limit 1) And ResCode='%s'",
                                     Quoted(resCode)));
        return db.execScalar(
            Sql(L"select count(1) from userResource where UserName = %d And ResCode='%s'", op, Quoted(resCode)));
    });
}
