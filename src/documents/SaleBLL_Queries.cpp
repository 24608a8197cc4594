// CSaleBLL: reading stored bills.
#include "documents/SaleBLL.h"
#include "frame/ServiceFrame.h"

using namespace shopbiz;

int CSaleBLL::QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        return db.execScalar(Sql(L"  SELECT COUNT(*)  FROM SaleBillItems WHERE ProductID=%d ; ", ProductID));
    });
}
