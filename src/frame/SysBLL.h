#pragma once
// Shared helpers of every service: the library lock, the generic SQL entry points, and
// (added by subject) dates and texts, numbering, pinyin, settings, users and the logs.

#include "frame/ServiceTypes.h"
#include "platform/CSWrapper.h"

class CAcctiveNoteInfo;  // system/AcctiveNoteInfo.h

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
    // Operators (User), the rights tree (Resource), granted rights (UserResource: the
    // operator's ID as text and the right's code) and the host's function catalogue (Func).
    // Passwords are stored and compared as plain text. User names and passwords pass
    // GetSafeString wherever they are stored or looked up, so a name or password is always
    // compared in the form it was stored in. Only the methods marked "Locked" take the lock.
    // The administrator (ID 1) holds every right and cannot be deleted or switched off.

    // Logs in an enabled operator with this password: fills the ID and whether it is the
    // administrator, and stores the remember-password choice. Anything else changes nothing
    // and gives false; a database error is shown in a message box.
    bool ValidateLogin(CppSQLite3DB& db, CString name, CString password, int& userID, bool& isAdmin, int remember);
    // The same check, without filling or storing anything.
    bool ValidateLogin2(CppSQLite3DB& db, CString name, CString password);
    // Every operator (all != 0) or the enabled ones, by ID; a database error is shown in a
    // message box and gives an empty result set.
    CppSQLite3Query GetLocalUsers(CppSQLite3DB& db, int all);
    // The login screen's list: "name;password;IsRemPwd" of each enabled operator. Errors pass.
    void GetLocalUsers(CppSQLite3DB& db, CStringArray& users);
    // Renames an operator; false for an empty name, a name taken by another operator (logged)
    // or an error.
    bool ChangeUsername(CppSQLite3DB& db, CString oldName, CString newName);
    bool ChangePassword(CppSQLite3DB& db, CString name, CString newPassword);
    // From here to SaveHeadPic errors pass to the caller (the administrator's protection
    // included). True when the operator exists and has no password.
    bool IsPwdEmpty(CppSQLite3DB& db, CString name);
    // Switches an operator on or off; true when the statement ran.
    bool EnableUserItem(CppSQLite3DB& db, CString name, bool enable);
    // False only for an operator switched off.
    bool IsEnableUserItem(CppSQLite3DB& db, CString name);
    bool DeleteUserItem(CppSQLite3DB& db, CString name);
    CString GetUserEmotion(CppSQLite3DB& db, CString name);
    int SaveUserEmotion(CppSQLite3DB& db, CString name, CString emotion);
    // The avatar's path below the program directory (from "skin" on when the stored path
    // holds it); "" for an unknown operator.
    CString GetHeadPic(CppSQLite3DB& db, CString name);
    int SaveHeadPic(CppSQLite3DB& db, CString name, CString picture);
    // 1 added; -2 the name is taken; -1 an empty name or an error (nothing logged).
    int AddUser(CppSQLite3DB& db, CString name, CString password, CString sex, CString tel, CString email);
    // 0 renamed; -2 another operator has the name; -1 an empty name or an error.
    int UpdateUserByID(CppSQLite3DB& db, CString newName, int userID);
    // 0 when the statement ran; -1 on an error (the administrator included).
    int DeleteUserByID(CppSQLite3DB& db, int userID);
    int DisableUserByID(CppSQLite3DB& db, int userID, int disable);
    // "" when there is no such operator.
    CString GetUserNameByID(CppSQLite3DB& db, int userID);
    // 1 when a sale or purchase bill carries the operator's name, 0 when none, -1 on an
    // error. Locked.
    int UserIsUsed(CppSQLite3DB& db, CString name);
    // Sets the administrator's phone; -1 on an error. Locked.
    int UpdateAdminUserTel(CppSQLite3DB& db, CString tel);
    // 'name 的密码是："password" ' for every operator neither switched off nor deleted (the
    // password reminder the host mails to the shop's safe address). Locked.
    CString GetUserPsw(CppSQLite3DB& db);

    // Rights trees with IsOK 1 for the rights the operator holds. Errors pass.
    CppSQLite3Query GetUserResc(CppSQLite3DB& db, CString user);
    // Grouped: each group (OrderID -1) before its rights, groups in FObjectOrderID order.
    CppSQLite3Query GetUserRescNew(CppSQLite3DB& db, CString user);
    CppSQLite3Query GetUserRescByPID(CppSQLite3DB& db, CString user, CString parentResCode);
    CppSQLite3Query GetUserPriv(CppSQLite3DB& db, CString user);
    // Runs the host's statement on the granted rights (it may write UserResource and
    // nothing else); 1, also for an empty text, -1 on an error or any other write.
    int SetUserResc(CppSQLite3DB& db, CString sql);
    // Revokes every right of the operator; 0, -1 on an error.
    int DelUserAllResc(CppSQLite3DB& db, CString user);
    // Grants every right of the tree (callers revoke first); 1, -1 on an error.
    int SetUserAllResc(CppSQLite3DB& db, CString user);
    // Number of top-level groups of the tree; -1 on an error.
    int GetRescTreeNum(CppSQLite3DB& db);
    CString GetResCode(CppSQLite3DB& db, CString resName, int resID);
    CString GetResCodeByID(CppSQLite3DB& db, int resID);
    // 1 when the operator holds the right named so below the parent named so, or when no
    // such right is defined (and on an error); 0 otherwise.
    int HasPrivilege(CppSQLite3DB& db, CString user, CString parentResName, CString resName);
    // Non-zero when the operator logged in ("CurLoginUserID", else the given ID) holds the
    // right; always 1 for the administrator; 0 on an error. Locked.
    int CheckUserResource(CppSQLite3DB& db, CString resCode, int userID);
    // 1 when the resource belongs to one of the report groups; 0 otherwise. Locked.
    int IsHaveViewRes(CppSQLite3DB& db, int resID);

    // The function catalogue. Locked. Queries let errors pass; the four writers log them
    // ("<method> Err:...") and give -1.
    // Usable functions; type "3" only applied ones, "4" applied ones in use; a key searches
    // names and descriptions; `all` lists by function type.
    CppSQLite3Query GetFuncList(CppSQLite3DB& db, CString key, CString type, bool all);
    CppSQLite3Query GetFuncByName(CppSQLite3DB& db, CString funcName);
    CppSQLite3Query GetFuncByCode(CppSQLite3DB& db, CString funcCode);
    // Every function in OrderNo order; the site is not used.
    CppSQLite3Query GetFuncListBySite(CppSQLite3DB& db, CString site);
    // 1 when the function is in use (IsUse 1), else 0.
    int FuncIsUse(CppSQLite3DB& db, CString funcCode);
    // Stores one downloaded function: its values in the column order of the catalogue
    // (FuncId .. FuncSite, 37 texts). Keyed on the code: updated when present, else added;
    // 0 when stored.
    int UpdateFunc(CppSQLite3DB& db, CStringArray& values);
    // Keyed on the name; an existing function is only replaced by a newer release.
    int UpdateFuncByName(CppSQLite3DB& db, CStringArray& values);
    // 1 set, 0 no such function, -1 on an error.
    int UpdateAppApply(CppSQLite3DB& db, CString funcCode, int apply);
    int UpdateAppUse(CppSQLite3DB& db, CString funcCode, int use);

    // --- Notes and reminders -------------------------------------------------------------------
    // Memos (ActiveNotes) of each operator. Every method is locked, logs a database error as
    // "<method> Err:..." and gives -1 (int) or an empty result set. Times are
    // "2013-05-06 14:03" texts; `now` comes from the caller (CTime::GetCurrentTime()).

    // Adds the memo (ID -1 or unknown) or rewrites it; the creation date is now. 0 when
    // stored. A due time not of the form "yyyy-mm-dd hh:mm" is refused with -1.
    int SaveActiveNote(CppSQLite3DB& db, const CAcctiveNoteInfo& note, CString& error);
    // Writes the memo's date, text, type and owner unless it is a system memo.
    int UpdateActiveNote(CppSQLite3DB& db, int noteID, CString date, CString text, int type, CString user);
    int DeleteActiveNote(CppSQLite3DB& db, int noteID);
    CppSQLite3Query GetActiveNoteByID(CppSQLite3DB& db, int noteID);
    // The operator's memos due on the date's day / in its month; count = how many.
    CppSQLite3Query GetActiveNotesByDate(CppSQLite3DB& db, CString date, CString user, long& count);
    CppSQLite3Query GetCurMonthActiveNotes(CppSQLite3DB& db, CString date, CString user, long& count);
    // Open memos (neither read nor switched off) due before tomorrow.
    CppSQLite3Query GetActiveNotes(CppSQLite3DB& db, CString user, CTime now);
    // Reminders due now (their lead time reached) as "ID~content~due time"; their number,
    // 0 on an error (logged as "CSysBLL::GetActiveNotes Error:...").
    int GetActiveNotes(CppSQLite3DB& db, CString user, CTime now, CStringArray& reminders);
    // Switches the memo off, or on again; 0 also for an unknown memo.
    int UpdateIsCancelActiveNote(CppSQLite3DB& db, int noteID);
    // Closes the memo (read / ignored). A repeating memo gets its next occurrence first: one
    // day, seven days or the due month's number of days later. 0 done (also for an unknown
    // memo); -1 for an unknown frequency (nothing changed) or an error (nothing changed).
    int ReadActiveNoteByID(CppSQLite3DB& db, int noteID);
    int IgnoreActiveNoteByID(CppSQLite3DB& db, int noteID);
    // Reads / ignores every reminder due now; stops at the first failure (logged). The result
    // of the last memo handled, 0 when none was due.
    int ReadAllActiveNote(CppSQLite3DB& db, CTime now, CString user);
    int IgnoreAllActiveNote(CppSQLite3DB& db, CTime now, CString user);

    // May this partner be deleted? `message` receives the question for the host: 1 yes, it
    // has no business; 2 no, but it may be switched off instead (it is enabled and owes
    // nothing); 0 neither. Partner type 1 customer, 2 supplier, any other a contact.
    // -1 on an error (logged, the message holds it). Not locked itself.
    int GetTipsMsgByCompanies(CppSQLite3DB& db, int companyType, int companyID, CString& message);
    int GetTipsByCust(CppSQLite3DB& db, int companyID, CString& message);
    int GetTipsBySuply(CppSQLite3DB& db, int companyID, CString& message);
    int GetTipsByOther(CppSQLite3DB& db, int companyID, CString& message);

    // --- Store manager summary and store reminders ----------------------------------------
    // Locked; errors are caught and logged.
    // The shop's previous day for the day given ("2013-05-06"): income and expense of the
    // journal, receivables, payables and the number of products out of their stock limits,
    // as "2013年5月5日店铺收入...". "" for a day that is no date, or on an error.
    CString GetStoreMgrInfo(CppSQLite3DB& db, CString day);
    // The day's stored summary: summary and sent flag receive it and 1 is returned; without
    // one the given summary is stored unsent and 0 returned. -1 on an error.
    int AddStoreMgrInfo(CppSQLite3DB& db, CString day, CString& summary, int& sent);
    void UpdateSendStatus(CppSQLite3DB& db, CString day, int sent);
};
