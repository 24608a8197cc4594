// CPurBLL: the virtual bill that carries a supplier's opening payable.
#include "documents/PurBLL.h"
#include "documents/VirtualBills.h"
#include "frame/ServiceFrame.h"

namespace {

const shopbiz::VirtualBillBook kPurchaseBook{L"PurBills", L"JHD", L"查询供应商资料数据时错误!"};

}  // namespace

int CPurBLL::InsertVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error) {
    return shopbiz::InsertVirtualBill(db, kPurchaseBook, amount, companyID, error);
}

int CPurBLL::UpdateVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error) {
    shopbiz::ServiceLock lock;
    shopbiz::LogLine(L"更新虚拟单据");
    return shopbiz::UpdateVirtualBill(db, kPurchaseBook, amount, companyID, error);
}
