// CNetDataBLL: the logistics companies the marketplace offers and its tree of regions.
#include "onlineshop/NetDataBLL.h"
#include "onlineshop/NetSupport.h"

using namespace shopbiz;

namespace {

void InsertLogisticsCompany(CppSQLite3DB& db, const NetFields& row) {
    db.execDML(Sql(L"insert into net_tblogst (id,code,name) values('%s','%s','%s')", Quoted(row[0]), Quoted(row[1]),
                   Quoted(row[2])));
}

}  // namespace

int CNetDataBLL::InsertCompany(CppSQLite3DB& db, const NetRows& rows, int rowCount, CString& error) {
    ServiceLock lock;
    error = L"";
    const CString missing = MissingRows(L"物流公司数据", rows, rowCount, kNetLogisticsColumns.size());
    if (!missing.IsEmpty()) return ReportNetFailure(L"InsertCompany", L"net_tblogst", missing, &error);
    return Guard(Report(error).LogAs({ErrorText(L"InsertCompany() ERR:\r\n %s")}), -1, [&] {
        for (int i = 0; i < rowCount; ++i) {
            const NetFields& row = rows[static_cast<size_t>(i)];
            if (db.execScalar(Sql(L"select count(*) from net_tblogst where id = '%s'", Quoted(row[0]))) == 0)
                InsertLogisticsCompany(db, row);
        }
        return 1;
    });
}

int CNetDataBLL::UpdateCompany(CppSQLite3DB& db, const NetRows& rows, int rowCount, CString& error) {
    ServiceLock lock;
    error = L"";
    const CString missing = MissingRows(L"物流公司数据", rows, rowCount, kNetLogisticsColumns.size());
    if (!missing.IsEmpty()) return ReportNetFailure(L"UpdateCompany", L"net_tblogst", missing, &error);
    return Guard(Report(error).LogAs({ErrorText(L"UpdateCompany() ERR:\r\n %s")}), -1, [&] {
        Transaction tx(db);
        db.execDML(L"delete from net_tblogst ");
        for (int i = 0; i < rowCount; ++i) InsertLogisticsCompany(db, rows[static_cast<size_t>(i)]);
        tx.Commit();
        return 1;
    });
}

CppSQLite3Query CNetDataBLL::GetCompanyInfo(CppSQLite3DB& db, CString& error) {
    ServiceLock lock;
    error = L"";
    return Guard(Report(error).LogAs({ErrorText::WithStatement(L"GetCompanyInfo() ERR:\r\n%s\r\nsql=%s")}),
                 CppSQLite3Query(), [&] { return db.execQuery(L"select *from net_tblogst"); });
}

CppSQLite3Query CNetDataBLL::GetDeliveryComInfo(CppSQLite3DB& db, CString name, CString& error) {
    ServiceLock lock;
    error = L"";
    return Guard(Report(error).LogAs({ErrorText::WithStatement(L"GetDeliveryComInfo() ERR:\r\n%s\r\nsql=%s")}),
                 CppSQLite3Query(),
                 [&] { return db.execQuery(Sql(L"Select *from net_tblogst where name ='%s'", Quoted(name))); });
}

CppSQLite3Query CNetDataBLL::GetCityInfo(CppSQLite3DB& db, CString name, CString& error) {
    ServiceLock lock;
    error = L"";
    return Guard(
        Report(error).LogAs({ErrorText::WithStatement(L"GetCityInfo() ERR:\r\n%s\r\nsql=%s")}), CppSQLite3Query(), [&] {
            CppSQLite3Query region = db.execQuery(Sql(L"Select id from net_tbcity where name ='%s'", Quoted(name)));
            if (region.eof()) return CppSQLite3Query();  // no such region: no children
            const CString id = region.getStringField(L"id");
            region.finalize();
            return db.execQuery(Sql(L"Select *from net_tbcity where parent_id ='%s'", Quoted(id)));
        });
}

CString CNetDataBLL::GetCityInfoByName(CppSQLite3DB& db, CString name, CString parentName, CString, CString& error) {
    ServiceLock lock;
    error = L"";
    return Guard(Report(error).LogAs({ErrorText::WithStatement(L"GetCityInfoByName() ERR:\r\n%s\r\nsql=%s")}),
                 CString(), [&] {
                     if (parentName.IsEmpty())
                         return db.execScalarStr(Sql(L"Select id from net_tbcity where name ='%s'", Quoted(name)));
                     CppSQLite3Query parent =
                         db.execQuery(Sql(L"Select id from net_tbcity where name ='%s'", Quoted(parentName)));
                     if (parent.eof()) return CString();
                     const CString parentID = parent.getStringField(L"id");
                     parent.finalize();
                     return db.execScalarStr(Sql(L"Select id from net_tbcity where name ='%s' and parent_id = '%s'",
                                                 Quoted(name), Quoted(parentID)));
                 });
}
