// CPurBLL: reading stored bills.
#include "documents/PurBLL.h"
#include "frame/ServiceFrame.h"

using namespace shopbiz;

int CPurBLL::QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error) {
    ServiceLock lock;
    return Guard(Report(error), -1, [&] {
        return db.execScalar(Sql(L"  SELECT COUNT(*)  FROM PurBillItems WHERE ProductID=%d ; ", ProductID));
    });
}
