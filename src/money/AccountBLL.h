#pragma once
// The cash journal: income and expense lines and the month totals.
//
// Lines (Account.ProjectType): 1 the day's sales income / purchase expense line, 2 a receipt
// or payment, 3 a hand-entered item, 4 the opening entry of a settlement account. Writing a
// line moves the month totals (AccountMonth) and, for receipts and payments, the partner's
// balance; the settlement account's balance is moved by the caller. Deleting a line with the
// undo flag reverses those effects.

#include "frame/ServiceTypes.h"

class CAccountBLL {
    SHOPBIZ_STATELESS_SERVICE(CAccountBLL)

public:
    // --- Renames ---
    // A partner's new name and code into its journal lines; statement status, -1 on error.
    int UpdateBillComName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);
    // The same statement as UpdateBillComName.
    int UpdateBillProName(CppSQLite3DB& db, int companyID, CString name, CString code, CString& error);

    // --- Writing lines ---------------------------------------------------------------------------
    // The one writer of journal lines. An unknown project is created (a switched-off one is
    // switched on again), an unknown partner too; income with a bill code earns the partner
    // member points. Statement status (0 done); -3 the project name belongs to another kind;
    // -2 the partner could not be created; -1 on a database error.
    int InsertAccount(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, int projectType, CString billCode,
                      CString accountType, CString date, CString desp, CString companyName, CString projectName,
                      int isSystem, double amount, CString& error);
    // A hand-entered line (not a system line); the month totals move with it.
    int InsertAccount(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString accountType, CString date,
                      CString billCode, CString desp, CString companyName, CString projectName, double amount,
                      CString& error, int projectType);
    // A receipt from a customer / a payment to a supplier: the line, the partner's balance
    // (lowered by the amount; an unknown partner is created) and the month totals. Result of
    // the month update; -1 on a failed step.
    int InsertAccountByRec(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString companyName,
                           CString date, CString billCode, CString desp, double amount, CString& error);
    int InsertAccountByPay(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString companyName,
                           CString date, CString billCode, CString desp, double amount, CString& error);

    // --- Changing lines --------------------------------------------------------------------------
    // Removes the line (undoing its effects) and writes a hand-entered line with the new
    // values. Status of the new line; -1 if the old one could not be removed.
    int UpdateAccount(CppSQLite3DB& db, int accountId, CString accountType, CString date, CString billCode,
                      CString desp, CString companyName, CString projectName, double amount, CString& error,
                      CString settleAcctName, int settleAcctId, int projectType);
    // Sets only the line's amount (income or expense side); nothing else moves.
    int UpdateExistAccount(CppSQLite3DB& db, int accountId, CString accountType, CString date, CString billCode,
                           CString desp, CString companyName, CString projectName, double amount, CString& error,
                           CString settleAcctName, int settleAcctId, int projectType);
    // Replaces a receipt / payment by a new one under the same bill code. `unused` is
    // accepted and not read. Result of the new receipt or payment; -1 if the old line could
    // not be removed.
    int UpdateAccountByRec(CppSQLite3DB& db, int accountId, CString settleAcctName, CString companyName, CString date,
                           CString desp, double amount, CString& error, CString unused, int settleAcctId);
    int UpdateAccountByPay(CppSQLite3DB& db, int accountId, CString settleAcctName, CString companyName, CString date,
                           CString desp, double amount, CString& error, CString unused, int settleAcctId);

    // --- The day's lines ------------------------------------------------------------------------
    // Adds the amount to the day's income line (sales and order deposits) or expense line
    // (purchases), making it when it is the day's first, and to the month totals of the
    // settlement account. 0 done; -1 failed.
    int UpdateAccountBySale(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString date, CString amount,
                            CString& error);
    int UpdateAccountByPur(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString date, CString amount,
                           CString& error);
    int UpdateAccountBySaleOrder(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString date,
                                 CString amount, CString& error);
    // Rebuilds the day's lines from the bills of the days since the latest day line (after
    // bills were imported). The arguments are accepted and not read. 0 done; -1 failed.
    int UpdateAccountByImport(CppSQLite3DB& db, CString settleAcctName, int settleAcctId, CString date, CString amount,
                              CString& error);

    // --- Month totals --------------------------------------------------------------------------
    // Adds the amount to the income ("收入") or expense side of the account's month of the
    // date, making the month's row first; a negative amount undoes. Statement status; -1 on
    // a database error.
    int UpdateAccountMonth(CppSQLite3DB& db, CString date, CString accountType, CString settleAcctName,
                           int settleAcctId, double amount, CString& error);

    // --- Deleting lines --------------------------------------------------------------------------
    // Removes the line; with `undo` set its effect on the month totals and the settlement
    // account is reversed (the partner's balance is reversed in any case, except for
    // hand-entered items). 0 done; -1 when the line does not exist (or has no date) or on a
    // database error.
    int DeleteAccount(CppSQLite3DB& db, int accountId, CString& error, int undo);
    // Removes the account's opening entry, undoing it. 0 also when it has none.
    int DeleteAccount(CppSQLite3DB& db, CString settleAcctName, CString& error);
    // Reverses a line's effects (see DeleteAccount). 1 done; -1 when the date is empty or on
    // a database error.
    int UpdateSettleAcctByDelete(CppSQLite3DB& db, int accountId, int companyId, int projectType, CString accountType,
                                 CString settleAcctName, int settleAcctId, CString date, CString inAmount,
                                 CString outAmount, CString& error, int undo);

    // --- Reading lines ---------------------------------------------------------------------------
    // The line's account type, settlement account and amount (as stored); `other` is cleared.
    // 1, also when there is no such line (the texts are then empty); -1 on a database error.
    int GetZJZKInfo(CppSQLite3DB& db, int accountId, CString& accountType, CString& settleAcctName, CString& amount,
                    CString& other);
    bool IsExist(CppSQLite3DB& db, int accountId);
    // AccountID and AccountDate of the account's opening entry.
    CppSQLite3Query GetACIDBySetAccName(CppSQLite3DB& db, CString settleAcctName, CString& error);
    // SettleAcctName of the line.
    CppSQLite3Query GetSetAccNameByACID(CppSQLite3DB& db, int accountId, CString& error);

    // --- Reports ---------------------------------------------------------------------------------
    // Read-only. Dates are "yyyy-mm-dd" texts and both bounds count. A database error gives
    // the empty result set with the message in `error` (and the log); `count` receives the
    // number of rows (0 after an error). Keyword parts match anywhere ("" matches all).

    // One row, column Balance: the money in the accounts before the start date ("" counts as
    // 1970-01-01): the month totals of the earlier months, the sales less the purchases paid
    // in the start's month before it, the receipts, payments and hand-entered items of those
    // days, and every opening entry. A named settlement account narrows the month totals and
    // the journal lines, not the bills.
    CppSQLite3Query GetAccountHeader(CppSQLite3DB& db, CString startDate, CString& error, CString settleAcctName);
    // The journal lines of the period with an amount, as they stand (the day's lines included).
    CppSQLite3Query GetAccountList(CppSQLite3DB& db, CString fromDate, CString toDate, long& count, CString& error);
    // The period's money one row per bill: the deposits of sale orders, what was paid on sale
    // and purchase bills, and the receipts, payments and hand-entered items of the journal
    // (AccountID, AccountDate, BillCode, InAmount, OutAmount, SettleAcctName, AccountDesp,
    // CompanyName, ProjectName, ProjectType, AccountType).
    CppSQLite3Query GetAccountListDetail(CppSQLite3DB& db, CString fromDate, CString toDate, CString settleAcctName,
                                         long& count, CString& error);
    // Income and expense of the journal summed per project (AccountType, ProjectName,
    // InAmount, OutAmount), opening entries left out.
    CppSQLite3Query GetAccReportList(CppSQLite3DB& db, CString fromDate, CString toDate, CString accountTypePart,
                                     CString projectPart, long& count, CString& error);
    // The same for the hand-entered items whose project counts toward profit.
    CppSQLite3Query GetAccProfitList(CppSQLite3DB& db, CString fromDate, CString toDate, CString accountTypePart,
                                     CString projectPart, long& count, CString& error);
    // The rows behind GetAccReportList, one per bill (columns of GetAccountListDetail without
    // SettleAcctName).
    CppSQLite3Query GetAccReportDetailList(CppSQLite3DB& db, CString fromDate, CString toDate, CString accountTypePart,
                                           CString projectPart, long& count, CString& error);
    // The rows behind the profit report: the sales from the stock ledger, deposits and
    // purchases from their bills, and the profit projects' items.
    CppSQLite3Query GetAccProfitDetailList(CppSQLite3DB& db, CString fromDate, CString toDate, CString accountTypePart,
                                           CString projectPart, long& count, CString& error);
    // Expense per project for a pie chart (OutAmount, ProjectName): the purchases paid and the
    // hand-entered expense; only projects with a positive total.
    CppSQLite3Query GetAccChartData(CppSQLite3DB& db, CTime from, CTime to, CString settleAcctName, long& count,
                                    CString& error);
    // The projects of one account type ("收入" / "支出"), largest first, into `pairs` (room for
    // `maxRows`): "[name]" (names over six characters cut to six and "...") and the amount as
    // "%.08lf". The number of pairs written; -1 on a database error.
    int GetAccReportChartData(CppSQLite3DB& db, int maxRows, CString fromDate, CString toDate, CString accountType,
                              CString projectPart, CString pairs[][2], CString& error);
    // The receipts (kind 1) or payments (any other kind) whose partner, code, description or
    // remark holds the keyword: with `detail` one row per line with its settlement account and
    // bank number, else one row per bill code with the amounts summed. Errors are logged.
    CppSQLite3Query GetAccBillList(CppSQLite3DB& db, int kind, CString fromDate, CString toDate, CString keyword,
                                   long& count, int detail);
    // A customer's (supplier's) statement: the bills still owing with their lines, the
    // deposits of sale orders, and the other side's bills of the same partners with their
    // amounts turned round. Rows: SaleID, SaleItemID (0 on a bill's own row), ProductCode (on
    // a bill's row: "date kind code"), ProductName, ShowUnitName, ShowItemCount, ShowPrice,
    // BillAmount, DisAmount, AddAmount, PayAmount, EndAmount, BillDate, CreateDate, Remark,
    // by date, each bill before its lines. An empty name: every partner.
    CppSQLite3Query GetStatementAccountByCust(CppSQLite3DB& db, CString fromDate, CString toDate, CString customerName,
                                              long& count, CString& error);
    CppSQLite3Query GetStatementAccountBySupply(CppSQLite3DB& db, CString fromDate, CString toDate,
                                                CString supplierName, long& count, CString& error);

    // --- Print data ------------------------------------------------------------------------------
    // Each copies a report into SysPrintData under `label` (the print template's name): the
    // store (StoreName, StoreAddr, StoreLink) and the report's headings with EntryNo -1, one
    // entry per report row from `firstEntry` on (below 1 counts as 1) with RowNo 1, 2, ...,
    // then the totals (EntryNo -1). `nextEntry` receives the entry after the last row. Texts
    // pass GetSafeString, amounts are "varMoneyfloat". The table is not cleared. 0 done; -1 on
    // a database error ("<method> Err:<message>" in `error` and the log).

    // The journal: AccountSdt, AccountEdt; per row AccountDate, BillCode, AccountDesp,
    // ProjectName, InAmount, OutAmount and Balance (the opening balance plus what came in less
    // what went out so far); SumInAmount, SumOutAmount, SumBalance (the closing balance). With
    // `detail` the rows of GetAccountListDetail for the settlement account ("" all) and its
    // opening balance, else the journal lines of GetAccountList from the opening balance of
    // all accounts. All or nothing.
    int InsertPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString settleAcctName, int detail,
                        CString label, int firstEntry, long& nextEntry, CString& error);
    // GetAccReportList: AccountSdt, AccountEdt, AccountType, AccProType (the filters); per
    // project ProjectName, InAmount, OutAmount, Balance (in less out); SumInAmount,
    // SumOutAmount, SumBalance. All or nothing.
    int InsertAccReportPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString accountTypePart,
                                 CString projectPart, CString label, int firstEntry, long& nextEntry, CString& error);
    // The period's profit: headings as InsertAccReportPrintData; rows TypeName, ProjectName,
    // InAmount, OutAmount, Balance: first "销售收入" (the sales of the stock ledger) and
    // "销售成本" (their cost), then the profit projects of GetAccProfitList; SumInAmount,
    // SumOutAmount, SumBalance (the profit).
    int InsertProfitPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString accountTypePart,
                              CString projectPart, CString label, int firstEntry, long& nextEntry, CString& error);
    // GetAccProfitDetailList: AccountSdt, AccountEdt, AccProType; per row AccountDate,
    // BillCode, AccountDesp, CompanyName, ProjectName, AccountType, Amount; SumAmount.
    int InsertAccItemReportPrintData(CppSQLite3DB& db, CString fromDate, CString toDate, CString accountTypePart,
                                     CString projectPart, CString label, int firstEntry, long& nextEntry,
                                     CString& error);
    // GetAccBillList: BeginDate, EndDate; per row BillDate, BillCode, Remark, ItemAmount (the
    // amount received or paid); TotalAmount.
    int InsertAccBillListPrintData(CppSQLite3DB& db, int kind, CString fromDate, CString toDate, CString keyword,
                                   int detail, CString label, int firstEntry, long& nextEntry, CString& error);

private:
    // The ID for a new line: the line of the bill code when there is one, else the next ID
    // of the table's sequence, never one in use.
    int GetAccoutIDByRecPay(CppSQLite3DB& db, CString companyName, CString billCode);
    // A receipt (income, customer) or payment (expense, supplier).
    int InsertRecPay(CppSQLite3DB& db, bool receipt, CString settleAcctName, int settleAcctId, CString companyName,
                     CString date, CString billCode, CString desp, double amount, CString& error);
    int UpdateRecPay(CppSQLite3DB& db, bool receipt, int accountId, CString settleAcctName, CString companyName,
                     CString date, CString desp, double amount, CString& error, int settleAcctId);
};
