#pragma once
// Sale orders: taken with a deposit, delivered by sale bills.

#include "frame/ServiceTypes.h"

class COrderSaleBLL {
    SHOPBIZ_STATELESS_SERVICE(COrderSaleBLL)

public:
    // --- Deliveries ---
    // Links the sale bill to the order and adds its quantities (taken back when `reverse` is
    // not 0) to the order lines of the same products, in each line's entered unit; the order
    // is marked delivered once every line is covered. 1, or 0 on a database error (logged).
    int UpdateOrderSendCount(CppSQLite3DB& db, int saleOrderID, int saleID, int reverse);
    // Sets the order's BillState (1 fully delivered, 0 not). 1, or -1 on a database error.
    int UpdateOrderBillStatus(CppSQLite3DB& db, int billState, int saleOrderID, CString& error);

    // --- Renames ---
    // A partner's new name and code into its stored orders; statement status, -1 on error.
    int UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);

    // --- Bill queries ---
    // Number of lines that use the product; -1 after a database error (error text and log).
    int QueryBillByProductID(CppSQLite3DB& db, int ProductID, CString& error);
};
