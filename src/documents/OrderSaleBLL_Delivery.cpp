// COrderSaleBLL: what sale bills deliver of an order.
#include "documents/OrderSaleBLL.h"
#include "frame/ServiceFrame.h"

using namespace shopbiz;

int COrderSaleBLL::UpdateOrderSendCount(CppSQLite3DB& db, int saleOrderID, int saleID, int reverse) {
    ServiceLock lock;
    return Guard(Log(), 0, [&] {
        db.execDML(
            Sql(L"Update SaleBills set SaleOrderID=%d,SaleOrderCode=(Select BillCode from SaleOrderBills where "
                L"SaleOrderID=%d limit 1) where SaleID=%d",
                saleOrderID, saleOrderID, saleID));

        std::vector<std::pair<int, double>> delivered;  // ProductID, base units
        for (CppSQLite3Query line = db.execQuery(Sql(L"Select * from SaleBillItems where SaleID=%d", saleID));
             !line.eof(); line.nextRow())
            delivered.emplace_back(line.getIntField(L"ProductID"), line.getFloatField(L"ItemCount"));
        for (const auto& [productID, count] : delivered) {
            // The order line counts in its own entered unit.
            db.execDML(
                Sql(L"UpDate SaleOrderBillItems set FnshItemCount=FnshItemCount+(%.08f/Coefficient) where "
                    L"ProductID=%d And SaleOrderID=%d",
                    reverse != 0 ? -count : count, productID, saleOrderID));
        }

        const int open = db.execScalar(Sql(
            L"select count(1) as Fnsh from SaleOrderBillItems where FnshItemCount<ShowItemCount And SaleOrderID=%d ",
            saleOrderID));
        CString error;
        UpdateOrderBillStatus(db, open == 0 ? 1 : 0, saleOrderID, error);
        return 1;
    });
}

int COrderSaleBLL::UpdateOrderBillStatus(CppSQLite3DB& db, int billState, int saleOrderID, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        db.execDML(Sql(L"Update SaleOrderBills set BillState=%d where SaleOrderID=%d", billState, saleOrderID));
        return 1;
    });
}
