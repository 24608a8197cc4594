#pragma once
// The statements of the cash journal's reports, shared by the report methods of CAccountBLL
// and its print fillers. Dates are "yyyy-mm-dd" texts; "between" bounds count.

#include "frame/ServiceFrame.h"

namespace shopbiz::money {

// One row, Balance: the money in the accounts before the start date ("" is 1970-01-01).
SqlText OpeningBalance(const CString& startDate, const CString& settleAcctName);
// The journal lines of the period with an amount.
SqlText JournalList(const CString& from, const CString& to);
// The period's money one row per bill: deposits, sale and purchase bills, and the journal's
// receipts, payments and hand-entered items; only that settlement account's ("" all).
SqlText JournalDetail(const CString& from, const CString& to, const CString& settleAcctName);
// Income and expense per project; `profit`: only the hand-entered items of profit projects.
SqlText ProjectSums(const CString& from, const CString& to, const CString& accountTypePart,
                    const CString& projectPart, bool profit);
// The rows behind ProjectSums, one per bill; `profit` takes the sales from the stock ledger.
SqlText ProjectDetail(const CString& from, const CString& to, const CString& accountTypePart,
                      const CString& projectPart, bool profit);
// Receipts (kind 1) or payments: one row per line with `detail`, else per bill code.
SqlText ReceiptPaymentBills(int kind, const CString& from, const CString& to, const CString& keyword, bool detail);

}  // namespace shopbiz::money
