#pragma once
// Products, their prices and stock counters, and product queries.

#include "frame/ServiceTypes.h"

class CProductsBLL {
    SHOPBIZ_STATELESS_SERVICE(CProductsBLL)

public:
    // --- Adding and editing products ------------------------------------------------------
    // Every method takes the library lock; database errors pass to the caller unless noted.
    // Texts are made safe (GetSafeString) before they are stored.

    // Adds a product, or finds it: a name that exists as an online product is taken over
    // as a local one; a disabled product of this name and code is enabled again; any other
    // existing name sets `exists` and writes nothing. Returns the product's rows by name and
    // code, or the enabled local products of its type when `returnTypeList` is set.
    CppSQLite3Query AddProducts(CppSQLite3DB& db, CString ProductName, CString ProductCode, CString TypeName,
                                CString UnitName, CString InitStock, CString InPrice, CString Price,
                                CString WholesalePrice, CString SecUnitName, CString Coefficient, bool returnTypeList,
                                CString Remark, bool& exists);
    // The same with the default type, no opening stock and `Price` as sale and wholesale price.
    CppSQLite3Query AddProducts(CppSQLite3DB& db, CString ProductName, CString ProductCode, CString UnitName,
                                CString Price);
    // 1 updated; 2 another local product has this name and code; 0 when the product does
    // not exist or the new name is empty (nothing written). The given current stock moves
    // the opening stock by the same difference.
    int UpdateProducts(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode, CString TypeName,
                       CString UnitName, CString CurStock, CString InPrice, CString Price, CString WholesalePrice,
                       CString Remark, CString SecUnitName, CString Coefficient);
    // Removes the product with its warehouse rows and pictures (and, for a local product,
    // its ledger and customer prices); 1. Callers check IsDeletable first.
    int DeleteProducts(CppSQLite3DB& db, int ProductID);
    // True when no sale bill, purchase bill or sale order line uses the product.
    bool IsDeletable(CppSQLite3DB& db, int ProductID);
    // True when the ledger holds more than the product's opening row.
    bool IsHasBill(CppSQLite3DB& db, int ProductID);
    // 1 disabled; 0 when missing or already disabled.
    int DisableProduct(CppSQLite3DB& db, int ProductID);
    int EnableProduct(CppSQLite3DB& db, int ProductID);
    // Moves the product (and its bill lines and ledger rows) to another type; 1. An ID that
    // is not a whole number fails as a database error would, before anything is written.
    int ChangProdType(CppSQLite3DB& db, CString TypeID, CString TypeName, CString ProductID);
    // Learns prices from a bill (kind 1 sale, 2 purchase): a sale fills a retail or
    // wholesale price that is still 0, a purchase always sets the purchase price. 0 when
    // the price is empty or not above 0, else 1.
    int UpdateProductPrice(CppSQLite3DB& db, int ProductID, int CompanyID, int billKind, CString price);

    // --- Stock counters and warehouse stock ------------------------------------------------
    // Current stock + quantity; a first purchase price also prices the opening ledger row.
    // 1, or -1 after a database error (logged).
    int AddProductsStock(CppSQLite3DB& db, int ProductID, CString quantity, CString price);
    // Current stock - quantity; 1. The price is not used.
    int DecProductsStock(CppSQLite3DB& db, int ProductID, CString quantity, CString price);
    // Warehouse stock - quantity; 1.
    int DecStockProductsFromBill(CppSQLite3DB& db, int ProductID, CString quantity);
    // Warehouse stock after a bill line: goods out pass a positive quantity, goods in a
    // negative one.
    bool AddStockProductsFromBill(CppSQLite3DB& db, CString ProductName, CString WarehouseName, CString UnitName,
                                  CString InitStock, CString quantity);
    // Writes the product's row in the default warehouse; false after a database error or
    // when no product has the name.
    bool AddStockProducts(CppSQLite3DB& db, CString ProductName, CString WarehouseName, CString UnitName,
                          CString InitStock, CString CurStock, CString HighLimit, CString LowLimit);
    // CurStock as "%.08lf" text (0 for a missing product).
    CString GetCurStockByID(CppSQLite3DB& db, int ProductID);
    CppSQLite3Query GetStockProducts(CppSQLite3DB& db, int ProductID);
    CppSQLite3Query GetWarehouseInfo(CppSQLite3DB& db, int warehouseType);

