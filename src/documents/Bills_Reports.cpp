// Sale bills, purchase bills and sale orders: the customer/product report and the seller summary.
#include "documents/BillQueries.h"
#include "documents/OrderSaleBLL.h"
#include "documents/SaleBLL.h"

using namespace shopbiz;

CppSQLite3Query CSaleBLL::QueryBillRpt(CppSQLite3DB& db, int kind, CString companyName, CString startDate,
                                       CString endDate) {
    ServiceLock lock;
    if (kind == 1) return BillReport(db, kSaleShelf, companyName, startDate, endDate);
    if (kind == 2) return BillReport(db, kPurchaseShelf, companyName, startDate, endDate);
    return CppSQLite3Query();
}

CppSQLite3Query COrderSaleBLL::QueryBillRpt(CppSQLite3DB& db, int kind, CString companyName, CString startDate,
                                            CString endDate) {
    ServiceLock lock;
    if (kind == 1) return BillReport(db, kOrderShelf, companyName, startDate, endDate);
    return CppSQLite3Query();
}

CppSQLite3Query CSaleBLL::QurySellerList(CppSQLite3DB& db, CString startDate, CString endDate, CString userName,
                                         CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        // Virtual bills (customers' opening receivables) are no one's sales.
        return db.execQuery(
            Sql(L"SELECT UserName,SUM(BillAmount) AS BillAmount,SUM(BillAmount-DiscountAmount) AS DiscountAmount,"
                L"SUM(DiscountAmount) AS RelBillAmount FROM SaleBills WHERE BillDate BETWEEN '%s' AND '%s' AND "
                L"UserName like '%%%s%%'  and Remark !='虚拟单据' group by UserName",
                Quoted(SafeText(startDate, CSysBLL().GetSysStartDate())), Quoted(SafeText(endDate, L"2999-12-31")),
                Quoted(SafeText(userName))));
    });
}
