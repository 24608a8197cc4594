// CSaleBLL: deleting a sale bill reverses each effect of its posting.
#include "common/AmountText.h"
#include "documents/BillPosting.h"
#include "documents/OrderSaleBLL.h"
#include "documents/SaleBLL.h"
#include "frame/ServiceFrame.h"
#include "masterdata/AccInfoBLL.h"
#include "masterdata/CustomerBLL.h"
#include "masterdata/ProductsBLL.h"
#include "money/AccountBLL.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

int CSaleBLL::DeleteBillByID(CppSQLite3DB& db, int saleID, CString& error) {
    ServiceLock lock;
    BillPosting post(db, kSaleRoad, error);
    return post.RunCall([&] {
        // The bill as stored (zeros when there is none).
        const StoredBill bill = post.ReadStoredBill(Sql(L" SELECT * FROM SaleBills WHERE SaleID=%d ;", saleID));

        // The goods come back into stock, line by line.
        CProductsBLL products;
        for (const StoredLine& line :
             post.ReadStoredLines(Sql(L" SELECT * FROM SaleBillItems WHERE SaleID=%d ;", saleID))) {
            const CString quantity =
                line.itemCount.IsEmpty() ? CString(L"0") : Fmt(L"%.08lf", -ParseAmount(line.itemCount));
            const CString price = line.price.IsEmpty() ? CString(L"0") : line.price;
            if (post.Step([&] {
                    products.DecProductsStock(db, line.productID, quantity, price);
                    products.DecStockProductsFromBill(db, line.productID, quantity);
                    return 0;
                }) < 0)
                return -1;
        }

        // The money out of the day's sales line; an error there stops the deletion.
        if (post.Step([&] {
                error = L"";
                CAccountBLL().UpdateAccountBySale(db, bill.settleAcctName, bill.settleAcctID, bill.billDate,
                                                  Fmt(L"%.08lf", -bill.getAmount), error);
                return error.IsEmpty() ? 0 : -1;
            }) < 0)
            return -1;
        // ... and out of the settlement account.
        if (bill.getAmount != 0 && post.Step([&] {
                return CAccInfoBLL().UpdateBaseAccount(db, bill.settleAcctName, bill.getAmount, error, 1) == 0 ? 0 : -1;
            }) < 0)
            return -1;
        // What was owed comes off the customer's balance; an error there stops it too.
        if (post.Step([&] {
                CCustomerBLL().DecCurrentAmount(db, bill.companyID, bill.oweAmount * post.PartnerSign(bill.companyID),
                                                error);
                return error.IsEmpty() ? 0 : -1;
            }) < 0)
            return -1;

        // The goods out of the ledger, the delivered counts back to the order, the rows gone.
        return post.Step([&] {
            CStocksBLL().DeleteStockOut(db, bill.billCode);
            COrderSaleBLL().UpdateOrderSendCount(db, bill.saleOrderID, saleID, 1);
            db.execDML(Sql(L" DELETE FROM SaleBillItems WHERE SaleID=%d ;", saleID));
            db.execDML(Sql(L"DELETE FROM SaleBills WHERE SaleID=%d ; ", saleID));
            CSysBLL().AddOperateData(db, L"SaleBills", L"BillCode", bill.billCode, L"D");
            return 1;
        });
    });
}
