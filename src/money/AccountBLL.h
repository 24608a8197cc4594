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
