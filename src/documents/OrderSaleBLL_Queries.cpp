// COrderSaleBLL: reading stored bills.
#include "documents/OrderSaleBLL.h"
#include "frame/ServiceFrame.h"

using namespace shopbiz;

int COrderSaleBLL::QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        return db.execScalar(Sql(L"  SELECT COUNT(*)  FROM SaleOrderBillItems WHERE ProductID=%d ; ", ProductID));
    });
}
