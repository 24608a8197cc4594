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
    // Upper-case pinyin initials of code page 936 text; other bytes are kept as they are. A
    // character read with another initial too adds a second code: 长城 gives "CC-ZC".
    // 1 when the text begins with a single-byte character, 0 otherwise or when it is empty.
    int GetFirstPY(std::string text, std::string& out);
    // As above for wide text; 0 and an empty code when it cannot be converted.
    int GetFirstPY(std::wstring text, std::wstring& out);
    // As above; always 1.
    int GetFirstPY(CString& text, CString& out);
    // One letter per character, the first initial from A; a blank for anything else.
    CString GetFirstLetter(CString text);
    // SearchCode of the product type named so, "" when there is none. Locked; errors pass
    // to the caller.
    CString GetSearchCodeByName(CppSQLite3DB& db, CString typeName);

private:
    // Letter of a GB2312 position code (zone * 100 + place) of the pinyin-ordered first level;
    // `letter` is left as it is outside it.
    void FirstLetter(int positionCode, std::string& letter);
    // First initial of the character searching the tables from A (direction 0) or from Z;
    // ' ' when it has none.
    char FirstLetter(CString ch, int direction);

public:
    // --- Amounts in Chinese capitals -------------------------------------------------------
    // The amount of yuan as written on bills: 10.5 gives "壹拾元零伍角".
    CString Double2RMB(double value);

    // --- Operation log and search history ---------------------------------------------------

    // --- Settings, store and industry information -----------------------------------------

    // --- Users, login and privileges ----------------------------------------------------------

    // --- Notes and reminders -------------------------------------------------------------------

    // --- Store manager summary and store reminders ----------------------------------------
};
