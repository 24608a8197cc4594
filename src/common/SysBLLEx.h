#pragma once
// A second set of the date conversions, for callers that keep their own helper object, the
// second version of the store manager's summary and the store reminders.

#include "frame/ServiceTypes.h"

class CSysBLLEx {
    SHOPBIZ_STATELESS_SERVICE(CSysBLLEx)

public:
    // The same conversions as CSysBLL's.
    CString CTime2CString(CTime time);
    CTime CString2CTime(CString date);
    CString COleDateTime2CString(COleDateTime time);
    COleDateTime CString2COleDateTime(CString date);

    // As CSysBLL::GetSysSetting, but under the library lock; an error is logged and gives "".
    CString GetSysSetting(CppSQLite3DB& db, CString key);

    // --- Store manager summary ----------------------------------------------------------------
    // Locked; errors are caught and logged ("CSysBLLEx::<method>...").
    // The shop's previous day for the day given ("2013-05-06"), its income and expense taken
    // from the sale and purchase bills and the journal: "昨日收入...". "" for a day that is no
    // date, or on an error.
    CString GetStoreMgrInfo(CppSQLite3DB& db, CString day);
    // As CSysBLL::AddStoreMgrInfo: 1 the day's stored summary was read back, 0 the given one
    // was stored, -1 on an error.
    int AddStoreMgrInfo(CppSQLite3DB& db, CString day, CString& summary, int& sent);
    void UpdateSendStatus(CppSQLite3DB& db, CString day, int sent);

    // --- Store reminders and the apps offered ---------------------------------------------------
    // Locked; a database error is logged as "CSysBLLEx::<method> <message>" and gives an
    // empty result set or 0. The text arguments of the queries are not used.
    // Reminders not popped up yet, with the operator's response to their kind.
    CppSQLite3Query GetStoreRemind(CppSQLite3DB& db, CString unused);
    // Sets one column of the reminder named so, or of every reminder (all != 0); 1 done.
    // Only the reminder columns other than ID may be named.
    int UpdateStoreRemindIntField(CppSQLite3DB& db, CString column, CString remindName, int value, int all);
    int UpdateStoreRemindCStringField(CppSQLite3DB& db, CString column, CString remindName, CString value, int all);
    // Reminders that should pop up now.
    CppSQLite3Query GetPopMsgList(CppSQLite3DB& db, CString unused);
    CppSQLite3Query GetBuyList(CppSQLite3DB& db, CString unused);
};