    // --- Codes, units and existence checks -------------------------------------------------
    // The code after the newest product's code ("" when it does not end in digits).
    CString GetNewProductCode(CppSQLite3DB& db);
    CString GetProductCode(CppSQLite3DB& db, int ProductID);
    CString GetProdNameByCode(CppSQLite3DB& db, CString ProductCode);
    // True when the product has a base unit and a second unit.
    bool GetMultUnit(CppSQLite3DB& db, int ProductID);
    // Base units per second unit; 1.0 when unknown or 0.
    double GetCoffByName(CppSQLite3DB& db, CString ProductName, CString SecUnitName);
    // Another local product has this name and code.
    bool IsExists(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode);
    // Any product, local or online, has this name.
    bool IsExists(CppSQLite3DB& db, CString ProductName);
    bool IsExistsByCode(CppSQLite3DB& db, CString ProductCode);
    // An online product has this name; the second text is not used.
    bool IsExistsNet(CppSQLite3DB& db, CString ProductName, CString unused);
    bool IsExistsNameOrCode(CppSQLite3DB& db, CString ProductName, CString ProductCode);
    bool IsExistsCode(CppSQLite3DB& db, CString ProductCode);
    // True when the code is empty, or the code and the name find the same product (or none).
    bool CheckProdCodeAndName(CppSQLite3DB& db, CString ProductCode, CString ProductName);

    // --- Product queries -------------------------------------------------------------------
    // Keys match name, code or search code anywhere in the text.
    CppSQLite3Query GetProductByInfo(CppSQLite3DB& db, CString key, int includeDisabled);
    // One page of the product list; the page number is held to 1..page count.
    CppSQLite3Query GetProductByPage(CppSQLite3DB& db, CString key, long& pageSize, long& totalRows, long& page,
                                     long& pageCount, bool localOnly, bool includeDisabled);
    // At most 50 products for a picker; an error is logged and gives an empty result.
    CppSQLite3Query GetProductByPop(CppSQLite3DB& db, CString key, CString unused1, CString unused2, bool localOnly);
    // At most 50 products of a type ("-1" or "全部类别": all local or all online ones).
    CppSQLite3Query GetProductForPop(CppSQLite3DB& db, CString key, bool local, CString TypeName);
    // Appends the names of all local products; an error is logged.
    void GetProductBySch(CppSQLite3DB& db, CString unused, CStringArray& names);
    CppSQLite3Query GetProductByNameCode(CppSQLite3DB& db, CString ProductName, CString ProductCode);
    CppSQLite3Query GetProductByNameOrCode(CppSQLite3DB& db, CString ProductName, CString ProductCode);
    // An error is logged and gives an empty result.
    CppSQLite3Query GetProductByName(CppSQLite3DB& db, CString ProductName);
    CppSQLite3Query GetProductByCode(CppSQLite3DB& db, CString ProductCode);
    // An error gives an empty result.
    CppSQLite3Query GetProductsByID(CppSQLite3DB& db, int ProductID);
    CppSQLite3Query GetProductsByType(CppSQLite3DB& db, CString TypeName, bool includeDisabled);
    // Enabled local products of the type and its sub-types ("全部类别": all); optionally
    // only those with stock, and with their warehouse limits.
    CppSQLite3Query GetProductsByTypeID(CppSQLite3DB& db, CString TypeName, CString key, bool withStockOnly,
                                        long& rowCount, int withLimits, int showInPrice);
    CppSQLite3Query GetProductsID(CppSQLite3DB& db, CString TypeName, CString key);
    // An error gives an empty result.
    CppSQLite3Query GetAllProductsID(CppSQLite3DB& db);
    void GetMaxMinProductID(CppSQLite3DB& db, int& maxID, int& minID, CString TypeName, CString key);

    // --- Pictures ----------------------------------------------------------------------------
    // Clears the product's small picture and removes its large one; 1, or 0 after a
    // database error (logged).
    int DeleteProductPicture(CppSQLite3DB& db, CString ProductName);

private:
    // The row update behind UpdateProducts; 1.
    int CommonUpdate(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode, CString TypeName,
                     CString UnitName, CString CurStock, CString InPrice, CString Price, CString WholesalePrice,
                     CString Remark, CString SecUnitName, CString Coefficient);

public:
    // --- Customer prices ---
    // The price one customer pays for one product in one unit (CompPrice): at most one row
    // per customer, product and unit, found by name. The price a bill offers is the
    // customer's own price, else the wholesale price (for the second unit: else 0).

