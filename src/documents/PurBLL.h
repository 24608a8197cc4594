#pragma once
// Purchase bills: goods in, money out.

#include "frame/ServiceTypes.h"

class CPurBLL {
    SHOPBIZ_STATELESS_SERVICE(CPurBLL)

public:
    // --- Virtual bill ---
    // The supplier's opening payable as a system bill, as CSaleBLL's for customers.
    int InsertVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error);
    int UpdateVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error);

    // --- Renames ---
    // A partner's new name and code into its stored bills; statement status, -1 on error.
    int UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);

    // --- Bill queries ---
    // Number of lines that use the product; -1 after a database error (error text and log).
    int QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error);
};
