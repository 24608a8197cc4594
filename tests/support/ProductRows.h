#pragma once
// Products and opening ledger rows written straight into the shop database, for tests of
// the methods that read and move them.

#include "support/ShopDbTest.h"

struct ProductRow {
    const wchar_t* name = L"铅笔";
    const wchar_t* code = L"P0001";
    const wchar_t* type = L"默认类别";
    const wchar_t* unit = L"支";
    const wchar_t* searchCode = L"QB";
    double initStock = 0, curStock = 0;
    double inPrice = 0, price = 0, wholesalePrice = 0;
    int isLocal = 1, isDisable = 0;
};

// The new ProductID.
int PutProduct(CppSQLite3DB& db, const ProductRow& row);
// The product's opening ledger row ("期初").
void PutOpeningRow(CppSQLite3DB& db, int productID, double count, double price);
// A bill line of the product in a line table (SaleBillItems, PurBillItems, SaleOrderBillItems).
void PutBillLine(CppSQLite3DB& db, const wchar_t* table, int productID);
