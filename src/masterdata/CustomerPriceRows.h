#pragma once
// What the customer-price writers share: the product and customer a price row copies,
// the row's insert, the price as it goes into SQL, and the transaction of a batch.

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
// The product of exactly that name; false when there is none. `sql` receives the statement.
bool FindProductByName(CppSQLite3DB& db, const CString& name, PricedProduct& product, CString* sql = nullptr);

// The customer columns a price row copies.
struct PricedCustomer {
    int id = 0;
    CString code, name, searchCode;
};
// The customer of the first row of `company` under the name the caller gave; false with
// "[name]客户不存在！" in the error text when there is no row.
bool CustomerOf(CppSQLite3Query& company, const CString& name, PricedCustomer& customer, CString& error);

// The price as it goes into SQL: a number stays as typed (unquoted); anything else goes in
// as quoted text, which the table refuses, so a bad price fails the statement without ever
// being read as SQL.
CString PriceLiteral(const CString& price);

// The insert of a new price row (product, customer, unit, price, now, search codes).
CString InsertPriceSql(const PricedProduct& product, const PricedCustomer& customer, const CString& unitName,
                       const CString& price);

// Journals a change of the price row with that ID.
void JournalPrice(CppSQLite3DB& db, int compPriceID, const wchar_t* operation);

// A transaction that is rolled back unless committed: a batch writes all rows or none.
// Only what this object began is rolled back, never a transaction of the caller.
class PriceTransaction {
public:
    // Plain BEGIN / COMMIT / ROLLBACK of a batch.
    explicit PriceTransaction(CppSQLite3DB& db);
    // A savepoint: nests inside whatever transaction the caller runs.
    PriceTransaction(CppSQLite3DB& db, const wchar_t* savepoint);
    ~PriceTransaction();
    PriceTransaction(const PriceTransaction&) = delete;
    PriceTransaction& operator=(const PriceTransaction&) = delete;

    void Commit();

private:
    CppSQLite3DB& db_;
    CString commit_, rollback_;
    bool open_ = true;
};

}  // namespace shopbiz::prices
