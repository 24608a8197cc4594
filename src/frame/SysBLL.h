#pragma once
// Shared helpers of every service: the library lock, the generic SQL entry points, and
// (added by subject) dates and texts, numbering, pinyin, settings, users and the logs.

#include "frame/ServiceTypes.h"
#include "platform/CSWrapper.h"

class CSysBLL {
    SHOPBIZ_STATELESS_SERVICE(CSysBLL)

public:
    // The one lock of the library; every locking method of every service holds it.
    static CCSWrapper m_lock;

    // --- Generic SQL ---------------------------------------------------------------
    // Statement status of the statement (0 when it ran). Locked; errors pass to the caller.
    int ExecSQL(CppSQLite3DB& db, CString sql);
    // Result set of the query. Locked; errors pass to the caller.
    CppSQLite3Query ExecSQLForQuery(CppSQLite3DB& db, CString sql);
    // 1 when the statement ran; 0 and a readable error text when it failed. Not locked.
    int ExecDML(CppSQLite3DB& db, CString sql, CString& error);
    // 1 while the shop database has no real trading data and no store description yet.
    int DBIsNewCreate(CppSQLite3DB& db);
    // Drops every table but users, store information and privileges; 1 on success, 0 on error.
    int ClearData(CppSQLite3DB& db, CString error);

    // --- Dates, times and texts --------------------------------------------------------

    // --- Bill numbering and new codes ----------------------------------------------------

    // --- Pinyin search codes ---------------------------------------------------------------

    // --- Amounts in Chinese capitals -------------------------------------------------------

    // --- Operation log and search history ---------------------------------------------------

    // --- Settings, store and industry information -----------------------------------------

    // --- Users, login and privileges ----------------------------------------------------------

    // --- Notes and reminders -------------------------------------------------------------------

    // --- Store manager summary and store reminders ----------------------------------------
};
