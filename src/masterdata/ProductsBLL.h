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

    // --- The host's product lists --------------------------------------------------------------
    // Entries are "SearchCode|ProductName|TypeName". Every change of a product leaves a change
    // record in ProdCache (Flag 1 added or enabled, 2 updated with new and old entry, 3 local
    // product deleted, 5 online product removed); the host applies them to its lists.

    // Reloads the enabled products into the lists (local products into `local`, online ones
    // into `online`) and drops every change record. Mode 0 both lists, 1 local only, 2 online
    // only, 9 the first 50 local products; any other mode does nothing. The lists a mode
    // reloads are emptied first. A database error is logged; the lists keep what was read.
    void GetProdListCache(CppSQLite3DB& db, CStringArray& local, CStringArray& online, int mode);
    // The change records, highest flag first. Errors pass to the caller.
    CppSQLite3Query GetProdListCachUpdate(CppSQLite3DB& db);
    void ClearProdListCache(CppSQLite3DB& db);
    // Appends "SearchCode|ProductName|ProductCode|UnitName" for every product and each of its
    // units (a product without unit data once, with its own unit name), by search code.
    void GetProdListWithUnit(CppSQLite3DB& db, CStringArray& entries, int unused);

    // --- Pictures ----------------------------------------------------------------------------
    // Picture files lie in the program directory (CSysBLL::GetCurrentDirectoryW). The large
    // picture goes into ProductPictures (one row per product name, replaced), the small one
    // into Products.MinPicture. A file that cannot be read is logged with its path and leaves
    // that picture as it was.

    // Reads the large picture from `fileName` and the small one from the same name with "Max"
    // replaced by "Min". 1 when the product exists (also when a file could not be read); 0
    // for an unknown product or after a database error (logged). An empty file name deletes
    // the product's pictures instead (DeleteProductPicture).
    int InsertProductPicture(CppSQLite3DB& db, CString ProductName, CString fileName);
    // Runs the statement with the file's bytes bound to its one "?" parameter: 1; 0 when the
    // file cannot be read (nothing runs). Database errors pass to the caller.
    int InsertPictureToDataBase(CppSQLite3DB& db, CString sql, CString path);
    // The product's ProductPictures row; an error is logged and gives an empty result.
    CppSQLite3Query GetProductPicture(CppSQLite3DB& db, CString ProductName);
    // Clears the product's small picture and removes its large one; 1, or 0 after a
    // database error (logged).
    int DeleteProductPicture(CppSQLite3DB& db, CString ProductName);

    // --- The online catalogue ----------------------------------------------------------------
    // Products of the online shop's list are rows with IsLocal 0. Adopting one makes it a
    // local product in place (same ProductID) with its opening stock and ledger row. Texts
    // are made safe (GetSafeString); empty stock and prices count as 0. Database errors pass
    // to the caller.

    // 1 adopted. 0 when a local product already has this name and code, or the product is
    // already a local one (adopted before): `exists` is set and nothing is written. -1 when
    // no product has the ID or the name is empty. An empty code takes the online product's
    // code, an empty type its type. The host's lists get Flag 5 (old entry) and Flag 1.
    int AddProductsNet(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode, CString TypeName,
                       CString UnitName, CString InitStock, CString InPrice, CString Price, bool& exists);
    // The same for an import, where a local product of this name (or, with a code given, of
    // this name or code) already stands for the online one: the online row is deleted instead
    // and `exists` set (result 0). Change records for the host's lists are written only with
    // `writeCache`.
    int AddProductsNetFromImport(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode,
                                 CString TypeName, CString UnitName, CString InitStock, CString InPrice,
                                 CString Price, bool& exists, bool writeCache);
    // Adds a product to the online catalogue unless some product has the name or the code;
    // with `writeCache` its entry is recorded for the host's online list (Flag 1).
    void AddSysNetProducts(CppSQLite3DB& db, CString ProductName, CString ProductCode, CString TypeName,
                           CString UnitName, CString InPrice, CString Price, CString NetPrice, bool writeCache);
    // Rewrites an online product (an empty type keeps its type). 1 updated; 0 when no online
    // product has the ID or the name is empty.
    int UpdateSysNetProducts(CppSQLite3DB& db, int ProductID, CString ProductName, CString ProductCode,
                             CString TypeName, CString UnitName, CString InitStock, CString InPrice, CString Price);
    // Online products of the catalogue type and its direct sub-types (SystemProdType); a type
    // the catalogue does not know gives those of the top-level types. `rowCount` receives the
    // number of rows.
    CppSQLite3Query GetNetProducts(CppSQLite3DB& db, CString TypeName, CString unused, long& rowCount);
    // Sets IsLocal; the statement status (0).
    int SetNetProductsLocal(CppSQLite3DB& db, int ProductID, int isLocal);
    // The online shop's price of the product; an empty price is 0. A price that is no number
    // fails as a database error would, before anything is written.
    void UpdateNetPrice(CppSQLite3DB& db, CString price, CString ProductName);
    // An enabled local product exists.
    bool HaveLocalData(CppSQLite3DB& db);
    // Some catalogue type's products were imported.
    bool HaveNetData(CppSQLite3DB& db);
    // Nothing waits to be imported: the industry data is not marked as still to download
    // (SystemInfo.Field1 "0") and every chosen catalogue type is imported.
    bool IsImportedNetProducts(CppSQLite3DB& db);

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

    // --- Print data ----------------------------------------------------------------------------
    // The product list of GetProductsByTypeID (the type and its sub-types, the key, only those
    // with stock when `withStockOnly`) into SysPrintData, as CStocksBLL's report fillers write
    // theirs (BillType `label`; RecordNo `firstRecord`, + n for row n): StoreName, StoreAddr,
    // StoreLink; per product ProdName, ProdCode, ProdTypeName, ProdUnit, ProdStock,
    // ProdInprice ("0.0" for an operator `userID` without the right "0100" to see purchase
    // prices), ProdOutPrice (the sale price), ProdWholePrice, RowNo. One transaction: 0 when
    // written; on a database error nothing stays, the message goes into `error` and the log,
    // and the result is -1. `rowCount` receives the number of products.
    int InsertPrintProdData(CppSQLite3DB& db, CString label, int firstRecord, CString TypeName, CString key,
                            bool withStockOnly, int userID, long& rowCount, CString& error);
};
