#pragma once
// The stock ledger and the cost calculation.

#include "frame/ServiceTypes.h"

class CStocksBLL {
    SHOPBIZ_STATELESS_SERVICE(CStocksBLL)

public:
    // --- Renames ---
    // A partner's new name and code into its ledger rows; statement status, -1 on error.
    int UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);
};
