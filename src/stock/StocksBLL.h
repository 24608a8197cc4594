#pragma once
// The stock ledger and the cost calculation.
//
// Stocks holds one row per product movement: the opening row of each product ("期初",
// IsSystem 1), one row per purchase line ("进货") and per sale line ("出货"). Bill rows are
// written uncalculated (IsCale 0); the cost calculation fills in their costs and balances.
// Every method takes the library lock; database errors pass to the caller unless noted.

#include <array>
#include <functional>
#include <vector>

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

    // --- Stock queries ---------------------------------------------------------------------------
    // The stock summary has one row per product: ProductID, ProductName, ProductCode,
    // UnitName; the balance brought forward PreCount, PreAmount (the balance after the
    // product's last row, by SortID, dated before the start date); InCount, InAmount,
    // OutCount, OutAmount summed over the rows dated from the start to the end date (NULL when
    // there are none); LastCount and LastAmount, the closing balance. Only products with a row
    // dated before the start date appear (every product's opening row is dated 1970-01-01).
    // Dates are "YYYY-MM-DD"; the ledger is read as it stands unless a method says it brings
    // the costs up to date first. Every method takes the library lock; database errors pass to
    // the caller unless noted. `count` receives the number of rows of the result.

    // Every product; `unused` is not read.
    CppSQLite3Query GetStocks(CppSQLite3DB& db, CppSQLite3Query unused, CString startDate, CString endDate);
    // The enabled products whose name, code or search code contains `key` ("" any), of the type
    // and its sub-types ("" or "全部类别": any), in ProductID order. A product whose ledger is
    // its one opening row with nothing in it is left out. `extraCondition` ("" none) narrows the
    // rows further: a condition over the summary's columns (for example "LastCount < 0 and
    // t.InCount > 0"), made of those names, numbers, quoted texts, comparisons, + - * /, AND,
    // OR, NOT, IS [NOT] NULL, LIKE, BETWEEN and parentheses; anything else is refused with a
    // CppSQLite3Exception before anything runs.
    CppSQLite3Query GetStocks(CppSQLite3DB& db, CString key, CString startDate, CString endDate, long& count,
                              CString TypeName, CString extraCondition);
    // Brings the costs up to date first (the full calculation, when some row waits for it);
    // then the summary of the enabled products (key and type as above; amounts rounded to
    // cents before they are added up) whose closing value is not negative, highest value first.
    CppSQLite3Query GetStocksOrderByAmount(CppSQLite3DB& db, CString key, CString startDate, CString endDate,
                                           CString TypeName);
    // The same for every type, highest closing quantity first (negative ones included).
    CppSQLite3Query GetStocksOrderByCount(CppSQLite3DB& db, CString key, CString startDate, CString endDate);
    // The type and its sub-types as the inside of "TypeName in('...')": their names made safe
    // (GetSafeString) and joined with "','"; for an unknown type just its own name.
    CString GetTypeNamelst(CppSQLite3DB& db, CString TypeName);
    // The ledger rows dated before the start date, of the product name, code and type where
    // those are given, by date and movement type. The fifth text is not used.
    CppSQLite3Query GetStocksByProduct(CppSQLite3DB& db, CString ProductCode, CString ProductName, CString TypeName,
                                       CString startDate, CString unused);
    // The product's ledger card: a first row "期初结存" (BillType) carrying the balance brought
    // forward in LastCount, LastPrice and LastAmount (the SortID of the row it comes from in
    // the first column, StockID; its other columns NULL), then the product's rows of the
    // period in SortID order, all columns of Stocks. The product's costs are brought up to date
    // first when anything changed since the last full calculation. A database error is shown
    // in a message box and gives an empty result set.
    CppSQLite3Query GetStocksByProduct(CppSQLite3DB& db, int ProductID, CString startDate, CString endDate,
                                       long& count);
    // Bill lines of sale bills (kind 1), purchase bills (2) or both (any other kind): BillType
    // ("销售" / "进货"), BillCode, BillID, ItemID, BillDate, ProductCode, ProductID, ProductName,
    // UnitName, ItemCount, ItemAmount, Price, BillAmount, CompanyName, CompanyID, CurAmount (the
    // partner's balance now), CreateDate; of partners whose name or code contains `customerKey`
    // and products whose name, code or search code contains `productKey`; dates "" =
    // 2010-01-01 / 2099-12-30; newest first.
    CppSQLite3Query GetStockList(CppSQLite3DB& db, int kind, CString customerKey, CString productKey,
                                 CString startDate, CString endDate, long& count);

    // --- Profit ------------------------------------------------------------------------------------
    // Over the ledger's sale rows ("出货"), costed as they stand: OutCount, SaleAmount,
    // CostAmount (the cost of the goods, each row rounded to cents), Profit (sales less cost)
    // and ProfitRate (profit in percent of sales; 0 without sales). Keys match anywhere in
    // the name or the search code; "" dates and keys filter nothing.

    // Per customer (CompanyName), by name.
    CppSQLite3Query GetProfitSumByCust(CppSQLite3DB& db, CString customerKey, CString startDate, CString endDate,
                                       long& count);
    // Per product (ProductCode, ProductName, UnitName), by name; of one type ("" or "全部类别":
    // any).
    CppSQLite3Query GetProfitSumByProd(CppSQLite3DB& db, CString productKey, CString TypeName, CString startDate,
                                       CString endDate, long& count);
    // Per customer, most profitable first; customers at a loss are left out.
    CppSQLite3Query GetProfitSumByCustOrderByProfit(CppSQLite3DB& db, CString customerKey, CString startDate,
                                                    CString endDate, long& count);
    // Per product, most profitable first; products at a loss are left out.
    CppSQLite3Query GetProfitSumByProdOrderByProfit(CppSQLite3DB& db, CString productKey, CString startDate,
                                                    CString endDate, long& count);
    // One row: outcount, saleamount, costamount and profit over all customers; `count` is the
    // number of customers with sales.
    CppSQLite3Query GetProfitSumByTotal(CppSQLite3DB& db, CString customerKey, CString startDate, CString endDate,
                                        long& count);
    // One row per sale row with its bill line: BillDate, BillCode, ProductCode, ProductName,
    // CompanyName, TypeName, OutCount and UnitName as entered on the bill, LastPrice, SalePrice
    // (the entered price after the bill discount), OutPrice, OutAmount, SaleAmount, CostAmount,
    // Profit, ProfitRate. Mode 1: `key` is a customer key, by customer, date and product; any
    // other mode: a product key, by product and date. A database error is shown in a message
    // box and gives an empty result set.
    CppSQLite3Query GetProfitDetailByCustProd(CppSQLite3DB& db, int mode, CString key, CString TypeName,
                                              CString startDate, CString endDate, long& count);

    // --- Bill reports ------------------------------------------------------------------------------
    // Sale bills (kind 1) or purchase bills (any other kind) of the period ("" = 2000-01-01 /
    // 2100-12-31).

    // Per product name over the lines of the partner's bills (name containing `companyName`;
    // "" any): BillCode, BillDate, CompanyName, ProductCode, ProductName, UnitName, ItemAmount,
    // ItemCount, Price, DiscountRate, and on every row the bills' totals BillAmount (after the
    // discounts) and DiscountAmount (the discounts).
    CppSQLite3Query QueryBillRptTotal(CppSQLite3DB& db, int kind, CString companyName, CString startDate,
                                      CString endDate, long& count);
    // The lines of the partner's bills (exact name; "" any) of the product (exact name; "" any):
    // BillCode, BillDate, CompanyName, ProductCode, ProductName, UnitName, ItemCount, Price
    // (as entered), ItemAmount, DiscountRate, DiscountAmount and RealAmount (the entered amount
    // less and after the bill discount). `unused` is not read.
    CppSQLite3Query QueryBillRptDetail(CppSQLite3DB& db, int kind, CString companyName, CString productName,
                                       CString startDate, CString endDate, CString unused, long& count);

    // --- Chart series ------------------------------------------------------------------------------
    // One pair per bar: [0] the label "[name]", [1] the value as "%.08lf". The series is
    // emptied, then filled from the first rows of the source, at most `maxRows`. 0 when the
    // source had a row, -1 when it had none; a database error goes into `error` and the log
    // and gives -1. Names longer than 6 characters are cut to 6 and "..." (not in the
    // quantity chart).
    using ChartSeries = std::vector<std::array<CString, 2>>;

    // Closing stock value per product (GetStocksOrderByAmount), highest first.
    int GetCostChartData(CppSQLite3DB& db, int maxRows, CString startDate, CString endDate, CString key,
                         ChartSeries& series, CString& error, CString TypeName);
    // Closing stock quantity per product (GetStocksOrderByCount), highest first.
    int GetWareChartData(CppSQLite3DB& db, int maxRows, CString startDate, CString endDate, CString key,
                         ChartSeries& series, CString& error);
    // Profit per customer (GetProfitSumByCustOrderByProfit). The type is not used.
    int GetCustProfitChartData(CppSQLite3DB& db, int maxRows, CString startDate, CString endDate, CString key,
                               ChartSeries& series, CString& error, CString TypeName);
    // Profit per product (GetProfitSumByProdOrderByProfit). The type is not used.
    int GetProdProfitChartData(CppSQLite3DB& db, int maxRows, CString startDate, CString endDate, CString key,
                               ChartSeries& series, CString& error, CString TypeName);

    // --- Print data of the stock and profit reports ------------------------------------------------
    // Each filler runs its report and writes it into SysPrintData for the front end's print
    // engine: the document's fields (EntryNo -1), the store (StoreName, StoreAddr, StoreLink),
    // one group of fields per report row (EntryNo 1, 2, ..., with RowNo) and the column sums.
    // BillType is `label`; RecordNo is `firstRecord` for the document's fields and
    // `firstRecord` + n for those of row n. `rowCount` receives the number of rows. The work is
    // one transaction: 0 when written; on a database error nothing of it stays, the error goes
    // into `error` and the log, and the result is -1. Numbers are written "%.08lf", profit rates
    // "%.2f%%". The profit fillers empty SysPrintData first (in their transaction); the two bill
    // report fillers empty it before theirs, so that it is empty after their failure.

    // The stock summary (GetStocks, list form): BillSdt, BillEdt; ProductName, ProductCode,
    // UnitName, PreCount, PreAmount, InCount, InAmount, OutCount, OutAmount, LastCount,
    // LastAmount; SumPreCount ... SumLastAmount. An operator `userID` without the right to see
    // purchase prices and costs ("0100") gets every amount as 0.
    int InsertPrintDataByInfo(CppSQLite3DB& db, CString label, int firstRecord, CString key, CString startDate,
                              CString endDate, CString TypeName, int userID, long& rowCount, CString& error);
    // The ledger card (GetStocksByProduct by ID): BillSdt, BillEdt, ProductName; BillType,
    // BillDate, BillCode, InCount, InPrice, InAmount, OutCount, OutPrice, OutAmount, LastCount,
    // LastPrice, LastAmount; SumInCount, SumInAmount, SumOutCount, SumOutAmount, SumLastCount,
    // SumLastAmount. Numbers with the decimals of the settings CountDecimalDot, PriceDecimalDot
    // and MoneyDecimalDot; InPrice "0.0" for an operator without the right "0100".
    int InsertPrintDataByID(CppSQLite3DB& db, CString label, int firstRecord, int ProductID, CString startDate,
                            CString endDate, int userID, long& rowCount, CString& error);
    // Profit per customer (GetProfitSumByCust): BillSdt, BillEdt; CompanyName, SaleAmount,
    // CostAmount, Profit, ProfitRate; SumSaleAmount, SumCostAmount, SumProfit. Errors are
    // logged as "打印<code> ,<message>".
    int InsertCustProfitPrintData(CppSQLite3DB& db, CString label, int firstRecord, CString customerKey,
                                  CString startDate, CString endDate, long& rowCount, CString& error);
    // Profit per product (GetProfitSumByProd): ProductName, ProductCode, UnitName, OutCount and
    // the profit fields; the sums and SumProdCount. Logged as "打印<code> <message>".
    int InsertProdProfitPrintData(CppSQLite3DB& db, CString label, int firstRecord, CString productKey,
                                  CString TypeName, CString startDate, CString endDate, long& rowCount,
                                  CString& error);
    // Profit per sale line (GetProfitDetailByCustProd): BillDate, CompanyName, ProductName,
    // ProductCode, UnitName, OutCount, SalePrice and the profit fields; the sums and
    // SumProdCount. Logged as "打印<code>,<message>".
    int InsertItemProfitPrintData(CppSQLite3DB& db, CString label, int firstRecord, int mode, CString key,
                                  CString TypeName, CString startDate, CString endDate, long& rowCount,
                                  CString& error);
    // Bill lines (GetStockList): BillSdt, BillEdt, CompanyName (the customer key); BillType,
    // BillCode, BillDate, ProductCode, ProductName, UnitName, ItemCount and OutCount, Price and
    // SalePrice, ItemAmount and SaleAmount (each value under both codes), BillAmount,
    // ItemCompanyName, BillID; SumAmount.
    int InsertStockFlowPrintData(CppSQLite3DB& db, CString label, int firstRecord, int kind, CString customerKey,
                                 CString productKey, CString startDate, CString endDate, long& rowCount,
                                 CString& error);
    // The bill report per product (QueryBillRptTotal): ReportTitle "销售统计报告", BeginDate,
    // EndDate, BillAmount, DiscountAmount; ProdCode, ProdName, UnitName, ItemCount, ItemAmount;
    // TotalCount, TotalAmount, TotalDisAmount (the discounts), TotalRalAmount (after them).
    // Logged as "打印 <code>,<message>".
    int InsertPrintBillRptTotal(CppSQLite3DB& db, CString label, int firstRecord, int kind, CString companyName,
                                CString startDate, CString endDate, long& rowCount, CString& error);
    // The bill report's lines (QueryBillRptDetail): ReportTitle "销售统计报告明细", BeginDate,
    // EndDate; BillDate, BillCode, CompanyName1, ProdCode, ProdName, UnitName, ItemCount,
    // Price, ItemAmount, DisAmount, RealAmount.
    int InsertPrintBillRptDetail(CppSQLite3DB& db, CString label, int firstRecord, int kind, CString companyName,
                                 CString productName, CString startDate, CString endDate, long& rowCount,
                                 CString& error);
};
