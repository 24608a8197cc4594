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

int COrderSaleBLL::GetOrderBillStatus(CppSQLite3DB& db, int saleOrderID, int saleID) {
    ServiceLock lock;
    return Guard(Log(), 0, [&] {
        if (saleID == 0 && saleOrderID != 0)
            return db.execScalar(Sql(L"Select BillState from SaleOrderBills Where SaleOrderID=%d", saleOrderID));
        if (saleID != 0 && saleOrderID == 0)
            return db.execScalar(Sql(L"Select A.BillState as BillState from SaleOrderBills a inner join SaleBills b "
                                     L"on A.BillCode=B.SaleOrderCode Where b.SaleID=%d",
                                     saleID));
        return 0;
    });
}

int COrderSaleBLL::UpdateOrderBillItemStatus(CppSQLite3DB& db, int itemState, int saleOrderItemID, int saleOrderID,
                                             int reset) {
    ServiceLock lock;
    return Guard(Log(), 0, [&] {
        if (reset != 0)
            db.execDML(L"Update SaleOrderBillItems set ItemState=0");
        else
            db.execDML(Sql(L"Update SaleOrderBillItems set ItemState=%d where SaleOrderID=%d And SaleOrderItemID=%d",
                           itemState, saleOrderID, saleOrderItemID));
        return 1;
    });
}

CppSQLite3Query COrderSaleBLL::GetOrderSend(CppSQLite3DB& db, int saleOrderID, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        return db.execQuery(Sql(L"Select * from SaleBills where IsSystem=0 And SaleOrderID<>0 And SaleOrderID=%d "
                                L"ORDER BY  BillDate   DESC,BillCode DESC ;",
                                saleOrderID));
    });
}

int COrderSaleBLL::SaleOrderIsPush(CppSQLite3DB& db, int saleOrderID, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        CppSQLite3Query pushed = db.execQuery(Sql(
            L"Select count(1) as bPush from SaleBills where SaleOrderID<>0 And SaleOrderID=%d limit 1", saleOrderID));
        return pushed.eof() ? 0 : pushed.getIntField(L"bPush");
    });
}
