// CProductsBLL: the products out of their stock limits.
#include "frame/ServiceFrame.h"
#include "masterdata/ProductsBLL.h"

using namespace shopbiz;

int CProductsBLL::GetCustProductForWaringCount(CppSQLite3DB& db) {
    ServiceLock lock;
    // Above the upper or below the lower limit where the limits differ, or below zero.
    return db.execScalar(
        L"select count(1) from ProductStock where (CurStock >HighLimit\t\tor CurStock < LowLimit) and ( HighLimit <> "
        L"LowLimit ) or CurStock < 0;");
}
