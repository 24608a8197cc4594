#pragma once
// Sale orders: taken with a deposit, delivered by sale bills.

#include "frame/ServiceTypes.h"

class COrderSaleBLL {
    SHOPBIZ_STATELESS_SERVICE(COrderSaleBLL)

    // --- Bill queries ------------------------------------------------------------------------
    // Number of lines that use the product; -1 after a database error (error text and log).
    int QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error);
};
