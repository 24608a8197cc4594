#pragma once
// Sale bills: goods out, money in.

#include "frame/ServiceTypes.h"

class CSaleBLL {
    SHOPBIZ_STATELESS_SERVICE(CSaleBLL)

    // --- Bill queries ------------------------------------------------------------------------
    // Number of lines that use the product; -1 after a database error (error text and log).
    int QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error);
};
