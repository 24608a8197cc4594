#pragma once
// What the product service's files share: the product-list entries and their change
// records, unit and type lookups, and the log line of a failed statement.

#include <initializer_list>

#include "frame/ServiceFrame.h"

namespace shopbiz {

// "SearchCode|ProductName|TypeName": one entry of the host's cached product lists.
CString ProductEntry(const CString& searchCode, const CString& name, const CString& typeName);
// The entry of a Products row.
CString ProductEntryOf(const CppSQLite3Query& product);

// Change record for the host's cached product lists.
enum ProdCacheFlag { kProdAdded = 1, kProdUpdated = 2, kLocalProdDeleted = 3, kNetProdRemoved = 5 };
void WriteProdCache(CppSQLite3DB& db, int flag, const CString& entry, const CString& oldEntry = CString());

// GetSafeString on each text, in place.
void MakeSafe(std::initializer_list<CString*> texts);

// Pinyin initials of a name, as stored in SearchCode.
CString SearchCodeOf(CString name);

// ID of the unit of that name among the units (base data type 2), created when missing;
// 0 for an empty name.
int FindOrCreateUnit(CppSQLite3DB& db, const CString& unitName);
// ID of the unit of that name, 0 when there is none.
int FindUnit(CppSQLite3DB& db, const CString& unitName);
// ID of the product type of that name, created below the root when missing; 0 for an
// empty name.
int FindOrCreateProductType(CppSQLite3DB& db, const CString& typeName);

// The product's opening ledger row ("期初", IsSystem 1).
struct OpeningRow {
    bool found = false;
    double lastCount = 0, lastPrice = 0, lastAmount = 0;
};
OpeningRow ReadOpeningRow(CppSQLite3DB& db, int productID);
// The statement that prices the opening row and sends it back through the cost calculation.
SqlText OpeningRowPriceSql(int productID, double price, double lastCount);

// "(ProductName like '%key%' or ProductCode like ... or SearchCode like ...)".
SqlText ProductKeyCondition(const CString& key);

// A failed statement into the log only, as "Err:<message>\r\nsql=<statement>".
OnError LogFailedStatement();

// Differences below this are rounding noise of stored quantities and prices.
inline bool SameAmount(double a, double b) { return a - b < 1e-9 && b - a < 1e-9; }

}  // namespace shopbiz
