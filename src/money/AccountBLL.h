#pragma once
// The cash journal: income and expense lines and the month totals.

#include "frame/ServiceTypes.h"

class CAccountBLL {
    SHOPBIZ_STATELESS_SERVICE(CAccountBLL)

public:
    // --- Renames ---
    // A partner's new name and code into its journal lines; statement status, -1 on error.
    int UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);
    // The same statement as UpdateBillComName.
    int UpdateBillProName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);
};
