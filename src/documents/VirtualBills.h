#pragma once
// The virtual bill: one system bill per customer (SaleBills) or supplier (PurBills) that
// carries the partner's opening balance. Sale and purchase keep it the same way.

#include "frame/ServiceTypes.h"

namespace shopbiz {

struct VirtualBillBook {
    const wchar_t* table;          // "SaleBills" or "PurBills"
    const wchar_t* billType;       // numbering: "XSD" or "JHD"
    const wchar_t* partnerFailed;  // the partner could not be read
};

// Writes the partner's virtual bill and books a non-zero amount into its balance.
// 1 done, -1 with the error text on failure.
int InsertVirtualBill(CppSQLite3DB& db, const VirtualBillBook& book, CString amount, int companyID, CString& error);
// Rewrites the amounts of the partner's virtual bill; the balance is left to the caller.
int UpdateVirtualBill(CppSQLite3DB& db, const VirtualBillBook& book, CString amount, int companyID, CString& error);

}  // namespace shopbiz
