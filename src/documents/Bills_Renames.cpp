// Sale bills, purchase bills and sale orders: a partner's new name and code carried into the
// stored bill headers.
#include "documents/OrderSaleBLL.h"
#include "documents/PurBLL.h"
#include "documents/SaleBLL.h"
#include "frame/ServiceFrame.h"

using namespace shopbiz;

namespace {

// Statement status of the update; -1 and the report on a database error.
int RenamePartnerInBills(CppSQLite3DB& db, const wchar_t* table, int companyID, CString name, CString code,
                         CString& error) {
    ServiceLock lock;
    CSysBLL::GetSafeString(name);
    CSysBLL::GetSafeString(code);
    return Guard(Report(error, L"同步客户资料时出错！\r\n\r\n%s"), -1, [&] {
        return db.execDML(Sql(L"UPDATE %s Set CompanyName='%s', CompanyCode='%s' WHERE CompanyID=%d", table,
                              Quoted(name), Quoted(code), companyID));
    });
}

}  // namespace

int CSaleBLL::UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error) {
    return RenamePartnerInBills(db, L"SaleBills", companyID, name, code, error);
}

int CPurBLL::UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error) {
    return RenamePartnerInBills(db, L"PurBills", companyID, name, code, error);
}

int COrderSaleBLL::UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error) {
    return RenamePartnerInBills(db, L"SaleOrderBills", companyID, name, code, error);
}

// Bill lines carry no partner columns (a product's own renames reach them through the product
// service), so a partner rename has nothing to change in them.
int CSaleBLL::UpdateBillProName(CppSQLite3DB&, int, CString, CString, CString&) { return 0; }

int CPurBLL::UpdateBillProName(CppSQLite3DB&, int, CString, CString, CString&) { return 0; }

int COrderSaleBLL::UpdateBillProName(CppSQLite3DB&, int, CString, CString, CString&) { return 0; }
