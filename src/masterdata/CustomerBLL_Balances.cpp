// CCustomerBLL: the current balance of a partner, kept in cents.
#include "common/AmountText.h"
#include "masterdata/CustomerBLL.h"
#include "masterdata/CustomerBLL_Report.h"

using namespace shopbiz;
using namespace shopbiz::partners;

namespace {

// Stored balance + change, written back rounded to cents. A partner that is not there reads
// as balance 0 and the update touches nothing.
int MoveBalance(CppSQLite3DB& db, const wchar_t* selectTemplate, int id, double change, CString& error) {
    return Guard(Report(error, ErrorText::WithStatement(kReportLayout, L"更新客户当前欠款数据失败!")), -1, [&] {
        CppSQLite3Query row = db.execQuery(Sql(selectTemplate, id));
        const double stored = row.eof() ? 0.0 : row.getFloatField(L"CurAmount");
        row.finalize();
        db.execDML(Sql(L" UPDATE Companies SET CurAmount=%s WHERE  CompanyID=%d", Amount(CentsText(stored + change)),
                       id));
        CSysBLL().AddOperateData(db, L"Companies", L"CompanyID", Fmt(L"%d", id), L"U");
        return 1;
    });
}

}  // namespace

int CCustomerBLL::AddCurrentAmount(CppSQLite3DB& db, int id, double amount, CString& error) {
    ServiceLock lock;
    return MoveBalance(db, L" SELECT * FROM Companies WHERE CompanyID=%d", id, amount, error);
}

int CCustomerBLL::DecCurrentAmount(CppSQLite3DB& db, int id, double amount, CString& error) {
    ServiceLock lock;
    return MoveBalance(db, L" SELECT * FROM Companies  WHERE CompanyID=%d", id, -amount, error);
}
