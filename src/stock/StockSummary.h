#pragma once
// The statements of the stock reports that several CStocksBLL methods share: the stock
// summary over a period, the type filter of a product type with its sub-types, and the
// check of a caller's extra condition. Nothing here takes the lock (the calling method holds
// it); database errors pass to the caller.

#include <vector>

#include "frame/ServiceFrame.h"

namespace shopbiz {

// How one stock summary is asked for.
struct StockSummaryRequest {
    CString startDate, endDate;
    bool enabledProductsOnly = true;  // joined to Products (IsDisable 0); else every product of the ledger
    CString key;                      // name, code or search code of the product contains it ("" any)
    std::vector<CString> typeNames;   // the product's type is one of them (empty: any)
    bool roundedToCents = false;      // the amounts brought forward and moved rounded to cents
    bool leaveOutEmptyOpenings = false;  // drop products whose ledger is one opening row of zeros
    bool movements = true;            // false: the period's sums are left NULL (for counting rows only)
};

// `select t.* from (...) t`: one row per product, the columns of the stock summary.
SqlText StockSummary(const StockSummaryRequest& request);

// The names of the type and of every type below it, made safe; just the type's own name when
// the type tree does not know it.
std::vector<CString> TypeWithSubTypes(CppSQLite3DB& db, const CString& typeName);

// True when the type stands for every type ("" or the tree's root "全部类别").
bool IsEveryType(const CString& typeName);

// The caller's condition over the summary's columns, checked word by word: only the columns'
// names (optionally as t.Name), numbers, quoted texts, comparisons, arithmetic, AND, OR, NOT,
// IS, NULL, LIKE, BETWEEN and parentheses pass. Anything else throws the database
// component's exception, as a statement the database refuses would.
SqlText CheckedSummaryCondition(const CString& condition);

}  // namespace shopbiz
