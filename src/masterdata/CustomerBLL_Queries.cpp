// CCustomerBLL: the reads behind the partner lists and pick lists of the front end.
#include "masterdata/CustomerBLL.h"
#include "masterdata/CustomerBLL_Report.h"

using namespace shopbiz;
using namespace shopbiz::partners;

CppSQLite3Query CCustomerBLL::QueryCompanyByID(CppSQLite3DB& db, int id, CString& error) {
    ServiceLock lock;
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, kSqlFailed)), CppSQLite3Query(),
                 [&] { return db.execQuery(Sql(L"SELECT * FROM Companies WHERE CompanyID=%d ", id)); });
}

CppSQLite3Query CCustomerBLL::QueryCompanyByName(CppSQLite3DB& db, CString name, CString& error) {
    ServiceLock lock;
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, kSqlFailed)), CppSQLite3Query(), [&] {
        return db.execQuery(
            Sql(L" SELECT * FROM Companies WHERE (CompanyType = 1 or CompanyType = 2) and CompanyName='%s';",
                Quoted(Safe(name))));
    });
}

CppSQLite3Query CCustomerBLL::QueryCompanyList(CppSQLite3DB& db, CString keyword, bool showAll, int type,
                                               CString& error) {
    ServiceLock lock;
    const QuotedSlot k = Quoted(Safe(keyword));
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, kSqlFailed)), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(
            showAll ? L" SELECT * FROM Companies WHERE (CompanyType=%d or %d = 0) AND IsSystem=0 AND  ( CompanyCode "
                      L"LIKE '%%%s%%' OR CompanyName  LIKE '%%%s%%' OR SearchCode  LIKE '%%%s%%' ) ORDER BY "
                      L"CompanyName DESC ;"
                    : L" SELECT * FROM Companies WHERE IsDisable=0 AND (CompanyType=%d or %d = 0) AND IsSystem=0 AND  "
                      L"( CompanyCode LIKE '%%%s%%' OR CompanyName  LIKE '%%%s%%' OR SearchCode  LIKE '%%%s%%' ) "
                      L"ORDER BY CompanyName DESC ;",
            type, type, k, k, k));
    });
}

CppSQLite3Query CCustomerBLL::QueryCompanyByNameTel(CppSQLite3DB& db, int type, CString namePart, CString telPart,
                                                    bool showAll, CString& error) {
    ServiceLock lock;
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, kSqlFailed)), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(
            showAll ? L" SELECT * FROM Companies WHERE CompanyType=%d  AND IsSystem=0 AND    CompanyName  LIKE "
                      L"'%%%s%%'  AND Tel LIKE '%%%s%%'  ORDER BY CompanyID DESC ;"
                    : L" SELECT * FROM Companies WHERE CompanyType=%d  AND IsSystem=0 AND IsDisable=0 AND    "
                      L"CompanyName  LIKE '%%%s%%'  AND Tel LIKE '%%%s%%'  ORDER BY CompanyID DESC ;",
            type, Quoted(Safe(namePart)), Quoted(Safe(telPart))));
    });
}

CppSQLite3Query CCustomerBLL::QueryByKeyword(CppSQLite3DB& db, int type, CString keyword, bool all, CString& error) {
    ServiceLock lock;
    const QuotedSlot k = Quoted(Safe(keyword));
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, kSqlFailed)), CppSQLite3Query(), [&] {
        // Without `all`: only partners with an outstanding balance (receipts and payments).
        return db.execQuery(Sql(L" SELECT * FROM Companies WHERE (CompanyType=%d or %d = 0) AND IsDisable=0 AND "
                                L"IsSystem=0 %s AND ( CompanyName LIKE '%%%s%%' OR Tel LIKE '%%%s%%' OR Contact LIKE "
                                L"'%%%s%%' OR SearchCode LIKE '%%%s%%' ) ORDER BY SearchCode ;",
                                type, type, all ? L"" : L"AND CurAmount<>0", k, k, k, k));
    });
}

CppSQLite3Query CCustomerBLL::QueryCompForSelect(CppSQLite3DB& db, CString keyword, bool withSystem, int type,
                                                 CString& error) {
    ServiceLock lock;
    if (type < 0 || type > 2) return CppSQLite3Query();
    const QuotedSlot k = Quoted(Safe(keyword));
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, kSqlFailed)), CppSQLite3Query(), [&] {
        const SqlText ofType = type == 0 ? SqlText(L"(CompanyType=1 OR CompanyType=2)") : Sql(L"CompanyType=%d", type);
        return db.execQuery(Sql(L" SELECT SearchCode,CompanyName FROM Companies WHERE %s AND IsDisable=0 %s AND ( "
                                L"CompanyCode LIKE '%%%s%%' OR CompanyName LIKE '%%%s%%' OR SearchCode LIKE '%%%s%%' "
                                L") ORDER BY IsSystem desc,SearchCode ;",
                                ofType, withSystem ? L"" : L"AND IsSystem <1", k, k, k));
    });
}

CppSQLite3Query CCustomerBLL::QueryCompForBillSelect(CppSQLite3DB& db, CString keyword, bool withSystem, int type,
                                                     CString& error) {
    ServiceLock lock;
    // A supplier list for purchases; a customer list for anything else.
    const bool suppliers = type == 2;
    const QuotedSlot k = Quoted(Safe(keyword));
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, kSqlFailed)), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(
            L" SELECT SearchCode,CompanyName,IsSystem,CompanyType FROM Companies WHERE CompanyType=%d AND "
            L"IsDisable=0 %s AND ( CompanyCode LIKE '%%%s%%' OR CompanyName LIKE '%%%s%%' OR SearchCode LIKE "
            L"'%%%s%%' ) Union SELECT SearchCode,CompanyName,IsSystem,CompanyType FROM Companies WHERE CompanyType=%d "
            L"AND IsDisable=0 AND IsSystem <1 AND ( CompanyCode LIKE '%%%s%%' OR CompanyName LIKE '%%%s%%' OR "
            L"SearchCode LIKE '%%%s%%' ) %s",
            suppliers ? 2 : 1, withSystem ? L"" : L"AND IsSystem <1", k, k, k, suppliers ? 1 : 2, k, k, k,
            suppliers ? L"ORDER BY IsSystem desc,CompanyType desc,SearchCode"
                      : L"ORDER BY IsSystem desc,CompanyType asc,SearchCode"));
    });
}
