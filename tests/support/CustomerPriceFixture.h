#pragma once
// A shop with two customers and two products for the customer-price tests: 面粉 sold by the
// bag (袋, unit 10) and by the case (箱, unit 11), 白糖 by the bag only.

#include "support/ShopDbTest.h"

class CustomerPriceTest : public ShopDbTest {
protected:
    void SetUp() override;

    // The new ProductID; wholesale 8, retail 10.
    int PutProduct(const wchar_t* name, const wchar_t* code, const wchar_t* unit, int unitID,
                   const wchar_t* secUnit = L"", int secUnitID = 0);
    void SyncOn();
    // CompanyName|ProductName|UnitName|UnitID|Price of every price row, in key order.
    CString PriceRows();
    // TName|CName|CValue|OType of every change journal row.
    CString Journal();
    int PriceCount();

    CProductsBLL prices;
    CString error;
    int huaLian = 0, xinHua = 0;  // customers 华联 (code KH0001) and 新华
    int flour = 0, sugar = 0;
};
