// CPurBLL: deleting a purchase bill reverses each effect of its posting.
#include "common/AmountText.h"
#include "documents/BillPosting.h"
#include "documents/PurBLL.h"
#include "frame/ServiceFrame.h"
#include "masterdata/AccInfoBLL.h"
#include "masterdata/CustomerBLL.h"
#include "masterdata/ProductsBLL.h"
#include "money/AccountBLL.h"
#include "stock/StocksBLL.h"

using namespace shopbiz;

int CPurBLL::DeleteBillByID(CppSQLite3DB& db, int purID, CString& error) {
    ServiceLock lock;
    BillPosting post(db, kPurchaseRoad, error);
    return post.RunCall([&] {
        // The bill as stored (zeros when there is none).
        const StoredBill bill = post.ReadStoredBill(Sql(L" SELECT * FROM PurBills WHERE PurID=%d ;", purID));

        // The goods go out of stock again, line by line.
        CProductsBLL products;
        for (const StoredLine& line :
             post.ReadStoredLines(Sql(L" SELECT * FROM PurBillItems WHERE PurID=%d ;", purID))) {
            if (post.Step([&] {
                    products.AddProductsStock(db, line.productID, Fmt(L"%.08lf", -ParseAmount(line.itemCount)),
                                              line.price);
                    products.DecStockProductsFromBill(db, line.productID, line.itemCount);
                    return 0;
                }) < 0)
                return -1;
        }

        // The money back out of the journal and into the settlement account, and the
        // supplier's balance. A failure of the journal or of the supplier's balance does not
        // stop the deletion: that step is left undone, its message in the error text.
        if (post.TolerantStep([&] {
                return CAccountBLL().UpdateAccountByPur(db, bill.settleAcctName, bill.settleAcctID, bill.billDate,
                                                        Fmt(L"%.08lf", -bill.getAmount), error) < 0
                           ? -1
                           : 0;
            }) < 0)
            return -1;
        if (bill.getAmount != 0 && post.Step([&] {
                return CAccInfoBLL().UpdateBaseAccount(db, bill.settleAcctName, -bill.getAmount, error, 1) == 0 ? 0
                                                                                                                : -1;
            }) < 0)
            return -1;
        if (post.TolerantStep([&] {
                return CCustomerBLL().DecCurrentAmount(db, bill.companyID,
                                                       bill.oweAmount * post.PartnerSign(bill.companyID), error) < 1
                           ? -1
                           : 0;
            }) < 0)
            return -1;

        // The goods out of the ledger, the rows gone.
        return post.Step([&] {
            CStocksBLL().DeleteStockIn(db, bill.billCode);
            db.execDML(Sql(L" DELETE FROM PurBillItems WHERE PurID=%d ; ", purID));
            db.execDML(Sql(L"\tDELETE FROM PurBills WHERE PurID=%d ;", purID));
            CSysBLL().AddOperateData(db, L"PurBills", L"BillCode", bill.billCode, L"D");
            return 1;
        });
    });
}
