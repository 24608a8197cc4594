// CSysBLL: the keyed XML store (UserResourceNew), the SMS templates and the store test projects.
#include "frame/ServiceFrame.h"

using namespace shopbiz;

int CSysBLL::InsertXmlToDataBase(CppSQLite3DB& db, CString key, CString xml) {
    ServiceLock lock;
    return Guard(Log(L"InsertXmlToDataBase Err:%s"), -1, [&] {
        const QuotedSlot k = Quoted(key);
        if (db.execScalar(Sql(L"select count(*) from UserResourceNew where UserName ='%s' ", k)) > 0)
            db.execDML(Sql(L"delete from UserResourceNew where UserName ='%s' ", k));
        return db.execDML(Sql(L"insert into UserResourceNew (UserName,ResCode)\tvalues('%s','%s')", k, Quoted(xml)));
    });
}

CString CSysBLL::GetXmlFromDataBase(CppSQLite3DB& db, CString key) {
    ServiceLock lock;
    return Guard(Log(L"GetXmlFromDataBase Err:%s"), CString(), [&] {
        return db.execScalarStr(Sql(L"select ResCode from UserResourceNew where UserName ='%s' ", Quoted(key)));
    });
}

CppSQLite3Query CSysBLL::GetSMSTempletInfo(CppSQLite3DB& db, int /*unused*/) {
    ServiceLock lock;
    return Guard(CatchAll(L"GetSMSTempletInfo(): 异常. "), CppSQLite3Query(),
                 [&] { return db.execQuery(L"select * from SMSTemplet Order By tittle "); });
}

CppSQLite3Query CSysBLL::GetStoreTestProject(CppSQLite3DB& db, CString projectName, int projectType) {
    ServiceLock lock;
    projectName.Trim();
    return Guard(Log(L"GetStoreTestProject Err:%s"), CppSQLite3Query(), [&] {
        SqlText filter;
        if (!projectName.IsEmpty()) filter += Sql(L" And ProjectName like '%%%s%%'", Quoted(projectName));
        if (projectType >= 0) filter += Sql(L" And ProjectType = %d", projectType);
        return db.execQuery(Sql(L"SELECT * from StoreTest Where 1=1 %s;", filter));
    });
}
