// CSaleBLL: the virtual bill that carries a customer's opening receivable.
#include "documents/SaleBLL.h"
#include "documents/VirtualBills.h"

namespace {

const shopbiz::VirtualBillBook kSaleBook{L"SaleBills", L"XSD", L"查询客户资料数据时错误!"};

}  // namespace

int CSaleBLL::InsertVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error) {
    return shopbiz::InsertVirtualBill(db, kSaleBook, amount, companyID, error);
}

int CSaleBLL::UpdateVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error) {
    return shopbiz::UpdateVirtualBill(db, kSaleBook, amount, companyID, error);
}
