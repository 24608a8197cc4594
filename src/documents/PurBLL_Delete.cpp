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
    return Guard(Report(error), -1, [&] {
        // The bill as stored (zeros when there is none).
        const StoredBill bill = post.ReadStoredBill(Sql(L" SELECT * FROM PurBills WHERE PurID=%d ;", purID));

        // The goods go out of stock again.
        CProductsBLL products;
        for (const StoredLine& line :
             post.ReadStoredLines(Sql(L" SELECT * FROM PurBillItems WHERE PurID=%d ;", purID))) {
            products.AddProductsStock(db, line.productID, Fmt(L"%.08lf", -ParseAmount(line.itemCount)), line.price);
            products.DecStockProductsFromBill(db, line.productID, line.itemCount);
        }

        // The money back out of the journal and into the settlement account, and the
        // supplier's balance; errors here do not stop the deletion.
        CAccountBLL().UpdateAccountByPur(db, bill.settleAcctName, bill.settleAcctID, bill.billDate,
                                         Fmt(L"%.08lf", -bill.getAmount), error);
        if (bill.getAmount != 0) CAccInfoBLL().UpdateBaseAccount(db, bill.settleAcctName, -bill.getAmount, error, 1);
        CCustomerBLL().DecCurrentAmount(db, bill.companyID, bill.oweAmount * post.PartnerSign(bill.companyID), error);

        // The goods out of the ledger, the rows gone.
        CStocksBLL().DeleteStockIn(db, bill.billCode);
        db.execDML(Sql(L" DELETE FROM PurBillItems WHERE PurID=%d ; ", purID));
        db.execDML(Sql(L"\tDELETE FROM PurBills WHERE PurID=%d ;", purID));
        CSysBLL().AddOperateData(db, L"PurBills", L"BillCode", bill.billCode, L"D");
        return 1;
    });
}
