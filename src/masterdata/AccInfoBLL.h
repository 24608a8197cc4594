#pragma once
// Settlement accounts: cash and bank accounts with their balances.

#include "frame/ServiceTypes.h"

class CAccInfoBLL {
    SHOPBIZ_STATELESS_SERVICE(CAccInfoBLL)

public:
    // --- Checks ------------------------------------------------------------------------------
    // 1 when an account of the name and type exists; 0 when not or on a database error.
    int IsAccExist(CppSQLite3DB& db, CString name, int type, CString& error);
    // 1 when an account of the name exists, 0 when not, -1 on a database error.
    int IsExistByAcNAme(CppSQLite3DB& db, CString name, CString& error);
    // 0 for a system account (or on a database error), 1 for one that may be deleted.
    int ISSysItem(CppSQLite3DB& db, int accountId);
    // 1 when no bill, order or journal line (other than its opening entry) names the
    // account; 0 when one does or on a database error.
    int CheckAccUse(CppSQLite3DB& db, CString name);

    // --- Create, edit, delete ------------------------------------------------------------------
    // New account (type 1) with its opening balance, also written into the journal as its
    // opening entry. 0 created; 1 empty or taken name, or a database error; 2 the new row
    // could not be read back; -1 the opening entry failed (the account stays).
    int InsertLIstData(CppSQLite3DB& db, int type, CString name, CString bankName, CString bankNo, CString amount,
                       CString& error);
    // Moves the balance: the amount is taken off (money in is passed negative). Writes only
    // when `write` is not 0. 0, or 1 on a database error.
    int UpdateBaseAccount(CppSQLite3DB& db, CString name, double amount, CString& error, int write);
    // Edits the account of the ID (-1: of the name). The amount is the new current balance;
    // the opening balance moves by the same difference. With `cascade` 1 the name is carried
    // into the bills and the journal and the opening entry is rewritten. 0, or 1 on a
    // database error or a name another account has.
    int UpdateBaseData(CppSQLite3DB& db, int accountId, CString type, CString name, CString bankName, CString bankNo,
                       CString amount, CString& error, int cascade);
    // Accepted and ignored; always 0.
    int UpdateBaseData(CppSQLite3DB& db, int accountId, CString first, CString second, CString& error);
    // Replaces the account's opening entry by one of the amount (same date); `undo` is passed
    // on to the removal of the old entry. Result of the new entry (0 done); 2 no such account;
    // -1 the old entry could not be removed, or a database error.
    int UpdateAccountData(CppSQLite3DB& db, CString name, double amount, CString& error, int undo);
    // 0 deleted; 2 a system account (nothing deleted); 1 on a database error. The account's
    // journal lines and month totals stay as history.
    int DeleteBaseData(CppSQLite3DB& db, CString accountId, CString& error);

    // --- Lists (system accounts first, then by search code) ----------------------------------
    CppSQLite3Query GetBaseData(CppSQLite3DB& db, CString& error);
    // Accounts whose name or search code contains the keyword (all for an empty one).
    CppSQLite3Query GetAccDateForList(CppSQLite3DB& db, CString keyword, CString& error);
    CppSQLite3Query GetBaseDataByName(CppSQLite3DB& db, CString name, CString& error);
    CppSQLite3Query GetBaseDataByAccID(CppSQLite3DB& db, int accountId, CString& error);

private:
    // Writes the account's opening entry into the journal (income, project "账户操作").
    int WriteOpeningEntry(CppSQLite3DB& db, const CString& name, int accountId, const CString& date, double amount,
                          CString& error);
};
