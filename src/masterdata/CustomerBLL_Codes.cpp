// CCustomerBLL: partner codes and the checks for names and data in use.
#include "masterdata/CustomerBLL.h"
#include "masterdata/CustomerBLL_Report.h"

using namespace shopbiz;
using namespace shopbiz::partners;

CString CCustomerBLL::GetNewCustomerCode(CppSQLite3DB& db, int type, CString& error) {
    ServiceLock lock;
    const wchar_t* const failed = L"获取编码失败!";
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, failed)), CString(), [&] {
        CppSQLite3Query row = db.execQuery(
            Sql(L" SELECT CompanyCode FROM Companies WHERE  CompanyType=%d ORDER BY CompanyID  DESC LIMIT 1 ;", type));
        if (row.isNull()) {
            error = failed;
            return CString();
        }
        // Carries on from the newest partner's code: KH0002 gives KH0003.
        return CSysBLL().GetNewCode(row.eof() ? CString() : row.getStringField(L"CompanyCode"));
    });
}

int CCustomerBLL::GetCompanyIDByName(CppSQLite3DB& db, CString name) {
    ServiceLock lock;
    CString error;
    int id = 0;
    for (CppSQLite3Query rows = QueryCompanyByName(db, name, error); !rows.eof(); rows.nextRow())
        id = rows.getIntField(L"CompanyID");
    return id;
}

bool CCustomerBLL::IsExisted(CppSQLite3DB& db, CString name, int id, CString& error) {
    ServiceLock lock;
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, kSqlFailed)), false, [&] {
        return db.execScalar(Sql(L" SELECT COUNT(*) FROM Companies WHERE (CompanyType = 1 or CompanyType = 2) and "
                                 L"CompanyName='%s' AND CompanyID <> %d ;",
                                 Quoted(Safe(name)), id)) > 0;
    });
}

bool CCustomerBLL::IsExisted(CppSQLite3DB& db, CString name) {
    ServiceLock lock;
    return Guard(Log(), false, [&] {
        return db.execScalar(Sql(L" SELECT COUNT(*) FROM Companies WHERE CompanyName='%s' ;", Quoted(Safe(name)))) > 0;
    });
}

int CCustomerBLL::IsExistedCustName(CppSQLite3DB& db, CString name, CString& error) {
    ServiceLock lock;
    return Guard(Report(error).LogAs({ErrorText::Fixed(L"IsExistedCustName():: ERROR")}), 0, [&] {
        CppSQLite3Query row =
            db.execQuery(Sql(L" SELECT CompanyID FROM Companies WHERE CompanyType = 1 and CompanyName='%s' limit 1;",
                             Quoted(Safe(name))));
        return row.eof() ? 0 : 1;
    });
}

namespace {

// Rows beyond the delivered IDs 1 to 3 that are neither disabled nor deleted.
bool HasUsablePartners(CppSQLite3DB& db, const wchar_t* sql) {
    ServiceLock lock;
    return Guard(Log(), false, [&] { return db.execScalar(sql) > 0; });
}

}  // namespace

bool CCustomerBLL::HaveCustData(CppSQLite3DB& db) {
    return HasUsablePartners(db,
                             L"select count(1) from Companies where CompanyID > 3 AND CompanyType=1 AND "
                             L"IsDisable <> 1 AND IsDelete <> 1");
}

bool CCustomerBLL::HaveSuppData(CppSQLite3DB& db) {
    return HasUsablePartners(db,
                             L"select count(1) from Companies where CompanyID > 3 AND CompanyType=2 AND "
                             L"IsDisable <> 1 AND IsDelete <> 1");
}
