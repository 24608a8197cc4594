// CSysBLL: the keyed XML store (UserResourceNew), the SMS templates and the store test projects.
#include "frame/ServiceFrame.h"
#include "frame/SqlEscape.h"

using namespace shopbiz;

int CSysBLL::InsertXmlToDataBase(CppSQLite3DB& db, CString key, CString xml) {
    ServiceLock lock;
    return LogOnErrorAs(L"InsertXmlToDataBase Err:%s", -1, [&] {
        const CString k = EscapeQuotes(key);
        if (db.execScalar(Sql(L"select count(*) from UserResourceNew where UserName ='%s' ", k)) > 0)
            db.execDML(Sql(L"delete from UserResourceNew where UserName ='%s' ", k));
        return db.execDML(Sql(L"insert into UserResourceNew (UserName,ResCode)\tvalues('%s','%s')", k, EscapeQuotes(xml)));
    });
}

CString CSysBLL::GetXmlFromDataBase(CppSQLite3DB& db, CString key) {
    ServiceLock lock;
    return LogOnErrorAs(L"GetXmlFromDataBase Err:%s", CString(), [&] {
        return db.execScalarStr(Sql(L"select ResCode from UserResourceNew where UserName ='%s' ", EscapeQuotes(key)));
    });
}

CppSQLite3Query CSysBLL::GetSMSTempletInfo(CppSQLite3DB& db, int /*unused*/) {
    ServiceLock lock;
    CppSQLite3Query result;
    result = CatchAllErrors(L"GetSMSTempletInfo(): 异常. ", CppSQLite3Query(),
                            [&] { return db.execQuery(L"select * from SMSTemplet Order By tittle "); });
    return result;
}

CppSQLite3Query CSysBLL::GetStoreTestProject(CppSQLite3DB& db, CString projectName, int projectType) {
    ServiceLock lock;
    CString filter;
    projectName.Trim();
    if (!projectName.IsEmpty()) filter += Sql(L" And ProjectName like '%%%s%%'", EscapeQuotes(projectName));
    if (projectType >= 0) filter += Sql(L" And ProjectType = %d", projectType);
    CppSQLite3Query result;
    result = LogOnErrorAs(L"GetStoreTestProject Err:%s", CppSQLite3Query(),
                          [&] { return db.execQuery(Sql(L"SELECT * from StoreTest Where 1=1 %s;", filter)); });
    return result;
}
