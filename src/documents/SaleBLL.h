#pragma once
// Sale bills: goods out, money in.

#include "frame/ServiceTypes.h"

class CSaleBLL {
    SHOPBIZ_STATELESS_SERVICE(CSaleBLL)

public:
    // --- Virtual bill ---
    // The customer's opening receivable as a system bill (BillType 0, IsSystem 1) dated with
    // the system start date; a non-zero amount is booked into the customer's balance.
    // 1 done, -1 on failure.
    int InsertVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error);
    // New amounts for the customer's virtual bill ("" means 0.00); the balance is the caller's.
    int UpdateVirtualBill(CppSQLite3DB& db, CString amount, int companyID, CString& error);

    // --- Renames ---
    // A partner's new name and code into its stored bills; statement status, -1 on error.
    int UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);

    // --- Bill queries ---
    // Number of lines that use the product; -1 after a database error (error text and log).
    int QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error);
};
