#pragma once
// What the customer-price writers share: the product and customer a price row copies, and
// the row's insert.

#include "frame/ServiceFrame.h"

namespace shopbiz::prices {

// The product columns a price row copies.
struct PricedProduct {
    int id = 0;
    CString name, code, searchCode;
    int typeID = 0;
    CString typeName;
    CString unitName;
    int unitID = 0, secUnitID = 0;

    // A price for the base unit carries UnitID; any other unit the second unit's ID.
    int UnitIDFor(const CString& unit) const { return unit == unitName ? unitID : secUnitID; }
};
PricedProduct ProductOf(const CppSQLite3Query& row);
// The product of exactly that name; false when there is none.
bool FindProductByName(CppSQLite3DB& db, const CString& name, PricedProduct& product);

// The customer columns a price row copies.
struct PricedCustomer {
    int id = 0;
    CString code, name, searchCode;
};
// The customer of the first row of `company` under the name the caller gave; false with
// "[name]客户不存在！" in the error text when there is no row.
bool CustomerOf(CppSQLite3Query& company, const CString& name, PricedCustomer& customer, CString& error);

// The insert of a new price row (product, customer, unit, price, now, search codes). The
// price goes in unquoted: a text that is no number fails the statement before it runs.
SqlText InsertPriceSql(const PricedProduct& product, const PricedCustomer& customer, const CString& unitName,
                       const CString& price);

// Journals a change of the price row with that ID.
void JournalPrice(CppSQLite3DB& db, int compPriceID, const wchar_t* operation);

}  // namespace shopbiz::prices
