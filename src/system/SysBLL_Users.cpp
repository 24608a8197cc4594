// CSysBLL: operator accounts (User): adding, renaming, passwords, switching on and off,
// deleting, the profile and whether bills carry an operator's name. User names and
// passwords are stored in their safe form (GetSafeString), the form login compares.
#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

CString Safe(CString text) {
    CSysBLL::GetSafeString(text);
    return text;
}

}  // namespace

bool CSysBLL::ChangeUsername(CppSQLite3DB& db, CString oldName, CString newName) {
    GetSafeString(oldName);
    GetSafeString(newName);
    if (oldName.IsEmpty() || newName.IsEmpty()) return false;
    // A name another operator has is refused by the table's unique key (and logged).
    return Guard(Log(), false, [&] {
        db.execDML(Sql(L"Update [User] Set UserName='%s' Where UserName = '%s' ", Quoted(newName), Quoted(oldName)));
        return true;
    });
}

bool CSysBLL::ChangePassword(CppSQLite3DB& db, CString name, CString newPassword) {
    return Guard(Log(), false, [&] {
        return db.execDML(Sql(L"Update [User] Set Password='%s' Where UserName = '%s' ", Quoted(Safe(newPassword)),
                              Quoted(Safe(name)))) == 0;
    });
}

bool CSysBLL::EnableUserItem(CppSQLite3DB& db, CString name, bool enable) {
    return db.execDML(Sql(L"Update [User] Set IsDisable='%s' Where UserName = '%s' ", enable ? L"0" : L"1",
                          Quoted(Safe(name)))) == 0;
}

bool CSysBLL::IsEnableUserItem(CppSQLite3DB& db, CString name) {
    CppSQLite3Query q = db.execQuery(Sql(L"Select IsDisable from [User] Where UserName = '%s' ", Quoted(Safe(name))));
    return q.eof() || q.getStringField(L"IsDisable") != L"1";
}

bool CSysBLL::DeleteUserItem(CppSQLite3DB& db, CString name) {
    return db.execDML(Sql(L"delete from User where UserName ='%s' ", Quoted(Safe(name)))) == 0;
}

CString CSysBLL::GetUserEmotion(CppSQLite3DB& db, CString name) {
    return db.execScalarStr(Sql(L"Select Emotion from [User] Where UserName = '%s' ", Quoted(Safe(name))));
}

int CSysBLL::SaveUserEmotion(CppSQLite3DB& db, CString name, CString emotion) {
    return db.execDML(
        Sql(L"Update [User] Set Emotion='%s' Where UserName = '%s' ", Quoted(emotion), Quoted(Safe(name))));
}

CString CSysBLL::GetHeadPic(CppSQLite3DB& db, CString name) {
    CppSQLite3Query q = db.execQuery(Sql(L"Select HeadPic from [User] Where UserName = '%s' ", Quoted(Safe(name))));
    if (q.eof()) return CString();
    CString picture = q.getStringField(L"HeadPic");
    // Pictures of the program's skins are kept relative to the program directory.
    const int skin = picture.Find(L"skin");
    if (skin >= 0) picture = picture.Mid(skin);
    CString directory;
    GetCurrentDirectoryW(directory);
    return directory + picture;
}

int CSysBLL::SaveHeadPic(CppSQLite3DB& db, CString name, CString picture) {
    return db.execDML(
        Sql(L"Update [User] Set HeadPic='%s' Where UserName = '%s' ", Quoted(picture), Quoted(Safe(name))));
}

int CSysBLL::AddUser(CppSQLite3DB& db, CString name, CString password, CString sex, CString tel, CString email) {
    GetSafeString(name);
    GetSafeString(password);
    if (name.IsEmpty()) return -1;
    return Guard(CatchAll(nullptr), -1, [&] {
        const QuotedSlot n = Quoted(name);
        if (db.execScalar(Sql(L"select count(*) from User where UserName ='%s'", n)) > 0) return -2;
        db.execDML(Sql(L"insert into [User](UserName,Password,Sex,Birthday,Tel,Email,Emotion,HeadPic,CreateDate) "
                       L"values('%s','%s','%s','','%s','%s','','','%s')",
                       n, Quoted(password), Quoted(sex), Quoted(tel), Quoted(email),
                       Quoted(CTime2CString(CTime::GetCurrentTime()))));
        return db.lastChanges();
    });
}

int CSysBLL::UpdateUserByID(CppSQLite3DB& db, CString newName, int userID) {
    GetSafeString(newName);
    if (newName.IsEmpty()) return -1;
    return Guard(CatchAll(nullptr), -1, [&] {
        const QuotedSlot n = Quoted(newName);
        if (db.execScalar(Sql(L"select count(*) from User where UserName ='%s' and ID <> %d", n, userID)) > 0) return -2;
        return db.execDML(Sql(L"update User set UserName = '%s' where ID = %d;", n, userID));
    });
}

int CSysBLL::DeleteUserByID(CppSQLite3DB& db, int userID) {
    return Guard(CatchAll(nullptr), -1, [&] { return db.execDML(Sql(L"delete from User where ID = %d;", userID)); });
}

int CSysBLL::DisableUserByID(CppSQLite3DB& db, int userID, int disable) {
    return Guard(CatchAll(nullptr), -1, [&] {
        return db.execDML(Sql(L"update User set IsDisable = %d where ID = %d;", disable, userID));
    });
}

CString CSysBLL::GetUserNameByID(CppSQLite3DB& db, int userID) {
    return Guard(CatchAll(nullptr), CString(), [&] {
        CppSQLite3Query q = db.execQuery(Sql(L"select * from User where ID = %d; ", userID));
        return q.eof() ? CString() : q.getStringField(L"UserName");
    });
}

int CSysBLL::UserIsUsed(CppSQLite3DB& db, CString name) {
    ServiceLock lock;
    // Bills keep the operator's name as it was posted, so it is compared as given.
    return Guard(CatchAll(L"UserIsUsed() error"), -1, [&] {
        const QuotedSlot n = Quoted(name);
        CppSQLite3Query q = db.execQuery(Sql(L"select 1 as IsUsed from PurBills where UserName=='%s' Union All "
                                             L"select 1 as IsUsed from SaleBills where UserName=='%s' limit 1",
                                             n, n));
        return q.eof() ? 0 : q.getIntField(L"IsUsed");
    });
}

int CSysBLL::UpdateAdminUserTel(CppSQLite3DB& db, CString tel) {
    ServiceLock lock;
    return Guard(Log().NotLogged(), -1,
                 [&] { return db.execDML(Sql(L"UPDATE USER SET Tel='%s' WHERE IsAdmin=1;", Quoted(tel))); });
}
