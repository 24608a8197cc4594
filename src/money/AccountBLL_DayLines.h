#pragma once
// The day's aggregated lines of the journal (project type 1): one income line per day for the
// sales and sale order deposits, one expense line per day for the purchases.

#include "frame/SqlText.h"
#include "money/AccountBLL.h"

namespace shopbiz::journal {

// The column and the conditions are SQL constants: they go into the statements as they are.
struct DayLine {
    const wchar_t* accountType;  // "收入" / "支出"
    SqlText amountColumn;        // the side the day's amounts add to
    SqlText kindCondition;       // finds the day's line of this side
    // A new day line: its description, partner and project.
    const wchar_t* desp;
    const wchar_t* partner;
    const wchar_t* project;
    bool recordUpdate;  // raising the line is journalled in the operation log
    // The rebuild after an import: the bills summed per day, how the day's lines of the kind
    // are counted and which one takes the day's total (empty: not rebuilt).
    SqlText billTable;
    SqlText rebuildCountCondition;
    SqlText rebuildLineCondition;
};

extern const DayLine kSalesDay;
extern const DayLine kPurchaseDay;
extern const DayLine kOrderDepositDay;

// Adds the amount to the day's line of the kind (making it when it is the day's first) and to
// the settlement account's month. 0 done; -1 failed (the error text is logged).
int AddToDayLine(CppSQLite3DB& db, const DayLine& kind, CString settleAcctName, int settleAcctId, CString date,
                 CString amount, CString& error);

}  // namespace shopbiz::journal