    // A grid of texts; the first index is the row.
    using PriceGridRows = std::vector<std::vector<CString>>;

    // Writes the customer's price (compPriceID <= 0: finds or adds the row; a missing
    // product is added). Rows written (1); 0 for a price below 1e-08 unless zero prices
    // are allowed; -1 for an unknown customer or a database error (`error` says which). A
    // price that is no number fails as a database error would, and writes nothing.
    int UpdateCompPrice(CppSQLite3DB& db, int compPriceID, CString CompanyName, CString ProductName,
                        CString UnitName, CString Price, CString& error, bool allowZero);
    // The same price for every enabled customer, all or none; 0 done, -1 on error.
    int UpdateAllCompPrice(CppSQLite3DB& db, CString ProductName, CString UnitName, CString Price,
                           CString& error);
    // One customer, many products: rows of 7 columns (0 product code, 1 name, 2 unit,
    // 5 price). All rows or none: 0 done, -1 with `error` and the failing row index (-1
    // when no single row is to blame).
    int InsertCustPriceByCust(CppSQLite3DB& db, const PriceGridRows& rows, int rowCount, CString CompanyName,
                              CString& error, int& failedRow);
    // One product in one unit, many customers: rows of 4 columns (1 customer name, 2 price).
    int InsertCustPriceByProd(CppSQLite3DB& db, const PriceGridRows& rows, int rowCount, CString ProductName,
                              CString UnitName, CString& error, int& failedRow);
    // 1.
    int DeleteCompPriceByID(CppSQLite3DB& db, int compPriceID);

    // Price rows. An error of GetCompPriceByID is logged and gives an empty result.
    CppSQLite3Query GetCompPriceByID(CppSQLite3DB& db, int compPriceID);
    // Keys match anywhere in name, code or search code.
    CppSQLite3Query GetCustPriceList(CppSQLite3DB& db, CString productKey, CString customerKey);
    CppSQLite3Query GetCompPrice(CppSQLite3DB& db, CString productKey, CString CompanyName);
    CppSQLite3Query GetCompPriceByUnit(CppSQLite3DB& db, CString productKey, CString CompanyName, CString UnitName);
    CppSQLite3Query GetCompPriceByName(CppSQLite3DB& db, CString ProductName, CString CompanyName);
    // The customer's price rows for the product; without any (or without a customer), the
    // product's own retail price as one row with CompPriceID 0.
    CppSQLite3Query GetCustPriceByCustAndProd(CppSQLite3DB& db, CString CompanyName, CString ProductName);

    // Products with the price offered to the customer (CompPrice) in the base unit.
    CppSQLite3Query GetCompPriceByCompProd(CppSQLite3DB& db, CString ProductName, CString CompanyName);
    // Without a customer CompPrice is the wholesale price.
    CppSQLite3Query GetCustProductByProdCode(CppSQLite3DB& db, CString ProductCode, CString CompanyName,
                                             bool localOnly);
    // Without a customer CompPrice is '0'.
    CppSQLite3Query GetCustProductByProdName(CppSQLite3DB& db, CString ProductName, CString CompanyName,
                                             bool localOnly);
    // The row of the given unit: the base unit, or the second unit (its own prices 0, the
    // wholesale price as ACompPrice). Without a customer: the base-unit row, CompPrice '0'.
    CppSQLite3Query GetCustProductByProdUnit(CppSQLite3DB& db, CString ProductName, CString CompanyName,
                                             CString UnitName);
    // Every product type name in use; the text is not used.
    CppSQLite3Query GetCustProductType(CppSQLite3DB& db, CString unused);

    // --- Stock warnings ----------------------------------------------------------------------
    // Warehouse rows above the upper or below the lower limit (where the two differ), or
    // below zero. Locked; errors pass to the caller.
    int GetCustProductForWaringCount(CppSQLite3DB& db);
    // The warehouse rows themselves: kind 1 those above the upper limit, 2 those below the
    // lower limit or below zero, any other kind both. Locked; a database error goes into the
    // error text and the log and gives an empty result set.
    CppSQLite3Query GetCustProductForWaring(CppSQLite3DB& db, CString& error, int kind);
};
