// CCustomerBLL: deleting a partner that no document names.
#include "masterdata/CustomerBLL.h"
#include "masterdata/CustomerBLL_Report.h"

using namespace shopbiz;
using namespace shopbiz::partners;

int CCustomerBLL::IsHasBills(CppSQLite3DB& db, int id, CString& error) {
    ServiceLock lock;
    // Virtual opening bills are system bills and do not count; every journal line does.
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, kSqlFailed)), -1, [&] {
        return db.execScalar(
            Sql(L"SELECT COUNT(*) FROM (SELECT saleid AS id FROM  salebills WHERE  companyid=%d AND  "
                L"issystem=0 UNION ALL SELECT purid AS id FROM purbills WHERE companyid=%d AND issystem=0 "
                L"UNION ALL SELECT saleOrderid AS id FROM saleOrderbills WHERE companyid=%d AND issystem=0 "
                L"UNION ALL SELECT  accountid  AS id FROM Account WHERE companyid=%d) AS t; ",
                id, id, id, id));
    });
}

int CCustomerBLL::DeleteCompany(CppSQLite3DB& db, int id, CString& error) {
    ServiceLock lock;
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, L"删除客户资料执行失败!")), -1, [&] {
        CppSQLite3Query row = db.execQuery(Sql(L"SELECT * FROM Companies WHERE CompanyID=%d ", id));
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
            db.execDML(Sql(statement, id));
        CSysBLL().AddOperateData(db, L"Companies", L"CompanyID", Fmt(L"%d", id), L"D");
        return 1;
    });
}
