#pragma once
// The stock ledger and the cost calculation.
//
// Stocks holds one row per product movement: the opening row of each product ("期初",
// IsSystem 1), one row per purchase line ("进货") and per sale line ("出货"). Bill rows are
// written uncalculated (IsCale 0); the cost calculation fills in their costs and balances.
// Every method takes the library lock; database errors pass to the caller unless noted.

#include "frame/ServiceTypes.h"

class CStocksBLL {
    SHOPBIZ_STATELESS_SERVICE(CStocksBLL)

public:
    // --- Ledger rows from products and bills ---------------------------------------------------
    // The opening row of a new product, dated with the system start date (the date argument
    // is not used). Quantity and price are texts. Always 1: a failed insert is swallowed.
    int AddStockVirtual(CppSQLite3DB& db, CString date, int productID, CString productName, CString productCode,
                        CString typeName, CString unitName, CString openingCount, CString openingPrice);
    // One "进货" row per line of the purchase bill, prices after the bill discount. A line
    // whose insert fails is logged and skipped. Always 1.
    int AddStockIn(CppSQLite3DB& db, CString billCode);
    // One "出货" row per line of the sale bill; the first failing line stops it (the error
    // passes). 1.
    int AddStockOut(CppSQLite3DB& db, CString billCode);
    int DeleteStockIn(CppSQLite3DB& db, CString billCode);
    int DeleteStockOut(CppSQLite3DB& db, CString billCode);
    // Removes the bill's rows of that type and marks an earlier row of each product
    // uncalculated, so that the calculation redoes everything after it. 1.
    int DeleteStock(CppSQLite3DB& db, CString billCode, CString billType);
    // New opening stock of the product; its ledger is to be recalculated. 1.
    int UpdateStock(CppSQLite3DB& db, int productID, double count, double price);

    // --- Renames ---
    // The product's name, code and search code on its ledger rows: the statement status, or
    // -1 with "同步货品资料时出错！" (and the database message) in the error text.
    int UpdateBillProName(CppSQLite3DB& db, int productID, CString productName, CString productCode, CString& error);
    // A partner's new name and code into its ledger rows; statement status, -1 on error.
    int UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);

    // --- Lookups -----------------------------------------------------------------------------------
    // "%d" of every product with rows still to be costed, ascending.
    void GetProductIDs(CppSQLite3DB& db, CStringArray& productIDs);
    // The next (or previous) enabled local product by ID within the type ("全部类别": any)
    // whose name, code or search code contains the key; the given ID when there is none.
    int GetPreNextProductID(CppSQLite3DB& db, int productID, CString typeName, CString key, bool next);
};
