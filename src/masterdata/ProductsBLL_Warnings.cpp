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

CppSQLite3Query CProductsBLL::GetCustProductForWaring(CppSQLite3DB& db, CString& error, int kind) {
    ServiceLock lock;
    return Guard(Report(error), CppSQLite3Query(), [&] {
        if (kind == 1)
            return db.execQuery(
                L"select * from ProductStock where (CurStock >HighLimit\t\t) and ( HighLimit <> LowLimit )");
        if (kind == 2)
            return db.execQuery(
                L"select * from ProductStock where ( CurStock < LowLimit) and ( HighLimit <> LowLimit ) or CurStock < "
                L"0;");
        return db.execQuery(
            L"select * from ProductStock where (CurStock >HighLimit\t\tor CurStock < LowLimit) and ( HighLimit <> "
            L"LowLimit ) or CurStock < 0;");
    });
}
