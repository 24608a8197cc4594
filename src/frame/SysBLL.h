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
    // None of these touches the database or takes the lock. All times are local.
    // "2013-05-06 14:03:09" / "2013-05-06" of the library clock.
    CString GetTimeNowLong();
    CString GetTimeNowShort();
    // "1970-01-01", the date of the opening (virtual) records.
    CString GetSysStartDate();
    // "2013-05-06"; a time before 1970-01-01 00:00 UTC gives today's date instead (east of
    // Greenwich that includes local midnight of 1970-01-01).
    CString CTime2CString(CTime time);
    // Midnight of a "y-m-d" text; years are held to 1970..2038; text under 8 characters
    // gives 1970-01-01.
    CTime CString2CTime(CString date);
    CString COleDateTime2CString(COleDateTime time);
    // As CString2CTime, without the year limits.
    COleDateTime CString2COleDateTime(CString date);
    // "2013-05-06 14:03" and back (seconds 0).
    CString LongCTime2CString(CTime time);
    CTime CString2LongCTime(CString dateAndMinute);
    int GetMonthDays(CTime time);
    // Pieces of the text between separators (always at least one); returns their number.
    int splitString(CString text, char separator, CStringArray& pieces);
    // Trims the text and replaces the quote and the other characters that must not reach
    // SQL or the list separators, in place.
    static void GetSafeString(CString& text);
    // The host program's directory, ending with the path separator.
    void GetCurrentDirectoryW(CString& directory);

    // --- Bill numbering and new codes ----------------------------------------------------
    // None takes the lock. Bill types: "XSD" sale, "JHD" purchase, "XSDD" sale order.
    // Next code of the type for the month of the date, without consuming it (prefix +
    // yyyymm + 0001). A database error is shown in a message box.
    CString GetBillCode(CppSQLite3DB& db, CString billType, CString billDate);
    // Consumes the code proposed for that month; statement status. Errors pass.
    int UpDateBillCode(CppSQLite3DB& db, CString billType, CString billDate);
    // The code with its trailing number one higher, same width unless it overflows
    // (P0009 -> P0010, P9999 -> P10000); "" when it does not end in digits.
    CString GetNewCode(CString code);

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
    // Journals a change of a row ("A", "U" or "D") while "IsUseDataSync" is on; always 1.
    // Locked; errors pass.
    int AddOperateData(CppSQLite3DB& db, CString table, CString keyColumn, CString keyValue, CString operation);
    // Counts one use of the function in the current month (yyyy/mm); the flag has no effect.
    int AddOperateInfo(CppSQLite3DB& db, CString funNo, bool flag);
    // Counts one use in the given period (today as yyyy/mm/dd when empty); 0 and nothing
    // recorded when skipped or without a function number.
    int AddOperateInfoByTime(CppSQLite3DB& db, CString funNo, CString period, bool skip);
    // The counters of one period, or all of them for "".
    CppSQLite3Query QueryOperateInfo(CppSQLite3DB& db, CString period);
    int ClearOperateInfo(CppSQLite3DB& db, CString period);
    void GetOperateInfoDateList(CppSQLite3DB& db, CStringArray& dates);
    // Remembers a searched keyword; always 0. Errors are shown in a message box.
    int SaveSearchHistory(CppSQLite3DB& db, CString keyword);
    // The ten most searched keywords containing the text; count = all that contain it.
    CppSQLite3Query GetTop10SearchHistory(CppSQLite3DB& db, CString keywordPart, int& count);

    // --- Settings, store and industry information -----------------------------------------
    // Texts written by these methods are stored exactly as given: a quote in a key or value
    // is escaped in the statement, not replaced.
    // Key/value settings (SysSetting). Not locked; errors pass.
    CString GetSysSetting(CppSQLite3DB& db, CString key);
    int GetSysSettingForint(CppSQLite3DB& db, CString key, int defaultValue);
    CString GetSysSettingForCString(CppSQLite3DB& db, CString key, CString defaultValue);
    int UpdateSysSetting(CppSQLite3DB& db, CString key, CString value);
    int GetFunState(CppSQLite3DB& db, CString key);
    int SetFunState(CppSQLite3DB& db, CString key, int state);
    // 1 sales, 2 returns: the bill type a new sale bill starts with, decided once from the bills.
    int GetSysSetting_SaleBillType(CppSQLite3DB& db);
    int IsUseDiscountRate(CppSQLite3DB& db);

    // The store row (SystemInfo).
    CString GetSystemInfo(CppSQLite3DB& db, CString column);
    int SaveSystemInfo(CppSQLite3DB& db, CString column, CString value);
    int GetStoreInfo(CppSQLite3DB& db, CString& industry, CString& operMode, CString& typeNames);
    CppSQLite3Query GetStoreInfo(CppSQLite3DB& db);
    CString GetAppVersion(CppSQLite3DB& db);
    int SaveNewAppVersion(CppSQLite3DB& db, CString version);
    int AddUsedHour(CppSQLite3DB& db, double hours);
    double GetUsedHour(CppSQLite3DB& db);
    CString GetSMSSign(CppSQLite3DB& db);
    int SaveSMSSign(CppSQLite3DB& db, CString sign);
    CString GetSafeEmail(CppSQLite3DB& db);
    int UpdateSafeEmail(CppSQLite3DB& db, CString address);
    CString GetSafeQQ(CppSQLite3DB& db);
    int UpdateSafeQQ(CppSQLite3DB& db, CString number);
    int ValidateSafeEmail(CppSQLite3DB& db, CString text);
    void GetContactMail(CppSQLite3DB& db, CString& contact, CString& email);
    CString GetKuaipanAccount(CppSQLite3DB& db);
    int SaveKuaipanAccount(CppSQLite3DB& db, CString account);
    int GetIsIncludeNetProd(CppSQLite3DB& db);
    int UpdateIsIncludeNetProd(CppSQLite3DB& db, int include);
    int UpdateSysDownLaodFlag(CppSQLite3DB& db, CString flag);
    // The installation identifier; made (a random GUID + "-" + suffix) when missing or
    // without the "_ZUM" marker.
    void GetUserGUID(CppSQLite3DB& db, CString& id, CString suffix);
    int SetUserGUID(CppSQLite3DB& db, CString id);

    // Industry and the catalogue types the shop took over.
    bool IsSelectIndustry(CppSQLite3DB& db);
    // The seventh text is accepted and not stored.
    int SaveIndustryInfo(CppSQLite3DB& db, CString industry, CString companyName, CString operMode,
                         CString downloadFlag, CString address, CString contact, CString unused);
    int DeleteIndustryType(CppSQLite3DB& db);
    int SaveSysProdInfo(CppSQLite3DB& db, CString typeName, CString industry);
    int UpdateSysProdNetPriceDate(CppSQLite3DB& db, CString typeName, CString industry, CString date);
    int UpDateSysProdTypeFlag(CppSQLite3DB& db, CString typeName, CString date);
    void GetIndustryInfo(CppSQLite3DB& db, CStringArray& typeNames);
    CppSQLite3Query GetSysProdTypeInfo(CppSQLite3DB& db);
    int GetUserSelProdTypeInfo(CppSQLite3DB& db, CStringArray& entries);
    CppSQLite3Query GetSysIndustry(CppSQLite3DB& db);
    // Download address of a type's data package: the "IndustryDataURL" setting + name + ".rar".
    CString GetIndustryURL(CppSQLite3DB& db, CString typeName);

    // Print templates (NoteType, NoteCitation) and their data.
    CppSQLite3Query GetPrintSetup(CppSQLite3DB& db, CString noteTypeName);
    int UpdatePrintSetup(CppSQLite3DB& db, CString noteTypeName, int entrysPerNote, CString printSetup, int left,
                         int top, CString otherPrintSet);
    bool ISPrintSetupNull(CppSQLite3DB& db, CString noteTypeName);
    CppSQLite3Query GetNoteInfo(CppSQLite3DB& db, int which);
    int UpdateNote(CppSQLite3DB& db, CString text, int value);
    CppSQLite3Query AddKeyWords(CppSQLite3DB& db, CString noteTypeName, int& count, CString& error);
    CppSQLite3Query GetQueryData(CppSQLite3DB& db, CString noteTypeName, CString citationName, long recordNo,
                                 long entryNo, int test, CString& error);

    // Keyed XML store, SMS templates and the store test projects.
    int InsertXmlToDataBase(CppSQLite3DB& db, CString key, CString xml);
    CString GetXmlFromDataBase(CppSQLite3DB& db, CString key);
    CppSQLite3Query GetSMSTempletInfo(CppSQLite3DB& db, int unused);
    CppSQLite3Query GetStoreTestProject(CppSQLite3DB& db, CString projectName, int projectType);

    // --- Users, login and privileges ----------------------------------------------------------

    // --- Notes and reminders -------------------------------------------------------------------

    // --- Store manager summary and store reminders ----------------------------------------
};
