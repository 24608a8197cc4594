#pragma once
// Sale orders: taken with a deposit, delivered by sale bills.

#include "frame/ServiceTypes.h"

class COrderSaleBLL {
    SHOPBIZ_STATELESS_SERVICE(COrderSaleBLL)

public:
    // --- Renames ---
    // A partner's new name and code into its stored orders; statement status, -1 on error.
    int UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);

    // --- Bill queries ---
    // Number of lines that use the product; -1 after a database error (error text and log).
    int QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error);
};
