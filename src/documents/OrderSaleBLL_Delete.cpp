// COrderSaleBLL: deleting an order gives its deposit back.
#include "documents/BillPosting.h"
#include "documents/OrderSaleBLL.h"
#include "frame/ServiceFrame.h"
#include "masterdata/AccInfoBLL.h"
#include "masterdata/CustomerBLL.h"
#include "money/AccountBLL.h"

using namespace shopbiz;

int COrderSaleBLL::DeleteBillByID(CppSQLite3DB& db, int saleOrderID, CString& error) {
    ServiceLock lock;
    BillPosting post(db, kOrderRoad, error);
    return post.RunCall([&] {
        // The order as stored (zeros when there is none). Its lines moved no stock.
        const StoredBill order =
            post.ReadStoredBill(Sql(L" SELECT * FROM SaleOrderBills WHERE SaleOrderID=%d ;", saleOrderID));

        // The deposit out of the day's income line; an error there stops the deletion.
        if (post.Step([&] {
                error = L"";
                CAccountBLL().UpdateAccountBySaleOrder(db, order.settleAcctName, order.settleAcctID, order.billDate,
                                                       Fmt(L"%.08lf", -order.getAmount), error);
                return error.IsEmpty() ? 0 : -1;
            }) < 0)
            return -1;
        // ... and out of the settlement account.
        if (order.getAmount != 0 && post.Step([&] {
                return CAccInfoBLL().UpdateBaseAccount(db, order.settleAcctName, order.getAmount, error, 1) == 0 ? 0
                                                                                                                  : -1;
            }) < 0)
            return -1;
        // The customer owes the deposit again; an error there stops it too.
        if (post.Step([&] {
                CCustomerBLL().DecCurrentAmount(db, order.companyID,
                                                -order.getAmount * post.PartnerSign(order.companyID), error);
                return error.IsEmpty() ? 0 : -1;
            }) < 0)
            return -1;

        return post.Step([&] {
            db.execDML(Sql(L" DELETE FROM SaleOrderBillItems WHERE SaleOrderID=%d ;", saleOrderID));
            db.execDML(Sql(L"DELETE FROM SaleOrderBills WHERE SaleOrderID=%d ; ", saleOrderID));
            return 1;
        });
    });
}
