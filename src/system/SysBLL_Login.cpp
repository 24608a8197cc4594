// CSysBLL: logging an operator in, the login screen's list of operators and the password
// reminder. Names and passwords are compared in their safe form (GetSafeString), the form
// in which every writer stores them.
#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

CString Safe(CString text) {
    CSysBLL::GetSafeString(text);
    return text;
}

}  // namespace

bool CSysBLL::ValidateLogin(CppSQLite3DB& db, CString name, CString password, int& userID, bool& isAdmin,
                            int remember) {
    const QuotedSlot n = Quoted(Safe(name)), p = Quoted(Safe(password));
    return Guard(ShowMessage(), false, [&] {
        CppSQLite3Query user = db.execQuery(
            Sql(L"Select * from [User] Where UserName = '%s' and Password = '%s' and IsDisable=0", n, p));
        if (user.eof()) return false;
        userID = user.getIntField(L"ID");
        isAdmin = false;
        Guard(Log(ErrorText::Fixed(L"ValidateLogin(): q.getIntField(L'IsAdmin',0)异常. ")),
              [&] { isAdmin = user.getIntField(L"IsAdmin", 0) == 1; });
        user.finalize();
        db.execDML(Sql(L"update [User] set IsRemPwd=%d Where UserName = '%s' and Password = '%s' and IsDisable=0",
                       remember, n, p));
        return true;
    });
}

bool CSysBLL::ValidateLogin2(CppSQLite3DB& db, CString name, CString password) {
    return Guard(ShowMessage(), false, [&] {
        return db.execScalar(Sql(L"Select count(1) from [User] Where UserName = '%s' and Password = '%s' and IsDisable=0",
                                 Quoted(Safe(name)), Quoted(Safe(password)))) > 0;
    });
}

CppSQLite3Query CSysBLL::GetLocalUsers(CppSQLite3DB& db, int all) {
    return Guard(ShowMessage(), CppSQLite3Query(), [&] {
        return db.execQuery(all ? L"Select * from [User] ORDER BY ID" : L"Select * from [User] Where IsDisable=0 ORDER BY ID");
    });
}

void CSysBLL::GetLocalUsers(CppSQLite3DB& db, CStringArray& users) {
    users.RemoveAll();
    CppSQLite3Query q = db.execQuery(L"Select * from [User] Where IsDisable=0 ORDER BY ID");
    for (; !q.eof(); q.nextRow()) {
        if (q.getStringField(L"IsDisable") != L"0") continue;
        users.Add(q.getStringField(L"UserName") + L";" + q.getStringField(L"Password") + L";" +
                  q.getStringField(L"IsRemPwd"));
    }
}

bool CSysBLL::IsPwdEmpty(CppSQLite3DB& db, CString name) {
    CppSQLite3Query q = db.execQuery(Sql(L"Select Password from [User] Where UserName = '%s' ", Quoted(Safe(name))));
    return !q.eof() && q.getStringField(0).IsEmpty();
}

CString CSysBLL::GetUserPsw(CppSQLite3DB& db) {
    ServiceLock lock;
    return Guard(Log(), CString(), [&] {
        CString reminder;
        CppSQLite3Query q = db.execQuery(L"select * from User where IsDisable != 1 AND IsDelete != 1 ");
        for (; !q.eof(); q.nextRow())
            reminder += q.getStringField(L"UserName") + L" 的密码是：\"" + q.getStringField(L"Password") + L"\" ";
        return reminder;
    });
}
