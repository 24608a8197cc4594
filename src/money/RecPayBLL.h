#pragma once
// Receivables and payables: what each customer owed at the start of a period, the new debt of
// the period, what was received, and what is owed at its end; the same for what the shop owes
// its suppliers.
//
// The debts come from the bills (what is still owing on each sale or purchase bill, and the
// deposits paid on sale orders) and from the receipts and payments of the cash journal. A
// partner with bills on both sides has the other side's debts set against its own: a
// customer's purchase bills lower what it owes. The end balance of a row is InitAmount +
// AddAmount - GetAmount. Dates are "yyyy-mm-dd" texts: InitAmount is everything before the
// from date, the period includes both days. Read-only apart from the print fillers; every
// method takes the library lock. A database error gives the empty result set (or -1) with the
// message in `error` (where there is one) and the log.

#include "frame/ServiceTypes.h"

class CRecPayBLL {
    SHOPBIZ_STATELESS_SERVICE(CRecPayBLL)

public:
    // --- Lists -----------------------------------------------------------------------------------
    // One row per customer (supplier) whose code or name holds the keyword and who has any
    // amount: CompanyID, CompanyCode, CompanyName, InitAmount, AddAmount, GetAmount, by code
    // and name. `count` receives the number of rows. `unused` is accepted and not read.
    CppSQLite3Query GetRecLists(CppSQLite3DB& db, CString fromDate, CString toDate, CString keyword, CString unused,
                                long& count, CString& error);
    CppSQLite3Query GetPayLists(CppSQLite3DB& db, CString fromDate, CString toDate, CString keyword, CString unused,
                                long& count, CString& error);

    // --- One partner -----------------------------------------------------------------------------
    // The partner is found by code or by name (either may be empty). One row, column
    // InitAmount: what it owed before the date (NULL when it has no movement before it).
    CppSQLite3Query GetRecItemHeader(CppSQLite3DB& db, CString fromDate, CString companyCode, CString companyName,
                                     CString& error);
    CppSQLite3Query GetPayItemHeader(CppSQLite3DB& db, CString fromDate, CString companyCode, CString companyName,
                                     CString& error);
    // The partner's movements of the period, by date: ID, BillType, ProjectType (1 a bill of
    // its own side or a sale order, 3 a bill of the other side, 0 money), BillDate, BillCode,
    // Note (the remark, or what the movement is), OweAmount (what it adds to the debt), InAmount
    // (what was received or paid), CreateDate.
    CppSQLite3Query GetRecItem(CppSQLite3DB& db, CString fromDate, CString toDate, CString companyCode,
                               CString companyName, long& count, CString& error);
    CppSQLite3Query GetPayItem(CppSQLite3DB& db, CString fromDate, CString toDate, CString companyCode,
                               CString companyName, long& count, CString& error);
    // The journal lines of the partner with that bill code. Errors are logged.
    CppSQLite3Query GetRecPayLists(CppSQLite3DB& db, CString companyName, CString billCode);

    // --- Charts ----------------------------------------------------------------------------------
    // The partners who owe (are owed) something at the end of the period, largest first, into
    // `pairs` (room for `maxRows`): "[name]" (names over six characters cut to six and "...")
    // and the end balance as "%.08lf". The keyword also matches the search code. The number of
    // pairs written; -1 on a database error.
    int GetRecChartData(CppSQLite3DB& db, int maxRows, CString fromDate, CString toDate, CString keyword,
                        CString unused, CString pairs[][2], CString& error);
    int GetPayChartData(CppSQLite3DB& db, int maxRows, CString fromDate, CString toDate, CString keyword,
                        CString unused, CString pairs[][2], CString& error);

    // --- Print data ------------------------------------------------------------------------------
    // Each empties SysPrintData, then writes (RecordNo, EntryNo, KeyWordName, KeyWordValue,
    // BillType = `label`, KeyWordType) the store (StoreName, StoreAddr, StoreLink) and the
    // headings with EntryNo -1, one entry per row from `firstEntry` on (below 1 counts as 1;
    // RecordNo and RowNo 1, 2, ...), then the totals (EntryNo -1). `nextEntry` receives the
    // entry after the last row. Texts pass GetSafeString; amounts are "varMoneyfloat". 0 done;
    // -1 at the first statement that fails (the message in `error` and the log; the rows
    // written before it stay).

    // GetRecLists (GetPayLists): BillSdt, BillEdt; per partner CompanyName, InitAmount,
    // AddAmount, GetAmount, Balance (the end balance); SumInitAmount, SumAddAmount,
    // SumGetAmount, SumBalance.
    int InsertRecPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString keyword, CString label,
                           int firstEntry, long& nextEntry, CString& error);
    int InsertPayPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString keyword, CString label,
                           int firstEntry, long& nextEntry, CString& error);
    // One partner: CompanyName, BillSdt, BillEdt, InitAmount (the opening balance); per
    // movement BillDate, BillCode, Note, OweAmount, InAmount, Amount (the balance after it);
    // SumOweAmount, SumInAmount, SumAmount (the end balance).
    int InsertRecItemPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString companyCode,
                               CString companyName, CString label, int firstEntry, long& nextEntry, CString& error);
    int InsertPayItemPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString companyCode,
                               CString companyName, CString label, int firstEntry, long& nextEntry, CString& error);

private:
    // The partners with a positive end balance, largest first (the charts' rows).
    CppSQLite3Query GetRecListsOrderByAmount(CppSQLite3DB& db, CString fromDate, CString toDate, CString keyword,
                                             CString unused, CString& error);
    CppSQLite3Query GetPayListsOrderByAmount(CppSQLite3DB& db, CString fromDate, CString toDate, CString keyword,
                                             CString unused, CString& error);
};
