// CCustomerBLL: deleting a partner that no document names.
#include "masterdata/CustomerBLL.h"
#include "masterdata/CustomerBLL_Report.h"

using namespace shopbiz;
using namespace shopbiz::partners;

int CCustomerBLL::IsHasBills(CppSQLite3DB& db, int id, CString& error) {
    ServiceLock lock;
    // Virtual opening bills are system bills and do not count; every journal line does.
    const CString sql =
        Sql(L"SELECT COUNT(*) FROM (SELECT saleid AS id FROM  salebills WHERE  companyid=%d AND  "
            L"issystem=0 UNION ALL SELECT purid AS id FROM purbills WHERE companyid=%d AND issystem=0 "
            L"UNION ALL SELECT saleOrderid AS id FROM saleOrderbills WHERE companyid=%d AND issystem=0 "
            L"UNION ALL SELECT  accountid  AS id FROM Account WHERE companyid=%d) AS t; ",
            id, id, id, id);
    return ReportWithStatement(error, kReportLayout, kSqlFailed, sql, -1, [&] { return db.execScalar(sql); });
}

int CCustomerBLL::DeleteCompany(CppSQLite3DB& db, int id, CString& error) {
    ServiceLock lock;
    CString sql;
    return ReportWithStatement(error, kReportLayout, L"删除客户资料执行失败!", sql, -1, [&] {
        CppSQLite3Query row = db.execQuery(sql = Sql(L"SELECT * FROM Companies WHERE CompanyID=%d ", id));
        const int type = row.eof() ? 0 : row.getIntField(L"CompanyType");
        const bool delivered = !row.eof() && row.getIntField(L"IsSystem") == 1;
        row.finalize();

        const int documents = IsHasBills(db, id, error);
        if (documents < 0) return -1;  // unknown: keep the partner
        if (documents > 0 || delivered) {
            // The postings fall back on the delivered partners, so they stay whatever names them.
            error = documents > 0 && type == 1   ? L"该客户关联有销售单据，不允许删除数据!"
                    : documents > 0 && type == 2 ? L"该供应商关联有采购单据，不允许删除数据!"
                                                 : L"不允许删除该数据!";
            return -1;
        }
        // What is left naming the partner: its virtual opening bills and its customer prices.
        for (const wchar_t* statement :
             {L" DELETE  FROM SaleBills WHERE CompanyID=%d ;", L" DELETE  FROM PurBills WHERE CompanyID=%d ;",
              L" DELETE  FROM Account WHERE CompanyID=%d ;", L" DELETE  FROM Companies WHERE CompanyID=%d ;",
              L" DELETE  FROM CompPrice WHERE CompanyID=%d ;"})
            db.execDML(sql = Sql(statement, id));
        CSysBLL().AddOperateData(db, L"Companies", L"CompanyID", Sql(L"%d", id), L"D");
        return 1;
    });
}
