#pragma once
// Products, their prices and stock counters, and product queries.

#include "frame/ServiceTypes.h"

class CProductsBLL {
    SHOPBIZ_STATELESS_SERVICE(CProductsBLL)

public:
    // --- Customer prices ---
    // The price one customer pays for one product in one unit (CompPrice): at most one row
    // per customer, product and unit, found by name. The price a bill offers is the
    // customer's own price, else the wholesale price (for the second unit: else 0).

    // A grid of texts; the first index is the row.
    using PriceGridRows = std::vector<std::vector<CString>>;

    // Writes the customer's price (compPriceID <= 0: finds or adds the row; a missing
    // product is added). Rows written (1); 0 for a price below 1e-08 unless zero prices
    // are allowed; -1 for an unknown customer or a database error (`error` says which).
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
};
