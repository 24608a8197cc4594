#pragma once
// Purchase bills: goods in, money out.

#include "frame/ServiceTypes.h"

class CPurBLL {
    SHOPBIZ_STATELESS_SERVICE(CPurBLL)

    // --- Bill queries ------------------------------------------------------------------------
    // Number of lines that use the product; -1 after a database error (error text and log).
    int QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error);
};
