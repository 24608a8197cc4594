#pragma once
// The stock ledger and the cost calculation.
//
// Stocks holds one row per product movement: the opening row of each product ("期初",
// IsSystem 1), one row per purchase line ("进货") and per sale line ("出货"). Bill rows are
// written uncalculated (IsCale 0); the cost calculation fills in their costs and balances.
// Every method takes the library lock; database errors pass to the caller unless noted.

#include <functional>

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

    // --- Cost calculation ------------------------------------------------------------------------
    // Moving-average costs: each outbound row gets the unit cost of the goods it takes out
    // (OutPrice, OutAmount) and every row the balance after it (LastCount, LastPrice,
    // LastAmount). Sales into negative stock are costed again once a later purchase arrives,
    // through a correction row (IsSystem 2) that lives only inside one product's calculation.

    // Told after each product of a full pass: products done, products to do.
    using CostProgress = std::function<void(int productsDone, int productsTotal)>;

    // Every product with rows to be costed, in one transaction (a savepoint, so it nests in a
    // host's own); at the end every row counts as unchanged (IsCale2 1). 1 done; -1 after any exception: everything is rolled back and
    // "ProductID:%d CaculateCost() 异常!" is logged with the product being costed.
    int CaculateCost(CppSQLite3DB& db);
    // The same, telling `progress` after each product. An exception thrown by `progress`
    // cancels the pass like any other error (rolled back, logged, -1).
    int CaculateCost(CppSQLite3DB& db, const CostProgress& progress);
    // One product, from its first uncalculated row on (every row when `recalculateAll`).
    // Opens no transaction and catches nothing; the rows are written last first, so after a
    // failure the first changed row still waits and the next calculation redoes them. 1.
    int CaculateCost(CppSQLite3DB& db, int productID, bool recalculateAll);

    // The steps of the calculation, each on the database as it stands.
    // True when no row of the product is waiting (IsCale 0).
    bool IsFinishCal(CppSQLite3DB& db, int productID);
    // Renumbers the product's rows 1, 3, 5, ... (in date order, or in the current order while a
    // correction row exists) and marks every row from the first uncalculated one on, and every
    // row that had no position, for recalculation. 1; -1 after an error, which is logged.
    int UpdateFlagAfterFirst(CppSQLite3DB& db, int productID);
    // When the product's balance ends negative, marks the first row of that negative run for
    // recalculation, so that a later purchase can still correct the sales in it.
    void UpdateNegtiveCalFlag(CppSQLite3DB& db, int productID);
    // Places (or tops up) the correction row for a purchase that arrives at a negative
    // balance: just after the last row whose balance was not negative, carrying the
    // purchase's quantity and amount into the unit cost there. The purchase row is marked
    // IsVirtual 1 so that it is corrected once per calculation.
    void AddVirtualData(CppSQLite3DB& db, double inCount, double inPrice, double inAmount, int sortID, int productID);
    // True while the product has a correction row.
    bool IsExistVirtualData(CppSQLite3DB& db, int productID);
    // The product's opening balance; zeros when it has no opening row.
    void GetInitStock(CppSQLite3DB& db, double& count, double& price, double& amount, int productID);
    // Stores one row's quantities, costs and balance and marks it calculated: the statement
    // status (0).
    int UpdateCaleResult(CppSQLite3DB& db, int stockID, double inCount, double inPrice, double inAmount,
                         double outCount, double outPrice, double outAmount, double lastCount, double lastPrice,
                         double lastAmount);
    // The unit cost after the nearest earlier row of the product; 0 when there is none.
    double GetLastSalePrice(CppSQLite3DB& db, int productID, int sortID);
    // 1 when some row changed since the last full pass, else 0 (also after a database error,
    // which is logged as "IsHaveNewData Err:%s").
    int IsHaveNewData(CppSQLite3DB& db);

    // --- Lookups -----------------------------------------------------------------------------------
    // "%d" of every product with rows still to be costed, ascending.
    void GetProductIDs(CppSQLite3DB& db, CStringArray& productIDs);
    // The next (or previous) enabled local product by ID within the type ("全部类别": any)
    // whose name, code or search code contains the key; the given ID when there is none.
    int GetPreNextProductID(CppSQLite3DB& db, int productID, CString typeName, CString key, bool next);

    // --- Profit totals -----------------------------------------------------------------------------
    // The period's sales of the ledger ("出货" rows) summed over the customers whose name (or
    // search code) holds the key: one row outcount, saleamount, costamount (the costs rounded
    // to cents per row), profit. Empty key or dates do not filter. `count` receives the number
    // of customers with sales. Reads the costs as they stand.
    CppSQLite3Query GetProfitSumByTotal(CppSQLite3DB& db, CString customerKey, CString startDate, CString endDate,
                                        long& count);
};
