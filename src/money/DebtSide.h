#pragma once
// The statements behind the receivables and the payables, written once for both sides: a
// customer's debt grows with its sale bills and shrinks with its deposits, its receipts and
// the purchase bills the shop owes it; a supplier's the other way round, without deposits.
// Nothing here takes the lock; the calling method holds it.

#include "frame/ServiceFrame.h"

namespace shopbiz::money {

struct DebtSide {
    int companyType;           // Companies.CompanyType of the side's partners: 1 / 2
    const wchar_t* ownBills;   // the bills that make the debt: "SaleBills" / "PurBills"
    const wchar_t* ownKey;     // "SaleID" / "PurID"
    const wchar_t* ownNote;    // what such a bill is, when it has no remark
    const wchar_t* otherBills;  // the other side's bills of the same partner
    const wchar_t* otherKey;
    const wchar_t* otherNote;
    bool deposits;              // sale orders' deposits lower the debt
    const wchar_t* moneyType;   // the journal's AccountType of the money: "收入" / "支出"
    const wchar_t* moneyColumn;  // "InAmount" / "OutAmount"
};

extern const DebtSide kReceivables;
extern const DebtSide kPayables;

// One row per partner of the side with any amount: CompanyID, CompanyCode, CompanyName,
// InitAmount, AddAmount, GetAmount, by code and name.
SqlText DebtList(const DebtSide& side, const CString& from, const CString& to, const CString& keyword);
// The partners whose end balance is positive, largest first; the keyword also matches the
// search code.
SqlText DebtListByAmount(const DebtSide& side, const CString& from, const CString& to, const CString& keyword);
// One row, InitAmount: what the partner (by code or name) owed before the date.
SqlText OpeningDebt(const DebtSide& side, const CString& from, const CString& code, const CString& name);
// The partner's movements of the period.
SqlText DebtMovements(const DebtSide& side, const CString& from, const CString& to, const CString& code,
                      const CString& name);

}  // namespace shopbiz::money
