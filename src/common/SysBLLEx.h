#pragma once
// A second set of the date conversions, for callers that keep their own helper object.

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
};
