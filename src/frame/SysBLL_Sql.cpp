// CSysBLL: the library lock and the generic SQL entry points.
#include "frame/ServiceFrame.h"

using namespace shopbiz;

CCSWrapper CSysBLL::m_lock;

int CSysBLL::ExecSQL(CppSQLite3DB& db, CString sql) {
    ServiceLock lock;
    return db.execDML(sql);
}

CppSQLite3Query CSysBLL::ExecSQLForQuery(CppSQLite3DB& db, CString sql) {
    ServiceLock lock;
    CppSQLite3Query result;
    result = db.execQuery(sql);
    return result;
}

int CSysBLL::ExecDML(CppSQLite3DB& db, CString sql, CString& error) {
    error = L"";
    return Guard(Report(error, ErrorText(L"执行SQL时出错,sql:\r\n%s\r\nerr:\r\n%s", sql)).NotLogged(), 0, [&] {
        db.execDML(sql);
        return 1;
    });
}

int CSysBLL::DBIsNewCreate(CppSQLite3DB& db) {
    ServiceLock lock;
    return db.execScalar(
        L"select count(Num)<6 from ("
        L"select count(1) as Num from Products group by ServerID having count(ProductID)>=1"
        L" union all "
        L"select count(1) as Num from Companies Where CompanyType=1 And IsSystem=0 group by IsSystem having count(CompanyID)>=1"
        L" union all "
        L"select count(1) as Num from Companies Where CompanyType=2 And IsSystem=0 group by IsSystem having count(CompanyID)>=1"
        L" union all "
        L"select count(1) as Num from SaleBills where IsSystem=0 group By IsSystem having count(SaleID)>=1"
        L" union all "
        L"select count(1) as Num from PurBills where IsSystem=0 group By IsSystem having count(PurID)>=1"
        L" union all "
        L"select (Case when ifnull(CompanyName,'') <>'' And ifnull(Industry,'') <>'' then 1 else 0 end) as Num from Systeminfo"
        L") t where Num>0;");
}

int CSysBLL::ClearData(CppSQLite3DB& db, CString error) {
    ServiceLock lock;
    return Guard(Report(error).LogAs({ErrorText::Fixed(L"清空数据失败!"), ErrorText()}), 0, [&] {
        CStringArray tables;
        CppSQLite3Query q = db.execQuery(L"select name from sqlite_master where type='table' order by name;");
        for (; !q.eof(); q.nextRow()) tables.Add(q.getStringField(L"name"));
        q.finalize();
        for (const CString& name : tables) {
            if (name == L"User" || name == L"sqlite_sequence" || name == L"SystemInfo" || name == L"UserResource")
                continue;
            // The names come from the database's own catalogue.
            db.execDML(Fmt(L"DROP TABLE %s", name));
        }
        db.execDML(L" delete from sqlite_sequence");
        return 1;
    });
}
